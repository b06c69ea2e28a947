// MainWindowProc of the gallery: the menu bar that switches pages, the system-menu item,
// the pop-up menu, the status line, and the messages that each page's controls send.
#include "gallery.h"

HFONT TitleFont;
HFONT SmallFont;
HWND FindBox;

namespace {

// The pages in menu-bar order.
const Page* const Pages[] = {&ButtonsPage, &FieldsPage, &ListsPage,
                             &DrawingPage, &DialogsPage, &EditorPage};

const Page* Current = nullptr;
HMENU MenuBar;
HMENU MenuSub;
HMENU PopupHolder;  // a menu whose first sub-menu is the right-click menu
char Status[160];

// Distance of the status line from the bottom of the client area.
const int kStatusRise = 44;

RECT StatusStrip(HWND window)
{
    RECT r;
    GetClientRect(window, &r);
    r.top = r.bottom - kStatusRise;
    r.bottom = r.top + 20;
    return r;
}

BOOL CALLBACK DestroyChild(HWND child, LPARAM)
{
    DestroyWindow(child);
    return TRUE;
}

void ShowPage(HWND window, UINT command)
{
    for (const Page* page : Pages) {
        if (page->command != command) continue;
        if (FindBox) DestroyWindow(FindBox);
        EnumChildWindows(window, DestroyChild, 0);  // the old page's controls go
        Current = page;
        if (page->build) page->build(window);
        vu_WindowSetText(window, page->title);  // set last: the page is complete
        vu_WindowRedraw(window, "ERASED");       // the drawing page paints on WM_PAINT
        SetStatus(window, page->title, -1);
    }
}

// The menu bar: one command item per page, then a sub-menu with every kind of menu item.
void MakeMenus(HWND window)
{
    MenuBar = vu_CreateMenu();
    for (const Page* page : Pages) vu_MenuAppend(MenuBar, page->menu_text, page->command);
    MenuSub = vu_AppendSubMenu(MenuBar, "&Meny");
    vu_MenuAppendChecked(MenuSub, "&Kryssad", CMD_MENU_CHECKED);
    vu_MenuAppendGrayed(MenuSub, "Gråad", CMD_MENU_GRAYED);
    vu_MenuAppendSeparator(MenuSub);
    vu_MenuAppendBitmap(MenuSub, "GAL_MENU", CMD_MENU_PICTURE);
    vu_MenuAppendMarkBitmap(MenuSub, "GAL_MARK", "Med eget märke", CMD_MENU_MARK);
    vu_MenuAppendSeparator(MenuSub);
    vu_MenuAppend(MenuSub, "&Avsluta", CMD_MENU_QUIT);
    vu_SetMenuBar(window, MenuBar);

    // Right-clicking the client area opens the first sub-menu of this menu.
    PopupHolder = vu_CreateMenu();
    HMENU popup = vu_AppendSubMenu(PopupHolder, "Snabbmeny");
    vu_MenuAppend(popup, "Första valet", CMD_POPUP_FIRST);
    vu_MenuAppend(popup, "Andra valet", CMD_POPUP_SECOND);

    // The window's own system menu gets an item too; it arrives as WM_SYSCOMMAND.
    vu_SysMenuAppendSeparator(window);
    vu_SysMenuAppend(window, "Om galleriet", CMD_SYSTEM_ABOUT);
}

// The number of starts is kept in a settings file: read, count up, write back.
int CountStart()
{
    char text[16];
    vu_SettingsRead("galleri.ini", "Galleri", "Starter", text, sizeof text);
    int starts = 0;
    for (int i = 0; vu_CharClass(text, i) == 2; ++i)
        starts = starts * 10 + vu_CharAt(text, i) - '0';
    vu_IntToText(text, ++starts);
    vu_SettingsWrite("galleri.ini", "Galleri", "Starter", text);
    return starts;
}

void Create(HWND window)
{
    TitleFont = vu_CreatePointFont(window, 14, 700, 0, 0, "Arial");
    SmallFont = vu_CreateFont(14, 0, 0, 400, 0, 0, "Arial");
    vu_WindowIcon(window, "GAL_ICON");
    vu_WindowBackColor(window, RGB(236, 236, 228));
    MakeMenus(window);
    ShowPage(window, CMD_PAGE_BUTTONS);
    SetStatus(window, "Välkommen! Start nummer", CountStart());
}

void Paint(HWND window)
{
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    EndPaint(window, &ps);
    // The toolkit's drawing calls fetch their own device context: draw after EndPaint.
    if (Current && Current->paint) Current->paint(window);
    const RECT strip = StatusStrip(window);
    vu_TextOut(window, 10, strip.top, Status, RGB(0, 0, 96), SmallFont, 0);
}

void Command(HWND window, int id)
{
    switch (id) {
    case CMD_MENU_CHECKED: {
        // A menu item's check mark flips: a null text keeps the item's text.
        static bool checked = true;
        checked = !checked;
        if (checked) vu_MenuCheck(MenuSub, nullptr, CMD_MENU_CHECKED);
        else vu_MenuUncheck(MenuSub, nullptr, CMD_MENU_CHECKED);
        SetStatus(window, checked ? "Menyvalet är kryssat" : "Menyvalet är inte kryssat", -1);
        return;
    }
    case CMD_MENU_QUIT:
        vu_WindowDestroy(window);
        return;
    case CMD_MENU_PICTURE:
    case CMD_MENU_MARK:
    case CMD_POPUP_FIRST:
    case CMD_POPUP_SECOND:
        SetStatus(window, "Menyval", id);
        return;
    }
    if (id >= CMD_PAGE_BUTTONS && id < CMD_MENU_CHECKED) ShowPage(window, id);
    else if (Current && Current->command_handler) Current->command_handler(window, id);
}

}  // namespace

void SetStatus(HWND window, const char* text, int number)
{
    vu_StrCopyN(Status, text, 100);
    if (number >= 0) {
        vu_StrAppend(Status, " ");
        vu_IntToText(Status + vu_StrLength(Status), number);
    }
    const RECT strip = StatusStrip(window);
    InvalidateRect(window, &strip, TRUE);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam)
{
    switch (message) {
    case WM_CREATE:
        Create(window);
        return 0;
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_COMMAND:
        Command(window, LOWORD(wparam));
        return 0;
    case WM_SYSCOMMAND:
        if ((wparam & 0xFFF0) == CMD_SYSTEM_ABOUT) {
            SetStatus(window, "Galleriet visar verktygslådans anrop", -1);
            return 0;
        }
        break;
    case WM_CONTEXTMENU: {
        // The point comes in screen pixels, packed as the toolkit's pop-up call wants it.
        RECT client;
        GetClientRect(window, &client);
        vu_PopupMenu(PopupHolder, lparam, 0, client.left, client.top, client.right,
                     client.bottom);
        return 0;
    }
    case WM_DESTROY:
        if (FindBox) DestroyWindow(FindBox);
        DeleteObject(TitleFont);
        DeleteObject(SmallFont);
        PostQuitMessage(0);
        return 0;
    }
    // Scroll, notification, owner-draw and colour messages go to the page that shows.
    if (Current && Current->other_message)
        return Current->other_message(window, message, wparam, lparam);
    return DefWindowProcA(window, message, wparam, lparam);
}
