// The title text of top-level windows.
#include <climits>

#include "base/keyword.h"
#include "vu.h"

int vu_WindowSetText(HWND window, const char* text)
{
    SetWindowTextA(window, vu::TextOrEmpty(text));
    return 0;
}

int vu_WindowGetText(HWND window, char* buffer, int max)
{
    // The buffer holds max + 1 bytes: nothing fits into a buffer of no bytes.
    if (buffer == nullptr || max < 0) return 0;
    buffer[0] = '\0';  // a stale handle leaves an empty text, not the buffer's old bytes
    const int size = max == INT_MAX ? INT_MAX : max + 1;
    return GetWindowTextA(window, buffer, size);
}
