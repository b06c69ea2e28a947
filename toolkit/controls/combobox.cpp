// Combobox: creation by kind word, items and texts by entry number, the selected text of
// the edit field, font, and the geometry members.
#include <algorithm>
#include <string>

#include "base/keyword.h"
#include "controls/combobox.h"
#include "controls/common_controls.h"
#include "controls/geometry.h"
#include "vu.h"

namespace {

// Tested in this order; a word outside the table sets no kind bit.
const vu::Keyword<DWORD> kComboKinds[] = {
    {"READDROP", CBS_DROPDOWNLIST},
    {"WRITEDROP", CBS_DROPDOWN},
    {"READDROPSORT", CBS_DROPDOWNLIST | CBS_SORT},
    {"WRITEDROPSORT", CBS_DROPDOWN | CBS_SORT},
    {"SIMPLE", CBS_SIMPLE},
    {"SIMPLESORT", CBS_SIMPLE | CBS_SORT},
};

// The shared answer of vu_ComboBoxGetSelText: 255 characters and a NUL at most.
constexpr int kSelectedBytes = 256;
char selected_text[kSelectedBytes] = {};

// 0 when the platform took the item, 1 when it refused it (no such position, no memory).
int ItemResult(LRESULT answer) { return answer == CB_ERR || answer == CB_ERRSPACE ? 1 : 0; }

}  // namespace

HWND vu_ComboBox(HWND parent, int x, int y, int width, int height, const char* kind)
{
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_AUTOHSCROLL |
                        vu::KeywordValue(kComboKinds, kind, DWORD{0});
    return CreateWindowExA(0, "COMBOBOX", "", style, x, y, width, height, parent, nullptr,
                           vu::InstanceOf(parent), nullptr);
}

int vu_ComboBoxLimitText(HWND combo, int maximum)
{
    SendMessageA(combo, CB_LIMITTEXT, static_cast<WPARAM>(maximum), 0);
    return 0;
}

int vu_ComboBoxAddString(HWND combo, const char* text)
{
    return ItemResult(
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(vu::TextOrEmpty(text))));
}

int vu_ComboBoxSetText(HWND combo, int entry, const char* text)
{
    text = vu::TextOrEmpty(text);
    if (entry == 0) return SetWindowTextA(combo, text) ? 0 : 1;
    return ItemResult(SendMessageA(combo, CB_INSERTSTRING, vu::combobox::ItemPosition(entry),
                                   reinterpret_cast<LPARAM>(text)));
}

int vu_ComboBoxGetText(HWND combo, int entry, char* buffer)
{
    if (buffer == nullptr) return entry == 0 ? 0 : CB_ERR;
    buffer[0] = '\0';
    if (entry == 0) return GetWindowTextA(combo, buffer, vu::combobox::kOwnTextBytes);
    const WPARAM position = vu::combobox::ItemPosition(entry);
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, position, 0);
    if (length != CB_ERR)
        SendMessageA(combo, CB_GETLBTEXT, position, reinterpret_cast<LPARAM>(buffer));
    return static_cast<int>(length);
}

int vu_ComboBoxGetTextLength(HWND combo, int entry)
{
    if (entry == 0) {
        char text[vu::combobox::kOwnTextBytes] = {};
        return GetWindowTextA(combo, text, sizeof text);
    }
    return static_cast<int>(
        SendMessageA(combo, CB_GETLBTEXTLEN, vu::combobox::ItemPosition(entry), 0));
}

const char* vu_ComboBoxGetSelText(HWND combo)
{
    DWORD start = 0, end = 0;
    SendMessageA(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    if (start + end == 0) return selected_text;  // still the previous answer
    // The whole text is read, so a selection anywhere in it is found; the answer keeps the
    // first 255 selected characters.
    const int length = GetWindowTextLengthA(combo);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(combo, &text[0], length + 1);
    const DWORD first = std::min<DWORD>(start, static_cast<DWORD>(got));
    const DWORD last = std::min<DWORD>(std::max(start, end), static_cast<DWORD>(got));
    const std::size_t count = std::min<std::size_t>(last - first, kSelectedBytes - 1);
    text.copy(selected_text, count, first);
    selected_text[count] = '\0';
    return selected_text;
}

int vu_ComboBoxSetFont(HWND combo, HFONT font)
{
    SendMessageA(combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return 0;
}

HFONT vu_ComboBoxCreatePointFont(HWND window, int points, int weight, int style, int reserved, const char* face) { return vu_CreatePointFont(window, points, weight, style, reserved, face); }

int vu_ComboBoxDestroy(HWND combo) { return vu::geometry::Destroy(combo); }
int vu_ComboBoxHide(HWND combo) { return vu::geometry::Hide(combo); }
int vu_ComboBoxShow(HWND combo) { return vu::geometry::Show(combo, SW_SHOW); }
int vu_ComboBoxMove(HWND combo, int x, int y) { return vu::geometry::Move(combo, x, y); }
int vu_ComboBoxCenter(HWND combo) { return vu::geometry::Center(combo); }
int vu_ComboBoxGetPos(HWND combo) { return vu::geometry::GetPos(combo); }
int vu_ComboBoxResize(HWND combo, int width, int height) { return vu::geometry::Resize(combo, width, height); }
int vu_ComboBoxGetSize(HWND combo) { return vu::geometry::GetSize(combo); }
int vu_ComboBoxFit(HWND combo, int x, int y, int width_delta, int height_delta) { return vu::geometry::Fit(combo, x, y, width_delta, height_delta); }
int vu_ComboBoxDisable(HWND combo) { return vu::geometry::Disable(combo); }
int vu_ComboBoxEnable(HWND combo) { return vu::geometry::Enable(combo); }
int vu_ComboBoxRedraw(HWND combo) { return vu::geometry::RedrawErased(combo); }
HWND vu_ComboBoxSetFocus(HWND combo) { return vu::geometry::SetFocusTo(combo); }

int vu_ComboBoxHasFocus(HWND combo)
{
    // The combobox hands the focus on to its own edit field: that counts as its own.
    HWND focus = GetFocus();
    return combo != nullptr && (focus == combo || IsChild(combo, focus)) ? 0 : 1;
}
