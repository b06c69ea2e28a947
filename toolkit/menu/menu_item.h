// The few operations behind every menu-item call: an item is appended, inserted at a
// 1-based position or modified by its command identifier, and shows text, a separator,
// a bitmap, or text with a bitmap beside it. The vu_Menu... and vu_SysMenu... calls are
// one-line entry points over these. Internal to the toolkit.
#ifndef VU_MENU_MENU_ITEM_H
#define VU_MENU_MENU_ITEM_H

#include <windows.h>

namespace vu {
namespace menu {

// What an item shows. A bitmap handed in here is one the toolkit loaded: it stays with the
// item once added or changed and is deleted when a later call replaces it on that item;
// when the platform refuses the item, it is deleted at once.
struct Content {
    UINT type;           // MF_STRING, MF_SEPARATOR or MF_BITMAP
    const char* text;    // text items (null is the empty text)
    HBITMAP bitmap;      // MF_BITMAP: the item's picture; MF_STRING: the mark bitmap
    bool mark;           // set bitmap as both check-mark images beside the text
};

inline Content Text(const char* text) { return {MF_STRING, text, nullptr, false}; }
inline Content Separator() { return {MF_SEPARATOR, nullptr, nullptr, false}; }
inline Content Bitmap(HBITMAP bitmap) { return {MF_BITMAP, nullptr, bitmap, false}; }
inline Content Marked(HBITMAP bitmap, const char* text) { return {MF_STRING, text, bitmap, true}; }

// AppendMenuA with the row's flags: 0 done, 1 failed.
int Append(HMENU menu, UINT flags, const Content& content, UINT id);
// InsertMenuA before the item at the 1-based position (0, and positions past the end,
// append): 0 done, 1 failed.
int Insert(HMENU menu, int position, UINT flags, const Content& content, UINT id);
// ModifyMenuA by command identifier: the item is replaced whole (text or bitmap and state
// flags) and keeps its identifier. 0 done, 1 failed (no item with that identifier).
int Modify(HMENU menu, UINT flags, const Content& content, UINT id);
// As Modify, except that a text item given a null text keeps its text and only has its
// check mark set (flags holding MF_CHECKED) or cleared (others), and its mark bitmap set
// when the content has one; the greyed state is left as it is. 0 done, 1 no such item.
int ModifyOrCheck(HMENU menu, UINT flags, const Content& content, UINT id);
// DeleteMenu by 1-based position: 0 done, 1 failed (0, negative and past the end fail).
int DeleteAt(HMENU menu, int position);

// The 0-based position the platform gets for a 1-based one: 0 becomes -1 (after the last
// item). Worked in unsigned arithmetic so every int is a defined input.
inline UINT ZeroBased(int position) { return static_cast<UINT>(position) - 1u; }

// A bitmap resource of the module that created the window (null when it cannot be loaded).
HBITMAP LoadFromWindowModule(HWND window, const char* name);
// A bitmap resource of the module that created the active window, or of the program itself
// while this thread has no active window.
HBITMAP LoadFromActiveModule(const char* name);

// The window's system menu, fetched for modification (null when the window has none).
HMENU SystemMenu(HWND window);

}  // namespace menu
}  // namespace vu

#endif
