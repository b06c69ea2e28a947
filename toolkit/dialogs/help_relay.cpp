// Relays the message box's Help button to WM_HELP at the owner: a thread hook watches the
// box become active and subclasses it; the subclass answers the Help command itself, so the
// owner gets exactly one WM_HELP whatever the platform's own box does with the button.
#include "dialogs/help_relay.h"

namespace {

// Every message box is a dialog of the same system class, so all share one procedure.
WNDPROC box_procedure = nullptr;

LRESULT CALLBACK RelayHelp(HWND box, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_COMMAND && LOWORD(wparam) == IDHELP) {
        HELPINFO info = {};
        info.cbSize = sizeof info;
        info.iContextType = HELPINFO_WINDOW;
        info.iCtrlId = IDHELP;
        info.hItemHandle = reinterpret_cast<HANDLE>(lparam);
        GetCursorPos(&info.MousePos);
        SendMessageA(GetWindow(box, GW_OWNER), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
        return 0;
    }
    return CallWindowProcA(box_procedure, box, message, wparam, lparam);
}

bool IsMessageBoxWithHelp(HWND window)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpA(name, "#32770") == 0 && GetDlgItem(window, 0xFFFF) != nullptr &&
           GetDlgItem(window, IDHELP) != nullptr;
}

LRESULT CALLBACK WatchActivation(int code, WPARAM wparam, LPARAM lparam)
{
    HWND window = reinterpret_cast<HWND>(wparam);
    if (code == HCBT_ACTIVATE && IsMessageBoxWithHelp(window) &&
        GetWindowLongPtrA(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(RelayHelp)) {
        box_procedure = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RelayHelp)));
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

namespace vu {

HelpRelay::HelpRelay(bool wanted)
    : hook_(wanted ? SetWindowsHookExA(WH_CBT, WatchActivation, nullptr, GetCurrentThreadId())
                   : nullptr)
{
}

HelpRelay::~HelpRelay()
{
    if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
}

}  // namespace vu
