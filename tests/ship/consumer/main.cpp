// Uses a few toolkit calls through the installed header and library and prints what they
// give: string helpers (kernel32) and a font (gdi32, which only the package's link
// libraries bring to the linker).
#include <vu.h>

#include <cstdio>

// Every program that links the toolkit defines the window procedure of its top-level windows.
extern "C" LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam,
                                           LPARAM lparam)
{
    return DefWindowProcA(window, message, wparam, lparam);
}

int main()
{
    std::printf("length %d\n", vu_StrLength("Vindrulen"));
    char number[16] = "";
    std::printf("number %s\n", vu_IntToText(number, -40213));
    char text[32] = "vu";
    std::printf("append %s\n", vu_StrAppend(text, "_toolkit"));
    HFONT font = vu_CreateFont(20, 0, 0, 400, 0, 0, "Arial");
    std::printf("font %s\n", font ? "made" : "missing");
    if (font) DeleteObject(font);
    return 0;
}
