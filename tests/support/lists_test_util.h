// Helpers of the tests of the list-like controls and bars: a parent window per test, class
// names, and real mouse and keyboard input through SendInput.
#ifndef VU_LISTS_TEST_UTIL_H
#define VU_LISTS_TEST_UTIL_H

#include <windows.h>

#include <string>

#include "vu_test.h"

namespace lists_test {

inline HINSTANCE Self() { return GetModuleHandleA(nullptr); }

// A new visible top-level window with a title no other test used.
inline HWND NewParent(const char* stem, int width = 420, int height = 300)
{
    return vu_WindowCreate(Self(), vu_test::UniqueTitle(stem).c_str(), 20, 20, width, height,
                           "CLO");
}

inline std::string ClassOf(HWND w)
{
    char name[256] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}

inline DWORD StyleOf(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE)); }
inline DWORD ExStyleOf(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_EXSTYLE)); }

// The control's window rectangle in its parent's client coordinates.
inline RECT RectInParent(HWND control)
{
    RECT r = {};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Brings top to the foreground so that real input reaches it.
inline bool Foreground(HWND top)
{
    SetForegroundWindow(top);
    return vu_test::WaitFor([&] { return GetForegroundWindow() == top; }, 2000);
}

// A real left click at a point of window's client area.
inline void ClickAt(HWND window, POINT client, bool twice = false)
{
    ClientToScreen(window, &client);
    SetCursorPos(client.x, client.y);
    INPUT in[4] = {};
    for (INPUT& i : in) i.type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    in[2].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[3].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(twice ? 4 : 2, in, sizeof(INPUT));
}

// Real key strokes: each virtual key pressed and released in turn.
inline void TypeKeys(const std::string& keys)
{
    for (char k : keys) {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wVk = in[1].ki.wVk = static_cast<WORD>(static_cast<unsigned char>(k));
        in[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof(INPUT));
    }
}

}  // namespace lists_test

#endif
