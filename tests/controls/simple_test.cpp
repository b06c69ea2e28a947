// Simple controls: the status bars' shared layout (process-wide, so it runs first), the keyword
// words of every kind, then clicks, presses, texts, positions, ranges, queries, replacements.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "input.h"
#include "query.h"

namespace {

using vu_test::RectInParent;
using vu_test::StyleOf;

// The right edges of a status bar's first parts, as "a b c".
std::string Edges(HWND bar, int count = 3)
{
    int edges[20];
    std::string text;
    SendMessageA(bar, SB_GETPARTS, 20, reinterpret_cast<LPARAM>(edges));
    for (int i = 0; i < count; ++i) text += std::to_string(edges[i]) + " ";
    return text;
}

TEST(StatusBarLayout, SeriesOfPartsFollowTheRunningTotal)
{
    vu_test::Window parent("Statusrad serie", 420, 300);
    HWND bar = vu_StatusBar(parent, "NOBAR");
    for (const char* series : {"100 150 230 ", "330 380 460 ", "100 150 230 "}) {
        vu_StatusBarPart(bar, 1, 100), vu_StatusBarPartText(bar, 2, 50, "FLAT", "b");
        vu_StatusBarPart(bar, 3, 80);
        EXPECT_EQ(Edges(bar), series);
    }
    vu_StatusBarPart(bar, 20, 7);  // the last part number is in range
    const std::string before = Edges(bar, 20);
    for (int n : {0, 21, -1, INT_MIN, INT_MAX}) {  // numbers outside 1..20 change nothing
        char text[8] = "junk";
        EXPECT_EQ(vu_StatusBarPart(bar, n, 1000) + vu_StatusBarPartText(bar, n, 1, "FLAT", "x") +
                  vu_StatusBarSetText(bar, n, "", "") + vu_StatusBarGetText(bar, n, text), 3) << n;
        EXPECT_EQ(Edges(bar, 20) + text, before) << n;
    }
    vu_StatusBarPart(bar, 20, 5);  // nor the running total: part 20 again closes the series
    EXPECT_EQ(Edges(bar, 20), before.substr(0, before.size() - 2) + "12 ");
}

// The styles the first window created after g_asked is cleared was asked for (the platform's
// controls change their styles themselves: an up-down control drops WS_BORDER).
CREATESTRUCTA g_asked = {};
LRESULT CALLBACK RecordCreate(int code, WPARAM wparam, LPARAM lparam)
{
    if (code == HCBT_CREATEWND && !g_asked.style)
        g_asked = *reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs;
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

using Make = HWND (*)(HWND parent, const char* word);
#define MAKE(...) +[](HWND p, const char* w) { return __VA_ARGS__; }
#define AT 5, 5, 90, 90
constexpr DWORD kNone = 0xFFFFFFFF;  // no control made

TEST(Words, EveryKindsWordsGiveTheirStyles)
{
    const struct Kind { const char* name; Make make; } fr{"frame", MAKE(vu_Button(p, AT, "B",
        "C", w, 3))}, al{"alignment", MAKE(vu_Button(p, AT, "B", w, "NORMAL", 3))},
        ch{"check", MAKE(vu_CheckButton(p, 5, 5, w, "x", 3))},
        up{"up-down", MAKE(vu_UpDown(p, AT, w, 50, -10, 7))},
        ac{"across", MAKE(vu_UpDownHorz(p, AT, w, 50, -10, 7))},
        pr{"progress", MAKE(vu_Progress(p, AT, w, 200, 10))}, st{"bar", MAKE(vu_StatusBar(p, w))},
        tr{"trackbar", MAKE(vu_Trackbar(p, "V", AT, w, 10, 2, 3))},
        tu{"orientation", MAKE(vu_Trackbar(p, w, AT, "BAR", 10, 2, 3))},
        co{"combo", MAKE(vu_ComboBox(p, AT, w))};
    // style: the bits beside WS_CHILD | WS_VISIBLE; edge: WS_EX_CLIENTEDGE asked for.
    const struct { const Kind& kind; const char* word; DWORD style; bool edge = 0; } cases[] = {
        {fr, "NORMAL", 0x1300}, {fr, "SHADOW", 0x1301}, {fr, "SUNKEN", 0x1300, 1},
        {fr, "SUNKEN_SHADOW", 0x1301, 1}, {fr, "BAR", 0x401300}, {fr, "BAR_SHADOW", 0x401301},
        {fr, "EDGE", 0x401300, 1}, {fr, "EDGE_SHADOW", 0x401301, 1}, {fr, "normal", 0x1300},
        {fr, "EDGE_SHADOWS", 0x1300}, {fr, nullptr, 0x1300}, {al, "L", 0x1100}, {al, "R", 0x1200},
        {al, "T", 0x1400}, {al, "B", 0x1800}, {al, "LB", 0x1900}, {al, "LT", 0x1500},
        {al, "RB", 0x1A00}, {al, "RT", 0x1600}, {al, "BL", 0x1300}, {al, nullptr, 0x1300},
        {ch, "SQUARE", 3}, {ch, "ROUND", 9}, {ch, "square", kNone}, {ch, nullptr, kNone},
        {up, "B", 0x800000}, {ac, "B", 0x800040}, {up, "b", 0}, {ac, "BORDER", 0x40},
        {pr, "NORMAL", 0}, {pr, "SUNKEN", 0x400000}, {pr, "sunken", 0},
        {tr, "NORMAL", 3}, {tr, "EDGE", 0x400003, 1}, {tr, "SUNKEN", 3, 1}, {tr, "BAR", 0x400003},
        {tr, "edge", 3}, {tu, "H", 0x400001}, {tu, "v", 0x400001}, {st, "NOBAR", 0},
        {st, "NOBARSIZEGRIP", 0x100}, {st, "BAR", 0x400000}, {st, "BARSIZEGRIP", 0x400100},
        {st, "bar", 0}, {co, "READDROP", 0x200043}, {co, "WRITEDROP", 0x200042},
        {co, "READDROPSORT", 0x200143}, {co, "WRITEDROPSORT", 0x200142}, {co, "SIMPLE", 0x200041},
        {co, "SIMPLESORT", 0x200141}, {co, "readdrop", 0x200040}, {co, nullptr, 0x200040}};
    vu_test::Window parent("Ord");
    HHOOK hook = SetWindowsHookExA(WH_CBT, RecordCreate, nullptr, GetCurrentThreadId());
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.kind.name) + " " + (c.word ? c.word : "(null)"));
        g_asked = {};
        HWND w = c.kind.make(parent, c.word);
        EXPECT_EQ(w ? DWORD(g_asked.style) ^ WS_CHILD ^ WS_VISIBLE : kNone, c.style);
        EXPECT_EQ(g_asked.dwExStyle & WS_EX_CLIENTEDGE, c.edge ? WS_EX_CLIENTEDGE : 0u);
        DestroyWindow(w);
    }
    UnhookWindowsHookEx(hook);
}

TEST(Controls, ClicksPressesTextsPositionsRangesQueryWordsAndReplacements)
{
    vu_test::Window parent("Knapp");
    HWND b = vu_Button(parent, 40, 40, 100, 25, "Beredskapsläge", "C", "SUNKEN", 7);
    ASSERT_TRUE(vu_test::Foreground(parent));
    vu_test::ClearMessages();
    vu_test::Click(b);  // one real click reaches the parent once
    EXPECT_TRUE(vu_test::WaitFor([&] { return vu_test::CountMessages(WM_COMMAND, parent); }));
    EXPECT_EQ(vu_test::CountMessages(WM_COMMAND, parent), 1);
    vu_test::ClearMessages();
    EXPECT_EQ((vu_ButtonPress(b), vu_ButtonGetState(b) & BST_PUSHED), BST_PUSHED);
    EXPECT_EQ((vu_ButtonRelease(b), vu_ButtonGetState(b) & BST_PUSHED), 0);
    vu_test::PumpMessages();
    EXPECT_EQ(vu_test::CountMessages(WM_COMMAND, parent), 0);  // without a click

    // The button of the id is replaced: the frame's style and the alignment, not push-like;
    // an id no child has destroys nothing.
    HWND r = vu_ButtonRecreate(parent, 30, 70, 80, 20, "Ny", "L", "SUNKEN", 7);
    EXPECT_TRUE(!IsWindow(b) && GetDlgCtrlID(r) == 7 && vu_test::TextOf(r) == "Ny");
    EXPECT_TRUE(StyleOf(r) == 0x50000100u && vu_test::ExStyleOf(r) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(StyleOf(vu_ButtonRecreate(parent, 5, 100, 100, 25, "B", "RT", "?", 2)), 0x50000600u);
    EXPECT_TRUE(IsWindow(r));

    // A check button refitted to a new text where it stands; its text read within 255 bytes.
    HWND check = vu_CheckButton(parent, 15, 25, "SQUARE", "Kort", 8);
    const RECT before = RectInParent(check);
    EXPECT_EQ(vu_CheckButtonSetText(check, "En betydligt längre text"), 0);
    const RECT after = RectInParent(check);
    EXPECT_TRUE(after.left == 15 && after.top == 25 && after.right > before.right + 50);
    vu_CheckButtonSetText(check, std::string(400, 'x').c_str());
    char buffer[300];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(vu_CheckButtonGetText(check, buffer) + vu_CheckButtonSetText(nullptr, "Ingen"), 255);
    EXPECT_EQ(std::string(buffer, 256), std::string(254, 'x') + '\0' + '#');  // 254 characters

    // Up-down range and the position out of the scroll message; progress range; trackbar
    // query words; status bar texts of each kind, read within their bounds; replacements.
    HWND a = vu_UpDown(parent, 10, 20, 18, 40, "", 50, -10, 7);
    int lower = 0, upper = 0;
    SendMessageA(a, UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper);
    EXPECT_EQ(lower * 1000000 + upper * 1000 + LOWORD(SendMessageA(a, UDM_GETPOS, 0, 0)), -9949993);
    EXPECT_EQ(RectInParent(a).right * 100 + RectInParent(a).bottom, 2860);
    // The position a scroll message carries when one of its parameters is the control.
    const struct { const char* name; HWND to; WPARAM wparam; LPARAM lparam; int pos; } ups[] = {
        {"own", a, MAKEWPARAM(4, 5), (LPARAM)a, 5}, {"swapped", a, (WPARAM)a, MAKELPARAM(4, 5), 5},
        {"another's", parent, MAKEWPARAM(4, 5), (LPARAM)a, -1},
        {"a window's scroll bar", nullptr, MAKEWPARAM(4, 5), 0, -1},
        {"negative", a, MAKEWPARAM(SB_THUMBPOSITION, 0xFFFF), (LPARAM)a, 65535}};
    for (const auto& c : ups)
        EXPECT_EQ(vu_UpDownPos(c.to, c.wparam, c.lparam), c.pos) << c.name;
    HWND old = vu_Progress(parent, 5, 5, 200, 20, "NORMAL", 50, 10);
    HWND bar = vu_ProgressRecreate(old, 10, 40, 150, 18, "SUNKEN", 65536 + 300, 3);
    EXPECT_TRUE(!IsWindow(old) && vu_test::ChildAt(parent, 10, 40) == bar);
    EXPECT_EQ(vu_ProgressStep(bar) + vu_ProgressStep(bar), 0);
    const LRESULT range = SendMessageA(bar, PBM_GETRANGE, FALSE, 0);  // its low 16 bits count
    EXPECT_EQ(range * 100 + SendMessageA(bar, PBM_GETPOS, 0, 0), 30006);
    old = vu_Trackbar(parent, "V", 5, 5, 40, 200, "NORMAL", 10, 1, 4);
    HWND track = vu_TrackbarRecreate(old, "H", 5, 60, 300, 40, "BAR", 65536 + 50, 5, 20);
    EXPECT_TRUE(!IsWindow(old) && vu_test::ChildAt(parent, 5, 60) == track);
    SetWindowLongA(track, GWL_STYLE, StyleOf(track) | TBS_FIXEDLENGTH);  // its own slider length
    SendMessageA(track, TBM_SETTHUMBLENGTH, 17, 0);
    const struct { const char* word; int value; } words[] = {{"SLIDERPOSNR", 50}, {"CLICKSTEPS", 5},
        {"SLIDERPOS", 20}, {"TICS", 51}, {"BUTTLENGTH", 17}, {"sliderpos", 0}, {nullptr, 0}};
    for (const auto& c : words)
        EXPECT_EQ(vu_TrackbarGet(track, c.word), c.value) << (c.word ? c.word : "(null)");

    const struct { const char* word; WORD type; } kinds[] = {
        {"SUNKEN", SBT_RTLREADING}, {"FLAT", SBT_NOBORDERS}, {"BAR", SBT_POPOUT}, {"flat", 0}};
    old = vu_StatusBar(parent, "NOBAR");
    char text[16];
    for (const auto& c : kinds) {
        std::memset(text, '#', sizeof text);
        EXPECT_EQ(vu_StatusBarSetText(old, 1, c.word, "Ready"), 0);
        EXPECT_EQ(vu_StatusBarGetText(old, 1, text), 5);
        EXPECT_EQ(std::string(text, 7), std::string("Ready\0#", 7));
        EXPECT_EQ(HIWORD(SendMessageA(old, SB_GETTEXTA, 0, (LPARAM)text)), c.type) << c.word;
    }
    vu_test::PumpMessages();
    vu_test::ClearMessages();
    bar = vu_StatusBarRecreate(old, "BARSIZEGRIP");  // and the parent is told to lay out
    EXPECT_FALSE(IsWindow(old));
    EXPECT_TRUE(vu_test::WaitFor([&] { return vu_test::CountMessages(WM_SIZE, parent); }));
    vu_Query.x = 1234;
    EXPECT_EQ(vu_StatusBarMove(bar, 40) + vu_StatusBarGetPos(bar), 0);
    EXPECT_EQ(vu_Query.x * 1000 + vu_Query.y, 1234040);  // only y is answered
    // A closing bare part (the second part 20 closes a series) lays the bar out at the
    // bottom; a closing part with text puts it back at the remembered y.
    vu_StatusBarPart(bar, 20, 10);
    vu_StatusBarPart(bar, 20, 10);
    EXPECT_EQ(RectInParent(bar).bottom, vu_test::ClientSize(parent).cy);
    vu_StatusBarPartText(bar, 20, 10, "FLAT", "x");
    EXPECT_EQ(vu_test::ChildAt(parent, 0, 40), bar);
    vu_StatusBarMove(nullptr, 0);  // leaves no remembered y behind
}

}  // namespace
