// Check buttons: a check box or a radio button made just large enough for its text,
// with check, uncheck, text and state calls and its geometry members.
#include <climits>
#include <cstring>

#include "base/keyword.h"
#include "controls/geometry.h"
#include "vu.h"

namespace {

// The two kinds check and uncheck themselves on clicks and report them to the parent.
const vu::Keyword<DWORD> kKinds[] = {
    {"SQUARE", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX},
    {"ROUND", WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON},
};

constexpr int kTextRoom = 20;   // the box or circle and the gap before the text
constexpr int kMinHeight = 16;  // the box or circle itself
constexpr int kMaxText = 255;   // GetText copies at most 254 characters and the NUL

// The size of a check button for text, measured with the font of window's own window
// device context (the button has no font of its own, so it draws with that one too).
SIZE FittedSize(HWND window, const char* text)
{
    SIZE extent = {};
    HDC dc = GetWindowDC(window);
    if (dc != nullptr) {
        const size_t length = std::strlen(text);
        GetTextExtentPoint32A(dc, text, length > INT_MAX ? INT_MAX : static_cast<int>(length),
                              &extent);
        ReleaseDC(window, dc);
    }
    return {extent.cx + kTextRoom, extent.cy < kMinHeight ? kMinHeight : extent.cy};
}

}  // namespace

HWND vu_CheckButton(HWND parent, int x, int y, const char* kind, const char* text, int id)
{
    // A word outside the table makes no button: a style without WS_CHILD would turn the id
    // into a menu handle and the button into a stray top-level window.
    const vu::Keyword<DWORD>* chosen = vu::FindKeyword(kKinds, kind);
    if (chosen == nullptr || !IsWindow(parent)) return nullptr;
    text = vu::TextOrEmpty(text);
    const SIZE size = FittedSize(parent, text);
    return CreateWindowExA(0, "button", text, chosen->value, x, y, size.cx, size.cy, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

int vu_CheckButtonCheck(HWND button)
{
    SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
    return 0;
}

int vu_CheckButtonUncheck(HWND button)
{
    SendMessageA(button, BM_SETCHECK, BST_UNCHECKED, 0);
    return 0;
}

int vu_CheckButtonSetText(HWND button, const char* text)
{
    if (!IsWindow(button)) return 1;
    text = vu::TextOrEmpty(text);
    const SIZE size = FittedSize(button, text);
    SetWindowPos(button, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    return SetWindowTextA(button, text) ? 0 : 1;
}

int vu_CheckButtonGetText(HWND button, char* buffer)
{
    if (buffer == nullptr) return 0;
    buffer[0] = '\0';
    return GetWindowTextA(button, buffer, kMaxText);
}

int vu_CheckButtonGetState(HWND button)
{
    return static_cast<int>(SendMessageA(button, BM_GETSTATE, 0, 0));
}

int vu_CheckButtonDestroy(HWND button) { return vu::geometry::Destroy(button); }
int vu_CheckButtonHide(HWND button) { return vu::geometry::Hide(button); }
int vu_CheckButtonShow(HWND button) { return vu::geometry::Show(button, SW_SHOWNORMAL); }
int vu_CheckButtonMove(HWND button, int x, int y) { return vu::geometry::Move(button, x, y); }
int vu_CheckButtonDisable(HWND button) { return vu::geometry::Disable(button); }
int vu_CheckButtonEnable(HWND button) { return vu::geometry::Enable(button); }
