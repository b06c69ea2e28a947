// Up-down controls of both kinds: style, border word, id, limits and position as created,
// and the position read out of a scroll message.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "query.h"

namespace {

// The style a window was asked to be created with (the up-down control draws its border
// itself and drops WS_BORDER from its window style).
DWORD g_created = 0;
LRESULT CALLBACK RecordCreate(int code, WPARAM wparam, LPARAM lparam)
{
    if (code == HCBT_CREATEWND) g_created = reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs->style;
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

TEST(UpDown, KindsBorderWordsLimitsAndPosition)
{
    using Make = HWND (*)(HWND, int, int, int, int, const char*, int, int, int);
    const struct {
        Make make;
        const char* border;
        DWORD style;
    } cases[] = {{vu_UpDown, "B", 0x50800000},     {vu_UpDownHorz, "B", 0x50800040},
                 {vu_UpDown, "b", 0x50000000},     {vu_UpDownHorz, "", 0x50000040},
                 {vu_UpDown, nullptr, 0x50000000}, {vu_UpDownHorz, "BORDER", 0x50000040}};
    vu_test::Window parent("Pilar");
    HHOOK hook = SetWindowsHookExA(WH_CBT, RecordCreate, nullptr, GetCurrentThreadId());
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.style);
        HWND u = c.make(parent, 10, 20, 18, 40, c.border, 50, -10, 7);
        EXPECT_EQ(g_created, c.style);
        EXPECT_EQ(GetDlgCtrlID(u), 9);
        const RECT r = vu_test::RectInParent(u);
        EXPECT_EQ(r.left * 1000 + r.top, 10020);
        EXPECT_EQ((r.right - r.left) * 1000 + r.bottom - r.top, 18040);
        int lower = 0, upper = 0;
        SendMessageA(u, UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper);
        EXPECT_EQ(lower * 1000 + upper, -9950);  // -10 .. 50
        EXPECT_EQ(LOWORD(SendMessageA(u, UDM_GETPOS, 0, 0)), 7);
    }
    UnhookWindowsHookEx(hook);
}

TEST(UpDown, PositionOutOfTheScrollMessage)
{
    vu_test::Window parent("Position");
    HWND a = vu_UpDown(parent, 0, 0, 18, 40, "", 10, 0, 0);
    HWND b = vu_UpDownHorz(parent, 30, 0, 40, 18, "", 10, 0, 0);
    const LPARAM from_a = (LPARAM)a;
    const struct {
        const char* name;
        HWND control;
        WPARAM wparam;
        LPARAM lparam;
        int position;
    } cases[] = {
        {"its own", a, MAKEWPARAM(4, 5), from_a, 5},
        {"parameters swapped", a, (WPARAM)from_a, MAKELPARAM(4, 5), 5},
        {"another control's", b, MAKEWPARAM(4, 5), from_a, -1},
        {"a scroll bar's", a, MAKEWPARAM(4, 5), 0, -1},
        {"negative", a, MAKEWPARAM(SB_THUMBPOSITION, 0xFFFF), from_a, 65535},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(vu_UpDownPos(c.control, c.wparam, c.lparam), c.position) << c.name;
        EXPECT_EQ(vu_UpDownHorzPos(c.control, c.wparam, c.lparam), c.position) << c.name;
    }
}

}  // namespace
