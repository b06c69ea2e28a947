// Loading an edit or spin field from a file and saving it to one.
#include <cstdlib>
#include <cstring>

#include "base/keyword.h"
#include "controls/edit_core.h"

namespace vu {
namespace edit {
namespace {

constexpr int kDone = 0;
constexpr int kCannotOpen = 2;
constexpr int kReadWriteFailed = 3;
constexpr int kTooLarge = 4;

constexpr DWORD kLargestFile = 65535;  // a file of 65,536 bytes or more is refused
constexpr DWORD kChunk = 999;          // bytes read and inserted at a time

// Reads the whole file in chunks into a fresh buffer (*size bytes); kDone, or the code of
// the failure with nothing allocated. Checks the size both before and while reading, so a
// file that grows in between is refused too.
int ReadWhole(HANDLE file, char** bytes, DWORD* size)
{
    *bytes = nullptr;
    *size = 0;
    LARGE_INTEGER length = {};
    if (!GetFileSizeEx(file, &length)) return kReadWriteFailed;
    if (length.QuadPart > kLargestFile) return kTooLarge;
    char* buffer = static_cast<char*>(std::malloc(kLargestFile + 1 + kChunk));
    if (!buffer) return kReadWriteFailed;
    DWORD total = 0, got = 0;
    do {
        if (!ReadFile(file, buffer + total, kChunk, &got, nullptr)) {
            std::free(buffer);
            return kReadWriteFailed;
        }
        total += got;
        if (total > kLargestFile) {
            std::free(buffer);
            return kTooLarge;
        }
    } while (got == kChunk);
    *bytes = buffer;
    *size = total;
    return kDone;
}

// Empties the field and inserts the bytes behind one another in chunks of 999, ending with
// the short (possibly empty) chunk that told the end of the file.
void Insert(HWND field, const char* bytes, DWORD size)
{
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    char chunk[kChunk + 1];
    DWORD offset = 0, n = 0;
    do {
        n = size - offset < kChunk ? size - offset : kChunk;
        std::memcpy(chunk, bytes + offset, n);
        chunk[n] = '\0';
        offset += n;
        SendMessageA(field, EM_SETSEL, static_cast<WPARAM>(-1), -1);
        SendMessageA(field, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(chunk));
    } while (n == kChunk);
}

// A file whose read-only attribute is set. The platform refuses to open such a file for
// writing; asking first gives that answer also where the process's rights would let the
// open through (Wine run by the system administrator account).
bool IsReadOnlyFile(const char* path)
{
    const DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) &&
           !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

int SaveFile(HWND field, const char* path)
{
    // Without a field there is nothing to write: leave the file as it is.
    if (!IsWindow(field)) return kReadWriteFailed;
    const size_t size =
        static_cast<size_t>(SendMessageA(field, WM_GETTEXTLENGTH, 0, 0)) + 1000;
    char* text = static_cast<char*>(std::calloc(size, 1));
    if (!text) return kReadWriteFailed;
    const DWORD copied = static_cast<DWORD>(
        SendMessageA(field, WM_GETTEXT, size, reinterpret_cast<LPARAM>(text)));
    if (IsReadOnlyFile(TextOrEmpty(path))) {
        std::free(text);
        return kCannotOpen;
    }
    HANDLE file = CreateFileA(TextOrEmpty(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_ARCHIVE | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        std::free(text);
        return kCannotOpen;
    }
    DWORD written = 0;
    const bool ok = WriteFile(file, text, copied, &written, nullptr) && written == copied;
    CloseHandle(file);
    std::free(text);
    return ok ? kDone : kReadWriteFailed;
}

int LoadFile(HWND field, const char* path)
{
    if (!IsWindow(field)) return kReadWriteFailed;
    if (IsReadOnlyFile(TextOrEmpty(path))) return kCannotOpen;
    HANDLE file = CreateFileA(TextOrEmpty(path), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_ALWAYS, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return kCannotOpen;
    char* bytes = nullptr;
    DWORD size = 0;
    const int read = ReadWhole(file, &bytes, &size);
    CloseHandle(file);
    if (read != kDone) return read;
    // More than the field's limit would be cut by the field: refused whole, the field keeps
    // its text and a later save cannot shorten the file.
    if (size > static_cast<DWORD>(SendMessageA(field, EM_GETLIMITTEXT, 0, 0))) {
        std::free(bytes);
        return kTooLarge;
    }
    // A field holds no NUL: such a file would come back shortened, so it is refused whole
    // and the field keeps its text.
    if (std::memchr(bytes, '\0', size)) {
        std::free(bytes);
        return kReadWriteFailed;
    }
    Insert(field, bytes, size);
    std::free(bytes);
    SendMessageA(field, EM_SETSEL, 0, 0);
    SendMessageA(field, EM_SCROLLCARET, 0, 0);
    SendMessageA(field, EM_SETMODIFY, FALSE, 0);
    return kDone;
}

}  // namespace edit
}  // namespace vu
