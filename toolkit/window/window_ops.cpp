// Placing top-level windows: hide, show, maximise, move, resize, centre, position and size.
#include "vu.h"

namespace {

// The window rectangle; a stale handle gives an empty one.
RECT WindowRect(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

}  // namespace

int vu_WindowHide(HWND window)
{
    // No SWP_NOMOVE: the window goes to (0, 0) as it hides.
    return SetWindowPos(window, nullptr, 0, 0, 0, 0,
                        SWP_NOSIZE | SWP_NOZORDER | SWP_HIDEWINDOW)
               ? 0
               : 1;
}

int vu_WindowShow(HWND window) { return ShowWindow(window, SW_SHOW) ? 1 : 0; }

int vu_WindowMaximize(HWND window) { return ShowWindow(window, SW_SHOWMAXIMIZED) ? 0 : 1; }

int vu_WindowMove(HWND window, int x, int y)
{
    const RECT r = WindowRect(window);
    if (x == VU_KEEP) x = r.left;
    if (y == VU_KEEP) y = r.top;
    MoveWindow(window, x, y, r.right - r.left, r.bottom - r.top, TRUE);
    return 0;
}

int vu_WindowResize(HWND window, int width, int height)
{
    // A new height gets the caption height that vu_WindowCreate adds as well.
    const RECT r = WindowRect(window);
    if (width == VU_KEEP) width = r.right - r.left;
    height = height == VU_KEEP ? r.bottom - r.top : height + GetSystemMetrics(SM_CYCAPTION);
    MoveWindow(window, r.left, r.top, width, height, TRUE);
    return 0;
}

int vu_WindowCenter(HWND window)
{
    // The caption height joins the outer height, so the window sits half a caption above
    // the true centre (integer division truncates toward zero).
    const RECT r = WindowRect(window);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top + GetSystemMetrics(SM_CYCAPTION);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    return 0;
}

int vu_WindowGetPos(HWND window)
{
    RECT r;
    if (GetWindowRect(window, &r)) vu_Query = {r.left, r.top};
    return 0;
}

int vu_WindowGetSize(HWND window)
{
    RECT r;
    if (GetWindowRect(window, &r)) vu_Query = {r.right - r.left, r.bottom - r.top};
    return 0;
}
