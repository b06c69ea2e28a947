// Class background brushes made by the toolkit, and their release when replaced.
#include "controls/class_brush.h"

#include <algorithm>
#include <vector>

namespace vu {
namespace {

// Every brush this module has installed and not yet deleted. A class's old brush is
// deleted only when it is one of these: the platform's own brushes (system colour brushes,
// stock objects) and the application's must survive.
std::vector<HBRUSH>& MadeBrushes()
{
    static std::vector<HBRUSH> brushes;
    return brushes;
}

}  // namespace

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
    std::vector<HBRUSH>& made = MadeBrushes();
    made.push_back(brush);
    auto mine = std::find(made.begin(), made.end(), old);
    if (old != nullptr && old != brush && mine != made.end()) {
        made.erase(mine);
        DeleteObject(old);
    }
    InvalidateRgn(control, nullptr, TRUE);
    return 0;
}

}  // namespace vu
