// Text drawing and the draw-area setting: pixels drawn into real windows and read back.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "draw_test_window.h"

namespace {

using draw_test::Grab;
using draw_test::kBackground;
using draw_test::Pixel;
using draw_test::Pixels;
using draw_test::Window;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kNearBlack = RGB(1, 0, 0);  // 0x000001: opaque, almost black

// A 16-pixel Arial for the tests, deleted at the end of each. Smoothing is switched off so
// that every copy of a text has the same pixels wherever and however it is drawn.
class Font {
public:
    explicit Font(int height = 16)
        : font_(CreateFontA(height, 0, 0, 0, 400, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, FF_SWISS, "ARIAL"))
    {
    }
    ~Font() { DeleteObject(font_); }
    operator HFONT() const { return font_; }

private:
    HFONT font_;
};

SIZE Extent(HFONT font, const std::string& text)
{
    HDC dc = GetDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, font);
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(nullptr, dc);
    return size;
}

// First in this program: nothing has changed the draw area yet.
TEST(DrawArea, ClientIsTheInitialSetting)
{
    Window w("Ritområde start");
    vu_SetPixel(w, 0, 0, kRed);
    EXPECT_EQ(Pixel(w, 0, 0), kRed);
    EXPECT_NE(draw_test::WindowPixel(w, 0, 0), kRed);
}

TEST(PlainText, TransparentBackgroundShowsTheWindowBetweenLetters)
{
    Window w("Text genomskinlig");
    Font font;
    const SIZE box = Extent(font, "Hej Ö");
    EXPECT_EQ(vu_TextOut(w, 10, 40, "Hej Ö", kRed, font, 0), 0);
    const Pixels p = Grab(w, 10, 40, box.cx, box.cy);
    EXPECT_GT(p.Count(kRed), 20);
    EXPECT_GT(p.Count(kBackground), box.cx * box.cy / 2);
    EXPECT_EQ(p.Count(RGB(0, 0, 0)), 0);
    // Nothing outside the text's box.
    EXPECT_EQ(draw_test::CountNotBackground(w, 0, 0, 10, 100), 0);
    EXPECT_EQ(draw_test::CountNotBackground(w, 10, 40 + box.cy, 100, 20), 0);
}

TEST(PlainText, NonZeroBackgroundFillsTheTextBox)
{
    Window w("Text ogenomskinlig");
    Font font;
    const SIZE box = Extent(font, "Hej Ö");
    vu_TextOut(w, 10, 40, "Hej Ö", kRed, font, kNearBlack);
    const Pixels p = Grab(w, 10, 40, box.cx, box.cy);
    EXPECT_EQ(p.Count(kBackground), 0);
    EXPECT_GT(p.Count(kNearBlack), box.cx * box.cy / 2);
    EXPECT_GT(p.Count(kRed), 20);
    EXPECT_EQ(Pixel(w, 10 + box.cx, 40), kBackground);
    EXPECT_EQ(Pixel(w, 9, 40), kBackground);
    EXPECT_EQ(Pixel(w, 10, 40 + box.cy), kBackground);
}

TEST(PlainText, FontAtOrBelowZeroKeepsTheSystemFont)
{
    Window w("Text systemtypsnitt");
    Font font;
    HFONT system = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
    vu_TextOut(w, 10, 10, "Systemtext", kRed, system, 0);
    vu_TextOut(w, 10, 50, "Systemtext", kRed, nullptr, 0);
    vu_TextOut(w, 10, 90, "Systemtext", kRed, reinterpret_cast<HFONT>(-1), 0);
    vu_TextOut(w, 10, 130, "Systemtext", kRed, font, 0);
    const Pixels stock = Grab(w, 10, 10, 150, 30);
    EXPECT_GT(stock.Count(kRed), 20);
    EXPECT_TRUE(draw_test::SamePixels(Grab(w, 10, 50, 150, 30), stock));
    EXPECT_TRUE(draw_test::SamePixels(Grab(w, 10, 90, 150, 30), stock));
    EXPECT_FALSE(draw_test::SamePixels(Grab(w, 10, 130, 150, 30), stock));
}

TEST(PlainText, FontHandlesWithTheTopBitSetAreUsed)
{
    // The platform counts reuses of a handle slot in the handle's top bits: after enough
    // fonts have come and gone, a valid font handle is negative as a signed number.
    HFONT font = nullptr;
    for (int i = 0; i < 5000 && font == nullptr; ++i) {
        HFONT f = CreateFontA(16, 0, 0, 0, 400, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, FF_SWISS, "ARIAL");
        if (reinterpret_cast<INT_PTR>(f) < 0)
            font = f;
        else
            DeleteObject(f);
    }
    if (font == nullptr) GTEST_SKIP() << "the platform made no font handle with the top bit set";
    Window w("Text högt handtag");
    vu_TextOut(w, 10, 10, "Handtag", kRed, font, kNearBlack);
    vu_TextOutVertical(w, 10, 90, 0, "H", kRed, font, kNearBlack);
    HDC dc = GetDC(w);
    HGDIOBJ previous = SelectObject(dc, font);
    SetTextColor(dc, kRed);
    SetBkColor(dc, kNearBlack);
    TextOutA(dc, 10, 50, "Handtag", 7);
    TextOutA(dc, 100, 90, "H", 1);
    SelectObject(dc, previous);
    ReleaseDC(w, dc);
    EXPECT_TRUE(draw_test::SamePixels(Grab(w, 0, 5, 120, 30), Grab(w, 0, 45, 120, 30)));
    EXPECT_TRUE(draw_test::SamePixels(Grab(w, 5, 85, 20, 30), Grab(w, 95, 85, 20, 30)));
    DeleteObject(font);
}

TEST(PlainText, NullAndEmptyTextsDrawNothing)
{
    Window w("Text tom");
    Font font;
    EXPECT_EQ(vu_TextOut(w, 10, 10, nullptr, kRed, font, kNearBlack), 0);
    EXPECT_EQ(vu_TextOut(w, 10, 10, "", kRed, font, kNearBlack), 0);
    EXPECT_EQ(vu_TextOut3D(w, 10, 10, 2, nullptr, kRed, font, 0), 0);
    EXPECT_EQ(vu_TextOutVertical(w, 10, 10, 10, nullptr, kRed, font, kNearBlack), 0);
    EXPECT_EQ(vu_TextOutVertical3D(w, 10, 10, 10, 2, nullptr, kRed, font, 0), 0);
    EXPECT_EQ(draw_test::CountNotBackground(w, 0, 0, 100, 60), 0);
}

TEST(TextOut3D, OffsetIsClampedToThree)
{
    Window w("Text 3D");
    Font font;
    vu_TextOut3D(w, 10, 10, 3, "Skugga", kRed, font, 0);
    vu_TextOut3D(w, 10, 50, 10, "Skugga", kRed, font, 0);
    vu_TextOut3D(w, 10, 90, 2, "Skugga", kRed, font, 0);
    const Pixels three = Grab(w, 0, 0, 120, 40);
    EXPECT_GT(three.Count(RGB(255, 255, 255)), 10);
    EXPECT_GT(three.Count(kRed), 20);
    EXPECT_TRUE(draw_test::SamePixels(Grab(w, 0, 40, 120, 40), three));
    EXPECT_FALSE(draw_test::SamePixels(Grab(w, 0, 80, 120, 40), three));

    w.Repaint();
    vu_TextOut3D(w, 20, 20, -3, "Skugga", kRed, font, 0);
    vu_TextOut3D(w, 20, 70, -10, "Skugga", kRed, font, 0);
    EXPECT_TRUE(draw_test::SamePixels(Grab(w, 10, 10, 120, 40), Grab(w, 10, 60, 120, 40)));
}

TEST(TextOut3D, WhiteCopyUnderColouredCopyAlwaysTransparent)
{
    Window w("Text 3D lager");
    Font font;
    // Offset 0: the coloured copy covers the white one exactly.
    vu_TextOut3D(w, 10, 10, 0, "Skugga", kRed, font, kNearBlack);
    vu_TextOut(w, 10, 50, "Skugga", kRed, font, 0);
    EXPECT_TRUE(draw_test::SamePixels(Grab(w, 0, 0, 120, 40), Grab(w, 0, 40, 120, 40)));
    // The white copy is the plain text drawn in white at (x, y).
    w.Repaint();
    vu_TextOut3D(w, 10, 10, 3, "Skugga", kRed, font, kNearBlack);
    vu_TextOut(w, 10, 50, "Skugga", RGB(255, 255, 255), font, 0);
    vu_TextOut(w, 13, 53, "Skugga", kRed, font, 0);
    EXPECT_TRUE(draw_test::SamePixels(Grab(w, 0, 0, 120, 40), Grab(w, 0, 40, 120, 40)));
    EXPECT_EQ(Grab(w, 0, 0, 120, 40).Count(kNearBlack), 0);
}

TEST(TextOutVertical, OneCharacterPerStep)
{
    Window w("Text lodrät", 400, 300);
    Font font;
    vu_TextOutVertical(w, 10, 10, 20, "ÅÄÖ", kRed, font, kNearBlack);
    vu_TextOut(w, 60, 10, "Å", kRed, font, kNearBlack);
    vu_TextOut(w, 60, 30, "Ä", kRed, font, kNearBlack);
    vu_TextOut(w, 60, 50, "Ö", kRed, font, kNearBlack);
    EXPECT_GT(Grab(w, 10, 10, 30, 70).Count(kRed), 30);
    EXPECT_TRUE(draw_test::SamePixels(Grab(w, 10, 10, 30, 70), Grab(w, 60, 10, 30, 70)));

    // A negative step writes upwards; the vertical calls select the font they are given.
    vu_TextOutVertical(w, 110, 60, -20, "ÖÄÅ", kRed, font, 0);
    vu_TextOut(w, 160, 60, "Ö", kRed, font, 0);
    vu_TextOut(w, 160, 40, "Ä", kRed, font, 0);
    vu_TextOut(w, 160, 20, "Å", kRed, font, 0);
    EXPECT_TRUE(draw_test::SamePixels(Grab(w, 110, 10, 30, 70), Grab(w, 160, 10, 30, 70)));

    vu_TextOutVertical3D(w, 210, 10, 20, 10, "AB", kRed, font, kNearBlack);
    vu_TextOut3D(w, 260, 10, 3, "A", kRed, font, 0);
    vu_TextOut3D(w, 260, 30, 3, "B", kRed, font, 0);
    EXPECT_TRUE(draw_test::SamePixels(Grab(w, 205, 5, 40, 70), Grab(w, 255, 5, 40, 70)));
}

std::string Format(const char* format, double value)
{
    char text[400];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

TEST(NumberOut, DrawsThePrintfRenderingAsTextOutDoes)
{
    Window w("Tal");
    Font font;
    struct Case {
        double value;
        int decimals;
        const char* format;
    };
    const Case cases[] = {
        {3.14159, 2, "%.2f"}, {2.5, 0, "%.0f"},     {-1.0 / 3, 7, "%.7f"},
        {2.5, 12, "%.8f"},    {1.0 / 3, 8, "%.8f"}, {1234.5678, 1, "%.1f"},
    };
    for (const Case& c : cases) {
        w.Repaint();
        EXPECT_EQ(vu_NumberOut(w, 10, 10, c.value, c.decimals, kRed, font, kNearBlack), 0);
        vu_TextOut(w, 10, 60, Format(c.format, c.value).c_str(), kRed, font, kNearBlack);
        const Pixels number = Grab(w, 0, 0, 200, 40);
        EXPECT_GT(number.Count(kNearBlack), 20) << c.format;
        EXPECT_TRUE(draw_test::SamePixels(number, Grab(w, 0, 50, 200, 40))) << c.decimals << " " << c.format;
    }
}

TEST(NumberOut, NegativeDecimalsDrawNothing)
{
    Window w("Tal negativt");
    Font font;
    EXPECT_EQ(vu_NumberOut(w, 10, 10, 2.5, -1, kRed, font, kNearBlack), 0);
    EXPECT_EQ(draw_test::CountNotBackground(w, 0, 0, 200, 60), 0);
}

TEST(NumberOut, HugeNumbersAreDrawnWhole)
{
    // 1e300 with eight decimals is 310 characters: drawn whole, its last digits placed
    // inside the window so that a cut text would show.
    Window w("Tal stort", 600, 100);
    Font font(8);
    const std::string whole = Format("%.8f", 1e300);
    ASSERT_EQ(whole.size(), 310u);
    const int x = 560 - Extent(font, whole).cx;
    vu_NumberOut(w, x, 10, 1e300, 8, kRed, font, kNearBlack);
    vu_TextOut(w, x, 40, whole.c_str(), kRed, font, kNearBlack);
    const Pixels number = Grab(w, 400, 10, 180, 20);
    EXPECT_GT(number.Count(kNearBlack), 100);
    EXPECT_TRUE(draw_test::SamePixels(number, Grab(w, 400, 40, 180, 20)));
    // The largest double and its negation fit as well.
    vu_NumberOut(w, 0, 70, -1.7976931348623157e308, 20, kRed, font, kNearBlack);
    EXPECT_EQ(Pixel(w, 0, 70) != kBackground, true);
}

TEST(DrawArea, WindowPutsTheOriginOnTheFrame)
{
    Window w("Ritområde");
    EXPECT_EQ(vu_SetDrawArea(nullptr, "WINDOW"), 0);
    vu_SetPixel(w, 0, 0, kRed);
    EXPECT_EQ(draw_test::WindowPixel(w, 0, 0), kRed);
    EXPECT_NE(Pixel(w, 0, 0), kRed);
    // Unknown words change nothing.
    for (const char* word : {"client", "", "CLIENT ", static_cast<const char*>(nullptr)})
        EXPECT_EQ(vu_SetDrawArea(w, word), 0);
    vu_TextOut(w, 0, 0, "W", kRed, nullptr, kNearBlack);
    EXPECT_EQ(draw_test::WindowPixel(w, 0, 0), kNearBlack);
    EXPECT_NE(Pixel(w, 0, 0), kNearBlack);

    vu_SetDrawArea(w, "CLIENT");
    vu_SetPixel(w, 0, 0, kRed);
    EXPECT_EQ(Pixel(w, 0, 0), kRed);
    POINT client = {0, 0};
    ClientToScreen(w, &client);
    RECT frame;
    GetWindowRect(w, &frame);
    EXPECT_EQ(draw_test::WindowPixel(w, client.x - frame.left, client.y - frame.top), kRed);
}

TEST(BadWindows, TextCallsDrawNothingAndReturnZero)
{
    HWND gone = vu_WindowCreate(GetModuleHandleA(nullptr),
                                vu_test::UniqueTitle("Text borta").c_str(), 0, 0, 100, 100, "CLO");
    ASSERT_NE(gone, nullptr);
    DestroyWindow(gone);
    Font font;
    for (HWND w : {static_cast<HWND>(nullptr), gone}) {
        EXPECT_EQ(vu_TextOut(w, 0, 0, "x", kRed, font, 0), 0);
        EXPECT_EQ(vu_TextOut3D(w, 0, 0, 2, "x", kRed, font, 0), 0);
        EXPECT_EQ(vu_TextOutVertical(w, 0, 0, 5, "xy", kRed, font, 0), 0);
        EXPECT_EQ(vu_TextOutVertical3D(w, 0, 0, 5, 1, "xy", kRed, font, 0), 0);
        EXPECT_EQ(vu_NumberOut(w, 0, 0, 1.5, 2, kRed, font, 0), 0);
    }
}

TEST(Resources, RepeatedTextKeepsNoHandles)
{
    Window w("Text läcka");
    Font font;
    vu_TextOut(w, 0, 0, "a", kRed, font, kNearBlack);  // the platform caches a context
    const DWORD before = draw_test::GdiObjects();
    EXPECT_GT(before, 0u);
    for (int i = 0; i < 300; ++i) {
        vu_TextOut(w, 0, 0, "a", kRed, font, kNearBlack);
        vu_TextOut3D(w, 0, 0, 1, "a", kRed, font, 0);
        vu_NumberOut(w, 0, 0, 1.25, 1, kRed, font, 0);
        vu_TextOutVertical(w, 0, 0, 5, "ab", kRed, font, kNearBlack);
        vu_TextOutVertical3D(w, 0, 0, 5, 1, "ab", kRed, font, 0);
    }
    EXPECT_EQ(draw_test::GdiObjects(), before);
}

}  // namespace
