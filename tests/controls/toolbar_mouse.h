// Real pointer input for the toolbar, check button and up-down tests: moves and clicks
// through SendInput at screen points, and the focus a window needs to take them.
#ifndef VU_TESTS_TOOLBAR_MOUSE_H
#define VU_TESTS_TOOLBAR_MOUSE_H

#include <windows.h>

#include "vu_test.h"

namespace toolbar_mouse {

// Sends one absolute pointer event at screen point (x, y).
inline void At(int x, int y, DWORD flags = 0)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    in.mi.dx = (x * 65536 + w - 1) / w;
    in.mi.dy = (y * 65536 + h - 1) / h;
    in.mi.dwFlags = MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE | flags;
    SendInput(1, &in, sizeof in);
}

// The screen point at the centre of rectangle r of window (in window's client coordinates).
inline POINT CentreOf(HWND window, RECT r)
{
    POINT p = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(window, &p);
    return p;
}

// A click of the left button at screen point p.
inline void Click(POINT p)
{
    At(p.x, p.y);
    At(p.x, p.y, MOUSEEVENTF_LEFTDOWN);
    At(p.x, p.y, MOUSEEVENTF_LEFTUP);
}

// Brings window to the foreground, so that it receives the input; true when it got there.
inline bool ToFront(HWND window)
{
    SetForegroundWindow(window);
    return vu_test::WaitFor([&] { return GetForegroundWindow() == window; }, 2000);
}

}  // namespace toolbar_mouse

#endif
