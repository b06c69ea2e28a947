// The editor's search worked the plain way, as a yardstick for the toolkit's own: at every
// step the text is read again from the editor up to the window's end, the window is copied
// into a compare buffer and compared with the platform's comparison. Slow on purpose
// (quadratic in the text's length); shared by the search tests and the search benchmark.
#ifndef VU_TESTS_WORDPROC_SEARCH_REFERENCE_H
#define VU_TESTS_WORDPROC_SEARCH_REFERENCE_H

#include <windows.h>
#include <commdlg.h>

#include <cstring>
#include <string>
#include <vector>

#include "vu.h"

namespace wordproc_reference {

inline int Find(HWND editor, const char* text, int source, const char* direction,
                const char* match)
{
    bool match_case = match != nullptr && std::strcmp(match, "M") == 0;
    std::string pattern = text != nullptr ? text : "";
    if (source == 1) {
        pattern = vu_FindRequest->lpstrFindWhat;
        match_case = (vu_FindRequest->Flags & FR_MATCHCASE) != 0;
    }
    const bool down = direction != nullptr && std::strcmp(direction, "D") == 0;
    const bool up = direction != nullptr && std::strcmp(direction, "U") == 0;

    const unsigned limit = static_cast<unsigned>(SendMessageA(editor, EM_GETLIMITTEXT, 0, 0));
    std::vector<char> work(4 * static_cast<std::size_t>(limit) + 1);
    const long n = static_cast<long>(
        SendMessageA(editor, WM_GETTEXT, limit, reinterpret_cast<LPARAM>(work.data())));
    if (n == 0) return 3;

    DWORD sel_start = 0, sel_end = 0;
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&sel_start),
                 reinterpret_cast<LPARAM>(&sel_end));
    long s = static_cast<long>(sel_start), e = static_cast<long>(sel_end);
    const long m = static_cast<long>(pattern.size());
    if (s == e) {
        if (m == 0) return 2;
        if (up) s -= m;
        if (down) e += m;
    }
    // Both buffers as the algorithm takes them, with room for every window it reads.
    std::vector<char> compare(4 * (static_cast<std::size_t>(m) + 1000) + (e - s) + 2);
    std::vector<char> whole(4 * (static_cast<std::size_t>(n) + 1000) + e + 2);
    for (long i = 0; i < n; ++i) {
        if (down) ++s, ++e;
        if (up) --s, --e;
        if (s < 0) return -1;
        GetWindowTextA(editor, whole.data(), static_cast<int>(e + 1));
        std::memcpy(compare.data(), whole.data() + s, static_cast<std::size_t>(e - s + 1));
        const int order = match_case ? lstrcmpA(compare.data(), pattern.c_str())
                                     : lstrcmpiA(compare.data(), pattern.c_str());
        if (order == 0) {
            SendMessageA(editor, EM_SETSEL, static_cast<WPARAM>(s), static_cast<LPARAM>(e));
            SendMessageA(editor, EM_SCROLLCARET, 0, 0);
            return 0;
        }
        if (e > n) return 1;
        std::memset(compare.data(), 0, compare.size());
    }
    return 1;
}

}  // namespace wordproc_reference

#endif
