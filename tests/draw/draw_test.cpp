// draw_test.bmp: 12 x 7 pixels of BitmapColour(x, y); draw_test.ico: 32 x 32, red | blue, top-left 8 x 8 clear.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pixels.h"
#include "query.h"

namespace {

using namespace vu_test;

constexpr COLORREF kRed = 0x0000FF, kBlue = 0xFF0000, kBg = kBackground, kBlack = 0, kWhite = 0xFFFFFF;
constexpr COLORREF kNearBlack = RGB(1, 0, 0);  // 0x000001: an opaque, almost black background
COLORREF BitmapColour(int x, int y) { return RGB(x * 20, y * 30, 100 + x + 3 * y); }

// Unsmoothed, so that every copy of a text has the same pixels wherever it is drawn.
HFONT TestFont() { return CreateFontA(16, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, NONANTIALIASED_QUALITY, 0, "Tahoma"); }

// The platform counts the reuses of a handle slot in the handle's top bits: after enough
// fonts have come and gone, a valid font handle is negative as a signed number.
HFONT FontWithTopBit()
{
    for (int i = 0; i < 70000; ++i)
        if (HFONT f = TestFont(); reinterpret_cast<INT_PTR>(f) >= 0) DeleteObject(f); else return f;
    return nullptr;
}

// The reference drawing: no font keeps the context's own, background 0 is transparent.
void Put(HDC dc, int x, int y, const char* text, COLORREF color, HFONT font, COLORREF back)
{
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    SetTextColor(dc, color), back ? void(SetBkColor(dc, back)) : void(SetBkMode(dc, TRANSPARENT));
    TextOutA(dc, x, y, text, lstrlenA(text));
    if (old) SelectObject(dc, old);
}

void DrawPlain(HWND w, int y, HFONT font, COLORREF back)
{
    vu_TextOut(w, 10, y, "Hej Ö", kRed, font, back);
    vu_TextOutVertical(w, 70, y, 20, "ÅÖ", kRed, font, back);
    vu_NumberOut(w, 100, y, -1.0 / 3, 12, kRed, font, back);  // eight decimals at most
    vu_NumberOut(w, 10, y + 45, 2.5, 0, kRed, font, back);
}
void PutPlain(HDC dc, int y, HFONT font, COLORREF back)
{
    Put(dc, 10, y, "Hej Ö", kRed, font, back);
    Put(dc, 70, y, "Å", kRed, font, back), Put(dc, 70, y + 20, "Ö", kRed, font, back);
    Put(dc, 100, y, "-0.33333333", kRed, font, back), Put(dc, 10, y + 45, "2", kRed, font, back);
}
// Raised text: white at (x, y), the colour at offset, always transparent.
void Draw3D(HWND w, int y, HFONT font, int offset)
{
    vu_TextOut3D(w, 10, y + 3, offset, "3D", kRed, font, kNearBlack);
    vu_TextOutVertical3D(w, 70, y + 3, 20, offset, "AB", kRed, font, kNearBlack);
}
void Put3D(HDC dc, int y, HFONT font, int o)
{
    Put(dc, 10, y + 3, "3D", kWhite, font, 0), Put(dc, 10 + o, y + 3 + o, "3D", kRed, font, 0);
    Put(dc, 70, y + 3, "A", kWhite, font, 0), Put(dc, 70, y + 23, "B", kWhite, font, 0);
    Put(dc, 70 + o, y + 3 + o, "A", kRed, font, 0), Put(dc, 70 + o, y + 23 + o, "B", kRed, font, 0);
}

TEST(Text, DrawsAsThePlatformDrawsTheSameText)
{
    Window w("Text", 200, 160);
    const HFONT f = TestFont(), high = FontWithTopBit();
    ASSERT_NE(high, nullptr) << "no font handle with the top bit set";
    const struct { const char* name; HFONT font; COLORREF back; int offset, clamped; } rows[] = {
        {"background 0 is transparent", f, 0, 0, 0}, {"0x000001 is opaque", f, kNearBlack, 0, 0},
        {"font 0 keeps the system font", nullptr, 0, 0, 0}, {"font with the top bit", high, kNearBlack, 0, 0},
        {"raised, offset 10 is 3", f, 0, 10, 3}, {"raised, offset -10 is -3", f, 0, -10, -3}};
    for (const auto& r : rows) {
        w.Repaint();
        r.offset ? Draw3D(w, 5, r.font, r.offset) : DrawPlain(w, 5, r.font, r.back);
        HDC dc = GetDC(w);
        r.offset ? Put3D(dc, 85, r.font, r.clamped) : PutPlain(dc, 85, r.font, r.back);
        ReleaseDC(w, dc);
        EXPECT_TRUE(SamePixels(Grab(w, 0, 0, 200, 80), Grab(w, 0, 80, 200, 80))) << r.name;
    }
    DeleteObject(f), DeleteObject(high);
}

LOGFONTA Fields(HFONT font) { LOGFONTA f = {}; GetObjectA(font, sizeof f, &f); DeleteObject(font); return f; }

TEST(Fonts, StyleCodesAndPointHeights)
{
    // Italic, underline and strike-out as the digits of one number: 101 is italic, struck out.
    const struct { int code, attributes; } rows[] = {
        {0, 0}, {1, 100}, {2, 10}, {3, 1}, {12, 110}, {13, 101}, {23, 11}, {123, 111}};
    for (const auto& r : rows)
        for (const LOGFONTA& f : {Fields(vu_CreateFont(16, 6, 900, 300, r.code, 0, "ARIAL")),
                                  Fields(vu_CreatePointFont(nullptr, 10, 300, r.code, 0, "ARIAL"))})
            EXPECT_EQ(f.lfItalic * 100 + f.lfUnderline * 10 + f.lfStrikeOut, r.attributes) << r.code;
    // Point sizes: the character height at the window's real resolution, rounded.
    Window w("Punkt");
    HDC dc = GetDC(w);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(w, dc);
    for (int points : {10, 11, 9, 8, 72, 1})
        EXPECT_EQ(Fields(vu_CreatePointFont(w, points, 300, 0, 0, "ARIAL")).lfHeight,
                  -(2 * points * dpi + 72) / 144) << points << " points at " << dpi;
}

// Row `at` from column `from` to `to` (or, down, that column's rows), white or black.
struct Stroke { bool white, down; int at, from, to; };
// The application's frame: x 98, y 30, width 207, height 65, inset 1.
const std::vector<Stroke> kWorked = {
    {1, 0, 30, 98, 304}, {1, 1, 98, 30, 95}, {1, 0, 94, 100, 303}, {1, 1, 303, 32, 93},
    {0, 0, 96, 98, 305}, {0, 1, 305, 30, 95}, {0, 0, 32, 100, 302}, {0, 1, 100, 32, 93}};
// Width 15 (no split of the top edges): the inner top also paints (x + inset, y + inset + 1).
const std::vector<Stroke> kNarrow = {
    {1, 0, 20, 20, 34}, {1, 1, 20, 20, 30}, {1, 0, 29, 22, 33}, {1, 1, 33, 22, 28},
    {0, 0, 31, 20, 35}, {0, 1, 35, 20, 30}, {0, 0, 22, 21, 32}, {0, 1, 22, 22, 28}};

TEST(Frame3D, PaintsTheWorkedPixelsAndLeavesTheGaps)
{
    Window w("Ram", 320, 110);
    const struct { const char* style; int x, y, width, height; bool swap; const std::vector<Stroke>& strokes; } rows[] = {
        {"UPPER", 98, 30, 207, 65, false, kWorked}, {"LOWER", 98, 30, 207, 65, true, kWorked},
        {"lower", 98, 30, 207, 65, false, kWorked}, {"UPPER", 20, 20, 15, 10, false, kNarrow}};
    for (const auto& r : rows) {
        w.Repaint();
        EXPECT_EQ(vu_Frame3D(w, r.x, r.y, r.width, r.height, r.style, 1), 0);
        Pixels want = Grab(w, 0, 0, 320, 110);
        for (COLORREF& c : want.colors) c = kBg;
        for (const Stroke& s : r.strokes)
            for (int i = s.from; i <= s.to; ++i)
                want.colors[static_cast<size_t>(s.down ? i * 320 + s.at : s.at * 320 + i)] =
                    s.white != r.swap ? kWhite : kBlack;
        EXPECT_TRUE(SamePixels(Grab(w, 0, 0, 320, 110), want)) << r.style << " width " << r.width;
    }
}

// A pixel as a letter: W white, L light grey (170), D dark grey (130), K black, - background.
char Letter(COLORREF c)
{
    return c == kWhite ? 'W' : c == RGB(170, 170, 170) ? 'L' : c == RGB(130, 130, 130) ? 'D' : c == kBlack ? 'K' : c == kBg ? '-' : '?';
}

TEST(Line3D, EdgesByThicknessAndStyle)
{
    Window w("Linje 3D", 80, 80);
    // Across the line at its middle from one pixel before it; then its last pixel and the next.
    const struct { const char* way; const char* style; int thickness; const char* pixels; } rows[] = {
        {"RIGHT", "UPPER", 1, "-W-K----W-"}, {"RIGHT", "UPPER", 4, "-WL--DK-W-"},
        {"RIGHT", "LOWER", 4, "-KD--LW-K-"}, {"DOWN", "UPPER", 4, "-WL--DK-W-"},
        {"DOWN", "UPPER", 2, "-WLDK---W-"}, {"LEFT", "UPPER", 4, "----------"}};
    for (const auto& r : rows) {
        w.Repaint();
        EXPECT_EQ(vu_Line3D(w, 10, 10, 50, r.way, r.style, r.thickness), 0);
        const bool down = r.way[0] == 'D';
        std::string got;
        for (int i = 0; i < 10; ++i) {
            const int across = i < 8 ? 9 + i : 10, along = i < 8 ? 35 : 51 + i;
            got += Letter(Pixel(w, down ? across : along, down ? along : across));
        }
        EXPECT_EQ(got, r.pixels) << r.way << " " << r.style << " " << r.thickness;
    }
}

using StyledLine = int (*)(HWND, int, int, int, int, COLORREF, COLORREF);
int Solid(HWND w, int x1, int y1, int x2, int y2, COLORREF c, COLORREF) { return vu_Line(w, x1, y1, x2, y2, c); }

// Each pen style with transparent (0) and filled gaps, against the platform's own line.
TEST(Lines, PenStylesAndGapsAsThePlatformDrawsThem)
{
    Window w("Linjer", 220, 60);
    const struct { const char* name; StyledLine draw; int pen; } rows[] = {
        {"solid", Solid, PS_SOLID}, {"dash", vu_LineDash, PS_DASH}, {"dot", vu_LineDot, PS_DOT},
        {"dash-dot", vu_LineDashDot, PS_DASHDOT}, {"dash-dot-dot", vu_LineDashDotDot, PS_DASHDOTDOT}};
    for (const auto& r : rows)
        for (COLORREF back : {COLORREF(0), kRed}) {
            w.Repaint();
            vu_Query = {-1, -1};
            EXPECT_EQ(r.draw(w, 10, 20, 210, 20, kBlue, back), 0);
            EXPECT_EQ(vu_Query.x * 1000 + vu_Query.y, 210020) << r.name;
            HDC dc = GetDC(w);
            HGDIOBJ old = SelectObject(dc, CreatePen(r.pen, 0, kBlue));
            if (back) SetBkColor(dc, back); else SetBkMode(dc, TRANSPARENT);
            MoveToEx(dc, 10, 40, nullptr), LineTo(dc, 210, 40);
            DeleteObject(SelectObject(dc, old)), ReleaseDC(w, dc);
            const Pixels line = Grab(w, 0, 20, 220, 1);
            EXPECT_TRUE(line.Count(kBlue) > 20 && line.at(210, 0) == kBg) << r.name;
            EXPECT_TRUE(SamePixels(line, Grab(w, 0, 40, 220, 1))) << r.name << " on " << back;
        }
    EXPECT_EQ(vu_SetPixel(w, 5, 6, kRed), 0);
    EXPECT_EQ(Pixel(w, 5, 6) == kRed && vu_Query.x == 5 && vu_Query.y == 6, true);
    // The draw area: "WINDOW" puts (0, 0) on the frame; other words than "CLIENT" keep it there.
    vu_SetDrawArea(w, "WINDOW"), vu_SetPixel(w, 0, 0, kBlue), vu_SetDrawArea(w, "client");
    vu_SetPixel(w, 1, 0, kBlue), vu_SetDrawArea(w, "CLIENT"), vu_SetPixel(w, 0, 1, kBlue);
    EXPECT_TRUE(Pixel(w, 0, 0, true) == kBlue && Pixel(w, 1, 0, true) == kBlue && Pixel(w, 0, 0) != kBlue &&
                Pixel(w, 0, 1) == kBlue);
}

TEST(Pictures, BitmapsAndIconsFromTheModule)
{
    Window w("Bild", 200, 100);
    EXPECT_EQ(vu_DrawBitmap(w, 10, 10, "TEST_BITMAP"), 0);
    EXPECT_EQ(vu_DrawBitmapStretched(w, 40, 10, 12, 7, MAKEINTRESOURCEA(7)), 0);
    EXPECT_EQ(vu_DrawBitmapStretched(w, 70, 10, 24, 21, "TEST_BITMAP"), 0);
    Pixels want = Grab(w, 70, 10, 24, 21);
    for (size_t i = 0; i < want.colors.size(); ++i) want.colors[i] = BitmapColour(i % 24 / 2, i / 24 / 3);
    EXPECT_TRUE(SamePixels(Grab(w, 70, 10, 24, 21), want));
    // Stretched to its own size, the bitmap is the unscaled copy; that one is the bitmap.
    EXPECT_TRUE(SamePixels(Grab(w, 5, 5, 25, 20), Grab(w, 35, 5, 25, 20)));
    EXPECT_EQ(Pixel(w, 10, 10) == BitmapColour(0, 0) && Pixel(w, 21, 16) == BitmapColour(11, 6), true);
    EXPECT_EQ(vu_DrawIcon(w, 150, 10, "TEST_ICON"), 0);
    const Pixels icon = Grab(w, 149, 9, 34, 34);
    EXPECT_TRUE(icon.Count(kRed) == 16 * 32 - 64 && icon.Count(kBlue) == 16 * 32 && icon.at(1, 1) == kBg);


    w.Repaint();  // missing names draw nothing
    for (const char* name : {"NO_SUCH", "TEST_ICON", static_cast<const char*>(MAKEINTRESOURCEA(99))})
        vu_DrawBitmapStretched(w, 10, 10, 30, 30, name);
    vu_DrawIcon(w, 10, 10, "TEST_BITMAP");
    EXPECT_EQ(Grab(w, 0, 0, 60, 60).Count(kBg), 3600);
}

TEST(Draw, NoDrawingCallKeepsAGdiObject)
{
    Window w("Läcka", 200, 160);
    const HFONT f = TestFont();
    vu_DrawIcon(w, 0, 0, "TEST_ICON"), vu_DrawSystemIcon(w, 0, 0, IDI_APPLICATION);  // kept by the platform
    const DWORD before = GdiObjects();
    for (int i = 0; i < 100; ++i) {
        DrawPlain(w, 5, f, kNearBlack), Draw3D(w, 5, f, 2), vu_Frame3D(w, 0, 10, 30, 10, "UPPER", 1);
        vu_Line(w, 0, 0, 5, 0, kRed), vu_LineDot(w, 0, 1, 5, 1, kRed, kBlue), vu_SetPixel(w, 0, 30, kRed);
        vu_Line3D(w, 0, 2, 5, "RIGHT", "LOWER", 3), vu_DrawBitmap(w, 0, 0, "TEST_BITMAP");
        vu_DrawBitmapStretched(w, 0, 0, 20, 20, "TEST_BITMAP"), vu_DrawIcon(w, 0, 0, "TEST_ICON");
        vu_DrawSystemIcon(w, 0, 0, IDI_APPLICATION), DeleteObject(vu_CreateFont(16, 0, 0, 400, 1, 0, "ARIAL"));
    }
    EXPECT_EQ(GdiObjects(), before);
    DeleteObject(f);
}

}  // namespace
