// Status bar: the layout shared by all status bars (running total, series of parts, part
// numbers out of range), part texts and kinds, replacement, the vertical-only members.
// The layout state lives for the whole process: the series test must run first.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <climits>
#include <vector>

#include "lists_test_util.h"

namespace {

using lists_test::NewParent;
using lists_test::StyleOf;

std::vector<int> Edges(HWND bar)
{
    std::vector<int> edges(20, -7);
    SendMessageA(bar, SB_GETPARTS, 20, reinterpret_cast<LPARAM>(edges.data()));
    return edges;
}

std::vector<int> Three(HWND bar)
{
    std::vector<int> e = Edges(bar);
    return {e[0], e[1], e[2]};
}

TEST(StatusBarLayout, SeriesOfPartsFollowTheRunningTotal)
{
    HWND parent = NewParent("Status series");
    HWND bar = vu_StatusBar(parent, "NOBAR");
    ASSERT_NE(bar, nullptr);
    // First series: the highest part number grows with every call, the total is kept.
    EXPECT_EQ(vu_StatusBarPart(bar, 1, 100), 0);
    EXPECT_EQ(vu_StatusBarPart(bar, 2, 50), 0);
    EXPECT_EQ(vu_StatusBarPart(bar, 3, 80), 0);
    EXPECT_EQ(Three(bar), (std::vector<int>{100, 150, 230}));
    EXPECT_EQ(SendMessageA(bar, SB_GETPARTS, 0, 0), 20);
    // Second series starts at the kept total of 230 and closes at part 3.
    vu_StatusBarPart(bar, 1, 100);
    vu_StatusBarPart(bar, 2, 50);
    vu_StatusBarPart(bar, 3, 80);
    EXPECT_EQ(Three(bar), (std::vector<int>{330, 380, 460}));
    // Third series starts from 0 again, and closes again.
    vu_StatusBarPartText(bar, 1, 100, "SUNKEN", "a");
    vu_StatusBarPartText(bar, 2, 50, "FLAT", "b");
    vu_StatusBarPartText(bar, 3, 80, "BAR", "c");
    EXPECT_EQ(Three(bar), (std::vector<int>{100, 150, 230}));
    vu_StatusBarPart(bar, 1, 10);
    EXPECT_EQ(Edges(bar)[0], 10);
    EXPECT_EQ(Edges(bar)[3], 0);  // never set: an empty part
    vu_StatusBarPart(bar, 2, 20);
    vu_StatusBarPart(bar, 3, 30);  // closes this series
    DestroyWindow(parent);
}

TEST(StatusBarLayout, PartNumbersOutsideOneToTwentyChangeNothing)
{
    HWND parent = NewParent("Status range");
    HWND bar = vu_StatusBar(parent, "NOBAR");
    vu_StatusBarPart(bar, 20, 7);  // the last part is in range
    const std::vector<int> before = Edges(bar);
    EXPECT_EQ(before[19], 7);
    for (int n : {0, 21, 22, -1, INT_MIN, INT_MAX}) {
        EXPECT_EQ(vu_StatusBarPart(bar, n, 1000), 1) << n;
        EXPECT_EQ(vu_StatusBarPartText(bar, n, 1000, "FLAT", "x"), 1) << n;
        EXPECT_EQ(vu_StatusBarSetText(bar, n, "FLAT", "x"), 1) << n;
        char text[16] = "junk";
        EXPECT_EQ(vu_StatusBarGetText(bar, n, text), 0) << n;
        EXPECT_STREQ(text, "");
    }
    EXPECT_EQ(Edges(bar), before);
    // Nor did they touch the running total or the highest part number: part 20 closes the
    // series that began with it (7 + 5), and the next part starts from 0.
    vu_StatusBarPart(bar, 20, 5);
    EXPECT_EQ(Edges(bar)[19], 12);
    vu_StatusBarPart(bar, 1, 3);
    EXPECT_EQ(Edges(bar)[0], 3);
    DestroyWindow(parent);
}

TEST(StatusBar, KeywordsGiveTheirStyles)
{
    HWND parent = NewParent("Status styles");
    struct Case {
        const char* word;
        DWORD bits;
    } cases[] = {{"NOBAR", 0}, {"NOBARSIZEGRIP", SBARS_SIZEGRIP}, {"BAR", WS_DLGFRAME},
                 {"BARSIZEGRIP", WS_DLGFRAME | SBARS_SIZEGRIP}, {"bar", 0}, {nullptr, 0}};
    for (const Case& c : cases) {
        HWND bar = vu_StatusBar(parent, c.word);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(lists_test::ClassOf(bar), "msctls_statusbar32");
        EXPECT_EQ(StyleOf(bar) & (WS_CHILD | WS_VISIBLE | WS_DLGFRAME | SBARS_SIZEGRIP),
                  WS_CHILD | WS_VISIBLE | c.bits)
            << (c.word ? c.word : "(null)");
        // Glued to the bottom of the parent, across its whole width.
        RECT client, r = lists_test::RectInParent(bar);
        GetClientRect(parent, &client);
        EXPECT_EQ(r.bottom, client.bottom);
        DestroyWindow(bar);
    }
    DestroyWindow(parent);
}

TEST(StatusBar, TextsCarryTheirPartKinds)
{
    HWND parent = NewParent("Status texts");
    HWND bar = vu_StatusBar(parent, "NOBAR");
    EXPECT_EQ(vu_StatusBarSetText(bar, 1, "SUNKEN", "Ready"), 0);
    char text[64] = {};
    EXPECT_EQ(vu_StatusBarGetText(bar, 1, text), 5);
    EXPECT_STREQ(text, "Ready");
    struct Case {
        const char* word;
        WORD type;
    } cases[] = {{"SUNKEN", SBT_RTLREADING}, {"FLAT", SBT_NOBORDERS},
                 {"BAR", SBT_POPOUT},             {"flat", 0},
                 {nullptr, 0}};
    for (const Case& c : cases) {
        vu_StatusBarSetText(bar, 1, c.word, "Klar för åtgärd");
        const LRESULT got = SendMessageA(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(HIWORD(got), c.type) << (c.word ? c.word : "(null)");
        EXPECT_STREQ(text, "Klar för åtgärd");
    }
    EXPECT_EQ(vu_StatusBarSetText(bar, 1, "FLAT", nullptr), 0);
    EXPECT_EQ(vu_StatusBarGetText(bar, 1, text), 0);
    EXPECT_EQ(vu_StatusBarGetText(bar, 1, nullptr), 0);

    HFONT font = vu_StatusBarCreatePointFont(bar, 10, 300, 0, 0, "ARIAL");
    ASSERT_NE(font, nullptr);
    LOGFONTA lf = {};
    GetObjectA(font, sizeof lf, &lf);
    HDC dc = GetDC(bar);
    EXPECT_EQ(lf.lfHeight, -MulDiv(10, GetDeviceCaps(dc, LOGPIXELSY), 72));
    ReleaseDC(bar, dc);
    EXPECT_EQ(lf.lfWeight, 300);
    EXPECT_STREQ(lf.lfFaceName, "ARIAL");
    EXPECT_EQ(vu_StatusBarSetFont(bar, font), 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(bar, WM_GETFONT, 0, 0)), font);
    DestroyWindow(parent);
    DeleteObject(font);
}

TEST(StatusBar, BarePartsHaveNoBorderAndNoText)
{
    HWND parent = NewParent("Status bare");
    HWND bar = vu_StatusBar(parent, "NOBAR");
    vu_StatusBarSetText(bar, 4, "BAR", "old");
    EXPECT_EQ(vu_StatusBarPart(bar, 4, 60), 0);
    char text[16] = "junk";
    const LRESULT got = SendMessageA(bar, SB_GETTEXTA, 3, reinterpret_cast<LPARAM>(text));
    EXPECT_EQ(LOWORD(got), 0);
    EXPECT_EQ(HIWORD(got), SBT_NOBORDERS);
    EXPECT_EQ(vu_StatusBarPartText(bar, 4, 60, "FLAT", "Ny"), 0);
    EXPECT_EQ(vu_StatusBarGetText(bar, 4, text), 2);
    EXPECT_STREQ(text, "Ny");
    DestroyWindow(parent);
}

TEST(StatusBar, RecreatePostsALayoutRequestToTheParent)
{
    HWND parent = NewParent("Status recreate");
    HWND old = vu_StatusBar(parent, "NOBAR");
    vu_test::PumpMessages();
    vu_test::ClearMessages();
    HWND bar = vu_StatusBarRecreate(old, "BARSIZEGRIP");
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_EQ(GetParent(bar), parent);
    EXPECT_EQ(StyleOf(bar) & (WS_DLGFRAME | SBARS_SIZEGRIP), WS_DLGFRAME | SBARS_SIZEGRIP);
    auto posted = [&] {
        for (const vu_test::Message& m : vu_test::Messages())
            if (m.window == parent && m.message == WM_SIZE && m.wparam == 0 && m.lparam == 0)
                return true;
        return false;
    };
    EXPECT_TRUE(vu_test::WaitFor(posted));
    DestroyWindow(parent);
}

TEST(StatusBar, VerticalMembersAndTheRememberedY)
{
    HWND parent = NewParent("Status move");
    HWND bar = vu_StatusBar(parent, "NOBAR");
    RECT client;
    GetClientRect(parent, &client);
    EXPECT_EQ(vu_StatusBarMove(bar, 40), 0);
    RECT r = lists_test::RectInParent(bar);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 40);
    vu_Query.x = 1234;
    EXPECT_EQ(vu_StatusBarGetPos(bar), 0);
    EXPECT_EQ(vu_Query.x, 1234);
    EXPECT_EQ(vu_Query.y, 40);

    // Part 20 is the highest part number once named, so naming it twice closes a series.
    // A closing bare part lets the bar lay itself out at the bottom of the parent ...
    vu_StatusBarPart(bar, 20, 10);
    vu_StatusBarPart(bar, 20, 10);
    EXPECT_EQ(lists_test::RectInParent(bar).bottom, client.bottom);
    // ... a closing part with text puts it back at the remembered y.
    vu_StatusBarPartText(bar, 20, 10, "FLAT", "x");
    vu_StatusBarPartText(bar, 20, 10, "FLAT", "x");
    EXPECT_EQ(lists_test::RectInParent(bar).top, 40);

    EXPECT_EQ(vu_StatusBarHide(bar), 0);
    EXPECT_EQ(vu_StatusBarHide(bar), 1);
    EXPECT_EQ(vu_StatusBarShow(bar), 0);
    EXPECT_EQ(vu_StatusBarShow(bar), 1);
    EXPECT_EQ(vu_StatusBarDestroy(bar), 0);
    EXPECT_EQ(vu_StatusBarDestroy(bar), 1);
    vu_StatusBarMove(nullptr, 0);  // leaves no remembered y for later layouts
    DestroyWindow(parent);
}

TEST(StatusBar, SetColorColoursTheSharedClass)
{
    HWND parent = NewParent("Status colour");
    HWND a = vu_StatusBar(parent, "NOBAR");
    EXPECT_EQ(vu_StatusBarSetColor(a, RGB(1, 2, 3)), 0);
    HBRUSH first = reinterpret_cast<HBRUSH>(GetClassLongPtrA(a, GCLP_HBRBACKGROUND));
    LOGBRUSH lb = {};
    ASSERT_NE(GetObjectA(first, sizeof lb, &lb), 0);
    EXPECT_EQ(lb.lbColor, RGB(1, 2, 3));
    HWND b = vu_StatusBar(parent, "BAR");
    EXPECT_EQ(vu_StatusBarSetColor(b, RGB(4, 5, 6)), 0);
    EXPECT_EQ(GetObjectType(first), 0u);
    GetObjectA(reinterpret_cast<HBRUSH>(GetClassLongPtrA(a, GCLP_HBRBACKGROUND)), sizeof lb, &lb);
    EXPECT_EQ(lb.lbColor, RGB(4, 5, 6));
    DestroyWindow(parent);
}

}  // namespace
