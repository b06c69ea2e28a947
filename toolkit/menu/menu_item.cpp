// The operations behind every menu-item call.
#include "menu/menu_item.h"

#include "base/keyword.h"

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

// Finishes an add or change: on success a mark bitmap goes beside the item as both its
// checked and unchecked image; on failure a bitmap no menu shows is given back.
int Finish(HMENU menu, BOOL done, const Content& content, UINT id)
{
    if (!done) {
        if (content.bitmap) DeleteObject(content.bitmap);
        return 1;
    }
    if (content.mark)
        SetMenuItemBitmaps(menu, id, MF_BYCOMMAND, content.bitmap, content.bitmap);
    return 0;
}

HBITMAP LoadFrom(HINSTANCE module, const char* name)
{
    return name ? LoadBitmapA(module, name) : nullptr;
}

}  // namespace

int Append(HMENU menu, UINT flags, const Content& content, UINT id)
{
    const BOOL done = AppendMenuA(menu, content.type | flags, id, NewItem(content));
    return Finish(menu, done, content, id);
}

int Insert(HMENU menu, int position, UINT flags, const Content& content, UINT id)
{
    const BOOL done = InsertMenuA(menu, ZeroBased(position), MF_BYPOSITION | content.type | flags,
                                  id, NewItem(content));
    return Finish(menu, done, content, id);
}

int Modify(HMENU menu, UINT flags, const Content& content, UINT id)
{
    const BOOL done =
        ModifyMenuA(menu, id, MF_BYCOMMAND | content.type | flags, id, NewItem(content));
    return Finish(menu, done, content, id);
}

int ModifyOrCheck(HMENU menu, UINT flags, const Content& content, UINT id)
{
    if (content.type != MF_STRING || content.text != nullptr)
        return Modify(menu, flags, content, id);
    // The text stays; only the check mark follows the row's flags.
    const DWORD before = CheckMenuItem(menu, id, MF_BYCOMMAND | (flags & MF_CHECKED));
    return Finish(menu, before != static_cast<DWORD>(-1), content, id);
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
