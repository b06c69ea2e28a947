// Status bar: creation by keyword, parts laid out from the left with a running total that
// all status bars share, part texts with their border kinds, and the few geometry members
// a bar glued to the bottom of its parent has.
#include <windows.h>

#include <commctrl.h>

#include "base/keyword.h"
#include "controls/common_controls.h"
#include "controls/geometry.h"
#include "vu.h"

namespace {

const vu::Keyword<DWORD> kStatusStyles[] = {
    {"NOBAR", 0},
    {"NOBARSIZEGRIP", SBARS_SIZEGRIP},
    {"BAR", WS_DLGFRAME},
    {"BARSIZEGRIP", WS_DLGFRAME | SBARS_SIZEGRIP},
};

// Drawing type or-ed into the part index; another word keeps the default sunken border.
const vu::Keyword<WPARAM> kPartKinds[] = {
    {"SUNKEN", SBT_RTLREADING},
    {"FLAT", SBT_NOBORDERS},
    {"BAR", SBT_POPOUT},
};

constexpr int kPartCount = 20;

// The layout that every status bar of the process shares: each part's right edge, the sum
// of the widths given since the last reset, the highest part number seen, and the y that
// the move member last put the bar at.
struct Layout {
    int edges[kPartCount];
    int running_total;
    int highest_part;
    int remembered_y;
};
Layout layout = {};

bool IsPart(int n) { return n >= 1 && n <= kPartCount; }

// Adds without the undefined behaviour of a signed overflow; the edges wrap as the
// platform's 32-bit integers would.
int WrappingSum(int a, int b)
{
    return static_cast<int>(static_cast<unsigned>(a) + static_cast<unsigned>(b));
}

// Gives part n the width after the running total, hands all edges to the bar, sets the
// part's text (no text and no border for a bare part), and closes a series of parts when
// n is the highest part number reached before.
int LayOutPart(HWND bar, int n, int width, bool with_text, WPARAM kind, const char* text)
{
    if (!IsPart(n)) return 1;  // the edge array holds numbers 1 to 20 only
    RECT client = {};
    GetClientRect(vu::geometry::ParentOf(bar), &client);
    layout.edges[n - 1] = WrappingSum(width, layout.running_total);
    SendMessageA(bar, SB_SETPARTS, kPartCount, reinterpret_cast<LPARAM>(layout.edges));
    if (with_text)
        SendMessageA(bar, SB_SETTEXTA, static_cast<WPARAM>(n - 1) | kind,
                     reinterpret_cast<LPARAM>(vu::TextOrEmpty(text)));
    else
        SendMessageA(bar, SB_SETTEXTA, static_cast<WPARAM>(n - 1) | SBT_NOBORDERS, 0);
    layout.running_total = WrappingSum(layout.running_total, width);
    if (n == layout.highest_part) {
        SendMessageA(bar, WM_SIZE, 0, MAKELPARAM(client.right, 0));
        if (!with_text) InvalidateRect(bar, nullptr, TRUE);
        layout.running_total = 0;
        if (with_text && layout.remembered_y > 0)
            SetWindowPos(bar, nullptr, 0, layout.remembered_y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    if (n > layout.highest_part) layout.highest_part = n;
    return 0;
}

}  // namespace

HWND vu_StatusBar(HWND parent, const char* style)
{
    vu::InitCommonClasses(ICC_BAR_CLASSES);
    const DWORD bits = vu::KeywordValue(kStatusStyles, style, DWORD{0});
    return CreateStatusWindowA(static_cast<LONG>(WS_CHILD | WS_VISIBLE | bits), nullptr, parent,
                               0);
}

HWND vu_StatusBarRecreate(HWND old, const char* style)
{
    HWND parent = vu::geometry::ParentOf(old);
    DestroyWindow(old);
    HWND bar = vu_StatusBar(parent, style);
    // The application lays its window out again around the new bar.
    PostMessageA(parent, WM_SIZE, 0, 0);
    return bar;
}

int vu_StatusBarPart(HWND bar, int part, int width)
{
    return LayOutPart(bar, part, width, false, 0, nullptr);
}

int vu_StatusBarPartText(HWND bar, int part, int width, const char* kind, const char* text)
{
    return LayOutPart(bar, part, width, true, vu::KeywordValue(kPartKinds, kind, WPARAM{0}),
                      text);
}

int vu_StatusBarSetText(HWND bar, int part, const char* kind, const char* text)
{
    if (!IsPart(part)) return 1;
    const WPARAM type = vu::KeywordValue(kPartKinds, kind, WPARAM{0});
    SendMessageA(bar, SB_SETTEXTA, static_cast<WPARAM>(part - 1) | type,
                 reinterpret_cast<LPARAM>(vu::TextOrEmpty(text)));
    InvalidateRect(bar, nullptr, TRUE);
    return 0;
}

int vu_StatusBarGetText(HWND bar, int part, char* buffer)
{
    if (buffer == nullptr) return 0;
    buffer[0] = '\0';
    if (!IsPart(part)) return 0;
    return LOWORD(SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(part - 1),
                               reinterpret_cast<LPARAM>(buffer)));
}

int vu_StatusBarSetFont(HWND bar, HFONT font)
{
    SendMessageA(bar, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return 0;
}

HFONT vu_StatusBarCreatePointFont(HWND window, int points, int weight, int style, int reserved, const char* face) { return vu_CreatePointFont(window, points, weight, style, reserved, face); }

int vu_StatusBarSetColor(HWND bar, COLORREF colour) { return vu_WindowBackColor(bar, colour); }

int vu_StatusBarDestroy(HWND bar) { return vu::geometry::Destroy(bar); }
int vu_StatusBarHide(HWND bar) { return vu::geometry::Hide(bar); }
int vu_StatusBarShow(HWND bar) { return vu::geometry::Show(bar, SW_SHOW); }

int vu_StatusBarMove(HWND bar, int y)
{
    layout.remembered_y = y;  // where a finished layout puts the bar back
    return vu::geometry::Move(bar, 0, y);
}

int vu_StatusBarGetPos(HWND bar)
{
    const int x = vu_Query.x;  // only the vertical position is answered
    vu::geometry::GetPos(bar);
    vu_Query.x = x;
    return 0;
}
