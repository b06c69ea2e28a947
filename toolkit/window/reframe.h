// The hide-shrink-apply-restore-show frame that every restyling of a top-level window runs
// through, so that the platform recomputes the frame for the new style words. Internal to
// the toolkit.
#ifndef VU_WINDOW_REFRAME_H
#define VU_WINDOW_REFRAME_H

#include <windows.h>

namespace vu {

// Reads the window rectangle, hides the window and shrinks it to 0 x 0 at (0, 0).
RECT HideAndShrink(HWND window);
// Moves the window back to rect, repainting, and shows it normal.
void RestoreAndShow(HWND window, const RECT& rect);

// Runs apply() between the two halves; returns 0, the result of every restyling call.
template <typename Apply>
int Reframe(HWND window, Apply apply)
{
    const RECT rect = HideAndShrink(window);
    apply();
    RestoreAndShow(window, rect);
    return 0;
}

// Replaces a whole style word of the window (GWL_STYLE or GWL_EXSTYLE).
inline void SetStyleWord(HWND window, int index, DWORD value)
{
    SetWindowLongA(window, index, static_cast<LONG>(value));
}

}  // namespace vu

#endif
