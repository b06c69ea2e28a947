// The operations behind every menu-item call.
#include "menu/menu_item.h"

#include <initializer_list>

#include "base/keyword.h"
#include "draw/made_objects.h"

namespace vu {
namespace menu {
namespace {

// The item's content as the platform's menu calls take it.
LPCSTR NewItem(const Content& content)
{
    if (content.type == MF_BITMAP) return reinterpret_cast<LPCSTR>(content.bitmap);
    if (content.type == MF_SEPARATOR) return nullptr;
    return TextOrEmpty(content.text);
}

// The bitmaps the item with this identifier shows: its picture and its check-mark images.
struct Shown {
    HBITMAP picture, checked, unchecked;
    bool Has(HBITMAP b) const { return b == picture || b == checked || b == unchecked; }
};

Shown ShownBy(HMENU menu, UINT id)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP | MIIM_CHECKMARKS;
    if (!GetMenuItemInfoA(menu, id, FALSE, &info)) return {nullptr, nullptr, nullptr};
    return {info.hbmpItem, info.hbmpChecked, info.hbmpUnchecked};
}

// Deletes each bitmap the item showed before a change and no longer shows, when the toolkit
// loaded it (each load makes a new bitmap shown by one item); the caller's stay.
void ReleaseReplaced(HMENU menu, UINT id, const Shown& before)
{
    const Shown after = ShownBy(menu, id);
    for (HBITMAP old : {before.picture, before.checked, before.unchecked})
        if (!after.Has(old)) ReleaseIfMade(old);
}

// Finishes an add or change: on success a mark bitmap goes beside the item as both its
// checked and unchecked image, and the bitmaps the change replaced are released; on
// failure a bitmap no menu shows is given back.
int Finish(HMENU menu, BOOL done, const Content& content, UINT id, const Shown& before)
{
    if (!done) {
        if (content.bitmap) DeleteObject(content.bitmap);
        return 1;
    }
    RememberMade(content.bitmap);
    if (content.mark)
        SetMenuItemBitmaps(menu, id, MF_BYCOMMAND, content.bitmap, content.bitmap);
    ReleaseReplaced(menu, id, before);
    return 0;
}

HBITMAP LoadFrom(HINSTANCE module, const char* name)
{
    return name ? LoadBitmapA(module, name) : nullptr;
}

}  // namespace

int Append(HMENU menu, UINT flags, const Content& content, UINT id)
{
    const Shown before = ShownBy(menu, id);
    const BOOL done = AppendMenuA(menu, content.type | flags, id, NewItem(content));
    return Finish(menu, done, content, id, before);
}

int Insert(HMENU menu, int position, UINT flags, const Content& content, UINT id)
{
    const Shown before = ShownBy(menu, id);
    const BOOL done = InsertMenuA(menu, ZeroBased(position), MF_BYPOSITION | content.type | flags,
                                  id, NewItem(content));
    return Finish(menu, done, content, id, before);
}

int Modify(HMENU menu, UINT flags, const Content& content, UINT id)
{
    const Shown before = ShownBy(menu, id);
    const BOOL done =
        ModifyMenuA(menu, id, MF_BYCOMMAND | content.type | flags, id, NewItem(content));
    return Finish(menu, done, content, id, before);
}

int ModifyOrCheck(HMENU menu, UINT flags, const Content& content, UINT id)
{
    if (content.type != MF_STRING || content.text != nullptr)
        return Modify(menu, flags, content, id);
    // The text stays; only the check mark follows the row's flags.
    const Shown before = ShownBy(menu, id);
    const DWORD was = CheckMenuItem(menu, id, MF_BYCOMMAND | (flags & MF_CHECKED));
    return Finish(menu, was != static_cast<DWORD>(-1), content, id, before);
}

int DeleteAt(HMENU menu, int position)
{
    return DeleteMenu(menu, ZeroBased(position), MF_BYPOSITION) ? 0 : 1;
}

HBITMAP LoadFromWindowModule(HWND window, const char* name)
{
    return LoadFrom(reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)), name);
}

HBITMAP LoadFromActiveModule(const char* name)
{
    HWND active = GetActiveWindow();
    if (!active) return LoadFrom(GetModuleHandleA(nullptr), name);
    return LoadFromWindowModule(active, name);
}

HMENU SystemMenu(HWND window) { return GetSystemMenu(window, FALSE); }

}  // namespace menu
}  // namespace vu
