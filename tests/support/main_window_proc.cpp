// The MainWindowProc of the toolkit's test programs: records every message and lets a
// test take over the handling.
#include "vu_test.h"

namespace vu_test {
namespace {
std::vector<Message>& Log()
{
    static std::vector<Message> log;
    return log;
}
Handler& CurrentHandler()
{
    static Handler handler;
    return handler;
}
}  // namespace

const std::vector<Message>& Messages() { return Log(); }
void ClearMessages() { Log().clear(); }
int CountMessages(UINT message, HWND window)
{
    int n = 0;
    for (const Message& m : Log())
        if (m.message == message && (window == nullptr || m.window == window)) ++n;
    return n;
}
void SetMainWindowHandler(Handler handler) { CurrentHandler() = std::move(handler); }

}  // namespace vu_test

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    vu_test::Log().push_back({window, message, wparam, lparam});
    LRESULT result = 0;
    if (vu_test::CurrentHandler() &&
        vu_test::CurrentHandler()(window, message, wparam, lparam, &result))
        return result;
    return DefWindowProcA(window, message, wparam, lparam);
}
