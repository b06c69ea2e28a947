// Check buttons and the group box: kinds and styles, sizes from the measured text, text,
// check state and clicks, and the geometry members each kind has.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "control_fixture.h"
#include "toolbar_mouse.h"

namespace {

using control_test::Parent;
using control_test::RectInParent;

LONG Style(HWND w) { return GetWindowLongA(w, GWL_STYLE); }

std::string TextOf(HWND w)
{
    char text[512] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

// The text's extent in the font the button draws with (it has none of its own, so the
// system font of its device context).
SIZE Measured(HWND button, const std::string& text)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0));
    HDC dc = GetDC(button);
    HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(button, dc);
    return size;
}

SIZE SizeOf(HWND w)
{
    const RECT r = RectInParent(w);
    return {r.right - r.left, r.bottom - r.top};
}

void ExpectFitsText(HWND button, const std::string& text)
{
    const SIZE m = Measured(button, text);
    ASSERT_GT(m.cx, 0);
    const SIZE s = SizeOf(button);
    EXPECT_EQ(s.cx, m.cx + 20) << text;
    EXPECT_EQ(s.cy, m.cy < 16 ? 16 : m.cy) << text;
}

TEST(CheckButton, KindsAreSelfCheckingChildButtonsSizedToTheirText)
{
    HWND parent = Parent("Kryss");
    HWND square = vu_CheckButton(parent, 12, 34, "SQUARE", "Beredskapsläge", 201);
    HWND round = vu_CheckButton(parent, 12, 60, "ROUND", "Kopiera", 202);
    ASSERT_NE(square, nullptr);
    ASSERT_NE(round, nullptr);
    EXPECT_EQ(Style(square), 0x50000003);
    EXPECT_EQ(Style(round), 0x50000009);
    for (HWND b : {square, round}) {
        char name[32] = {};
        GetClassNameA(b, name, sizeof name);
        EXPECT_STREQ(name, "Button");
        EXPECT_EQ(GetParent(b), parent);
        EXPECT_EQ(SendMessageA(b, WM_GETFONT, 0, 0), 0);  // no font of its own
    }
    EXPECT_EQ(GetDlgCtrlID(square), 201);
    EXPECT_EQ(GetDlgCtrlID(round), 202);
    EXPECT_EQ(RectInParent(square).left, 12);
    EXPECT_EQ(RectInParent(square).top, 34);
    EXPECT_EQ(TextOf(square), "Beredskapsläge");
    ExpectFitsText(square, "Beredskapsläge");
    ExpectFitsText(round, "Kopiera");
    // A null text is the empty one: the room for the box alone.
    HWND empty = vu_CheckButton(parent, 0, 90, "SQUARE", nullptr, 203);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(TextOf(empty), "");
    EXPECT_EQ(SizeOf(empty).cx, 20);
    EXPECT_GE(SizeOf(empty).cy, 16);
    vu_WindowDestroy(parent);
}

BOOL CALLBACK CountOwn(HWND w, LPARAM count)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == GetCurrentProcessId()) ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// Top-level windows of this process (a stray window would be one more).
int OwnTopLevelWindows()
{
    int n = 0;
    EnumWindows(CountOwn, reinterpret_cast<LPARAM>(&n));
    return n;
}

TEST(CheckButton, AnUnknownKindMakesNoWindow)
{
    HWND parent = Parent("Okänd sort");
    const int before = OwnTopLevelWindows();
    for (const char* word : {"square", "CIRCLE", "", "SQUAREROUND", (const char*)nullptr}) {
        EXPECT_EQ(vu_CheckButton(parent, 0, 0, word, "Text", 0), nullptr) << (word ? word : "-");
        EXPECT_EQ(vu_CheckButton(parent, 0, 0, word, "Text", 5), nullptr) << (word ? word : "-");
    }
    EXPECT_EQ(GetWindow(parent, GW_CHILD), nullptr);
    EXPECT_EQ(OwnTopLevelWindows(), before);
    EXPECT_EQ(vu_CheckButton(nullptr, 0, 0, "SQUARE", "Text", 1), nullptr);
    vu_WindowDestroy(parent);
}

TEST(CheckButton, SetTextResizesKeepingTheCornerAndGetTextIsBounded)
{
    HWND parent = Parent("KryssText");
    HWND b = vu_CheckButton(parent, 15, 25, "SQUARE", "Kort", 7);
    const SIZE short_size = SizeOf(b);
    EXPECT_EQ(vu_CheckButtonSetText(b, "En betydligt längre text"), 0);
    EXPECT_EQ(TextOf(b), "En betydligt längre text");
    ExpectFitsText(b, "En betydligt längre text");
    const SIZE long_size = SizeOf(b);
    EXPECT_EQ(long_size.cx - short_size.cx,
              Measured(b, "En betydligt längre text").cx - Measured(b, "Kort").cx);
    EXPECT_EQ(RectInParent(b).left, 15);
    EXPECT_EQ(RectInParent(b).top, 25);
    EXPECT_EQ(vu_CheckButtonSetText(b, nullptr), 0);
    EXPECT_EQ(TextOf(b), "");
    EXPECT_EQ(SizeOf(b).cx, 20);

    // At most 254 characters and the NUL, nothing past the 255th byte.
    const std::string long_text(400, 'x');
    EXPECT_EQ(vu_CheckButtonSetText(b, long_text.c_str()), 0);
    char buffer[300];
    memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(vu_CheckButtonGetText(b, buffer), 254);
    EXPECT_EQ(std::string(buffer), std::string(254, 'x'));
    EXPECT_EQ(buffer[255], '#');
    vu_CheckButtonSetText(b, "Två");
    EXPECT_EQ(vu_CheckButtonGetText(b, buffer), 3);
    EXPECT_STREQ(buffer, "Två");
    EXPECT_EQ(vu_CheckButtonGetText(b, nullptr), 0);

    EXPECT_EQ(vu_CheckButtonSetText(nullptr, "Ingen"), 1);
    vu_CheckButtonDestroy(b);
    EXPECT_EQ(vu_CheckButtonSetText(b, "Borta"), 1);
    EXPECT_EQ(vu_CheckButtonGetText(b, buffer), 0);
    EXPECT_STREQ(buffer, "");
    vu_WindowDestroy(parent);
}

// Whether the parent was told of a click of button id.
bool Clicked(HWND parent, HWND button, int id)
{
    for (const vu_test::Message& m : vu_test::Messages())
        if (m.window == parent && m.message == WM_COMMAND &&
            m.wparam == MAKEWPARAM(id, BN_CLICKED) && m.lparam == reinterpret_cast<LPARAM>(button))
            return true;
    return false;
}

TEST(CheckButton, CheckUncheckStateAndClicks)
{
    HWND parent = Parent("Kryssa");
    HWND square = vu_CheckButton(parent, 20, 20, "SQUARE", "Fyrkant", 301);
    HWND round = vu_CheckButton(parent, 20, 60, "ROUND", "Rund", 302);
    for (HWND b : {square, round}) {
        EXPECT_EQ(vu_CheckButtonGetState(b) & 3, BST_UNCHECKED);
        EXPECT_EQ(vu_CheckButtonCheck(b), 0);
        EXPECT_EQ(vu_CheckButtonGetState(b) & 3, BST_CHECKED);
        EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(vu_CheckButtonGetState(b), static_cast<int>(SendMessageA(b, BM_GETSTATE, 0, 0)));
        EXPECT_EQ(vu_CheckButtonUncheck(b), 0);
        EXPECT_EQ(vu_CheckButtonGetState(b) & 3, BST_UNCHECKED);
    }
    // Real clicks: the box checks and unchecks itself, the circle checks itself, and the
    // parent hears of each click with the button's id.
    ASSERT_TRUE(toolbar_mouse::ToFront(parent));
    vu_test::ClearMessages();
    const RECT box = {0, 0, 10, SizeOf(square).cy};
    toolbar_mouse::Click(toolbar_mouse::CentreOf(square, box));
    EXPECT_TRUE(vu_test::WaitFor([&] { return Clicked(parent, square, 301); }, 3000));
    EXPECT_EQ(vu_CheckButtonGetState(square) & 3, BST_CHECKED);
    vu_test::ClearMessages();
    toolbar_mouse::Click(toolbar_mouse::CentreOf(square, box));
    EXPECT_TRUE(vu_test::WaitFor([&] { return Clicked(parent, square, 301); }, 3000));
    EXPECT_EQ(vu_CheckButtonGetState(square) & 3, BST_UNCHECKED);
    toolbar_mouse::Click(toolbar_mouse::CentreOf(round, box));
    EXPECT_TRUE(vu_test::WaitFor([&] { return Clicked(parent, round, 302); }, 3000));
    EXPECT_EQ(vu_CheckButtonGetState(round) & 3, BST_CHECKED);
    toolbar_mouse::At(0, 0);

    EXPECT_EQ(vu_CheckButtonCheck(nullptr), 0);
    EXPECT_EQ(vu_CheckButtonUncheck(nullptr), 0);
    EXPECT_EQ(vu_CheckButtonGetState(nullptr), 0);
    vu_WindowDestroy(parent);
}

TEST(CheckButton, GeometryMembers)
{
    HWND parent = Parent("Kryssgeometri");
    HWND b = vu_CheckButton(parent, 5, 5, "SQUARE", "Flytta", 1);
    const SIZE size = SizeOf(b);
    EXPECT_EQ(vu_CheckButtonMove(b, 40, 50), 0);
    EXPECT_EQ(RectInParent(b).left, 40);
    EXPECT_EQ(RectInParent(b).top, 50);
    EXPECT_EQ(SizeOf(b).cx, size.cx);
    EXPECT_EQ(vu_CheckButtonHide(b), 0);
    EXPECT_EQ(vu_CheckButtonHide(b), 1);
    EXPECT_EQ(vu_CheckButtonShow(b), 0);
    EXPECT_EQ(vu_CheckButtonShow(b), 1);
    EXPECT_TRUE(IsWindowVisible(b));
    EXPECT_EQ(vu_CheckButtonDisable(b), 0);
    EXPECT_FALSE(IsWindowEnabled(b));
    EXPECT_EQ(vu_CheckButtonDisable(b), 1);
    EXPECT_EQ(vu_CheckButtonEnable(b), 0);
    EXPECT_EQ(vu_CheckButtonEnable(b), 1);
    EXPECT_EQ(vu_CheckButtonDestroy(b), 0);
    EXPECT_EQ(vu_CheckButtonDestroy(b), 1);
    EXPECT_EQ(vu_CheckButtonMove(b, 1, 1), 1);
    vu_WindowDestroy(parent);
}

TEST(GroupBox, IsATitledFrameWithIdZero)
{
    HWND parent = Parent("Grupp");
    HWND box = vu_GroupBox(parent, 10, 20, 200, 120, "Sökvägar");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(Style(box), 0x50000007);
    EXPECT_EQ(GetDlgCtrlID(box), 0);
    EXPECT_EQ(GetParent(box), parent);
    EXPECT_EQ(TextOf(box), "Sökvägar");
    const RECT r = RectInParent(box);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right, 210);
    EXPECT_EQ(r.bottom, 140);
    HWND untitled = vu_GroupBox(parent, 0, 0, 50, 50, nullptr);
    ASSERT_NE(untitled, nullptr);
    EXPECT_EQ(TextOf(untitled), "");
    EXPECT_EQ(vu_GroupBox(nullptr, 0, 0, 50, 50, "Ingen"), nullptr);

    EXPECT_EQ(vu_GroupBoxMove(box, 30, 40), 0);
    EXPECT_EQ(vu_GroupBoxResize(box, 150, 90), 0);
    const RECT moved = RectInParent(box);
    EXPECT_EQ(moved.left, 30);
    EXPECT_EQ(moved.top, 40);
    EXPECT_EQ(moved.right, 180);
    EXPECT_EQ(moved.bottom, 130);
    EXPECT_EQ(vu_GroupBoxHide(box), 0);
    EXPECT_EQ(vu_GroupBoxHide(box), 1);
    EXPECT_EQ(vu_GroupBoxShow(box), 0);
    EXPECT_EQ(vu_GroupBoxShow(box), 1);
    EXPECT_EQ(vu_GroupBoxDestroy(box), 0);
    EXPECT_EQ(vu_GroupBoxDestroy(box), 1);
    EXPECT_EQ(vu_GroupBoxResize(box, 1, 1), 1);
    EXPECT_EQ(vu_GroupBoxMove(box, 1, 1), 1);
    vu_WindowDestroy(parent);
}

}  // namespace
