// Progress bar: creation with a frame word, range and step, stepping, the class colour and
// the geometry members.
#include <windows.h>

#include <commctrl.h>

#include "base/keyword.h"
#include "controls/common_controls.h"
#include "controls/geometry.h"
#include "vu.h"

namespace {

// A word outside the table gives the plain frame.
const vu::Keyword<DWORD> kProgressFrames[] = {
    {"NORMAL", 0},
    {"SUNKEN", WS_DLGFRAME},
};

}  // namespace

HWND vu_Progress(HWND parent, int x, int y, int width, int height, const char* frame,
                 unsigned int maximum, int step)
{
    vu::InitCommonClasses(ICC_PROGRESS_CLASS);
    const DWORD style = WS_CHILD | WS_VISIBLE | vu::KeywordValue(kProgressFrames, frame, DWORD{0});
    HWND bar = CreateWindowExA(0, PROGRESS_CLASSA, nullptr, style, x, y, width, height, parent,
                               nullptr, vu::InstanceOf(parent), nullptr);
    if (bar == nullptr) return nullptr;
    // The range's maximum travels in the high word: only its low 16 bits count.
    SendMessageA(bar, PBM_SETRANGE, 0, MAKELPARAM(0, maximum & 0xFFFF));
    SendMessageA(bar, PBM_SETSTEP, static_cast<WPARAM>(step), 0);
    return bar;
}

HWND vu_ProgressRecreate(HWND old, int x, int y, int width, int height, const char* frame,
                         unsigned int maximum, int step)
{
    HWND parent = vu::geometry::ParentOf(old);
    DestroyWindow(old);
    return vu_Progress(parent, x, y, width, height, frame, maximum, step);
}

int vu_ProgressStep(HWND bar)
{
    SendMessageA(bar, PBM_STEPIT, 0, 0);
    return 0;
}

int vu_ProgressSetColor(HWND bar, COLORREF colour) { return vu_WindowBackColor(bar, colour); }

int vu_ProgressDestroy(HWND bar) { return vu::geometry::Destroy(bar); }
int vu_ProgressHide(HWND bar) { return vu::geometry::Hide(bar); }
int vu_ProgressShow(HWND bar) { return vu::geometry::Show(bar, SW_SHOW); }
int vu_ProgressMove(HWND bar, int x, int y) { return vu::geometry::Move(bar, x, y); }
int vu_ProgressCenter(HWND bar) { return vu::geometry::Center(bar); }
int vu_ProgressGetPos(HWND bar) { return vu::geometry::GetPos(bar); }
int vu_ProgressResize(HWND bar, int width, int height) { return vu::geometry::Resize(bar, width, height); }
int vu_ProgressGetSize(HWND bar) { return vu::geometry::GetSize(bar); }
int vu_ProgressFit(HWND bar, int x, int y, int width_delta, int height_delta) { return vu::geometry::Fit(bar, x, y, width_delta, height_delta); }
