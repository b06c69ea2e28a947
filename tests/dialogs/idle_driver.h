// Completes a modal dialog from the test's own thread: a short timer at the owner ticks
// through the dialog's modal loop, and on each tick the owner's recording MainWindowProc hands
// it to the driver, which looks for the dialog among this thread's windows and, once it shows,
// reads and presses it. No second thread runs beside the dialog, so nothing else in the
// process touches the heap while the dialog's thread does (Wine's heap checker reports blocks
// that two threads allocate and free at the same moment as overwritten after being freed).
#ifndef VU_TESTS_IDLE_DRIVER_H
#define VU_TESTS_IDLE_DRIVER_H

#include <windows.h>

#include <functional>

#include "vu_test.h"

namespace idle_driver {

// Runs act once on the first visible dialog of this thread owned by owner; if act
// leaves the dialog open for timeout_ms the driver cancels it, so a failing test never
// hangs in the modal loop. The owner must be a window bound to MainWindowProc.
class Driver {
public:
    Driver(HWND owner, std::function<void(HWND)> act, DWORD timeout_ms = 30000)
        : owner_(owner), act_(std::move(act)), timeout_ms_(timeout_ms)
    {
        vu_test::SetMainWindowHandler(
            [this](HWND window, UINT message, WPARAM wparam, LPARAM lparam, LRESULT*) {
                if (window == owner_) Handle(message, wparam, lparam);
                return false;
            });
        SetTimer(owner_, kTimer, USER_TIMER_MINIMUM, nullptr);
    }
    ~Driver()
    {
        KillTimer(owner_, kTimer);
        vu_test::SetMainWindowHandler(nullptr);
    }
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    bool found() const { return acted_; }
    bool left_open() const { return left_open_; }

private:
    static constexpr UINT_PTR kTimer = 0x1D1E;

    struct Search {
        HWND owner;
        HWND found;
    };

    static BOOL CALLBACK MatchDialog(HWND window, LPARAM lparam)
    {
        Search* search = reinterpret_cast<Search*>(lparam);
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(window) &&
            GetWindow(window, GW_OWNER) == search->owner) {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }

    void Handle(UINT message, WPARAM wparam, LPARAM)
    {
        if (message != WM_TIMER || wparam != kTimer) return;
        if (!acted_) {
            Search search = {owner_, nullptr};
            EnumThreadWindows(GetCurrentThreadId(), MatchDialog, reinterpret_cast<LPARAM>(&search));
            if (search.found == nullptr) return;
            dialog_ = search.found;
            acted_ = true;
            acted_at_ = GetTickCount();
            act_(dialog_);  // may dispatch messages, and with them this handler again
        } else if (!left_open_ && IsWindow(dialog_) && GetTickCount() - acted_at_ >= timeout_ms_) {
            left_open_ = true;
            PostMessageA(dialog_, WM_COMMAND, IDCANCEL, 0);
            PostMessageA(dialog_, WM_CLOSE, 0, 0);
        }
    }

    HWND owner_;
    std::function<void(HWND)> act_;
    DWORD timeout_ms_;
    HWND dialog_ = nullptr;
    bool acted_ = false;
    bool left_open_ = false;
    DWORD acted_at_ = 0;
};

}  // namespace idle_driver

#endif
