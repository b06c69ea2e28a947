// The device context of one drawing call: fetched for the target window by the draw-area
// setting, released when the call ends. Internal to the toolkit's drawing calls.
#ifndef VU_DRAW_DRAW_CONTEXT_H
#define VU_DRAW_DRAW_CONTEXT_H

#include <windows.h>

namespace vu {

// Fetches the client-area context (GetDC) or, after vu_SetDrawArea "WINDOW", the whole
// window's (GetWindowDC). A null window gives no context: drawing calls never paint onto
// the screen's own context. Released with ReleaseDC for the same window on destruction.
class DrawContext {
public:
    explicit DrawContext(HWND window);
    ~DrawContext();
    DrawContext(const DrawContext&) = delete;
    DrawContext& operator=(const DrawContext&) = delete;

    HDC dc() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// A pen of a style (PS_SOLID, PS_DOT, ...), width and colour selected into a context for one
// line; the previous pen is selected back and the pen deleted on destruction.
class SelectedPen {
public:
    SelectedPen(HDC dc, int style, int width, COLORREF color);
    ~SelectedPen();
    SelectedPen(const SelectedPen&) = delete;
    SelectedPen& operator=(const SelectedPen&) = delete;

private:
    HDC dc_;
    HPEN pen_;
    HGDIOBJ previous_;
};

// One segment: the start pixel is drawn, the end pixel is not.
void Segment(HDC dc, int x1, int y1, int x2, int y2);

// The grey whose red, green and blue are all level.
inline COLORREF Grey(int level) { return RGB(level, level, level); }

}  // namespace vu

#endif
