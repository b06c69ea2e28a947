/*
 * vu.h - the Vindrulen toolkit: plain C-callable functions over the Windows
 * user-interface, graphics, common-control, common-dialog, shell and kernel services.
 *
 * Every window, control, drawing call and dialog is one call that takes its target or
 * parent window first, then position, size, text and upper-case keyword options
 * ("TOOLWIN_CLO", "SUNKEN", "C"). Keywords are compared exactly and case-sensitively;
 * a word the call does not know selects the call's documented default. A null keyword
 * pointer counts as an unknown word, a null text pointer as the empty text.
 *
 * Texts are single-byte Windows-1252, NUL-terminated.
 */
#ifndef VU_H
#define VU_H

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ------------------------------------------------------------------------------------
 * Shared records
 * ---------------------------------------------------------------------------------- */

/* Given as a coordinate or size to vu_WindowMove / vu_WindowResize: keep the current value. */
#define VU_KEEP 999999

/* Where position and size queries and the plain line and pixel drawing calls leave their answer. */
typedef struct vu_QueryPair { int x, y; } vu_QueryPair;
extern vu_QueryPair vu_Query;

/* The application's window procedure: every top-level window class of the toolkit is bound
   to it by this name. The application defines it and passes what it does not handle to
   DefWindowProcA. */
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

/* ------------------------------------------------------------------------------------
 * Top-level windows
 * ---------------------------------------------------------------------------------- */
/* @@window */
/* Registers a class named after title ("Class<instance>" when empty), bound to MainWindowProc,
   and creates and shows the window; height gets one caption height added. Style words:
   NOLIST TOOLWIN TOOLWIN_NOCLO TOOLWIN_CLO EMPTYLIST NOCLO CLO QUE_NOCLO QUE_CLO
   NOMIN_MAX_NOCLO MIN_NOMAX_NOCLO MIN_NOMAX_CLO NOMIN_MAX_CLO MIN_MAX_NOCLO MIN_MAX_CLO
   (others: plain overlapped). Returns the window, or null (also when the title's class exists). */
HWND vu_WindowCreate(HINSTANCE instance, const char* title, int x, int y, int width, int height,
                     const char* style);
/* Destroys the window; 0 when destroyed, 1 when that failed. */
int vu_WindowDestroy(HWND window);
/* Shows the window in a state: HIDE MAXI MINI RESTORE SHOW DEFAULT ACTIVMAXI ACTIVMINI
   INACTMINI INACTIV INACTRESENT NORMAL (others: no change); 0 when it was visible before, 1 when hidden. */
int vu_WindowShowMode(HWND window, const char* mode);
/* Gives the window another frame (the vu_WindowCreate words, with caption and redraw class styles),
   keeping its position and outer size, and shows it normal; returns 0. */
int vu_WindowRestyle(HWND window, const char* style);

/* ------------------------------------------------------------------------------------
 * Window operations
 * ---------------------------------------------------------------------------------- */
/* @@window-ops */
/* Set by vu_WindowBorder's TRANSPARENT FLAT FLAT_BORDER SUNKEN (for every window, never cleared);
   makes its NORMAL also set the style to WS_DLGFRAME. */
extern int vu_BorderChanged;
/* Border words: TRANSPARENT FLAT FLAT_BORDER SUNKEN NORMAL NORMAL_SUNKEN (others: no change);
   hides, restyles, restores the rectangle and shows normal; returns 0. */
int vu_WindowBorder(HWND window, const char* border);
/* "ON" adds the sizing frame, "OFF" toggles it (removes one that is there); others: no change.
   Hides, restyles, restores the rectangle and shows normal; returns 0. */
int vu_WindowSizeFrame(HWND window, const char* mode);
/* Hides the window and moves it to (0, 0); 0 on success, 1 on failure. */
int vu_WindowHide(HWND window);
/* Shows the window (SW_SHOW); 1 when it was visible before, 0 when it was hidden. */
int vu_WindowShow(HWND window);
/* Moves the window to screen (x, y) keeping its size; VU_KEEP keeps a coordinate; returns 0. */
int vu_WindowMove(HWND window, int x, int y);
/* Centres the window on the screen (half a caption height above centre), keeping its size; 0. */
int vu_WindowCenter(HWND window);
/* vu_Query := the window's left and top in screen pixels; returns 0. */
int vu_WindowGetPos(HWND window);
/* Outer size := width x (height + one caption height), keeping the top-left corner; VU_KEEP
   keeps the current width or outer height; returns 0. */
int vu_WindowResize(HWND window, int width, int height);
/* Shows the window maximised; 1 when it was hidden before, 0 when it was visible. */
int vu_WindowMaximize(HWND window);
/* vu_Query := the window's outer width and height; returns 0. */
int vu_WindowGetSize(HWND window);
/* Sets the title text (null: empty); returns 0. */
int vu_WindowSetText(HWND window, const char* text);
/* Copies at most max characters of the title and a NUL into buffer (max + 1 bytes); returns
   the number of characters copied. */
int vu_WindowGetText(HWND window, char* buffer, int max);
/* Paints the window's class background in colour (0x00BBGGRR) and repaints; returns 0. */
int vu_WindowBackColor(HWND window, COLORREF colour);
/* "ERASED" / "UNERASED": invalidates the whole window with or without erase; 0 on success,
   1 on failure or for any other word. */
int vu_WindowRedraw(HWND window, const char* mode);
/* Gives the window the keyboard focus; returns the window that had it before (or null). */
HWND vu_WindowSetFocus(HWND window);
/* Returns the window itself when it has the keyboard focus, else null. */
HWND vu_WindowHasFocus(HWND window);
/* Class icon := the icon resource of that name from the window's module; returns 0. */
int vu_WindowIcon(HWND window, const char* icon_name);
/* Class icon := a predefined platform icon (IDI_APPLICATION and its kin); returns 0. */
int vu_WindowSysIcon(HWND window, const char* icon_id);

/* ------------------------------------------------------------------------------------
 * Control geometry members and push buttons
 * ---------------------------------------------------------------------------------- */
/* @@button */
/* Creates a push button (class "button", BS_PUSHLIKE, the stock GUI font) at x, y in the parent's
   client area; clicks reach the parent as WM_COMMAND with id. Alignment words: L R T B C LB LT RB
   RT (others: C). Frame words: NORMAL SHADOW SUNKEN SUNKEN_SHADOW BAR BAR_SHADOW EDGE EDGE_SHADOW
   (others: NORMAL). Returns the button, or null. */
HWND vu_Button(HWND parent, int x, int y, int width, int height, const char* text,
               const char* alignment, const char* frame, int id);
/* Destroys the parent's child with this id (if any) and creates a button in its place with the
   same words (alignment added after creation, no BS_PUSHLIKE, the platform's default font).
   Returns the new button, or null. */
HWND vu_ButtonRecreate(HWND parent, int x, int y, int width, int height, const char* text,
                       const char* alignment, const char* frame, int id);
/* Draws the button pushed in, without a click; returns 0. */
int vu_ButtonPress(HWND button);
/* Draws the button released, without a click; returns 0. */
int vu_ButtonRelease(HWND button);
/* The button's state word (BM_GETSTATE: 0x0004 pushed, 0x0008 focus, low two bits checked). */
int vu_ButtonGetState(HWND button);
/* Destroys the control; 0 when destroyed, 1 when that failed. */
int vu_ButtonDestroy(HWND button);
/* Hides the control; 1 when it was hidden already, else 0. */
int vu_ButtonHide(HWND button);
/* Shows the control (SW_SHOWNORMAL); 1 when it was visible already, else 0. */
int vu_ButtonShow(HWND button);
/* Moves the control to x, y in its parent's client area, keeping its size; 0 moved, 1 failed. */
int vu_ButtonMove(HWND button, int x, int y);
/* Centres the control in its parent's client area; returns 0. */
int vu_ButtonCenter(HWND button);
/* Puts the control's position in its parent's client area into vu_Query; returns 0. */
int vu_ButtonGetPos(HWND button);
/* Gives the control an outer width and height, keeping its position; 0 resized, 1 failed. */
int vu_ButtonResize(HWND button, int width, int height);
/* Puts the control's outer width and height into vu_Query; returns 0. */
int vu_ButtonGetSize(HWND button);
/* Places the control at x, y, sized to the parent's client area plus the deltas; 0 placed,
   1 failed. */
int vu_ButtonFit(HWND button, int x, int y, int width_delta, int height_delta);
/* Disables the control; 1 when it was disabled already, else 0. */
int vu_ButtonDisable(HWND button);
/* Enables the control; 1 when it was enabled already, else 0. */
int vu_ButtonEnable(HWND button);
/* Invalidates the whole control: ERASED (with erase) or UNERASED; 0 done, 1 on failure, for a
   null control or any other word. */
int vu_ButtonRedraw(HWND button, const char* mode);
/* Gives the control the keyboard focus; returns the window that had it before (or null; a null
   control changes nothing). */
HWND vu_ButtonSetFocus(HWND button);
/* Leaves no window with the keyboard focus (the argument is not used); returns the window that
   had it. */
HWND vu_ButtonDropFocus(HWND button);

/* ------------------------------------------------------------------------------------
 * Edit and spin fields
 * ---------------------------------------------------------------------------------- */
/* @@edit */
/* Set when Tab or Enter is typed into an edit field or Enter into a spin field; cleared by
   vu_EditPassFocus / vu_SpinPassFocus when they move the focus. */
extern int vu_FocusAdvance;
/* Creates a single-line edit field (id 1, sunken edge, limit characters) whose key-downs
   other than End/Home/Left/Right reach the parent as WM_COMMAND(key code, 0) and whose Tab
   and Enter set vu_FocusAdvance. Alignment words: L C R (others: L). Returns it, or null. */
HWND vu_Edit(HWND parent, int x, int y, int width, int height, const char* align, int limit);
/* As vu_Edit for a left-aligned password field; End/Home/Left/Right are posted as well. */
HWND vu_EditPassword(HWND parent, int x, int y, int width, int height, int limit);
/* Replaces the field by a new one with another frame, keeping its text; the old handle
   dies. Frame words: FLAT SMAL_SUNKEN SUNKEN MAX_SUNKEN DOUBLE_EDGE BAR EDGE (others: no
   frame); alignment words as vu_Edit. Returns the new field, or null. */
HWND vu_EditReframe(HWND field, int x, int y, int width, int height, const char* frame,
                    const char* align, int limit);
/* The edit fields' window procedure. */
LRESULT CALLBACK vu_EditProc(HWND field, UINT message, WPARAM wparam, LPARAM lparam);
/* The password fields' window procedure (the caret keys are posted to the parent too). */
LRESULT CALLBACK vu_EditPasswordProc(HWND field, UINT message, WPARAM wparam, LPARAM lparam);
/* Sets the field's text (null: empty); returns 0. */
int vu_EditSetText(HWND field, const char* text);
/* Copies at most limit - 1 characters and a NUL into buffer (which holds limit bytes);
   returns the length copied. */
int vu_EditGetText(HWND field, char* buffer);
/* The length of the text as vu_EditGetText would copy it. */
int vu_EditTextLength(HWND field);
/* The selected text, in a toolkit-owned buffer valid until the next call (never null). */
const char* vu_EditGetSelText(HWND field);
/* Sets the character limit; returns the previous one. */
int vu_EditSetLimit(HWND field, int limit);
/* The character limit. */
int vu_EditGetLimit(HWND field);
/* Sets the left margin in pixels; returns the previous left margin. */
int vu_EditSetMargin(HWND field, int left);
/* "OFF" makes the field read-only, "ON" editable again; the platform's answer (non-zero on
   success), 0 for any other word. */
int vu_EditWritable(HWND field, const char* mode);
/* For WM_CTLCOLOREDIT (dc = wparam, control = lparam): when control is the field, sets the
   colours on dc and makes a new background brush; returns the edit fields' brush. */
HBRUSH vu_EditColor(HWND field, COLORREF text, COLORREF back, HDC dc, HWND control);
/* Sets the field's font and redraws it; returns 0. */
int vu_EditSetFont(HWND field, HFONT font);
/* The edit family's name for vu_CreatePointFont: a font of points at the window's
   resolution (style code 0 1 2 3 12 13 23 123); the caller owns it. */
HFONT vu_EditCreatePointFont(HWND window, int points, int weight, int style, int reserved,
                             const char* face);
/* 0 when the field has the keyboard focus, 1 when not. */
int vu_EditHasFocus(HWND field);
/* When the field has the focus and vu_FocusAdvance is set, focuses next and clears the
   flag; returns 0. */
int vu_EditPassFocus(HWND field, HWND next);
/* Writes the field's text to the file: 0 done, 2 the file could not be created, 3 the
   write failed or was short (or the field does not exist). */
int vu_EditSaveFile(HWND field, const char* path);
/* Loads the file (created empty when missing) into the field: 0 done, 2 it could not be
   opened, 3 a read failed or it holds a NUL byte (or the field does not exist), 4 it holds
   65,536 bytes or more, or more than the field's limit. On 2, 3 and 4 the field keeps its
   text: it is never loaded shortened. */
int vu_EditLoadFile(HWND field, const char* path);
/* Geometry members (see the push button's): destroy 0/1, hide/show 1 when already so,
   move/resize/fit 0/1, centre 0, position/size into vu_Query, disable/enable 1 when already
   so, redraw with erase 0/1, set focus -> the window that had it. */
int vu_EditDestroy(HWND field);
/* Hides the edit field; 1 when it was hidden already, else 0. */
int vu_EditHide(HWND field);
/* Shows the edit field (SW_SHOW); 1 when it was visible already, else 0. */
int vu_EditShow(HWND field);
/* Moves the edit field to (x, y) in its parent's client area, keeping its size; 0 moved, 1
   failed. */
int vu_EditMove(HWND field, int x, int y);
/* Centres the edit field in its parent's client area; returns 0. */
int vu_EditCenter(HWND field);
/* Leaves the edit field's position in its parent's client area in vu_Query; returns 0. */
int vu_EditGetPos(HWND field);
/* Resizes the edit field to width x height, keeping its position; 0 resized, 1 failed. */
int vu_EditResize(HWND field, int width, int height);
/* Leaves the edit field's outer width and height in vu_Query; returns 0. */
int vu_EditGetSize(HWND field);
/* Places the edit field at (x, y), sized to its parent's client area plus the deltas; 0 placed, 1
   failed. */
int vu_EditFit(HWND field, int x, int y, int width_delta, int height_delta);
/* Disables the edit field; 1 when it was disabled already, else 0. */
int vu_EditDisable(HWND field);
/* Enables the edit field; 1 when it was enabled already, else 0. */
int vu_EditEnable(HWND field);
/* Invalidates the whole edit field with background erase; 0 on success, 1 on failure. */
int vu_EditRedraw(HWND field);
/* Gives the edit field the keyboard focus; returns the window that had it before. */
HWND vu_EditSetFocus(HWND field);

/* Creates a spin number field: an edit field (id 1, sunken edge, limit characters) with a
   vertical scroll bar whose messages reach the parent as WM_VSCROLL(code, field); key-downs
   as vu_Edit; Enter sets vu_FocusAdvance. Alignment words: L C R (others: L). */
HWND vu_Spin(HWND parent, int x, int y, int width, int height, const char* align, int limit);
/* As vu_EditReframe for a spin field. Returns the new field, or null. */
HWND vu_SpinReframe(HWND field, int x, int y, int width, int height, const char* frame,
                    const char* align, int limit);
/* The spin fields' window procedure. */
LRESULT CALLBACK vu_SpinProc(HWND field, UINT message, WPARAM wparam, LPARAM lparam);
/* For WM_VSCROLL (code = wparam, scrollbar = lparam) from this field: copies typed text into
   text (limit bytes), steps value (line up: down to 0; line down: up), shows text; returns
   the new value (value unchanged for another scroll bar). */
int vu_SpinStep(HWND field, int code, HWND scrollbar, char* text, int value);
/* Sets the field's text (null: empty); returns 0. */
int vu_SpinSetText(HWND field, const char* text);
/* The edit field's calls on a spin field (same results and codes). */
int vu_SpinGetText(HWND field, char* buffer);
/* As vu_EditTextLength, on a spin field (same results and codes). */
int vu_SpinTextLength(HWND field);
/* As vu_EditGetSelText, on a spin field (same results and codes). */
const char* vu_SpinGetSelText(HWND field);
/* As vu_EditSetLimit, on a spin field (same results and codes). */
int vu_SpinSetLimit(HWND field, int limit);
/* As vu_EditGetLimit, on a spin field (same results and codes). */
int vu_SpinGetLimit(HWND field);
/* As vu_EditSetMargin, on a spin field (same results and codes). */
int vu_SpinSetMargin(HWND field, int left);
/* As vu_EditWritable, on a spin field (same results and codes). */
int vu_SpinWritable(HWND field, const char* mode);
/* As vu_EditColor, on a spin field (same results and codes). */
HBRUSH vu_SpinColor(HWND field, COLORREF text, COLORREF back, HDC dc, HWND control);
/* As vu_EditSetFont, on a spin field (same results and codes). */
int vu_SpinSetFont(HWND field, HFONT font);
/* The spin family's name for vu_CreatePointFont. */
HFONT vu_SpinCreatePointFont(HWND window, int points, int weight, int style, int reserved,
                             const char* face);
/* As vu_EditHasFocus, on a spin field (same results and codes). */
int vu_SpinHasFocus(HWND field);
/* As vu_EditPassFocus, on a spin field (same results and codes). */
int vu_SpinPassFocus(HWND field, HWND next);
/* As vu_EditSaveFile, on a spin field (same results and codes). */
int vu_SpinSaveFile(HWND field, const char* path);
/* As vu_EditLoadFile, on a spin field (same results and codes). */
int vu_SpinLoadFile(HWND field, const char* path);
/* Geometry members, as the edit field's. */
int vu_SpinDestroy(HWND field);
/* Hides the spin field; 1 when it was hidden already, else 0. */
int vu_SpinHide(HWND field);
/* Shows the spin field (SW_SHOW); 1 when it was visible already, else 0. */
int vu_SpinShow(HWND field);
/* Moves the spin field to (x, y) in its parent's client area, keeping its size; 0 moved, 1
   failed. */
int vu_SpinMove(HWND field, int x, int y);
/* Centres the spin field in its parent's client area; returns 0. */
int vu_SpinCenter(HWND field);
/* Leaves the spin field's position in its parent's client area in vu_Query; returns 0. */
int vu_SpinGetPos(HWND field);
/* Resizes the spin field to width x height, keeping its position; 0 resized, 1 failed. */
int vu_SpinResize(HWND field, int width, int height);
/* Leaves the spin field's outer width and height in vu_Query; returns 0. */
int vu_SpinGetSize(HWND field);
/* Places the spin field at (x, y), sized to its parent's client area plus the deltas; 0 placed, 1
   failed. */
int vu_SpinFit(HWND field, int x, int y, int width_delta, int height_delta);
/* Disables the spin field; 1 when it was disabled already, else 0. */
int vu_SpinDisable(HWND field);
/* Enables the spin field; 1 when it was enabled already, else 0. */
int vu_SpinEnable(HWND field);
/* Invalidates the whole spin field with background erase; 0 on success, 1 on failure. */
int vu_SpinRedraw(HWND field);
/* Gives the spin field the keyboard focus; returns the window that had it before. */
HWND vu_SpinSetFocus(HWND field);

/* ------------------------------------------------------------------------------------
 * Check buttons, up-down controls and group box
 * ---------------------------------------------------------------------------------- */
/* @@check */
/* Creates a check button at x, y sized to its text (width + 20, height at least 16, measured with
   the parent's window font; no font set). Kind words: SQUARE (check box) ROUND (radio button),
   both checking themselves on clicks and reporting them as WM_COMMAND with id; another word makes
   no button. Returns the button, or null. */
HWND vu_CheckButton(HWND parent, int x, int y, const char* kind, const char* text, int id);
/* Checks the button; returns 0. */
int vu_CheckButtonCheck(HWND button);
/* Unchecks the button; returns 0. */
int vu_CheckButtonUncheck(HWND button);
/* Resizes the button to the new text (keeping its top-left corner) and sets it; 0 set, 1 not. */
int vu_CheckButtonSetText(HWND button, const char* text);
/* Copies at most 254 characters and a NUL into buffer (at least 255 bytes); returns the number of
   characters copied (0 for a null buffer). */
int vu_CheckButtonGetText(HWND button, char* buffer);
/* The button's state word (BM_GETSTATE): the check state in the low two bits, 0x0004 pushed,
   0x0008 focus. */
int vu_CheckButtonGetState(HWND button);
/* Destroys the button; 0 when destroyed, 1 when that failed. */
int vu_CheckButtonDestroy(HWND button);
/* Hides the button; 1 when it was hidden already, else 0. */
int vu_CheckButtonHide(HWND button);
/* Shows the button (SW_SHOWNORMAL); 1 when it was visible already, else 0. */
int vu_CheckButtonShow(HWND button);
/* Moves the button to x, y in its parent's client area, keeping its size; 0 moved, 1 failed. */
int vu_CheckButtonMove(HWND button, int x, int y);
/* Disables the button; 1 when it was disabled already, else 0. */
int vu_CheckButtonDisable(HWND button);
/* Enables the button; 1 when it was enabled already, else 0. */
int vu_CheckButtonEnable(HWND button);
/* Creates a vertical up-down control (id 9, no buddy) at x, y with the size, the limits and the
   position; it reports to the parent with WM_VSCROLL. Border words: B (WS_BORDER; others: none).
   Returns the control, or null. */
HWND vu_UpDown(HWND parent, int x, int y, int width, int height, const char* border, int upper,
               int lower, int position);
/* As vu_UpDown, horizontal (UDS_HORZ), reporting with WM_HSCROLL. The vu_UpDown geometry members
   below serve both kinds. */
HWND vu_UpDownHorz(HWND parent, int x, int y, int width, int height, const char* border,
                   int upper, int lower, int position);
/* The position carried by a scroll message of control, given its two parameters in either order:
   0 to 65535 (the high word of the parameter that is not the control), or -1 when neither
   parameter is the control (or the control is null). */
int vu_UpDownPos(HWND control, WPARAM first, LPARAM second);
/* The same for the horizontal kind. */
int vu_UpDownHorzPos(HWND control, WPARAM first, LPARAM second);
/* Destroys the control; 0 when destroyed, 1 when that failed. */
int vu_UpDownDestroy(HWND control);
/* Hides the control; 1 when it was hidden already, else 0. */
int vu_UpDownHide(HWND control);
/* Shows the control (SW_SHOWNORMAL); 1 when it was visible already, else 0. */
int vu_UpDownShow(HWND control);
/* Moves the control to x, y in its parent's client area, keeping its size; 0 moved, 1 failed. */
int vu_UpDownMove(HWND control, int x, int y);
/* Centres the control in its parent's client area; returns 0. */
int vu_UpDownCenter(HWND control);
/* Puts the control's position in its parent's client area into vu_Query; returns 0. */
int vu_UpDownGetPos(HWND control);
/* Gives the control an outer width and height, keeping its position; 0 resized, 1 failed. */
int vu_UpDownResize(HWND control, int width, int height);
/* Puts the control's outer width and height into vu_Query; returns 0. */
int vu_UpDownGetSize(HWND control);
/* Places the control at x, y, sized to the parent's client area plus the deltas; 0 placed,
   1 failed. */
int vu_UpDownFit(HWND control, int x, int y, int width_delta, int height_delta);
/* Disables the control; 1 when it was disabled already, else 0. */
int vu_UpDownDisable(HWND control);
/* Enables the control; 1 when it was enabled already, else 0. */
int vu_UpDownEnable(HWND control);
/* Invalidates the whole control: ERASED (with erase) or UNERASED; 0 done, 1 on failure, for a
   null control or any other word. */
int vu_UpDownRedraw(HWND control, const char* mode);
/* Creates a group box (a titled frame, id 0) at x, y with the size; returns it, or null. */
HWND vu_GroupBox(HWND parent, int x, int y, int width, int height, const char* title);
/* Destroys the box; 0 when destroyed, 1 when that failed. */
int vu_GroupBoxDestroy(HWND box);
/* Hides the box; 1 when it was hidden already, else 0. */
int vu_GroupBoxHide(HWND box);
/* Shows the box (SW_SHOWNORMAL); 1 when it was visible already, else 0. */
int vu_GroupBoxShow(HWND box);
/* Moves the box to x, y in its parent's client area, keeping its size; 0 moved, 1 failed. */
int vu_GroupBoxMove(HWND box, int x, int y);
/* Gives the box an outer width and height, keeping its position; 0 resized, 1 failed. */
int vu_GroupBoxResize(HWND box, int width, int height);

/* ------------------------------------------------------------------------------------
 * Picture buttons
 * ---------------------------------------------------------------------------------- */
/* @@picbutton */
/* Alignment words of the set-picture calls: L R T B C LB LT RB RT (others: no alignment
   bits). A button whose style is above 0x57FFFFFF (a disabled child) is left as it is. */
/* Makes the button a bitmap button showing the named bitmap of the button's module; 0. */
int vu_PicButtonSetBitmap(HWND button, const char* alignment, const char* bitmap);
/* Makes the button an icon button showing the named icon of the button's module; 0. */
int vu_PicButtonSetIcon(HWND button, const char* alignment, const char* icon);
/* Makes the button an icon button showing a predefined icon: WINLOGO ASTERISK EXCLAMATION
   HAND QUESTION APPLICATION (others: no icon); 0. */
int vu_PicButtonSetSystemIcon(HWND button, const char* alignment, const char* icon);
/* Creates an owner-drawn button that its parent paints (WM_DRAWITEM under id, see
   vu_PicButtonDraw), that posts WM_MOUSEMOVE (lParam = the button) to its parent when the
   mouse moves over it, and that lowers the system double-click time to 10 ms while hit-tested
   (restored on its next message, its 200 ms timer, its destruction and the process's exit).
   Frame words: B (thin border; others: none). Returns the button, or null. */
HWND vu_PicButton(HWND parent, int x, int y, int width, int height, const char* frame, int id);
/* The window procedure that vu_PicButton installs in its buttons. */
LRESULT CALLBACK vu_PicButtonProc(HWND button, UINT message, WPARAM wparam, LPARAM lparam);
/* For the parent's WM_DRAWITEM: when id is the button's, copies the pressed bitmap (item
   selected) or the normal one, unscaled, into the item's rectangle. Bitmaps are resources of
   the parent's module; a missing one draws nothing. Returns 0. */
int vu_PicButtonDraw(HWND button, int id, const DRAWITEMSTRUCT* item, const char* bitmap,
                     const char* pressed_bitmap);
/* Copies the named bitmap of the parent's module unscaled over the button's client area
   (until the button repaints itself); 0. */
int vu_PicButtonPaint(HWND button, const char* bitmap);
/* Gives the button the font and repaints it; 0. */
int vu_PicButtonSetFont(HWND button, HFONT font);
/* Sets the button's text: 0 done, 1 failed. */
int vu_PicButtonSetText(HWND button, const char* text);
/* Copies the button's text into buffer (which must hold 255 bytes; at most 254 characters
   and the terminator are written); returns the length copied. */
int vu_PicButtonGetText(HWND button, char* buffer);
/* Gives the button its pushed look; 0. */
int vu_PicButtonPress(HWND button);
/* Takes the pushed look off the button; 0. */
int vu_PicButtonRelease(HWND button);
/* The button's BM_GETSTATE flags (BST_PUSHED, BST_FOCUS, check state). */
int vu_PicButtonGetState(HWND button);
/* Destroys the button: 0 destroyed, 1 failed. */
int vu_PicButtonDestroy(HWND button);
/* Hides the button: 1 when it was hidden already, else 0. */
int vu_PicButtonHide(HWND button);
/* Shows the button (normal state): 1 when it was visible already, else 0. */
int vu_PicButtonShow(HWND button);
/* Moves the button to (x, y) of the parent's client area: 0 moved, 1 failed. */
int vu_PicButtonMove(HWND button, int x, int y);
/* Centres the button in its parent's client area; 0. */
int vu_PicButtonCenter(HWND button);
/* vu_Query := the button's position in its parent's client area; 0. */
int vu_PicButtonGetPos(HWND button);
/* Resizes the button: 0 resized, 1 failed. */
int vu_PicButtonResize(HWND button, int width, int height);
/* vu_Query := the button's outer width and height; 0. */
int vu_PicButtonGetSize(HWND button);
/* Places the button at (x, y), sized to the parent's client area plus the deltas:
   0 placed, 1 failed. */
int vu_PicButtonFit(HWND button, int x, int y, int width_delta, int height_delta);
/* Disables the button and repaints it with erase; always returns 1. */
int vu_PicButtonDisable(HWND button);
/* Enables the button and repaints it with erase; always returns 0. */
int vu_PicButtonEnable(HWND button);
/* Repaints the button: ERASED (with erase) or UNERASED; 0 done, 1 failed or another word. */
int vu_PicButtonRedraw(HWND button, const char* mode);

/* ------------------------------------------------------------------------------------
 * Toolbar
 * ---------------------------------------------------------------------------------- */
/* @@toolbar */
/* Creates a toolbar (id 1000, tooltips, no divider) in the parent and resets the image counter.
   Frame words: NOBORDER BORDER BAR (others: none). A height above 0 places it at 0, 0, the
   parent's client width - 2 wide; else it stays 0 x 0 until placed. Returns it, or null. */
HWND vu_Toolbar(HWND parent, const char* frame, int height);
/* Docks the toolbar along a side of its parent's client area less a 2-pixel margin. Side words:
   T B L R; thickness is its height (T, B) or width (L, R); x, y shift it, extra lengthens it.
   0 moved, 1 failed or another word. */
int vu_ToolbarPlace(HWND toolbar, const char* side, int thickness, int x, int y, int extra);
/* As vu_ToolbarPlace against the full client area (no margin). */
int vu_ToolbarPlaceFlush(HWND toolbar, const char* side, int thickness, int x, int y, int extra);
/* Makes colour the background of every toolbar of the process (their shared class); returns 0. */
int vu_ToolbarSetColor(HWND toolbar, COLORREF colour);
/* Sends the toolbar's notifications and commands to parent (TB_SETPARENT); returns 0. */
int vu_ToolbarSetParent(HWND toolbar, HWND parent);
/* Adds a button whose image is the named bitmap of the parent's module (the image index is the
   counter's next value, used up even when the bitmap does not load). Type words: PUSH PUSHDOWN
   PUSHDOWNGROUP (others: PUSH). State words: HIDE ACTIVE ACTIVEDOWN NONACTIVE NONACTIVEDOWN
   (others: disabled). Wrap word: BREAK (row break after it; others: none). label: 0, a string
   index or a text (cast). Clicks reach the parent as WM_COMMAND with id. Returns 0. */
int vu_ToolbarAddButton(HWND toolbar, const char* type, const char* state, const char* wrap,
                        const char* bitmap_name, INT_PTR label, int id);
/* As vu_ToolbarAddButton, placing the button at position (from 1; a position outside 1 to the
   button count + 1 places it at the end). Returns 0. */
int vu_ToolbarInsertButton(HWND toolbar, const char* type, const char* state, const char* wrap,
                           const char* bitmap_name, INT_PTR label, int position, int id);
/* Adds a gap. Kind words: BUTT (a button-sized gap; width ignored) SPACE (a separator width
   pixels wide, 0 or less: the platform's width); others: SPACE. Side words: SIDE BREAK (row break
   after it); others: SIDE. Returns 0. */
int vu_ToolbarAddSeparator(HWND toolbar, const char* kind, const char* side, int width);
/* Sets the size of the toolbar's images (TB_SETBITMAPSIZE); returns 0. */
int vu_ToolbarSetImageSize(HWND toolbar, int width, int height);
struct tagNMTTDISPINFOA;
/* Called by the parent on WM_NOTIFY with the record (TOOLTIPTEXTA*, <commctrl.h>): when it
   asks for the tip of button id (TTN_NEEDTEXTA), points it at text (not copied; a null text is the
   empty one). Any other record, or null, is left alone. Returns 0. */
int vu_ToolbarTipText(struct tagNMTTDISPINFOA* record, int id, const char* text);
/* Switches the toolbar between the flat and the raised look and redraws it; returns 0. */
int vu_ToolbarToggleFlat(HWND toolbar);
/* Gives button id the image number (from 1); 0 done, 1 for an unknown id. */
int vu_ToolbarChangeImage(HWND toolbar, int id, int number);
/* Shows button id checked; 0 done, 1 for an unknown id. */
int vu_ToolbarCheckButton(HWND toolbar, int id);
/* Shows button id unchecked; 0 done, 1 for an unknown id. */
int vu_ToolbarUncheckButton(HWND toolbar, int id);
/* Enables button id; 0 done, 1 for an unknown id. */
int vu_ToolbarEnableButton(HWND toolbar, int id);
/* Disables button id; 0 done, 1 for an unknown id. */
int vu_ToolbarDisableButton(HWND toolbar, int id);
/* Hides button id; 0 done, 1 for an unknown id. */
int vu_ToolbarHideButton(HWND toolbar, int id);
/* Shows button id again; 0 done, 1 for an unknown id. */
int vu_ToolbarShowButton(HWND toolbar, int id);
/* Shows button id pressed, without a click; 0 done, 1 for an unknown id. */
int vu_ToolbarPressButton(HWND toolbar, int id);
/* Shows button id released; 0 done, 1 for an unknown id. */
int vu_ToolbarReleaseButton(HWND toolbar, int id);
/* Deletes the button or gap at position (from 1); 0 done, 1 for a position outside the buttons. */
int vu_ToolbarDeleteButton(HWND toolbar, int position);
/* The state bits of button id (TB_GETSTATE), or -1 for an unknown id or no toolbar. */
int vu_ToolbarButtonState(HWND toolbar, int id);
/* Destroys the toolbar; 0 when destroyed, 1 when that failed. */
int vu_ToolbarDestroy(HWND toolbar);
/* Hides the toolbar; 1 when it was hidden already, else 0. */
int vu_ToolbarHide(HWND toolbar);
/* Shows the toolbar (SW_SHOW); 1 when it was visible already, else 0. */
int vu_ToolbarShow(HWND toolbar);

/* ------------------------------------------------------------------------------------
 * Progress bar, trackbar and status bar
 * ---------------------------------------------------------------------------------- */
/* @@bars */
/* Creates a progress bar (frame NORMAL SUNKEN; others: plain) with the range 0..maximum (low 16
   bits kept) and the step; returns the bar, or null. */
HWND vu_Progress(HWND parent, int x, int y, int width, int height, const char* frame,
                 unsigned int maximum, int step);
/* Destroys old and makes a new progress bar in its parent as vu_Progress; returns the new bar. */
HWND vu_ProgressRecreate(HWND old, int x, int y, int width, int height, const char* frame,
                         unsigned int maximum, int step);
/* Advances the bar by its step; returns 0. */
int vu_ProgressStep(HWND bar);
/* Background colour of every progress bar of the process (their shared class); returns 0. */
int vu_ProgressSetColor(HWND bar, COLORREF colour);
/* Geometry members of the progress bar: as the push button's (show uses SW_SHOW). */
int vu_ProgressDestroy(HWND bar);
/* Hides the progress bar; 1 when it was hidden already, else 0. */
int vu_ProgressHide(HWND bar);
/* Shows the progress bar (SW_SHOW); 1 when it was visible already, else 0. */
int vu_ProgressShow(HWND bar);
/* Moves the progress bar to (x, y) in its parent's client area, keeping its size; 0 moved, 1
   failed. */
int vu_ProgressMove(HWND bar, int x, int y);
/* Centres the progress bar in its parent's client area; returns 0. */
int vu_ProgressCenter(HWND bar);
/* Leaves the progress bar's position in its parent's client area in vu_Query; returns 0. */
int vu_ProgressGetPos(HWND bar);
/* Resizes the progress bar to width x height, keeping its position; 0 resized, 1 failed. */
int vu_ProgressResize(HWND bar, int width, int height);
/* Leaves the progress bar's outer width and height in vu_Query; returns 0. */
int vu_ProgressGetSize(HWND bar);
/* Places the progress bar at (x, y), sized to its parent's client area plus the deltas; 0 placed,
   1 failed. */
int vu_ProgressFit(HWND bar, int x, int y, int width_delta, int height_delta);

/* Creates a trackbar with automatic ticks: orientation H V (others: H), frame NORMAL SUNKEN BAR
   EDGE (others: NORMAL), range 0..maximum (low 16 bits), page size, position; the bar or null. */
HWND vu_Trackbar(HWND parent, const char* orientation, int x, int y, int width, int height,
                 const char* frame, unsigned int maximum, int page_size, int position);
/* Destroys old and makes a new trackbar in its parent as vu_Trackbar; returns the new bar. */
HWND vu_TrackbarRecreate(HWND old, const char* orientation, int x, int y, int width,
                         int height, const char* frame, unsigned int maximum, int page_size,
                         int position);
/* One value of the trackbar: TICS (tick count) CLICKSTEPS (page size) SLIDERPOS (position)
   SLIDERPOSNR (range maximum) BUTTLENGTH (slider length); 0 for another word. */
int vu_TrackbarGet(HWND bar, const char* what);
/* Moves the slider to position and redraws; returns 0. */
int vu_TrackbarSetPos(HWND bar, int position);
/* Geometry members of the trackbar: as the push button's (show uses SW_SHOW). */
int vu_TrackbarDestroy(HWND bar);
/* Hides the trackbar; 1 when it was hidden already, else 0. */
int vu_TrackbarHide(HWND bar);
/* Shows the trackbar (SW_SHOW); 1 when it was visible already, else 0. */
int vu_TrackbarShow(HWND bar);
/* Moves the trackbar to (x, y) in its parent's client area, keeping its size; 0 moved, 1 failed. */
int vu_TrackbarMove(HWND bar, int x, int y);
/* Centres the trackbar in its parent's client area; returns 0. */
int vu_TrackbarCenter(HWND bar);
/* Leaves the trackbar's position in its parent's client area in vu_Query; returns 0. */
int vu_TrackbarGetPos(HWND bar);
/* Resizes the trackbar to width x height, keeping its position; 0 resized, 1 failed. */
int vu_TrackbarResize(HWND bar, int width, int height);
/* Leaves the trackbar's outer width and height in vu_Query; returns 0. */
int vu_TrackbarGetSize(HWND bar);
/* Places the trackbar at (x, y), sized to its parent's client area plus the deltas; 0 placed, 1
   failed. */
int vu_TrackbarFit(HWND bar, int x, int y, int width_delta, int height_delta);
/* Disables the trackbar; 1 when it was disabled already, else 0. */
int vu_TrackbarDisable(HWND bar);
/* Enables the trackbar; 1 when it was enabled already, else 0. */
int vu_TrackbarEnable(HWND bar);
/* Invalidates the whole trackbar: ERASED with, UNERASED without background erase; 0, or 1 on
   failure or another word. */
int vu_TrackbarRedraw(HWND bar, const char* mode);
/* Gives the trackbar the keyboard focus; returns the window that had it before. */
HWND vu_TrackbarSetFocus(HWND bar);
/* Leaves no window with the keyboard focus (the argument is not used); returns the window that
   had it. */
HWND vu_TrackbarDropFocus(HWND bar);

/* Creates a status bar along the bottom of parent: NOBAR NOBARSIZEGRIP BAR BARSIZEGRIP
   (others: NOBAR); returns the bar, or null. */
HWND vu_StatusBar(HWND parent, const char* style);
/* Destroys old, makes a new status bar in its parent and posts WM_SIZE (0, 0) to the parent;
   returns the new bar. */
HWND vu_StatusBarRecreate(HWND old, const char* style);
/* Lays out part 1..20 as an empty borderless part of width after the parts before it (the
   layout is shared by all status bars); 0, or 1 for a part number outside 1..20. */
int vu_StatusBarPart(HWND bar, int part, int width);
/* As vu_StatusBarPart, with text and border kind SUNKEN FLAT BAR (others: sunken); 0, or 1
   for a part number outside 1..20. */
int vu_StatusBarPartText(HWND bar, int part, int width, const char* kind, const char* text);
/* Sets the text of part 1..20 with border kind SUNKEN FLAT BAR (others: sunken) and redraws;
   0, or 1 for a part number outside 1..20. */
int vu_StatusBarSetText(HWND bar, int part, const char* kind, const char* text);
/* Copies the text of part 1..20 into buffer, which must hold it and its NUL; returns its
   length (0 and an empty buffer for a part number outside 1..20). */
int vu_StatusBarGetText(HWND bar, int part, char* buffer);
/* Gives the bar a font and redraws; returns 0. */
int vu_StatusBarSetFont(HWND bar, HFONT font);
/* The status bar family's vu_CreatePointFont: the same font; the caller owns it. */
HFONT vu_StatusBarCreatePointFont(HWND window, int points, int weight, int style, int reserved,
                                  const char* face);
/* Background colour of every status bar of the process (their shared class); returns 0. */
int vu_StatusBarSetColor(HWND bar, COLORREF colour);
/* Geometry members of the status bar: destroy, hide, show (SW_SHOW) as the push button's. */
int vu_StatusBarDestroy(HWND bar);
/* Hides the status bar; 1 when it was hidden already, else 0. */
int vu_StatusBarHide(HWND bar);
/* Shows the status bar (SW_SHOW); 1 when it was visible already, else 0. */
int vu_StatusBarShow(HWND bar);
/* Moves the bar to (0, y) and remembers y, where a finished part layout puts it back;
   0 moved, 1 failed. */
int vu_StatusBarMove(HWND bar, int y);
/* vu_Query.y := the bar's y in its parent's client area (vu_Query.x unchanged); returns 0. */
int vu_StatusBarGetPos(HWND bar);

/* ------------------------------------------------------------------------------------
 * List view
 * ---------------------------------------------------------------------------------- */
/* @@listview */
/* Rows count from 1, columns from 0. A cell read back holds 254 characters at most. */
/* Creates a report-style list view with editable first cells; with x, y, width and height all 0
   it fills the parent's client area. Returns the control, or null. */
HWND vu_ListView(HWND parent, int x, int y, int width, int height);
/* Sets the cells' text and text background colours and redraws; 0, or 1 when the redraw failed. */
int vu_ListViewSetColors(HWND list, COLORREF text, COLORREF background);
/* Inserts column number column with a width, alignment L C R (others: as the previous insertion,
   left at first) and header text; returns the new column's index, or -1. */
int vu_ListViewInsertColumn(HWND list, int width, const char* alignment, const char* text,
                            int column);
/* Deletes a column; returns 0. */
int vu_ListViewDeleteColumn(HWND list, int column);
/* The width of a column, or -1 when the platform answers more than 2,000. */
int vu_ListViewGetColumnWidth(HWND list, int column);
/* Inserts an empty row as row n (rows from n move down); 0, or 1 when the platform refused. */
int vu_ListViewInsertRow(HWND list, int row);
/* Sets cell (row, column), first inserting row n when this list view's last added row was
   another; 0, or 1 when the cell could not be set. */
int vu_ListViewAddCell(HWND list, const char* text, int row, int column);
/* Sets cell (row, column) without inserting; 0, or 1 when there is no such row. */
int vu_ListViewSetCell(HWND list, const char* text, int row, int column);
/* Copies cell (row, column) into buffer (255 bytes); returns its length. */
int vu_ListViewGetCell(HWND list, char* buffer, int row, int column);
/* Deletes row n; returns 0. */
int vu_ListViewDeleteRow(HWND list, int row);
/* Deletes every row; returns 0. */
int vu_ListViewDeleteAllRows(HWND list);
/* The number of rows. */
int vu_ListViewGetRowCount(HWND list);
/* The number of rows that fit in the visible area. */
int vu_ListViewGetCountPerPage(HWND list);
/* Redraws row n; 0 on success, 1 on failure. */
int vu_ListViewUpdateRow(HWND list, int row);
/* Focuses the list view and starts editing row n's first cell in place; 0 when an edit field
   opened, else 1. */
int vu_ListViewEditLabel(HWND list, int row);
/* The in-place edit field, or null when no label is being edited. */
HWND vu_ListViewGetEditControl(HWND list);
/* Focuses the list view and finds the first row whose first cell begins with text; its row
   number, or -1. */
int vu_ListViewFindRow(HWND list, const char* text);
/* Gives the list view a font and redraws; returns 0. */
int vu_ListViewSetFont(HWND list, HFONT font);
/* The list view family's vu_CreatePointFont: the same font; the caller owns it. */
HFONT vu_ListViewCreatePointFont(HWND window, int points, int weight, int style, int reserved,
                                 const char* face);
/* For WM_NOTIFY (other is compared with list: equal means nothing to do, answer 0): the clicked
   column 0..254 of an LVN_COLUMNCLICK, else -1. */
int vu_ListViewColumnClicked(HWND list, HWND other, const NMHDR* header);
/* For WM_NOTIFY: limits a started label edit to 255 characters and puts an accepted label into
   the row's first cell; returns 0. */
int vu_ListViewLabelEditNotify(HWND list, HWND other, const NMHDR* header);
/* For WM_NOTIFY: a click on column 0 sorts the sending list view (the first click since the last
   label edit with no order, later ones with a comparison that always answers 1); returns 0. */
int vu_ListViewSortNotify(HWND list, HWND other, const NMHDR* header);
/* Writes every row as one line, each cell (19 characters at most) followed by the separator
   COMMA POINT TAB SPACE STAR PLUS MINUS VLINE (others: none); mode WRITE or APPEND (others:
   WRITE). 0 done, 2 not opened, 3 write error. Fewer than 1 column: nothing is done, 0. */
int vu_ListViewSaveFile(HWND list, const char* mode, const char* path, int columns,
                        const char* separator);
/* Reads such lines into rows placed first in file order (mode WRITE deletes the rows first);
   separator as vu_ListViewSaveFile, another word splits on its first character (an empty word:
   one cell per line). Cells keep 254 characters; a line ends its row. 0 done, 2 not opened,
   3 read error, 4 the file has more than 30,000 characters (nothing changed). */
int vu_ListViewLoadFile(HWND list, const char* mode, const char* path, int columns,
                        const char* separator);
/* Geometry members of the list view: as the push button's, except that Move and Fit return the
   platform's result (non-zero on success) and Redraw always erases. */
int vu_ListViewDestroy(HWND list);
/* Hides the list view; 1 when it was hidden already, else 0. */
int vu_ListViewHide(HWND list);
/* Shows the list view (SW_SHOW); 1 when it was visible already, else 0. */
int vu_ListViewShow(HWND list);
/* Moves the list view to (x, y) in its parent's client area; the platform's result (non-zero on
   success). */
int vu_ListViewMove(HWND list, int x, int y);
/* Centres the list view in its parent's client area; returns 0. */
int vu_ListViewCenter(HWND list);
/* Leaves the list view's position in its parent's client area in vu_Query; returns 0. */
int vu_ListViewGetPos(HWND list);
/* Resizes the list view to width x height, keeping its position; 0 resized, 1 failed. */
int vu_ListViewResize(HWND list, int width, int height);
/* Leaves the list view's outer width and height in vu_Query; returns 0. */
int vu_ListViewGetSize(HWND list);
/* Places the list view at (x, y), sized to its parent's client area plus the deltas; the
   platform's result (non-zero on success). */
int vu_ListViewFit(HWND list, int x, int y, int width_delta, int height_delta);
/* Disables the list view; 1 when it was disabled already, else 0. */
int vu_ListViewDisable(HWND list);
/* Enables the list view; 1 when it was enabled already, else 0. */
int vu_ListViewEnable(HWND list);
/* Invalidates the whole list view with background erase; 0 on success, 1 on failure. */
int vu_ListViewRedraw(HWND list);

/* ------------------------------------------------------------------------------------
 * Combobox
 * ---------------------------------------------------------------------------------- */
/* @@combobox */
/* Entry numbers: 0 is the control's own text (edit field or drop-down caption), n >= 1 the list
   item at position n - 1. */
/* Creates a combobox of kind READDROP WRITEDROP READDROPSORT WRITEDROPSORT SIMPLE SIMPLESORT
   (others: no kind bit); returns the control, or null. */
HWND vu_ComboBox(HWND parent, int x, int y, int width, int height, const char* kind);
/* Limits the edit field to maximum characters; returns 0. */
int vu_ComboBoxLimitText(HWND combo, int maximum);
/* Adds an item (in sorted place for the sorted kinds); 0, or 1 when the list refused it. */
int vu_ComboBoxAddString(HWND combo, const char* text);
/* Entry 0: sets the control's text; entry n: inserts an item at position n - 1 (the items from
   there move down); 0, or 1 when the platform refused it. */
int vu_ComboBoxSetText(HWND combo, int entry, const char* text);
/* Copies an entry into buffer (255 bytes for entry 0, the item's length + 1 for an item);
   returns its length, or -1 when no item stands at that position. */
int vu_ComboBoxGetText(HWND combo, int entry, char* buffer);
/* The length of an entry (254 at most for entry 0), or -1 when no item stands there. */
int vu_ComboBoxGetTextLength(HWND combo, int entry);
/* The selected characters of the edit field (255 at most) in a buffer shared by all comboboxes
   and overwritten by the next call; with nothing selected at position 0, the previous answer. */
const char* vu_ComboBoxGetSelText(HWND combo);
/* Gives the control a font and redraws; returns 0. */
int vu_ComboBoxSetFont(HWND combo, HFONT font);
/* The combobox family's vu_CreatePointFont: the same font; the caller owns it. */
HFONT vu_ComboBoxCreatePointFont(HWND window, int points, int weight, int style, int reserved,
                                 const char* face);
/* Writes exactly the characters of one entry to path (created or emptied; entry 0 gives at most
   254): 0 done, 2 not created, 3 write failed or short, or no item at that entry. */
int vu_ComboBoxSaveFile(HWND combo, int entry, const char* path);
/* Sets entry 0 or inserts item n from the first 255 bytes of path (a missing file is created
   empty): 0 done, 2 not opened, 3 read failed or the item could not be placed, 4 the file has
   65,536 bytes or more (nothing changed). */
int vu_ComboBoxLoadFile(HWND combo, int entry, const char* path);
/* Geometry members of the combobox: as the push button's (show uses SW_SHOW, redraw always
   erases); vu_ComboBoxHasFocus is 0 when the control or its edit field has the focus, else 1. */
int vu_ComboBoxDestroy(HWND combo);
/* Hides the combobox; 1 when it was hidden already, else 0. */
int vu_ComboBoxHide(HWND combo);
/* Shows the combobox (SW_SHOW); 1 when it was visible already, else 0. */
int vu_ComboBoxShow(HWND combo);
/* Moves the combobox to (x, y) in its parent's client area, keeping its size; 0 moved, 1 failed. */
int vu_ComboBoxMove(HWND combo, int x, int y);
/* Centres the combobox in its parent's client area; returns 0. */
int vu_ComboBoxCenter(HWND combo);
/* Leaves the combobox's position in its parent's client area in vu_Query; returns 0. */
int vu_ComboBoxGetPos(HWND combo);
/* Resizes the combobox to width x height, keeping its position; 0 resized, 1 failed. */
int vu_ComboBoxResize(HWND combo, int width, int height);
/* Leaves the combobox's outer width and height in vu_Query; returns 0. */
int vu_ComboBoxGetSize(HWND combo);
/* Places the combobox at (x, y), sized to its parent's client area plus the deltas; 0 placed, 1
   failed. */
int vu_ComboBoxFit(HWND combo, int x, int y, int width_delta, int height_delta);
/* Disables the combobox; 1 when it was disabled already, else 0. */
int vu_ComboBoxDisable(HWND combo);
/* Enables the combobox; 1 when it was enabled already, else 0. */
int vu_ComboBoxEnable(HWND combo);
/* Invalidates the whole combobox with background erase; 0 on success, 1 on failure. */
int vu_ComboBoxRedraw(HWND combo);
/* Gives the combobox the keyboard focus; returns the window that had it before. */
HWND vu_ComboBoxSetFocus(HWND combo);
/* 0 when the combobox or its edit field has the keyboard focus, else 1. */
int vu_ComboBoxHasFocus(HWND combo);

/* ------------------------------------------------------------------------------------
 * Text editor and its printing
 * ---------------------------------------------------------------------------------- */
/* @@wordproc */
/* The record of the last find notification handled by the find dialog's message handler
   (null until then). The text editor's search reads its search text and FR_MATCHCASE from it;
   its storage lives with the editor so that the editor works without the find dialog. The
   record is commdlg.h's FINDREPLACEA, named here by its tag so that this header needs no more
   than windows.h. */
extern struct tagFINDREPLACEA* vu_FindRequest;
/* Creates a multi-line editor (class "EDIT", id 1, sunken edge, no text) in the parent; scroll
   words: NOSCROLL HSCROLL VSCROLL VHSCROLL (others: no scroll bars). The limit is maximum
   characters capped at 65,535 (0: the platform's own maximum). x + y + width + height = 0
   fills the parent's client area. Returns the editor, or null. */
HWND vu_WordProcSimple(HWND parent, int x, int y, int width, int height, const char* scroll,
                       int maximum);
/* Destroys the editor and creates a new one in its parent with its text, a frame (FLAT
   SMAL_SUNKEN SUNKEN MAX_SUNKEN DOUBLE_EDGE BAR EDGE; others: FLAT), scroll words as
   vu_WordProcSimple and the limit maximum uncapped (0: the platform's own). A non-zero maximum
   not above the old limit keeps maximum - 1 characters and shows an error message box.
   Returns the new editor (use it from then on), or null. */
HWND vu_WordProcSimpleModify(HWND editor, int x, int y, int width, int height,
                             const char* frame, const char* scroll, int maximum);
/* Replaces the editor's window procedure; returns the previous one. */
WNDPROC vu_WordProcSetWndProc(HWND editor, WNDPROC procedure);
/* Sets the left margin in pixels; returns the old margins (left low word, right high word). */
int vu_WordProcSetMargin(HWND editor, int left);
/* Sets count tab stops (0..255, more count as 255) at step, 2 x step, ... dialog units and
   repaints; 0 restores the default stops. Returns 0. */
int vu_WordProcSetTabs(HWND editor, int count, int step);
/* Sets the limit (capped at 65,535; 0: the platform's own maximum); returns the old limit. */
int vu_WordProcSetLimit(HWND editor, int maximum);
/* The editor's limit in characters. */
int vu_WordProcGetLimit(HWND editor);
/* Colour handler for the parent's WM_CTLCOLOREDIT: when control is this editor, sets the text
   and background colours of dc and makes a solid brush of back (the previous one is deleted).
   Returns the current brush (null before the first colouring). */
HBRUSH vu_WordProcColor(HWND editor, COLORREF text, COLORREF back, HDC dc, HWND control);
/* "OFF" makes the editor read-only, "ON" editable; 0 done, 1 refused or any other word. */
int vu_WordProcWritable(HWND editor, const char* mode);
/* Sets the whole text (null: empty); 0 done, 1 refused. */
int vu_WordProcSetText(HWND editor, const char* text);
/* Copies the text into buffer (at least the editor's limit in bytes; at most limit - 1
   characters and a NUL are written); returns the characters copied (0 for a null buffer). */
int vu_WordProcGetText(HWND editor, char* buffer);
/* The length of the text, at most the limit: a full editor answers its whole length. */
int vu_WordProcGetTextLength(HWND editor);
/* The selected text (empty when nothing is selected); it belongs to the toolkit and stays valid
   until the next call. */
const char* vu_WordProcGetSelText(HWND editor);
/* Sets the font: (HFONT)0 .. (HFONT)4 select the stock fonts SYSTEM_FONT ANSI_FIXED_FONT
   ANSI_VAR_FONT DEFAULT_GUI_FONT OEM_FIXED_FONT, any other value is a font handle; redraws.
   Returns 0. */
int vu_WordProcSetFont(HWND editor, HFONT font);
/* Writes the text byte for byte into path and clears the modified flag; 0 done, 2 not created,
   3 write failed (the flag is kept). */
int vu_WordProcSaveFile(HWND editor, const char* path);
/* Replaces the text by the file's bytes (a missing file is created empty) and clears the
   modified flag; 0 done, 2 not opened, 3 read failed or the file holds a NUL byte, 4 the file
   has 65,536 bytes or more, or more than the editor's limit. On 2, 3 and 4 the editor keeps its
   text: it is never loaded shortened. */
int vu_WordProcLoadFile(HWND editor, const char* path);
/* 1 when the text was modified, else 0. */
int vu_WordProcIsModified(HWND editor);
/* "ON" sets, "OFF" clears the modified flag (others: nothing); returns 0. */
int vu_WordProcSetModified(HWND editor, const char* mode);
/* 1 when the selection is not empty, else 0. */
int vu_WordProcHasSelection(HWND editor);
/* Deletes the selection; returns 0. */
int vu_WordProcClear(HWND editor);
/* Selects the characters first .. last (counted from 1); returns last - first + 1. */
int vu_WordProcSelect(HWND editor, int first, int last);
/* Selects the whole text; returns 0. */
int vu_WordProcSelectAll(HWND editor);
/* Searches from the selection (source 1: text and FR_MATCHCASE from vu_FindRequest), direction
   "D" down or "U" up, case "M" match case (others: ignore case). A window of the selection's
   length (of the text's length when nothing is selected) moves one character before each
   comparison; a match is selected. 0 found, 1 passed the end, -1 passed the start, 2 empty
   search text and no selection, 3 empty editor. */
int vu_WordProcFind(HWND editor, const char* text, int source, const char* direction,
                    const char* match);
/* The caret's line counted from 1 (the editor should have the focus); 0 when unknown. */
int vu_WordProcCaretLine(HWND editor);
/* The caret's character position in the text counted from 1; 0 when unknown. */
int vu_WordProcCaretPos(HWND editor);
/* 1 when there is an edit to undo, else 0. */
int vu_WordProcCanUndo(HWND editor);
/* Forgets the edit to undo; returns 0. */
int vu_WordProcEmptyUndo(HWND editor);
/* 1 when the clipboard holds text, else 0. */
int vu_WordProcCanPaste(void);
/* Undoes the last edit and returns 1; with nothing to undo beeps (MB_ICONEXCLAMATION) and
   returns 0. */
int vu_WordProcUndo(HWND editor);
/* Moves the selection to the clipboard; returns 0. */
int vu_WordProcCut(HWND editor);
/* Copies the selection to the clipboard; returns 0. */
int vu_WordProcCopy(HWND editor);
/* Replaces the selection by the clipboard's text; returns 0. */
int vu_WordProcPaste(HWND editor);
/* The text editor family's vu_CreatePointFont: the same font; the caller owns it. */
HFONT vu_WordProcCreatePointFont(HWND window, int points, int weight, int style, int reserved,
                                 const char* face);
/* Destroys the editor; 0 when destroyed, 1 when that failed. */
int vu_WordProcDestroy(HWND editor);
/* Hides the editor as vu_WindowHide does (it goes to 0, 0); 0 done, 1 failed. */
int vu_WordProcHide(HWND editor);
/* Shows the editor (SW_SHOW); 1 when it was visible already, else 0. */
int vu_WordProcShow(HWND editor);
/* Moves the editor to x, y in its parent's client area; 0 moved, 1 failed. */
int vu_WordProcMove(HWND editor, int x, int y);
/* Centres the editor in its parent's client area; returns 0. */
int vu_WordProcCenter(HWND editor);
/* Puts the editor's position in its parent's client area into vu_Query; returns 0. */
int vu_WordProcGetPos(HWND editor);
/* Gives the editor an outer width and height; 0 resized, 1 failed. */
int vu_WordProcResize(HWND editor, int width, int height);
/* Puts the editor's outer width and height into vu_Query; returns 0. */
int vu_WordProcGetSize(HWND editor);
/* Places the editor at x, y, sized to the parent's client area plus the deltas; 0 placed,
   1 failed. */
int vu_WordProcFit(HWND editor, int x, int y, int width_delta, int height_delta);
/* Disables the editor; 1 when it was disabled already, else 0. */
int vu_WordProcDisable(HWND editor);
/* Enables the editor; 1 when it was enabled already, else 0. */
int vu_WordProcEnable(HWND editor);
/* Invalidates the whole editor with erase; 0 done, 1 failed. */
int vu_WordProcRedraw(HWND editor);
/* Gives the editor the keyboard focus; returns the window that had it before. */
HWND vu_WordProcSetFocus(HWND editor);
/* The editor when it has the keyboard focus, else null. */
HWND vu_WordProcHasFocus(HWND editor);
/* Prints the editor's text, laid out anew at the page's width, on the default printer
   (source 0: the selection when one is made, else the whole text) or on the printer of the
   last confirmed vu_PrintDialog (source 1: its selection choice, copies and collation). Margins
   are in units of 11 printer pixels; percentage 100 is normal size (at least 20); font as for
   vu_WordProcSetFont, with face and effects from the font chooser's record. The font stays the
   caller's. A job that reached the printer on source 1 deletes the dialog's device context
   (each such job needs a new dialog); an early return leaves it for the next job. A page too
   small for one line gets one line; a laid-out line is printed up to
   2,500 characters. 0 done, 1 percentage below 20, 2 no text to print, 3 no printer device
   context, the printer refused the job or a page could not be started. */
int vu_WordProcPrint(HWND editor, int left, int top, int right, int bottom, const char* document,
                     int percentage, HFONT font, int source);

/* ------------------------------------------------------------------------------------
 * Text and fonts
 * ---------------------------------------------------------------------------------- */
/* @@text */
/* Chooses where every drawing call draws: "CLIENT" the client area (initial), "WINDOW" the
   whole window, frame and caption included (others: no change). window is not used; returns 0.
   Every drawing call given a null or destroyed window draws nothing and returns as usual. */
int vu_SetDrawArea(HWND window, const char* area);
/* Draws text with its top-left corner at (x, y) in colour; a null font (or a value that is no
   font) keeps the context's font; background 0 is transparent, any other colour an opaque box
   behind the text. Returns 0. */
int vu_TextOut(HWND window, int x, int y, const char* text, COLORREF color, HFONT font,
               COLORREF background);
/* Draws text raised: in white at (x, y), then in colour at (x + offset, y + offset), offset
   clamped to -3..3, always transparent (background is not used). Returns 0. */
int vu_TextOut3D(HWND window, int x, int y, int offset, const char* text, COLORREF color,
                 HFONT font, COLORREF background);
/* Draws text one character under the other: character i at (x, y + i * step); colour, font
   and background as vu_TextOut. Returns 0. */
int vu_TextOutVertical(HWND window, int x, int y, int step, const char* text, COLORREF color,
                       HFONT font, COLORREF background);
/* vu_TextOutVertical drawn raised as vu_TextOut3D (offset clamped to -3..3, transparent). Returns 0. */
int vu_TextOutVertical3D(HWND window, int x, int y, int step, int offset, const char* text,
                         COLORREF color, HFONT font, COLORREF background);
/* Draws value as printf's "%.<decimals>f" (decimals above 8 give 8; negative decimals draw
   nothing) exactly as vu_TextOut draws text. Returns 0. */
int vu_NumberOut(HWND window, int x, int y, double value, int decimals, COLORREF color,
                 HFONT font, COLORREF background);
/* Creates a font: height and width in pixels, angle in tenths of a degree, weight 100..900,
   style 0 1 2 3 12 13 23 123 (digits: 1 italic, 2 underline, 3 strike-out; other codes plain).
   reserved is not used. Returns the font (the caller deletes it), or null. */
HFONT vu_CreateFont(int height, int width, int angle, int weight, int style, int reserved,
                    const char* face);
/* Creates a font of points size at the window's vertical dots per inch (a null window: the
   screen's); weight and style as vu_CreateFont. Returns the font, or null (also for a window
   that no longer exists). */
HFONT vu_CreatePointFont(HWND window, int points, int weight, int style, int reserved,
                         const char* face);

/* ------------------------------------------------------------------------------------
 * Lines, frames and pictures
 * ---------------------------------------------------------------------------------- */
/* @@lines */
/* Draws a solid one-pixel line from (x1, y1) up to but not including (x2, y2); leaves
   (x2, y2) in vu_Query. Returns 0. */
int vu_Line(HWND window, int x1, int y1, int x2, int y2, COLORREF color);
/* Dashed, dotted, dash-dot and dash-dot-dot lines as vu_Line; background 0 leaves the gaps
   untouched, another colour fills them. Leave (x2, y2) in vu_Query; return 0. */
int vu_LineDash(HWND window, int x1, int y1, int x2, int y2, COLORREF color, COLORREF background);
/* Dotted line as vu_LineDash (background 0: gaps untouched); leaves (x2, y2) in vu_Query, returns
   0. */
int vu_LineDot(HWND window, int x1, int y1, int x2, int y2, COLORREF color, COLORREF background);
/* Dash-dot line as vu_LineDash (background 0: gaps untouched); leaves (x2, y2) in vu_Query,
   returns 0. */
int vu_LineDashDot(HWND window, int x1, int y1, int x2, int y2, COLORREF color,
                   COLORREF background);
/* Dash-dot-dot line as vu_LineDash (background 0: gaps untouched); leaves (x2, y2) in vu_Query,
   returns 0. */
int vu_LineDashDotDot(HWND window, int x1, int y1, int x2, int y2, COLORREF color,
                      COLORREF background);
/* Draws a shaded separator of length pixels: direction "RIGHT" or "DOWN" (others: nothing);
   style "LOWER" sunken, any other word raised; thickness t paints rows (columns) 0 and t + 1,
   and 1 and t when t > 1. Returns 0. */
int vu_Line3D(HWND window, int x, int y, int length, const char* direction, const char* style,
              int thickness);
/* Draws a double frame, outer rectangle at (x, y) and inner one inset + 1 pixels inside:
   "LOWER" a groove, any other word (such as "UPPER") a ridge. Returns 0. */
int vu_Frame3D(HWND window, int x, int y, int width, int height, const char* style, int inset);
/* Draws the named icon of the window's module (a name or MAKEINTRESOURCE id) at its own size
   with its top-left corner at (x, y); a missing icon draws nothing. Returns 0. */
int vu_DrawIcon(HWND window, int x, int y, const char* icon);
/* Draws a predefined icon (IDI_APPLICATION, IDI_HAND, ...) at (x, y). Returns 0. */
int vu_DrawSystemIcon(HWND window, int x, int y, const char* icon);
/* Copies the named bitmap of the window's module unscaled to (x, y); a missing bitmap draws
   nothing. Returns 0. */
int vu_DrawBitmap(HWND window, int x, int y, const char* bitmap);
/* Copies the named bitmap scaled to width by height at (x, y). Returns 0. */
int vu_DrawBitmapStretched(HWND window, int x, int y, int width, int height, const char* bitmap);
/* Sets the pixel (x, y) to colour and leaves (x, y) in vu_Query. Returns 0. */
int vu_SetPixel(HWND window, int x, int y, COLORREF color);

/* ------------------------------------------------------------------------------------
 * Menus
 * ---------------------------------------------------------------------------------- */
/* @@menu */
/* Menu calls return 0 when the platform call succeeded and 1 when it failed, unless noted.
   Positions count from 1 (0 means after the last item for the insert calls); modify, check
   and gray calls find the item by its command identifier and replace it whole. Bitmap names
   are resources of the module that created the window (system menu) or the active window. */
/* Appends a text item to the window's system menu (WM_SYSCOMMAND with id when chosen). */
int vu_SysMenuAppend(HWND window, const char* text, UINT id);
/* Appends a checked text item to the window's system menu. */
int vu_SysMenuAppendChecked(HWND window, const char* text, UINT id);
/* Appends a greyed text item to the window's system menu. */
int vu_SysMenuAppendGrayed(HWND window, const char* text, UINT id);
/* Appends a separator to the window's system menu. */
int vu_SysMenuAppendSeparator(HWND window);
/* Appends a checked text item with the bitmap beside it (checked and unchecked) to the system menu. */
int vu_SysMenuAppendMarkBitmap(HWND window, const char* bitmap, const char* text, UINT id);
/* Appends an item showing the bitmap to the window's system menu. */
int vu_SysMenuAppendBitmap(HWND window, const char* bitmap, UINT id);
/* Inserts a text item at the position of the window's system menu. */
int vu_SysMenuInsert(HWND window, int position, const char* text, UINT id);
/* Inserts a checked text item at the position of the window's system menu. */
int vu_SysMenuInsertChecked(HWND window, int position, const char* text, UINT id);
/* Inserts a greyed text item at the position of the window's system menu. */
int vu_SysMenuInsertGrayed(HWND window, int position, const char* text, UINT id);
/* Inserts a separator at the position of the window's system menu. */
int vu_SysMenuInsertSeparator(HWND window, int position);
/* Inserts an item showing the bitmap at the position of the window's system menu. */
int vu_SysMenuInsertBitmap(HWND window, int position, const char* bitmap, UINT id);
/* Inserts a checked text item with the bitmap beside it at the position of the system menu. */
int vu_SysMenuInsertMarkBitmap(HWND window, int position, const char* bitmap, const char* text,
                               UINT id);
/* Makes the system-menu item id an enabled, unchecked text item with the text. */
int vu_SysMenuModify(HWND window, const char* text, UINT id);
/* Makes the system-menu item id a greyed, unchecked text item with the text. */
int vu_SysMenuGray(HWND window, const char* text, UINT id);
/* Makes the system-menu item id an enabled, unchecked text item with the text. */
int vu_SysMenuEnable(HWND window, const char* text, UINT id);
/* Makes the system-menu item id a checked text item with the bitmap beside it. */
int vu_SysMenuCheckMarkBitmap(HWND window, const char* bitmap, const char* text, UINT id);
/* Makes the system-menu item id a checked text item with the text. */
int vu_SysMenuCheck(HWND window, const char* text, UINT id);
/* Makes the system-menu item id an enabled, unchecked text item with the text. */
int vu_SysMenuUncheck(HWND window, const char* text, UINT id);
/* Makes the system-menu item id an item showing the bitmap. */
int vu_SysMenuModifyBitmap(HWND window, const char* bitmap, UINT id);
/* Deletes the item at the position of the window's system menu. */
int vu_SysMenuDelete(HWND window, int position);

/* Creates an empty menu (for a menu bar or pop-up menus); returns it, or null. */
HMENU vu_CreateMenu(void);
/* Attaches the menu as the window's menu bar; a window without one first grows by one
   menu-bar height so its client area keeps its size. 0 attached, 1 failed. */
int vu_SetMenuBar(HWND window, HMENU menu);
/* Appends a new empty sub-menu with the text to the menu; returns it, or null when it
   could not be added. */
HMENU vu_AppendSubMenu(HMENU menu, const char* text);
/* Inserts a new empty sub-menu with the text at the position and redraws the active
   window's menu bar; returns it, or null when it could not be added. */
HMENU vu_InsertSubMenu(HMENU menu, int position, const char* text);
/* Turns the item at the position into a new empty sub-menu with the text and redraws the
   active window's menu bar; returns it, or null when there is no such item. */
HMENU vu_ReplaceWithSubMenu(HMENU menu, int position, const char* text);
/* Deletes the item at the position (a sub-menu with it). */
int vu_MenuDelete(HMENU menu, int position);
/* Deletes the item at the position and redraws the active window's menu bar. */
int vu_MenuBarDelete(HMENU menu, int position);
/* Takes the menu off the window (which shrinks by one menu-bar height) when it is the
   window's menu bar, and destroys it with its sub-menus. 0 destroyed, 1 failed. */
int vu_RemoveMenuBar(HWND window, HMENU menu);
/* When the screen point (packed as a mouse message's lParam) lies in the rectangle of the
   active window's client area (right and bottom exclusive), shows the menu's sub-menu at
   the 0-based index there; the chosen item reaches the active window as WM_COMMAND.
   0 shown, 1 not shown or failed. */
int vu_PopupMenu(HMENU menu, LPARAM point, int sub_menu, int left, int top, int right,
                 int bottom);

/* Appends a text item to the menu (WM_COMMAND with id when chosen). */
int vu_MenuAppend(HMENU menu, const char* text, UINT id);
/* Appends a checked text item to the menu. */
int vu_MenuAppendChecked(HMENU menu, const char* text, UINT id);
/* Appends a greyed text item to the menu. */
int vu_MenuAppendGrayed(HMENU menu, const char* text, UINT id);
/* Appends a separator to the menu. */
int vu_MenuAppendSeparator(HMENU menu);
/* Appends a checked text item with the bitmap beside it (checked and unchecked). */
int vu_MenuAppendMarkBitmap(HMENU menu, const char* bitmap, const char* text, UINT id);
/* Appends an item showing the bitmap. */
int vu_MenuAppendBitmap(HMENU menu, const char* bitmap, UINT id);
/* Appends a checked, greyed text item with the bitmap beside it. */
int vu_MenuAppendMarkBitmapGrayed(HMENU menu, const char* bitmap, const char* text, UINT id);
/* Appends a checked item showing the bitmap. */
int vu_MenuAppendBitmapChecked(HMENU menu, const char* bitmap, UINT id);
/* Appends a greyed item showing the bitmap. */
int vu_MenuAppendBitmapGrayed(HMENU menu, const char* bitmap, UINT id);
/* Inserts a text item at the position (1 first; 0 after the last). */
int vu_MenuInsert(HMENU menu, int position, const char* text, UINT id);
/* Inserts a checked text item at the position. */
int vu_MenuInsertChecked(HMENU menu, int position, const char* text, UINT id);
/* Inserts a greyed text item at the position. */
int vu_MenuInsertGrayed(HMENU menu, int position, const char* text, UINT id);
/* Inserts a separator at the position. */
int vu_MenuInsertSeparator(HMENU menu, int position);
/* Inserts an unchecked text item with the bitmap beside it at the position. */
int vu_MenuInsertMarkBitmap(HMENU menu, int position, const char* bitmap, const char* text,
                            UINT id);
/* Inserts a greyed text item with the bitmap beside it at the position. */
int vu_MenuInsertMarkBitmapGrayed(HMENU menu, int position, const char* bitmap,
                                  const char* text, UINT id);
/* Inserts an item showing the bitmap at the position. */
int vu_MenuInsertBitmap(HMENU menu, int position, const char* bitmap, UINT id);
/* Inserts a checked item showing the bitmap at the position. */
int vu_MenuInsertBitmapChecked(HMENU menu, int position, const char* bitmap, UINT id);
/* Inserts a greyed item showing the bitmap at the position. */
int vu_MenuInsertBitmapGrayed(HMENU menu, int position, const char* bitmap, UINT id);
/* Makes item id an enabled, unchecked text item with the text. */
int vu_MenuModify(HMENU menu, const char* text, UINT id);
/* Makes item id a greyed, unchecked text item with the text; with a null text only clears
   its check mark. 0 done, 1 no such item (both ways). */
int vu_MenuGray(HMENU menu, const char* text, UINT id);
/* Makes item id an enabled, unchecked text item; with a null text only clears its check
   mark. 0 done, 1 no such item. */
int vu_MenuEnable(HMENU menu, const char* text, UINT id);
/* Makes item id a checked text item; with a null text only sets its check mark.
   0 done, 1 no such item. */
int vu_MenuCheck(HMENU menu, const char* text, UINT id);
/* Makes item id an enabled, unchecked text item; with a null text only clears its check
   mark. 0 done, 1 no such item. */
int vu_MenuUncheck(HMENU menu, const char* text, UINT id);
/* Makes item id a checked text item with the bitmap beside it; with a null text only sets
   its check mark and the bitmap. 0 done, 1 no such item. */
int vu_MenuCheckMarkBitmap(HMENU menu, const char* bitmap, const char* text, UINT id);
/* Makes item id a checked, greyed text item with the bitmap beside it; with a null text
   only sets its check mark and the bitmap. 0 done, 1 no such item. */
int vu_MenuCheckMarkBitmapGrayed(HMENU menu, const char* bitmap, const char* text, UINT id);
/* Makes item id an enabled, unchecked item showing the bitmap. */
int vu_MenuModifyBitmap(HMENU menu, const char* bitmap, UINT id);
/* Makes item id a checked item showing the bitmap. */
int vu_MenuModifyBitmapChecked(HMENU menu, const char* bitmap, UINT id);
/* Makes item id a greyed item showing the bitmap. */
int vu_MenuModifyBitmapGrayed(HMENU menu, const char* bitmap, UINT id);

/* ------------------------------------------------------------------------------------
 * File and folder choosers
 * ---------------------------------------------------------------------------------- */
/* @@choosers */
/* Full path chosen in the open chooser (after a multiple choice: the folder, then each name,
   each terminated, closed by one more terminator); its content on entry is the initial name. */
extern char vu_OpenPath[MAX_PATH];
/* Name and extension, without folder, of the file chosen in the open chooser. */
extern char vu_OpenName[MAX_PATH];
/* Full path chosen in the save chooser. */
extern char vu_SavePath[MAX_PATH];
/* Name and extension, without folder, of the file chosen in the save chooser. */
extern char vu_SaveName[MAX_PATH];
/* Opens the file chooser for opening. Filter words: OWN_FILTER (own_filter, a list of display
   text and pattern pairs, each terminated, closed by one more terminator) NONE_FILTER TXT_FILTER
   ALL_FILTER C_DEV_FILTER (others: the filter of the previous call). Result words: FILENAME
   and PATH put vu_OpenName or vu_OpenPath into the owner's text, also after a cancel (others
   or null: nothing). Returns 0 when a file was chosen, 1 when cancelled or the chooser failed. */
int vu_FileOpenDialog(HWND owner, const char* title, const char* result, const char* filter,
                      const char* own_filter);
/* Opens the file chooser for saving, with vu_SavePath and vu_SaveName and the words of
   vu_FileOpenDialog; the result word is applied only after a choice. Returns 0 chosen, 1 not. */
int vu_FileSaveDialog(HWND owner, const char* title, const char* result, const char* filter,
                      const char* own_filter);
/* Opens the folder chooser and writes the chosen folder's path into path (MAX_PATH characters).
   Words: FILFOLDERS PRINTERS NONETWORK ANCESTOR FILSYSTEM (others: no restriction). Returns
   0 chosen, 1 cancelled (path unchanged; also for a null path), 2 the item has no file-system
   path (path holds its display name), 3 the shell's allocator was not available. */
int vu_FolderDialog(HWND owner, const char* title, char* path, const char* folder);

/* ------------------------------------------------------------------------------------
 * Message boxes
 * ---------------------------------------------------------------------------------- */
/* @@messagebox */
/* Shows text under caption with one OK button and no icon. Option word D empties text after
   the box has closed (others, such as N: nothing more). Returns 0. */
int vu_MessageBox(HWND owner, const char* caption, char* text, const char* option);
/* Asks a question. Icon words: EXCLAMATION INFORMATION QUESTION STOP (others: no icon). Button
   sets name the buttons left to right, the upper-case word the default: OK OK_help ok_HELP
   OK_cancel ok_CANCEL OK_cancel_help ok_CANCEL_help ok_cancel_HELP RETRY_cancel retry_CANCEL
   RETRY_cancel_help retry_CANCEL_help retry_cancel_HELP YES_no yes_NO YES_no_help yes_NO_help
   yes_no_HELP YES_no_cancel yes_NO_cancel yes_no_CANCEL YES_no_cancel_help yes_NO_cancel_help
   yes_no_CANCEL_help yes_no_cancel_HELP CANCEL_retry_ignore cancel_RETRY_ignore
   cancel_retry_IGNORE CANCEL_retry_ignore_help cancel_RETRY_ignore_help
   cancel_retry_IGNORE_help cancel_retry_ignore_HELP ("cancel" before retry/ignore is Abort;
   others: one OK button). Returns 1 no, 2 ignore, 3 retry, 4 yes, 5 ok, 6 cancel or abort,
   0 when the box could not be shown. */
int vu_MessageAsk(HWND owner, const char* caption, const char* text, const char* icon,
                  const char* buttons);

/* ------------------------------------------------------------------------------------
 * Other standard dialogs, posted messages and the cursor
 * ---------------------------------------------------------------------------------- */
/* @@dialogs */
/* The colour chooser's 16 custom colours (0x00BBGGRR), all black at start; what the user
   changes in one vu_ColorDialog call is offered again in the next. */
extern COLORREF vu_CustomColors[16];
/* Request and answer of vu_PrintDialog: after a confirmed dialog it holds the printer's device
   context (the caller's to delete), the flags as the user left them (PD_SELECTION, PD_COLLATE)
   and the number of copies. The record is commdlg.h's PRINTDLGA, named by its tag so that this
   header needs no more than windows.h; include commdlg.h to read it. */
extern struct tagPDA vu_PrintRequest;
/* Opens the colour chooser (white first, custom-colour part open, vu_CustomColors offered);
   returns the chosen colour, or 0 when cancelled (the same as choosing black). */
COLORREF vu_ColorDialog(HWND owner);
/* Opens the font chooser with font's description (screen fonts). Effects word: ON (strike-out,
   underline, colour choices; others: none). Script word: OFF (no script list; others: list).
   Returns a new font the caller owns, or font itself when cancelled. */
HFONT vu_FontDialog(HWND owner, const char* effects, const char* script, HFONT font);
/* Opens the print dialog owned by window's owner (GWL_HWNDPARENT), copies 1, no print-to-file
   box, asking for a device context; returns 1 when the user confirmed (see vu_PrintRequest),
   0 when cancelled or failed. */
int vu_PrintDialog(HWND window);
/* Opens the modeless find dialog (direction down, no whole-word box) owned by owner with the
   edit window's selection as search text; its notifications reach the owner as the registered
   message "commdlg_FindReplace". Returns the dialog, or null when the selection is longer than
   256 characters or the dialog could not be made. */
HWND vu_FindDialog(HWND owner, HWND edit);
/* Handles one message of the owner's window procedure for the find dialog: for a find
   notification, points vu_FindRequest at its record and posts WM_COMMAND with down_id (direction
   down) or up_id (direction up) to receiver. Returns 1 when a command was posted, 2 when the
   search text was longer than 256 characters (the dialog is then destroyed), else 0. The edit
   window is not used. */
int vu_FindMessage(HWND receiver, HWND dialog, HWND edit, LPARAM lparam, UINT message, int up_id,
                   int down_id);
/* Runs the modal dialog "MODAL_DIALOG" of the owner's module (its instance, GWL_HINSTANCE), shown
   with the caption "Tillverkad från dialog"; OK, Cancel or closing it ends it. Returns that
   instance at once when the module has no such dialog, else when the dialog has ended. */
HINSTANCE vu_ResourceDialog(HWND owner);
/* Posts a message to the window's queue; 0 when the platform accepted it, 1 when not. */
int vu_PostMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
/* Returns code when the mouse cursor lies strictly inside the rectangle x, y, width, height of
   the window's client area (its edges are outside), else 0. */
int vu_CursorIn(HWND window, int x, int y, int width, int height, int code);
/* Leaves the mouse cursor's position in the window's client coordinates in vu_Query; returns 0. */
int vu_CursorPos(HWND window);

/* ------------------------------------------------------------------------------------
 * Settings file and file copy
 * ---------------------------------------------------------------------------------- */
/* @@settings */
/* Reads one key of a profile file (a bare name lies in the Windows directory) into buffer,
   cut to size - 1 characters, trailing blanks and enclosing quotes removed; returns the
   characters placed (0 for a missing file, section or key, and for an empty value). */
int vu_SettingsRead(const char* file, const char* section, const char* key, char* buffer,
                    int size);
/* Writes one key of a profile file, creating file and section as needed; 0 done, 1 failed. */
int vu_SettingsWrite(const char* file, const char* section, const char* key, const char* value);
/* Copies source onto destination (window unused). Words: SAVE_IF_EXIST (replace an existing
   destination) NO_SAVE_IF_EXIST (only when the destination is absent); 0 copied, 1 not copied
   (also for any other word). */
int vu_FileCopy(HWND window, const char* destination, const char* source, const char* mode);
/* Deletes a file; 0 deleted, 3 failed. */
int vu_FileRemove(const char* path);

/* ------------------------------------------------------------------------------------
 * String helpers
 * ---------------------------------------------------------------------------------- */
/* @@strings */
/* The difference record of vu_StrCompareDiff: positions 0..255 at most, no terminator written. */
extern char vu_DiffSame[256];
extern char vu_DiffFirst[256];
extern char vu_DiffSecond[256];
extern int vu_DiffLength;
/* vu_StrCompare, and fills the difference record for the second text's positions (the first
   256 of them): same characters in vu_DiffSame, the first text's differing characters in
   vu_DiffFirst, the second text's characters beyond the first's end in vu_DiffSecond, '='
   elsewhere; vu_DiffLength = length of second - length of first. */
int vu_StrCompareDiff(const char* first, const char* second, int mode);
/* Compares two texts: mode 0 ignoring case, 1 with case (locale-aware); negative, 0 or
   positive. Any other mode gives 0. */
int vu_StrCompare(const char* first, const char* second, int mode);
/* Appends text to destination (which must have room); returns destination. */
char* vu_StrAppend(char* destination, const char* text);
/* Copies the first count characters of source (all of it when count <= 0) into destination;
   returns destination. */
char* vu_StrCopyN(char* destination, const char* source, int count);
/* Number of characters of text. */
int vu_StrLength(const char* text);
/* Converts text in place: mode 0 to lower case, 1 to upper case, returning its length; any
   other mode leaves it and returns the length of fallback. */
int vu_StrCase(int mode, const char* fallback, char* text);
/* Class of the character at position: 0 blank, 1 other, 2 digit, 3 lower-case letter,
   4 upper-case letter (Windows-1252); a position outside the text gives 1. */
int vu_CharClass(const char* text, int position);
/* The character at position as a signed value (bytes 128..255 negative); 0 outside the text. */
int vu_CharAt(const char* text, int position);
/* Length of text plus one for every line feed and every tab. */
int vu_StrTextSize(const char* text);
/* Number of line feeds in text. */
int vu_StrCountLines(const char* text);
/* Number of line feeds in text minus one. */
int vu_StrLastLine(const char* text);
/* Writes value in decimal into destination; returns destination. */
char* vu_IntToText(char* destination, int value);
/* Appends values to destination as format says (%i %u %l %U integers, %f doubles whose
   decimals are the format's digits in order, 2 by default, %s texts; other characters add
   nothing), then a line feed; returns destination. */
char* vu_FormatValues(char* destination, const char* format, ...);

/* ------------------------------------------------------------------------------------
 * Text files and memory
 * ---------------------------------------------------------------------------------- */
/* @@textfiles */
/* Writes text as the whole content of a text file; 0 done, 2 not opened, 3 write error. */
int vu_TextFileWrite(const char* path, const char* text);
/* Adds text to an existing text file: an empty file gets the text alone, any other file the
   text and a line feed at its end; 0 done (also for the empty text), 2 not opened, 3 error. */
int vu_TextFileAddLine(const char* path, const char* text);
/* Empties a text file (creating it); 0 done, 2 not opened, 3 write error. */
int vu_TextFileClear(const char* path);
/* Appends a text file's whole content to destination (which must have room); 0 done,
   2 not opened, 3 read error. */
int vu_TextFileRead(const char* path, char* destination);
/* Number of lines (pieces of at most 1999 characters); -2 not opened, -3 read error. */
int vu_TextFileLineCount(const char* path);
/* Number of lines minus one, never below 0; -2 not opened, -3 read error. */
int vu_TextFileLastLine(const char* path);
/* Number of characters read in text mode; -2 not opened, -3 read error. */
int vu_TextFileLength(const char* path);
/* Number of characters plus number of lines; -2 not opened, -3 read error. */
int vu_TextFileTextSize(const char* path);
/* count cells of 4 zero bytes, or null (also for a negative count); release with vu_Free. */
void* vu_AllocCells(int count);
/* vu_AllocCells typed as 32-bit integers. */
int* vu_AllocInts(int count);
/* vu_AllocCells typed as 32-bit long integers. */
long* vu_AllocLongs(int count);
/* vu_AllocCells typed as single-precision floats. */
float* vu_AllocFloats(int count);
/* Releases memory from the vu_Alloc calls (null allowed); returns 0. */
int vu_Free(void* memory);

#ifdef __cplusplus
}
#endif

#endif /* VU_H */
