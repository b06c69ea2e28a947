// The font chooser: started from the given font, the effects part and the script list by
// their words, the chosen face, style, size and effects in the new font, and cancel.
#include <gtest/gtest.h>

#include <string>

#include "std_dialog_driver.h"
#include "vu_test.h"

namespace {

using std_dialog::ChooseEntry;
using std_dialog::Click;
using std_dialog::Driver;
using std_dialog::ItemText;

// Controls of the platform's font chooser.
constexpr int kFace = 0x470, kStyle = 0x471, kSize = 0x472;
constexpr int kStrikeOut = 0x410, kUnderline = 0x411, kColor = 0x473, kScript = 0x474;

HWND Owner()
{
    const std::string title = vu_test::UniqueTitle("Typsnitt");
    return vu_WindowCreate(GetModuleHandleA(nullptr), title.c_str(), 30, 30, 200, 100, "CLO");
}

HFONT StartFont()
{
    return CreateFontA(-16, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, "Liberation Sans");
}

LOGFONTA Describe(HFONT font)
{
    LOGFONTA lf = {};
    GetObjectA(font, sizeof lf, &lf);
    return lf;
}

// What the driver saw of the chooser's parts.
struct Parts {
    std::string face;
    bool effects_shown = false;
    bool color_shown = false;
    bool script_enabled = false;
};

Parts SeeParts(HWND dialog)
{
    Parts p;
    p.face = ItemText(dialog, kFace);
    p.effects_shown = IsWindowVisible(GetDlgItem(dialog, kStrikeOut)) &&
                      IsWindowVisible(GetDlgItem(dialog, kUnderline));
    p.color_shown = IsWindowVisible(GetDlgItem(dialog, kColor)) != 0;
    p.script_enabled = IsWindowEnabled(GetDlgItem(dialog, kScript)) != 0;
    return p;
}

TEST(FontDialog, OnShowsTheEffectsAndOffHidesTheScriptList)
{
    HWND owner = Owner();
    HFONT start = StartFont();
    Parts parts;
    Driver driver(owner, [&](HWND dialog) {
        parts = SeeParts(dialog);
        SendMessageA(GetDlgItem(dialog, kStrikeOut), BM_CLICK, 0, 0);
        SendMessageA(GetDlgItem(dialog, kUnderline), BM_CLICK, 0, 0);
        Click(dialog, IDOK);
    });
    HFONT chosen = vu_FontDialog(owner, "ON", "OFF", start);
    ASSERT_TRUE(driver.Join());
    EXPECT_EQ(parts.face, "Liberation Sans");
    EXPECT_TRUE(parts.effects_shown);
    EXPECT_TRUE(parts.color_shown);
    EXPECT_FALSE(parts.script_enabled);

    ASSERT_NE(chosen, nullptr);
    EXPECT_NE(chosen, start);
    const LOGFONTA lf = Describe(chosen);
    EXPECT_STREQ(lf.lfFaceName, "Liberation Sans");
    EXPECT_EQ(lf.lfStrikeOut, 1);
    EXPECT_EQ(lf.lfUnderline, 1);
    EXPECT_EQ(lf.lfItalic, 0);
    // The given font is left to its owner.
    EXPECT_EQ(Describe(start).lfStrikeOut, 0);
    DeleteObject(chosen);
    DeleteObject(start);
    DestroyWindow(owner);
}

TEST(FontDialog, OtherWordsLeaveEffectsHiddenAndTheScriptListOn)
{
    HWND owner = Owner();
    HFONT start = StartFont();
    const char* words[][2] = {{"on", "off"}, {nullptr, nullptr}, {"OFF", "ON"}, {"", " OFF"}};
    for (const auto& w : words) {
        Parts parts;
        Driver driver(owner, [&](HWND dialog) {
            parts = SeeParts(dialog);
            Click(dialog, IDOK);
        });
        HFONT chosen = vu_FontDialog(owner, w[0], w[1], start);
        ASSERT_TRUE(driver.Join());
        EXPECT_FALSE(parts.effects_shown) << (w[0] ? w[0] : "(null)");
        EXPECT_FALSE(parts.color_shown) << (w[0] ? w[0] : "(null)");
        EXPECT_TRUE(parts.script_enabled) << (w[1] ? w[1] : "(null)");
        EXPECT_NE(chosen, start);
        DeleteObject(chosen);
    }
    DeleteObject(start);
    DestroyWindow(owner);
}

TEST(FontDialog, TheNewFontHasTheChosenFaceStyleAndSize)
{
    HWND owner = Owner();
    HFONT start = StartFont();
    bool chose = false;
    Driver driver(owner, [&](HWND dialog) {
        chose = ChooseEntry(dialog, kFace, "Liberation Serif") &&
                ChooseEntry(dialog, kStyle, "Bold Italic") && ChooseEntry(dialog, kSize, "24");
        Click(dialog, IDOK);
    });
    HFONT chosen = vu_FontDialog(owner, "ON", "ON", start);
    ASSERT_TRUE(driver.Join());
    EXPECT_TRUE(chose);
    const LOGFONTA lf = Describe(chosen);
    EXPECT_STREQ(lf.lfFaceName, "Liberation Serif");
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfItalic, 1);
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(lf.lfHeight, -MulDiv(24, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);
    DeleteObject(chosen);
    DeleteObject(start);
    DestroyWindow(owner);
}

TEST(FontDialog, CancelGivesBackTheGivenFont)
{
    HWND owner = Owner();
    HFONT start = StartFont();
    Driver driver(owner, [&](HWND dialog) {
        SendMessageA(GetDlgItem(dialog, kStrikeOut), BM_CLICK, 0, 0);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(vu_FontDialog(owner, "ON", "OFF", start), start);
    EXPECT_TRUE(driver.Join());
    EXPECT_EQ(Describe(start).lfStrikeOut, 0);
    DeleteObject(start);
    DestroyWindow(owner);
}

}  // namespace
