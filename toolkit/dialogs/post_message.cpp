// vu_PostMessage: posts a message to a window's queue.
#include "vu.h"

int vu_PostMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    return PostMessageA(window, message, wparam, lparam) ? 0 : 1;
}
