// The push button: creation and replacement by keyword, press, release and state, and
// its geometry members over the shared implementation.
#include "base/keyword.h"
#include "controls/alignment.h"
#include "controls/geometry.h"
#include "vu.h"

namespace {

struct Frame {
    DWORD style;
    DWORD ex_style;
};

// Searched in this order. "SHADOW" makes the default push button, "SUNKEN" adds the
// sunken client edge, "BAR" the dialog frame, "EDGE" both.
const vu::Keyword<Frame> kFrames[] = {
    {"NORMAL", {WS_CHILD | WS_VISIBLE, 0}},
    {"SHADOW", {WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, 0}},
    {"SUNKEN", {WS_CHILD | WS_VISIBLE, WS_EX_CLIENTEDGE}},
    {"SUNKEN_SHADOW", {WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, WS_EX_CLIENTEDGE}},
    {"BAR", {WS_CHILD | WS_VISIBLE | WS_DLGFRAME, 0}},
    {"BAR_SHADOW", {WS_CHILD | WS_VISIBLE | WS_DLGFRAME | BS_DEFPUSHBUTTON, 0}},
    {"EDGE", {WS_CHILD | WS_VISIBLE | WS_DLGFRAME, WS_EX_CLIENTEDGE}},
    {"EDGE_SHADOW", {WS_CHILD | WS_VISIBLE | WS_DLGFRAME | BS_DEFPUSHBUTTON, WS_EX_CLIENTEDGE}},
};

// A button is always a child of its parent: a word outside the table gives the plain
// frame, never a style without WS_CHILD (which would turn the control id into a menu
// handle and the button into a stray top-level window).
Frame FrameOf(const char* word)
{
    return vu::KeywordValue(kFrames, word, kFrames[0].value);
}

DWORD AlignmentOf(const char* word) { return vu::ButtonAlignment(word, BS_CENTER); }

HMENU ChildId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

}  // namespace

HWND vu_Button(HWND parent, int x, int y, int width, int height, const char* text,
               const char* alignment, const char* frame, int id)
{
    const Frame chosen = FrameOf(frame);
    const DWORD style = chosen.style | AlignmentOf(alignment) | BS_PUSHLIKE;
    HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    HWND button = CreateWindowExA(chosen.ex_style, "button", vu::TextOrEmpty(text), style, x, y,
                                  width, height, parent, ChildId(id), instance, nullptr);
    if (button == nullptr) return nullptr;
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    ShowWindow(button, SW_SHOW);
    return button;
}

HWND vu_ButtonRecreate(HWND parent, int x, int y, int width, int height, const char* text,
                       const char* alignment, const char* frame, int id)
{
    const Frame chosen = FrameOf(frame);
    const DWORD align = AlignmentOf(alignment);
    if (HWND old = GetDlgItem(parent, id)) DestroyWindow(old);
    HWND button = CreateWindowExA(chosen.ex_style, "button", vu::TextOrEmpty(text), chosen.style,
                                  x, y, width, height, parent, ChildId(id), nullptr, nullptr);
    if (button == nullptr) return nullptr;
    SetWindowLongA(button, GWL_STYLE, static_cast<LONG>(GetWindowLongA(button, GWL_STYLE) | align));
    // Hidden and shown again so that it is drawn with the style it has now.
    ShowWindow(button, SW_HIDE);
    ShowWindow(button, SW_SHOW);
    return button;
}

int vu_ButtonPress(HWND button)
{
    SendMessageA(button, BM_SETSTATE, TRUE, 0);
    return 0;
}

int vu_ButtonRelease(HWND button)
{
    SendMessageA(button, BM_SETSTATE, FALSE, 0);
    return 0;
}

int vu_ButtonGetState(HWND button)
{
    return static_cast<int>(SendMessageA(button, BM_GETSTATE, 0, 0));
}

int vu_ButtonDestroy(HWND button) { return vu::geometry::Destroy(button); }
int vu_ButtonHide(HWND button) { return vu::geometry::Hide(button); }
int vu_ButtonShow(HWND button) { return vu::geometry::Show(button, SW_SHOWNORMAL); }
int vu_ButtonMove(HWND button, int x, int y) { return vu::geometry::Move(button, x, y); }
int vu_ButtonCenter(HWND button) { return vu::geometry::Center(button); }
int vu_ButtonGetPos(HWND button) { return vu::geometry::GetPos(button); }
int vu_ButtonResize(HWND button, int width, int height)
{
    return vu::geometry::Resize(button, width, height);
}
int vu_ButtonGetSize(HWND button) { return vu::geometry::GetSize(button); }
int vu_ButtonFit(HWND button, int x, int y, int width_delta, int height_delta)
{
    return vu::geometry::Fit(button, x, y, width_delta, height_delta);
}
int vu_ButtonDisable(HWND button) { return vu::geometry::Disable(button); }
int vu_ButtonEnable(HWND button) { return vu::geometry::Enable(button); }
int vu_ButtonRedraw(HWND button, const char* mode) { return vu::geometry::Redraw(button, mode); }
HWND vu_ButtonSetFocus(HWND button) { return vu::geometry::SetFocusTo(button); }
HWND vu_ButtonDropFocus(HWND button)
{
    (void)button;  // no window keeps the focus, whichever control is named
    return vu::geometry::DropFocus();
}
