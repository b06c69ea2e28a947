// The push button: frame and alignment words against the platform's style bits, a real
// click reaching the parent, press/release/state, and replacement by id.
#include <gtest/gtest.h>

#include "input.h"
#include "query.h"

namespace {

using vu_test::StyleOf;

struct WordCase {
    const char* frame;
    const char* align;
    DWORD style;  // BS_PUSHLIKE 0x1000 always; the frame's bits and the alignment's
    DWORD client_edge;
};

const WordCase kWords[] = {
    {"NORMAL", "C", 0x50001300, 0},         {"SHADOW", "C", 0x50001301, 0},
    {"SUNKEN", "C", 0x50001300, 0x200},     {"SUNKEN_SHADOW", "C", 0x50001301, 0x200},
    {"BAR", "C", 0x50401300, 0},            {"BAR_SHADOW", "C", 0x50401301, 0},
    {"EDGE", "C", 0x50401300, 0x200},       {"EDGE_SHADOW", "C", 0x50401301, 0x200},
    {"normal", "C", 0x50001300, 0},         {"EDGE_SHADOWS", "C", 0x50001300, 0},
    {nullptr, "C", 0x50001300, 0},          {"NORMAL", "L", 0x50001100, 0},
    {"NORMAL", "R", 0x50001200, 0},         {"NORMAL", "T", 0x50001400, 0},
    {"NORMAL", "B", 0x50001800, 0},         {"NORMAL", "LB", 0x50001900, 0},
    {"NORMAL", "LT", 0x50001500, 0},        {"NORMAL", "RB", 0x50001A00, 0},
    {"NORMAL", "RT", 0x50001600, 0},        {"NORMAL", "l", 0x50001300, 0},
    {"NORMAL", "", 0x50001300, 0},          {"NORMAL", "BL", 0x50001300, 0},
    {"NORMAL", nullptr, 0x50001300, 0},
};

TEST(Button, WordsGiveTheirStyles)
{
    vu_test::Window parent("Knappord");
    int id = 300;
    for (const WordCase& c : kWords) {
        SCOPED_TRACE(std::string(c.frame ? c.frame : "(null)") + " " + (c.align ? c.align : "(null)"));
        HWND b = vu_Button(parent, 5, 6, 90, 30, "Beredskapsläge", c.align, c.frame, ++id);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(StyleOf(b), c.style);
        EXPECT_EQ(vu_test::ExStyleOf(b) & WS_EX_CLIENTEDGE, c.client_edge);
        EXPECT_EQ(GetDlgItem(parent, id), b);
        EXPECT_EQ(vu_test::TextOf(b), "Beredskapsläge");
        EXPECT_EQ(SendMessageA(b, WM_GETFONT, 0, 0), (LRESULT)GetStockObject(DEFAULT_GUI_FONT));
        vu_ButtonDestroy(b);
    }
    EXPECT_EQ(vu_Button(nullptr, 0, 0, 50, 20, "Ingen", "C", "NORMAL", 1), nullptr);
}

TEST(Button, RealClickReachesTheParentOnce)
{
    vu_test::Window parent("Klick");
    HWND b = vu_Button(parent, 40, 40, 100, 25, "Kopiera", "C", "SUNKEN", 100);
    ASSERT_TRUE(vu_test::Foreground(parent));
    vu_test::ClearMessages();
    vu_test::Click(b);
    auto clicks = [&] {
        int n = 0;
        for (const vu_test::Message& m : vu_test::Messages())
            n += m.window == parent && m.message == WM_COMMAND &&
                 m.wparam == MAKEWPARAM(100, BN_CLICKED) && m.lparam == (LPARAM)b;
        return n;
    };
    EXPECT_TRUE(vu_test::WaitFor([&] { return clicks() > 0; }, 5000));
    EXPECT_EQ(vu_test::CountMessages(WM_COMMAND, parent), 1);
}

TEST(Button, PressReleaseAndStateWithoutAClick)
{
    vu_test::Window parent("Tryck");
    HWND b = vu_Button(parent, 10, 10, 100, 25, "Tryck", "C", "NORMAL", 7);
    vu_test::ClearMessages();
    EXPECT_EQ(vu_ButtonGetState(b), 0);
    EXPECT_EQ(vu_ButtonPress(b), 0);
    SetFocus(b);
    EXPECT_EQ(vu_ButtonGetState(b), 0x000C);  // pushed and focused
    EXPECT_EQ(vu_ButtonRelease(b), 0);
    EXPECT_EQ(vu_ButtonGetState(b), 0x0008);
    vu_test::PumpMessages();
    EXPECT_EQ(vu_test::CountMessages(WM_COMMAND, parent), 0);
}

TEST(Button, RecreateReplacesTheFirstButtonOfTheIdInPlace)
{
    vu_test::Window parent("Ersätt");
    HWND one = vu_Button(parent, 5, 5, 100, 25, "Ett", "C", "SHADOW", 9);
    HWND two = vu_Button(parent, 5, 40, 100, 25, "Två", "C", "NORMAL", 9);
    HWND first = GetDlgItem(parent, 9);
    HWND b = vu_ButtonRecreate(parent, 30, 70, 80, 20, "Ny", "L", "SUNKEN", 9);
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindow(first == one ? two : one));
    const RECT r = vu_test::RectInParent(b);
    EXPECT_EQ(std::to_string(r.left) + "," + std::to_string(r.top) + " " +
                  std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top),
              "30,70 80x20");
    EXPECT_EQ(vu_test::TextOf(b), "Ny");
    EXPECT_EQ(GetDlgCtrlID(b), 9);
    EXPECT_EQ(StyleOf(b), 0x50000100u);  // the frame's style and the alignment, not push-like
    EXPECT_EQ(vu_test::ExStyleOf(b) & WS_EX_CLIENTEDGE, 0x200u);
    EXPECT_EQ(SendMessageA(b, WM_GETFONT, 0, 0), 0);  // the platform's default font
    // An id no child has: nothing is destroyed, the button is still made.
    HWND other = vu_ButtonRecreate(parent, 5, 100, 100, 25, "B", "RT", "okänd", 2);
    EXPECT_EQ(StyleOf(other), 0x50000600u);
    EXPECT_TRUE(IsWindow(b));
}

}  // namespace
