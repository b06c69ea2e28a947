// Spin number fields on real windows: creation styles, the arrows clicked with the mouse
// reaching the parent as scroll messages, stepping the caller's value, the keys the field
// posts, and the edit calls as the spin field offers them.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "field_input.h"
#include "vu_test.h"

namespace {

using vu_test::KeyPosted;
using vu_test::PressKey;

class SpinTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        vu_test::SetMainWindowHandler(nullptr);
        parent_ = vu_WindowCreate(GetModuleHandleA(nullptr), vu_test::UniqueTitle("Rad").c_str(),
                                  100, 100, 320, 270, "CLO");
        ASSERT_NE(parent_, nullptr);
        field_ = vu_Spin(parent_, 10, 60, 40, 22, "C", 1);
        ASSERT_NE(field_, nullptr);
        vu_FocusAdvance = 0;
        vu_test::ClearMessages();
    }
    void TearDown() override
    {
        vu_test::SetMainWindowHandler(nullptr);
        DestroyWindow(parent_);
    }
    std::string Text(HWND field)
    {
        char buf[256] = {};
        GetWindowTextA(field, buf, sizeof buf);
        return buf;
    }
    // The scroll codes of the WM_VSCROLL messages the parent received from the field.
    std::vector<WPARAM> ScrollCodes()
    {
        std::vector<WPARAM> codes;
        for (const vu_test::Message& m : vu_test::Messages())
            if (m.window == parent_ && m.message == WM_VSCROLL &&
                m.lparam == reinterpret_cast<LPARAM>(field_))
                codes.push_back(m.wparam);
        return codes;
    }
    // Clicks the upper (up = true) or lower arrow of the field's scroll bar.
    void ClickArrow(bool up)
    {
        SCROLLBARINFO info = {};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetScrollBarInfo(field_, OBJID_VSCROLL, &info));
        const RECT& r = info.rcScrollBar;
        const int quarter = (r.bottom - r.top) / 4;
        vu_test::ClickAt((r.left + r.right) / 2, up ? r.top + quarter : r.bottom - 1 - quarter);
    }
    HWND parent_ = nullptr;
    HWND field_ = nullptr;
};

TEST_F(SpinTest, CreationStylesLimitAndProcedure)
{
    char cls[32] = {};
    GetClassNameA(field_, cls, sizeof cls);
    EXPECT_STREQ(cls, "Edit");
    EXPECT_EQ(GetDlgCtrlID(field_), 1);
    EXPECT_EQ(GetWindowLongA(field_, GWL_STYLE),
              static_cast<LONG>(ES_CENTER | WS_VSCROLL | ES_WANTRETURN | WS_TABSTOP |
                                WS_VISIBLE | WS_CHILD | ES_NOHIDESEL));
    EXPECT_EQ(GetWindowLongA(field_, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, WS_EX_CLIENTEDGE);
    EXPECT_EQ(SendMessageA(field_, EM_GETLIMITTEXT, 0, 0), 1);
    EXPECT_EQ(GetWindowLongPtrA(field_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(vu_SpinProc));
    EXPECT_EQ(GetWindowLongA(vu_Spin(parent_, 0, 0, 40, 22, "R", 2), GWL_STYLE) & 3, ES_RIGHT);
    EXPECT_EQ(GetWindowLongA(vu_Spin(parent_, 0, 0, 40, 22, nullptr, 2), GWL_STYLE) & 3, ES_LEFT);
    EXPECT_EQ(vu_Spin(nullptr, 0, 0, 40, 22, "C", 1), nullptr);

    HWND framed = vu_SpinReframe(field_, 20, 30, 50, 24, "EDGE", "L", 3);
    ASSERT_NE(framed, nullptr);
    EXPECT_FALSE(IsWindow(field_));
    EXPECT_EQ(GetWindowLongA(framed, GWL_STYLE),
              static_cast<LONG>(ES_LEFT | WS_DLGFRAME | WS_VSCROLL | ES_WANTRETURN | WS_TABSTOP |
                                WS_VISIBLE | WS_CHILD | ES_NOHIDESEL));
    EXPECT_EQ(GetWindowLongA(framed, GWL_EXSTYLE) & (WS_EX_STATICEDGE | WS_EX_CLIENTEDGE),
              WS_EX_CLIENTEDGE);
    EXPECT_EQ(SendMessageA(framed, EM_GETLIMITTEXT, 0, 0), 3);
    EXPECT_EQ(GetWindowLongPtrA(framed, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(vu_SpinProc));
}

TEST_F(SpinTest, ArrowClicksReachTheParentAsScrollMessages)
{
    ASSERT_TRUE(vu_test::FocusInForeground(parent_, field_));
    ClickArrow(false);
    ASSERT_TRUE(vu_test::WaitFor([&] { return ScrollCodes().size() >= 2; }));
    EXPECT_EQ(ScrollCodes(), (std::vector<WPARAM>{SB_LINEDOWN, SB_ENDSCROLL}));
    vu_test::ClearMessages();
    ClickArrow(true);
    ASSERT_TRUE(vu_test::WaitFor([&] { return ScrollCodes().size() >= 2; }));
    EXPECT_EQ(ScrollCodes(), (std::vector<WPARAM>{SB_LINEUP, SB_ENDSCROLL}));
}

TEST_F(SpinTest, TheParentStepsItsRowWithTheArrows)
{
    // The parent keeps the row and its digit texts, as the application does.
    char digits[10][2] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    int row = 1;
    vu_SpinSetText(field_, "1");
    vu_test::SetMainWindowHandler([&](HWND, UINT m, WPARAM wp, LPARAM lp, LRESULT* result) {
        if (m != WM_VSCROLL) return false;
        row = vu_SpinStep(field_, static_cast<int>(wp), reinterpret_cast<HWND>(lp), digits[row],
                          row);
        *result = 0;
        return true;
    });
    ASSERT_TRUE(vu_test::FocusInForeground(parent_, field_));
    ClickArrow(false);
    ASSERT_TRUE(vu_test::WaitFor([&] { return ScrollCodes().size() >= 2; }));
    EXPECT_EQ(row, 2);
    EXPECT_EQ(Text(field_), "2");
    vu_test::ClearMessages();
    ClickArrow(true);
    ASSERT_TRUE(vu_test::WaitFor([&] { return ScrollCodes().size() >= 2; }));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(Text(field_), "1");
}

TEST_F(SpinTest, StepMovesTheValueAndShowsTheGivenText)
{
    char text[8] = "7";
    EXPECT_EQ(vu_SpinStep(field_, SB_LINEUP, field_, text, 1), 0);
    EXPECT_EQ(Text(field_), "7");
    EXPECT_EQ(vu_SpinStep(field_, SB_LINEUP, field_, text, 0), 0);
    EXPECT_EQ(vu_SpinStep(field_, SB_LINEUP, field_, text, -5), -5);
    EXPECT_EQ(vu_SpinStep(field_, SB_LINEDOWN, field_, text, 9), 10);
    EXPECT_EQ(vu_SpinStep(field_, MAKELONG(SB_LINEDOWN, 40), field_, text, 3), 4);
    EXPECT_EQ(vu_SpinStep(field_, SB_LINEDOWN, field_, text, INT_MAX), INT_MAX);
    for (int code : {SB_PAGEUP, SB_PAGEDOWN, SB_THUMBPOSITION, SB_TOP, SB_BOTTOM, SB_ENDSCROLL})
        EXPECT_EQ(vu_SpinStep(field_, code, field_, text, 5), 5) << code;
    std::strcpy(text, "3");
    EXPECT_EQ(vu_SpinStep(field_, SB_ENDSCROLL, field_, text, 3), 3);
    EXPECT_EQ(Text(field_), "3");
    // Another scroll bar: value and field untouched.
    std::strcpy(text, "9");
    EXPECT_EQ(vu_SpinStep(field_, SB_LINEDOWN, parent_, text, 3), 3);
    EXPECT_EQ(vu_SpinStep(field_, SB_LINEDOWN, nullptr, text, 3), 3);
    EXPECT_EQ(Text(field_), "3");
    // A null text is the empty text.
    EXPECT_EQ(vu_SpinStep(field_, SB_ENDSCROLL, field_, nullptr, 3), 3);
    EXPECT_EQ(Text(field_), "");
}

TEST_F(SpinTest, TypedTextBecomesTheCallersTextAtTheNextStep)
{
    HWND wide = vu_Spin(parent_, 60, 60, 60, 22, "L", 4);
    vu_SpinSetText(wide, "");
    ASSERT_TRUE(vu_test::FocusInForeground(parent_, wide));
    PressKey('5');
    PressKey('6');
    ASSERT_TRUE(vu_test::WaitFor([&] { return Text(wide) == "56"; }));
    EXPECT_TRUE(KeyPosted(parent_, '5'));
    // A buffer of exactly limit bytes, with guard bytes behind it.
    char text[4 + 8];
    std::memset(text, 'Q', sizeof text);
    std::strcpy(text, "1");
    EXPECT_EQ(vu_SpinStep(wide, SB_LINEDOWN, wide, text, 1), 2);
    EXPECT_STREQ(text, "56");
    EXPECT_EQ(Text(wide), "56");
    EXPECT_EQ(SendMessageA(wide, EM_GETMODIFY, 0, 0), 0);
    for (size_t i = 4; i < sizeof text; ++i) EXPECT_EQ(text[i], 'Q');

    // Limit 1: the copy is the empty string, and the field shows nothing.
    vu_SpinSetText(field_, "1");
    SendMessageA(field_, EM_SETMODIFY, TRUE, 0);
    char one[1 + 4];
    std::memset(one, 'Q', sizeof one);
    EXPECT_EQ(vu_SpinStep(field_, SB_ENDSCROLL, field_, one, 1), 1);
    EXPECT_EQ(one[0], '\0');
    EXPECT_EQ(one[1], 'Q');
    EXPECT_EQ(Text(field_), "");
}

TEST_F(SpinTest, KeysEnterIsNotedTabIsNot)
{
    HWND next = vu_Edit(parent_, 60, 60, 100, 22, "L", 10);
    ASSERT_TRUE(vu_test::FocusInForeground(parent_, field_));
    PressKey(VK_TAB);
    PressKey(VK_DELETE);
    PressKey(VK_NUMPAD9);
    ASSERT_TRUE(vu_test::WaitFor([&] { return KeyPosted(parent_, 105); }));
    EXPECT_EQ(vu_test::PostedKeys(parent_), (std::vector<WPARAM>{9, VK_DELETE, 105}));
    EXPECT_EQ(vu_FocusAdvance, 0);
    EXPECT_EQ(vu_SpinPassFocus(field_, next), 0);
    EXPECT_EQ(GetFocus(), field_);

    PressKey(VK_LEFT);
    PressKey(VK_HOME);
    PressKey(VK_RETURN);
    ASSERT_TRUE(vu_test::WaitFor([&] { return vu_FocusAdvance != 0 && KeyPosted(parent_, 13); }));
    for (WPARAM key : {VK_LEFT, VK_HOME}) EXPECT_FALSE(KeyPosted(parent_, key));
    EXPECT_EQ(vu_SpinHasFocus(field_), 0);
    EXPECT_EQ(vu_SpinPassFocus(field_, next), 0);
    EXPECT_EQ(GetFocus(), next);
    EXPECT_EQ(vu_FocusAdvance, 0);
    EXPECT_EQ(vu_SpinHasFocus(field_), 1);
    EXPECT_EQ(vu_SpinSetFocus(field_), next);
}

TEST_F(SpinTest, EditCallsOnTheSpinField)
{
    HWND spin = vu_Spin(parent_, 60, 60, 60, 22, "L", 6);
    EXPECT_EQ(vu_SpinSetText(spin, "123456789"), 0);
    char buf[6 + 8];
    std::memset(buf, 'Q', sizeof buf);
    EXPECT_EQ(vu_SpinGetText(spin, buf), 5);
    EXPECT_STREQ(buf, "12345");
    EXPECT_EQ(buf[6], 'Q');
    EXPECT_EQ(vu_SpinTextLength(spin), 5);
    SendMessageA(spin, EM_SETSEL, 2, 4);
    EXPECT_STREQ(vu_SpinGetSelText(spin), "34");
    EXPECT_EQ(vu_SpinSetLimit(spin, 2), 6);
    EXPECT_EQ(vu_SpinGetLimit(spin), 2);
    EXPECT_EQ(vu_SpinSetMargin(spin, 5), LOWORD(0));
    EXPECT_EQ(LOWORD(SendMessageA(spin, EM_GETMARGINS, 0, 0)), 5);
    EXPECT_NE(vu_SpinWritable(spin, "OFF"), 0);
    EXPECT_EQ(GetWindowLongA(spin, GWL_STYLE) & ES_READONLY, ES_READONLY);
    EXPECT_EQ(vu_SpinWritable(spin, "Off"), 0);
    EXPECT_NE(vu_SpinWritable(spin, "ON"), 0);
    EXPECT_EQ(GetWindowLongA(spin, GWL_STYLE) & ES_READONLY, 0);

    HFONT font = vu_SpinCreatePointFont(parent_, 12, 700, 0, 0, "ARIAL");
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(vu_SpinSetFont(spin, font), 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(spin, WM_GETFONT, 0, 0)), font);

    // The spin field's brush is its own: making one leaves the edit fields' brush alive.
    HDC mem = CreateCompatibleDC(nullptr);
    HWND edit = vu_Edit(parent_, 0, 0, 10, 10, "L", 5);
    HBRUSH edit_brush = vu_EditColor(edit, 0, RGB(1, 1, 1), mem, edit);
    HBRUSH spin_brush = vu_SpinColor(spin, RGB(2, 2, 2), RGB(3, 3, 3), mem, spin);
    EXPECT_NE(spin_brush, edit_brush);
    EXPECT_EQ(GetObjectType(edit_brush), static_cast<DWORD>(OBJ_BRUSH));
    EXPECT_EQ(GetTextColor(mem), RGB(2, 2, 2));
    EXPECT_EQ(vu_SpinColor(spin, 0, 0, mem, edit), spin_brush);
    DeleteDC(mem);

    // Files, with the edit field's codes.
    const std::string dir = vu_test::NewTempDir();
    vu_SpinSetLimit(spin, 100);
    // Without automatic scrolling the field takes in only what fits its width.
    vu_SpinResize(spin, 250, 30);
    vu_SpinSetText(spin, "Rad sju");
    EXPECT_EQ(vu_SpinSaveFile(spin, (dir + "rad.txt").c_str()), 0);
    std::string bytes;
    ASSERT_TRUE(vu_test::ReadFileBytes(dir + "rad.txt", &bytes));
    EXPECT_EQ(bytes, "Rad sju");
    ASSERT_TRUE(vu_test::WriteFileBytes(dir + "in.txt", "Rad åtta"));
    EXPECT_EQ(vu_SpinLoadFile(spin, (dir + "in.txt").c_str()), 0);
    EXPECT_EQ(Text(spin), "Rad åtta");
    ASSERT_TRUE(vu_test::WriteFileBytes(dir + "big.txt", std::string(65536, 'x')));
    EXPECT_EQ(vu_SpinLoadFile(spin, (dir + "big.txt").c_str()), 4);
    EXPECT_EQ(vu_SpinSaveFile(spin, (dir + "saknas\\x.txt").c_str()), 2);
    EXPECT_EQ(Text(spin), "Rad åtta");
}

TEST_F(SpinTest, GeometryMembersAndDestroyedFields)
{
    EXPECT_EQ(vu_SpinHide(field_), 0);
    EXPECT_EQ(vu_SpinHide(field_), 1);
    EXPECT_EQ(vu_SpinShow(field_), 0);
    EXPECT_EQ(vu_SpinShow(field_), 1);
    EXPECT_EQ(vu_SpinMove(field_, 12, 14), 0);
    EXPECT_EQ(vu_SpinGetPos(field_), 0);
    EXPECT_EQ(vu_Query.x, 12);
    EXPECT_EQ(vu_Query.y, 14);
    EXPECT_EQ(vu_SpinResize(field_, 50, 30), 0);
    EXPECT_EQ(vu_SpinGetSize(field_), 0);
    EXPECT_EQ(vu_Query.x, 50);
    EXPECT_EQ(vu_Query.y, 30);
    EXPECT_EQ(vu_SpinCenter(field_), 0);
    EXPECT_EQ(vu_SpinFit(field_, 10, 10, -20, -20), 0);
    EXPECT_EQ(vu_SpinDisable(field_), 0);
    EXPECT_EQ(vu_SpinEnable(field_), 0);
    EXPECT_EQ(vu_SpinRedraw(field_), 0);
    EXPECT_EQ(vu_SpinDestroy(field_), 0);

    char text[4] = "1";
    EXPECT_EQ(vu_SpinDestroy(field_), 1);
    EXPECT_EQ(vu_SpinStep(field_, SB_LINEDOWN, field_, text, 1), 2);
    EXPECT_EQ(vu_SpinSetText(field_, nullptr), 0);
    EXPECT_EQ(vu_SpinGetText(field_, text), 0);
    EXPECT_STREQ(vu_SpinGetSelText(field_), "");
    EXPECT_EQ(vu_SpinReframe(field_, 0, 0, 10, 10, "FLAT", "L", 1), nullptr);
    EXPECT_EQ(vu_SpinLoadFile(field_, "C:\\x.txt"), 3);
}

}  // namespace
