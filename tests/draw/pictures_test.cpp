// Icons and resource bitmaps drawn into real windows and read back. The pictures come from
// pictures_test.rc (made by make_pictures.py).
#include <gtest/gtest.h>

#include "draw_test_window.h"

namespace {

using draw_test::Grab;
using draw_test::kBackground;
using draw_test::Pixel;
using draw_test::SamePixels;
using draw_test::Window;

constexpr int kBitmapWidth = 12;
constexpr int kBitmapHeight = 7;

// The colour make_pictures.py gives bitmap pixel (x, y).
COLORREF BitmapColour(int x, int y) { return RGB(x * 20, y * 30, 100 + x + 3 * y); }

void ExpectBitmapAt(HWND w, int left, int top, int scale)
{
    int wrong = 0;
    for (int y = 0; y < kBitmapHeight * scale; ++y)
        for (int x = 0; x < kBitmapWidth * scale; ++x)
            wrong += Pixel(w, left + x, top + y) != BitmapColour(x / scale, y / scale);
    EXPECT_EQ(wrong, 0);
    // Nothing beyond the copy.
    EXPECT_EQ(Pixel(w, left + kBitmapWidth * scale, top), kBackground);
    EXPECT_EQ(Pixel(w, left, top + kBitmapHeight * scale), kBackground);
    EXPECT_EQ(Pixel(w, left - 1, top), kBackground);
    EXPECT_EQ(Pixel(w, left, top - 1), kBackground);
}

TEST(DrawBitmap, CopiesTheBitmapUnscaled)
{
    Window w("Bild");
    EXPECT_EQ(vu_DrawBitmap(w, 10, 10, "TEST_BITMAP"), 0);
    ExpectBitmapAt(w, 10, 10, 1);
    EXPECT_EQ(vu_DrawBitmap(w, 50, 10, MAKEINTRESOURCEA(7)), 0);
    ExpectBitmapAt(w, 50, 10, 1);
}

TEST(DrawBitmapStretched, OwnSizeEqualsTheUnscaledCopy)
{
    Window w("Bild sträckt");
    vu_DrawBitmap(w, 10, 10, "TEST_BITMAP");
    EXPECT_EQ(vu_DrawBitmapStretched(w, 10, 40, kBitmapWidth, kBitmapHeight, "TEST_BITMAP"), 0);
    EXPECT_TRUE(SamePixels(Grab(w, 5, 5, 25, 20), Grab(w, 5, 35, 25, 20)));
    ExpectBitmapAt(w, 10, 40, 1);
}

TEST(DrawBitmapStretched, ScalesEachDirection)
{
    Window w("Bild dubbel");
    vu_DrawBitmapStretched(w, 10, 10, 2 * kBitmapWidth, 2 * kBitmapHeight, "TEST_BITMAP");
    ExpectBitmapAt(w, 10, 10, 2);
    // Only wider: columns doubled, rows kept.
    vu_DrawBitmapStretched(w, 10, 60, 3 * kBitmapWidth, kBitmapHeight, "TEST_BITMAP");
    EXPECT_EQ(Pixel(w, 10 + 3 * 5 + 1, 60 + 4), BitmapColour(5, 4));
    EXPECT_EQ(Pixel(w, 10 + 3 * kBitmapWidth, 60), kBackground);
    EXPECT_EQ(Pixel(w, 10, 60 + kBitmapHeight), kBackground);
}

TEST(DrawBitmapStretched, ZeroSizeDrawsNothingAndNegativeSizesDoNotFail)
{
    Window w("Bild noll");
    EXPECT_EQ(vu_DrawBitmapStretched(w, 10, 10, 0, 0, "TEST_BITMAP"), 0);
    EXPECT_EQ(vu_DrawBitmapStretched(w, 10, 10, 0, 20, "TEST_BITMAP"), 0);
    EXPECT_EQ(draw_test::CountNotBackground(w, 0, 0, 60, 60), 0);
    // A negative size mirrors the copy into the rectangle left of and above (x, y).
    EXPECT_EQ(vu_DrawBitmapStretched(w, 100, 100, -kBitmapWidth, -kBitmapHeight, "TEST_BITMAP"),
              0);
    EXPECT_GT(draw_test::CountNotBackground(w, 80, 80, 22, 22), kBitmapWidth * kBitmapHeight / 2);
    EXPECT_EQ(draw_test::CountNotBackground(w, 102, 80, 30, 60), 0);
    EXPECT_EQ(draw_test::CountNotBackground(w, 60, 102, 60, 30), 0);
}

TEST(DrawBitmap, MissingNamesDrawNothing)
{
    Window w("Bild saknas");
    for (const char* name : {"NO_SUCH_BITMAP", "", "TEST_ICON", static_cast<const char*>(nullptr),
                             static_cast<const char*>(MAKEINTRESOURCEA(99))}) {
        EXPECT_EQ(vu_DrawBitmap(w, 10, 10, name), 0);
        EXPECT_EQ(vu_DrawBitmapStretched(w, 10, 10, 30, 30, name), 0);
    }
    EXPECT_EQ(draw_test::CountNotBackground(w, 0, 0, 60, 60), 0);
}

constexpr COLORREF kIconRed = RGB(255, 0, 0);
constexpr COLORREF kIconBlue = RGB(0, 0, 255);

void ExpectIconAt(HWND w, int left, int top)
{
    EXPECT_EQ(Pixel(w, left + 2, top + 2), kBackground);  // transparent corner
    EXPECT_EQ(Pixel(w, left + 7, top + 7), kBackground);
    EXPECT_EQ(Pixel(w, left + 8, top + 8), kIconRed);
    EXPECT_EQ(Pixel(w, left + 2, top + 20), kIconRed);
    EXPECT_EQ(Pixel(w, left + 15, top + 31), kIconRed);
    EXPECT_EQ(Pixel(w, left + 16, top + 0), kIconBlue);
    EXPECT_EQ(Pixel(w, left + 31, top + 31), kIconBlue);
    EXPECT_EQ(Pixel(w, left + 32, top + 10), kBackground);
    EXPECT_EQ(Pixel(w, left + 10, top + 32), kBackground);
}

TEST(DrawIcon, DrawsTheModulesIconAtItsOwnSize)
{
    Window w("Ikon");
    ASSERT_EQ(GetSystemMetrics(SM_CXICON), 32);
    EXPECT_EQ(vu_DrawIcon(w, 10, 10, "TEST_ICON"), 0);
    ExpectIconAt(w, 10, 10);
    EXPECT_EQ(vu_DrawIcon(w, 60, 10, MAKEINTRESOURCEA(8)), 0);
    ExpectIconAt(w, 60, 10);
}

TEST(DrawIcon, MissingNamesDrawNothing)
{
    Window w("Ikon saknas");
    for (const char* name : {"NO_SUCH_ICON", "", "TEST_BITMAP", static_cast<const char*>(nullptr),
                             static_cast<const char*>(MAKEINTRESOURCEA(99))})
        EXPECT_EQ(vu_DrawIcon(w, 10, 10, name), 0);
    EXPECT_EQ(vu_DrawSystemIcon(w, 10, 10, MAKEINTRESOURCEA(1)), 0);
    EXPECT_EQ(vu_DrawSystemIcon(w, 10, 10, nullptr), 0);
    EXPECT_EQ(draw_test::CountNotBackground(w, 0, 0, 60, 60), 0);
}

TEST(DrawSystemIcon, DrawsAPredefinedIcon)
{
    Window w("Systemikon");
    EXPECT_EQ(vu_DrawSystemIcon(w, 10, 10, IDI_APPLICATION), 0);
    EXPECT_GT(draw_test::CountNotBackground(w, 10, 10, 32, 32), 50);
    EXPECT_EQ(draw_test::CountNotBackground(w, 42, 0, 40, 60), 0);
    EXPECT_EQ(draw_test::CountNotBackground(w, 0, 42, 60, 20), 0);
    // The same picture as the platform's own icon drawing.
    HDC dc = GetDC(w);
    DrawIcon(dc, 60, 10, LoadIconA(nullptr, IDI_APPLICATION));
    ReleaseDC(w, dc);
    EXPECT_TRUE(SamePixels(Grab(w, 10, 10, 32, 32), Grab(w, 60, 10, 32, 32)));
}

TEST(Pictures, FollowTheDrawArea)
{
    Window w("Bild ram");
    vu_SetDrawArea(w, "WINDOW");
    vu_DrawBitmap(w, 0, 0, "TEST_BITMAP");
    vu_SetDrawArea(w, "CLIENT");
    EXPECT_EQ(draw_test::WindowPixel(w, 0, 0), BitmapColour(0, 0));
    EXPECT_EQ(draw_test::WindowPixel(w, 11, 6), BitmapColour(11, 6));
    EXPECT_NE(Pixel(w, 0, 0), BitmapColour(0, 0));
}

TEST(BadWindows, PicturesDrawNothingAndReturnZero)
{
    HWND gone = vu_WindowCreate(GetModuleHandleA(nullptr),
                                vu_test::UniqueTitle("Bild borta").c_str(), 0, 0, 100, 100, "CLO");
    ASSERT_NE(gone, nullptr);
    DestroyWindow(gone);
    for (HWND w : {static_cast<HWND>(nullptr), gone}) {
        EXPECT_EQ(vu_DrawBitmap(w, 0, 0, "TEST_BITMAP"), 0);
        EXPECT_EQ(vu_DrawBitmapStretched(w, 0, 0, 5, 5, "TEST_BITMAP"), 0);
        EXPECT_EQ(vu_DrawIcon(w, 0, 0, "TEST_ICON"), 0);
        EXPECT_EQ(vu_DrawSystemIcon(w, 0, 0, IDI_APPLICATION), 0);
    }
}

TEST(Resources, RepeatedPicturesKeepNoHandles)
{
    Window w("Bild läcka");
    vu_DrawBitmap(w, 0, 0, "TEST_BITMAP");  // the platform caches a context and the icons
    vu_DrawIcon(w, 0, 0, "TEST_ICON");
    vu_DrawSystemIcon(w, 0, 0, IDI_APPLICATION);
    const DWORD before = draw_test::GdiObjects();
    EXPECT_GT(before, 0u);
    for (int i = 0; i < 300; ++i) {
        vu_DrawBitmap(w, 0, 0, "TEST_BITMAP");
        vu_DrawBitmapStretched(w, 0, 0, 20, 20, "TEST_BITMAP");
        vu_DrawIcon(w, 0, 0, "TEST_ICON");
        vu_DrawSystemIcon(w, 0, 0, IDI_APPLICATION);
        vu_DrawBitmap(w, 0, 0, "NO_SUCH_BITMAP");
    }
    EXPECT_EQ(draw_test::GdiObjects(), before);
}

}  // namespace
