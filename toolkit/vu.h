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
