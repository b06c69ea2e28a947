// The pixel reader of the tests: pixels of a window read back from the platform, compared
// as pictures, and the count of the process's GDI objects.
#ifndef VU_TEST_PIXELS_H
#define VU_TEST_PIXELS_H

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace vu_test {

// The class brush of the toolkit's top-level windows (LTGRAY_BRUSH).
constexpr COLORREF kBackground = RGB(192, 192, 192);

// One pixel of the client area, or with whole of the whole window, read with GetPixel.
inline COLORREF Pixel(HWND w, int x, int y, bool whole = false)
{
    HDC dc = whole ? GetWindowDC(w) : GetDC(w);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(w, dc);
    return c;
}

// The pixels of a rectangle, row by row.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> colors;
    COLORREF at(int x, int y) const { return colors[static_cast<size_t>(y * width + x)]; }
    int Count(COLORREF c) const
    {
        int n = 0;
        for (COLORREF p : colors) n += p == c;
        return n;
    }
};

// The pixels of a rectangle of a device context (copied in one go into a 32-bit bitmap).
inline Pixels Grab(HDC source, int x, int y, int width, int height)
{
    Pixels p;
    p.width = width;
    p.height = height;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    const DWORD* px = static_cast<const DWORD*>(bits);
    for (int i = 0; i < width * height; ++i)
        p.colors.push_back(RGB((px[i] >> 16) & 0xFF, (px[i] >> 8) & 0xFF, px[i] & 0xFF));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return p;
}

// The pixels of a rectangle of a window's client area (or, with whole, of the whole window).
inline Pixels Grab(HWND w, int x, int y, int width, int height, bool whole = false)
{
    HDC dc = whole ? GetWindowDC(w) : GetDC(w);
    Pixels p = Grab(dc, x, y, width, height);
    ReleaseDC(w, dc);
    return p;
}

// Success when both pictures have the same size and pixels; else how many differ and where.
inline ::testing::AssertionResult SamePixels(const Pixels& a, const Pixels& b)
{
    if (a.width != b.width || a.height != b.height)
        return ::testing::AssertionFailure() << "sizes differ";
    int differ = 0;
    char where[128] = "";
    for (int y = 0; y < a.height; ++y)
        for (int x = 0; x < a.width; ++x)
            if (a.at(x, y) != b.at(x, y) && differ++ == 0)
                std::snprintf(where, sizeof where, "first at (%d, %d): %06lX against %06lX", x, y,
                              static_cast<unsigned long>(a.at(x, y)),
                              static_cast<unsigned long>(b.at(x, y)));
    if (differ == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differ << " pixels differ, " << where;
}

// What a text looks like drawn with TextOutA in a font, black on kBackground, transparent,
// at (0, 0) of a width x height bitmap: the picture to compare a window's drawn text with.
inline Pixels TextPicture(HFONT font, const char* text, int width, int height)
{
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old_bitmap = SelectObject(memory, bitmap);
    HBRUSH background = CreateSolidBrush(kBackground);
    RECT all = {0, 0, width, height};
    FillRect(memory, &all, background);
    DeleteObject(background);
    HGDIOBJ old_font = SelectObject(memory, font);
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, RGB(0, 0, 0));
    TextOutA(memory, 0, 0, text, lstrlenA(text));
    const Pixels p = Grab(memory, 0, 0, width, height);
    SelectObject(memory, old_font);
    SelectObject(memory, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return p;
}

// The process's GDI objects. Where the platform does not count them (Wine's GetGuiResources
// answers 0), the count is measured: how many more objects the process can make, taken
// from a fixed ceiling, so that two measurements differ by the objects made in between.
inline DWORD GdiObjects()
{
    const DWORD counted = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted != 0) return counted;
    constexpr DWORD kCeiling = 200000;
    std::vector<HGDIOBJ> made;
    made.reserve(kCeiling);
    while (made.size() < kCeiling) {
        HGDIOBJ region = CreateRectRgn(0, 0, 1, 1);
        if (region == nullptr) break;
        made.push_back(region);
    }
    for (HGDIOBJ region : made) DeleteObject(region);
    return kCeiling - static_cast<DWORD>(made.size());
}

}  // namespace vu_test

#endif
