// The toolbar: a common-controls toolbar docked along one side of its parent, picture
// buttons with one resource bitmap each, gaps and separators, tooltips answered by the
// parent, state changes by command id, and its geometry members.
#include <windows.h>
#include <commctrl.h>

#include <climits>

#include "base/keyword.h"
#include "controls/class_brush.h"
#include "controls/geometry.h"
#include "vu.h"

namespace {

constexpr int kToolbarId = 1000;
// WS_CHILD | WS_VISIBLE | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NORESIZE | CCS_TOP
constexpr DWORD kToolbarStyle = 0x50000145;
// The button record is announced as the 32-bit platform's TBBUTTON.
static_assert(sizeof(TBBUTTON) == 20, "the toolbar's button record is 20 bytes");

const vu::Keyword<DWORD> kFrames[] = {
    {"NOBORDER", 0},
    {"BORDER", WS_BORDER},
    {"BAR", WS_DLGFRAME},
};

const vu::Keyword<BYTE> kButtonTypes[] = {
    {"PUSH", TBSTYLE_BUTTON},
    {"PUSHDOWN", TBSTYLE_CHECK},
    {"PUSHDOWNGROUP", TBSTYLE_CHECKGROUP},
};

// Any other word leaves the button disabled (no state bits).
const vu::Keyword<BYTE> kButtonStates[] = {
    {"HIDE", TBSTATE_HIDDEN},
    {"ACTIVE", TBSTATE_ENABLED},
    {"ACTIVEDOWN", TBSTATE_ENABLED | TBSTATE_PRESSED},
    {"NONACTIVE", TBSTATE_INDETERMINATE},
    {"NONACTIVEDOWN", TBSTATE_CHECKED},
};

struct SeparatorKind {
    BYTE style;
    bool button_gap;  // a gap as wide as a button (no image) rather than a separator
};

// An unknown kind gives the plain separator, an unknown side no row break.
const vu::Keyword<SeparatorKind> kSeparatorKinds[] = {
    {"BUTT", {TBSTYLE_BUTTON, true}},
    {"SPACE", {TBSTYLE_SEP, false}},
};

const vu::Keyword<BYTE> kSeparatorSides[] = {
    {"SIDE", 0},
    {"BREAK", TBSTATE_WRAP},
};

enum class Side { kTop, kBottom, kLeft, kRight };

const vu::Keyword<Side> kSides[] = {
    {"T", Side::kTop},
    {"B", Side::kBottom},
    {"L", Side::kLeft},
    {"R", Side::kRight},
};

// The image index of the next button added or inserted; every new toolbar starts it at 0.
int g_next_image = 0;

// The platform's toolbar procedure, the same for every toolbar (they share one class).
WNDPROC g_toolbar_proc = nullptr;

// A toolbar that is neither flat nor transparent is erased with its class brush (the
// colour that vu_ToolbarSetColor installs). Some toolbar implementations paint their
// parent's background instead; this makes every platform erase as the documented one does.
LRESULT CALLBACK ToolbarProc(HWND toolbar, UINT message, WPARAM wparam, LPARAM lparam)
{
    if (message == WM_ERASEBKGND &&
        !(GetWindowLongA(toolbar, GWL_STYLE) & (TBSTYLE_FLAT | TBSTYLE_TRANSPARENT)))
        return DefWindowProcA(toolbar, message, wparam, lparam);
    return CallWindowProcA(g_toolbar_proc, toolbar, message, wparam, lparam);
}

void EraseWithClassBrush(HWND toolbar)
{
    const WNDPROC proc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(toolbar, GWLP_WNDPROC));
    if (proc == &ToolbarProc) return;
    g_toolbar_proc = proc;
    SetWindowLongPtrA(toolbar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ToolbarProc));
}

HINSTANCE ModuleOf(HWND window)
{
    return reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
}

// Docking arithmetic is done wide and brought back into int range, so that extreme
// arguments give an extreme rectangle rather than an overflow.
int Clamped(long long value)
{
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

int Place(HWND toolbar, const char* side_word, int thickness, int x, int y, int extra,
          int margin)
{
    const vu::Keyword<Side>* side = vu::FindKeyword(kSides, side_word);
    if (side == nullptr) return 1;
    RECT k = {};
    GetClientRect(vu::geometry::ParentOf(toolbar), &k);
    const long long w = static_cast<long long>(k.right) - margin;
    const long long h = static_cast<long long>(k.bottom) - margin;
    long long left = x, top = y, width = thickness, height = thickness;
    switch (side->value) {
    case Side::kTop:
        width = w + extra - x;
        break;
    case Side::kBottom:
        top = h + y - thickness;
        width = w + extra - x;
        break;
    case Side::kLeft:
        height = h - y + extra;
        break;
    case Side::kRight:
        left = w - thickness + x;
        height = h - y + extra;
        break;
    }
    return MoveWindow(toolbar, Clamped(left), Clamped(top), Clamped(width), Clamped(height),
                      TRUE)
               ? 0
               : 1;
}

// The button record of a picture button: its image is the next counter value.
TBBUTTON PictureButton(const char* type, const char* state, const char* wrap, INT_PTR label,
                       int id)
{
    TBBUTTON button = {};
    button.iBitmap = g_next_image++;
    button.idCommand = id;
    button.fsState = static_cast<BYTE>(vu::KeywordValue(kButtonStates, state, BYTE{0}) |
                                       (vu::IsWord(wrap, "BREAK") ? TBSTATE_WRAP : 0));
    button.fsStyle = vu::KeywordValue(kButtonTypes, type, BYTE{TBSTYLE_BUTTON});
    button.dwData = 0;
    button.iString = label;
    return button;
}

// Loads the named bitmap from the module of the toolbar's parent and makes it the
// toolbar's next image. A name that does not load adds no image.
void AddImage(HWND toolbar, const char* bitmap_name)
{
    if (bitmap_name == nullptr) return;
    HBITMAP bitmap = LoadBitmapA(ModuleOf(vu::geometry::ParentOf(toolbar)), bitmap_name);
    if (bitmap == nullptr) return;
    TBADDBITMAP image = {};
    image.hInst = nullptr;
    image.nID = reinterpret_cast<UINT_PTR>(bitmap);
    SendMessageA(toolbar, TB_ADDBITMAP, 1, reinterpret_cast<LPARAM>(&image));
}

int ButtonCount(HWND toolbar)
{
    return static_cast<int>(SendMessageA(toolbar, TB_BUTTONCOUNT, 0, 0));
}

// The 0/1 result of the state calls: 0 when the toolbar answered non-zero.
int SetByCommand(HWND toolbar, UINT message, int id, BOOL on)
{
    return SendMessageA(toolbar, message, static_cast<WPARAM>(id), MAKELPARAM(on, 0)) ? 0 : 1;
}

}  // namespace

HWND vu_Toolbar(HWND parent, const char* frame, int height)
{
    InitCommonControls();
    const DWORD style = kToolbarStyle | vu::KeywordValue(kFrames, frame, DWORD{0});
    HWND toolbar = CreateWindowExA(0, TOOLBARCLASSNAMEA, nullptr, style, 0, 0, 0, 0, parent,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kToolbarId)),
                                   ModuleOf(parent), nullptr);
    if (toolbar == nullptr) return nullptr;
    EraseWithClassBrush(toolbar);
    SendMessageA(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    if (height > 0) {
        RECT k = {};
        GetClientRect(parent, &k);
        MoveWindow(toolbar, 0, 0, k.right - 2, height, TRUE);
    }
    g_next_image = 0;
    return toolbar;
}

int vu_ToolbarPlace(HWND toolbar, const char* side, int thickness, int x, int y, int extra)
{
    return Place(toolbar, side, thickness, x, y, extra, 2);
}

int vu_ToolbarPlaceFlush(HWND toolbar, const char* side, int thickness, int x, int y, int extra)
{
    return Place(toolbar, side, thickness, x, y, extra, 0);
}

int vu_ToolbarSetColor(HWND toolbar, COLORREF colour)
{
    return vu::SetClassBackColor(toolbar, colour);
}

int vu_ToolbarSetParent(HWND toolbar, HWND parent)
{
    SendMessageA(toolbar, TB_SETPARENT, reinterpret_cast<WPARAM>(parent), 0);
    return 0;
}

int vu_ToolbarAddButton(HWND toolbar, const char* type, const char* state, const char* wrap,
                        const char* bitmap_name, INT_PTR label, int id)
{
    const TBBUTTON button = PictureButton(type, state, wrap, label, id);
    AddImage(toolbar, bitmap_name);
    SendMessageA(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&button));
    return 0;
}

int vu_ToolbarInsertButton(HWND toolbar, const char* type, const char* state, const char* wrap,
                           const char* bitmap_name, INT_PTR label, int position, int id)
{
    const TBBUTTON button = PictureButton(type, state, wrap, label, id);
    AddImage(toolbar, bitmap_name);
    // A position outside 1 .. count + 1 adds the button at the end: the platforms disagree
    // on what such an index means, and the caller's button is never lost.
    const int count = ButtonCount(toolbar);
    const int index = position >= 1 && position <= count + 1 ? position - 1 : count;
    SendMessageA(toolbar, TB_INSERTBUTTONA, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&button));
    return 0;
}

int vu_ToolbarAddSeparator(HWND toolbar, const char* kind, const char* side, int width)
{
    const SeparatorKind chosen =
        vu::KeywordValue(kSeparatorKinds, kind, SeparatorKind{TBSTYLE_SEP, false});
    TBBUTTON separator = {};
    // A separator's image field is its width; 0 (also for a negative width) asks for the
    // platform's own separator width.
    separator.iBitmap = chosen.button_gap ? -1 : (width > 0 ? width : 0);
    separator.idCommand = 0;
    separator.fsState = vu::KeywordValue(kSeparatorSides, side, BYTE{0});
    separator.fsStyle = chosen.style;
    separator.dwData = 0;
    separator.iString = 0;
    SendMessageA(toolbar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&separator));
    return 0;
}

int vu_ToolbarSetImageSize(HWND toolbar, int width, int height)
{
    SendMessageA(toolbar, TB_SETBITMAPSIZE, 0, MAKELPARAM(width, height));
    return 0;
}

int vu_ToolbarTipText(struct tagNMTTDISPINFOA* record, int id, const char* text)
{
    if (record == nullptr) return 0;
    if (record->hdr.code == TTN_NEEDTEXTA && record->hdr.idFrom == static_cast<UINT_PTR>(id))
        record->lpszText = const_cast<char*>(vu::TextOrEmpty(text));
    return 0;
}

int vu_ToolbarToggleFlat(HWND toolbar)
{
    const LONG style = GetWindowLongA(toolbar, GWL_STYLE);
    SetWindowLongA(toolbar, GWL_STYLE, style ^ TBSTYLE_FLAT);
    // Hidden and shown again so that it is drawn in the new look.
    ShowWindow(toolbar, SW_HIDE);
    ShowWindow(toolbar, SW_SHOW);
    return 0;
}

int vu_ToolbarChangeImage(HWND toolbar, int id, int number)
{
    // The image index travels in the low 16 bits; computed unsigned so that any number
    // wraps there instead of overflowing.
    const WORD index = static_cast<WORD>(static_cast<unsigned>(number) - 1u);
    return SendMessageA(toolbar, TB_CHANGEBITMAP, static_cast<WPARAM>(id), MAKELPARAM(index, 0))
               ? 0
               : 1;
}

int vu_ToolbarCheckButton(HWND toolbar, int id)
{
    return SetByCommand(toolbar, TB_CHECKBUTTON, id, TRUE);
}
int vu_ToolbarUncheckButton(HWND toolbar, int id)
{
    return SetByCommand(toolbar, TB_CHECKBUTTON, id, FALSE);
}
int vu_ToolbarEnableButton(HWND toolbar, int id)
{
    return SetByCommand(toolbar, TB_ENABLEBUTTON, id, TRUE);
}
int vu_ToolbarDisableButton(HWND toolbar, int id)
{
    return SetByCommand(toolbar, TB_ENABLEBUTTON, id, FALSE);
}
int vu_ToolbarHideButton(HWND toolbar, int id)
{
    return SetByCommand(toolbar, TB_HIDEBUTTON, id, TRUE);
}
int vu_ToolbarShowButton(HWND toolbar, int id)
{
    return SetByCommand(toolbar, TB_HIDEBUTTON, id, FALSE);
}
int vu_ToolbarPressButton(HWND toolbar, int id)
{
    return SetByCommand(toolbar, TB_PRESSBUTTON, id, TRUE);
}
int vu_ToolbarReleaseButton(HWND toolbar, int id)
{
    return SetByCommand(toolbar, TB_PRESSBUTTON, id, FALSE);
}

int vu_ToolbarDeleteButton(HWND toolbar, int position)
{
    // Checked before the index is formed: no position outside the buttons reaches the
    // platform.
    if (position < 1 || position > ButtonCount(toolbar)) return 1;
    return SendMessageA(toolbar, TB_DELETEBUTTON, static_cast<WPARAM>(position - 1), 0) ? 0 : 1;
}

int vu_ToolbarButtonState(HWND toolbar, int id)
{
    // No toolbar knows no id (a message to no window would answer 0, a state).
    if (!IsWindow(toolbar)) return -1;
    return static_cast<int>(SendMessageA(toolbar, TB_GETSTATE, static_cast<WPARAM>(id), 0));
}

int vu_ToolbarDestroy(HWND toolbar) { return vu::geometry::Destroy(toolbar); }
int vu_ToolbarHide(HWND toolbar) { return vu::geometry::Hide(toolbar); }
int vu_ToolbarShow(HWND toolbar) { return vu::geometry::Show(toolbar, SW_SHOW); }
