// Items of a menu or sub-menu made by the toolkit. Choosing one reaches the owning window
// as WM_COMMAND with the item's identifier. Bitmaps come from the module that created the
// active window.
#include "menu/menu_item.h"
#include "vu.h"

using namespace vu::menu;

namespace {
HBITMAP Load(const char* name) { return LoadFromActiveModule(name); }
}  // namespace

int vu_MenuAppend(HMENU m, const char* text, UINT id) { return Append(m, 0, Text(text), id); }
int vu_MenuAppendChecked(HMENU m, const char* text, UINT id) { return Append(m, MF_CHECKED, Text(text), id); }
int vu_MenuAppendGrayed(HMENU m, const char* text, UINT id) { return Append(m, MF_GRAYED, Text(text), id); }
int vu_MenuAppendSeparator(HMENU m) { return Append(m, 0, Separator(), 0); }
int vu_MenuAppendMarkBitmap(HMENU m, const char* bitmap, const char* text, UINT id) { return Append(m, MF_CHECKED, Marked(Load(bitmap), text), id); }
int vu_MenuAppendBitmap(HMENU m, const char* bitmap, UINT id) { return Append(m, 0, Bitmap(Load(bitmap)), id); }
int vu_MenuAppendMarkBitmapGrayed(HMENU m, const char* bitmap, const char* text, UINT id) { return Append(m, MF_CHECKED | MF_GRAYED, Marked(Load(bitmap), text), id); }
int vu_MenuAppendBitmapChecked(HMENU m, const char* bitmap, UINT id) { return Append(m, MF_CHECKED, Bitmap(Load(bitmap)), id); }
int vu_MenuAppendBitmapGrayed(HMENU m, const char* bitmap, UINT id) { return Append(m, MF_GRAYED, Bitmap(Load(bitmap)), id); }

int vu_MenuInsert(HMENU m, int pos, const char* text, UINT id) { return Insert(m, pos, 0, Text(text), id); }
int vu_MenuInsertChecked(HMENU m, int pos, const char* text, UINT id) { return Insert(m, pos, MF_CHECKED, Text(text), id); }
int vu_MenuInsertGrayed(HMENU m, int pos, const char* text, UINT id) { return Insert(m, pos, MF_GRAYED, Text(text), id); }
int vu_MenuInsertSeparator(HMENU m, int pos) { return Insert(m, pos, 0, Separator(), 0); }
int vu_MenuInsertMarkBitmap(HMENU m, int pos, const char* bitmap, const char* text, UINT id) { return Insert(m, pos, 0, Marked(Load(bitmap), text), id); }
int vu_MenuInsertMarkBitmapGrayed(HMENU m, int pos, const char* bitmap, const char* text, UINT id) { return Insert(m, pos, MF_GRAYED, Marked(Load(bitmap), text), id); }
int vu_MenuInsertBitmap(HMENU m, int pos, const char* bitmap, UINT id) { return Insert(m, pos, 0, Bitmap(Load(bitmap)), id); }
int vu_MenuInsertBitmapChecked(HMENU m, int pos, const char* bitmap, UINT id) { return Insert(m, pos, MF_CHECKED, Bitmap(Load(bitmap)), id); }
int vu_MenuInsertBitmapGrayed(HMENU m, int pos, const char* bitmap, UINT id) { return Insert(m, pos, MF_GRAYED, Bitmap(Load(bitmap)), id); }

int vu_MenuModify(HMENU m, const char* text, UINT id) { return Modify(m, 0, Text(text), id); }
int vu_MenuGray(HMENU m, const char* text, UINT id) { return ModifyOrCheck(m, MF_GRAYED, Text(text), id); }
int vu_MenuEnable(HMENU m, const char* text, UINT id) { return ModifyOrCheck(m, 0, Text(text), id); }
int vu_MenuCheck(HMENU m, const char* text, UINT id) { return ModifyOrCheck(m, MF_CHECKED, Text(text), id); }
int vu_MenuUncheck(HMENU m, const char* text, UINT id) { return ModifyOrCheck(m, 0, Text(text), id); }
int vu_MenuCheckMarkBitmap(HMENU m, const char* bitmap, const char* text, UINT id) { return ModifyOrCheck(m, MF_CHECKED, Marked(Load(bitmap), text), id); }
int vu_MenuCheckMarkBitmapGrayed(HMENU m, const char* bitmap, const char* text, UINT id) { return ModifyOrCheck(m, MF_CHECKED | MF_GRAYED, Marked(Load(bitmap), text), id); }
int vu_MenuModifyBitmap(HMENU m, const char* bitmap, UINT id) { return Modify(m, 0, Bitmap(Load(bitmap)), id); }
int vu_MenuModifyBitmapChecked(HMENU m, const char* bitmap, UINT id) { return Modify(m, MF_CHECKED, Bitmap(Load(bitmap)), id); }
int vu_MenuModifyBitmapGrayed(HMENU m, const char* bitmap, UINT id) { return Modify(m, MF_GRAYED, Bitmap(Load(bitmap)), id); }
