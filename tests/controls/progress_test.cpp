// Progress bar: styles by frame word, range and step, replacement, class colour, geometry.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "lists_test_util.h"

namespace {

using lists_test::NewParent;
using lists_test::StyleOf;

int Position(HWND bar) { return static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0)); }
int Maximum(HWND bar) { return static_cast<int>(SendMessageA(bar, PBM_GETRANGE, FALSE, 0)); }

TEST(Progress, FrameWordsGiveTheirStyles)
{
    HWND parent = NewParent("Progress styles");
    struct Case {
        const char* word;
        DWORD style;
    } cases[] = {{"NORMAL", 0x50000000}, {"SUNKEN", 0x50400000}, {"sunken", 0x50000000},
                 {"BAR", 0x50000000},    {nullptr, 0x50000000}};
    for (const Case& c : cases) {
        HWND bar = vu_Progress(parent, 5, 6, 200, 20, c.word, 100, 1);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(lists_test::ClassOf(bar), "msctls_progress32");
        EXPECT_EQ(StyleOf(bar), c.style) << (c.word ? c.word : "(null)");
        EXPECT_EQ(GetDlgCtrlID(bar), 0);
        EXPECT_EQ(GetParent(bar), parent);
        EXPECT_EQ(GetWindowLongPtrA(bar, GWLP_HINSTANCE),
                  GetWindowLongPtrA(parent, GWLP_HINSTANCE));
        char text[8] = "x";
        GetWindowTextA(bar, text, sizeof text);
        EXPECT_STREQ(text, "");
    }
    EXPECT_EQ(lists_test::ExStyleOf(vu_Progress(parent, 0, 0, 9, 9, "NORMAL", 1, 1)), 0u);
    DestroyWindow(parent);
}

TEST(Progress, StepsAdvanceWithinTheSixteenBitRange)
{
    HWND parent = NewParent("Progress steps");
    HWND bar = vu_Progress(parent, 5, 5, 200, 20, "NORMAL", 200, 10);
    EXPECT_EQ(Maximum(bar), 200);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(vu_ProgressStep(bar), 0);
    EXPECT_EQ(Position(bar), 100);

    HWND wide = vu_Progress(parent, 5, 30, 200, 20, "NORMAL", 65536 + 300, 7);
    EXPECT_EQ(Maximum(wide), 300);
    vu_ProgressStep(wide);
    EXPECT_EQ(Position(wide), 7);
    EXPECT_EQ(Maximum(vu_Progress(parent, 5, 60, 200, 20, "NORMAL", 65535, 1)), 65535);
    DestroyWindow(parent);
}

TEST(Progress, RecreateReplacesTheBarInTheSameParent)
{
    HWND parent = NewParent("Progress recreate");
    HWND old = vu_Progress(parent, 5, 5, 200, 20, "NORMAL", 50, 10);
    vu_ProgressStep(old);
    HWND bar = vu_ProgressRecreate(old, 10, 40, 150, 18, "SUNKEN", 80, 5);
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(GetParent(bar), parent);
    EXPECT_EQ(StyleOf(bar), 0x50400000u);
    EXPECT_EQ(Maximum(bar), 80);
    EXPECT_EQ(Position(bar), 0);  // the old position is not carried over
    RECT r = lists_test::RectInParent(bar);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right - r.left, 150);
    vu_ProgressStep(bar);
    EXPECT_EQ(Position(bar), 5);
    DestroyWindow(parent);
}

COLORREF BrushColour(HBRUSH brush)
{
    LOGBRUSH lb = {};
    GetObjectA(brush, sizeof lb, &lb);
    return lb.lbColor;
}

HBRUSH ClassBrush(HWND w)
{
    return reinterpret_cast<HBRUSH>(GetClassLongPtrA(w, GCLP_HBRBACKGROUND));
}

TEST(Progress, SetColorColoursTheSharedClassAndReleasesOnlyItsOwnBrushes)
{
    HWND parent = NewParent("Progress colour");
    HWND a = vu_Progress(parent, 5, 5, 200, 20, "NORMAL", 10, 1);
    HWND b = vu_Progress(parent, 5, 40, 200, 20, "NORMAL", 10, 1);
    HBRUSH platform = ClassBrush(a);
    EXPECT_EQ(vu_ProgressSetColor(a, RGB(10, 20, 30)), 0);
    HBRUSH first = ClassBrush(a);
    EXPECT_NE(first, platform);
    EXPECT_EQ(BrushColour(first), RGB(10, 20, 30));
    EXPECT_EQ(ClassBrush(b), first);  // every progress bar shares the class
    if (platform != nullptr) {
        EXPECT_NE(GetObjectType(platform), 0u);  // not ours: kept
    }

    EXPECT_EQ(vu_ProgressSetColor(b, RGB(200, 100, 0)), 0);
    EXPECT_EQ(BrushColour(ClassBrush(a)), RGB(200, 100, 0));
    EXPECT_EQ(GetObjectType(first), 0u);  // the toolkit's replaced brush is released
    DestroyWindow(parent);
}

TEST(Progress, GeometryMembersPlaceTheBar)
{
    HWND parent = NewParent("Progress geometry", 320, 270);
    HWND bar = vu_Progress(parent, 5, 5, 100, 25, "NORMAL", 10, 1);
    EXPECT_EQ(vu_ProgressMove(bar, 30, 40), 0);
    EXPECT_EQ(vu_ProgressGetPos(bar), 0);
    EXPECT_EQ(vu_Query.x, 30);
    EXPECT_EQ(vu_Query.y, 40);
    EXPECT_EQ(vu_ProgressResize(bar, 120, 22), 0);
    EXPECT_EQ(vu_ProgressGetSize(bar), 0);
    EXPECT_EQ(vu_Query.x, 120);
    EXPECT_EQ(vu_Query.y, 22);
    EXPECT_EQ(vu_ProgressCenter(bar), 0);
    RECT client;
    GetClientRect(parent, &client);
    RECT r = lists_test::RectInParent(bar);
    EXPECT_EQ(r.left, client.right / 2 - 60);
    EXPECT_EQ(r.top, client.bottom / 2 - 11);
    EXPECT_EQ(vu_ProgressFit(bar, 10, 10, -20, -20), 0);
    r = lists_test::RectInParent(bar);
    EXPECT_EQ(r.right, client.right - 10);
    EXPECT_EQ(r.bottom, client.bottom - 10);
    EXPECT_EQ(vu_ProgressHide(bar), 0);
    EXPECT_EQ(vu_ProgressHide(bar), 1);
    EXPECT_EQ(vu_ProgressShow(bar), 0);
    EXPECT_EQ(vu_ProgressShow(bar), 1);
    EXPECT_EQ(vu_ProgressDestroy(bar), 0);
    EXPECT_EQ(vu_ProgressDestroy(bar), 1);
    EXPECT_EQ(vu_ProgressMove(bar, 1, 1), 1);
    DestroyWindow(parent);
}

}  // namespace
