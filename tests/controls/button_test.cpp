// The push button: creation by frame and alignment words, the font, clicks reaching the
// parent as commands, press/release/state, and replacement of a button by its id.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_fixture.h"

namespace {

using control_test::Parent;
using control_test::RectInParent;

LONG Style(HWND w) { return GetWindowLongA(w, GWL_STYLE); }
LONG ExStyle(HWND w) { return GetWindowLongA(w, GWL_EXSTYLE); }

std::string TextOf(HWND w)
{
    char text[256] = {};
    GetWindowTextA(w, text, sizeof text);
    return text;
}

std::string ClassOf(HWND w)
{
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}

HFONT FontOf(HWND w) { return reinterpret_cast<HFONT>(SendMessageA(w, WM_GETFONT, 0, 0)); }

// Messages sent to windows of this thread while a hook is in place.
struct Sent {
    HWND window;
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
};
std::vector<Sent> g_sent;
LRESULT CALLBACK RecordSent(int code, WPARAM wparam, LPARAM lparam)
{
    const CWPSTRUCT* m = reinterpret_cast<const CWPSTRUCT*>(lparam);
    if (code == HC_ACTION) g_sent.push_back({m->hwnd, m->message, m->wParam, m->lParam});
    return CallNextHookEx(nullptr, code, wparam, lparam);
}
struct SentRecorder {
    HHOOK hook;
    SentRecorder()
    {
        g_sent.clear();
        hook = SetWindowsHookExA(WH_CALLWNDPROC, RecordSent, nullptr, GetCurrentThreadId());
    }
    ~SentRecorder() { UnhookWindowsHookEx(hook); }
};

TEST(Button, IsAChildPushButtonWithTheStockGuiFont)
{
    HWND parent = Parent("Knapp");
    SentRecorder recorder;
    HWND b = vu_Button(parent, 12, 34, 100, 25, "Kopiera", "C", "SUNKEN", 100);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(ClassOf(b), "Button");
    EXPECT_EQ(TextOf(b), "Kopiera");
    EXPECT_EQ(GetParent(b), parent);
    EXPECT_EQ(GetDlgCtrlID(b), 100);
    EXPECT_EQ(GetDlgItem(parent, 100), b);
    EXPECT_EQ(GetWindowLongPtrA(b, GWLP_HINSTANCE), GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    EXPECT_TRUE(IsWindowVisible(b));
    const RECT r = RectInParent(b);
    EXPECT_EQ(r.left, 12);
    EXPECT_EQ(r.top, 34);
    EXPECT_EQ(r.right - r.left, 100);
    EXPECT_EQ(r.bottom - r.top, 25);
    EXPECT_EQ(FontOf(b), static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));

    // The font is set once, without an immediate repaint.
    int fonts = 0;
    for (const Sent& m : g_sent) {
        if (m.window != b || m.message != WM_SETFONT) continue;
        ++fonts;
        EXPECT_EQ(m.wparam, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)));
        EXPECT_EQ(m.lparam, 0);
    }
    EXPECT_EQ(fonts, 1);
    vu_WindowDestroy(parent);
}

TEST(Button, TextIsKeptInItsOwnCodePage)
{
    HWND parent = Parent("Knapptext");
    HWND b = vu_Button(parent, 0, 0, 100, 25, "Spara sökvägar", "C", "NORMAL", 105);
    char text[32] = {};
    GetWindowTextA(b, text, sizeof text);
    EXPECT_EQ(static_cast<unsigned char>(text[7]), 0xF6u);  // ö in Windows-1252
    HWND empty = vu_Button(parent, 0, 30, 100, 25, nullptr, "C", "NORMAL", 106);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(TextOf(empty), "");
    vu_WindowDestroy(parent);
}

struct FrameCase {
    const char* word;
    LONG style;     // the whole window style with centred text
    bool sunken;    // WS_EX_CLIENTEDGE
};

// WS_CHILD 0x40000000, WS_VISIBLE 0x10000000, WS_DLGFRAME 0x00400000, BS_PUSHLIKE 0x1000,
// BS_CENTER 0x0300, BS_DEFPUSHBUTTON 0x0001.
const FrameCase kFrameCases[] = {
    {"NORMAL", 0x50001300, false},
    {"SHADOW", 0x50001301, false},
    {"SUNKEN", 0x50001300, true},
    {"SUNKEN_SHADOW", 0x50001301, true},
    {"BAR", 0x50401300, false},
    {"BAR_SHADOW", 0x50401301, false},
    {"EDGE", 0x50401300, true},
    {"EDGE_SHADOW", 0x50401301, true},
    // Outside the table: the plain child frame.
    {"normal", 0x50001300, false},
    {"", 0x50001300, false},
    {"SUNKEN_", 0x50001300, false},
    {"EDGE_SHADOWS", 0x50001300, false},
    {nullptr, 0x50001300, false},
};

TEST(Button, FrameWordsGiveTheirStyles)
{
    HWND parent = Parent("Ramar");
    int id = 300;
    for (const FrameCase& c : kFrameCases) {
        const char* word = c.word ? c.word : "(null)";
        HWND b = vu_Button(parent, 5, 5, 90, 30, "Ram", "C", c.word, ++id);
        ASSERT_NE(b, nullptr) << word;
        EXPECT_EQ(Style(b), c.style) << word;
        EXPECT_EQ((ExStyle(b) & WS_EX_CLIENTEDGE) != 0, c.sunken) << word;
        EXPECT_EQ(GetParent(b), parent) << word;
        EXPECT_EQ(GetDlgCtrlID(b), id) << word;
        vu_ButtonDestroy(b);
    }
    vu_WindowDestroy(parent);
}

struct AlignCase {
    const char* word;
    LONG bits;  // BS_LEFT 0x100, BS_RIGHT 0x200, BS_CENTER 0x300, BS_TOP 0x400, BS_BOTTOM 0x800
};

const AlignCase kAlignCases[] = {
    {"L", 0x0100},  {"R", 0x0200},  {"T", 0x0400},  {"B", 0x0800},  {"C", 0x0300},
    {"LB", 0x0900}, {"LT", 0x0500}, {"RB", 0x0A00}, {"RT", 0x0600},
    // Outside the table: centred.
    {"l", 0x0300},  {"", 0x0300},   {"LEFT", 0x0300}, {"BL", 0x0300}, {nullptr, 0x0300},
};

TEST(Button, AlignmentWordsGiveTheirBits)
{
    HWND parent = Parent("Justering");
    for (const AlignCase& c : kAlignCases) {
        const char* word = c.word ? c.word : "(null)";
        HWND b = vu_Button(parent, 5, 5, 90, 30, "Text", c.word, "NORMAL", 1);
        ASSERT_NE(b, nullptr) << word;
        EXPECT_EQ(Style(b) & 0x0F00, c.bits) << word;
        EXPECT_EQ(Style(b) & ~0x0F00, 0x50001000) << word;
        vu_ButtonDestroy(b);
    }
    vu_WindowDestroy(parent);
}

TEST(Button, NoParentGivesNoButton)
{
    EXPECT_EQ(vu_Button(nullptr, 0, 0, 50, 20, "Ingen", "C", "NORMAL", 1), nullptr);
    // An unknown frame word still makes a child, so it needs a parent too.
    EXPECT_EQ(vu_Button(nullptr, 0, 0, 50, 20, "Ingen", "C", "OKÄND", 1), nullptr);
    EXPECT_EQ(vu_ButtonRecreate(nullptr, 0, 0, 50, 20, "Ingen", "C", "OKÄND", 1), nullptr);
}

// Whether the parent was told of a click of this button.
bool Clicked(HWND parent, HWND button, int id)
{
    for (const vu_test::Message& m : vu_test::Messages())
        if (m.window == parent && m.message == WM_COMMAND &&
            m.wparam == MAKEWPARAM(id, BN_CLICKED) &&
            m.lparam == reinterpret_cast<LPARAM>(button))
            return true;
    return false;
}

void MouseAt(int x, int y, DWORD flags)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    in.mi.dx = (x * 65536 + w - 1) / w;
    in.mi.dy = (y * 65536 + h - 1) / h;
    in.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    SendInput(1, &in, sizeof in);
}

TEST(Button, ClickReachesTheParentAsCommandWithTheId)
{
    HWND parent = Parent("Klick");
    HWND b = vu_Button(parent, 40, 40, 100, 25, "Kopiera", "C", "SUNKEN", 100);
    SetForegroundWindow(parent);
    ASSERT_TRUE(vu_test::WaitFor([&] { return GetForegroundWindow() == parent; }, 2000));
    vu_test::ClearMessages();

    RECT r;
    GetWindowRect(b, &r);
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    MouseAt(x, y, 0);
    MouseAt(x, y, MOUSEEVENTF_LEFTDOWN);
    MouseAt(x, y, MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(vu_test::WaitFor([&] { return Clicked(parent, b, 100); }, 3000));
    EXPECT_EQ(vu_test::CountMessages(WM_COMMAND, parent), 1);

    vu_test::ClearMessages();
    SendMessageA(b, BM_CLICK, 0, 0);
    EXPECT_TRUE(vu_test::WaitFor([&] { return Clicked(parent, b, 100); }, 3000));
    vu_WindowDestroy(parent);
}

TEST(Button, PressReleaseAndStateWithoutAClick)
{
    HWND parent = Parent("Tryck");
    HWND b = vu_Button(parent, 10, 10, 100, 25, "Tryck", "C", "NORMAL", 7);
    vu_test::ClearMessages();
    EXPECT_EQ(vu_ButtonGetState(b) & 0x0004, 0);
    EXPECT_EQ(vu_ButtonPress(b), 0);
    EXPECT_EQ(vu_ButtonGetState(b) & 0x0004, 0x0004);
    EXPECT_EQ(vu_ButtonGetState(b), static_cast<int>(SendMessageA(b, BM_GETSTATE, 0, 0)));
    EXPECT_EQ(vu_ButtonRelease(b), 0);
    EXPECT_EQ(vu_ButtonGetState(b) & 0x0004, 0);
    vu_test::PumpMessages();
    EXPECT_EQ(vu_test::CountMessages(WM_COMMAND, parent), 0);

    EXPECT_EQ(vu_ButtonGetState(b) & 0x0008, 0);
    vu_ButtonSetFocus(b);
    EXPECT_EQ(vu_ButtonGetState(b) & 0x0008, 0x0008);

    EXPECT_EQ(vu_ButtonPress(nullptr), 0);
    EXPECT_EQ(vu_ButtonRelease(nullptr), 0);
    EXPECT_EQ(vu_ButtonGetState(nullptr), 0);
    vu_WindowDestroy(parent);
}

TEST(Button, RecreateReplacesTheButtonOfTheIdInPlace)
{
    HWND parent = Parent("Ersätt");
    HWND old = vu_Button(parent, 5, 5, 100, 25, "Gammal", "C", "SHADOW", 200);
    HWND other = vu_Button(parent, 5, 40, 100, 25, "Annan", "C", "NORMAL", 201);
    SentRecorder recorder;
    HWND b = vu_ButtonRecreate(parent, 30, 70, 80, 20, "Ny", "L", "SUNKEN", 200);
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(IsWindow(old));
    EXPECT_TRUE(IsWindow(other));
    EXPECT_EQ(GetDlgItem(parent, 200), b);
    EXPECT_EQ(GetDlgCtrlID(b), 200);
    EXPECT_EQ(GetParent(b), parent);
    EXPECT_EQ(TextOf(b), "Ny");
    const RECT r = RectInParent(b);
    EXPECT_EQ(r.left, 30);
    EXPECT_EQ(r.top, 70);
    EXPECT_EQ(r.right - r.left, 80);
    EXPECT_EQ(r.bottom - r.top, 20);
    EXPECT_TRUE(IsWindowVisible(b));
    // The frame's style with the alignment bits added; not push-like.
    EXPECT_EQ(Style(b), 0x50000100);
    EXPECT_NE(ExStyle(b) & WS_EX_CLIENTEDGE, 0);
    // No font of its own: the platform's default control font.
    EXPECT_EQ(FontOf(b), nullptr);

    // Made visible, then the alignment added, then hidden and shown again.
    std::vector<UINT> seen;
    for (const Sent& m : g_sent)
        if (m.window == b && (m.message == WM_STYLECHANGED || m.message == WM_SHOWWINDOW ||
                              m.message == WM_SETFONT))
            seen.push_back(m.message == WM_SHOWWINDOW && !m.wparam ? 0 : m.message);
    const std::vector<UINT> expected = {WM_SHOWWINDOW, WM_STYLECHANGED, 0, WM_SHOWWINDOW};
    EXPECT_EQ(seen, expected);

    // Clicks of the new button carry the same id.
    vu_test::ClearMessages();
    SendMessageA(b, BM_CLICK, 0, 0);
    EXPECT_TRUE(vu_test::WaitFor([&] { return Clicked(parent, b, 200); }, 3000));
    vu_WindowDestroy(parent);
}

TEST(Button, RecreateWithAnUnusedIdOnlyCreates)
{
    HWND parent = Parent("Ersätt ny");
    HWND a = vu_Button(parent, 5, 5, 100, 25, "A", "C", "NORMAL", 1);
    HWND b = vu_ButtonRecreate(parent, 5, 40, 100, 25, "B", "RT", "okänd", 2);
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(IsWindow(a));
    EXPECT_EQ(GetDlgItem(parent, 2), b);
    // An unknown frame word gives the plain child frame here too.
    EXPECT_EQ(Style(b), 0x50000600);
    EXPECT_EQ(GetParent(b), parent);
    vu_WindowDestroy(parent);
}

TEST(Button, RecreateReplacesTheFirstOfTwoWithOneId)
{
    HWND parent = Parent("Ersätt dubbel");
    HWND one = vu_Button(parent, 5, 5, 100, 25, "Ett", "C", "NORMAL", 9);
    HWND two = vu_Button(parent, 5, 40, 100, 25, "Två", "C", "NORMAL", 9);
    HWND first = GetDlgItem(parent, 9);
    ASSERT_TRUE(first == one || first == two);
    HWND b = vu_ButtonRecreate(parent, 5, 80, 100, 25, "Tre", "C", "NORMAL", 9);
    ASSERT_NE(b, nullptr);
    EXPECT_FALSE(IsWindow(first));
    EXPECT_TRUE(IsWindow(first == one ? two : one));
    vu_WindowDestroy(parent);
}

}  // namespace
