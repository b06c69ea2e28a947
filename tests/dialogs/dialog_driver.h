// Completes the toolkit's modal dialogs as a user would: a helper thread waits for the
// dialog window of this process, reads it and presses its buttons while the test's own
// thread sits in the dialog's modal loop.
#ifndef VU_TESTS_DIALOG_DRIVER_H
#define VU_TESTS_DIALOG_DRIVER_H

#include <windows.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace dialog_driver {

// Polls until cond() holds or timeout_ms pass (for the helper thread, which has no windows
// of its own to pump).
inline bool PollFor(const std::function<bool()>& cond, int timeout_ms = 5000)
{
    const DWORD start = GetTickCount();
    while (!cond()) {
        if (GetTickCount() - start >= static_cast<DWORD>(timeout_ms)) return false;
        Sleep(5);
    }
    return true;
}

struct Search {
    HWND owner;
    HWND found;
};

inline BOOL CALLBACK MatchDialog(HWND window, LPARAM lparam)
{
    Search* search = reinterpret_cast<Search*>(lparam);
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == GetCurrentProcessId() && IsWindowVisible(window) &&
        std::string(name) == "#32770" && GetWindow(window, GW_OWNER) == search->owner) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The visible dialog of this process owned by owner, or null when none shows in time.
inline HWND FindDialog(HWND owner, int timeout_ms = 60000)
{
    Search search = {owner, nullptr};
    PollFor([&] {
        EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
        return search.found != nullptr;
    }, timeout_ms);
    return search.found;
}

inline std::string TextOf(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// Presses a button without waiting for what its press starts (a nested box would block).
inline void Click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// Waits until the dialog has closed.
inline bool WaitClosed(HWND dialog) { return PollFor([&] { return !IsWindow(dialog); }); }

// True under Wine's heap checker, where every step of the shell's file and folder dialogs
// takes tens of seconds: those programs then run only their lighter cases.
inline bool UnderHeapChecker() { return GetEnvironmentVariableA("VU_HEAPCHECK", nullptr, 0) > 0; }

#define SKIP_UNDER_HEAP_CHECKER() \
    if (dialog_driver::UnderHeapChecker()) GTEST_SKIP() << "too slow under the heap checker"

// Runs act on the dialog owned by owner from a second thread; if act leaves the dialog open
// the driver cancels it, so a failing test never hangs in the modal loop.
class Driver {
public:
    Driver(HWND owner, std::function<void(HWND)> act)
        : thread_([this, owner, act] {
              HWND dialog = FindDialog(owner);
              found_ = dialog != nullptr;
              if (!dialog) return;
              act(dialog);
              if (!PollFor([&] { return !IsWindow(dialog); }, 30000)) {
                  left_open_ = true;
                  PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                  PostMessageA(dialog, WM_CLOSE, 0, 0);
              }
          })
    {
    }
    ~Driver() { Join(); }
    void Join()
    {
        if (thread_.joinable()) thread_.join();
    }
    bool found() { Join(); return found_; }
    bool left_open() { Join(); return left_open_; }

private:
    bool found_ = false;
    bool left_open_ = false;
    std::thread thread_;
};

}  // namespace dialog_driver

#endif
