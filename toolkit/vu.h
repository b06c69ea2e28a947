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
int vu_ProgressHide(HWND bar);
int vu_ProgressShow(HWND bar);
int vu_ProgressMove(HWND bar, int x, int y);
int vu_ProgressCenter(HWND bar);
int vu_ProgressGetPos(HWND bar);
int vu_ProgressResize(HWND bar, int width, int height);
int vu_ProgressGetSize(HWND bar);
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
int vu_TrackbarHide(HWND bar);
int vu_TrackbarShow(HWND bar);
int vu_TrackbarMove(HWND bar, int x, int y);
int vu_TrackbarCenter(HWND bar);
int vu_TrackbarGetPos(HWND bar);
int vu_TrackbarResize(HWND bar, int width, int height);
int vu_TrackbarGetSize(HWND bar);
int vu_TrackbarFit(HWND bar, int x, int y, int width_delta, int height_delta);
int vu_TrackbarDisable(HWND bar);
int vu_TrackbarEnable(HWND bar);
int vu_TrackbarRedraw(HWND bar, const char* mode);
HWND vu_TrackbarSetFocus(HWND bar);
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
/* Background colour of every status bar of the process (their shared class); returns 0. */
int vu_StatusBarSetColor(HWND bar, COLORREF colour);
/* Geometry members of the status bar: destroy, hide, show (SW_SHOW) as the push button's. */
int vu_StatusBarDestroy(HWND bar);
int vu_StatusBarHide(HWND bar);
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
