// Real input for tests: pointer moves, clicks and key strokes through SendInput, which
// reach windows the way a person's input does (hit-testing, focus, menus' own loops).
// Header-only; the window that is to get keys must be in the foreground.
#ifndef VU_TEST_MENU_REAL_INPUT_H
#define VU_TEST_MENU_REAL_INPUT_H

#include <windows.h>

namespace vu_test {

// Moves the pointer to the screen point (x, y).
inline void PointerTo(int x, int y)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    in.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

// Presses and releases a mouse button where the pointer is (MOUSEEVENTF_RIGHTDOWN, ...).
inline void Click(DWORD down, DWORD up)
{
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = down;
    in[1].mi.dwFlags = up;
    SendInput(2, in, sizeof in[0]);
}

// Presses and releases one key.
inline void Stroke(WORD vk)
{
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof in[0]);
}

// Holds modifier while striking vk (Alt+Space and the like).
inline void Chord(WORD modifier, WORD vk)
{
    INPUT in[4] = {};
    for (INPUT& i : in) i.type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[3].ki.wVk = modifier;
    in[1].ki.wVk = in[2].ki.wVk = vk;
    in[2].ki.dwFlags = in[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, in, sizeof in[0]);
}

}  // namespace vu_test

#endif
