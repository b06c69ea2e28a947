// The message recorder of any window (a control, or a top-level window of another window
// procedure): subclasses it and records every message it is told, with a copy of each
// WM_WINDOWPOSCHANGING's WINDOWPOS. The toolkit's top-level windows record into
// vu_test::Messages() through the tests' MainWindowProc instead.
#ifndef VU_TEST_RECORDER_H
#define VU_TEST_RECORDER_H

#include <windows.h>

#include <vector>

#include "vu_test.h"

namespace vu_test {

class Recorder {
public:
    explicit Recorder(HWND w) : window_(w)
    {
        SetPropA(w, kProp, this);
        original_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
    }
    ~Recorder()
    {
        if (IsWindow(window_)) {
            SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
            RemovePropA(window_, kProp);
        }
    }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    const std::vector<Message>& messages() const { return messages_; }
    const std::vector<WINDOWPOS>& changing() const { return changing_; }
    int Count(UINT message) const
    {
        int n = 0;
        for (const Message& m : messages_) n += m.message == message;
        return n;
    }
    void Clear()
    {
        messages_.clear();
        changing_.clear();
    }

private:
    static constexpr const char* kProp = "vu_test.Recorder";

    static LRESULT CALLBACK Proc(HWND w, UINT message, WPARAM wparam, LPARAM lparam)
    {
        Recorder* self = static_cast<Recorder*>(GetPropA(w, kProp));
        self->messages_.push_back({w, message, wparam, lparam});
        if (message == WM_WINDOWPOSCHANGING)
            self->changing_.push_back(*reinterpret_cast<WINDOWPOS*>(lparam));
        return CallWindowProcA(self->original_, w, message, wparam, lparam);
    }

    HWND window_;
    WNDPROC original_ = nullptr;
    std::vector<Message> messages_;
    std::vector<WINDOWPOS> changing_;
};

}  // namespace vu_test

#endif
