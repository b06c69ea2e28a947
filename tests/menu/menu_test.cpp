// Menus: every item call read back from the platform, bitmaps released when replaced, the
// menu bar and the window's size, and the pop-up menu driven by real input.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "input.h"
#include "pixels.h"
#include "query.h"

namespace {

using vu_test::Window;

// The item at a 0-based index: its GetMenuState flags, text, and the heights of its picture
// and check mark (MENU_PICTURE is 12 pixels high, MENU_MARK 13).
struct Item {
    UINT flags;
    std::string text;
    LONG picture, mark;
};

LONG Height(HBITMAP b)
{
    BITMAP info = {};
    return b && GetObjectA(b, sizeof info, &info) ? info.bmHeight : 0;
}

Item ItemAt(HMENU menu, int index)
{
    char text[64] = {};
    GetMenuStringA(menu, index, text, sizeof text, MF_BYPOSITION);
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP | MIIM_CHECKMARKS;
    GetMenuItemInfoA(menu, index, TRUE, &info);
    UINT flags = GetMenuState(menu, index, MF_BYPOSITION) & (MF_GRAYED | MF_CHECKED | MF_BITMAP);
    if (GetMenuState(menu, index, MF_BYPOSITION) & MF_SEPARATOR) flags = MF_SEPARATOR;
    const LONG mark = Height(info.hbmpChecked) == Height(info.hbmpUnchecked) ? Height(info.hbmpChecked) : -1;
    return {flags, text, Height(info.hbmpItem), mark};
}

// Each call on a menu holding "A" (id 1) and "B" (id 2); the item at index `at` afterwards.
struct Row {
    const char* name;
    std::function<int(HMENU)> call;
    int at;
    Item item;
};
const UINT C = MF_CHECKED, G = MF_GRAYED, P = MF_BITMAP;
const Row kRows[] = {
    {"Append", [](HMENU m) { return vu_MenuAppend(m, "Ny", 9); }, 2, {0, "Ny", 0, 0}},
    {"AppendChecked", [](HMENU m) { return vu_MenuAppendChecked(m, "Ny", 9); }, 2, {C, "Ny", 0, 0}},
    {"AppendGrayed", [](HMENU m) { return vu_MenuAppendGrayed(m, "Ny", 9); }, 2, {G, "Ny", 0, 0}},
    {"AppendSeparator", [](HMENU m) { return vu_MenuAppendSeparator(m); }, 2, {MF_SEPARATOR, "", 0, 0}},
    {"AppendMarkBitmap", [](HMENU m) { return vu_MenuAppendMarkBitmap(m, "MENU_MARK", "Ny", 9); }, 2, {C, "Ny", 0, 13}},
    {"AppendBitmap", [](HMENU m) { return vu_MenuAppendBitmap(m, "MENU_PICTURE", 9); }, 2, {P, "", 12, 0}},
    {"AppendMarkBitmapGrayed", [](HMENU m) { return vu_MenuAppendMarkBitmapGrayed(m, "MENU_MARK", "Ny", 9); }, 2, {C | G, "Ny", 0, 13}},
    {"AppendBitmapChecked", [](HMENU m) { return vu_MenuAppendBitmapChecked(m, "MENU_PICTURE", 9); }, 2, {P | C, "", 12, 0}},
    {"AppendBitmapGrayed", [](HMENU m) { return vu_MenuAppendBitmapGrayed(m, "MENU_PICTURE", 9); }, 2, {P | G, "", 12, 0}},
    {"Insert at 1", [](HMENU m) { return vu_MenuInsert(m, 1, "Ny", 9); }, 0, {0, "Ny", 0, 0}},
    {"Insert at 0 appends", [](HMENU m) { return vu_MenuInsert(m, 0, "Ny", 9); }, 2, {0, "Ny", 0, 0}},
    {"InsertChecked", [](HMENU m) { return vu_MenuInsertChecked(m, 2, "Ny", 9); }, 1, {C, "Ny", 0, 0}},
    {"InsertGrayed", [](HMENU m) { return vu_MenuInsertGrayed(m, 2, "Ny", 9); }, 1, {G, "Ny", 0, 0}},
    {"InsertSeparator", [](HMENU m) { return vu_MenuInsertSeparator(m, 2); }, 1, {MF_SEPARATOR, "", 0, 0}},
    {"InsertMarkBitmap", [](HMENU m) { return vu_MenuInsertMarkBitmap(m, 2, "MENU_MARK", "Ny", 9); }, 1, {0, "Ny", 0, 13}},
    {"InsertMarkBitmapGrayed", [](HMENU m) { return vu_MenuInsertMarkBitmapGrayed(m, 2, "MENU_MARK", "Ny", 9); }, 1, {G, "Ny", 0, 13}},
    {"InsertBitmap", [](HMENU m) { return vu_MenuInsertBitmap(m, 2, "MENU_PICTURE", 9); }, 1, {P, "", 12, 0}},
    {"InsertBitmapChecked", [](HMENU m) { return vu_MenuInsertBitmapChecked(m, 2, "MENU_PICTURE", 9); }, 1, {P | C, "", 12, 0}},
    {"InsertBitmapGrayed", [](HMENU m) { return vu_MenuInsertBitmapGrayed(m, 2, "MENU_PICTURE", 9); }, 1, {P | G, "", 12, 0}},
    {"Modify", [](HMENU m) { return vu_MenuModify(m, "Ny", 2); }, 1, {0, "Ny", 0, 0}},
    {"Gray", [](HMENU m) { return vu_MenuGray(m, "Ny", 2); }, 1, {G, "Ny", 0, 0}},
    {"Check", [](HMENU m) { return vu_MenuCheck(m, "Ny", 2); }, 1, {C, "Ny", 0, 0}},
    {"Check null text keeps it", [](HMENU m) { return vu_MenuCheck(m, nullptr, 2); }, 1, {C, "B", 0, 0}},
    {"Gray null text only unchecks", [](HMENU m) { vu_MenuCheck(m, nullptr, 2); return vu_MenuGray(m, nullptr, 2); }, 1, {0, "B", 0, 0}},
    {"Uncheck", [](HMENU m) { vu_MenuCheck(m, nullptr, 2); return vu_MenuUncheck(m, "Ny", 2); }, 1, {0, "Ny", 0, 0}},
    {"Enable", [](HMENU m) { vu_MenuGray(m, "B", 2); return vu_MenuEnable(m, "Ny", 2); }, 1, {0, "Ny", 0, 0}},
    {"CheckMarkBitmap", [](HMENU m) { return vu_MenuCheckMarkBitmap(m, "MENU_MARK", "Ny", 2); }, 1, {C, "Ny", 0, 13}},
    {"CheckMarkBitmap null text", [](HMENU m) { return vu_MenuCheckMarkBitmap(m, "MENU_MARK", nullptr, 2); }, 1, {C, "B", 0, 13}},
    {"CheckMarkBitmapGrayed", [](HMENU m) { return vu_MenuCheckMarkBitmapGrayed(m, "MENU_MARK", "Ny", 2); }, 1, {C | G, "Ny", 0, 13}},
    {"ModifyBitmap", [](HMENU m) { return vu_MenuModifyBitmap(m, "MENU_PICTURE", 2); }, 1, {P, "", 12, 0}},
    {"ModifyBitmapChecked", [](HMENU m) { return vu_MenuModifyBitmapChecked(m, "MENU_PICTURE", 2); }, 1, {P | C, "", 12, 0}},
    {"ModifyBitmapGrayed", [](HMENU m) { return vu_MenuModifyBitmapGrayed(m, "MENU_PICTURE", 2); }, 1, {P | G, "", 12, 0}},
    {"Delete", [](HMENU m) { return vu_MenuDelete(m, 1); }, 0, {0, "B", 0, 0}},
    {"missing bitmap still adds", [](HMENU m) { return vu_MenuAppendMarkBitmap(m, "FINNS_INTE", "Ny", 9); }, 2, {C, "Ny", 0, 0}},
    {"sub-menu", [](HMENU m) { return vu_AppendSubMenu(m, "Ny") ? 0 : 1; }, 2, {0, "Ny", 0, 0}},
};

// Strikes the keys once, when a menu of the window's thread first waits for input (inside
// the menu's own loop); a context-menu request goes to on_context.
void KeysOnceTheMenuIsOpen(std::vector<WORD> keys, std::function<void(LPARAM)> on_context = {})
{
    vu_test::SetMainWindowHandler([=](HWND, UINT msg, WPARAM wp, LPARAM lp, LRESULT*) mutable {
        if (msg == WM_CONTEXTMENU && on_context) on_context(lp);
        if (msg == WM_ENTERIDLE && wp == MSGF_MENU)
            for (WORD k : keys) vu_test::Press(k);
        if (msg == WM_ENTERIDLE) keys.clear();
        return false;
    });
}

TEST(Menus, ItemCalls)
{
    Window w("Meny");  // the active window, whose module gives the bitmaps
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.name);
        HMENU m = vu_CreateMenu();
        vu_MenuAppend(m, "A", 1);
        vu_MenuAppend(m, "B", 2);
        EXPECT_EQ(row.call(m), 0);
        const Item got = ItemAt(m, row.at);
        EXPECT_EQ(got.flags, row.item.flags);
        EXPECT_EQ(got.text, row.item.text);
        EXPECT_EQ(got.picture, row.item.picture);
        EXPECT_EQ(got.mark, row.item.mark);
        DestroyMenu(m);
    }
}

TEST(Menus, BadInputsFail)
{
    Window w("Menyfel");
    HMENU m = vu_CreateMenu();
    EXPECT_EQ(vu_MenuModify(m, "X", 5), 1);
    EXPECT_EQ(vu_MenuCheck(m, nullptr, 5), 1);
    EXPECT_EQ(vu_MenuCheckMarkBitmap(m, "MENU_MARK", nullptr, 5), 1);
    EXPECT_EQ(vu_MenuDelete(m, 0), 1);
    EXPECT_EQ(vu_SysMenuDelete(w, 99), 1);
    DestroyMenu(m);
}

TEST(Menus, SystemMenuCallsReachTheWindowsOwnMenu)
{
    Window w("Systemmeny");
    HMENU sys = GetSystemMenu(w, FALSE);
    const int n = GetMenuItemCount(sys);
    EXPECT_EQ(vu_SysMenuAppendMarkBitmap(w, "MENU_MARK", "Om", 0x310), 0);
    EXPECT_EQ(vu_SysMenuInsertBitmap(w, 1, "MENU_PICTURE", 0x320), 0);
    EXPECT_EQ(vu_SysMenuGray(w, "Om grå", 0x310), 0);
    ASSERT_EQ(GetMenuItemCount(sys), n + 2);
    EXPECT_EQ(ItemAt(sys, 0).picture, 12);
    EXPECT_EQ(ItemAt(sys, n + 1).text, "Om gr\xE5");
    EXPECT_EQ(ItemAt(sys, n + 1).flags, MF_GRAYED);
    // Chosen with Alt+Space, then Up and Return inside the menu's own loop: the window is
    // told as WM_SYSCOMMAND.
    EXPECT_EQ(vu_SysMenuEnable(w, "Om", 0x310), 0);
    vu_test::ClearMessages();
    KeysOnceTheMenuIsOpen({VK_UP, VK_RETURN});
    ASSERT_TRUE(vu_test::Foreground(w));
    vu_test::Chord(VK_MENU, VK_SPACE);
    EXPECT_TRUE(vu_test::WaitFor([&] {
        for (const vu_test::Message& m : vu_test::Messages())
            if (m.message == WM_SYSCOMMAND && (m.wparam & 0xFFF0) == 0x310) return true;
        return false;
    }));
    vu_test::SetMainWindowHandler(nullptr);
}

TEST(Menus, ReplacedBitmapsAreReleased)
{
    Window w("Menybilder");
    HMENU m = vu_CreateMenu();
    vu_MenuAppendBitmap(m, "MENU_PICTURE", 1);
    vu_MenuAppendMarkBitmap(m, "MENU_MARK", "Märkt", 2);
    vu_SysMenuAppendMarkBitmap(w, "MENU_MARK", "Om", 0x310);
    const DWORD before = vu_test::GdiObjects();
    for (int i = 0; i < 5000; ++i) {
        vu_MenuModifyBitmap(m, "MENU_PICTURE", 1);
        vu_MenuCheckMarkBitmap(m, "MENU_MARK", i % 2 ? nullptr : "Märkt", 2);
        vu_SysMenuCheckMarkBitmap(w, "MENU_MARK", "Om", 0x310);
    }
    EXPECT_EQ(vu_test::GdiObjects(), before);
    EXPECT_EQ(ItemAt(m, 0).picture, 12);  // the bitmaps shown now are alive
    EXPECT_EQ(ItemAt(m, 1).mark, 13);
    // A bitmap the caller put into the menu is never released by the toolkit.
    HBITMAP mine = CreateBitmap(4, 4, 1, 1, nullptr);
    SetMenuItemBitmaps(m, 2, MF_BYCOMMAND, mine, mine);
    vu_MenuCheckMarkBitmap(m, "MENU_MARK", "Märkt", 2);
    EXPECT_EQ(Height(mine), 4);
    DeleteObject(mine);
    DestroyMenu(m);
}

TEST(Menus, MenuBarKeepsTheClientHeight)
{
    Window w("Menyrad");
    const SIZE client = vu_test::ClientSize(w);
    HMENU bar = vu_CreateMenu(), other = vu_CreateMenu();
    vu_MenuAppend(bar, "Arkiv", 1);
    vu_MenuAppend(other, "Annan", 2);
    EXPECT_EQ(vu_SetMenuBar(w, bar), 0);
    EXPECT_EQ(vu_SetMenuBar(w, other), 0);  // a swap does not grow the window again
    EXPECT_EQ(vu_test::ClientSize(w).cy, client.cy);
    EXPECT_EQ(vu_RemoveMenuBar(w, bar), 0);  // not the window's bar: destroyed, no resize
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_EQ(vu_test::ClientSize(w).cy, client.cy);
    EXPECT_EQ(vu_RemoveMenuBar(w, other), 0);
    EXPECT_EQ(GetMenu(w), nullptr);
    EXPECT_EQ(vu_test::ClientSize(w).cy, client.cy);
    EXPECT_EQ(vu_RemoveMenuBar(w, other), 1);
}

TEST(Menus, PopupAtARightClickSendsTheChosenCommand)
{
    Window w("Sammanhang");
    HMENU menu = vu_CreateMenu(), popup = vu_AppendSubMenu(menu, "S");
    vu_MenuAppend(popup, "Kopiera", 301);
    vu_MenuAppend(popup, "Klistra in", 302);
    int shown = -1;
    KeysOnceTheMenuIsOpen({VK_DOWN, VK_DOWN, VK_RETURN},
                          [&](LPARAM lp) { shown = vu_PopupMenu(menu, lp, 0, 0, 0, 320, 270); });
    vu_test::ClearMessages();
    ASSERT_TRUE(vu_test::Foreground(w));
    vu_test::ClickAt(vu_test::ScreenPoint(w, 40, 30), true);
    EXPECT_TRUE(vu_test::WaitFor([&] { return vu_test::CountMessages(WM_COMMAND) == 1; }));
    EXPECT_EQ(shown, 0);
    for (const vu_test::Message& m : vu_test::Messages())
        if (m.message == WM_COMMAND) {
            EXPECT_EQ(LOWORD(m.wparam), 302);
        }
    vu_test::SetMainWindowHandler(nullptr);
    DestroyMenu(menu);
}

TEST(Menus, PopupOnlyInsideTheRectangleAtSignedPoints)
{
    Window w("Rektangel");
    HMENU menu = vu_CreateMenu(), popup = vu_AppendSubMenu(menu, "S");
    vu_MenuAppend(popup, "Kopiera", 301);
    RECT where = {};  // where the menu showed, read while it is open, then closed
    vu_test::SetMainWindowHandler([&](HWND, UINT msg, WPARAM wp, LPARAM, LRESULT*) {
        if (msg != WM_ENTERIDLE || wp != MSGF_MENU) return false;
        const std::vector<HWND> open = vu_test::TopWindows("#32768");
        if (!open.empty()) GetWindowRect(open.front(), &where);
        EndMenu();
        return false;
    });
    const POINT origin = vu_test::ScreenPoint(w, 0, 0);
    struct Case {
        const char* name;
        int x, y;  // screen point, packed as a mouse message packs it
        int result;
        POINT menu;
    };
    const Case cases[] = {
        {"left and top edges are inside", origin.x + 20, origin.y + 10, 0, {origin.x + 20, origin.y + 10}},
        {"right edge is outside", origin.x + 100, origin.y + 20, 1, {-1, -1}},
        {"bottom edge is outside", origin.x + 50, origin.y + 60, 1, {-1, -1}},
        {"negative point, clamped onto the screen", -5, -5, 0, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        where = {-1, -1, -1, -1};
        const RECT area = {c.x < 0 ? -500 : 20, c.y < 0 ? -500 : 10, 100, 60};
        EXPECT_EQ(vu_PopupMenu(menu, MAKELPARAM(c.x, c.y), 0, area.left, area.top, area.right, area.bottom), c.result);
        EXPECT_EQ(where.left, c.menu.x);
        EXPECT_EQ(where.top, c.menu.y);
    }
    EXPECT_EQ(vu_PopupMenu(menu, MAKELPARAM(origin.x + 50, origin.y + 30), 1, 0, 0, 99, 99), 1);
    vu_test::SetMainWindowHandler(nullptr);
    DestroyMenu(menu);
}

}  // namespace
