// Prints what the installed toolkit gives: a number text and a font (gdi32: the package's).
#include <vu.h>

#include <cstdio>

// Every program that links the toolkit defines the window procedure of its top-level windows.
extern "C" LRESULT CALLBACK MainWindowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp)
{
    return DefWindowProcA(w, msg, wp, lp);
}

int main()
{
    char number[16] = "";
    HFONT font = vu_CreateFont(20, 0, 0, 400, 0, 0, "Arial");
    std::printf("%s %s\n", vu_IntToText(number, -40213), font ? "font" : "no font");
    return 0;
}
