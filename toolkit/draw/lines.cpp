// Plain one-pixel lines in five pen styles, and single pixels.
#include "draw/draw_context.h"
#include "vu.h"

namespace {

// Draws one segment with a one-pixel pen; background 0 leaves the gaps of a styled pen
// untouched, another colour fills them. The end point is left in vu_Query.
int StyledLine(HWND window, int style, int x1, int y1, int x2, int y2, COLORREF color,
               COLORREF background)
{
    {
        vu::DrawContext context(window);
        if (context) {
            if (background != 0)
                SetBkColor(context.dc(), background);
            else
                SetBkMode(context.dc(), TRANSPARENT);
            vu::SelectedPen pen(context.dc(), style, 0, color);
            vu::Segment(context.dc(), x1, y1, x2, y2);
            SetBkMode(context.dc(), OPAQUE);
        }
    }
    vu_Query.x = x2;
    vu_Query.y = y2;
    return 0;
}

}  // namespace

int vu_Line(HWND window, int x1, int y1, int x2, int y2, COLORREF color)
{
    // A solid pen has no gaps: the background rule changes nothing it draws.
    return StyledLine(window, PS_SOLID, x1, y1, x2, y2, color, 0);
}

int vu_LineDash(HWND window, int x1, int y1, int x2, int y2, COLORREF color, COLORREF background)
{
    return StyledLine(window, PS_DASH, x1, y1, x2, y2, color, background);
}

int vu_LineDot(HWND window, int x1, int y1, int x2, int y2, COLORREF color, COLORREF background)
{
    return StyledLine(window, PS_DOT, x1, y1, x2, y2, color, background);
}

int vu_LineDashDot(HWND window, int x1, int y1, int x2, int y2, COLORREF color,
                   COLORREF background)
{
    return StyledLine(window, PS_DASHDOT, x1, y1, x2, y2, color, background);
}

int vu_LineDashDotDot(HWND window, int x1, int y1, int x2, int y2, COLORREF color,
                      COLORREF background)
{
    return StyledLine(window, PS_DASHDOTDOT, x1, y1, x2, y2, color, background);
}

int vu_SetPixel(HWND window, int x, int y, COLORREF color)
{
    {
        vu::DrawContext context(window);
        if (context) SetPixel(context.dc(), x, y, color);
    }
    vu_Query.x = x;
    vu_Query.y = y;
    return 0;
}
