// Lines, 3-D lines, 3-D frames and pixels drawn into real windows and read back.
#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "draw_test_window.h"

namespace {

using draw_test::kBackground;
using draw_test::kBlack;
using draw_test::kWhite;
using draw_test::Pixel;
using draw_test::Window;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
COLORREF Grey(int v) { return RGB(v, v, v); }

using Points = std::set<std::pair<int, int>>;

void AddRow(Points* p, int row, int from, int to)
{
    for (int x = from; x <= to; ++x) p->insert({x, row});
}
void AddColumn(Points* p, int column, int from, int to)
{
    for (int y = from; y <= to; ++y) p->insert({column, y});
}

// Every pixel of the rectangle is white on `white`, black on `black`, else background.
void ExpectFrame(HWND w, const Points& white, const Points& black, int left, int top,
                 int right, int bottom)
{
    const draw_test::Pixels p = draw_test::Grab(w, left, top, right - left + 1, bottom - top + 1);
    int wrong = 0;
    for (int y = top; y <= bottom; ++y)
        for (int x = left; x <= right; ++x) {
            const COLORREF want = white.count({x, y}) ? kWhite
                                  : black.count({x, y}) ? kBlack
                                                        : kBackground;
            const COLORREF got = p.at(x - left, y - top);
            if (got != want && ++wrong <= 10)
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") is " << std::hex << got
                              << ", expected " << want;
        }
    EXPECT_EQ(wrong, 0);
}

// The application's frame: x 98, y 30, width 207, height 65, inset 1.
void WorkedExample(Points* lit, Points* dark)
{
    AddRow(lit, 30, 98, 304);
    AddColumn(lit, 98, 30, 95);
    AddRow(lit, 94, 100, 303);
    AddColumn(lit, 303, 32, 93);
    AddRow(dark, 96, 98, 305);
    AddColumn(dark, 305, 30, 95);
    AddRow(dark, 32, 100, 302);
    AddColumn(dark, 100, 32, 93);
}

TEST(Frame3D, RaisedPaintsTheWorkedExamplePixelForPixel)
{
    Window w("Ram upp");
    EXPECT_EQ(vu_Frame3D(w, 98, 30, 207, 65, "UPPER", 1), 0);
    Points white, black;
    WorkedExample(&white, &black);
    // Between the rectangles: row 31, column 99, row 95, column 304 keep the background.
    ExpectFrame(w, white, black, 95, 27, 308, 99);
    EXPECT_EQ(Pixel(w, 150, 31), kBackground);
    EXPECT_EQ(Pixel(w, 99, 60), kBackground);
    EXPECT_EQ(Pixel(w, 150, 95), kBackground);
    EXPECT_EQ(Pixel(w, 304, 60), kBackground);
    EXPECT_EQ(Pixel(w, 303, 32), kWhite);
}

TEST(Frame3D, LowerExchangesBlackAndWhite)
{
    Window w("Ram ned");
    EXPECT_EQ(vu_Frame3D(w, 98, 30, 207, 65, "LOWER", 1), 0);
    Points white, black;
    WorkedExample(&black, &white);
    ExpectFrame(w, white, black, 95, 27, 308, 99);
}

TEST(Frame3D, UnknownStyleWordsAreRaised)
{
    for (const char* style : {"lower", "", "LOWER ", static_cast<const char*>(nullptr)}) {
        Window w("Ram okänd");
        vu_Frame3D(w, 98, 30, 207, 65, style, 1);
        Points white, black;
        WorkedExample(&white, &black);
        ExpectFrame(w, white, black, 95, 27, 308, 99);
    }
}

TEST(Frame3D, NarrowFramePaintsTheExtraInnerTopPixel)
{
    // Width 15: the top edges are not split, so the inner top edge starts one pixel left,
    // at (x + inset, y + inset + 1), between the rectangles.
    Window w("Ram smal");
    vu_Frame3D(w, 20, 20, 15, 10, "UPPER", 1);
    Points white, black;
    AddRow(&white, 20, 20, 34);
    AddColumn(&white, 20, 20, 30);
    AddRow(&white, 29, 22, 33);
    AddColumn(&white, 33, 22, 29);
    AddRow(&black, 31, 20, 35);
    AddColumn(&black, 35, 20, 30);
    AddRow(&black, 22, 21, 32);
    AddColumn(&black, 22, 22, 28);
    ExpectFrame(w, white, black, 17, 17, 38, 34);
    EXPECT_EQ(Pixel(w, 21, 22), kBlack);
    EXPECT_EQ(Pixel(w, 21, 21), kBackground);
    EXPECT_EQ(Pixel(w, 21, 23), kBackground);
}

TEST(Frame3D, WiderInsetMovesTheInnerRectangle)
{
    Window w("Ram insats");
    vu_Frame3D(w, 10, 10, 100, 50, "UPPER", 4);
    EXPECT_EQ(Pixel(w, 50, 15), kBlack);      // inner top at y + d + 1
    EXPECT_EQ(Pixel(w, 15, 30), kBlack);      // inner left at x + d + 1
    EXPECT_EQ(Pixel(w, 50, 56), kWhite);      // inner bottom at y + height - d
    EXPECT_EQ(Pixel(w, 105, 30), kWhite);     // inner right at x + width - d - 1
    EXPECT_EQ(Pixel(w, 50, 12), kBackground);
    EXPECT_EQ(Pixel(w, 12, 30), kBackground);
}

// Rows y .. y + 7 at column 30 of a RIGHT line drawn at (10, 10), length 50.
std::vector<COLORREF> RowsOf(HWND w)
{
    std::vector<COLORREF> rows;
    for (int y = 9; y <= 17; ++y) rows.push_back(Pixel(w, 30, y));
    return rows;
}

TEST(Line3D, ThicknessOneIsWhiteAboveBlack)
{
    Window w("Linje tunn");
    EXPECT_EQ(vu_Line3D(w, 10, 10, 50, "RIGHT", "UPPER", 1), 0);
    EXPECT_EQ(RowsOf(w), (std::vector<COLORREF>{kBackground, kWhite, kBackground, kBlack,
                                                kBackground, kBackground, kBackground,
                                                kBackground, kBackground}));
    EXPECT_EQ(Pixel(w, 10, 10), kWhite);   // start pixel drawn
    EXPECT_EQ(Pixel(w, 59, 12), kBlack);
    EXPECT_EQ(Pixel(w, 60, 10), kBackground);  // end pixel not
    EXPECT_EQ(Pixel(w, 60, 12), kBackground);
}

TEST(Line3D, ThickBarIsAnOutlineInFourGreys)
{
    Window w("Linje tjock");
    vu_Line3D(w, 10, 10, 50, "RIGHT", "UPPER", 4);
    EXPECT_EQ(RowsOf(w), (std::vector<COLORREF>{kBackground, kWhite, Grey(170), kBackground,
                                                kBackground, Grey(130), kBlack, kBackground,
                                                kBackground}));
    w.Repaint();
    vu_Line3D(w, 10, 10, 50, "RIGHT", "LOWER", 4);
    EXPECT_EQ(RowsOf(w), (std::vector<COLORREF>{kBackground, kBlack, Grey(130), kBackground,
                                                kBackground, Grey(170), kWhite, kBackground,
                                                kBackground}));
}

TEST(Line3D, DownSwapsTheAxes)
{
    Window w("Linje ned");
    vu_Line3D(w, 10, 10, 50, "DOWN", "UPPER", 4);
    std::vector<COLORREF> columns;
    for (int x = 9; x <= 17; ++x) columns.push_back(Pixel(w, x, 30));
    EXPECT_EQ(columns, (std::vector<COLORREF>{kBackground, kWhite, Grey(170), kBackground,
                                              kBackground, Grey(130), kBlack, kBackground,
                                              kBackground}));
    EXPECT_EQ(Pixel(w, 10, 10), kWhite);
    EXPECT_EQ(Pixel(w, 15, 59), kBlack);
    EXPECT_EQ(Pixel(w, 15, 60), kBackground);
}

TEST(Line3D, UnknownDirectionDrawsNothing)
{
    Window w("Linje vänster");
    for (const char* way : {"LEFT", "right", "", static_cast<const char*>(nullptr)})
        EXPECT_EQ(vu_Line3D(w, 10, 10, 50, way, "UPPER", 4), 0);
    EXPECT_EQ(draw_test::CountNotBackground(w, 0, 0, 80, 30), 0);
}

TEST(Line, SolidLineLeavesOutItsEndPixelAndReportsIt)
{
    Window w("Linje");
    vu_Query.x = vu_Query.y = -1;
    EXPECT_EQ(vu_Line(w, 0, 0, 10, 0, kRed), 0);
    for (int x = 0; x < 10; ++x) EXPECT_EQ(Pixel(w, x, 0), kRed) << x;
    EXPECT_EQ(Pixel(w, 10, 0), kBackground);
    EXPECT_EQ(vu_Query.x, 10);
    EXPECT_EQ(vu_Query.y, 0);
    vu_Line(w, 20, 5, 20, 25, kBlue);
    EXPECT_EQ(Pixel(w, 20, 24), kBlue);
    EXPECT_EQ(Pixel(w, 20, 25), kBackground);
    EXPECT_EQ(vu_Query.x, 20);
    EXPECT_EQ(vu_Query.y, 25);
}

// Lengths of the painted and unpainted runs along row y from x 10 to 209.
std::vector<int> Runs(const draw_test::Pixels& row, COLORREF color)
{
    std::vector<int> runs;
    bool painted = row.at(0, 0) == color;
    int length = 0;
    for (int x = 0; x < row.width; ++x) {
        if ((row.at(x, 0) == color) == painted) {
            ++length;
            continue;
        }
        runs.push_back(painted ? length : -length);
        painted = !painted;
        length = 1;
    }
    return runs;  // the last, possibly cut run is left out
}

using StyledLine = int (*)(HWND, int, int, int, int, COLORREF, COLORREF);

struct StyledCase {
    StyledLine draw;
    const char* name;
};

const StyledCase kStyled[] = {
    {vu_LineDash, "dash"},
    {vu_LineDot, "dot"},
    {vu_LineDashDot, "dash-dot"},
    {vu_LineDashDotDot, "dash-dot-dot"},
};

TEST(StyledLines, GapsKeepTheBackgroundOrTakeTheBackgroundColour)
{
    Window w("Streckad");
    for (const StyledCase& c : kStyled) {
        w.Repaint();
        vu_Query.x = vu_Query.y = -1;
        EXPECT_EQ(c.draw(w, 10, 20, 210, 20, kBlue, 0), 0);
        EXPECT_EQ(vu_Query.x, 210);
        EXPECT_EQ(vu_Query.y, 20);
        c.draw(w, 10, 40, 210, 40, kBlue, kRed);
        const draw_test::Pixels clear = draw_test::Grab(w, 10, 20, 200, 1);
        const draw_test::Pixels filled = draw_test::Grab(w, 10, 40, 200, 1);
        EXPECT_GT(clear.Count(kBlue), 20) << c.name;
        EXPECT_GT(clear.Count(kBackground), 20) << c.name;
        EXPECT_EQ(clear.Count(kBlue) + clear.Count(kBackground), 200) << c.name;
        // The same pattern, its gaps painted red.
        EXPECT_EQ(filled.Count(kBlue), clear.Count(kBlue)) << c.name;
        EXPECT_EQ(filled.Count(kRed), clear.Count(kBackground)) << c.name;
        for (int x = 0; x < 200; ++x)
            EXPECT_EQ(filled.at(x, 0) == kBlue, clear.at(x, 0) == kBlue) << c.name << x;
        EXPECT_EQ(Pixel(w, 210, 40), kBackground) << c.name;
    }
}

TEST(StyledLines, EachStyleHasItsOwnPattern)
{
    // Dashes are long runs, dots short ones; a dash-dot has one dot and a dash-dot-dot two
    // dots between dashes.
    Window w("Mönster");
    std::vector<std::vector<int>> patterns;
    for (const StyledCase& c : kStyled) {
        w.Repaint();
        c.draw(w, 10, 20, 210, 20, kBlue, 0);
        patterns.push_back(Runs(draw_test::Grab(w, 10, 20, 200, 1), kBlue));
    }
    auto longest = [](const std::vector<int>& runs) {
        int m = 0;
        for (int r : runs) m = r > m ? r : m;
        return m;
    };
    auto shortest = [](const std::vector<int>& runs) {
        int m = 1000;
        for (int r : runs) m = (r > 0 && r < m) ? r : m;
        return m;
    };
    // Dots between two dashes in the middle of the line.
    auto dots_between_dashes = [&](const std::vector<int>& runs) {
        const int dash = longest(runs);
        std::vector<int> counts;
        int n = -1;
        for (int r : runs) {
            if (r == dash) {
                if (n >= 0) counts.push_back(n);
                n = 0;
            } else if (r > 0 && n >= 0) {
                ++n;
            }
        }
        return counts.empty() ? -1 : counts[0];
    };
    EXPECT_GT(longest(patterns[0]), 3 * longest(patterns[1]));  // dash vs dot
    EXPECT_EQ(longest(patterns[1]), shortest(patterns[1]));
    EXPECT_EQ(dots_between_dashes(patterns[0]), 0);
    EXPECT_EQ(dots_between_dashes(patterns[2]), 1);
    EXPECT_EQ(dots_between_dashes(patterns[3]), 2);
}

TEST(SetPixel, PaintsOnePixelAndReportsIt)
{
    Window w("Punkt");
    vu_Query.x = vu_Query.y = -1;
    EXPECT_EQ(vu_SetPixel(w, 5, 6, kRed), 0);
    EXPECT_EQ(Pixel(w, 5, 6), kRed);
    EXPECT_EQ(draw_test::CountNotBackground(w, 0, 0, 20, 20), 1);
    EXPECT_EQ(vu_Query.x, 5);
    EXPECT_EQ(vu_Query.y, 6);
}

TEST(BadWindows, DrawNothingAndStillAnswer)
{
    HWND gone = vu_WindowCreate(GetModuleHandleA(nullptr),
                                vu_test::UniqueTitle("Borta").c_str(), 0, 0, 100, 100, "CLO");
    ASSERT_NE(gone, nullptr);
    DestroyWindow(gone);
    for (HWND w : {static_cast<HWND>(nullptr), gone}) {
        vu_Query.x = vu_Query.y = -1;
        EXPECT_EQ(vu_Line(w, 1, 2, 3, 4, kRed), 0);
        EXPECT_EQ(vu_Query.x, 3);
        EXPECT_EQ(vu_Query.y, 4);
        EXPECT_EQ(vu_LineDot(w, 1, 2, 5, 6, kRed, kBlue), 0);
        EXPECT_EQ(vu_Query.x, 5);
        EXPECT_EQ(vu_SetPixel(w, 7, 8, kRed), 0);
        EXPECT_EQ(vu_Query.x, 7);
        EXPECT_EQ(vu_Query.y, 8);
        EXPECT_EQ(vu_Line3D(w, 0, 0, 10, "RIGHT", "UPPER", 3), 0);
        EXPECT_EQ(vu_Frame3D(w, 0, 0, 10, 10, "LOWER", 1), 0);
    }
}

TEST(BadSizes, ZeroAndNegativeSizesStayInsideTheirSegments)
{
    Window w("Storlekar");
    vu_Line3D(w, 50, 50, 0, "RIGHT", "UPPER", 4);  // empty segments
    EXPECT_EQ(draw_test::CountNotBackground(w, 30, 30, 60, 60), 0);
    vu_Line3D(w, 50, 50, -10, "RIGHT", "UPPER", 1);  // drawn leftwards, start pixel kept
    EXPECT_EQ(Pixel(w, 50, 50), kWhite);
    EXPECT_EQ(Pixel(w, 41, 50), kWhite);
    EXPECT_EQ(Pixel(w, 40, 50), kBackground);
    w.Repaint();
    vu_Frame3D(w, 50, 50, 0, 0, "UPPER", 0);
    vu_Frame3D(w, 150, 50, -30, -20, "UPPER", 2);
    vu_Line(w, 60, 60, 60, 60, kRed);  // start equals end: nothing
    EXPECT_EQ(Pixel(w, 60, 60), kBackground);
    EXPECT_EQ(Pixel(w, 50, 50), kWhite);
}

TEST(Resources, RepeatedDrawingKeepsNoHandles)
{
    // A call that kept a context or pen would run out of handles long before the end of
    // this loop (the platform allows about ten thousand per process).
    Window w("Läcka");
    const DWORD before = draw_test::GdiObjects();
    for (int i = 0; i < 12000; ++i) {
        vu_Line(w, 0, 0, 5, 0, kRed);
        vu_LineDashDot(w, 0, 1, 5, 1, kRed, kBlue);
        vu_Line3D(w, 0, 2, 5, "RIGHT", "LOWER", 3);
        vu_Frame3D(w, 0, 10, 30, 10, "UPPER", 1);
        vu_SetPixel(w, 0, 30, kRed);
    }
    EXPECT_EQ(draw_test::GdiObjects(), before);
    w.Repaint();
    vu_Frame3D(w, 98, 30, 207, 65, "UPPER", 1);
    Points white, black;
    WorkedExample(&white, &black);
    ExpectFrame(w, white, black, 95, 27, 308, 99);
}

}  // namespace
