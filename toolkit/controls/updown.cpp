// Up-down controls: a pair of arrow buttons from the common controls, vertical or
// horizontal, the reading of their position out of the scroll messages they send, and
// their geometry members (one set for both kinds, since they act on the handle alone).
#include <windows.h>
#include <commctrl.h>

#include "base/keyword.h"
#include "controls/geometry.h"
#include "vu.h"

namespace {

constexpr int kUpDownId = 9;  // every up-down control; they are told apart by handle

HWND Create(HWND parent, int x, int y, int width, int height, const char* border, int upper,
            int lower, int position, DWORD kind)
{
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    InitCommonControls();
    const DWORD style =
        WS_CHILD | WS_VISIBLE | (vu::IsWord(border, "B") ? WS_BORDER : 0) | kind;
    HWND control = CreateUpDownControl(style, 0, 0, 0, 0, parent, kUpDownId, instance, nullptr,
                                       upper, lower, position);
    if (control != nullptr) MoveWindow(control, x, y, width, height, TRUE);
    return control;
}

// The position a scroll message from control carries: the high word of the message's
// other parameter when one parameter is the control, else -1.
int PositionOf(HWND control, WPARAM first, LPARAM second)
{
    if (control == nullptr) return -1;  // scroll bars of windows send no handle at all
    if (reinterpret_cast<HWND>(second) == control) return HIWORD(first);
    if (reinterpret_cast<HWND>(first) == control) return HIWORD(second);
    return -1;
}

}  // namespace

HWND vu_UpDown(HWND parent, int x, int y, int width, int height, const char* border, int upper,
               int lower, int position)
{
    return Create(parent, x, y, width, height, border, upper, lower, position, 0);
}

HWND vu_UpDownHorz(HWND parent, int x, int y, int width, int height, const char* border,
                   int upper, int lower, int position)
{
    return Create(parent, x, y, width, height, border, upper, lower, position, UDS_HORZ);
}

int vu_UpDownPos(HWND control, WPARAM first, LPARAM second)
{
    return PositionOf(control, first, second);
}

int vu_UpDownHorzPos(HWND control, WPARAM first, LPARAM second)
{
    return PositionOf(control, first, second);
}

int vu_UpDownDestroy(HWND control) { return vu::geometry::Destroy(control); }
int vu_UpDownHide(HWND control) { return vu::geometry::Hide(control); }
int vu_UpDownShow(HWND control) { return vu::geometry::Show(control, SW_SHOWNORMAL); }
int vu_UpDownMove(HWND control, int x, int y) { return vu::geometry::Move(control, x, y); }
int vu_UpDownCenter(HWND control) { return vu::geometry::Center(control); }
int vu_UpDownGetPos(HWND control) { return vu::geometry::GetPos(control); }
int vu_UpDownResize(HWND control, int width, int height)
{
    return vu::geometry::Resize(control, width, height);
}
int vu_UpDownGetSize(HWND control) { return vu::geometry::GetSize(control); }
int vu_UpDownFit(HWND control, int x, int y, int width_delta, int height_delta)
{
    return vu::geometry::Fit(control, x, y, width_delta, height_delta);
}
int vu_UpDownDisable(HWND control) { return vu::geometry::Disable(control); }
int vu_UpDownEnable(HWND control) { return vu::geometry::Enable(control); }
int vu_UpDownRedraw(HWND control, const char* mode) { return vu::geometry::Redraw(control, mode); }
