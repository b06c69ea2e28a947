// Times the text editor's search over a full editor (65,535 characters) in which the search
// text does not occur, against the plain re-reading search, and prints the ratio.
#include <windows.h>

#include <cstdio>
#include <random>
#include <string>

#include "../tests/controls/wordproc_search_reference.h"
#include "vu.h"

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    return DefWindowProcA(window, message, wparam, lparam);
}

namespace {

double Seconds()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Words of the given letters and blanks, with a line break now and then.
std::string Text(const std::string& letters, std::size_t size)
{
    std::mt19937 random(7);
    std::string text;
    while (text.size() < size) {
        const int word = 1 + static_cast<int>(random() % 9);
        for (int i = 0; i < word; ++i) text += letters[random() % letters.size()];
        text += random() % 12 == 0 ? "\r\n" : " ";
    }
    text.resize(size);
    if (text.back() == '\r') text.back() = '.';
    return text;
}

void Run(HWND editor, const char* name, const std::string& text, const char* pattern,
         const char* match)
{
    SendMessageA(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    const int rounds = 20;
    double start = Seconds();
    int ours = 0;
    for (int i = 0; i < rounds; ++i) {
        SendMessageA(editor, EM_SETSEL, 0, 0);
        ours = vu_WordProcFind(editor, pattern, 0, "D", match);
    }
    const double ours_time = (Seconds() - start) / rounds;
    SendMessageA(editor, EM_SETSEL, 0, 0);
    start = Seconds();
    const int plain = wordproc_reference::Find(editor, pattern, 0, "D", match);
    const double plain_time = Seconds() - start;
    std::printf("%-34s %6zu chars  toolkit %9.3f ms (%d)  re-reading %9.1f ms (%d)  ratio %7.0fx\n",
                name, text.size(), ours_time * 1e3, ours, plain_time * 1e3, plain,
                plain_time / ours_time);
}

}  // namespace

int main()
{
    HWND parent = vu_WindowCreate(GetModuleHandleA(nullptr), "Sökbänk", 0, 0, 400, 300, "CLO");
    HWND editor = vu_WordProcSimple(parent, 0, 0, 0, 0, "VHSCROLL", 65535);
    const std::string plain = Text("abcdefghijklmnopqrstuvwABCDEFGHIJKLMNOP0123456789.,", 65535);
    const std::string swedish = Text("abcdefghijklmnoprstuvåäöÅÄÖé.,-'", 65535);
    Run(editor, "ASCII text, match case", plain, "xyzzy", "M");
    Run(editor, "ASCII text, any case", plain, "xyzzy", "");
    Run(editor, "Swedish text, any case", swedish, "Vindrul", "");
    Run(editor, "Swedish text, hyphenated pattern", swedish, "x-y", "");
    DestroyWindow(parent);
    return 0;
}
