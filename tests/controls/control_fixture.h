// Helpers of the control tests: parent windows of an exact client size, positions read back
// from the platform, and a subclass that records what a control is told.
#ifndef VU_TESTS_CONTROL_FIXTURE_H
#define VU_TESTS_CONTROL_FIXTURE_H

#include <windows.h>

#include <string>
#include <vector>

#include "vu_test.h"

namespace control_test {

inline HINSTANCE Self() { return GetModuleHandleA(nullptr); }

// A captioned top-level window whose client area is exactly width x height.
inline HWND Parent(const char* stem, int width = 320, int height = 270)
{
    const std::string title = vu_test::UniqueTitle(stem);
    HWND parent = vu_WindowCreate(Self(), title.c_str(), 40, 40, width, height, "CLO");
    if (parent == nullptr) return nullptr;
    RECT r = {0, 0, width, height};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(parent, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongA(parent, GWL_EXSTYLE)));
    SetWindowPos(parent, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    vu_test::PumpMessages();
    return parent;
}

inline SIZE ClientSize(HWND window)
{
    RECT r = {};
    GetClientRect(window, &r);
    return {r.right, r.bottom};
}

// The control's outer rectangle in its parent's client coordinates.
inline RECT RectInParent(HWND control)
{
    RECT r = {};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// What a subclassed control was told: every message, and the WINDOWPOS of each
// WM_WINDOWPOSCHANGING.
struct Record {
    std::vector<UINT> messages;
    std::vector<WINDOWPOS> changing;
    int Count(UINT message) const
    {
        int n = 0;
        for (UINT m : messages) n += m == message;
        return n;
    }
    void Clear()
    {
        messages.clear();
        changing.clear();
    }
};

inline Record& Recorded()
{
    static Record record;
    return record;
}

inline WNDPROC& OriginalProc()
{
    static WNDPROC proc = nullptr;
    return proc;
}

inline LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    Recorded().messages.push_back(message);
    if (message == WM_WINDOWPOSCHANGING)
        Recorded().changing.push_back(*reinterpret_cast<WINDOWPOS*>(lparam));
    return CallWindowProcA(OriginalProc(), window, message, wparam, lparam);
}

// Subclasses one control at a time and clears the record.
inline void StartRecording(HWND control)
{
    OriginalProc() = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordingProc)));
    Recorded().Clear();
}

}  // namespace control_test

#endif
