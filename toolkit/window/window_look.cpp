// Look and focus of top-level windows: background colour, repainting, class icon, focus.
#include <algorithm>
#include <vector>

#include "base/keyword.h"
#include "controls/geometry.h"
#include "vu.h"

namespace {

// The background brushes this file made and some class still uses. A replaced brush is
// deleted only when it is one of these: stock brushes, system-colour values and brushes
// that others own are never released here.
std::vector<HBRUSH>& OwnBrushes()
{
    static std::vector<HBRUSH> brushes;
    return brushes;
}

void ReleaseIfOwn(HBRUSH brush)
{
    std::vector<HBRUSH>& own = OwnBrushes();
    const auto it = std::find(own.begin(), own.end(), brush);
    if (it == own.end()) return;
    own.erase(it);
    DeleteObject(brush);
}

void SetClassIcon(HWND window, HICON icon)
{
    SetClassLongPtrA(window, GCLP_HICON, reinterpret_cast<LONG_PTR>(icon));
}

}  // namespace

int vu_WindowBackColor(HWND window, COLORREF colour)
{
    if (!IsWindow(window)) return 0;  // no class to take a brush: make none
    HBRUSH brush = CreateSolidBrush(colour);
    if (brush == nullptr) return 0;
    OwnBrushes().push_back(brush);
    SetLastError(0);
    const HBRUSH old = reinterpret_cast<HBRUSH>(
        SetClassLongPtrA(window, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush)));
    // On failure the class keeps its brush and the new one goes; else the replaced one goes.
    ReleaseIfOwn(old == nullptr && GetLastError() != 0 ? brush : old);
    InvalidateRgn(window, nullptr, TRUE);
    return 0;
}

int vu_WindowRedraw(HWND window, const char* mode) { return vu::geometry::Redraw(window, mode); }

HWND vu_WindowSetFocus(HWND window) { return vu::geometry::SetFocusTo(window); }

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
