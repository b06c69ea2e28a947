// Test windows for the drawing calls: a real top-level window on top of the screen, its
// background painted, and its pixels read back from the platform.
#ifndef VU_TESTS_DRAW_TEST_WINDOW_H
#define VU_TESTS_DRAW_TEST_WINDOW_H

#include <windows.h>

#include <string>
#include <vector>

#include "vu_test.h"

namespace draw_test {

// The class brush of the toolkit's top-level windows (LTGRAY_BRUSH).
constexpr COLORREF kBackground = RGB(192, 192, 192);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A window made by vu_WindowCreate with a unique title, painted and in the foreground;
// destroyed at the end of the test. Drawing calls go to the client area unless a test
// changes the draw area (each test sets it back).
class Window {
public:
    explicit Window(const char* stem, int width = 400, int height = 200)
    {
        const std::string title = vu_test::UniqueTitle(stem);
        handle_ = vu_WindowCreate(GetModuleHandleA(nullptr), title.c_str(), 20, 20, width,
                                  height, "CLO");
        SetForegroundWindow(handle_);
        SetWindowPos(handle_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        Repaint();
    }
    ~Window() { DestroyWindow(handle_); }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND get() const { return handle_; }
    operator HWND() const { return handle_; }

    // Erases the client area to the class background and waits until it is painted.
    void Repaint() const
    {
        RedrawWindow(handle_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        vu_test::PumpMessages();
    }

private:
    HWND handle_;
};

// One pixel of the client area (or of the whole window) read back with GetPixel.
inline COLORREF Pixel(HWND window, int x, int y)
{
    HDC dc = GetDC(window);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

inline COLORREF WindowPixel(HWND window, int x, int y)
{
    HDC dc = GetWindowDC(window);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

// The pixels of a client rectangle, row by row.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colors;
    COLORREF at(int x, int y) const { return colors[static_cast<size_t>(y * width + x)]; }
    bool operator==(const Pixels& o) const
    {
        return width == o.width && height == o.height && colors == o.colors;
    }
    // How many pixels have this colour.
    int Count(COLORREF c) const
    {
        int n = 0;
        for (COLORREF p : colors) n += p == c;
        return n;
    }
};

inline Pixels Grab(HWND window, int x, int y, int width, int height)
{
    Pixels p;
    p.width = width;
    p.height = height;
    HDC dc = GetDC(window);
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) p.colors.push_back(GetPixel(dc, x + col, y + row));
    ReleaseDC(window, dc);
    return p;
}

// Every pixel of a client rectangle that is not the background.
inline int CountNotBackground(HWND window, int x, int y, int width, int height)
{
    const Pixels p = Grab(window, x, y, width, height);
    return width * height - p.Count(kBackground);
}

// The process's GDI objects; 0 where the platform does not count them.
inline DWORD GdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }

}  // namespace draw_test

#endif
