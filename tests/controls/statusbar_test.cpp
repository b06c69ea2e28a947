// Status bar: the layout every status bar shares (series of parts and the running total,
// part numbers outside 1..20), style and part-kind words, texts, replacement and the
// remembered y. The layout lives for the whole process: the series test runs first.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "query.h"

namespace {

std::vector<int> Edges(HWND bar, int count = 3)
{
    std::vector<int> edges(20, -7);
    SendMessageA(bar, SB_GETPARTS, 20, reinterpret_cast<LPARAM>(edges.data()));
    edges.resize(count);
    return edges;
}

TEST(StatusBarLayout, SeriesOfPartsFollowTheRunningTotal)
{
    vu_test::Window parent("Statusrad serie", 420, 300);
    HWND bar = vu_StatusBar(parent, "NOBAR");
    const std::vector<std::vector<int>> series = {{100, 150, 230}, {330, 380, 460}, {100, 150, 230}};
    for (size_t s = 0; s < series.size(); ++s) {
        EXPECT_EQ(vu_StatusBarPart(bar, 1, 100), 0);
        EXPECT_EQ(vu_StatusBarPartText(bar, 2, 50, "FLAT", "b"), 0);
        EXPECT_EQ(vu_StatusBarPart(bar, 3, 80), 0);
        EXPECT_EQ(Edges(bar), series[s]) << "series " << s + 1;
    }
    // The last part number is in range; numbers outside 1..20 change nothing.
    vu_StatusBarPart(bar, 20, 7);
    const std::vector<int> before = Edges(bar, 20);
    for (int n : {0, 21, -1, INT_MIN, INT_MAX}) {
        vu_StatusBarPart(bar, n, 1000);
        vu_StatusBarPartText(bar, n, 1000, "FLAT", "x");
        vu_StatusBarSetText(bar, n, "FLAT", "x");
        char text[8] = "junk";
        EXPECT_EQ(vu_StatusBarGetText(bar, n, text), 0) << n;
        EXPECT_EQ(Edges(bar, 20), before) << n;
    }
    // Nor the running total: naming part 20 again closes its series (7 + 5).
    vu_StatusBarPart(bar, 20, 5);
    EXPECT_EQ(Edges(bar, 20)[19], 12);
}

TEST(StatusBar, StyleWordsGiveTheirStyles)
{
    const struct {
        const char* word;
        DWORD bits;
    } cases[] = {{"NOBAR", 0}, {"NOBARSIZEGRIP", SBARS_SIZEGRIP}, {"BAR", WS_DLGFRAME},
                 {"BARSIZEGRIP", WS_DLGFRAME | SBARS_SIZEGRIP}, {"bar", 0}, {nullptr, 0}};
    vu_test::Window parent("Statusrad stil");
    for (const auto& c : cases) {
        HWND bar = vu_StatusBar(parent, c.word);
        EXPECT_EQ(vu_test::StyleOf(bar) & (WS_CHILD | WS_VISIBLE | WS_DLGFRAME | SBARS_SIZEGRIP),
                  WS_CHILD | WS_VISIBLE | c.bits)
            << (c.word ? c.word : "(null)");
        DestroyWindow(bar);
    }
}

TEST(StatusBar, TextsCarryTheirPartKinds)
{
    const struct {
        const char* word;
        WORD type;
    } cases[] = {{"SUNKEN", SBT_RTLREADING}, {"FLAT", SBT_NOBORDERS}, {"BAR", SBT_POPOUT},
                 {"flat", 0}, {nullptr, 0}};
    vu_test::Window parent("Statusrad text");
    HWND bar = vu_StatusBar(parent, "NOBAR");
    for (const auto& c : cases) {
        EXPECT_EQ(vu_StatusBarSetText(bar, 1, c.word, "Ready"), 0);
        char text[16];
        memset(text, '#', sizeof text);
        EXPECT_EQ(vu_StatusBarGetText(bar, 1, text), 5);
        EXPECT_EQ(std::string(text, 7), std::string("Ready\0#", 7));
        EXPECT_EQ(HIWORD(SendMessageA(bar, SB_GETTEXTA, 0, (LPARAM)text)), c.type)
            << (c.word ? c.word : "(null)");
    }
    // A bare part has no text and no border.
    vu_StatusBarPart(bar, 1, 60);
    char text[8] = "junk";
    EXPECT_EQ(SendMessageA(bar, SB_GETTEXTA, 0, (LPARAM)text), MAKELRESULT(0, SBT_NOBORDERS));
}

TEST(StatusBar, RecreatePostsALayoutAndTheBarReturnsToTheRememberedY)
{
    vu_test::Window parent("Statusrad ny");
    HWND old = vu_StatusBar(parent, "NOBAR");
    vu_test::PumpMessages();
    vu_test::ClearMessages();
    HWND bar = vu_StatusBarRecreate(old, "BARSIZEGRIP");
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(GetParent(bar), parent.get());
    EXPECT_TRUE(vu_test::WaitFor([&] {
        for (const vu_test::Message& m : vu_test::Messages())
            if (m.window == parent && m.message == WM_SIZE && m.wparam == 0 && m.lparam == 0)
                return true;
        return false;
    }));

    EXPECT_EQ(vu_StatusBarMove(bar, 40), 0);
    vu_Query.x = 1234;
    EXPECT_EQ(vu_StatusBarGetPos(bar), 0);
    EXPECT_EQ(vu_Query.x * 1000 + vu_Query.y, 1234040);  // only y is answered
    // A closing bare part lets the bar lay itself out at the bottom; a closing part with
    // text puts it back at the remembered y.
    vu_StatusBarPart(bar, 20, 10);
    vu_StatusBarPart(bar, 20, 10);
    EXPECT_EQ(vu_test::RectInParent(bar).bottom, vu_test::ClientSize(parent).cy);
    vu_StatusBarPartText(bar, 20, 10, "FLAT", "x");
    EXPECT_EQ(vu_test::ChildAt(parent, 0, 40), bar);
    vu_StatusBarMove(nullptr, 0);  // leaves no remembered y behind
}

}  // namespace
