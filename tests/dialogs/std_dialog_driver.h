// Completing the platform's standard dialogs as a user would: a second thread finds the
// visible dialog window (class "#32770") of this process owned by a given window and works
// its controls with messages while the test's own thread sits in the modal call.
#ifndef VU_TESTS_STD_DIALOG_DRIVER_H
#define VU_TESTS_STD_DIALOG_DRIVER_H

#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>

namespace std_dialog {

struct Search {
    HWND owner;
    HWND found;
};

inline BOOL CALLBACK MatchDialog(HWND window, LPARAM lparam)
{
    Search* search = reinterpret_cast<Search*>(lparam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
        std::string(name) == "#32770" &&
        (search->owner == nullptr || GetWindow(window, GW_OWNER) == search->owner)) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// The visible dialog of this process owned by owner (any owner when null), or null.
inline HWND FindDialog(HWND owner)
{
    Search search = {owner, nullptr};
    EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Waits until such a dialog shows (polling the window list from a thread without windows),
// giving up after timeout_ms or once *stop is set.
inline HWND WaitForDialog(HWND owner, int timeout_ms = 10000,
                          const std::atomic<bool>* stop = nullptr)
{
    const DWORD start = GetTickCount();
    for (;;) {
        if (HWND dialog = FindDialog(owner)) return dialog;
        if (stop && *stop) return nullptr;
        if (GetTickCount() - start > static_cast<DWORD>(timeout_ms)) return nullptr;
        Sleep(10);
    }
}

inline std::string Text(HWND window)
{
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

inline std::string ItemText(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }

inline void SetItemText(HWND dialog, int id, const char* text)
{
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// Clicks a button of the dialog; posted, so that a click which ends the dialog never waits
// on the modal loop it ends.
inline void Click(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// Selects a combobox entry by its text and tells the dialog, as a choice with the mouse would.
inline bool ChooseEntry(HWND dialog, int id, const char* text)
{
    HWND box = GetDlgItem(dialog, id);
    const LRESULT index = SendMessageA(box, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(text));
    if (index == CB_ERR) return false;
    SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
    return true;
}

// Runs action(dialog) on a second thread once the dialog owned by owner shows. When no such
// dialog shows, every dialog of this process is closed so that the modal call returns and
// the test fails instead of hanging.
class Driver {
public:
    Driver(HWND owner, std::function<void(HWND)> action)
        : thread_([this, owner, action] {
              HWND dialog = WaitForDialog(owner, 10000, &stop_);
              found_ = dialog != nullptr;
              if (dialog) {
                  action(dialog);
                  return;
              }
              if (stop_) return;
              while (HWND any = WaitForDialog(nullptr, 2000)) {
                  PostMessageA(any, WM_CLOSE, 0, 0);
                  Sleep(100);
              }
          })
    {
    }
    ~Driver() { Join(); }
    // Waits for the thread; true when the dialog was found. Call it only once the dialog's
    // call has returned: a driver still looking for its dialog then stops looking.
    bool Join()
    {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        return found_;
    }

private:
    bool found_ = false;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace std_dialog

#endif
