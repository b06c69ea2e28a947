#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "input.h"
#include "pixels.h"
#include "query.h"

// The item at a 0-based index as "flags text picture/mark": flags C checked, G grayed, P picture, - none;
// the heights of its picture and check mark (MENU_PICTURE 12, MENU_MARK 13; -1: checked and unchecked differ).
static std::string ItemAt(HMENU menu, int index)
{
    char text[64] = {};
    GetMenuStringA(menu, index, text, sizeof text, MF_BYPOSITION);
    MENUITEMINFOA info = {sizeof info, MIIM_BITMAP | MIIM_CHECKMARKS, {}, {}, {}, {}, {}, {}, {}, {}, {}, {}};
    GetMenuItemInfoA(menu, index, TRUE, &info);
    const auto Height = [](HBITMAP b) { BITMAP bitmap = {}; return b && GetObjectA(b, sizeof bitmap, &bitmap) ? bitmap.bmHeight : 0; };
    const UINT state = GetMenuState(menu, index, MF_BYPOSITION);
    const std::string flags = std::string(state & MF_CHECKED ? "C" : "") + (state & MF_GRAYED ? "G" : "") + (state & MF_BITMAP ? "P" : "");
    const LONG mark = Height(info.hbmpChecked) == Height(info.hbmpUnchecked) ? Height(info.hbmpChecked) : -1;
    return (flags.empty() ? "-" : flags) + " " + text + " " + std::to_string(Height(info.hbmpItem)) + "/" + std::to_string(mark);
}

TEST(Menus, ItemCalls)
{
    vu_test::Window w("Meny");  // the active window, whose module gives the bitmaps
    // Each call on a menu holding "A" (id 1) and "B" (id 2): its result, and the item at index `at` afterwards.
    const struct { const char* name; std::function<int(HMENU)> call; int result, at; const char* item; } rows[] = {
        {"AppendMarkBitmap", [](HMENU m) { return vu_MenuAppendMarkBitmap(m, "MENU_MARK", "Ny", 9); }, 0, 2, "C Ny 0/13"},
        {"AppendBitmapGrayed", [](HMENU m) { return vu_MenuAppendBitmapGrayed(m, "MENU_PICTURE", 9); }, 0, 2, "GP  12/0"},
        {"Insert at 1", [](HMENU m) { return vu_MenuInsert(m, 1, "Ny", 9); }, 0, 0, "- Ny 0/0"},
        {"Insert at 0 appends", [](HMENU m) { return vu_MenuInsert(m, 0, "Ny", 9); }, 0, 2, "- Ny 0/0"},
        {"InsertMarkBitmapGrayed", [](HMENU m) { return vu_MenuInsertMarkBitmapGrayed(m, 2, "MENU_MARK", "Ny", 9); }, 0, 1, "G Ny 0/13"},
        {"Check null text keeps it", [](HMENU m) { return vu_MenuCheck(m, nullptr, 2); }, 0, 1, "C B 0/0"},
        {"Gray null text only unchecks", [](HMENU m) { vu_MenuCheck(m, nullptr, 2); return vu_MenuGray(m, nullptr, 2); }, 0, 1, "- B 0/0"},
        {"CheckMarkBitmapGrayed null text", [](HMENU m) { return vu_MenuCheckMarkBitmapGrayed(m, "MENU_MARK", nullptr, 2); }, 0, 1, "C B 0/13"},
        {"ModifyBitmapChecked", [](HMENU m) { return vu_MenuModifyBitmapChecked(m, "MENU_PICTURE", 2); }, 0, 1, "CP  12/0"},
        {"missing bitmap still adds", [](HMENU m) { return vu_MenuAppendMarkBitmap(m, "FINNS_INTE", "Ny", 9); }, 0, 2, "C Ny 0/0"},
        {"missing id", [](HMENU m) { return vu_MenuCheckMarkBitmap(m, "MENU_MARK", nullptr, 5) + vu_MenuModify(m, "X", 5); }, 2, 1, "- B 0/0"},
        {"Delete at 0 fails, at 1", [](HMENU m) { return vu_MenuDelete(m, 0) * 10 + vu_MenuDelete(m, 1); }, 10, 0, "- B 0/0"}};
    for (const auto& row : rows) {
        HMENU m = vu_CreateMenu();
        vu_MenuAppend(m, "A", 1), vu_MenuAppend(m, "B", 2);
        EXPECT_EQ(row.call(m), row.result) << row.name;
        EXPECT_EQ(ItemAt(m, row.at), row.item) << row.name;
        DestroyMenu(m);
    }
}

TEST(Menus, SystemMenuItemsAndReplacedBitmapsReleased)
{
    vu_test::Window w("Menybilder");  // the system menu's bitmaps come from the window's module
    HMENU sys = GetSystemMenu(w, FALSE), m = vu_CreateMenu();
    const int n = GetMenuItemCount(sys);
    EXPECT_EQ(vu_SysMenuInsertBitmap(w, 1, "MENU_PICTURE", 0x320) + vu_SysMenuAppendMarkBitmap(w, "MENU_MARK", "Om", 0x310), 0);
    EXPECT_EQ(vu_SysMenuGray(w, "Om grå", 0x310), 0);
    EXPECT_EQ(ItemAt(sys, 0) + "|" + ItemAt(sys, n + 1), "P  12/0|G Om gr\xE5 0/13");
    EXPECT_EQ(vu_SysMenuDelete(w, 99), 1);
    vu_MenuAppendBitmap(m, "MENU_PICTURE", 1), vu_MenuAppendMarkBitmap(m, "MENU_MARK", "Märkt", 2);
    const DWORD before = vu_test::GdiObjects();
    for (int i = 0; i < vu_test::Rounds(5000); ++i) {
        vu_MenuModifyBitmap(m, "MENU_PICTURE", 1);
        vu_MenuCheckMarkBitmap(m, "MENU_MARK", i % 2 ? nullptr : "Märkt", 2);
        vu_SysMenuCheckMarkBitmap(w, "MENU_MARK", "Om", 0x310);
    }
    EXPECT_EQ(vu_test::GdiObjects(), before);
    EXPECT_EQ(ItemAt(m, 0) + ItemAt(m, 1) + ItemAt(sys, n + 1), "P  12/0C Märkt 0/13C Om 0/13");  // shown bitmaps alive
    HBITMAP mine = CreateBitmap(4, 4, 1, 1, nullptr);  // a bitmap the caller put in is never released
    SetMenuItemBitmaps(m, 2, MF_BYCOMMAND, mine, mine);
    vu_MenuCheckMarkBitmap(m, "MENU_MARK", "Märkt", 2);
    EXPECT_EQ(GetObjectType(mine), static_cast<DWORD>(OBJ_BITMAP));
    DeleteObject(mine), DestroyMenu(m);
}

TEST(Menus, MenuBarKeepsTheClientHeight)
{
    vu_test::Window w("Menyrad");
    const LONG height = vu_test::ClientSize(w).cy;
    HMENU bar = vu_CreateMenu(), other = vu_CreateMenu();
    vu_MenuAppend(bar, "Arkiv", 1), vu_MenuAppend(other, "Annan", 2);
    // A swap does not grow the window again; a bar not the window's is destroyed without a resize.
    EXPECT_EQ(vu_SetMenuBar(w, bar) + vu_SetMenuBar(w, other) + vu_RemoveMenuBar(w, bar), 0);
    EXPECT_EQ(IsMenu(bar) * 1000 + vu_test::ClientSize(w).cy, height);
    EXPECT_EQ(vu_RemoveMenuBar(w, other), 0);
    EXPECT_EQ((GetMenu(w) != nullptr) * 1000 + vu_test::ClientSize(w).cy, height);
    EXPECT_EQ(vu_RemoveMenuBar(w, other), 1);  // already destroyed
}

TEST(Menus, PopupOnlyInsideTheRectangleAtSignedPoints)
{
    vu_test::Window w("Rektangel");
    HMENU menu = vu_CreateMenu(), popup = vu_AppendSubMenu(menu, "S");
    vu_MenuAppend(popup, "Kopiera", 301);
    RECT where = {};  // where the menu window showed, read once it waits for input in its own loop
    vu_test::SetMainWindowHandler([&](HWND, UINT msg, WPARAM wp, LPARAM, LRESULT*) {
        if (msg != WM_ENTERIDLE || wp != MSGF_MENU || where.left != -1) return false;
        const std::vector<HWND> open = vu_test::TopWindows("#32768");
        if (!open.empty()) GetWindowRect(open.front(), &where);
        return vu_test::Press(VK_DOWN), vu_test::Press(VK_RETURN), false;  // real keys choose the item
    });
    const POINT o = vu_test::ScreenPoint(w, 0, 0);
    const struct { const char* name; int x, y, result; POINT menu; } cases[] = {  // x, y: a packed screen point
        {"left and top edges are inside", o.x + 20, o.y + 10, 0, {o.x + 20, o.y + 10}},
        {"right edge is outside", o.x + 100, o.y + 20, 1, {-1, -1}},
        {"bottom edge is outside", o.x + 50, o.y + 60, 1, {-1, -1}},
        {"negative point, clamped onto the screen", -5, -5, 0, {0, 0}}};
    ASSERT_TRUE(vu_test::Foreground(w));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        where = {-1, -1, -1, -1}, vu_test::ClearMessages();
        const RECT area = {c.x < 0 ? -500 : 20, c.y < 0 ? -500 : 10, 100, 60};
        EXPECT_EQ(vu_PopupMenu(menu, MAKELPARAM(c.x, c.y), 0, area.left, area.top, area.right, area.bottom), c.result);
        EXPECT_EQ(where.left * 10000 + where.top, c.menu.x * 10000 + c.menu.y);
        EXPECT_EQ(vu_test::WaitFor([] { return vu_test::CountMessages(WM_COMMAND) == 1; }, c.result ? 0 : 5000), c.result == 0);
    }
    EXPECT_EQ(vu_PopupMenu(menu, MAKELPARAM(o.x + 50, o.y + 30), 1, 0, 0, 99, 99), 1);  // no such sub-menu
    vu_test::SetMainWindowHandler(nullptr);
    DestroyMenu(menu);
}
