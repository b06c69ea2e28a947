// Window operations: placing, hiding and showing, border and sizing-frame words, title
// text, background colour, repainting, focus and class icons, read back from the platform.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "vu_test.h"

namespace {

HINSTANCE Self() { return GetModuleHandleA(nullptr); }
int Caption() { return GetSystemMetrics(SM_CYCAPTION); }
DWORD StyleOf(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE)); }
DWORD ExStyleOf(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_EXSTYLE)); }

RECT RectOf(HWND w)
{
    RECT r = {};
    GetWindowRect(w, &r);
    return r;
}

void ExpectRect(HWND w, int left, int top, int width, int height)
{
    const RECT r = RectOf(w);
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.bottom - r.top, height);
}

// A shown test window with the given outer size (the caption height is added on creation).
HWND NewWindow(const char* stem, int x, int y, int width, int height,
               const char* style = "CLO")
{
    return vu_WindowCreate(Self(), vu_test::UniqueTitle(stem).c_str(), x, y, width, height,
                           style);
}

// Bits the platform manages itself on top-level windows.
constexpr DWORD kPlatformStyle = WS_CLIPSIBLINGS | WS_VISIBLE;
constexpr DWORD kFrameBits = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME |
                             WS_MINIMIZEBOX | WS_MAXIMIZEBOX;

TEST(WindowPlace, MoveKeepsSizeAndTheKeptCoordinates)
{
    HWND w = NewWindow("Flytta", 30, 40, 200, 100);
    ASSERT_NE(w, nullptr);
    const int height = 100 + Caption();
    EXPECT_EQ(vu_WindowMove(w, VU_KEEP, VU_KEEP), 0);
    ExpectRect(w, 30, 40, 200, height);
    EXPECT_EQ(vu_WindowMove(w, VU_KEEP, 60), 0);
    ExpectRect(w, 30, 60, 200, height);
    EXPECT_EQ(vu_WindowMove(w, 75, VU_KEEP), 0);
    ExpectRect(w, 75, 60, 200, height);
    EXPECT_EQ(vu_WindowMove(w, -20, 5), 0);
    ExpectRect(w, -20, 5, 200, height);
    EXPECT_EQ(vu_WindowGetPos(w), 0);
    EXPECT_EQ(vu_Query.x, -20);
    EXPECT_EQ(vu_Query.y, 5);
    EXPECT_EQ(vu_WindowGetSize(w), 0);
    EXPECT_EQ(vu_Query.x, 200);
    EXPECT_EQ(vu_Query.y, height);
    vu_WindowDestroy(w);
}

TEST(WindowPlace, ResizeAddsCaptionHeightUnlessKept)
{
    HWND w = NewWindow("Storlek", 50, 60, 180, 90);
    ASSERT_NE(w, nullptr);
    const int height = 90 + Caption();
    EXPECT_EQ(vu_WindowResize(w, 200, VU_KEEP), 0);
    ExpectRect(w, 50, 60, 200, height);
    EXPECT_EQ(vu_WindowResize(w, 200, 100), 0);
    ExpectRect(w, 50, 60, 200, 100 + Caption());
    EXPECT_EQ(vu_WindowResize(w, VU_KEEP, 40), 0);
    ExpectRect(w, 50, 60, 200, 40 + Caption());
    EXPECT_EQ(vu_WindowResize(w, VU_KEEP, VU_KEEP), 0);
    ExpectRect(w, 50, 60, 200, 40 + Caption());
    // The application's corner form: the same size as its creation call gives.
    EXPECT_EQ(vu_WindowResize(w, 146, 26), 0);
    ExpectRect(w, 50, 60, 146, 26 + Caption());
    vu_WindowDestroy(w);
}

TEST(WindowPlace, CenterSitsHalfACaptionAboveTheScreenCentre)
{
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    HWND w = NewWindow("Mitt", 10, 10, 320, 290 - Caption());
    ASSERT_NE(w, nullptr);
    ExpectRect(w, 10, 10, 320, 290);
    EXPECT_EQ(vu_WindowCenter(w), 0);
    // With a caption height of 19 this is (352, 229).
    ExpectRect(w, 352, (768 - (290 + Caption())) / 2, 320, 290);
    // Odd differences truncate: 1024 - 301 = 723 gives 361.
    vu_WindowResize(w, 301, 290 - Caption());
    EXPECT_EQ(vu_WindowCenter(w), 0);
    ExpectRect(w, 361, (768 - (290 + Caption())) / 2, 301, 290);
    // Wider than the screen: the left edge goes negative, truncating toward zero
    // (1024 - 1035 = -11 gives -5).
    vu_WindowResize(w, 1035, 290 - Caption());
    ASSERT_EQ(RectOf(w).right - RectOf(w).left, 1035);
    EXPECT_EQ(vu_WindowCenter(w), 0);
    EXPECT_EQ(RectOf(w).left, -5);
    vu_WindowDestroy(w);
}

// The application's two forms, switched by hide, resize/move, centre and show.
TEST(WindowPlace, ConfigurationAndCornerFormsOfTheApplication)
{
    HWND w = NewWindow("Form", 0, 0, 146, 26, "TOOLWIN_CLO");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(vu_WindowHide(w), 0);
    EXPECT_EQ(vu_WindowResize(w, 320, 270), 0);
    EXPECT_EQ(vu_WindowCenter(w), 0);
    EXPECT_EQ(vu_WindowShow(w), 0);
    ExpectRect(w, 352, (768 - (270 + 2 * Caption())) / 2, 320, 270 + Caption());
    EXPECT_EQ(vu_WindowHide(w), 0);
    EXPECT_EQ(vu_WindowMove(w, 0, 0), 0);
    EXPECT_EQ(vu_WindowResize(w, 146, 26), 0);
    EXPECT_EQ(vu_WindowShow(w), 0);
    ExpectRect(w, 0, 0, 146, 26 + Caption());
    EXPECT_TRUE(IsWindowVisible(w));
    vu_WindowDestroy(w);
}

TEST(WindowVisibility, HideSendsOneHidingMoveToTheOrigin)
{
    HWND w = NewWindow("Göm", 120, 130, 200, 100);
    ASSERT_NE(w, nullptr);
    std::vector<WINDOWPOS> changing;
    vu_test::SetMainWindowHandler([&](HWND hwnd, UINT msg, WPARAM, LPARAM lp, LRESULT*) {
        if (hwnd == w && msg == WM_WINDOWPOSCHANGING)
            changing.push_back(*reinterpret_cast<const WINDOWPOS*>(lp));
        return false;
    });
    vu_test::ClearMessages();
    EXPECT_EQ(vu_WindowHide(w), 0);
    vu_test::SetMainWindowHandler(nullptr);

    ASSERT_EQ(changing.size(), 1u);
    const UINT wanted = SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOZORDER;
    EXPECT_EQ(changing[0].flags & wanted, wanted);
    EXPECT_EQ(changing[0].flags & SWP_NOMOVE, 0u);
    EXPECT_EQ(changing[0].x, 0);
    EXPECT_EQ(changing[0].y, 0);
    // Changing comes first, then changed; hiding by position sends no WM_SHOWWINDOW and,
    // keeping the size, no WM_SIZE.
    std::vector<UINT> sequence;
    for (const vu_test::Message& m : vu_test::Messages())
        if (m.window == w) sequence.push_back(m.message);
    ASSERT_FALSE(sequence.empty());
    EXPECT_EQ(sequence.front(), static_cast<UINT>(WM_WINDOWPOSCHANGING));
    EXPECT_EQ(vu_test::CountMessages(WM_WINDOWPOSCHANGED, w), 1);
    EXPECT_EQ(vu_test::CountMessages(WM_SHOWWINDOW, w), 0);
    EXPECT_EQ(vu_test::CountMessages(WM_SIZE, w), 0);

    EXPECT_FALSE(IsWindowVisible(w));
    ExpectRect(w, 0, 0, 200, 100 + Caption());
    vu_WindowDestroy(w);
    EXPECT_EQ(vu_WindowHide(w), 1);
    EXPECT_EQ(vu_WindowHide(nullptr), 1);
}

TEST(WindowVisibility, ShowAndMaximizeReportThePreviousState)
{
    HWND w = NewWindow("Visa", 20, 20, 150, 80, "MIN_MAX_CLO");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(vu_WindowShow(w), 1);
    vu_WindowHide(w);
    EXPECT_EQ(vu_WindowShow(w), 0);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(vu_WindowMaximize(w), 0);
    EXPECT_TRUE(IsZoomed(w));
    ShowWindow(w, SW_RESTORE);
    vu_WindowHide(w);
    EXPECT_EQ(vu_WindowMaximize(w), 1);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_TRUE(IsZoomed(w));
    vu_WindowDestroy(w);
    // A stale handle was never visible.
    EXPECT_EQ(vu_WindowShow(w), 0);
    EXPECT_EQ(vu_WindowMaximize(w), 1);
}

TEST(WindowVisibility, StaleHandlesChangeNothingAndLeaveTheQueryAlone)
{
    HWND w = NewWindow("Borta", 0, 0, 100, 50);
    ASSERT_NE(w, nullptr);
    vu_WindowDestroy(w);
    vu_Query = {7, 8};
    EXPECT_EQ(vu_WindowGetPos(w), 0);
    EXPECT_EQ(vu_WindowGetSize(nullptr), 0);
    EXPECT_EQ(vu_Query.x, 7);
    EXPECT_EQ(vu_Query.y, 8);
    EXPECT_EQ(vu_WindowMove(w, VU_KEEP, 3), 0);
    EXPECT_EQ(vu_WindowResize(w, 10, VU_KEEP), 0);
    EXPECT_EQ(vu_WindowCenter(nullptr), 0);
    EXPECT_EQ(vu_WindowBorder(w, "NORMAL_SUNKEN"), 0);
    EXPECT_EQ(vu_WindowSizeFrame(nullptr, "ON"), 0);
    EXPECT_EQ(vu_WindowSetText(w, "x"), 0);
    EXPECT_EQ(vu_WindowBackColor(w, RGB(1, 2, 3)), 0);
    EXPECT_EQ(vu_WindowIcon(w, "TEST_ICON"), 0);
    EXPECT_EQ(vu_WindowSysIcon(nullptr, IDI_APPLICATION), 0);
    EXPECT_EQ(vu_WindowHasFocus(w), nullptr);
    EXPECT_EQ(vu_WindowHasFocus(nullptr), nullptr);
}

// vu_BorderChanged is shared by the whole process, so the words run in one ordered test.
TEST(WindowBorder, NormalSetsTheDialogFrameOnlyAfterAFrameWasRemoved)
{
    HWND w = NewWindow("Kant", 100, 110, 220, 120, "MIN_MAX_CLO");
    HWND other = NewWindow("Kant2", 400, 110, 220, 120, "MIN_MAX_CLO");
    ASSERT_NE(w, nullptr);
    ASSERT_NE(other, nullptr);
    const int height = 120 + Caption();
    const DWORD created = StyleOf(w) & kFrameBits;

    ASSERT_EQ(vu_BorderChanged, 0);
    EXPECT_EQ(vu_WindowBorder(w, "NORMAL"), 0);
    EXPECT_EQ(StyleOf(w) & kFrameBits, created);
    EXPECT_EQ(ExStyleOf(w), static_cast<DWORD>(WS_EX_WINDOWEDGE));
    EXPECT_EQ(vu_BorderChanged, 0);

    EXPECT_EQ(vu_WindowBorder(w, "NORMAL_SUNKEN"), 0);
    EXPECT_EQ(ExStyleOf(w) & ~WS_EX_WINDOWEDGE, static_cast<DWORD>(WS_EX_CLIENTEDGE));
    EXPECT_EQ(StyleOf(w) & kFrameBits, created);

    EXPECT_EQ(vu_WindowBorder(w, "TRANSPARENT"), 0);
    EXPECT_EQ(ExStyleOf(w) & ~WS_EX_WINDOWEDGE, static_cast<DWORD>(WS_EX_TRANSPARENT));
    EXPECT_EQ(vu_BorderChanged, 1);

    EXPECT_EQ(vu_WindowBorder(w, "FLAT"), 0);
    EXPECT_EQ(StyleOf(w) & ~kPlatformStyle, static_cast<DWORD>(WS_POPUP));
    EXPECT_EQ(vu_WindowBorder(w, "FLAT_BORDER"), 0);
    EXPECT_EQ(StyleOf(w) & ~kPlatformStyle, static_cast<DWORD>(WS_POPUP | WS_BORDER));
    EXPECT_EQ(vu_WindowBorder(w, "SUNKEN"), 0);
    EXPECT_EQ(StyleOf(w) & ~kPlatformStyle, static_cast<DWORD>(WS_POPUP));
    EXPECT_EQ(ExStyleOf(w) & ~WS_EX_WINDOWEDGE, static_cast<DWORD>(WS_EX_CLIENTEDGE));
    ExpectRect(w, 100, 110, 220, height);
    EXPECT_TRUE(IsWindowVisible(w));

    // Lower-case and unknown words change nothing but still show the window normal.
    const DWORD style = StyleOf(w);
    const DWORD ex_style = ExStyleOf(w);
    ShowWindow(w, SW_HIDE);
    EXPECT_EQ(vu_WindowBorder(w, "flat_border"), 0);
    EXPECT_EQ(vu_WindowBorder(w, nullptr), 0);
    EXPECT_EQ(StyleOf(w), style);
    EXPECT_EQ(ExStyleOf(w), ex_style);
    EXPECT_TRUE(IsWindowVisible(w));

    // Now NORMAL also gives the dialog frame, on any window.
    EXPECT_EQ(vu_WindowBorder(other, "NORMAL"), 0);
    EXPECT_EQ(StyleOf(other) & kFrameBits, static_cast<DWORD>(WS_DLGFRAME));
    EXPECT_EQ(ExStyleOf(other), static_cast<DWORD>(WS_EX_WINDOWEDGE));
    ExpectRect(other, 400, 110, 220, height);
    EXPECT_TRUE(IsWindowVisible(other));
    EXPECT_EQ(vu_BorderChanged, 1);
    vu_WindowDestroy(w);
    vu_WindowDestroy(other);
}

TEST(WindowBorder, SizeFrameOnAddsAndOffToggles)
{
    HWND w = NewWindow("Ram", 140, 150, 210, 110);
    ASSERT_NE(w, nullptr);
    const int height = 110 + Caption();
    ASSERT_EQ(StyleOf(w) & WS_THICKFRAME, 0u);
    const DWORD others = StyleOf(w) & ~WS_THICKFRAME;
    EXPECT_EQ(vu_WindowSizeFrame(w, "ON"), 0);
    EXPECT_EQ(StyleOf(w), others | WS_THICKFRAME);
    EXPECT_EQ(vu_WindowSizeFrame(w, "ON"), 0);
    EXPECT_EQ(StyleOf(w), others | WS_THICKFRAME);
    ExpectRect(w, 140, 150, 210, height);
    EXPECT_EQ(vu_WindowSizeFrame(w, "OFF"), 0);
    EXPECT_EQ(StyleOf(w), others);
    EXPECT_EQ(vu_WindowSizeFrame(w, "OFF"), 0);
    EXPECT_EQ(StyleOf(w), others | WS_THICKFRAME);
    EXPECT_EQ(vu_WindowSizeFrame(w, "off"), 0);
    EXPECT_EQ(vu_WindowSizeFrame(w, nullptr), 0);
    EXPECT_EQ(StyleOf(w), others | WS_THICKFRAME);
    ExpectRect(w, 140, 150, 210, height);
    ShowWindow(w, SW_HIDE);
    EXPECT_EQ(vu_WindowSizeFrame(w, "OFF"), 0);
    EXPECT_TRUE(IsWindowVisible(w));
    EXPECT_EQ(StyleOf(w), others);
    vu_WindowDestroy(w);
}

TEST(WindowText, SetAndGetTheTitleWithinTheBuffer)
{
    HWND w = NewWindow("Text", 0, 0, 200, 60);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(vu_WindowSetText(w, "Vindrulen"), 0);
    char caption[64] = {};
    GetWindowTextA(w, caption, sizeof caption);
    EXPECT_STREQ(caption, "Vindrulen");

    // max 5 of nine characters: five and a NUL; bytes past max + 1 stay untouched.
    char buf[16];
    std::memset(buf, '#', sizeof buf);
    EXPECT_EQ(vu_WindowGetText(w, buf, 5), 5);
    EXPECT_EQ(std::string(buf, 6), std::string("Vindr\0", 6));
    for (size_t i = 6; i < sizeof buf; ++i) EXPECT_EQ(buf[i], '#') << i;

    std::memset(buf, '#', sizeof buf);
    EXPECT_EQ(vu_WindowGetText(w, buf, 0), 0);
    EXPECT_EQ(buf[0], '\0');
    EXPECT_EQ(buf[1], '#');
    std::memset(buf, '#', sizeof buf);
    EXPECT_EQ(vu_WindowGetText(w, buf, -3), 0);
    EXPECT_EQ(buf[0], '#');
    EXPECT_EQ(vu_WindowGetText(w, nullptr, 5), 0);

    char wide[100];
    EXPECT_EQ(vu_WindowGetText(w, wide, 99), 9);
    EXPECT_STREQ(wide, "Vindrulen");

    // Windows-1252 bytes pass unchanged.
    EXPECT_EQ(vu_WindowSetText(w, "Beredskapsläge"), 0);
    EXPECT_EQ(vu_WindowGetText(w, wide, 99), 14);
    EXPECT_EQ(static_cast<unsigned char>(wide[11]), 0xE4);

    EXPECT_EQ(vu_WindowSetText(w, nullptr), 0);
    EXPECT_EQ(GetWindowTextLengthA(w), 0);
    vu_WindowDestroy(w);
    std::memset(buf, '#', sizeof buf);
    EXPECT_EQ(vu_WindowGetText(w, buf, 10), 0);
    EXPECT_EQ(buf[0], '\0');
}

COLORREF ClientPixel(HWND w, int x, int y)
{
    HDC dc = GetDC(w);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(w, dc);
    return c;
}

TEST(WindowLook, BackColorPaintsAndReleasesTheReplacedBrush)
{
    HWND w = NewWindow("Färg", 300, 300, 160, 100);
    ASSERT_NE(w, nullptr);
    SetForegroundWindow(w);
    UpdateWindow(w);
    EXPECT_EQ(ClientPixel(w, 20, 20), RGB(0xC0, 0xC0, 0xC0));

    EXPECT_EQ(vu_WindowBackColor(w, RGB(0xFF, 0, 0)), 0);
    const HGDIOBJ red = reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(w, GCLP_HBRBACKGROUND));
    EXPECT_EQ(GetObjectType(red), static_cast<DWORD>(OBJ_BRUSH));
    UpdateWindow(w);
    EXPECT_EQ(ClientPixel(w, 20, 20), RGB(0xFF, 0, 0));
    // The stock grey brush it replaced is the platform's and stays valid.
    EXPECT_EQ(GetObjectType(GetStockObject(LTGRAY_BRUSH)), static_cast<DWORD>(OBJ_BRUSH));

    EXPECT_EQ(vu_WindowBackColor(w, RGB(0, 0x80, 0xFF)), 0);
    UpdateWindow(w);
    EXPECT_EQ(ClientPixel(w, 20, 20), RGB(0, 0x80, 0xFF));
    EXPECT_EQ(ClientPixel(w, 150, 70), RGB(0, 0x80, 0xFF));
    EXPECT_EQ(GetObjectType(red), 0u);  // the toolkit's own brush, released
    vu_WindowDestroy(w);
}

TEST(WindowLook, RedrawInvalidatesWithOrWithoutErase)
{
    HWND w = NewWindow("Rita", 320, 200, 160, 100);
    ASSERT_NE(w, nullptr);
    UpdateWindow(w);
    vu_test::ClearMessages();
    EXPECT_EQ(vu_WindowRedraw(w, "ERASED"), 0);
    RECT update;
    EXPECT_TRUE(GetUpdateRect(w, &update, FALSE));
    UpdateWindow(w);
    EXPECT_EQ(vu_test::CountMessages(WM_PAINT, w), 1);
    EXPECT_EQ(vu_test::CountMessages(WM_ERASEBKGND, w), 1);

    vu_test::ClearMessages();
    EXPECT_EQ(vu_WindowRedraw(w, "UNERASED"), 0);
    UpdateWindow(w);
    EXPECT_EQ(vu_test::CountMessages(WM_PAINT, w), 1);
    EXPECT_EQ(vu_test::CountMessages(WM_ERASEBKGND, w), 0);

    EXPECT_EQ(vu_WindowRedraw(w, "erased"), 1);
    EXPECT_EQ(vu_WindowRedraw(w, nullptr), 1);
    EXPECT_FALSE(GetUpdateRect(w, &update, FALSE));
    vu_WindowDestroy(w);
    EXPECT_EQ(vu_WindowRedraw(w, "ERASED"), 1);
}

TEST(WindowLook, FocusMovesBetweenWindows)
{
    HWND a = NewWindow("FokusA", 10, 400, 120, 60);
    HWND b = NewWindow("FokusB", 200, 400, 120, 60);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    vu_WindowSetFocus(a);
    EXPECT_EQ(vu_WindowHasFocus(a), a);
    EXPECT_EQ(vu_WindowSetFocus(b), a);
    EXPECT_EQ(vu_WindowHasFocus(b), b);
    EXPECT_EQ(vu_WindowHasFocus(a), nullptr);
    EXPECT_EQ(GetFocus(), b);
    EXPECT_EQ(vu_WindowSetFocus(b), b);
    vu_WindowDestroy(b);
    EXPECT_EQ(vu_WindowSetFocus(b), nullptr);  // a stale handle takes no focus
    vu_WindowDestroy(a);
}

TEST(WindowLook, ClassIconFromTheModuleAndFromThePlatform)
{
    HWND w = NewWindow("Ikon", 10, 500, 120, 60);
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(GetClassLongPtrA(w, GCLP_HICON), 0);
    EXPECT_EQ(vu_WindowIcon(w, "TEST_ICON"), 0);
    const HICON icon = reinterpret_cast<HICON>(GetClassLongPtrA(w, GCLP_HICON));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon, LoadIconA(Self(), "TEST_ICON"));
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bm = {};
    GetObjectA(info.hbmColor, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, 32);
    EXPECT_EQ(bm.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);

    EXPECT_EQ(vu_WindowSysIcon(w, IDI_APPLICATION), 0);
    EXPECT_EQ(reinterpret_cast<HICON>(GetClassLongPtrA(w, GCLP_HICON)),
              LoadIconA(nullptr, IDI_APPLICATION));
    EXPECT_NE(GetClassLongPtrA(w, GCLP_HICON), reinterpret_cast<LONG_PTR>(icon));
    vu_WindowDestroy(w);
}

}  // namespace
