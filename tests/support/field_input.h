// Real keyboard and mouse input for the tests of keyboard-driven controls: brings a window
// to the foreground, focuses a control in it, and sends keys and clicks with SendInput.
#ifndef VU_TEST_FIELD_INPUT_H
#define VU_TEST_FIELD_INPUT_H

#include <windows.h>

#include "vu_test.h"

namespace vu_test {

// Brings top to the foreground and gives control the keyboard focus; true when both hold.
inline bool FocusInForeground(HWND top, HWND control)
{
    SetForegroundWindow(top);
    if (!WaitFor([&] { return GetForegroundWindow() == top; }, 3000)) return false;
    SetFocus(control);
    return WaitFor([&] { return GetFocus() == control; }, 3000);
}

// Presses and releases one key.
inline void PressKey(WORD vk)
{
    const bool extended = vk == VK_DELETE || vk == VK_INSERT || vk == VK_HOME ||
                          vk == VK_END || vk == VK_PRIOR || vk == VK_NEXT || vk == VK_LEFT ||
                          vk == VK_RIGHT || vk == VK_UP || vk == VK_DOWN;
    INPUT in[2] = {};
    in[0].type = INPUT_KEYBOARD;
    in[0].ki.wVk = vk;
    in[0].ki.dwFlags = extended ? KEYEVENTF_EXTENDEDKEY : 0;
    in[1] = in[0];
    in[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

// Moves the pointer to the screen point and clicks the left button there.
inline void ClickAt(int x, int y)
{
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    INPUT in[3] = {};
    for (INPUT& i : in) i.type = INPUT_MOUSE;
    // The middle of the pixel, in the 0..65535 range of absolute moves.
    in[0].mi.dx = static_cast<LONG>((2LL * x + 1) * 65536 / (2LL * w));
    in[0].mi.dy = static_cast<LONG>((2LL * y + 1) * 65536 / (2LL * h));
    in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(3, in, sizeof(INPUT));
}

// The key codes that fields posted to parent as WM_COMMAND(key, 0), in order.
inline std::vector<WPARAM> PostedKeys(HWND parent)
{
    std::vector<WPARAM> keys;
    for (const Message& m : Messages())
        if (m.window == parent && m.message == WM_COMMAND && m.lparam == 0)
            keys.push_back(m.wparam);
    return keys;
}

inline bool KeyPosted(HWND parent, WPARAM key)
{
    for (WPARAM k : PostedKeys(parent))
        if (k == key) return true;
    return false;
}

}  // namespace vu_test

#endif
