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
