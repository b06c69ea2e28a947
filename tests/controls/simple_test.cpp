// The simple controls: the status bars' shared layout (it lives for the whole process, so it
// runs first), the keyword words of every kind in one table, a real click on a push button,
// press/release/state and replacement, check button texts, up-down positions, progress range
// and step, trackbar query words, and status bar texts and replacement.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "input.h"
#include "query.h"

namespace {

using vu_test::StyleOf;

// "x,y wxh" of a control in its parent's client area.
std::string Place(HWND w)
{
    const RECT r = vu_test::RectInParent(w);
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
           std::to_string(r.bottom - r.top);
}

// Whether the recording window procedure of the test's windows saw this message.
bool Seen(HWND w, UINT message, WPARAM wparam, LPARAM lparam)
{
    for (const vu_test::Message& m : vu_test::Messages())
        if (m.window == w && m.message == message && m.wparam == wparam && m.lparam == lparam) return true;
    return false;
}

// The right edges of a status bar's first parts.
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
        EXPECT_EQ(vu_StatusBarPart(bar, 1, 100) + vu_StatusBarPartText(bar, 2, 50, "FLAT", "b"), 0);
        EXPECT_EQ(vu_StatusBarPart(bar, 3, 80), 0);
        EXPECT_EQ(Edges(bar), series[s]) << "series " << s + 1;
    }
    vu_StatusBarPart(bar, 20, 7);  // the last part number is in range
    const std::vector<int> before = Edges(bar, 20);
    for (int n : {0, 21, -1, INT_MIN, INT_MAX}) {  // numbers outside 1..20 change nothing
        char text[8] = "junk";
        EXPECT_EQ(vu_StatusBarPart(bar, n, 1000) + vu_StatusBarPartText(bar, n, 1000, "FLAT", "x") +
                      vu_StatusBarSetText(bar, n, "FLAT", "x") + vu_StatusBarGetText(bar, n, text) * 10, 3) << n;
        EXPECT_EQ(Edges(bar, 20), before) << n;
    }
    vu_StatusBarPart(bar, 20, 5);  // nor the running total: part 20 again closes the series
    EXPECT_EQ(Edges(bar, 20)[19], 12);
}

// The style and extended style a window was asked to be created with: the first window
// created after Watch() (a control's own inner windows come later). The platform's controls
// change their styles themselves (an up-down control drops WS_BORDER and draws its own).
DWORD g_style = 0, g_ex_style = 0;
bool g_seen = false;
LRESULT CALLBACK RecordCreate(int code, WPARAM wparam, LPARAM lparam)
{
    if (code == HCBT_CREATEWND && !g_seen) {
        g_seen = true;
        g_style = reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs->style;
        g_ex_style = reinterpret_cast<CBT_CREATEWNDA*>(lparam)->lpcs->dwExStyle;
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

using Make = HWND (*)(HWND parent, const char* word);
#define MAKE(...) +[](HWND p, const char* w) { return __VA_ARGS__; }

TEST(Words, EveryKindsWordsGiveTheirStyles)
{
    const struct Kind { const char* name; Make make; } frame{"button frame", MAKE(vu_Button(p, 5, 6, 90, 30, "B", "C", w, 301))},
        align{"button alignment", MAKE(vu_Button(p, 5, 6, 90, 30, "B", w, "NORMAL", 301))},
        check{"check button", MAKE(vu_CheckButton(p, 12, 34, w, "x", 201))},
        up{"up-down border", MAKE(vu_UpDown(p, 10, 20, 18, 40, w, 50, -10, 7))},
        across{"horizontal up-down border", MAKE(vu_UpDownHorz(p, 10, 20, 18, 40, w, 50, -10, 7))},
        progress{"progress frame", MAKE(vu_Progress(p, 5, 6, 200, 20, w, 200, 10))},
        track{"trackbar frame", MAKE(vu_Trackbar(p, "V", 5, 5, 150, 150, w, 10, 2, 3))},
        turn{"trackbar orientation", MAKE(vu_Trackbar(p, w, 5, 5, 150, 150, "BAR", 10, 2, 3))},
        status{"status bar", MAKE(vu_StatusBar(p, w))}, combo{"combobox", MAKE(vu_ComboBox(p, 5, 5, 150, 120, w))};
    const struct { const Kind& kind; const char* word; DWORD style, ex_style = 0; } cases[] = {  // style 0: none made
        {frame, "NORMAL", 0x50001300}, {frame, "SHADOW", 0x50001301}, {frame, "SUNKEN", 0x50001300, 0x200},
        {frame, "SUNKEN_SHADOW", 0x50001301, 0x200}, {frame, "BAR", 0x50401300}, {frame, "BAR_SHADOW", 0x50401301},
        {frame, "EDGE", 0x50401300, 0x200}, {frame, "EDGE_SHADOW", 0x50401301, 0x200}, {frame, "normal", 0x50001300},
        {frame, "EDGE_SHADOWS", 0x50001300}, {frame, nullptr, 0x50001300}, {align, "L", 0x50001100},
        {align, "R", 0x50001200}, {align, "T", 0x50001400}, {align, "B", 0x50001800}, {align, "LB", 0x50001900},
        {align, "LT", 0x50001500}, {align, "RB", 0x50001A00}, {align, "RT", 0x50001600}, {align, "l", 0x50001300},
        {align, "", 0x50001300}, {align, "BL", 0x50001300}, {align, nullptr, 0x50001300},
        {check, "SQUARE", 0x50000003}, {check, "ROUND", 0x50000009}, {check, "square", 0}, {check, "", 0},
        {check, nullptr, 0}, {up, "B", 0x50800000}, {across, "B", 0x50800040}, {up, "b", 0x50000000},
        {across, "", 0x50000040}, {up, nullptr, 0x50000000}, {across, "BORDER", 0x50000040},
        {progress, "NORMAL", 0x50000000}, {progress, "SUNKEN", 0x50400000}, {progress, "sunken", 0x50000000},
        {progress, nullptr, 0x50000000}, {track, "NORMAL", 0x50000003}, {track, "EDGE", 0x50400003, 0x200},
        {track, "SUNKEN", 0x50000003, 0x200}, {track, "BAR", 0x50400003}, {track, "edge", 0x50000003},
        {track, nullptr, 0x50000003}, {turn, "H", 0x50400001}, {turn, "v", 0x50400001}, {turn, nullptr, 0x50400001},
        {status, "NOBAR", 0x50000000}, {status, "NOBARSIZEGRIP", 0x50000100}, {status, "BAR", 0x50400000},
        {status, "BARSIZEGRIP", 0x50400100}, {status, "bar", 0x50000000}, {status, nullptr, 0x50000000},
        {combo, "READDROP", 0x50200043}, {combo, "WRITEDROP", 0x50200042}, {combo, "READDROPSORT", 0x50200143},
        {combo, "WRITEDROPSORT", 0x50200142}, {combo, "SIMPLE", 0x50200041}, {combo, "SIMPLESORT", 0x50200141},
        {combo, "readdrop", 0x50200040}, {combo, "", 0x50200040}, {combo, nullptr, 0x50200040}, };
    vu_test::Window parent("Ord");
    HHOOK hook = SetWindowsHookExA(WH_CBT, RecordCreate, nullptr, GetCurrentThreadId());
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.kind.name) + " " + (c.word ? c.word : "(null)"));
        g_seen = false;
        HWND w = c.kind.make(parent, c.word);
        EXPECT_EQ(w != nullptr, c.style != 0);
        EXPECT_EQ(g_seen ? g_style : 0, c.style);
        EXPECT_EQ(g_ex_style & WS_EX_CLIENTEDGE, c.ex_style);
        DestroyWindow(w);
    }
    UnhookWindowsHookEx(hook);
}

TEST(Button, RealClickPressReleaseStateAndReplacement)
{
    vu_test::Window parent("Knapp");
    HWND b = vu_Button(parent, 40, 40, 100, 25, "Beredskapsläge", "C", "SUNKEN", 7);
    EXPECT_EQ(vu_test::TextOf(b), "Beredskapsläge");
    EXPECT_EQ(SendMessageA(b, WM_GETFONT, 0, 0), (LRESULT)GetStockObject(DEFAULT_GUI_FONT));
    ASSERT_TRUE(vu_test::Foreground(parent));
    vu_test::ClearMessages();
    vu_test::Click(b);  // one real click reaches the parent once
    EXPECT_TRUE(vu_test::WaitFor([&] { return Seen(parent, WM_COMMAND, MAKEWPARAM(7, BN_CLICKED), (LPARAM)b); }));
    EXPECT_EQ(vu_test::CountMessages(WM_COMMAND, parent), 1);
    vu_test::ClearMessages();
    SetFocus(nullptr);
    EXPECT_EQ(vu_ButtonGetState(b) + vu_ButtonPress(b), 0);
    SetFocus(b);
    EXPECT_EQ(vu_ButtonGetState(b), 0x000C);  // pushed and focused
    EXPECT_EQ(vu_ButtonRelease(b) + vu_ButtonGetState(b), 0x0008);
    vu_test::PumpMessages();
    EXPECT_EQ(vu_test::CountMessages(WM_COMMAND, parent), 0);  // without a click

    // The first button of the id is replaced in place: the frame's style and the alignment,
    // not push-like, the platform's default font; an id no child has destroys nothing.
    HWND two = vu_Button(parent, 5, 80, 100, 25, "Två", "C", "NORMAL", 7), first = GetDlgItem(parent, 7);
    HWND r = vu_ButtonRecreate(parent, 30, 70, 80, 20, "Ny", "L", "SUNKEN", 7);
    EXPECT_TRUE(!IsWindow(first) && IsWindow(first == b ? two : b));
    EXPECT_EQ(std::to_string(GetDlgCtrlID(r)) + " " + Place(r) + " " + vu_test::TextOf(r), "7 30,70 80x20 Ny");
    EXPECT_EQ(StyleOf(r) * 1000ull + (vu_test::ExStyleOf(r) & WS_EX_CLIENTEDGE), 0x50000100ull * 1000 + 0x200);
    EXPECT_EQ(SendMessageA(r, WM_GETFONT, 0, 0), 0);
    EXPECT_EQ(StyleOf(vu_ButtonRecreate(parent, 5, 100, 100, 25, "B", "RT", "okänd", 2)), 0x50000600u);
    EXPECT_TRUE(IsWindow(r));
}

// The size a check button takes for a text: text width + 20 by text height, at least 16,
// measured with the font of the window device context.
std::string Fitted(HWND w, const char* text)
{
    SIZE m = {};
    HDC dc = GetWindowDC(w);
    GetTextExtentPoint32A(dc, text, static_cast<int>(std::strlen(text)), &m);
    ReleaseDC(w, dc);
    return std::to_string(m.cx + 20) + "x" + std::to_string(m.cy < 16 ? 16 : m.cy);
}

TEST(CheckButton, SizesTextsAndTheGroupBox)
{
    vu_test::Window parent("Kryss");
    for (const char* text : {"Beredskapsläge", ""}) {
        HWND b = vu_CheckButton(parent, 12, 34, "ROUND", text, 201);
        EXPECT_EQ(std::to_string(GetDlgCtrlID(b)) + " " + Place(b), "201 12,34 " + Fitted(parent, text));
        vu_CheckButtonDestroy(b);
    }
    HWND b = vu_CheckButton(parent, 15, 25, "SQUARE", "Kort", 7);
    EXPECT_EQ(vu_CheckButtonSetText(b, "En betydligt längre text"), 0);  // refitted where it stands
    EXPECT_EQ(Place(b), "15,25 " + Fitted(b, "En betydligt längre text"));
    vu_CheckButtonSetText(b, std::string(400, 'x').c_str());
    char buffer[300];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(vu_CheckButtonGetText(b, buffer) + vu_CheckButtonSetText(nullptr, "Ingen"), 255);
    EXPECT_EQ(std::string(buffer, 256), std::string(254, 'x') + '\0' + '#');  // 254 characters
    HWND box = vu_GroupBox(parent, 10, 20, 200, 120, "Sökvägar");  // a titled frame with id 0
    EXPECT_EQ(StyleOf(box) + GetDlgCtrlID(box), 0x50000007u);
    EXPECT_EQ(vu_test::TextOf(box) + " " + Place(box), "Sökvägar 10,20 200x120");
}

TEST(UpDown, LimitsAndThePositionOutOfTheScrollMessage)
{
    vu_test::Window parent("Pilar");
    HWND a = vu_UpDown(parent, 10, 20, 18, 40, "", 50, -10, 7), b = vu_UpDownHorz(parent, 30, 0, 40, 18, "B", 10, 0, 0);
    int lower = 0, upper = 0;
    SendMessageA(a, UDM_GETRANGE32, (WPARAM)&lower, (LPARAM)&upper);
    EXPECT_EQ(std::to_string(GetDlgCtrlID(a)) + " " + Place(a) + " " + std::to_string(lower) + ".." +
                  std::to_string(upper) + " " + std::to_string(LOWORD(SendMessageA(a, UDM_GETPOS, 0, 0))),
              "9 10,20 18x40 -10..50 7");
    const struct { const char* name; HWND control; WPARAM wparam; LPARAM lparam; int position; } cases[] = {
        {"its own", a, MAKEWPARAM(4, 5), (LPARAM)a, 5}, {"swapped", a, (WPARAM)a, MAKELPARAM(4, 5), 5},
        {"another's", b, MAKEWPARAM(4, 5), (LPARAM)a, -1}, {"a scroll bar's", a, MAKEWPARAM(4, 5), 0, -1},
        {"negative", a, MAKEWPARAM(SB_THUMBPOSITION, 0xFFFF), (LPARAM)a, 65535}};
    for (const auto& c : cases)
        EXPECT_EQ(vu_UpDownPos(c.control, c.wparam, c.lparam) * 1000 + vu_UpDownHorzPos(c.control, c.wparam, c.lparam),
                  c.position * 1001) << c.name;
}

TEST(Bars, ProgressRangeAndStepTrackbarQueryWordsAndReplacements)
{
    vu_test::Window parent("Förlopp");
    HWND bar = vu_Progress(parent, 5, 5, 200, 20, "NORMAL", 50, 10);
    vu_ProgressStep(bar);
    for (unsigned maximum : {200u, 65535u, 65536u + 300}) {  // its low 16 bits count
        HWND old = bar;
        bar = vu_ProgressRecreate(old, 10, 40, 150, 18, "SUNKEN", maximum, 3);
        EXPECT_TRUE(!IsWindow(old) && vu_test::ChildAt(parent, 10, 40) == bar);
        EXPECT_EQ(vu_ProgressStep(bar) + vu_ProgressStep(bar), 0);  // the old position is not kept
        EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, FALSE, 0) * 1000 + SendMessageA(bar, PBM_GETPOS, 0, 0),
                  (maximum & 0xFFFF) * 1000 + 6);
    }
    HWND old = vu_Trackbar(parent, "V", 5, 5, 40, 200, "NORMAL", 10, 1, 4);
    HWND track = vu_TrackbarRecreate(old, "H", 5, 60, 300, 40, "BAR", 65536 + 50, 5, 20);
    EXPECT_TRUE(!IsWindow(old) && vu_test::ChildAt(parent, 5, 60) == track && StyleOf(track) == 0x50400001u);
    SetWindowLongA(track, GWL_STYLE, 0x50400001 | TBS_FIXEDLENGTH);  // a slider length of its own
    SendMessageA(track, TBM_SETTHUMBLENGTH, 17, 0);
    const struct { const char* word; int value; } words[] = {{"SLIDERPOSNR", 50}, {"CLICKSTEPS", 5}, {"SLIDERPOS", 20},
        {"TICS", 51}, {"BUTTLENGTH", 17}, {"sliderpos", 0}, {"", 0}, {nullptr, 0}};
    for (const auto& c : words) EXPECT_EQ(vu_TrackbarGet(track, c.word), c.value) << (c.word ? c.word : "(null)");
}

TEST(Bars, StatusTextsKindsAndReplacement)
{
    const struct { const char* word; WORD type; } kinds[] = {
        {"SUNKEN", SBT_RTLREADING}, {"FLAT", SBT_NOBORDERS}, {"BAR", SBT_POPOUT}, {"flat", 0}, {nullptr, 0}};
    vu_test::Window parent("Statusrad");
    HWND old = vu_StatusBar(parent, "NOBAR");
    char text[16];
    for (const auto& c : kinds) {
        std::memset(text, '#', sizeof text);
        EXPECT_EQ(vu_StatusBarSetText(old, 1, c.word, "Ready") + vu_StatusBarGetText(old, 1, text), 5);
        EXPECT_EQ(std::string(text, 7), std::string("Ready\0#", 7));
        EXPECT_EQ(HIWORD(SendMessageA(old, SB_GETTEXTA, 0, (LPARAM)text)), c.type) << (c.word ? c.word : "(null)");
    }
    vu_test::PumpMessages();
    vu_test::ClearMessages();
    HWND bar = vu_StatusBarRecreate(old, "BARSIZEGRIP");  // and the parent is told to lay out
    EXPECT_TRUE(!IsWindow(old) && vu_test::WaitFor([&] { return Seen(parent, WM_SIZE, 0, 0); }));
    vu_Query.x = 1234;
    EXPECT_EQ(vu_StatusBarMove(bar, 40) + vu_StatusBarGetPos(bar), 0);
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
