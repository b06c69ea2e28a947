// Start-up and message loop of Vindrulen.
#include "startup.h"

#include "vu.h"

const char* CommandLineTail(const char* line)
{
    if (line == nullptr) return "";
    const char* p = line;
    if (*p == '"') {
        const char* close = p + 1;
        while (*close != '\0' && *close != '"') ++close;
        if (*close == '\0') return line;  // the quote never closes: the whole line
        p = close + 1;
    } else {
        while (*p != '\0' && *p != ' ') ++p;
    }
    while (*p == ' ') ++p;
    return p;
}

int GuiMain(HINSTANCE instance, HINSTANCE, const char*, int)
{
    HWND main_window = vu_WindowCreate(instance, "Vindrulen", 0, 0, 146, 26, "TOOLWIN_CLO");
    if (main_window == nullptr) return 1;  // nothing to run without the main window

    MSG msg;
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1) continue;  // an error does not end the loop; only WM_QUIT does
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
