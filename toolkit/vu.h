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
/* The length of the text as vu_WordProcGetText would copy it. */
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
/* Replaces the text by the file's bytes (a missing file is created empty; a NUL ends a 65,535-
   byte piece) and clears the modified flag; 0 done, 2 not opened, 3 read failed, 4 the file has
   65,536 bytes or more (the editor is unchanged). */
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
