// Background colour of a whole window class (a top-level window's or a toolbar's). One list
// of the brushes made here serves every caller, so a brush is released when replaced
// whichever call installed it. Internal to the toolkit.
#ifndef VU_CONTROLS_CLASS_BRUSH_H
#define VU_CONTROLS_CLASS_BRUSH_H

#include <windows.h>

namespace vu {

// Installs a new solid brush of colour as the background brush of control's window class
// and invalidates the control with erase. The brush it replaces is deleted when this
// function made it (a brush the platform or the application installed is left alone).
// Returns 0.
int SetClassBackColor(HWND control, COLORREF colour);

}  // namespace vu

#endif
