// The font chooser: started from the given font, the effects part and the script list by their
// words, the chosen face, style, size and effects in a new font, and cancel.
#include <gtest/gtest.h>

#include "dialog_driver.h"

using namespace vu_test;

constexpr int kFace = 0x470, kStyle = 0x471, kSize = 0x472, kStrikeOut = 0x410, kColor = 0x473, kScript = 0x474;

static LOGFONTA Describe(HFONT font)
{
    LOGFONTA lf = {};
    GetObjectA(font, sizeof lf, &lf);
    return lf;
}

TEST(FontDialog, WordsShowTheEffectsAndHideTheScriptsAndTheChoiceMakesANewFont)
{
    const struct { const char* effects; const char* script; bool effects_shown, script_enabled; } rows[] = {
        {"ON", "OFF", true, false}, {"on", "off", false, true}, {"OFF", "ON", false, true}, {nullptr, nullptr, false, true},
    };
    Window owner("Typsnitt");
    HFONT start = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Liberation Sans");
    HDC screen = GetDC(nullptr);
    const LONG height = -MulDiv(24, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.effects ? row.effects : "(null)");
        std::string face;
        bool effects = false, color = false, script = false, chose = false;
        DialogDriver driver([&](HWND d) {
            face = ItemText(d, kFace);
            effects = IsWindowVisible(GetDlgItem(d, kStrikeOut));
            color = IsWindowVisible(GetDlgItem(d, kColor));
            script = IsWindowEnabled(GetDlgItem(d, kScript));
            chose = ChooseEntry(d, kFace, "Liberation Serif") && ChooseEntry(d, kStyle, "Bold Italic") &&
                    ChooseEntry(d, kSize, "24");
            if (effects) SendMessageA(GetDlgItem(d, kStrikeOut), BM_CLICK, 0, 0);
            ClickItem(d, IDOK);
        }, owner);
        HFONT chosen = vu_FontDialog(owner, row.effects, row.script, start);
        EXPECT_EQ(face, "Liberation Sans");
        EXPECT_EQ(effects && color, row.effects_shown);
        EXPECT_EQ(script, row.script_enabled);
        EXPECT_TRUE(chose);
        ASSERT_NE(chosen, start);
        const LOGFONTA lf = Describe(chosen);
        EXPECT_EQ(std::string(lf.lfFaceName) + " " + std::to_string(lf.lfWeight) + " " + std::to_string(lf.lfItalic),
                  "Liberation Serif 700 1");
        EXPECT_EQ(lf.lfHeight, height);
        EXPECT_EQ(lf.lfStrikeOut, row.effects_shown);
        DeleteObject(chosen);
    }
    DialogDriver driver([](HWND d) { ClickItem(d, IDCANCEL); }, owner);
    EXPECT_EQ(vu_FontDialog(owner, "ON", "OFF", start), start);
    EXPECT_EQ(Describe(start).lfHeight, -16);  // the given font is left to its owner
    DeleteObject(start);
}
