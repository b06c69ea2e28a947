// The gallery: one window whose menu bar switches between pages, each page showing one
// part of the toolkit. Every page is one function that creates its controls (or draws),
// so that the toolkit calls of one part stand together and can be read in one place.
#ifndef GALLERY_H
#define GALLERY_H

#include <windows.h>

#include "vu.h"

// Command ids stay above 255: edit fields post every key-down to the window as a
// WM_COMMAND whose id is the key code.
enum {
    // Menu bar: one item per page, then the "Meny" sub-menu and the pop-up menu.
    CMD_PAGE_BUTTONS = 400,
    CMD_PAGE_FIELDS,
    CMD_PAGE_LISTS,
    CMD_PAGE_DRAWING,
    CMD_PAGE_DIALOGS,
    CMD_PAGE_EDITOR,
    CMD_MENU_CHECKED = 420,
    CMD_MENU_GRAYED,
    CMD_MENU_PICTURE,
    CMD_MENU_MARK,
    CMD_MENU_QUIT,
    CMD_POPUP_FIRST = 430,
    CMD_POPUP_SECOND,
    CMD_SYSTEM_ABOUT = 0x0110,  // system-menu commands keep the low four bits clear
    // Controls of the pages.
    ID_PUSH_NORMAL = 500,
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
    ID_TOOL_SQUARE = 600,
    ID_TOOL_DISC,
    ID_TOOL_CROSS,
    ID_TOOL_TRIANGLE,
    ID_PROGRESS_STEP = 700,
    ID_DIALOG_MESSAGE = 800,
    ID_DIALOG_ASK,
    ID_DIALOG_OPEN,
    ID_DIALOG_SAVE,
    ID_DIALOG_FOLDER,
    ID_DIALOG_COLOUR,
    ID_DIALOG_FONT,
    ID_DIALOG_PRINT,
    ID_DIALOG_RESOURCE,
    ID_EDITOR_UNDO = 900,
    ID_EDITOR_CUT,
    ID_EDITOR_COPY,
    ID_EDITOR_PASTE,
    ID_EDITOR_ALL,
    ID_EDITOR_FIND,
    ID_EDITOR_FIND_UP,  // posted by the find dialog's handler
    ID_EDITOR_FIND_DOWN
};

// Fonts made once when the window is created (the gallery owns them).
extern HFONT TitleFont;
extern HFONT SmallFont;
// The editor page's modeless find dialog while it is open (the message loop serves it).
extern HWND FindBox;

// The line near the bottom of every page that tells what the last click or step did;
// a number of -1 is left out.
void SetStatus(HWND window, const char* text, int number);

// One page: Build fills the client area below the menu bar, Paint draws on WM_PAINT, and
// the handlers get what the page's controls send to the window (any of them may be null).
struct Page {
    UINT command;
    const char* menu_text;
    const char* title;
    void (*build)(HWND window);
    void (*paint)(HWND window);
    void (*command_handler)(HWND window, int id);
    LRESULT (*other_message)(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
};

extern const Page ButtonsPage;
extern const Page FieldsPage;
extern const Page ListsPage;
extern const Page DrawingPage;
extern const Page DialogsPage;
extern const Page EditorPage;

#endif
