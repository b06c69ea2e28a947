// Window makers and queries shared by the tests: a top-level window of an exact client
// size, and what the platform says of a window (class, styles, text, rectangles, children).
#ifndef VU_TEST_QUERY_H
#define VU_TEST_QUERY_H

#include <windows.h>

#include <string>
#include <vector>

#include "vu_test.h"

namespace vu_test {

inline HINSTANCE Self() { return GetModuleHandleA(nullptr); }

// A visible top-level window made by vu_WindowCreate (so MainWindowProc records its
// messages) with a title no other test used, a client area of exactly width x height,
// on top of the others and painted. Destroyed when it goes out of scope.
class Window {
public:
    explicit Window(const char* stem, int width = 320, int height = 270)
    {
        const std::string title = UniqueTitle(stem);
        handle_ = vu_WindowCreate(Self(), title.c_str(), 40, 40, width, height, "CLO");
        if (handle_ == nullptr) return;
        RECT r = {0, 0, width, height};
        AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(handle_, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongA(handle_, GWL_EXSTYLE)));
        SetWindowPos(handle_, HWND_TOPMOST, 0, 0, r.right - r.left, r.bottom - r.top,
                     SWP_NOMOVE);
        SetForegroundWindow(handle_);
        Repaint();
    }
    ~Window()
    {
        if (IsWindow(handle_)) DestroyWindow(handle_);
        PumpMessages();
    }
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND get() const { return handle_; }
    operator HWND() const { return handle_; }

    // Erases the client area to the class background and waits until it and its children
    // are painted.
    void Repaint() const
    {
        RedrawWindow(handle_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpMessages();
    }

private:
    HWND handle_ = nullptr;
};

inline std::string ClassOf(HWND w)
{
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}
inline DWORD StyleOf(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE)); }
inline DWORD ExStyleOf(HWND w) { return static_cast<DWORD>(GetWindowLongA(w, GWL_EXSTYLE)); }

// A window's text through WM_GETTEXT; works across processes. Gives up after timeout_ms
// (a window that does not answer reads as "<no answer>").
inline std::string TextOf(HWND w, int timeout_ms = 5000)
{
    std::vector<char> buf(8192, '\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutA(w, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()),
                             SMTO_NORMAL, static_cast<UINT>(timeout_ms), &got))
        return "<no answer>";
    return std::string(buf.data(), got);
}

// The text of a dialog's control.
inline std::string ItemText(HWND dialog, int id) { return TextOf(GetDlgItem(dialog, id)); }

inline SIZE ClientSize(HWND w)
{
    RECT r = {};
    GetClientRect(w, &r);
    return {r.right, r.bottom};
}

// The window's outer rectangle in its parent's client coordinates (screen coordinates for
// a top-level window).
inline RECT RectInParent(HWND w)
{
    RECT r = {};
    GetWindowRect(w, &r);
    HWND parent = (StyleOf(w) & WS_CHILD) ? GetParent(w) : nullptr;
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The direct children of a window, in z-order.
inline std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> found;
    for (HWND w = GetWindow(parent, GW_CHILD); w != nullptr; w = GetWindow(w, GW_HWNDNEXT))
        found.push_back(w);
    return found;
}

// The direct child whose top-left corner lies at (x, y) of the parent's client area.
inline HWND ChildAt(HWND parent, int x, int y)
{
    for (HWND w : Children(parent)) {
        const RECT r = RectInParent(w);
        if (r.left == x && r.top == y) return w;
    }
    return nullptr;
}

// The visible top-level windows of a class ("#32770" for dialogs) of a process (0: this
// one), optionally of one owner, in z-order.
inline std::vector<HWND> TopWindows(const char* class_name, DWORD pid = 0, HWND owner = nullptr)
{
    std::vector<HWND> found;
    for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
        DWORD of = 0;
        GetWindowThreadProcessId(w, &of);
        if (of == (pid != 0 ? pid : GetCurrentProcessId()) && IsWindowVisible(w) &&
            ClassOf(w) == class_name && (owner == nullptr || GetWindow(w, GW_OWNER) == owner))
            found.push_back(w);
    }
    return found;
}

// The first visible dialog of a process (0: this one) owned by owner (any when null), once
// one shows within timeout_ms; else null.
inline HWND WaitForDialog(HWND owner, DWORD pid = 0, int timeout_ms = 10000)
{
    std::vector<HWND> found;
    WaitFor([&] { return !(found = TopWindows("#32770", pid, owner)).empty(); }, timeout_ms);
    return found.empty() ? nullptr : found.front();
}

}  // namespace vu_test

#endif
