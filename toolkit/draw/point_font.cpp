// Fonts by point size: the one implementation behind every control family's point-font call.
#include "draw/font_style.h"
#include "vu.h"

HFONT vu_CreatePointFont(HWND window, int points, int weight, int style, int,
                         const char* face)
{
    // The client-area context whatever the draw-area setting: only its resolution is read.
    // A null window reads the screen's; a window that no longer exists gives no context
    // and no font.
    HDC dc = GetDC(window);
    if (dc == nullptr) return nullptr;
    const int dots_per_inch = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(window, dc);
    // Negative: the character height without internal leading, rounded by the platform.
    const int height = -MulDiv(points, dots_per_inch, 72);
    return vu::CreateStyledFont(height, 0, 0, weight, style, face);
}
