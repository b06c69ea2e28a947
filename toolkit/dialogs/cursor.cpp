// The mouse cursor's position in a window's client coordinates: a test against a rectangle
// and a query into vu_Query.
#include "vu.h"

namespace {

POINT CursorInClient(HWND window)
{
    POINT p = {0, 0};
    GetCursorPos(&p);
    ScreenToClient(window, &p);
    return p;
}

}  // namespace

int vu_CursorIn(HWND window, int x, int y, int width, int height, int code)
{
    const POINT p = CursorInClient(window);
    // Edges count as outside; the sums are taken wide so that no size overflows.
    const long long right = static_cast<long long>(x) + width;
    const long long bottom = static_cast<long long>(y) + height;
    const bool inside = x < p.x && p.x < right && y < p.y && p.y < bottom;
    return inside ? code : 0;
}

int vu_CursorPos(HWND window)
{
    const POINT p = CursorInClient(window);
    vu_Query.x = p.x;
    vu_Query.y = p.y;
    return 0;
}
