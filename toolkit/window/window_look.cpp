// Look and focus of top-level windows: background colour, repainting, class icon, focus.
#include "base/keyword.h"
#include "controls/class_brush.h"
#include "controls/geometry.h"
#include "vu.h"

namespace {

void SetClassIcon(HWND window, HICON icon)
{
    SetClassLongPtrA(window, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
}

}  // namespace

// The class brush list is the one the toolbar's colour call uses too, so a brush is
// released when replaced whichever of the two calls installed it.
int vu_WindowBackColor(HWND window, COLORREF colour) { return vu::SetClassBackColor(window, colour); }

int vu_WindowRedraw(HWND window, const char* mode) { return vu::geometry::Redraw(window, mode); }

HWND vu_WindowSetFocus(HWND window)
{
    // Focusing a top-level window activates it first, and activation may already move the
    // focus there; the answer is the window that had the focus before the call began.
    const HWND before = GetFocus();
    const HWND platform = vu::geometry::SetFocusTo(window);
    return platform != nullptr || (window != nullptr && GetFocus() == window) ? before : nullptr;
}

HWND vu_WindowHasFocus(HWND window) { return vu::geometry::HasFocus(window); }

int vu_WindowIcon(HWND window, const char* icon_name)
{
    const HINSTANCE module =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    SetClassIcon(window, LoadIconA(module, vu::TextOrEmpty(icon_name)));
    return 0;
}

int vu_WindowSysIcon(HWND window, const char* icon_id)
{
    SetClassIcon(window, LoadIconA(nullptr, vu::TextOrEmpty(icon_id)));
    return 0;
}
