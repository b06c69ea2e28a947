// Trackbar: styles by orientation and frame words, range, page size and position, the
// query words, replacement, geometry and focus, and a real click on the channel.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include "lists_test_util.h"

namespace {

using lists_test::ExStyleOf;
using lists_test::NewParent;
using lists_test::StyleOf;

TEST(Trackbar, OrientationAndFrameWordsGiveTheirStyles)
{
    HWND parent = NewParent("Trackbar styles");
    struct Case {
        const char* orientation;
        const char* frame;
        DWORD style;
        DWORD ex_style;
    } cases[] = {
        {"H", "NORMAL", 0x50000001, 0},
        {"V", "EDGE", 0x50400003, WS_EX_CLIENTEDGE},
        {"V", "SUNKEN", 0x50000003, WS_EX_CLIENTEDGE},
        {"H", "BAR", 0x50400001, 0},
        {"v", "edge", 0x50000001, 0},
        {nullptr, nullptr, 0x50000001, 0},
    };
    for (const Case& c : cases) {
        HWND bar = vu_Trackbar(parent, c.orientation, 5, 5, 150, 150, c.frame, 10, 2, 3);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(lists_test::ClassOf(bar), "msctls_trackbar32");
        EXPECT_EQ(StyleOf(bar), c.style) << (c.frame ? c.frame : "(null)");
        EXPECT_EQ(ExStyleOf(bar) & WS_EX_CLIENTEDGE, c.ex_style) << (c.frame ? c.frame : "(null)");
        EXPECT_EQ(GetDlgCtrlID(bar), 0);
        DestroyWindow(bar);
    }
    DestroyWindow(parent);
}

TEST(Trackbar, QueryWordsAnswerTheValuesSet)
{
    HWND parent = NewParent("Trackbar query");
    HWND bar = vu_Trackbar(parent, "H", 5, 5, 300, 40, "NORMAL", 50, 5, 20);
    EXPECT_EQ(vu_TrackbarGet(bar, "SLIDERPOSNR"), 50);
    EXPECT_EQ(vu_TrackbarGet(bar, "CLICKSTEPS"), 5);
    EXPECT_EQ(vu_TrackbarGet(bar, "SLIDERPOS"), 20);
    EXPECT_EQ(vu_TrackbarGet(bar, "TICS"), 51);  // automatic ticks at every value 0..50
    const int thumb = vu_TrackbarGet(bar, "BUTTLENGTH");
    EXPECT_GT(thumb, 0);
    EXPECT_EQ(thumb, static_cast<int>(SendMessageA(bar, TBM_GETTHUMBLENGTH, 0, 0)));
    EXPECT_EQ(vu_TrackbarSetPos(bar, 7), 0);
    EXPECT_EQ(vu_TrackbarGet(bar, "SLIDERPOS"), 7);
    for (const char* unknown : {"sliderpos", "", "POS", static_cast<const char*>(nullptr)})
        EXPECT_EQ(vu_TrackbarGet(bar, unknown), 0);

    HWND wide = vu_Trackbar(parent, "H", 5, 60, 300, 40, "NORMAL", 65536 + 40, 4, 1);
    EXPECT_EQ(vu_TrackbarGet(wide, "SLIDERPOSNR"), 40);  // low 16 bits of the maximum
    DestroyWindow(parent);
}

TEST(Trackbar, ClickOnTheChannelMovesTheSliderByThePageSize)
{
    HWND parent = NewParent("Trackbar click");
    HWND bar = vu_Trackbar(parent, "H", 10, 10, 300, 40, "NORMAL", 100, 25, 0);
    ASSERT_TRUE(lists_test::Foreground(parent));
    RECT channel = {};
    SendMessageA(bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    lists_test::ClickAt(bar, {channel.right - 10, (channel.top + channel.bottom) / 2});
    EXPECT_TRUE(vu_test::WaitFor([&] { return vu_TrackbarGet(bar, "SLIDERPOS") != 0; }));
    EXPECT_EQ(vu_TrackbarGet(bar, "SLIDERPOS"), 25);
    DestroyWindow(parent);
}

TEST(Trackbar, RecreateReplacesTheBarInTheSameParent)
{
    HWND parent = NewParent("Trackbar recreate");
    HWND old = vu_Trackbar(parent, "H", 5, 5, 200, 40, "NORMAL", 10, 1, 4);
    HWND bar = vu_TrackbarRecreate(old, "V", 20, 30, 40, 200, "BAR", 30, 6, 9);
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(GetParent(bar), parent);
    EXPECT_EQ(StyleOf(bar), 0x50400003u);
    EXPECT_EQ(vu_TrackbarGet(bar, "SLIDERPOSNR"), 30);
    EXPECT_EQ(vu_TrackbarGet(bar, "CLICKSTEPS"), 6);
    EXPECT_EQ(vu_TrackbarGet(bar, "SLIDERPOS"), 9);
    RECT r = lists_test::RectInParent(bar);
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 30);
    DestroyWindow(parent);
}

TEST(Trackbar, GeometryFocusAndStateMembers)
{
    HWND parent = NewParent("Trackbar geometry", 320, 270);
    HWND bar = vu_Trackbar(parent, "H", 5, 5, 100, 30, "NORMAL", 10, 1, 0);
    EXPECT_EQ(vu_TrackbarMove(bar, 12, 34), 0);
    EXPECT_EQ(vu_TrackbarGetPos(bar), 0);
    EXPECT_EQ(vu_Query.x, 12);
    EXPECT_EQ(vu_Query.y, 34);
    EXPECT_EQ(vu_TrackbarResize(bar, 140, 36), 0);
    EXPECT_EQ(vu_TrackbarGetSize(bar), 0);
    EXPECT_EQ(vu_Query.x, 140);
    EXPECT_EQ(vu_Query.y, 36);
    EXPECT_EQ(vu_TrackbarCenter(bar), 0);
    RECT client;
    GetClientRect(parent, &client);
    EXPECT_EQ(lists_test::RectInParent(bar).left, client.right / 2 - 70);
    EXPECT_EQ(vu_TrackbarFit(bar, 10, 10, -20, -20), 0);
    EXPECT_EQ(lists_test::RectInParent(bar).right, client.right - 10);

    EXPECT_EQ(vu_TrackbarDisable(bar), 0);
    EXPECT_EQ(vu_TrackbarDisable(bar), 1);
    EXPECT_FALSE(IsWindowEnabled(bar));
    EXPECT_EQ(vu_TrackbarEnable(bar), 0);
    EXPECT_EQ(vu_TrackbarEnable(bar), 1);
    EXPECT_EQ(vu_TrackbarRedraw(bar, "ERASED"), 0);
    EXPECT_EQ(vu_TrackbarRedraw(bar, "UNERASED"), 0);
    EXPECT_EQ(vu_TrackbarRedraw(bar, "erased"), 1);
    EXPECT_EQ(vu_TrackbarRedraw(bar, nullptr), 1);

    ASSERT_TRUE(lists_test::Foreground(parent));
    SetFocus(parent);
    EXPECT_EQ(vu_TrackbarSetFocus(bar), parent);
    EXPECT_EQ(GetFocus(), bar);
    EXPECT_EQ(vu_TrackbarDropFocus(nullptr), bar);
    EXPECT_EQ(GetFocus(), nullptr);

    EXPECT_EQ(vu_TrackbarHide(bar), 0);
    EXPECT_EQ(vu_TrackbarHide(bar), 1);
    EXPECT_EQ(vu_TrackbarShow(bar), 0);
    EXPECT_EQ(vu_TrackbarShow(bar), 1);
    EXPECT_EQ(vu_TrackbarDestroy(bar), 0);
    EXPECT_EQ(vu_TrackbarDestroy(bar), 1);
    DestroyWindow(parent);
}

}  // namespace
