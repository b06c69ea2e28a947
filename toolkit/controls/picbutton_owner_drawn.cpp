// The owner-drawn picture button: its parent paints it from two resource bitmaps (normal
// and pressed), it tells its parent when the mouse moves over it, and while the pointer is
// hit-tested over it the system double-click time is 10 ms, so that quick clicks on it
// count as single clicks.
//
// The double-click time is a setting of the whole window station. This process lowers it
// only from the button's hit-test and puts the saved value back on the button's next other
// message, its timer (every 200 ms), its destruction and the process's exit, so a lowered
// value is never left behind.
#include <cstdlib>

#include "base/keyword.h"
#include "controls/geometry.h"
#include "vu.h"

namespace {

constexpr UINT_PTR kTimerId = 100;
constexpr UINT kTimerPeriod = 200;
constexpr UINT kHoverDoubleClickTime = 10;

UINT saved_double_click_time = 0;  // the time to put back
bool lowered = false;              // whether this process has it lowered now
WNDPROC previous_procedure = nullptr;  // the button class's procedure, shared by all buttons
bool exit_hook_set = false;

void LowerDoubleClickTime()
{
    if (lowered) return;
    lowered = true;
    SetDoubleClickTime(kHoverDoubleClickTime);
}

void RestoreDoubleClickTime()
{
    if (!lowered) return;
    lowered = false;
    SetDoubleClickTime(saved_double_click_time);
}

void RestoreAtExit() { RestoreDoubleClickTime(); }

HBITMAP LoadFromParentModule(HWND button, const char* name)
{
    HWND parent = vu::geometry::ParentOf(button);
    HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    return name ? LoadBitmapA(module, name) : nullptr;
}

// Copies the bitmap unscaled from its top-left corner into the area of the target.
void CopyBitmap(HDC target, HBITMAP bitmap, const RECT& area)
{
    HDC memory = CreateCompatibleDC(target);
    if (!memory) return;
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, memory, 0,
           0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

}  // namespace

HWND vu_PicButton(HWND parent, int x, int y, int width, int height, const char* frame, int id)
{
    DWORD style = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
    if (vu::IsWord(frame, "B")) style |= WS_BORDER;
    HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    HWND button = CreateWindowExA(0, "BUTTON", "", style, x, y, width, height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), module,
                                  nullptr);
    if (!button) return nullptr;
    // While a button has it lowered, the current value is ours; the saved one stays.
    if (!lowered) saved_double_click_time = GetDoubleClickTime();
    if (!exit_hook_set) exit_hook_set = std::atexit(RestoreAtExit) == 0;
    SetTimer(button, kTimerId, kTimerPeriod, nullptr);
    WNDPROC current = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(button, GWLP_WNDPROC));
    if (current != vu_PicButtonProc) previous_procedure = current;
    SetWindowLongPtrA(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(vu_PicButtonProc));
    return button;
}

LRESULT CALLBACK vu_PicButtonProc(HWND button, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_NCHITTEST:
        LowerDoubleClickTime();
        break;
    case WM_MOUSEMOVE:
        PostMessageA(vu::geometry::ParentOf(button), WM_MOUSEMOVE, 0,
                     reinterpret_cast<LPARAM>(button));
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        break;
    default:  // the timer, destruction and everything else
        RestoreDoubleClickTime();
        break;
    }
    if (!previous_procedure) return 0;
    return CallWindowProcA(previous_procedure, button, message, wparam, lparam);
}

int vu_PicButtonDraw(HWND button, int id, const DRAWITEMSTRUCT* item, const char* bitmap,
                     const char* pressed_bitmap)
{
    if (!item || id != GetWindowLongA(button, GWL_ID)) return 0;
    HBITMAP normal = LoadFromParentModule(button, bitmap);
    HBITMAP pressed = LoadFromParentModule(button, pressed_bitmap);
    HBITMAP shown = (item->itemState & ODS_SELECTED) ? pressed : normal;
    if (shown) CopyBitmap(item->hDC, shown, item->rcItem);
    if (normal) DeleteObject(normal);
    if (pressed) DeleteObject(pressed);
    return 0;
}

int vu_PicButtonPaint(HWND button, const char* bitmap)
{
    HBITMAP picture = LoadFromParentModule(button, bitmap);
    if (!picture) return 0;
    HDC dc = GetDC(button);
    if (dc) {
        RECT client = {};
        GetClientRect(button, &client);
        CopyBitmap(dc, picture, client);
        ReleaseDC(button, dc);
    }
    DeleteObject(picture);
    return 0;
}
