// The editor's search the plain, quadratic way (re-reading the text at each step): a yardstick.
#ifndef VU_TESTS_WORDPROC_SEARCH_REFERENCE_H
#define VU_TESTS_WORDPROC_SEARCH_REFERENCE_H

#include <windows.h>
#include <commdlg.h>

#include <cstring>
#include <string>
#include <vector>

#include "vu.h"

namespace wordproc_reference {

inline int Find(HWND editor, const char* text, int source, const char* direction, const char* cs)
{
    auto is = [](const char* word, const char* one) { return word && !std::strcmp(word, one); };
    const bool record = source == 1;
    const bool match_case = record ? (vu_FindRequest->Flags & FR_MATCHCASE) != 0 : is(cs, "M");
    const std::string pattern = record ? vu_FindRequest->lpstrFindWhat : text ? text : "";
    const long step = is(direction, "D") - is(direction, "U"), m = long(pattern.size());
    const LRESULT limit = SendMessageA(editor, EM_GETLIMITTEXT, 0, 0);
    std::vector<char> work(4 * static_cast<size_t>(limit) + 1);
    const long n = static_cast<long>(SendMessageA(editor, WM_GETTEXT, limit, LPARAM(work.data())));
    const LRESULT selection = SendMessageA(editor, EM_GETSEL, 0, 0);  // 65,535 characters at most
    long s = LOWORD(selection), e = HIWORD(selection);
    if (n == 0 || (s == e && m == 0)) return n == 0 ? 3 : 2;
    if (s == e) s -= step < 0 ? m : 0, e += step > 0 ? m : 0;
    std::vector<char> compare(4 * (size_t(m) + 1000) + size_t(e - s) + 2);
    std::vector<char> whole(4 * (size_t(n) + 1000) + size_t(e) + 2);
    for (long i = 0; i < n; ++i) {
        s += step, e += step;
        if (s < 0) return -1;
        GetWindowTextA(editor, whole.data(), static_cast<int>(e + 1));
        std::memcpy(compare.data(), whole.data() + s, static_cast<size_t>(e - s + 1));
        if ((match_case ? lstrcmpA : lstrcmpiA)(compare.data(), pattern.c_str()) == 0) {
            SendMessageA(editor, EM_SETSEL, WPARAM(s), LPARAM(e));
            SendMessageA(editor, EM_SCROLLCARET, 0, 0);
            return 0;
        }
        if (e > n) return 1;
    }
    return 1;
}

}  // namespace wordproc_reference

#endif
