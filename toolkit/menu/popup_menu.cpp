// The pop-up menu shown at the mouse when it lies in a rectangle of the active window.
#include <windowsx.h>

#include "vu.h"

int vu_PopupMenu(HMENU menu, LPARAM point, int sub_menu, int left, int top, int right,
                 int bottom)
{
    // Packed as a mouse message packs it: x in the low word, y in the high word, each a
    // signed 16-bit screen coordinate (a monitor left of or above the main one is negative).
    const POINT screen = {GET_X_LPARAM(point), GET_Y_LPARAM(point)};
    HWND owner = GetActiveWindow();
    if (!owner) return 1;
    POINT client = screen;
    ScreenToClient(owner, &client);
    const RECT area = {left, top, right, bottom};
    if (!PtInRect(&area, client)) return 1;
    HMENU popup = GetSubMenu(menu, sub_menu);
    if (!popup) return 1;
    return TrackPopupMenu(popup, TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner, nullptr) ? 0 : 1;
}
