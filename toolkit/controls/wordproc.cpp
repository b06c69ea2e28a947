// The text editor: creation, the rebuild with a frame and a new limit, the forwarding
// procedure, and the editor's geometry members over the shared implementation.
#include "controls/wordproc.h"

#include <algorithm>
#include <string>

#include "base/keyword.h"
#include "controls/geometry.h"
#include "vu.h"

namespace {

// WS_CHILD | WS_VISIBLE | ES_NOHIDESEL | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_MULTILINE.
constexpr DWORD kEditorStyle = 0x500001C4;
// The rebuilt editor is also a tab stop.
constexpr DWORD kRebuiltStyle = kEditorStyle | WS_TABSTOP;
constexpr int kEditorId = 1;

// Searched in this order; the last matching row wins, and since the words are distinct that
// is the one matching row.
const vu::Keyword<DWORD> kScrolls[] = {
    {"NOSCROLL", 0},
    {"HSCROLL", WS_HSCROLL},
    {"VSCROLL", WS_VSCROLL},
    {"VHSCROLL", WS_HSCROLL | WS_VSCROLL},
};

struct Frame {
    DWORD ex_style;
    DWORD border;
};

const vu::Keyword<Frame> kFrames[] = {
    {"FLAT", {0, 0}},
    {"SMAL_SUNKEN", {WS_EX_STATICEDGE, 0}},
    {"SUNKEN", {WS_EX_CLIENTEDGE, 0}},
    {"MAX_SUNKEN", {WS_EX_STATICEDGE | WS_EX_CLIENTEDGE, 0}},
    {"DOUBLE_EDGE", {WS_EX_STATICEDGE | WS_EX_CLIENTEDGE, WS_DLGFRAME}},
    {"BAR", {0, WS_DLGFRAME}},
    {"EDGE", {WS_EX_CLIENTEDGE, WS_DLGFRAME}},
};

const char kCutTitle[] = "vu_WordProcSimpleModify_1 ERROR";
const char kCutMessage[] =
    "The last prameters 'maxchar' have to small size\nor set the 'maxchar' to '0'";

// The one earlier window procedure of all editors (they all share the platform's).
WNDPROC g_forward_to = nullptr;

LRESULT CALLBACK ForwardingProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (g_forward_to == nullptr) return 0;
    return CallWindowProcA(g_forward_to, window, message, wparam, lparam);
}

HWND CreateEditor(HWND parent, DWORD ex_style, DWORD style, int x, int y, int width,
                  int height)
{
    HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    HWND editor = CreateWindowExA(ex_style, "EDIT", "", style, x, y, width, height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kEditorId)),
                                  instance, nullptr);
    if (editor == nullptr) return nullptr;
    // All four zero: the editor fills the parent's client area. Summed wide so that no sum
    // of ints overflows.
    if (static_cast<long long>(x) + y + width + height == 0) {
        RECT client = {};
        GetClientRect(parent, &client);
        MoveWindow(editor, 0, 0, client.right, client.bottom, TRUE);
    }
    return editor;
}

}  // namespace

namespace vu {
namespace wordproc {

unsigned CappedLimit(int maximum)
{
    return std::min(static_cast<unsigned>(maximum), kLimitCap);
}

unsigned LimitOf(HWND editor)
{
    return static_cast<unsigned>(SendMessageA(editor, EM_GETLIMITTEXT, 0, 0));
}

std::string WholeText(HWND editor)
{
    const int length = GetWindowTextLengthA(editor);
    if (length <= 0) return std::string();
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int read = GetWindowTextA(editor, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(std::max(read, 0)));
    return text;
}

void InstallForwarding(HWND editor)
{
    if (editor == nullptr) return;
    g_forward_to = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForwardingProc)));
}

}  // namespace wordproc
}  // namespace vu

using namespace vu::wordproc;

HWND vu_WordProcSimple(HWND parent, int x, int y, int width, int height, const char* scroll,
                       int maximum)
{
    const DWORD style = kEditorStyle | vu::KeywordValue(kScrolls, scroll, DWORD{0});
    HWND editor = CreateEditor(parent, WS_EX_CLIENTEDGE, style, x, y, width, height);
    if (editor == nullptr) return nullptr;
    SendMessageA(editor, EM_LIMITTEXT, CappedLimit(maximum), 0);
    InstallForwarding(editor);
    return editor;
}

HWND vu_WordProcSimpleModify(HWND editor, int x, int y, int width, int height,
                             const char* frame, const char* scroll, int maximum)
{
    HWND parent = vu::geometry::ParentOf(editor);
    const DWORD scroll_bits = vu::KeywordValue(kScrolls, scroll, DWORD{0});
    const Frame chosen = vu::KeywordValue(kFrames, frame, Frame{0, 0});
    const unsigned old_limit = LimitOf(editor);
    // The whole old text: a buffer sized from the limit would either lose the last character
    // of a full editor or, for the platform's own maximum, not fit in memory at all.
    std::string text = WholeText(editor);
    DestroyWindow(editor);

    const DWORD ex_style = chosen.ex_style | WS_EX_ACCEPTFILES;
    const DWORD style = kRebuiltStyle | scroll_bits | chosen.border;
    HWND rebuilt = CreateEditor(parent, ex_style | WS_EX_MDICHILD, style, x, y, width, height);
    // The platform makes WS_EX_MDICHILD windows only inside an MDI client; in any other
    // parent the editor is made without it rather than lost together with its text.
    if (rebuilt == nullptr) rebuilt = CreateEditor(parent, ex_style, style, x, y, width, height);
    const unsigned limit = static_cast<unsigned>(maximum);  // as the platform takes it
    SendMessageA(rebuilt, EM_LIMITTEXT, limit, 0);
    // A new limit that does not exceed the old one keeps limit - 1 characters, and says so
    // whether or not anything was cut.
    const bool too_small = limit != 0 && old_limit >= limit;
    if (too_small && text.size() > limit - 1) text.resize(limit - 1);
    SendMessageA(rebuilt, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (too_small && rebuilt != nullptr) MessageBoxA(rebuilt, kCutMessage, kCutTitle, MB_OK);
    InstallForwarding(rebuilt);
    return rebuilt;
}

WNDPROC vu_WordProcSetWndProc(HWND editor, WNDPROC procedure)
{
    return reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(editor, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure)));
}

HFONT vu_WordProcCreatePointFont(HWND window, int points, int weight, int style, int reserved,
                                 const char* face)
{
    return vu_CreatePointFont(window, points, weight, style, reserved, face);
}

int vu_WordProcDestroy(HWND editor) { return vu::geometry::Destroy(editor); }
int vu_WordProcHide(HWND editor) { return vu_WindowHide(editor); }
int vu_WordProcShow(HWND editor) { return vu::geometry::Show(editor, SW_SHOW); }
int vu_WordProcMove(HWND editor, int x, int y) { return vu::geometry::Move(editor, x, y); }
int vu_WordProcCenter(HWND editor) { return vu::geometry::Center(editor); }
int vu_WordProcGetPos(HWND editor) { return vu::geometry::GetPos(editor); }
int vu_WordProcResize(HWND editor, int width, int height)
{
    return vu::geometry::Resize(editor, width, height);
}
int vu_WordProcGetSize(HWND editor) { return vu::geometry::GetSize(editor); }
int vu_WordProcFit(HWND editor, int x, int y, int width_delta, int height_delta)
{
    return vu::geometry::Fit(editor, x, y, width_delta, height_delta);
}
int vu_WordProcDisable(HWND editor) { return vu::geometry::Disable(editor); }
int vu_WordProcEnable(HWND editor) { return vu::geometry::Enable(editor); }
int vu_WordProcRedraw(HWND editor) { return vu::geometry::RedrawErased(editor); }
HWND vu_WordProcSetFocus(HWND editor) { return vu::geometry::SetFocusTo(editor); }
HWND vu_WordProcHasFocus(HWND editor) { return vu::geometry::HasFocus(editor); }
