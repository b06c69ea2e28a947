// Text drawing, the draw-area setting and the font constructors on real windows: drawn text
// compared pixel for pixel with the same text drawn by the platform's own calls.
#include <gtest/gtest.h>

#include <functional>

#include "pixels.h"
#include "query.h"

namespace {

using namespace vu_test;

constexpr COLORREF kRed = RGB(255, 0, 0), kWhite = RGB(255, 255, 255);
constexpr COLORREF kNearBlack = RGB(1, 0, 0);  // 0x000001: an opaque, almost black background

// Unsmoothed, so that every copy of a text has the same pixels wherever it is drawn.
HFONT TestFont()
{
    return CreateFontA(16, 0, 0, 0, 400, 0, 0, 0, ANSI_CHARSET, 0, 0, NONANTIALIASED_QUALITY,
                       FF_SWISS, "Tahoma");
}

// The platform counts the reuses of a handle slot in the handle's top bits: after enough
// fonts have come and gone, a valid font handle is negative as a signed number.
HFONT FontWithTopBit()
{
    for (int i = 0; i < 70000; ++i) {
        HFONT f = TestFont();
        if (reinterpret_cast<INT_PTR>(f) < 0) return f;
        DeleteObject(f);
    }
    return nullptr;
}

// The reference: text drawn with the platform's calls; no font keeps the context's own,
// background 0 draws transparently.
void Put(HDC dc, int x, int y, const char* text, COLORREF color, HFONT font, COLORREF back)
{
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    SetTextColor(dc, color);
    if (back) SetBkColor(dc, back); else SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, x, y, text, lstrlenA(text));
    if (old) SelectObject(dc, old);
}

struct TextCase {
    const char* name;
    std::function<void(HWND, int y)> toolkit;  // draws at (10, y) of the client area
    std::function<void(HDC, int y)> expected;  // the same pixels, by the platform's calls
};

TEST(Text, DrawsAsThePlatformDrawsTheSameText)
{
    Window w("Text", 200, 160);
    const HFONT font = TestFont(), high = FontWithTopBit();
    ASSERT_NE(high, nullptr) << "no font handle with the top bit set";
    const TextCase cases[] = {
        {"transparent background 0", [&](HWND h, int y) { vu_TextOut(h, 10, y, "Hej Ö", kRed, font, 0); },
         [&](HDC dc, int y) { Put(dc, 10, y, "Hej Ö", kRed, font, 0); }},
        {"opaque 0x000001", [&](HWND h, int y) { vu_TextOut(h, 10, y, "Hej Ö", kRed, font, kNearBlack); },
         [&](HDC dc, int y) { Put(dc, 10, y, "Hej Ö", kRed, font, kNearBlack); }},
        {"font 0 keeps the system font", [&](HWND h, int y) { vu_TextOut(h, 10, y, "Sys", kRed, nullptr, 0); },
         [&](HDC dc, int y) { Put(dc, 10, y, "Sys", kRed, nullptr, 0); }},
        {"font handle with the top bit", [&](HWND h, int y) { vu_TextOut(h, 10, y, "Hög", kRed, high, kNearBlack); },
         [&](HDC dc, int y) { Put(dc, 10, y, "Hög", kRed, high, kNearBlack); }},
        {"3-D offset 10 is 3, always transparent",
         [&](HWND h, int y) { vu_TextOut3D(h, 10, y, 10, "Skugga", kRed, font, kNearBlack); },
         [&](HDC dc, int y) { Put(dc, 10, y, "Skugga", kWhite, font, 0); Put(dc, 13, y + 3, "Skugga", kRed, font, 0); }},
        {"3-D offset -10 is -3", [&](HWND h, int y) { vu_TextOut3D(h, 10, y + 3, -10, "Skugga", kRed, font, 0); },
         [&](HDC dc, int y) { Put(dc, 10, y + 3, "Skugga", kWhite, font, 0); Put(dc, 7, y, "Skugga", kRed, font, 0); }},
        {"vertical, step 20", [&](HWND h, int y) { vu_TextOutVertical(h, 10, y, 20, "ÅÖ", kRed, font, kNearBlack); },
         [&](HDC dc, int y) { Put(dc, 10, y, "Å", kRed, font, kNearBlack); Put(dc, 10, y + 20, "Ö", kRed, font, kNearBlack); }},
        {"vertical, step -20", [&](HWND h, int y) { vu_TextOutVertical(h, 10, y + 20, -20, "ÅÖ", kRed, font, 0); },
         [&](HDC dc, int y) { Put(dc, 10, y + 20, "Å", kRed, font, 0); Put(dc, 10, y, "Ö", kRed, font, 0); }},
        {"vertical 3-D", [&](HWND h, int y) { vu_TextOutVertical3D(h, 10, y, 20, 9, "AB", kRed, font, kNearBlack); },
         [&](HDC dc, int y) {
             Put(dc, 10, y, "A", kWhite, font, 0); Put(dc, 10, y + 20, "B", kWhite, font, 0);
             Put(dc, 13, y + 3, "A", kRed, font, 0); Put(dc, 13, y + 23, "B", kRed, font, 0); }},
        {"number, 0 decimals", [&](HWND h, int y) { vu_NumberOut(h, 10, y, 2.5, 0, kRed, font, kNearBlack); },
         [&](HDC dc, int y) { Put(dc, 10, y, "2", kRed, font, kNearBlack); }},
        {"number, 12 decimals draw 8", [&](HWND h, int y) { vu_NumberOut(h, 10, y, -1.0 / 3, 12, kRed, font, 0); },
         [&](HDC dc, int y) { Put(dc, 10, y, "-0.33333333", kRed, font, 0); }},
        {"number, negative decimals", [&](HWND h, int y) { vu_NumberOut(h, 10, y, 2.5, -1, kRed, font, 0); },
         [](HDC, int) {}},
    };
    for (const TextCase& c : cases) {
        w.Repaint();
        c.toolkit(w, 5);
        HDC dc = GetDC(w);
        c.expected(dc, 85);
        ReleaseDC(w, dc);
        EXPECT_TRUE(SamePixels(Grab(w, 0, 0, 200, 80), Grab(w, 0, 80, 200, 80))) << c.name;
    }
    // No drawing call keeps a GDI object.
    const DWORD before = GdiObjects();
    for (int i = 0; i < 100; ++i)
        for (const TextCase& c : cases) c.toolkit(w, 5);
    EXPECT_EQ(GdiObjects(), before);
    DeleteObject(font);
    DeleteObject(high);
}

TEST(Text, DrawAreaWindowPutsTheOriginOnTheFrame)
{
    Window w("Ritområde");
    struct Row { const char* word; bool whole; } rows[] = {
        {"WINDOW", true}, {"client", true}, {nullptr, true}, {"CLIENT", false}, {"window", false}};
    for (const Row& r : rows) {
        w.Repaint();
        vu_SetDrawArea(w, r.word);
        vu_SetPixel(w, 0, 0, kRed);
        EXPECT_EQ(Pixel(w, 0, 0, r.whole) == kRed, true) << (r.word ? r.word : "(null)");
        EXPECT_EQ(Pixel(w, 0, 0, !r.whole) == kRed, false) << (r.word ? r.word : "(null)");
    }
}

LOGFONTA Fields(HFONT font)
{
    LOGFONTA f = {};
    GetObjectA(font, sizeof f, &f);
    DeleteObject(font);
    return f;
}

TEST(Fonts, StyleCodesAndFixedFields)
{
    const struct { int code; BYTE italic, underline, strike; } rows[] = {
        {0, 0, 0, 0}, {1, 1, 0, 0}, {2, 0, 1, 0}, {3, 0, 0, 1},
        {12, 1, 1, 0}, {13, 1, 0, 1}, {23, 0, 1, 1}, {123, 1, 1, 1}};
    for (const auto& r : rows)
        for (const LOGFONTA& f : {Fields(vu_CreateFont(16, 6, 900, 300, r.code, 0, "ARIAL")),
                                  Fields(vu_CreatePointFont(nullptr, 10, 300, r.code, 0, "ARIAL"))}) {
            EXPECT_EQ(f.lfItalic, r.italic) << r.code;
            EXPECT_EQ(f.lfUnderline, r.underline) << r.code;
            EXPECT_EQ(f.lfStrikeOut, r.strike) << r.code;
            EXPECT_EQ(f.lfWeight, 300) << r.code;
            EXPECT_EQ(f.lfCharSet + f.lfOutPrecision + f.lfClipPrecision + f.lfQuality, 0);
            EXPECT_EQ(f.lfPitchAndFamily, 0x20);
            EXPECT_STREQ(f.lfFaceName, "ARIAL");
        }
    const LOGFONTA f = Fields(vu_CreateFont(16, 6, 900, 300, 0, 0, "ARIAL"));
    EXPECT_EQ(f.lfHeight * 10000 + f.lfWidth, 160006);
    EXPECT_EQ(f.lfEscapement + f.lfOrientation, 1800);
}

TEST(Fonts, PointHeightFollowsTheWindowsDotsPerInch)
{
    Window w("Punkt");
    HDC dc = GetDC(w);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(w, dc);
    vu_SetDrawArea(w, "WINDOW");  // does not apply to the font's context
    for (int points : {10, 11, 9, 8, 72, 1}) {
        const LOGFONTA f = Fields(vu_CreatePointFont(w, points, 300, 0, 0, "ARIAL"));
        EXPECT_EQ(f.lfHeight, -(2 * points * dpi + 72) / 144) << points << " points at " << dpi;
        EXPECT_EQ(f.lfWidth + f.lfEscapement + f.lfOrientation, 0) << points;
    }
    vu_SetDrawArea(w, "CLIENT");
    if (dpi == 96) { EXPECT_EQ(Fields(vu_CreatePointFont(w, 10, 300, 0, 0, "ARIAL")).lfHeight, -13); }
    const DWORD before = GdiObjects();
    for (int i = 0; i < 300; ++i) DeleteObject(vu_CreatePointFont(w, 10, 400, 0, 0, "ARIAL"));
    EXPECT_EQ(GdiObjects(), before);
}

}  // namespace
