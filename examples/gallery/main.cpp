// Process entry of gallery.exe: creates the gallery window and runs the message loop.
#include "gallery.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    // One call makes the window: its class is named after the title and bound to
    // MainWindowProc, which gets WM_CREATE before the call returns. Size is the client
    // area's; the toolkit adds the caption and the menu bar grows the window by its own height.
    HWND window = vu_WindowCreate(instance, "Galleri", 0, 0, 640, 480, "MIN_NOMAX_CLO");
    if (window == nullptr) return 1;
    vu_WindowCenter(window);

    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // The editor page's find dialog gets its keys (Tab, Return) as a dialog does.
        if (FindBox && IsWindow(FindBox) && IsDialogMessageA(FindBox, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
