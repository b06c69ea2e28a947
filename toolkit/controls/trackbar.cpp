// Trackbar: creation with orientation and frame words, range, page size and position,
// value queries by word, and the geometry members.
#include <windows.h>

#include <commctrl.h>

#include "base/keyword.h"
#include "controls/common_controls.h"
#include "controls/geometry.h"
#include "vu.h"

namespace {

// A word outside the table gives a horizontal trackbar.
const vu::Keyword<DWORD> kOrientations[] = {
    {"H", TBS_HORZ},
    {"V", TBS_VERT},
};

struct Frame {
    DWORD ex_style;
    DWORD border;
};

// A word outside the table gives no edge and no border.
const vu::Keyword<Frame> kTrackbarFrames[] = {
    {"NORMAL", {0, 0}},
    {"SUNKEN", {WS_EX_CLIENTEDGE, 0}},
    {"BAR", {0, WS_DLGFRAME}},
    {"EDGE", {WS_EX_CLIENTEDGE, WS_DLGFRAME}},
};

// The question each query word puts to the trackbar; another word is answered with 0.
const vu::Keyword<UINT> kQueries[] = {
    {"TICS", TBM_GETNUMTICS},
    {"CLICKSTEPS", TBM_GETPAGESIZE},
    {"SLIDERPOS", TBM_GETPOS},
    {"SLIDERPOSNR", TBM_GETRANGEMAX},
    {"BUTTLENGTH", TBM_GETTHUMBLENGTH},
};

}  // namespace

HWND vu_Trackbar(HWND parent, const char* orientation, int x, int y, int width, int height,
                 const char* frame, unsigned int maximum, int page_size, int position)
{
    vu::InitCommonClasses(ICC_BAR_CLASSES);
    const Frame chosen = vu::KeywordValue(kTrackbarFrames, frame, Frame{0, 0});
    const DWORD style = WS_CHILD | WS_VISIBLE | TBS_AUTOTICKS | chosen.border |
                        vu::KeywordValue(kOrientations, orientation, DWORD{TBS_HORZ});
    HWND bar = CreateWindowExA(chosen.ex_style, TRACKBAR_CLASSA, nullptr, style, x, y, width,
                               height, parent, nullptr, vu::InstanceOf(parent), nullptr);
    if (bar == nullptr) return nullptr;
    // The range's maximum travels in the high word: only its low 16 bits count.
    SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, maximum & 0xFFFF));
    SendMessageA(bar, TBM_SETPAGESIZE, 0, page_size);
    SendMessageA(bar, TBM_SETPOS, TRUE, position);
    return bar;
}

HWND vu_TrackbarRecreate(HWND old, const char* orientation, int x, int y, int width,
                         int height, const char* frame, unsigned int maximum, int page_size,
                         int position)
{
    HWND parent = vu::geometry::ParentOf(old);
    DestroyWindow(old);
    return vu_Trackbar(parent, orientation, x, y, width, height, frame, maximum, page_size,
                       position);
}

int vu_TrackbarGet(HWND bar, const char* what)
{
    const vu::Keyword<UINT>* row = vu::FindKeyword(kQueries, what);
    return row ? static_cast<int>(SendMessageA(bar, row->value, 0, 0)) : 0;
}

int vu_TrackbarSetPos(HWND bar, int position)
{
    SendMessageA(bar, TBM_SETPOS, TRUE, position);
    return 0;
}

int vu_TrackbarDestroy(HWND bar) { return vu::geometry::Destroy(bar); }
int vu_TrackbarHide(HWND bar) { return vu::geometry::Hide(bar); }
int vu_TrackbarShow(HWND bar) { return vu::geometry::Show(bar, SW_SHOW); }
int vu_TrackbarMove(HWND bar, int x, int y) { return vu::geometry::Move(bar, x, y); }
int vu_TrackbarCenter(HWND bar) { return vu::geometry::Center(bar); }
int vu_TrackbarGetPos(HWND bar) { return vu::geometry::GetPos(bar); }
int vu_TrackbarResize(HWND bar, int width, int height) { return vu::geometry::Resize(bar, width, height); }
int vu_TrackbarGetSize(HWND bar) { return vu::geometry::GetSize(bar); }
int vu_TrackbarFit(HWND bar, int x, int y, int width_delta, int height_delta) { return vu::geometry::Fit(bar, x, y, width_delta, height_delta); }
int vu_TrackbarDisable(HWND bar) { return vu::geometry::Disable(bar); }
int vu_TrackbarEnable(HWND bar) { return vu::geometry::Enable(bar); }
int vu_TrackbarRedraw(HWND bar, const char* mode) { return vu::geometry::Redraw(bar, mode); }
HWND vu_TrackbarSetFocus(HWND bar) { return vu::geometry::SetFocusTo(bar); }
HWND vu_TrackbarDropFocus(HWND) { return vu::geometry::DropFocus(); }
