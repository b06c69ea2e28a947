// Real input for the tests: pointer moves, clicks and keys through SendInput, which reach
// windows the way a person's input does (hit-testing, focus, menus' and dialogs' own loops).
// One coordinate formula for every test: the middle of a screen pixel in the 0..65535
// range of absolute moves. Keys go to the foreground window.
#ifndef VU_TEST_INPUT_H
#define VU_TEST_INPUT_H

#include <windows.h>

#include <string>

#include "vu_test.h"

namespace vu_test {

// The screen point of a point in a window's client area.
inline POINT ScreenPoint(HWND w, int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(w, &p);
    return p;
}

// The screen point at the centre of a window.
inline POINT CentreOf(HWND w)
{
    RECT r = {};
    GetWindowRect(w, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// One pointer event: a button flag (MOUSEEVENTF_LEFTDOWN, ...) where the pointer is, or an
// absolute move to (dx, dy) in the 0..65535 range.
inline void MouseButton(DWORD flag, LONG dx = 0, LONG dy = 0)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = dx;
    in.mi.dy = dy;
    in.mi.dwFlags = flag;
    SendInput(1, &in, sizeof in);
}

// Moves the pointer to a screen point.
inline void PointerTo(POINT screen)
{
    const LONGLONG w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    MouseButton(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE,
                static_cast<LONG>((2LL * screen.x + 1) * 65536 / (2 * w)),
                static_cast<LONG>((2LL * screen.y + 1) * 65536 / (2 * h)));
}

// A click (or a double click) of the left button, or the right one, at a screen point.
inline void ClickAt(POINT screen, bool right = false, bool twice = false)
{
    PointerTo(screen);
    for (int i = 0; i < (twice ? 2 : 1); ++i) {
        MouseButton(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN);
        MouseButton(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP);
    }
}

// A left click at a point of a window's client area, or at the window's centre.
inline void ClickAt(HWND w, int x, int y) { ClickAt(ScreenPoint(w, x, y)); }
inline void Click(HWND w) { ClickAt(CentreOf(w)); }

// Presses (up false) or releases one key; the arrows and the editing block are extended.
inline void Key(WORD vk, bool up)
{
    const bool extended = vk == VK_DELETE || vk == VK_INSERT || vk == VK_HOME || vk == VK_END ||
                          vk == VK_PRIOR || vk == VK_NEXT || vk == VK_LEFT || vk == VK_RIGHT ||
                          vk == VK_UP || vk == VK_DOWN;
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = (extended ? KEYEVENTF_EXTENDEDKEY : 0) | (up ? KEYEVENTF_KEYUP : 0);
    SendInput(1, &in, sizeof in);
}

// Presses and releases one key, or holds modifier while striking vk (Alt+Space...).
inline void Press(WORD vk) { Key(vk, false); Key(vk, true); }
inline void Chord(WORD modifier, WORD vk) { Key(modifier, false); Press(vk); Key(modifier, true); }

// Types text as characters (KEYEVENTF_UNICODE), one key press each.
inline void Type(const std::string& text)
{
    for (unsigned char c : text) {
        INPUT in[2] = {};
        in[0].type = INPUT_KEYBOARD;
        in[0].ki.wScan = c;
        in[0].ki.dwFlags = KEYEVENTF_UNICODE;
        in[1] = in[0];
        in[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
    }
}

// Brings a top-level window to the foreground, so that it takes keys; true once it is there.
inline bool Foreground(HWND top)
{
    SetForegroundWindow(top);
    return WaitFor([&] { return GetForegroundWindow() == top; }, 10000);
}

// Brings top to the foreground and gives control the keyboard focus; true when both hold.
inline bool Focus(HWND top, HWND control)
{
    if (!Foreground(top)) return false;
    SetFocus(control);
    return WaitFor([&] { return GetFocus() == control; }, 10000);
}

}  // namespace vu_test

#endif
