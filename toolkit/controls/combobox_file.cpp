// Combobox files: one entry's characters saved raw, and up to 255 characters loaded back.
#include <string>

#include "controls/combobox.h"
#include "vu.h"

namespace {

constexpr DWORD kMaxLoaded = 255;          // characters taken from the start of the file
constexpr DWORD kLargestFile = 0xFFFF;     // a file of 65,536 bytes or more is refused

// The text of one entry: the control's own text (254 characters at most) or the whole list
// item, however long. False when the entry holds no item.
bool EntryText(HWND combo, int entry, std::string* text)
{
    if (entry == 0) {
        char own[vu::combobox::kOwnTextBytes] = {};
        text->assign(own, static_cast<std::size_t>(GetWindowTextA(combo, own, sizeof own)));
        return true;
    }
    const WPARAM position = vu::combobox::ItemPosition(entry);
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, position, 0);
    if (length == CB_ERR) return false;
    // Sized to the item, so no item is cut and no buffer is overrun.
    std::string item(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT got = SendMessageA(combo, CB_GETLBTEXT, position, reinterpret_cast<LPARAM>(&item[0]));
    if (got == CB_ERR || got < 0 || got > length) return false;
    text->assign(item.data(), static_cast<std::size_t>(got));
    return true;
}

}  // namespace

int vu_ComboBoxSaveFile(HWND combo, int entry, const char* path)
{
    if (path == nullptr) return 2;
    // The text is fetched first: an entry without an item leaves an existing file untouched.
    std::string text;
    if (!EntryText(combo, entry, &text)) return 3;
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_ARCHIVE | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
    const DWORD count = static_cast<DWORD>(text.size());
    DWORD written = 0;
    const BOOL ok = WriteFile(file, text.data(), count, &written, nullptr);
    CloseHandle(file);
    return ok && written == count ? 0 : 3;
}

int vu_ComboBoxLoadFile(HWND combo, int entry, const char* path)
{
    if (path == nullptr) return 2;
    HANDLE file = CreateFileA(path, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
    DWORD high = 0;
    const DWORD size = GetFileSize(file, &high);
    if (high != 0 || size > kLargestFile) {
        CloseHandle(file);
        return 4;
    }
    char text[kMaxLoaded + 1] = {};
    DWORD got = 0;
    if (!ReadFile(file, text, kMaxLoaded, &got, nullptr) || got > kMaxLoaded) {
        CloseHandle(file);
        return 3;
    }
    text[got] = '\0';  // bytes after a NUL in the file are not part of the text
    // The text could not be placed (no such list position, no memory): reported as 3.
    const int placed = vu_ComboBoxSetText(combo, entry, text);
    CloseHandle(file);
    return placed == 0 ? 0 : 3;
}
