// Trackbar: orientation and frame words, the query words, and replacement.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "query.h"

namespace {

TEST(Trackbar, OrientationAndFrameWordsGiveTheirStyles)
{
    const struct {
        const char* orientation;
        const char* frame;
        DWORD style;
        DWORD client_edge;
    } cases[] = {{"H", "NORMAL", 0x50000001, 0},   {"V", "EDGE", 0x50400003, 0x200},
                 {"V", "SUNKEN", 0x50000003, 0x200}, {"H", "BAR", 0x50400001, 0},
                 {"v", "edge", 0x50000001, 0},       {nullptr, nullptr, 0x50000001, 0}};
    vu_test::Window parent("Skjutreglage");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.frame ? c.frame : "(null)");
        HWND bar = vu_Trackbar(parent, c.orientation, 5, 5, 150, 150, c.frame, 10, 2, 3);
        EXPECT_EQ(vu_test::StyleOf(bar), c.style);
        EXPECT_EQ(vu_test::ExStyleOf(bar) & WS_EX_CLIENTEDGE, c.client_edge);
        EXPECT_EQ(GetDlgCtrlID(bar), 0);
        DestroyWindow(bar);
    }
}

TEST(Trackbar, QueryWordsAnswerTheValuesSet)
{
    vu_test::Window parent("Skjutreglage fråga");
    HWND old = vu_Trackbar(parent, "V", 5, 5, 40, 200, "NORMAL", 10, 1, 4);
    HWND bar = vu_TrackbarRecreate(old, "H", 5, 60, 300, 40, "BAR", 65536 + 50, 5, 20);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(vu_test::ChildAt(parent, 5, 60), bar);
    EXPECT_EQ(vu_test::StyleOf(bar), 0x50400001u);
    SetWindowLongA(bar, GWL_STYLE, 0x50400001 | TBS_FIXEDLENGTH);  // a slider length of its own
    SendMessageA(bar, TBM_SETTHUMBLENGTH, 17, 0);
    const struct {
        const char* word;
        int value;
    } cases[] = {{"SLIDERPOSNR", 50}, {"CLICKSTEPS", 5}, {"SLIDERPOS", 20}, {"TICS", 51},
                 {"BUTTLENGTH", 17},  {"sliderpos", 0},  {"", 0},         {nullptr, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(vu_TrackbarGet(bar, c.word), c.value) << (c.word ? c.word : "(null)");
    EXPECT_EQ(vu_TrackbarSetPos(bar, 7), 0);
    EXPECT_EQ(vu_TrackbarGet(bar, "SLIDERPOS"), 7);
}

}  // namespace
