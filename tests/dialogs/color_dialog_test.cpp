// The colour chooser: opened white with its custom-colour part, completed with a colour typed
// into its fields, cancelled, and the custom colours kept from one call to the next.
#include <gtest/gtest.h>

#include "dialog_driver.h"

using namespace vu_test;

constexpr int kRed = 0x2C2, kGreen = 0x2C3, kBlue = 0x2C4, kAddCustom = 0x2C8, kDefineCustom = 0x2CF;
constexpr int kCustomCells = 0x2D1;

static std::string Shown(HWND d)
{
    return ItemText(d, kRed) + "," + ItemText(d, kGreen) + "," + ItemText(d, kBlue) +
           (IsWindowEnabled(GetDlgItem(d, kDefineCustom)) ? " closed" : " open");
}

TEST(ColorDialog, ReturnsTheChosenColourOrZeroAndKeepsTheCustomColours)
{
    Window owner("Färg");
    for (COLORREF& c : vu_CustomColors) c = 0;
    std::string first, second;
    {
        DialogDriver driver([&](HWND d) {
            first = Shown(d);
            for (auto field : {std::make_pair(kRed, "10"), {kGreen, "20"}, {kBlue, "30"}}) SetItemText(d, field.first, field.second);
            SendMessageA(GetDlgItem(d, kAddCustom), BM_CLICK, 0, 0);
            ClickItem(d, IDOK);
        }, owner);
        EXPECT_EQ(vu_ColorDialog(owner), RGB(10, 20, 30));
    }
    EXPECT_EQ(first, "255,255,255 open");
    EXPECT_EQ(vu_CustomColors[0], RGB(10, 20, 30));
    // The next call starts white again and offers the kept colour in its first custom cell.
    DialogDriver driver([&](HWND d) {
        first = Shown(d);
        RECT r = RectInParent(GetDlgItem(d, kCustomCells));
        SendMessageA(d, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.left + 4, r.top + 4));
        SendMessageA(d, WM_LBUTTONUP, 0, MAKELPARAM(r.left + 4, r.top + 4));
        second = Shown(d);
        ClickItem(d, IDCANCEL);
    }, owner);
    EXPECT_EQ(vu_ColorDialog(owner), 0u);
    EXPECT_EQ(first + "|" + second, "255,255,255 open|10,20,30 open");
    EXPECT_EQ(vu_CustomColors[0], RGB(10, 20, 30));
}
