// The smallest window program the platform allows: one class, one window, one message loop.
// The start-up benchmark times it against vindrulen.exe; it is built with the same compiler
// flags, linked statically and stripped like the program, so that the difference between the
// two is what the program and its toolkit add to starting up.
#include <windows.h>

namespace {

LRESULT CALLBACK BareWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int main()
{
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA window_class = {};
    window_class.lpfnWndProc = BareWindowProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = "BareWindow";
    if (RegisterClassA(&window_class) == 0) return 1;

    // The same size and frame as the program's small corner form.
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "BareWindow", "BareWindow",
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 0, 0, 146,
                                  26 + GetSystemMetrics(SM_CYSMCAPTION), nullptr, nullptr,
                                  instance, nullptr);
    if (window == nullptr) return 1;
    ShowWindow(window, SW_SHOWNORMAL);

    MSG msg;
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
