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
