// Test windows for the drawing calls: a real top-level window on top of the screen, its
// background painted, and its pixels read back from the platform.
#ifndef VU_TESTS_DRAW_TEST_WINDOW_H
#define VU_TESTS_DRAW_TEST_WINDOW_H

#include <windows.h>

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

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
struct Pixels;
void PrintTo(const Pixels& p, std::ostream* os);

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

// A failed comparison shows the size and the first differing pixels, not the whole picture.
inline void PrintTo(const Pixels& p, std::ostream* os)
{
    *os << p.width << "x" << p.height << " pixels, " << p.Count(kBackground) << " background";
}

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

// Success when both rectangles have the same pixels; else where they differ.
inline ::testing::AssertionResult SamePixels(const Pixels& a, const Pixels& b)
{
    if (a.width != b.width || a.height != b.height)
        return ::testing::AssertionFailure() << "sizes differ";
    int differ = 0;
    char where[256] = "";
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (a.at(x, y) != b.at(x, y) && differ++ == 0)
                std::snprintf(where, sizeof where, "first at (%d, %d): %06lX against %06lX", x,
                              y, static_cast<unsigned long>(a.at(x, y)),
                              static_cast<unsigned long>(b.at(x, y)));
    if (differ == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differ << " pixels differ, " << where;
}

// Every pixel of a client rectangle that is not the background.
inline int CountNotBackground(HWND window, int x, int y, int width, int height)
{
    const Pixels p = Grab(window, x, y, width, height);
    return width * height - p.Count(kBackground);
}

// The process's GDI objects. Where the platform does not count them (GetGuiResources
// answers 0), the count is measured: how many more objects the process can make, taken
// from a fixed ceiling, so that two measurements differ by the objects made in between.
inline DWORD GdiObjects()
{
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0) return counted;
    constexpr DWORD kCeiling = 200000;
    std::vector<HGDIOBJ> made;
    while (made.size() < kCeiling) {
        HGDIOBJ region = CreateRectRgn(0, 0, 1, 1);
        if (region == nullptr) break;
        made.push_back(region);
    }
    for (HGDIOBJ region : made) DeleteObject(region);
    return kCeiling - static_cast<DWORD>(made.size());
}

}  // namespace draw_test

#endif
