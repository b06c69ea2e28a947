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

/* ------------------------------------------------------------------------------------
 * Text and fonts
 * ---------------------------------------------------------------------------------- */
/* @@text */

/* ------------------------------------------------------------------------------------
 * Lines, frames and pictures
 * ---------------------------------------------------------------------------------- */
/* @@lines */

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
