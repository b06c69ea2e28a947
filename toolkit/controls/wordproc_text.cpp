// The text editor's plain operations: text and selection, the modified flag, undo and the
// clipboard, the caret, tab stops, margins, limits, read-only switching, colours and fonts.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "base/keyword.h"
#include "controls/wordproc.h"
#include "vu.h"

namespace {

// The brush of the last colouring, shared by all editors.
HBRUSH g_brush = nullptr;
// The last selected text handed out, shared by all editors; the toolkit owns it.
char* g_selected = nullptr;

constexpr int kMaxTabs = 255;

// The selection [start, end) as the platform's zero-based positions.
void SelectionOf(HWND editor, DWORD* start, DWORD* end)
{
    *start = *end = 0;
    SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(start),
                 reinterpret_cast<LPARAM>(end));
}

// The character under the caret (EM_CHARFROMPOS): the character index in the low word, the
// line in the high word.
DWORD CharAtCaret(HWND editor)
{
    POINT caret = {};
    GetCaretPos(&caret);
    return static_cast<DWORD>(SendMessageA(editor, EM_CHARFROMPOS, 0,
                                           MAKELPARAM(caret.x, caret.y)));
}

// A word from the answer counted from 1, or 0 when the platform answered 0xFFFF.
int FromOne(WORD word) { return word == 0xFFFF ? 0 : word + 1; }

}  // namespace

using namespace vu::wordproc;

int vu_WordProcSetMargin(HWND editor, int left)
{
    const LRESULT old = SendMessageA(editor, EM_GETMARGINS, 0, 0);
    SendMessageA(editor, EM_SETMARGINS, EC_LEFTMARGIN, MAKELPARAM(LOWORD(left), 0));
    return static_cast<int>(old);
}

int vu_WordProcSetTabs(HWND editor, int count, int step)
{
    INT stops[kMaxTabs] = {};
    count = std::clamp(count, 0, kMaxTabs);
    for (int i = 0; i < count; ++i) stops[i] = static_cast<INT>(static_cast<long long>(step) * (i + 1));
    SendMessageA(editor, EM_SETTABSTOPS, static_cast<WPARAM>(count),
                 reinterpret_cast<LPARAM>(stops));
    InvalidateRect(editor, nullptr, TRUE);
    return 0;
}

int vu_WordProcSetLimit(HWND editor, int maximum)
{
    const unsigned old = LimitOf(editor);
    SendMessageA(editor, EM_LIMITTEXT, CappedLimit(maximum), 0);
    return static_cast<int>(old);
}

int vu_WordProcGetLimit(HWND editor) { return static_cast<int>(LimitOf(editor)); }

HBRUSH vu_WordProcColor(HWND editor, COLORREF text, COLORREF back, HDC dc, HWND control)
{
    if (control == editor) {
        if (g_brush != nullptr) DeleteObject(g_brush);
        g_brush = CreateSolidBrush(back);
        SetTextColor(dc, text);
        SetBkColor(dc, back);
    }
    return g_brush;
}

int vu_WordProcWritable(HWND editor, const char* mode)
{
    WPARAM read_only;
    if (vu::IsWord(mode, "OFF"))
        read_only = TRUE;
    else if (vu::IsWord(mode, "ON"))
        read_only = FALSE;
    else
        return 1;
    return SendMessageA(editor, EM_SETREADONLY, read_only, 0) ? 0 : 1;
}

int vu_WordProcSetText(HWND editor, const char* text)
{
    const LRESULT done =
        SendMessageA(editor, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(vu::TextOrEmpty(text)));
    return done == TRUE ? 0 : 1;
}

int vu_WordProcGetText(HWND editor, char* buffer)
{
    if (buffer == nullptr) return 0;
    return static_cast<int>(SendMessageA(editor, WM_GETTEXT, LimitOf(editor),
                                         reinterpret_cast<LPARAM>(buffer)));
}

int vu_WordProcGetTextLength(HWND editor)
{
    // The text the editor holds, up to its limit: a full editor answers its whole length.
    const unsigned limit = LimitOf(editor);
    const unsigned length = static_cast<unsigned>(std::max(GetWindowTextLengthA(editor), 0));
    return static_cast<int>(std::min({length, limit, static_cast<unsigned>(INT_MAX)}));
}

const char* vu_WordProcGetSelText(HWND editor)
{
    std::free(g_selected);
    g_selected = nullptr;
    DWORD start = 0, end = 0;
    SelectionOf(editor, &start, &end);
    const std::size_t count = end > start ? end - start : 0;
    g_selected = static_cast<char*>(std::calloc(count + 1, 1));
    if (g_selected == nullptr) return "";
    if (count > 0) {
        // The text up to the end of the selection, of which the selected part is kept.
        char* work = static_cast<char*>(std::calloc(static_cast<std::size_t>(end) + 1, 1));
        if (work == nullptr) return g_selected;
        const int read = GetWindowTextA(editor, work, static_cast<int>(end) + 1);
        if (read > static_cast<int>(start))
            std::memcpy(g_selected, work + start, static_cast<std::size_t>(read) - start);
        std::free(work);
    }
    return g_selected;
}

HFONT vu::wordproc::FontOf(HFONT selector)
{
    static const int kStock[] = {SYSTEM_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, DEFAULT_GUI_FONT,
                                 OEM_FIXED_FONT};
    const UINT_PTR value = reinterpret_cast<UINT_PTR>(selector);
    if (value < sizeof kStock / sizeof kStock[0])
        return static_cast<HFONT>(GetStockObject(kStock[value]));
    return selector;
}

int vu_WordProcSetFont(HWND editor, HFONT font)
{
    SendMessageA(editor, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(font)), TRUE);
    return 0;
}

int vu_WordProcIsModified(HWND editor)
{
    return SendMessageA(editor, EM_GETMODIFY, 0, 0) ? 1 : 0;
}

int vu_WordProcSetModified(HWND editor, const char* mode)
{
    if (vu::IsWord(mode, "ON"))
        SendMessageA(editor, EM_SETMODIFY, TRUE, 0);
    else if (vu::IsWord(mode, "OFF"))
        SendMessageA(editor, EM_SETMODIFY, FALSE, 0);
    return 0;
}

int vu_WordProcHasSelection(HWND editor)
{
    DWORD start = 0, end = 0;
    SelectionOf(editor, &start, &end);
    return start != end ? 1 : 0;
}

int vu_WordProcClear(HWND editor)
{
    SendMessageA(editor, WM_CLEAR, 0, 0);
    return 0;
}

int vu_WordProcSelect(HWND editor, int first, int last)
{
    // Worked out wide: first - 1 and last - first + 1 must not overflow for extreme ints.
    SendMessageA(editor, EM_SETSEL, static_cast<WPARAM>(first - 1LL),
                 static_cast<LPARAM>(last));
    return static_cast<int>(static_cast<long long>(last) - first + 1);
}

int vu_WordProcSelectAll(HWND editor)
{
    SendMessageA(editor, EM_SETSEL, 0, -1);
    return 0;
}

int vu_WordProcCaretLine(HWND editor) { return FromOne(HIWORD(CharAtCaret(editor))); }

int vu_WordProcCaretPos(HWND editor) { return FromOne(LOWORD(CharAtCaret(editor))); }

int vu_WordProcCanUndo(HWND editor) { return SendMessageA(editor, EM_CANUNDO, 0, 0) == 1; }

int vu_WordProcEmptyUndo(HWND editor)
{
    SendMessageA(editor, EM_EMPTYUNDOBUFFER, 0, 0);
    return 0;
}

int vu_WordProcCanPaste(void) { return IsClipboardFormatAvailable(CF_TEXT) ? 1 : 0; }

int vu_WordProcUndo(HWND editor)
{
    if (SendMessageA(editor, EM_CANUNDO, 0, 0) == 1) {
        SendMessageA(editor, WM_UNDO, 0, 0);
        return 1;
    }
    MessageBeep(MB_ICONEXCLAMATION);
    return 0;
}

int vu_WordProcCut(HWND editor)
{
    SendMessageA(editor, WM_CUT, 0, 0);
    return 0;
}

int vu_WordProcCopy(HWND editor)
{
    SendMessageA(editor, WM_COPY, 0, 0);
    return 0;
}

int vu_WordProcPaste(HWND editor)
{
    SendMessageA(editor, WM_PASTE, 0, 0);
    return 0;
}
