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

/* ------------------------------------------------------------------------------------
 * Control geometry members and push buttons
 * ---------------------------------------------------------------------------------- */
/* @@button */

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
/* The edit fields' and password fields' window procedures. */
LRESULT CALLBACK vu_EditProc(HWND field, UINT message, WPARAM wparam, LPARAM lparam);
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
   65,536 bytes or more. On 2, 3 and 4 the field keeps its text. */
int vu_EditLoadFile(HWND field, const char* path);
/* Geometry members (see the push button's): destroy 0/1, hide/show 1 when already so,
   move/resize/fit 0/1, centre 0, position/size into vu_Query, disable/enable 1 when already
   so, redraw with erase 0/1, set focus -> the window that had it. */
int vu_EditDestroy(HWND field);
int vu_EditHide(HWND field);
int vu_EditShow(HWND field);
int vu_EditMove(HWND field, int x, int y);
int vu_EditCenter(HWND field);
int vu_EditGetPos(HWND field);
int vu_EditResize(HWND field, int width, int height);
int vu_EditGetSize(HWND field);
int vu_EditFit(HWND field, int x, int y, int width_delta, int height_delta);
int vu_EditDisable(HWND field);
int vu_EditEnable(HWND field);
int vu_EditRedraw(HWND field);
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
int vu_SpinTextLength(HWND field);
const char* vu_SpinGetSelText(HWND field);
int vu_SpinSetLimit(HWND field, int limit);
int vu_SpinGetLimit(HWND field);
int vu_SpinSetMargin(HWND field, int left);
int vu_SpinWritable(HWND field, const char* mode);
HBRUSH vu_SpinColor(HWND field, COLORREF text, COLORREF back, HDC dc, HWND control);
int vu_SpinSetFont(HWND field, HFONT font);
/* The spin family's name for vu_CreatePointFont. */
HFONT vu_SpinCreatePointFont(HWND window, int points, int weight, int style, int reserved,
                             const char* face);
int vu_SpinHasFocus(HWND field);
int vu_SpinPassFocus(HWND field, HWND next);
int vu_SpinSaveFile(HWND field, const char* path);
int vu_SpinLoadFile(HWND field, const char* path);
/* Geometry members, as the edit field's. */
int vu_SpinDestroy(HWND field);
int vu_SpinHide(HWND field);
int vu_SpinShow(HWND field);
int vu_SpinMove(HWND field, int x, int y);
int vu_SpinCenter(HWND field);
int vu_SpinGetPos(HWND field);
int vu_SpinResize(HWND field, int width, int height);
int vu_SpinGetSize(HWND field);
int vu_SpinFit(HWND field, int x, int y, int width_delta, int height_delta);
int vu_SpinDisable(HWND field);
int vu_SpinEnable(HWND field);
int vu_SpinRedraw(HWND field);
HWND vu_SpinSetFocus(HWND field);

/* ------------------------------------------------------------------------------------
 * Check buttons, up-down controls and group box
 * ---------------------------------------------------------------------------------- */
/* @@check */

/* ------------------------------------------------------------------------------------
 * Picture buttons
 * ---------------------------------------------------------------------------------- */
/* @@picbutton */

/* ------------------------------------------------------------------------------------
 * Toolbar
 * ---------------------------------------------------------------------------------- */
/* @@toolbar */

/* ------------------------------------------------------------------------------------
 * Progress bar, trackbar and status bar
 * ---------------------------------------------------------------------------------- */
/* @@bars */

/* ------------------------------------------------------------------------------------
 * List view
 * ---------------------------------------------------------------------------------- */
/* @@listview */

/* ------------------------------------------------------------------------------------
 * Combobox
 * ---------------------------------------------------------------------------------- */
/* @@combobox */

/* ------------------------------------------------------------------------------------
 * Text editor and its printing
 * ---------------------------------------------------------------------------------- */
/* @@wordproc */

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
int vu_LineDot(HWND window, int x1, int y1, int x2, int y2, COLORREF color, COLORREF background);
int vu_LineDashDot(HWND window, int x1, int y1, int x2, int y2, COLORREF color,
                   COLORREF background);
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

/* ------------------------------------------------------------------------------------
 * File and folder choosers
 * ---------------------------------------------------------------------------------- */
/* @@choosers */

/* ------------------------------------------------------------------------------------
 * Message boxes
 * ---------------------------------------------------------------------------------- */
/* @@messagebox */

/* ------------------------------------------------------------------------------------
 * Other standard dialogs, posted messages and the cursor
 * ---------------------------------------------------------------------------------- */
/* @@dialogs */

/* ------------------------------------------------------------------------------------
 * Settings file and file copy
 * ---------------------------------------------------------------------------------- */
/* @@settings */

/* ------------------------------------------------------------------------------------
 * String helpers
 * ---------------------------------------------------------------------------------- */
/* @@strings */

/* ------------------------------------------------------------------------------------
 * Text files and memory
 * ---------------------------------------------------------------------------------- */
/* @@textfiles */

#ifdef __cplusplus
}
#endif

#endif /* VU_H */
