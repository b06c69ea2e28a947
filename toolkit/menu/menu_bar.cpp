// Menus, sub-menus and the window's menu bar. Attaching a bar to a window without one makes
// the window one menu-bar height taller, and taking it off makes it that much shorter
// again, so the client area keeps its size.
#include "base/keyword.h"
#include "menu/menu_item.h"
#include "vu.h"

namespace {

// Changes the window's outer height by delta, keeping its left, top and width.
void GrowBy(HWND window, int delta)
{
    RECT r = {};
    GetWindowRect(window, &r);
    MoveWindow(window, r.left, r.top, r.right - r.left, r.bottom - r.top + delta, TRUE);
}

// A new empty menu placed into menu by add (AppendMenuA, InsertMenuA or ModifyMenuA).
// When the platform refuses it, the new menu is destroyed and null returned, so a caller
// never fills a sub-menu that no menu shows.
template <typename Add>
HMENU NewSubMenu(Add add)
{
    HMENU sub = CreateMenu();
    if (sub && !add(reinterpret_cast<UINT_PTR>(sub))) {
        DestroyMenu(sub);
        return nullptr;
    }
    return sub;
}

}  // namespace

HMENU vu_CreateMenu(void) { return CreateMenu(); }

int vu_SetMenuBar(HWND window, HMENU menu)
{
    if (!GetMenu(window)) GrowBy(window, GetSystemMetrics(SM_CYMENU));
    return SetMenu(window, menu) ? 0 : 1;
}

int vu_RemoveMenuBar(HWND window, HMENU menu)
{
    if (menu && GetMenu(window) == menu) {
        GrowBy(window, -GetSystemMetrics(SM_CYMENU));
        SetMenu(window, nullptr);
    }
    const BOOL destroyed = DestroyMenu(menu);
    DrawMenuBar(window);
    return destroyed ? 0 : 1;
}

HMENU vu_AppendSubMenu(HMENU menu, const char* text)
{
    return NewSubMenu([&](UINT_PTR sub) {
        return AppendMenuA(menu, MF_POPUP, sub, vu::TextOrEmpty(text));
    });
}

HMENU vu_InsertSubMenu(HMENU menu, int position, const char* text)
{
    HMENU sub = NewSubMenu([&](UINT_PTR sub) {
        return InsertMenuA(menu, vu::menu::ZeroBased(position), MF_BYPOSITION | MF_POPUP, sub,
                           vu::TextOrEmpty(text));
    });
    DrawMenuBar(GetActiveWindow());
    return sub;
}

HMENU vu_ReplaceWithSubMenu(HMENU menu, int position, const char* text)
{
    HMENU sub = NewSubMenu([&](UINT_PTR sub) {
        return ModifyMenuA(menu, vu::menu::ZeroBased(position), MF_BYPOSITION | MF_POPUP, sub,
                           vu::TextOrEmpty(text));
    });
    DrawMenuBar(GetActiveWindow());
    return sub;
}

int vu_MenuDelete(HMENU menu, int position) { return vu::menu::DeleteAt(menu, position); }

int vu_MenuBarDelete(HMENU menu, int position)
{
    const int result = vu::menu::DeleteAt(menu, position);
    DrawMenuBar(GetActiveWindow());
    return result;
}
