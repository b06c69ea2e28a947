// Lines, 3-D lines and frames, pixels, bitmaps and icons drawn into real windows and read
// back. pictures_test.bmp is 12 x 7 pixels, pixel (x, y) of colour BitmapColour(x, y);
// pictures_test.ico is 32 x 32, left half red, right half blue, its top-left 8 x 8 corner
// transparent.
#include <gtest/gtest.h>

#include <vector>

#include "pixels.h"
#include "query.h"

namespace {

using namespace vu_test;

constexpr COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255), kBlack = RGB(0, 0, 0);
constexpr COLORREF kLight = RGB(170, 170, 170), kDark = RGB(130, 130, 130), kBg = kBackground;

// A run of pixels: row `at` from column `from` to `to`, or with down that column's rows.
struct Stroke {
    bool white, down;
    int at, from, to;
};

// The application's frame: x 98, y 30, width 207, height 65, inset 1.
const std::vector<Stroke> kWorked = {
    {true, false, 30, 98, 304},  {true, true, 98, 30, 95},    {true, false, 94, 100, 303},
    {true, true, 303, 32, 93},   {false, false, 96, 98, 305}, {false, true, 305, 30, 95},
    {false, false, 32, 100, 302}, {false, true, 100, 32, 93}};
// Width 15 (no split of the top edges): the inner top also paints (x + inset, y + inset + 1).
const std::vector<Stroke> kNarrow = {
    {true, false, 20, 20, 34},  {true, true, 20, 20, 30},   {true, false, 29, 22, 33},
    {true, true, 33, 22, 28},   {false, false, 31, 20, 35}, {false, true, 35, 20, 30},
    {false, false, 22, 21, 32}, {false, true, 22, 22, 28}};

TEST(Frame3D, PaintsTheWorkedPixelsAndLeavesTheGaps)
{
    Window w("Ram", 320, 110);
    const struct { const char* name; int x, y, width, height; const char* style; bool swap;
                   const std::vector<Stroke>& runs; } rows[] = {
        {"UPPER", 98, 30, 207, 65, "UPPER", false, kWorked},
        {"LOWER", 98, 30, 207, 65, "LOWER", true, kWorked},
        {"lower is raised", 98, 30, 207, 65, "lower", false, kWorked},
        {"width below 20", 20, 20, 15, 10, "UPPER", false, kNarrow}};
    for (const auto& r : rows) {
        w.Repaint();
        EXPECT_EQ(vu_Frame3D(w, r.x, r.y, r.width, r.height, r.style, 1), 0);
        Pixels want = Grab(w, 0, 0, 320, 110);
        for (COLORREF& c : want.colors) c = kBg;
        for (const Stroke& run : r.runs)
            for (int i = run.from; i <= run.to; ++i)
                want.colors[static_cast<size_t>(run.down ? i * 320 + run.at : run.at * 320 + i)] =
                    run.white != r.swap ? kWhite : kBlack;
        EXPECT_TRUE(SamePixels(Grab(w, 0, 0, 320, 110), want)) << r.name;
    }
}

TEST(Line3D, EdgesByThicknessAndStyle)
{
    Window w("Linje 3D", 80, 80);
    const struct { const char* way; const char* style; int thickness; std::vector<COLORREF> across; } rows[] = {
        {"RIGHT", "UPPER", 1, {kBg, kWhite, kBg, kBlack, kBg, kBg, kBg, kBg}},
        {"RIGHT", "UPPER", 4, {kBg, kWhite, kLight, kBg, kBg, kDark, kBlack, kBg}},
        {"RIGHT", "LOWER", 4, {kBg, kBlack, kDark, kBg, kBg, kLight, kWhite, kBg}},
        {"DOWN", "UPPER", 4, {kBg, kWhite, kLight, kBg, kBg, kDark, kBlack, kBg}},
        {"DOWN", "UPPER", 2, {kBg, kWhite, kLight, kDark, kBlack, kBg, kBg, kBg}},
        {"LEFT", "UPPER", 4, {kBg, kBg, kBg, kBg, kBg, kBg, kBg, kBg}}};
    for (const auto& r : rows) {
        w.Repaint();
        EXPECT_EQ(vu_Line3D(w, 10, 10, 50, r.way, r.style, r.thickness), 0);
        const bool down = r.way[0] == 'D';
        // Across the line at its middle, from one pixel before it; along it, the end pixel.
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(Pixel(w, down ? 9 + i : 35, down ? 35 : 9 + i), r.across[static_cast<size_t>(i)])
                << r.way << " " << r.style << " " << r.thickness << " at " << i;
        EXPECT_EQ(Pixel(w, down ? 10 : 59, down ? 59 : 10), r.across[1]) << r.way;
        EXPECT_EQ(Pixel(w, down ? 10 : 60, down ? 60 : 10), kBg) << r.way;
    }
}

using StyledLine = int (*)(HWND, int, int, int, int, COLORREF, COLORREF);
int Solid(HWND w, int x1, int y1, int x2, int y2, COLORREF c, COLORREF) { return vu_Line(w, x1, y1, x2, y2, c); }

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
            HPEN pen = CreatePen(r.pen, 0, kBlue);
            HGDIOBJ old = SelectObject(dc, pen);
            if (back) SetBkColor(dc, back); else SetBkMode(dc, TRANSPARENT);
            MoveToEx(dc, 10, 40, nullptr);
            LineTo(dc, 210, 40);
            DeleteObject(SelectObject(dc, old));
            ReleaseDC(w, dc);
            const Pixels line = Grab(w, 0, 20, 220, 1);
            EXPECT_GT(line.Count(kBlue), 20) << r.name;
            EXPECT_EQ(line.at(210, 0), kBg) << r.name;  // the end pixel is not drawn
            EXPECT_TRUE(SamePixels(line, Grab(w, 0, 40, 220, 1))) << r.name << " on " << back;
        }
    vu_Query = {-1, -1};
    EXPECT_EQ(vu_SetPixel(w, 5, 6, kRed), 0);
    EXPECT_EQ(Pixel(w, 5, 6), kRed);
    EXPECT_EQ(vu_Query.x * 1000 + vu_Query.y, 5006);
}

COLORREF BitmapColour(int x, int y) { return RGB(x * 20, y * 30, 100 + x + 3 * y); }

TEST(Pictures, BitmapsAndIconsFromTheModule)
{
    Window w("Bild", 200, 100);
    EXPECT_EQ(vu_DrawBitmap(w, 10, 10, "TEST_BITMAP"), 0);
    EXPECT_EQ(vu_DrawBitmapStretched(w, 40, 10, 12, 7, MAKEINTRESOURCEA(7)), 0);
    EXPECT_EQ(vu_DrawBitmapStretched(w, 70, 10, 24, 21, "TEST_BITMAP"), 0);
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 24; ++x) {
            EXPECT_EQ(Pixel(w, 70 + x, 10 + y), BitmapColour(x / 2, y / 3)) << x << "," << y;
            if (x < 12 && y < 7) { EXPECT_EQ(Pixel(w, 10 + x, 10 + y), BitmapColour(x, y)); }
        }
    // Stretched to its own size, the bitmap is the unscaled copy.
    EXPECT_TRUE(SamePixels(Grab(w, 5, 5, 25, 20), Grab(w, 35, 5, 25, 20)));
    EXPECT_EQ(vu_DrawIcon(w, 110, 10, "TEST_ICON"), 0);
    EXPECT_EQ(vu_DrawIcon(w, 150, 10, MAKEINTRESOURCEA(8)), 0);
    for (int x : {110, 150}) {
        const Pixels icon = Grab(w, x - 1, 9, 34, 34);
        EXPECT_EQ(icon.Count(kRed), 16 * 32 - 64) << x;
        EXPECT_EQ(icon.Count(kBlue), 16 * 32) << x;
        EXPECT_EQ(icon.at(1, 1), kBg) << x;  // the transparent corner
    }
    w.Repaint();
    EXPECT_EQ(vu_DrawSystemIcon(w, 10, 10, IDI_APPLICATION), 0);
    HDC dc = GetDC(w);
    DrawIcon(dc, 60, 10, LoadIconA(nullptr, IDI_APPLICATION));
    ReleaseDC(w, dc);
    EXPECT_LT(Grab(w, 10, 10, 32, 32).Count(kBg), 32 * 32 - 50);
    EXPECT_TRUE(SamePixels(Grab(w, 5, 5, 45, 45), Grab(w, 55, 5, 45, 45)));

    w.Repaint();  // missing names draw nothing
    for (const char* name : {"NO_SUCH", "TEST_ICON", static_cast<const char*>(MAKEINTRESOURCEA(99))}) {
        vu_DrawBitmap(w, 10, 10, name);
        vu_DrawBitmapStretched(w, 10, 10, 30, 30, name);
    }
    vu_DrawIcon(w, 10, 10, "TEST_BITMAP");
    EXPECT_EQ(Grab(w, 0, 0, 60, 60).Count(kBg), 3600);
}

TEST(Pictures, NoDrawingCallKeepsAGdiObject)
{
    Window w("Läcka");
    vu_DrawIcon(w, 0, 0, "TEST_ICON");  // the platform keeps loaded icons
    vu_DrawSystemIcon(w, 0, 0, IDI_APPLICATION);
    const DWORD before = GdiObjects();
    for (int i = 0; i < 200; ++i) {
        vu_Line(w, 0, 0, 5, 0, kRed);
        vu_LineDot(w, 0, 1, 5, 1, kRed, kBlue);
        vu_Line3D(w, 0, 2, 5, "RIGHT", "LOWER", 3);
        vu_Frame3D(w, 0, 10, 30, 10, "UPPER", 1);
        vu_SetPixel(w, 0, 30, kRed);
        vu_DrawBitmap(w, 0, 0, "TEST_BITMAP");
        vu_DrawBitmapStretched(w, 0, 0, 20, 20, "TEST_BITMAP");
        vu_DrawIcon(w, 0, 0, "TEST_ICON");
        vu_DrawSystemIcon(w, 0, 0, IDI_APPLICATION);
    }
    EXPECT_EQ(GdiObjects(), before);
}

}  // namespace
