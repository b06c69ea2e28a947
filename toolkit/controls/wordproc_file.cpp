// The text editor's file calls: the text saved byte for byte, and a file of fewer than
// 65,536 bytes that the editor can hold whole loaded in pieces of 65,535 bytes.
#include <algorithm>
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
    // The whole file is read before the editor is touched, in pieces of 65,535 bytes; one
    // byte more than a piece is kept for the NUL behind it. A file that grew meanwhile is
    // refused as too large.
    std::string bytes;
    std::string piece(kPiece + 1, '\0');
    DWORD read = 0;
    do {
        if (!ReadFile(file, &piece[0], kPiece, &read, nullptr)) {
            CloseHandle(file);
            return 3;
        }
        bytes.append(piece, 0, read);
        if (bytes.size() >= kTooLarge) {
            CloseHandle(file);
            return 4;
        }
    } while (read == kPiece);
    CloseHandle(file);
    // The editor would take in less than the file holds: past its limit it cuts, and a NUL
    // ends the text. Such a file is refused and the editor keeps its text, so that a later
    // save cannot shorten the file.
    if (bytes.size() > vu::wordproc::LimitOf(editor)) return 4;
    if (bytes.find('\0') != std::string::npos) return 3;
    SendMessageA(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    // Piece by piece at the caret, ending with the short (possibly empty) piece that told the
    // end of the file.
    std::string part;
    std::size_t at = 0;
    do {
        part = bytes.substr(at, kPiece);
        at += part.size();
        SendMessageA(editor, EM_SETSEL, static_cast<WPARAM>(-1), -1);
        SendMessageA(editor, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(part.c_str()));
    } while (part.size() == kPiece);
    SendMessageA(editor, EM_SETSEL, 0, 0);
    SendMessageA(editor, EM_SCROLLCARET, 0, 0);
    SendMessageA(editor, EM_SETMODIFY, FALSE, 0);
    return 0;
}
