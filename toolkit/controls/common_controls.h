// Registration of the common-control window classes a control kind needs before its
// first window is made. Internal to the toolkit.
#ifndef VU_CONTROLS_COMMON_CONTROLS_H
#define VU_CONTROLS_COMMON_CONTROLS_H

#include <windows.h>

#include <commctrl.h>

namespace vu {

// Makes sure the common-control classes named by the ICC_ flags are registered in this
// process; cheap to repeat, so every creation call asks again.
inline void InitCommonClasses(DWORD classes)
{
    INITCOMMONCONTROLSEX init = {sizeof init, classes};
    InitCommonControlsEx(&init);
}

// The module instance that a parent window carries; controls are made with it.
inline HINSTANCE InstanceOf(HWND parent)
{
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
}

}  // namespace vu

#endif
