// Up-down controls of both kinds: styles, id, limits and position, the scroll messages
// that real clicks on their arrows send, the position read out of those messages, and the
// geometry members that serve both kinds.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "control_fixture.h"
#include "toolbar_mouse.h"

namespace {

using control_test::Parent;
using control_test::RectInParent;

LONG Style(HWND w) { return GetWindowLongA(w, GWL_STYLE); }

// The style a window was asked to be created with (the up-down control draws its border
// itself and may drop WS_BORDER from its window style afterwards).
LONG g_created_style = 0;
LRESULT CALLBACK RecordCreate(int code, WPARAM wparam, LPARAM lparam)
{
    if (code == HCBT_CREATEWND)
        g_created_style = reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs->style;
    return CallNextHookEx(nullptr, code, wparam, lparam);
}
struct CreateRecorder {
    HHOOK hook = SetWindowsHookExA(WH_CBT, RecordCreate, nullptr, GetCurrentThreadId());
    ~CreateRecorder() { UnhookWindowsHookEx(hook); }
};

void ExpectRect(HWND w, int x, int y, int width, int height)
{
    const RECT r = RectInParent(w);
    EXPECT_EQ(r.left, x);
    EXPECT_EQ(r.top, y);
    EXPECT_EQ(r.right - r.left, width);
    EXPECT_EQ(r.bottom - r.top, height);
}

TEST(UpDown, BothKindsWithBorderLimitsAndPosition)
{
    HWND parent = Parent("Pilar");
    CreateRecorder recorder;
    HWND vertical = vu_UpDown(parent, 10, 20, 18, 40, "B", 50, -10, 7);
    EXPECT_EQ(g_created_style, 0x50800000);
    HWND horizontal = vu_UpDownHorz(parent, 40, 20, 40, 18, "B", 9, 1, 3);
    EXPECT_EQ(g_created_style, 0x50800040);
    ASSERT_NE(vertical, nullptr);
    ASSERT_NE(horizontal, nullptr);
    char name[64] = {};
    GetClassNameA(vertical, name, sizeof name);
    EXPECT_STREQ(name, UPDOWN_CLASSA);
    EXPECT_EQ(Style(vertical) & ~WS_BORDER, 0x50000000);
    EXPECT_EQ(Style(horizontal) & ~WS_BORDER, 0x50000040);
    // Both carry id 9: they are told apart by handle.
    EXPECT_EQ(GetDlgCtrlID(vertical), 9);
    EXPECT_EQ(GetDlgCtrlID(horizontal), 9);
    EXPECT_EQ(GetParent(vertical), parent);
    EXPECT_EQ(GetWindowLongPtrA(vertical, GWLP_HINSTANCE),
              GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    EXPECT_EQ(SendMessageA(vertical, UDM_GETBUDDY, 0, 0), 0);
    ExpectRect(vertical, 10, 20, 18, 40);
    ExpectRect(horizontal, 40, 20, 40, 18);
    int lower = 0, upper = 0;
    SendMessageA(vertical, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                 reinterpret_cast<LPARAM>(&upper));
    EXPECT_EQ(lower, -10);
    EXPECT_EQ(upper, 50);
    EXPECT_EQ(LOWORD(SendMessageA(vertical, UDM_GETPOS, 0, 0)), 7);
    SendMessageA(horizontal, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&lower),
                 reinterpret_cast<LPARAM>(&upper));
    EXPECT_EQ(lower, 1);
    EXPECT_EQ(upper, 9);
    EXPECT_EQ(LOWORD(SendMessageA(horizontal, UDM_GETPOS, 0, 0)), 3);

    // Border words other than "B" add nothing.
    for (const char* word : {"b", "BORDER", "", static_cast<const char*>(nullptr)}) {
        HWND plain = vu_UpDown(parent, 0, 0, 10, 10, word, 1, 0, 0);
        EXPECT_EQ(g_created_style, 0x50000000) << (word ? word : "(null)");
        EXPECT_EQ(Style(plain), 0x50000000) << (word ? word : "(null)");
        vu_UpDownDestroy(plain);
        plain = vu_UpDownHorz(parent, 0, 0, 10, 10, word, 1, 0, 0);
        EXPECT_EQ(g_created_style, 0x50000040) << (word ? word : "(null)");
        EXPECT_EQ(Style(plain), 0x50000040) << (word ? word : "(null)");
        vu_UpDownDestroy(plain);
    }
    EXPECT_EQ(vu_UpDown(nullptr, 0, 0, 10, 10, "B", 1, 0, 0), nullptr);
    EXPECT_EQ(vu_UpDownHorz(nullptr, 0, 0, 10, 10, "B", 1, 0, 0), nullptr);
    vu_WindowDestroy(parent);
}

TEST(UpDown, PositionOutOfTheScrollMessage)
{
    HWND parent = Parent("Position");
    HWND a = vu_UpDown(parent, 0, 0, 18, 40, "", 10, 0, 0);
    HWND b = vu_UpDownHorz(parent, 30, 0, 40, 18, "", 10, 0, 0);
    const LPARAM from_a = reinterpret_cast<LPARAM>(a);
    const WPARAM five_four = MAKEWPARAM(4, 5);
    EXPECT_EQ(vu_UpDownPos(a, five_four, from_a), 5);
    EXPECT_EQ(vu_UpDownHorzPos(a, five_four, from_a), 5);
    // Either order of the two parameters.
    EXPECT_EQ(vu_UpDownPos(a, static_cast<WPARAM>(from_a), static_cast<LPARAM>(five_four)), 5);
    // Another control's message, or a scroll bar's (no handle), is not this one's.
    EXPECT_EQ(vu_UpDownPos(b, five_four, from_a), -1);
    EXPECT_EQ(vu_UpDownHorzPos(b, five_four, from_a), -1);
    EXPECT_EQ(vu_UpDownPos(a, five_four, 0), -1);
    EXPECT_EQ(vu_UpDownPos(nullptr, five_four, 0), -1);
    // A negative position comes back in its unsigned 16-bit form.
    EXPECT_EQ(vu_UpDownPos(a, MAKEWPARAM(SB_THUMBPOSITION, static_cast<WORD>(-1)), from_a), 65535);
    EXPECT_EQ(vu_UpDownPos(a, MAKEWPARAM(SB_THUMBPOSITION, 0), from_a), 0);
    vu_WindowDestroy(parent);
}

// The last scroll message of this kind that reached parent from control, as the position
// vu_UpDownPos reads out of it; -2 when there was none.
int LastScrollPos(HWND parent, UINT message, HWND control)
{
    int pos = -2;
    for (const vu_test::Message& m : vu_test::Messages())
        if (m.window == parent && m.message == message &&
            m.lparam == reinterpret_cast<LPARAM>(control) && LOWORD(m.wparam) != SB_ENDSCROLL)
            pos = vu_UpDownPos(control, m.wparam, m.lparam);
    return pos;
}

TEST(UpDown, ArrowClicksReachTheParentWithThePosition)
{
    HWND parent = Parent("Pilklick");
    HWND vertical = vu_UpDown(parent, 20, 20, 20, 40, "", 10, 0, 5);
    HWND horizontal = vu_UpDownHorz(parent, 80, 20, 40, 20, "", 10, 0, 5);
    ASSERT_TRUE(toolbar_mouse::ToFront(parent));
    vu_test::ClearMessages();

    // The upper arrow of the vertical kind steps up, the lower one down.
    toolbar_mouse::Click(toolbar_mouse::CentreOf(parent, {20, 20, 40, 30}));
    EXPECT_TRUE(vu_test::WaitFor(
        [&] { return LastScrollPos(parent, WM_VSCROLL, vertical) == 6; }, 3000));
    toolbar_mouse::Click(toolbar_mouse::CentreOf(parent, {20, 50, 40, 60}));
    toolbar_mouse::Click(toolbar_mouse::CentreOf(parent, {20, 50, 40, 60}));
    EXPECT_TRUE(vu_test::WaitFor(
        [&] { return LastScrollPos(parent, WM_VSCROLL, vertical) == 4; }, 3000));
    // The right arrow of the horizontal kind steps up, and it reports with WM_HSCROLL.
    toolbar_mouse::Click(toolbar_mouse::CentreOf(parent, {100, 20, 120, 40}));
    EXPECT_TRUE(vu_test::WaitFor(
        [&] { return LastScrollPos(parent, WM_HSCROLL, horizontal) == 6; }, 3000));
    EXPECT_EQ(LastScrollPos(parent, WM_VSCROLL, horizontal), -2);
    EXPECT_EQ(LastScrollPos(parent, WM_HSCROLL, vertical), -2);
    toolbar_mouse::At(0, 0);
    vu_WindowDestroy(parent);
}

TEST(UpDown, GeometryMembersServeBothKinds)
{
    HWND parent = Parent("Pilgeometri", 315, 251);
    HWND vertical = vu_UpDown(parent, 5, 5, 100, 25, "", 10, 0, 0);
    HWND horizontal = vu_UpDownHorz(parent, 5, 40, 100, 25, "B", 10, 0, 0);
    for (HWND c : {vertical, horizontal}) {
        EXPECT_EQ(vu_UpDownCenter(c), 0);
        ExpectRect(c, 107, 113, 100, 25);
        EXPECT_EQ(vu_UpDownGetPos(c), 0);
        EXPECT_EQ(vu_Query.x, 107);
        EXPECT_EQ(vu_Query.y, 113);
        EXPECT_EQ(vu_UpDownMove(c, 12, 14), 0);
        EXPECT_EQ(vu_UpDownResize(c, 30, 44), 0);
        ExpectRect(c, 12, 14, 30, 44);
        EXPECT_EQ(vu_UpDownGetSize(c), 0);
        EXPECT_EQ(vu_Query.x, 30);
        EXPECT_EQ(vu_Query.y, 44);
        EXPECT_EQ(vu_UpDownFit(c, 10, 10, -20, -20), 0);
        ExpectRect(c, 10, 10, 295, 231);
        EXPECT_EQ(vu_UpDownHide(c), 0);
        EXPECT_EQ(vu_UpDownHide(c), 1);
        EXPECT_EQ(vu_UpDownShow(c), 0);
        EXPECT_EQ(vu_UpDownShow(c), 1);
        EXPECT_EQ(vu_UpDownDisable(c), 0);
        EXPECT_EQ(vu_UpDownDisable(c), 1);
        EXPECT_EQ(vu_UpDownEnable(c), 0);
        EXPECT_EQ(vu_UpDownEnable(c), 1);
        EXPECT_EQ(vu_UpDownRedraw(c, "ERASED"), 0);
        EXPECT_EQ(vu_UpDownRedraw(c, "UNERASED"), 0);
        EXPECT_EQ(vu_UpDownRedraw(c, "erased"), 1);
        EXPECT_EQ(vu_UpDownRedraw(c, nullptr), 1);
        EXPECT_EQ(vu_UpDownDestroy(c), 0);
        EXPECT_EQ(vu_UpDownDestroy(c), 1);
        EXPECT_EQ(vu_UpDownMove(c, 1, 1), 1);
        EXPECT_EQ(vu_UpDownRedraw(c, "ERASED"), 1);
    }
    vu_WindowDestroy(parent);
}

}  // namespace
