// The draw-area setting and the per-call device context and pen of the drawing calls.
#include "draw/draw_context.h"

#include "base/keyword.h"
#include "vu.h"

namespace {

enum DrawArea { kClientArea = 0, kWholeWindow = 1 };

// Process-wide: read by every drawing call when it starts, changed only by vu_SetDrawArea.
int g_draw_area = kClientArea;

const vu::Keyword<int> kDrawAreas[] = {
    {"CLIENT", kClientArea},
    {"WINDOW", kWholeWindow},
};

}  // namespace

int vu_SetDrawArea(HWND, const char* area)
{
    g_draw_area = vu::KeywordValue(kDrawAreas, area, g_draw_area);
    return 0;
}

namespace vu {

DrawContext::DrawContext(HWND window) : window_(window), dc_(nullptr)
{
    if (window_ == nullptr) return;
    dc_ = g_draw_area == kWholeWindow ? GetWindowDC(window_) : GetDC(window_);
}

DrawContext::~DrawContext()
{
    if (dc_) ReleaseDC(window_, dc_);
}

SelectedPen::SelectedPen(HDC dc, int style, int width, COLORREF color)
    : dc_(dc), pen_(CreatePen(style, width, color)), previous_(nullptr)
{
    if (pen_) previous_ = SelectObject(dc_, pen_);
}

SelectedPen::~SelectedPen()
{
    if (previous_) SelectObject(dc_, previous_);
    if (pen_) DeleteObject(pen_);
}

void Segment(HDC dc, int x1, int y1, int x2, int y2)
{
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

}  // namespace vu
