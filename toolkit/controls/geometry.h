// The geometry members that every control kind offers under its own names
// (vu_ButtonMove, vu_EditMove, ...): one implementation here, and one-line entry points
// in each kind's source file. Internal to the toolkit.
#ifndef VU_CONTROLS_GEOMETRY_H
#define VU_CONTROLS_GEOMETRY_H

#include <windows.h>

namespace vu {
namespace geometry {

// DestroyWindow: 0 destroyed, 1 failed.
int Destroy(HWND control);
// ShowWindow SW_HIDE: 1 when the control was hidden already, else 0.
int Hide(HWND control);
// ShowWindow with show_command (SW_SHOWNORMAL for button-like kinds, SW_SHOW for the
// others): 1 when the control was visible already, else 0.
int Show(HWND control, int show_command);
// SetWindowPos to (x, y) in the parent's client area, keeping the size: 0 moved, 1 failed.
int Move(HWND control, int x, int y);
// Centres the control in its parent's client area; returns 0.
int Center(HWND control);
// vu_Query := the control's position in its parent's client area, worked out from the
// window rectangles (the parent's side frames taken as equally wide); returns 0.
int GetPos(HWND control);
// SetWindowPos to width x height, keeping the position: 0 resized, 1 failed.
int Resize(HWND control, int width, int height);
// vu_Query := the control's outer width and height; returns 0.
int GetSize(HWND control);
// MoveWindow to (x, y), sized to the parent's client area plus the deltas: 0 placed, 1 failed.
int Fit(HWND control, int x, int y, int width_delta, int height_delta);
// The platform results of Move and Fit (non-zero on success), for the kinds that pass them on.
int MoveRaw(HWND control, int x, int y);
int FitRaw(HWND control, int x, int y, int width_delta, int height_delta);
// EnableWindow false / true: 1 when the control already was in that state, else 0.
int Disable(HWND control);
int Enable(HWND control);
// "ERASED" / "UNERASED": invalidates the whole control with or without erase;
// 0 on success, 1 on failure (a null control included) or for any other word.
int Redraw(HWND control, const char* mode);
// Invalidates the whole control with erase: 0 on success, 1 on failure (or a null control).
int RedrawErased(HWND control);
// SetFocus(control): the window that had the focus before; a null control changes
// nothing and answers null.
HWND SetFocusTo(HWND control);
// SetFocus(null): no window keeps the keyboard focus; the window that had it before.
HWND DropFocus();
// The control itself when it has the keyboard focus, else null.
HWND HasFocus(HWND control);

// The parent of a control, found through the control's window data.
HWND ParentOf(HWND control);

}  // namespace geometry
}  // namespace vu

#endif
