// The text editor's file calls: the text saved byte for byte, and a file of fewer than
// 65,536 bytes loaded in pieces of 65,535 bytes.
#include <algorithm>
#include <cstdlib>
#include <string>

#include "base/keyword.h"
#include "controls/wordproc.h"
#include "vu.h"

namespace {

constexpr DWORD kPiece = 65535;
// Files of this size or more are refused.
constexpr DWORD kTooLarge = 65536;

}  // namespace

int vu_WordProcSaveFile(HWND editor, const char* path)
{
    HANDLE file = CreateFileA(vu::TextOrEmpty(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_ARCHIVE | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
    const std::string text = vu::wordproc::WholeText(editor);
    DWORD written = 0;
    const BOOL wrote = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written,
                                 nullptr);
    CloseHandle(file);
    if (!wrote || written != text.size()) return 3;
    SendMessageA(editor, EM_SETMODIFY, FALSE, 0);
    return 0;
}

int vu_WordProcLoadFile(HWND editor, const char* path)
{
    HANDLE file = CreateFileA(vu::TextOrEmpty(path), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                              OPEN_ALWAYS, FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
    DWORD high = 0;
    const DWORD size = GetFileSize(file, &high);
    if (high != 0 || size >= kTooLarge) {
        CloseHandle(file);
        return 4;
    }
    SendMessageA(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    // One byte more than a piece, for the NUL behind it.
    char* piece = static_cast<char*>(std::calloc(kPiece + 1, 1));
    if (piece == nullptr) {
        CloseHandle(file);
        return 3;
    }
    DWORD read = 0;
    do {
        if (!ReadFile(file, piece, kPiece, &read, nullptr)) {
            std::free(piece);
            CloseHandle(file);
            return 3;
        }
        piece[read] = '\0';  // a NUL byte in the file ends the piece there as well
        SendMessageA(editor, EM_SETSEL, static_cast<WPARAM>(-1), -1);
        SendMessageA(editor, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece));
    } while (read == kPiece);
    std::free(piece);
    CloseHandle(file);
    SendMessageA(editor, EM_SETSEL, 0, 0);
    SendMessageA(editor, EM_SCROLLCARET, 0, 0);
    SendMessageA(editor, EM_SETMODIFY, FALSE, 0);
    return 0;
}
