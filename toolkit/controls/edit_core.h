// The one implementation behind the edit field's and the spin field's calls: creation
// and rebuilding of "EDIT" children, the key rules of their window procedures, text,
// limit, margin, read-only state, colours, font, focus, and loading and saving files.
// vu_Edit... and vu_Spin... are one-line entry points over these. Internal to the toolkit.
#ifndef VU_CONTROLS_EDIT_CORE_H
#define VU_CONTROLS_EDIT_CORE_H

#include <windows.h>

namespace vu {
namespace edit {

// What one family of fields (edit fields, spin fields) keeps for the whole process:
// the colour brush of its colour handler and the last answer of its selected-text call.
struct Family {
    HBRUSH brush;
    char* selection;
};

// ES_LEFT, ES_CENTER or ES_RIGHT for "L", "C", "R"; ES_LEFT for any other word.
DWORD Alignment(const char* word);

// Extended style and extra window style of a rebuilt field's frame.
struct Frame {
    DWORD ex_style;
    DWORD style;
};
// The frame for a frame word; no extended style and no extra style for an unknown word.
Frame FrameFor(const char* word);

// Creates an "EDIT" child (control id 1, the parent's module instance), limits it to
// limit characters and, when it exists, puts proc in place of its window procedure,
// keeping the procedure it replaced in *saved. Returns the field or null.
HWND Create(HWND parent, int x, int y, int width, int height, DWORD ex_style, DWORD style,
            int limit, WNDPROC proc, WNDPROC* saved);

// Replaces field by a new field of the given styles in the same parent, carrying its text
// over; the old handle is destroyed. Returns the new field or null.
HWND Rebuild(HWND field, int x, int y, int width, int height, DWORD ex_style, DWORD style,
             int limit, WNDPROC proc, WNDPROC* saved);

// Key rules shared by the fields' window procedures. Returns true when the message was
// taken (the procedure answers 0): key-downs other than the caret keys (End, Home, Left,
// Right, when caret_keys_stay is true) are posted to the parent as WM_COMMAND with the key
// code; Enter, and Tab when tab_advances, set vu_FocusAdvance and are swallowed.
bool TakeKey(HWND field, UINT message, WPARAM wparam, bool caret_keys_stay, bool tab_advances);

// Hands a message to the saved procedure; 0 when none was saved.
LRESULT PassOn(WNDPROC saved, HWND field, UINT message, WPARAM wparam, LPARAM lparam);

int SetText(HWND field, const char* text);
int GetText(HWND field, char* buffer);
int TextLength(HWND field);
const char* GetSelText(Family& family, HWND field);
int SetLimit(HWND field, int limit);
int GetLimit(HWND field);
int SetMargin(HWND field, int left);
int Writable(HWND field, const char* mode);
HBRUSH Color(Family& family, HWND field, COLORREF text, COLORREF back, HDC dc, HWND control);
int SetFont(HWND field, HFONT font);
int HasFocus(HWND field);
int PassFocus(HWND field, HWND next);
int SaveFile(HWND field, const char* path);
int LoadFile(HWND field, const char* path);

}  // namespace edit
}  // namespace vu

#endif
