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
