// The edit field: a single-line "EDIT" child whose key-downs go to the parent as commands,
// its password variant, the rebuild with another frame, and its entry points over the
// shared field implementation and the geometry members.
#include "controls/edit_core.h"
#include "controls/geometry.h"
#include "vu.h"

namespace {

// The "EDIT" class procedures that the two subclassing procedures pass messages on to.
WNDPROC g_edit_proc = nullptr;
WNDPROC g_password_proc = nullptr;

vu::edit::Family g_edit_family = {nullptr, nullptr};

constexpr DWORD kFieldStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_NOHIDESEL | ES_AUTOHSCROLL;

}  // namespace

extern "C" {

LRESULT CALLBACK vu_EditProc(HWND field, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (vu::edit::TakeKey(field, message, wparam, true, true)) return 0;
    return vu::edit::PassOn(g_edit_proc, field, message, wparam, lparam);
}

LRESULT CALLBACK vu_EditPasswordProc(HWND field, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (vu::edit::TakeKey(field, message, wparam, false, true)) return 0;
    return vu::edit::PassOn(g_password_proc, field, message, wparam, lparam);
}

HWND vu_Edit(HWND parent, int x, int y, int width, int height, const char* align, int limit)
{
    return vu::edit::Create(parent, x, y, width, height, WS_EX_CLIENTEDGE,
                            vu::edit::Alignment(align) | kFieldStyle, limit, vu_EditProc,
                            &g_edit_proc);
}

HWND vu_EditPassword(HWND parent, int x, int y, int width, int height, int limit)
{
    return vu::edit::Create(parent, x, y, width, height, WS_EX_CLIENTEDGE,
                            ES_LEFT | kFieldStyle | ES_PASSWORD, limit, vu_EditPasswordProc,
                            &g_password_proc);
}

HWND vu_EditReframe(HWND field, int x, int y, int width, int height, const char* frame,
                    const char* align, int limit)
{
    const vu::edit::Frame f = vu::edit::FrameFor(frame);
    return vu::edit::Rebuild(field, x, y, width, height, f.ex_style,
                             vu::edit::Alignment(align) | f.style | kFieldStyle, limit,
                             vu_EditProc, &g_edit_proc);
}

int vu_EditSetText(HWND field, const char* text) { return vu::edit::SetText(field, text); }
int vu_EditGetText(HWND field, char* buffer) { return vu::edit::GetText(field, buffer); }
int vu_EditTextLength(HWND field) { return vu::edit::TextLength(field); }
const char* vu_EditGetSelText(HWND field) { return vu::edit::GetSelText(g_edit_family, field); }
int vu_EditSetLimit(HWND field, int limit) { return vu::edit::SetLimit(field, limit); }
int vu_EditGetLimit(HWND field) { return vu::edit::GetLimit(field); }
int vu_EditSetMargin(HWND field, int left) { return vu::edit::SetMargin(field, left); }
int vu_EditWritable(HWND field, const char* mode) { return vu::edit::Writable(field, mode); }
HBRUSH vu_EditColor(HWND field, COLORREF text, COLORREF back, HDC dc, HWND control)
{
    return vu::edit::Color(g_edit_family, field, text, back, dc, control);
}
int vu_EditSetFont(HWND field, HFONT font) { return vu::edit::SetFont(field, font); }
HFONT vu_EditCreatePointFont(HWND window, int points, int weight, int style, int reserved,
                             const char* face)
{
    return vu_CreatePointFont(window, points, weight, style, reserved, face);
}
int vu_EditHasFocus(HWND field) { return vu::edit::HasFocus(field); }
int vu_EditPassFocus(HWND field, HWND next) { return vu::edit::PassFocus(field, next); }
int vu_EditSaveFile(HWND field, const char* path) { return vu::edit::SaveFile(field, path); }
int vu_EditLoadFile(HWND field, const char* path) { return vu::edit::LoadFile(field, path); }

int vu_EditDestroy(HWND field) { return vu::geometry::Destroy(field); }
int vu_EditHide(HWND field) { return vu::geometry::Hide(field); }
int vu_EditShow(HWND field) { return vu::geometry::Show(field, SW_SHOW); }
int vu_EditMove(HWND field, int x, int y) { return vu::geometry::Move(field, x, y); }
int vu_EditCenter(HWND field) { return vu::geometry::Center(field); }
int vu_EditGetPos(HWND field) { return vu::geometry::GetPos(field); }
int vu_EditResize(HWND field, int width, int height)
{
    return vu::geometry::Resize(field, width, height);
}
int vu_EditGetSize(HWND field) { return vu::geometry::GetSize(field); }
int vu_EditFit(HWND field, int x, int y, int width_delta, int height_delta)
{
    return vu::geometry::Fit(field, x, y, width_delta, height_delta);
}
int vu_EditDisable(HWND field) { return vu::geometry::Disable(field); }
int vu_EditEnable(HWND field) { return vu::geometry::Enable(field); }
int vu_EditRedraw(HWND field) { return vu::geometry::RedrawErased(field); }
HWND vu_EditSetFocus(HWND field) { return vu::geometry::SetFocusTo(field); }

}  // extern "C"
