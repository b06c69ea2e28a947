// The two halves of the restyling frame of top-level windows.
#include "window/reframe.h"

namespace vu {

RECT HideAndShrink(HWND window)
{
    RECT rect = {};  // a stale handle leaves it empty; the calls below then fail silently
    GetWindowRect(window, &rect);
    ShowWindow(window, SW_HIDE);
    MoveWindow(window, 0, 0, 0, 0, TRUE);
    return rect;
}

void RestoreAndShow(HWND window, const RECT& rect)
{
    MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               TRUE);
    ShowWindow(window, SW_SHOWNORMAL);
}

}  // namespace vu
