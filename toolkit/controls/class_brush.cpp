// Class background brushes made by the toolkit, and their release when replaced.
#include "controls/class_brush.h"

#include "draw/made_objects.h"

namespace vu {

int SetClassBackColor(HWND control, COLORREF colour)
{
    HBRUSH brush = CreateSolidBrush(colour);
    if (brush == nullptr || !IsWindow(control)) {
        if (brush) DeleteObject(brush);
        return 0;
    }
    SetLastError(0);
    HBRUSH old = reinterpret_cast<HBRUSH>(SetClassLongPtrA(
        control, GCLP_HBRBACKGROUND, reinterpret_cast<LONG_PTR>(brush)));
    if (old == nullptr && GetLastError() != 0) {
        DeleteObject(brush);
        return 0;
    }
    // The old brush goes only when the toolkit made it: the platform's own brushes (system
    // colour brushes, stock objects) and the application's must survive.
    RememberMade(brush);
    if (old != brush) ReleaseIfMade(old);
    InvalidateRgn(control, nullptr, TRUE);
    return 0;
}

}  // namespace vu
