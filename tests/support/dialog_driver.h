// Completes modal dialogs from the test's own thread: a thread timer is dispatched inside
// every modal loop of the thread, and on each tick the driver looks for the dialog among the
// thread's windows and, once it shows, runs the test's action on it. No second thread touches
// the heap beside the dialog (Wine's heap checker takes that for a corrupted block).
#ifndef VU_TEST_DIALOG_DRIVER_H
#define VU_TEST_DIALOG_DRIVER_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "query.h"
#include "vu_test.h"

namespace vu_test {

// Presses a dialog's button; posted, so that a press that ends the dialog never waits on
// the modal loop it ends.
inline void ClickItem(HWND dialog, int id) { PostMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

inline void SetItemText(HWND dialog, int id, const char* text)
{
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

// Selects a combobox entry of a dialog by its text and tells the dialog, as a choice with
// the mouse would; false when there is no such entry.
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

// One driver at a time per thread. The action runs once, on the first visible dialog
// ("#32770", or the class given) of this thread owned by owner (any owner when null). When
// the action leaves the dialog open for timeout_ms, or no dialog shows within timeout_ms,
// the driver closes every dialog of the thread, so a failing test never hangs in a modal loop.
class DialogDriver {
public:
    explicit DialogDriver(std::function<void(HWND)> act, HWND owner = nullptr,
                          DWORD timeout_ms = 10000, const char* class_name = "#32770")
        : act_(std::move(act)), owner_(owner), timeout_ms_(timeout_ms), class_(class_name)
    {
        Current() = this;
        started_ = GetTickCount();
        timer_ = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &Tick);
    }
    ~DialogDriver() { KillTimer(nullptr, timer_); Current() = nullptr; }
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // Queues a further action for a box the dialog opens itself (an overwrite question, a
    // refusal): once the previous action has run, act runs on the first visible dialog owned
    // by the dialog that action ran on. Call it before the modal call starts.
    void Then(std::function<void(HWND)> act) { next_.push_back(std::move(act)); }

    // Whether the (last queued) action ran, and on which dialog; whether the driver had to
    // close a dialog the action left open or that never showed.
    bool found() const { return dialog_ != nullptr; }
    HWND dialog() const { return dialog_; }
    bool gave_up() const { return gave_up_; }

private:
    static DialogDriver*& Current()
    {
        static DialogDriver* current = nullptr;
        return current;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (Current() != nullptr && !Current()->busy_) Current()->Step();
    }
    // Calls visit on each top-level window of this thread until it answers true.
    template <typename Visit> static void ForThreadWindows(Visit visit)
    {
        for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT))
            if (GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId() && visit(w)) return;
    }

    void Step()
    {
        const DWORD now = GetTickCount();
        if (dialog_ == nullptr) {
            ForThreadWindows([this](HWND w) {
                const bool match = IsWindowVisible(w) && ClassOf(w) == class_ &&
                                   (owner_ == nullptr || GetWindow(w, GW_OWNER) == owner_);
                if (match) dialog_ = w;
                return match;
            });
            if (dialog_ != nullptr) {
                acted_at_ = now;
                busy_ = true;
                act_(dialog_);  // may dispatch messages, and with them this timer again
                busy_ = false;
                if (!next_.empty()) {  // look for the box this dialog opens next
                    owner_ = dialog_;
                    act_ = std::move(next_.front());
                    next_.erase(next_.begin());
                    dialog_ = nullptr;
                    started_ = now;
                }
            } else if (now - started_ >= timeout_ms_ && !gave_up_) {
                GiveUp();
            }
        } else if (!gave_up_ && IsWindow(dialog_) && now - acted_at_ >= timeout_ms_) {
            GiveUp();
        }
    }

    void GiveUp()
    {
        gave_up_ = true;
        ForThreadWindows([](HWND w) {
            if (ClassOf(w) == "#32770") {
                PostMessageA(w, WM_COMMAND, IDCANCEL, 0);
                PostMessageA(w, WM_CLOSE, 0, 0);
            }
            return false;
        });
    }

    std::function<void(HWND)> act_;
    std::vector<std::function<void(HWND)>> next_;
    HWND owner_;
    DWORD timeout_ms_;
    std::string class_;
    UINT_PTR timer_ = 0;
    DWORD started_ = 0;
    DWORD acted_at_ = 0;
    HWND dialog_ = nullptr;
    bool busy_ = false;
    bool gave_up_ = false;
};

}  // namespace vu_test

#endif
