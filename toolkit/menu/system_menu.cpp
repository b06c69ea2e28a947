// Items of a window's system menu. Choosing one reaches the window as WM_SYSCOMMAND with
// the item's identifier. Bitmaps come from the module that created the window.
#include "menu/menu_item.h"
#include "vu.h"

using namespace vu::menu;

namespace {
HMENU Sys(HWND window) { return SystemMenu(window); }
HBITMAP Load(HWND window, const char* name) { return LoadFromWindowModule(window, name); }
}  // namespace

int vu_SysMenuAppend(HWND w, const char* text, UINT id) { return Append(Sys(w), 0, Text(text), id); }
int vu_SysMenuAppendChecked(HWND w, const char* text, UINT id) { return Append(Sys(w), MF_CHECKED, Text(text), id); }
int vu_SysMenuAppendGrayed(HWND w, const char* text, UINT id) { return Append(Sys(w), MF_GRAYED, Text(text), id); }
int vu_SysMenuAppendSeparator(HWND w) { return Append(Sys(w), 0, Separator(), 0); }
int vu_SysMenuAppendMarkBitmap(HWND w, const char* bitmap, const char* text, UINT id) { return Append(Sys(w), MF_CHECKED, Marked(Load(w, bitmap), text), id); }
int vu_SysMenuAppendBitmap(HWND w, const char* bitmap, UINT id) { return Append(Sys(w), 0, Bitmap(Load(w, bitmap)), id); }

int vu_SysMenuInsert(HWND w, int pos, const char* text, UINT id) { return Insert(Sys(w), pos, 0, Text(text), id); }
int vu_SysMenuInsertChecked(HWND w, int pos, const char* text, UINT id) { return Insert(Sys(w), pos, MF_CHECKED, Text(text), id); }
int vu_SysMenuInsertGrayed(HWND w, int pos, const char* text, UINT id) { return Insert(Sys(w), pos, MF_GRAYED, Text(text), id); }
int vu_SysMenuInsertSeparator(HWND w, int pos) { return Insert(Sys(w), pos, 0, Separator(), 0); }
int vu_SysMenuInsertBitmap(HWND w, int pos, const char* bitmap, UINT id) { return Insert(Sys(w), pos, 0, Bitmap(Load(w, bitmap)), id); }
int vu_SysMenuInsertMarkBitmap(HWND w, int pos, const char* bitmap, const char* text, UINT id) { return Insert(Sys(w), pos, MF_CHECKED, Marked(Load(w, bitmap), text), id); }

int vu_SysMenuModify(HWND w, const char* text, UINT id) { return Modify(Sys(w), 0, Text(text), id); }
int vu_SysMenuGray(HWND w, const char* text, UINT id) { return Modify(Sys(w), MF_GRAYED, Text(text), id); }
int vu_SysMenuEnable(HWND w, const char* text, UINT id) { return Modify(Sys(w), 0, Text(text), id); }
int vu_SysMenuCheckMarkBitmap(HWND w, const char* bitmap, const char* text, UINT id) { return Modify(Sys(w), MF_CHECKED, Marked(Load(w, bitmap), text), id); }
int vu_SysMenuCheck(HWND w, const char* text, UINT id) { return Modify(Sys(w), MF_CHECKED, Text(text), id); }
int vu_SysMenuUncheck(HWND w, const char* text, UINT id) { return Modify(Sys(w), 0, Text(text), id); }
int vu_SysMenuModifyBitmap(HWND w, const char* bitmap, UINT id) { return Modify(Sys(w), 0, Bitmap(Load(w, bitmap)), id); }

int vu_SysMenuDelete(HWND w, int pos) { return DeleteAt(Sys(w), pos); }
