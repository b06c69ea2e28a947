// The one implementation of the control geometry members.
#include "controls/geometry.h"

#include "base/keyword.h"
#include "vu.h"

namespace vu {
namespace geometry {
HWND ParentOf(HWND control)
{
    return reinterpret_cast<HWND>(GetWindowLongPtrA(control, GWLP_HWNDPARENT));
}

int Destroy(HWND control) { return DestroyWindow(control) ? 0 : 1; }

int Hide(HWND control) { return ShowWindow(control, SW_HIDE) ? 0 : 1; }

int Show(HWND control, int show_command) { return ShowWindow(control, show_command) ? 1 : 0; }

int MoveRaw(HWND control, int x, int y)
{
    return SetWindowPos(control, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

int Move(HWND control, int x, int y) { return MoveRaw(control, x, y) ? 0 : 1; }

int Center(HWND control)
{
    RECT k = {}, w = {};
    GetClientRect(ParentOf(control), &k);
    GetWindowRect(control, &w);
    // Each halving truncates toward zero on its own.
    const int x = k.right / 2 - (w.right - w.left) / 2;
    const int y = k.bottom / 2 - (w.bottom - w.top) / 2;
    SetWindowPos(control, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return 0;
}

int GetPos(HWND control)
{
    HWND parent = ParentOf(control);
    RECT c = {}, p = {}, k = {};
    GetWindowRect(control, &c);
    GetWindowRect(parent, &p);
    GetClientRect(parent, &k);
    const int side = ((p.right - p.left) - k.right) / 2;
    const int top = (p.bottom - p.top) - k.bottom - side;
    vu_Query.x = c.left - (p.left + side);
    vu_Query.y = c.top - (p.top + top);
    return 0;
}

int Resize(HWND control, int width, int height)
{
    return SetWindowPos(control, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER) ? 0
                                                                                          : 1;
}

int GetSize(HWND control)
{
    RECT w = {};
    GetWindowRect(control, &w);
    vu_Query.x = w.right - w.left;
    vu_Query.y = w.bottom - w.top;
    return 0;
}

int FitRaw(HWND control, int x, int y, int width_delta, int height_delta)
{
    RECT k = {};
    GetClientRect(ParentOf(control), &k);
    return MoveWindow(control, x, y, k.right + width_delta, k.bottom + height_delta, TRUE);
}

int Fit(HWND control, int x, int y, int width_delta, int height_delta)
{
    return FitRaw(control, x, y, width_delta, height_delta) ? 0 : 1;
}

// EnableWindow answers whether the window was disabled before the call.
int Disable(HWND control) { return EnableWindow(control, FALSE) ? 1 : 0; }
int Enable(HWND control) { return EnableWindow(control, TRUE) ? 0 : 1; }

namespace {

// InvalidateRect with no window invalidates every window on the screen and succeeds; a
// missing control is a failure here, never a repaint of the whole desktop.
int Invalidate(HWND control, BOOL erase)
{
    if (control == nullptr) return 1;
    return InvalidateRect(control, nullptr, erase) ? 0 : 1;
}

}  // namespace

int Redraw(HWND control, const char* mode)
{
    if (IsWord(mode, "ERASED")) return Invalidate(control, TRUE);
    if (IsWord(mode, "UNERASED")) return Invalidate(control, FALSE);
    return 1;
}

int RedrawErased(HWND control) { return Invalidate(control, TRUE); }

// SetFocus with no window takes the focus away from every window; a missing control
// changes nothing and answers null, as a destroyed one does.
HWND SetFocusTo(HWND control) { return control ? SetFocus(control) : nullptr; }

HWND DropFocus() { return SetFocus(nullptr); }

HWND HasFocus(HWND control) { return GetFocus() == control && control ? control : nullptr; }

}  // namespace geometry
}  // namespace vu
