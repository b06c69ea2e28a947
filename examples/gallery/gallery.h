// The gallery: one window whose menu bar switches between pages, each page showing one
// part of the toolkit. Every page is one function that creates its controls (or draws),
// so that the toolkit calls of one part stand together and can be read in one place.
#ifndef GALLERY_H
#define GALLERY_H

#include <windows.h>

#include "vu.h"

// Menu commands: the pages, then the items of the "Meny" sub-menu.
enum {
    CMD_PAGE_BUTTONS = 100,
    CMD_PAGE_DRAWING,
    CMD_MENU_CHECKED = 110,
    CMD_MENU_GRAYED,
    CMD_MENU_PICTURE,
    CMD_MENU_MARK,
    CMD_MENU_QUIT,
    CMD_POPUP_FIRST = 120,
    CMD_POPUP_SECOND,
    CMD_SYSTEM_ABOUT = 0x0110  // system-menu commands keep the low four bits clear
};

// Ids of the controls on the "Knappar" page.
enum {
    ID_PUSH_NORMAL = 200,
    ID_PUSH_SHADOW,
    ID_PUSH_SUNKEN,
    ID_PUSH_EDGE,
    ID_PUSH_DISABLED,
    ID_CHECK_SQUARE,
    ID_CHECK_ROUND_A,
    ID_CHECK_ROUND_B,
    ID_PICTURE_BITMAP,
    ID_PICTURE_ICON,
    ID_PICTURE_SYSTEM,
    ID_PICTURE_OWNER,
    ID_TOOL_SQUARE = 300,
    ID_TOOL_DISC,
    ID_TOOL_CROSS,
    ID_TOOL_TRIANGLE
};

// Fonts made once when the window is created (the gallery owns them).
extern HFONT TitleFont;
extern HFONT SmallFont;

// The line at the bottom of every page that tells what the last click or step did.
void SetStatus(HWND window, const char* text, int number);

// Pages: each Build function fills the window's client area below the menu bar.
void BuildButtonsPage(HWND window);
// Drawing is immediate: the drawing page draws on every WM_PAINT.
void PaintDrawingPage(HWND window);

// The "Knappar" page's handlers of what its controls send to the window.
void ButtonsPageCommand(HWND window, int id);
void ButtonsPageScroll(HWND window, WPARAM wparam, LPARAM lparam);
void ButtonsPageDrawItem(HWND window, const DRAWITEMSTRUCT* item);
void ButtonsPageNotify(HWND window, LPARAM lparam);

#endif
