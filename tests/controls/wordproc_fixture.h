// Helpers of the text editor's tests: an editor in a fresh parent, and its text and
// selection read back from the platform.
#ifndef VU_TESTS_WORDPROC_FIXTURE_H
#define VU_TESTS_WORDPROC_FIXTURE_H

#include <windows.h>

#include <string>
#include <utility>

#include "control_fixture.h"

namespace wordproc_test {

inline std::string TextOf(HWND editor)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(editor)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(editor, &text[0],
                                                        static_cast<int>(text.size()))));
    return text;
}

inline std::pair<DWORD, DWORD> SelectionOf(HWND editor)
{
    DWORD start = 0, end = 0;
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

inline void Select(HWND editor, DWORD start, DWORD end)
{
    SendMessageA(editor, EM_SETSEL, start, static_cast<LPARAM>(end));
}

// A parent with an editor of the given limit filling it.
struct Editor {
    HWND parent = nullptr;
    HWND editor = nullptr;
    explicit Editor(const char* stem, int maximum = 65535)
    {
        parent = control_test::Parent(stem, 400, 300);
        editor = vu_WordProcSimple(parent, 0, 0, 0, 0, "VHSCROLL", maximum);
    }
    ~Editor() { DestroyWindow(parent); }
};

}  // namespace wordproc_test

#endif
