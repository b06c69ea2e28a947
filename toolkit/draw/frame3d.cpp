// Double 3-D frames: a ridge (raised) or a groove ("LOWER").
#include "base/keyword.h"
#include "draw/draw_context.h"
#include "vu.h"

int vu_Frame3D(HWND window, int x, int y, int width, int height, const char* style, int inset)
{
    vu::DrawContext context(window);
    if (!context) return 0;
    HDC dc = context.dc();
    const bool sunken = vu::IsWord(style, "LOWER");
    const COLORREF first = sunken ? RGB(255, 255, 255) : RGB(0, 0, 0);
    const COLORREF second = sunken ? RGB(0, 0, 0) : RGB(255, 255, 255);
    const int d = inset;
    // The top edges are drawn in two parts split a twentieth of the width in.
    const int q = width / 20;
    {
        vu::SelectedPen pen(dc, PS_SOLID, 1, first);
        vu::Segment(dc, x + d + 1, y + d + 1, x + d + q, y + d + 1);          // inner top
        vu::Segment(dc, x + d + q, y + d + 1, x + width - d, y + d + 1);
        vu::Segment(dc, x, y + height + 1, x + width + 1, y + height + 1);    // outer bottom
        vu::Segment(dc, x + width, y, x + width, y + height + 1);             // outer right
        vu::Segment(dc, x + d + 1, y + d + 1, x + d + 1, y + height - d);     // inner left
    }
    {
        vu::SelectedPen pen(dc, PS_SOLID, 1, second);
        vu::Segment(dc, x, y, x + d + q, y);                                   // outer top
        vu::Segment(dc, x + d + q, y, x + width, y);
        vu::Segment(dc, x + d + 1, y + height - d, x + width - d, y + height - d);  // inner bottom
        vu::Segment(dc, x + width - d - 1, y + d + 1, x + width - d - 1, y + height - d);  // inner right
        vu::Segment(dc, x, y, x, y + height + 1);                              // outer left
    }
    return 0;
}
