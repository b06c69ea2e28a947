// The colour chooser: opened white with its custom-colour part, cancelled, completed with a
// colour typed into its fields, and the custom colours kept from one call to the next.
#include <gtest/gtest.h>

#include <string>

#include "std_dialog_driver.h"
#include "vu_test.h"

namespace {

using std_dialog::Click;
using std_dialog::Driver;
using std_dialog::ItemText;
using std_dialog::SetItemText;

// Controls of the platform's colour chooser.
constexpr int kRed = 0x2C2, kGreen = 0x2C3, kBlue = 0x2C4;
constexpr int kAddCustom = 0x2C8;   // "Add to Custom Colors"
constexpr int kDefineCustom = 0x2CF;  // "Define Custom Colors", the button that opens that part
constexpr int kCustomBox = 0x2D1;   // the custom colour cells

HWND Owner()
{
    const std::string title = vu_test::UniqueTitle("Färg");
    return vu_WindowCreate(GetModuleHandleA(nullptr), title.c_str(), 30, 30, 200, 100, "CLO");
}

// Clicks the first custom colour cell with the mouse messages the chooser reads.
void ClickFirstCustomCell(HWND dialog)
{
    RECT r = {};
    GetWindowRect(GetDlgItem(dialog, kCustomBox), &r);
    POINT p = {r.left + 4, r.top + 4};
    ScreenToClient(dialog, &p);
    SendMessageA(dialog, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(p.x, p.y));
    SendMessageA(dialog, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y));
}

TEST(ColorDialog, OpensWhiteWithTheCustomPartAndCancelGivesZero)
{
    HWND owner = Owner();
    ASSERT_NE(owner, nullptr);
    std::string red, green, blue;
    bool add_visible = false, define_enabled = true;
    Driver driver(owner, [&](HWND dialog) {
        red = ItemText(dialog, kRed);
        green = ItemText(dialog, kGreen);
        blue = ItemText(dialog, kBlue);
        add_visible = IsWindowVisible(GetDlgItem(dialog, kAddCustom)) != 0;
        define_enabled = IsWindowEnabled(GetDlgItem(dialog, kDefineCustom)) != 0;
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(vu_ColorDialog(owner), 0u);
    EXPECT_TRUE(driver.Join());
    EXPECT_EQ(red, "255");
    EXPECT_EQ(green, "255");
    EXPECT_EQ(blue, "255");
    EXPECT_TRUE(add_visible);
    EXPECT_FALSE(define_enabled);
    DestroyWindow(owner);
}

TEST(ColorDialog, ReturnsTheChosenColourAndKeepsCustomColours)
{
    HWND owner = Owner();
    ASSERT_NE(owner, nullptr);
    for (COLORREF& c : vu_CustomColors) c = 0;

    Driver first(owner, [&](HWND dialog) {
        SetItemText(dialog, kRed, "10");
        SetItemText(dialog, kGreen, "20");
        SetItemText(dialog, kBlue, "30");
        SendMessageA(GetDlgItem(dialog, kAddCustom), BM_CLICK, 0, 0);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(vu_ColorDialog(owner), RGB(10, 20, 30));
    EXPECT_TRUE(first.Join());
    EXPECT_EQ(vu_CustomColors[0], RGB(10, 20, 30));
    EXPECT_EQ(vu_CustomColors[1], 0u);

    // The next call starts white again, offers the kept colour in its first custom cell.
    std::string start_red, red, green, blue;
    Driver second(owner, [&](HWND dialog) {
        start_red = ItemText(dialog, kRed);
        ClickFirstCustomCell(dialog);
        red = ItemText(dialog, kRed);
        green = ItemText(dialog, kGreen);
        blue = ItemText(dialog, kBlue);
        Click(dialog, IDOK);
    });
    EXPECT_EQ(vu_ColorDialog(owner), RGB(10, 20, 30));
    EXPECT_TRUE(second.Join());
    EXPECT_EQ(start_red, "255");
    EXPECT_EQ(red, "10");
    EXPECT_EQ(green, "20");
    EXPECT_EQ(blue, "30");
    EXPECT_EQ(vu_CustomColors[0], RGB(10, 20, 30));
    DestroyWindow(owner);
}

}  // namespace
