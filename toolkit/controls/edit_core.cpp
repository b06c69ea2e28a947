// Creation, key rules, text, limit, margin, colour, font and focus calls shared by the
// edit field and the spin field.
#include "controls/edit_core.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "base/keyword.h"
#include "controls/geometry.h"
#include "vu.h"

int vu_FocusAdvance = 0;

namespace vu {
namespace edit {
namespace {

const Keyword<DWORD> kAlignments[] = {
    {"L", ES_LEFT},
    {"C", ES_CENTER},
    {"R", ES_RIGHT},
};

// Searched in this order.
const Keyword<Frame> kFrames[] = {
    {"FLAT", {0, 0}},
    {"SMAL_SUNKEN", {WS_EX_STATICEDGE, 0}},
    {"SUNKEN", {WS_EX_CLIENTEDGE, 0}},
    {"MAX_SUNKEN", {WS_EX_STATICEDGE | WS_EX_CLIENTEDGE, 0}},
    {"DOUBLE_EDGE", {WS_EX_STATICEDGE | WS_EX_CLIENTEDGE, WS_DLGFRAME}},
    {"BAR", {0, WS_DLGFRAME}},
    {"EDGE", {WS_EX_CLIENTEDGE, WS_DLGFRAME}},
};

constexpr int kFieldId = 1;

// The field's character limit as the size of the buffers its text is read into.
size_t LimitOf(HWND field)
{
    return static_cast<size_t>(SendMessageA(field, EM_GETLIMITTEXT, 0, 0));
}

// A zeroed copy of what WM_GETTEXT hands back with the field's limit as the buffer size
// (at most limit - 1 characters), in a buffer no larger than the text needs; null when
// there is nothing to copy. The caller frees it. *length receives the copied length.
char* CopyText(HWND field, size_t* length)
{
    *length = 0;
    const size_t text = static_cast<size_t>(SendMessageA(field, WM_GETTEXTLENGTH, 0, 0));
    const size_t size = std::min(LimitOf(field), text + 1);
    if (size == 0) return nullptr;
    char* copy = static_cast<char*>(std::calloc(size, 1));
    if (copy)
        *length = static_cast<size_t>(
            SendMessageA(field, WM_GETTEXT, size, reinterpret_cast<LPARAM>(copy)));
    return copy;
}

void Subclass(HWND field, WNDPROC proc, WNDPROC* saved)
{
    const WNDPROC found = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(field, GWLP_WNDPROC));
    // Never keep our own procedure as the one to pass on to: that would loop forever.
    if (found != proc) *saved = found;
    SetWindowLongPtrA(field, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc));
}

bool IsCaretKey(WPARAM key)
{
    return key == VK_END || key == VK_HOME || key == VK_LEFT || key == VK_RIGHT;
}

}  // namespace

DWORD Alignment(const char* word) { return KeywordValue(kAlignments, word, DWORD{ES_LEFT}); }

Frame FrameFor(const char* word) { return KeywordValue(kFrames, word, Frame{0, 0}); }

HWND Create(HWND parent, int x, int y, int width, int height, DWORD ex_style, DWORD style,
            int limit, WNDPROC proc, WNDPROC* saved)
{
    const HINSTANCE instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    HWND field = CreateWindowExA(ex_style, "EDIT", nullptr, style, x, y, width, height, parent,
                                 reinterpret_cast<HMENU>(kFieldId), instance, nullptr);
    if (!field) return nullptr;
    SendMessageA(field, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    Subclass(field, proc, saved);
    return field;
}

HWND Rebuild(HWND field, int x, int y, int width, int height, DWORD ex_style, DWORD style,
             int limit, WNDPROC proc, WNDPROC* saved)
{
    HWND parent = geometry::ParentOf(field);
    size_t length = 0;
    char* text = CopyText(field, &length);
    DestroyWindow(field);
    HWND rebuilt = Create(parent, x, y, width, height, ex_style, style, limit, proc, saved);
    if (rebuilt) SetWindowTextA(rebuilt, text ? text : "");
    std::free(text);
    return rebuilt;
}

bool TakeKey(HWND field, UINT message, WPARAM wparam, bool caret_keys_stay, bool tab_advances)
{
    if (message == WM_CHAR && (wparam == '\r' || (tab_advances && wparam == '\t'))) {
        vu_FocusAdvance = 1;
        return true;
    }
    if (message != WM_KEYDOWN || wparam > 0xFF) return false;
    if (caret_keys_stay && IsCaretKey(wparam)) return false;
    PostMessageA(GetParent(field), WM_COMMAND, wparam, 0);
    return true;
}

LRESULT PassOn(WNDPROC saved, HWND field, UINT message, WPARAM wparam, LPARAM lparam)
{
    return saved ? CallWindowProcA(saved, field, message, wparam, lparam) : 0;
}

int SetText(HWND field, const char* text)
{
    SendMessageA(field, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(TextOrEmpty(text)));
    return 0;
}

int GetText(HWND field, char* buffer)
{
    if (!buffer) return 0;
    return static_cast<int>(
        SendMessageA(field, WM_GETTEXT, LimitOf(field), reinterpret_cast<LPARAM>(buffer)));
}

int TextLength(HWND field)
{
    size_t length = 0;
    std::free(CopyText(field, &length));
    return static_cast<int>(length);
}

const char* GetSelText(Family& family, HWND field)
{
    std::free(family.selection);
    family.selection = nullptr;
    DWORD start = 0, end = 0;
    SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    // Nothing selected at the very start: the empty text (the old answer is gone).
    if ((start == 0 && end == 0) || end < start) return "";
    family.selection = static_cast<char*>(std::calloc((size_t{end} - start + 10) * 4, 1));
    char* head = static_cast<char*>(std::calloc(size_t{end} + 1, 1));
    if (!family.selection || !head) {
        std::free(head);
        return "";
    }
    const int copied = GetWindowTextA(field, head, static_cast<int>(end + 1));
    if (copied > 0 && static_cast<DWORD>(copied) > start)
        std::memcpy(family.selection, head + start, static_cast<size_t>(copied) - start);
    std::free(head);
    return family.selection;
}

int SetLimit(HWND field, int limit)
{
    const int old = static_cast<int>(SendMessageA(field, EM_GETLIMITTEXT, 0, 0));
    SendMessageA(field, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    return old;
}

int GetLimit(HWND field) { return static_cast<int>(SendMessageA(field, EM_GETLIMITTEXT, 0, 0)); }

int SetMargin(HWND field, int left)
{
    const LRESULT old = SendMessageA(field, EM_GETMARGINS, 0, 0);
    SendMessageA(field, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(left, 0));
    return LOWORD(old);
}

int Writable(HWND field, const char* mode)
{
    if (IsWord(mode, "OFF")) return static_cast<int>(SendMessageA(field, EM_SETREADONLY, TRUE, 0));
    if (IsWord(mode, "ON")) return static_cast<int>(SendMessageA(field, EM_SETREADONLY, FALSE, 0));
    return 0;
}

HBRUSH Color(Family& family, HWND field, COLORREF text, COLORREF back, HDC dc, HWND control)
{
    if (field && control == field) {
        if (family.brush) DeleteObject(family.brush);
        family.brush = CreateSolidBrush(back);
        SetTextColor(dc, text);
        SetBkColor(dc, back);
    }
    return family.brush;
}

int SetFont(HWND field, HFONT font)
{
    SendMessageA(field, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return 0;
}

int HasFocus(HWND field) { return geometry::HasFocus(field) ? 0 : 1; }

int PassFocus(HWND field, HWND next)
{
    if (geometry::HasFocus(field) && vu_FocusAdvance) {
        SetFocus(next);
        vu_FocusAdvance = 0;
    }
    return 0;
}

}  // namespace edit
}  // namespace vu
