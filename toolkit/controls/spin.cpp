// The spin number field: an "EDIT" child with its own vertical scroll bar whose messages go
// on to the parent, the step of the caller's value, and its entry points over the shared
// field implementation and the geometry members.
#include <climits>

#include "controls/edit_core.h"
#include "controls/geometry.h"
#include "vu.h"

namespace {

// The "EDIT" class procedure that vu_SpinProc passes messages on to.
WNDPROC g_spin_proc = nullptr;

vu::edit::Family g_spin_family = {nullptr, nullptr};

constexpr DWORD kSpinStyle =
    WS_VSCROLL | ES_WANTRETURN | WS_TABSTOP | WS_VISIBLE | WS_CHILD | ES_NOHIDESEL;

}  // namespace

extern "C" {

LRESULT CALLBACK vu_SpinProc(HWND field, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (vu::edit::TakeKey(field, message, wparam, true, false)) return 0;
    // The parent sees the arrows as a scroll-bar control's report: the code, and the field.
    if (message == WM_VSCROLL)
        PostMessageA(GetParent(field), WM_VSCROLL, LOWORD(wparam), reinterpret_cast<LPARAM>(field));
    return vu::edit::PassOn(g_spin_proc, field, message, wparam, lparam);
}

HWND vu_Spin(HWND parent, int x, int y, int width, int height, const char* align, int limit)
{
    return vu::edit::Create(parent, x, y, width, height, WS_EX_CLIENTEDGE,
                            vu::edit::Alignment(align) | kSpinStyle, limit, vu_SpinProc,
                            &g_spin_proc);
}

HWND vu_SpinReframe(HWND field, int x, int y, int width, int height, const char* frame,
                    const char* align, int limit)
{
    const vu::edit::Frame f = vu::edit::FrameFor(frame);
    return vu::edit::Rebuild(field, x, y, width, height, f.ex_style,
                             vu::edit::Alignment(align) | f.style | kSpinStyle, limit,
                             vu_SpinProc, &g_spin_proc);
}

int vu_SpinStep(HWND field, int code, HWND scrollbar, char* text, int value)
{
    if (scrollbar != field || !field) return value;
    // Typed text becomes the caller's text for the value before the step.
    if (SendMessageA(field, EM_GETMODIFY, 0, 0)) {
        vu::edit::GetText(field, text);
        SendMessageA(field, EM_SETMODIFY, FALSE, 0);
    }
    switch (LOWORD(code)) {
    case SB_LINEUP:
        if (value >= 1) --value;
        break;
    case SB_LINEDOWN:
        if (value < INT_MAX) ++value;  // no upper bound but the int's own
        break;
    default:
        break;
    }
    if (!SendMessageA(field, EM_GETMODIFY, 0, 0)) vu::edit::SetText(field, text);
    return value;
}

int vu_SpinSetText(HWND field, const char* text) { return vu::edit::SetText(field, text); }
int vu_SpinGetText(HWND field, char* buffer) { return vu::edit::GetText(field, buffer); }
int vu_SpinTextLength(HWND field) { return vu::edit::TextLength(field); }
const char* vu_SpinGetSelText(HWND field) { return vu::edit::GetSelText(g_spin_family, field); }
int vu_SpinSetLimit(HWND field, int limit) { return vu::edit::SetLimit(field, limit); }
int vu_SpinGetLimit(HWND field) { return vu::edit::GetLimit(field); }
int vu_SpinSetMargin(HWND field, int left) { return vu::edit::SetMargin(field, left); }
int vu_SpinWritable(HWND field, const char* mode) { return vu::edit::Writable(field, mode); }
HBRUSH vu_SpinColor(HWND field, COLORREF text, COLORREF back, HDC dc, HWND control)
{
    return vu::edit::Color(g_spin_family, field, text, back, dc, control);
}
int vu_SpinSetFont(HWND field, HFONT font) { return vu::edit::SetFont(field, font); }
HFONT vu_SpinCreatePointFont(HWND window, int points, int weight, int style, int reserved,
                             const char* face)
{
    return vu_CreatePointFont(window, points, weight, style, reserved, face);
}
int vu_SpinHasFocus(HWND field) { return vu::edit::HasFocus(field); }
int vu_SpinPassFocus(HWND field, HWND next) { return vu::edit::PassFocus(field, next); }
int vu_SpinSaveFile(HWND field, const char* path) { return vu::edit::SaveFile(field, path); }
int vu_SpinLoadFile(HWND field, const char* path) { return vu::edit::LoadFile(field, path); }

int vu_SpinDestroy(HWND field) { return vu::geometry::Destroy(field); }
int vu_SpinHide(HWND field) { return vu::geometry::Hide(field); }
int vu_SpinShow(HWND field) { return vu::geometry::Show(field, SW_SHOW); }
int vu_SpinMove(HWND field, int x, int y) { return vu::geometry::Move(field, x, y); }
int vu_SpinCenter(HWND field) { return vu::geometry::Center(field); }
int vu_SpinGetPos(HWND field) { return vu::geometry::GetPos(field); }
int vu_SpinResize(HWND field, int width, int height)
{
    return vu::geometry::Resize(field, width, height);
}
int vu_SpinGetSize(HWND field) { return vu::geometry::GetSize(field); }
int vu_SpinFit(HWND field, int x, int y, int width_delta, int height_delta)
{
    return vu::geometry::Fit(field, x, y, width_delta, height_delta);
}
int vu_SpinDisable(HWND field) { return vu::geometry::Disable(field); }
int vu_SpinEnable(HWND field) { return vu::geometry::Enable(field); }
int vu_SpinRedraw(HWND field) { return vu::geometry::RedrawErased(field); }
HWND vu_SpinSetFocus(HWND field) { return vu::geometry::SetFocusTo(field); }

}  // extern "C"
