// Menus: items of menus and system menus read back from the platform, sub-menus, the menu
// bar with the window's size, and the pop-up menu driven by real input.
#include <gtest/gtest.h>

#include <string>

#include "menu_real_input.h"
#include "vu_test.h"

namespace {

HINSTANCE Self() { return GetModuleHandleA(nullptr); }

// Picture sizes of the test resources: each bitmap is told apart by its size.
constexpr SIZE kPicture = {20, 12};  // MENU_PICTURE
constexpr SIZE kMark = {13, 13};     // MENU_MARK

// The state and type bits that the menu calls set.
constexpr UINT kFlagMask = MF_GRAYED | MF_CHECKED | MF_BITMAP | MF_SEPARATOR;

SIZE BitmapSize(HBITMAP bitmap)
{
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}

bool operator==(SIZE a, SIZE b) { return a.cx == b.cx && a.cy == b.cy; }

// One item as the platform reports it.
struct Item {
    UINT flags;        // kFlagMask bits of GetMenuState
    UINT id;
    std::string text;  // GetMenuStringA
    SIZE picture;      // the bitmap the item shows
    SIZE checked;      // the check-mark images
    SIZE unchecked;
    HMENU sub;
};

Item ItemAt(HMENU menu, int index)
{
    Item item = {};
    item.flags = GetMenuState(menu, index, MF_BYPOSITION) & kFlagMask;
    // A separator cannot be chosen; the platform may report it greyed as well.
    if (item.flags & MF_SEPARATOR) item.flags = MF_SEPARATOR;
    item.id = GetMenuItemID(menu, index);
    char text[256] = {};
    GetMenuStringA(menu, index, text, sizeof text, MF_BYPOSITION);
    item.text = text;
    MENUITEMINFOA info = {};
    info.cbSize = sizeof info;
    info.fMask = MIIM_BITMAP | MIIM_CHECKMARKS | MIIM_SUBMENU | MIIM_ID;
    GetMenuItemInfoA(menu, index, TRUE, &info);
    item.picture = BitmapSize(info.hbmpItem);
    item.checked = BitmapSize(info.hbmpChecked);
    item.unchecked = BitmapSize(info.hbmpUnchecked);
    item.sub = info.hSubMenu;
    if (info.hSubMenu) item.id = info.wID;
    return item;
}

Item ItemById(HMENU menu, UINT id)
{
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        if (GetMenuItemID(menu, i) == id) return ItemAt(menu, i);
    return Item{~0u, 0, "<none>", {}, {}, {}, nullptr};
}

// A shown, active top-level window of its own class for each test.
class Menus : public ::testing::Test {
protected:
    void SetUp() override
    {
        window_ = vu_WindowCreate(Self(), vu_test::UniqueTitle("Meny").c_str(), 60, 60, 320, 220,
                                  "CLO");
        ASSERT_NE(window_, nullptr);
        SetForegroundWindow(window_);
        ASSERT_TRUE(vu_test::WaitFor([&] { return GetActiveWindow() == window_; }));
        menu_ = vu_CreateMenu();
        ASSERT_NE(menu_, nullptr);
    }
    void TearDown() override
    {
        vu_test::SetMainWindowHandler(nullptr);
        if (menu_ && IsMenu(menu_) && GetMenu(window_) != menu_) DestroyMenu(menu_);
        DestroyWindow(window_);
    }
    RECT WindowRect() const
    {
        RECT r = {};
        GetWindowRect(window_, &r);
        return r;
    }
    HWND window_ = nullptr;
    HMENU menu_ = nullptr;
};

TEST_F(Menus, AppendCallsAddEachKindOfItemAtTheEnd)
{
    EXPECT_EQ(vu_MenuAppend(menu_, "Öppna", 11), 0);
    EXPECT_EQ(vu_MenuAppendChecked(menu_, "Vald", 12), 0);
    EXPECT_EQ(vu_MenuAppendGrayed(menu_, "Grå", 13), 0);
    EXPECT_EQ(vu_MenuAppendSeparator(menu_), 0);
    EXPECT_EQ(vu_MenuAppendMarkBitmap(menu_, "MENU_MARK", "Märkt", 15), 0);
    EXPECT_EQ(vu_MenuAppendBitmap(menu_, "MENU_PICTURE", 16), 0);
    EXPECT_EQ(vu_MenuAppendMarkBitmapGrayed(menu_, "MENU_MARK", "Märkt grå", 17), 0);
    EXPECT_EQ(vu_MenuAppendBitmapChecked(menu_, "MENU_PICTURE", 18), 0);
    EXPECT_EQ(vu_MenuAppendBitmapGrayed(menu_, "MENU_PICTURE", 19), 0);

    struct Expected {
        UINT flags;
        UINT id;
        const char* text;
        SIZE picture;
        SIZE mark;
    };
    const Expected expected[] = {
        {0, 11, "Öppna", {}, {}},
        {MF_CHECKED, 12, "Vald", {}, {}},
        {MF_GRAYED, 13, "Grå", {}, {}},
        {MF_SEPARATOR, 0, "", {}, {}},
        {MF_CHECKED, 15, "Märkt", {}, kMark},
        {MF_BITMAP, 16, "", kPicture, {}},
        {MF_CHECKED | MF_GRAYED, 17, "Märkt grå", {}, kMark},
        {MF_BITMAP | MF_CHECKED, 18, "", kPicture, {}},
        {MF_BITMAP | MF_GRAYED, 19, "", kPicture, {}},
    };
    ASSERT_EQ(GetMenuItemCount(menu_), 9);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        const Item item = ItemAt(menu_, i);
        EXPECT_EQ(item.flags, expected[i].flags);
        EXPECT_EQ(item.id, expected[i].id);
        EXPECT_EQ(item.text, expected[i].text);
        EXPECT_TRUE(item.picture == expected[i].picture);
        EXPECT_TRUE(item.checked == expected[i].mark);
        EXPECT_TRUE(item.unchecked == expected[i].mark);
    }
    // The Swedish letters reach the menu as Windows-1252 bytes.
    EXPECT_EQ(ItemAt(menu_, 0).text[0], '\xD6');
}

TEST_F(Menus, InsertCallsPlaceTheItemAtTheOneBasedPosition)
{
    ASSERT_EQ(vu_MenuAppend(menu_, "A", 1), 0);
    ASSERT_EQ(vu_MenuAppend(menu_, "B", 2), 0);
    EXPECT_EQ(vu_MenuInsert(menu_, 1, "Först", 3), 0);
    EXPECT_EQ(ItemAt(menu_, 0).text, "Först");
    EXPECT_EQ(vu_MenuInsert(menu_, 0, "Sist", 4), 0);
    EXPECT_EQ(ItemAt(menu_, 3).text, "Sist");
    EXPECT_EQ(vu_MenuInsert(menu_, 3, "Mitten", 5), 0);
    EXPECT_EQ(ItemAt(menu_, 2).text, "Mitten");
    EXPECT_EQ(ItemAt(menu_, 3).text, "B");
    ASSERT_EQ(GetMenuItemCount(menu_), 5);

    // Every insert kind at position 2 of a fresh menu.
    struct Row {
        int (*insert)(HMENU, UINT);
        UINT flags;
        bool text;
        SIZE picture;
        SIZE mark;
    };
    const Row rows[] = {
        {[](HMENU m, UINT id) { return vu_MenuInsertChecked(m, 2, "T", id); }, MF_CHECKED, true, {}, {}},
        {[](HMENU m, UINT id) { return vu_MenuInsertGrayed(m, 2, "T", id); }, MF_GRAYED, true, {}, {}},
        {[](HMENU m, UINT) { return vu_MenuInsertSeparator(m, 2); }, MF_SEPARATOR, false, {}, {}},
        {[](HMENU m, UINT id) { return vu_MenuInsertMarkBitmap(m, 2, "MENU_MARK", "T", id); }, 0, true, {}, kMark},
        {[](HMENU m, UINT id) { return vu_MenuInsertMarkBitmapGrayed(m, 2, "MENU_MARK", "T", id); }, MF_GRAYED, true, {}, kMark},
        {[](HMENU m, UINT id) { return vu_MenuInsertBitmap(m, 2, "MENU_PICTURE", id); }, MF_BITMAP, false, kPicture, {}},
        {[](HMENU m, UINT id) { return vu_MenuInsertBitmapChecked(m, 2, "MENU_PICTURE", id); }, MF_BITMAP | MF_CHECKED, false, kPicture, {}},
        {[](HMENU m, UINT id) { return vu_MenuInsertBitmapGrayed(m, 2, "MENU_PICTURE", id); }, MF_BITMAP | MF_GRAYED, false, kPicture, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(&row - rows);
        HMENU m = vu_CreateMenu();
        vu_MenuAppend(m, "A", 1);
        vu_MenuAppend(m, "B", 2);
        EXPECT_EQ(row.insert(m, 40), 0);
        const Item item = ItemAt(m, 1);
        EXPECT_EQ(item.flags, row.flags);
        EXPECT_EQ(item.text, row.text ? "T" : "");
        EXPECT_TRUE(item.picture == row.picture);
        EXPECT_TRUE(item.checked == row.mark);
        EXPECT_EQ(ItemAt(m, 2).text, "B");
        DestroyMenu(m);
    }
}

TEST_F(Menus, InsertOutsideTheItemsAppendsAndDeleteOutsideFails)
{
    vu_MenuAppend(menu_, "A", 1);
    vu_MenuAppend(menu_, "B", 2);
    EXPECT_EQ(vu_MenuInsert(menu_, 99, "Bortom", 3), 0);
    EXPECT_EQ(ItemAt(menu_, 2).text, "Bortom");
    EXPECT_EQ(vu_MenuInsert(menu_, -5, "Negativ", 4), 0);
    EXPECT_EQ(ItemAt(menu_, 3).text, "Negativ");
    EXPECT_EQ(vu_MenuInsert(menu_, INT_MIN, "Minst", 5), 0);
    EXPECT_EQ(ItemAt(menu_, 4).text, "Minst");
    ASSERT_EQ(GetMenuItemCount(menu_), 5);

    for (int position : {0, -1, 6, 99, INT_MIN}) {
        SCOPED_TRACE(position);
        EXPECT_EQ(vu_MenuDelete(menu_, position), 1);
        EXPECT_EQ(vu_MenuBarDelete(menu_, position), 1);
    }
    EXPECT_EQ(GetMenuItemCount(menu_), 5);
    EXPECT_EQ(vu_MenuDelete(menu_, 1), 0);
    EXPECT_EQ(ItemAt(menu_, 0).text, "B");
    EXPECT_EQ(vu_MenuBarDelete(menu_, 4), 0);
    EXPECT_EQ(GetMenuItemCount(menu_), 3);
    EXPECT_EQ(ItemAt(menu_, 2).text, "Negativ");
}

TEST_F(Menus, ModifyCallsReplaceTheWholeItemFoundByItsIdentifier)
{
    struct Row {
        int (*modify)(HMENU, UINT);
        UINT flags;
        const char* text;
        SIZE picture;
        SIZE mark;
    };
    const Row rows[] = {
        {[](HMENU m, UINT id) { return vu_MenuModify(m, "Ny", id); }, 0, "Ny", {}, {}},
        {[](HMENU m, UINT id) { return vu_MenuGray(m, "Ny", id); }, MF_GRAYED, "Ny", {}, {}},
        {[](HMENU m, UINT id) { return vu_MenuEnable(m, "Ny", id); }, 0, "Ny", {}, {}},
        {[](HMENU m, UINT id) { return vu_MenuCheck(m, "Ny", id); }, MF_CHECKED, "Ny", {}, {}},
        {[](HMENU m, UINT id) { return vu_MenuUncheck(m, "Ny", id); }, 0, "Ny", {}, {}},
        {[](HMENU m, UINT id) { return vu_MenuCheckMarkBitmap(m, "MENU_MARK", "Ny", id); }, MF_CHECKED, "Ny", {}, kMark},
        {[](HMENU m, UINT id) { return vu_MenuCheckMarkBitmapGrayed(m, "MENU_MARK", "Ny", id); }, MF_CHECKED | MF_GRAYED, "Ny", {}, kMark},
        {[](HMENU m, UINT id) { return vu_MenuModifyBitmap(m, "MENU_PICTURE", id); }, MF_BITMAP, "", kPicture, {}},
        {[](HMENU m, UINT id) { return vu_MenuModifyBitmapChecked(m, "MENU_PICTURE", id); }, MF_BITMAP | MF_CHECKED, "", kPicture, {}},
        {[](HMENU m, UINT id) { return vu_MenuModifyBitmapGrayed(m, "MENU_PICTURE", id); }, MF_BITMAP | MF_GRAYED, "", kPicture, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(&row - rows);
        HMENU m = vu_CreateMenu();
        vu_MenuAppend(m, "Före", 1);
        vu_MenuAppendMarkBitmapGrayed(m, "MENU_MARK", "Gammal", 7);  // checked, greyed, marked
        EXPECT_EQ(row.modify(m, 7), 0);
        const Item item = ItemAt(m, 1);
        EXPECT_EQ(item.id, 7u);
        EXPECT_EQ(item.flags, row.flags);
        EXPECT_EQ(item.text, row.text);
        EXPECT_TRUE(item.picture == row.picture);
        // An unknown identifier changes nothing and reports the failure.
        EXPECT_EQ(row.modify(m, 555), 1);
        EXPECT_EQ(GetMenuItemCount(m), 2);
        EXPECT_EQ(ItemAt(m, 0).text, "Före");
        EXPECT_EQ(ItemAt(m, 0).flags, 0u);
        DestroyMenu(m);
    }
}

TEST_F(Menus, NullTextOnlySetsOrClearsTheCheckMarkAndReportsSuccess)
{
    vu_MenuAppend(menu_, "Alfa", 21);
    vu_MenuAppendGrayed(menu_, "Beta", 22);

    // Unchecked before: checked now, text kept, and the call reports success.
    EXPECT_EQ(vu_MenuCheck(menu_, nullptr, 21), 0);
    EXPECT_EQ(ItemById(menu_, 21).flags, static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(ItemById(menu_, 21).text, "Alfa");
    // Checked before: the mark goes, the item is not greyed by the grey call's null path.
    EXPECT_EQ(vu_MenuGray(menu_, nullptr, 21), 0);
    EXPECT_EQ(ItemById(menu_, 21).flags, 0u);
    EXPECT_EQ(ItemById(menu_, 21).text, "Alfa");
    // Neither the enable nor the uncheck path touches a greyed item's grey state.
    vu_MenuCheck(menu_, nullptr, 22);
    EXPECT_EQ(vu_MenuEnable(menu_, nullptr, 22), 0);
    EXPECT_EQ(ItemById(menu_, 22).flags, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(vu_MenuUncheck(menu_, nullptr, 22), 0);
    EXPECT_EQ(ItemById(menu_, 22).flags, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(ItemById(menu_, 22).text, "Beta");

    // The mark-bitmap calls also put the bitmap beside the kept text; greyed stays unchanged.
    EXPECT_EQ(vu_MenuCheckMarkBitmap(menu_, "MENU_MARK", nullptr, 21), 0);
    Item alfa = ItemById(menu_, 21);
    EXPECT_EQ(alfa.flags, static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(alfa.text, "Alfa");
    EXPECT_TRUE(alfa.checked == kMark);
    EXPECT_TRUE(alfa.unchecked == kMark);
    vu_MenuUncheck(menu_, nullptr, 21);
    EXPECT_EQ(vu_MenuCheckMarkBitmapGrayed(menu_, "MENU_MARK", nullptr, 21), 0);
    alfa = ItemById(menu_, 21);
    EXPECT_EQ(alfa.flags, static_cast<UINT>(MF_CHECKED));
    EXPECT_TRUE(alfa.checked == kMark);

    // A missing item: 1 from every null path, nothing added.
    EXPECT_EQ(vu_MenuGray(menu_, nullptr, 99), 1);
    EXPECT_EQ(vu_MenuEnable(menu_, nullptr, 99), 1);
    EXPECT_EQ(vu_MenuCheck(menu_, nullptr, 99), 1);
    EXPECT_EQ(vu_MenuUncheck(menu_, nullptr, 99), 1);
    EXPECT_EQ(vu_MenuCheckMarkBitmap(menu_, "MENU_MARK", nullptr, 99), 1);
    EXPECT_EQ(vu_MenuCheckMarkBitmapGrayed(menu_, "MENU_MARK", nullptr, 99), 1);
    EXPECT_EQ(GetMenuItemCount(menu_), 2);
}

TEST_F(Menus, NullTextsAndMissingBitmapsStillMakeTheItem)
{
    EXPECT_EQ(vu_MenuAppend(menu_, nullptr, 1), 0);
    EXPECT_EQ(vu_MenuInsert(menu_, 1, nullptr, 2), 0);
    EXPECT_EQ(vu_MenuAppendMarkBitmap(menu_, "NO_SUCH_PICTURE", "Utan", 3), 0);
    EXPECT_EQ(vu_MenuAppendMarkBitmap(menu_, nullptr, nullptr, 4), 0);
    EXPECT_EQ(vu_MenuAppendBitmap(menu_, "NO_SUCH_PICTURE", 5), 0);
    EXPECT_EQ(vu_MenuModify(menu_, nullptr, 1), 0);
    EXPECT_EQ(vu_MenuModifyBitmap(menu_, nullptr, 3), 0);
    ASSERT_EQ(GetMenuItemCount(menu_), 5);
    EXPECT_EQ(ItemById(menu_, 2).text, "");
    EXPECT_EQ(ItemById(menu_, 1).text, "");
    EXPECT_EQ(ItemById(menu_, 1).flags, 0u);
    EXPECT_EQ(ItemById(menu_, 4).flags, static_cast<UINT>(MF_CHECKED));
    EXPECT_TRUE(ItemById(menu_, 4).checked == SIZE{});
    // Bitmap items without a picture keep their place and identifier.
    EXPECT_EQ(ItemById(menu_, 3).id, 3u);
    EXPECT_TRUE(ItemById(menu_, 3).picture == SIZE{});
    EXPECT_EQ(ItemById(menu_, 5).id, 5u);
    EXPECT_TRUE(ItemById(menu_, 5).picture == SIZE{});
    EXPECT_NE(vu_AppendSubMenu(menu_, nullptr), nullptr);
    EXPECT_EQ(ItemAt(menu_, 5).text, "");
}

TEST_F(Menus, SubMenusAreNewEmptyPopupItems)
{
    vu_MenuAppend(menu_, "A", 1);
    vu_MenuAppend(menu_, "B", 2);
    HMENU last = vu_AppendSubMenu(menu_, "Arkiv");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(GetMenuItemCount(last), 0);
    EXPECT_EQ(GetSubMenu(menu_, 2), last);
    EXPECT_EQ(ItemAt(menu_, 2).text, "Arkiv");

    HMENU first = vu_InsertSubMenu(menu_, 1, "Först");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(GetSubMenu(menu_, 0), first);
    EXPECT_EQ(ItemAt(menu_, 0).text, "Först");

    HMENU replaced = vu_ReplaceWithSubMenu(menu_, 3, "Ersatt");  // was "B"
    ASSERT_NE(replaced, nullptr);
    EXPECT_EQ(GetSubMenu(menu_, 2), replaced);
    EXPECT_EQ(ItemAt(menu_, 2).text, "Ersatt");
    EXPECT_EQ(GetMenuItemCount(menu_), 4);

    // A sub-menu that cannot be placed is not handed out.
    EXPECT_EQ(vu_ReplaceWithSubMenu(menu_, 9, "Ingen"), nullptr);
    EXPECT_EQ(vu_ReplaceWithSubMenu(menu_, 0, "Ingen"), nullptr);
    EXPECT_EQ(vu_AppendSubMenu(nullptr, "Ingen"), nullptr);
    EXPECT_EQ(GetMenuItemCount(menu_), 4);

    // Items go into a sub-menu like into any menu; deleting the pop-up item destroys it.
    EXPECT_EQ(vu_MenuAppend(first, "Inuti", 30), 0);
    EXPECT_EQ(ItemAt(first, 0).text, "Inuti");
    EXPECT_EQ(vu_MenuDelete(menu_, 1), 0);
    EXPECT_FALSE(IsMenu(first));
}

TEST_F(Menus, MenuBarGrowsAndShrinksTheWindowByOneMenuBarHeight)
{
    const int bar = GetSystemMetrics(SM_CYMENU);
    const RECT before = WindowRect();
    RECT client_before = {};
    GetClientRect(window_, &client_before);
    HMENU file = vu_AppendSubMenu(menu_, "Arkiv");
    vu_MenuAppend(file, "Avsluta", 1);

    EXPECT_EQ(vu_SetMenuBar(window_, menu_), 0);
    EXPECT_EQ(GetMenu(window_), menu_);
    RECT after = WindowRect();
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom + bar);
    RECT client_after = {};
    GetClientRect(window_, &client_after);
    EXPECT_EQ(client_after.bottom, client_before.bottom);

    // Swapping one bar for another keeps the size.
    HMENU other = vu_CreateMenu();
    vu_MenuAppend(other, "Annan", 2);
    EXPECT_EQ(vu_SetMenuBar(window_, other), 0);
    EXPECT_EQ(GetMenu(window_), other);
    after = WindowRect();
    EXPECT_EQ(after.bottom, before.bottom + bar);

    // A menu that is not the window's bar is destroyed without touching the window.
    EXPECT_EQ(vu_RemoveMenuBar(window_, menu_), 0);
    EXPECT_FALSE(IsMenu(menu_));
    EXPECT_FALSE(IsMenu(file));
    EXPECT_EQ(GetMenu(window_), other);
    after = WindowRect();
    EXPECT_EQ(after.bottom, before.bottom + bar);
    menu_ = nullptr;

    // Taking the bar off shrinks the window back.
    EXPECT_EQ(vu_RemoveMenuBar(window_, other), 0);
    EXPECT_EQ(GetMenu(window_), nullptr);
    EXPECT_FALSE(IsMenu(other));
    after = WindowRect();
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom);

    // A destroyed or null menu: nothing to destroy, and the window keeps its size.
    EXPECT_EQ(vu_RemoveMenuBar(window_, other), 1);
    EXPECT_EQ(vu_RemoveMenuBar(window_, nullptr), 1);
    after = WindowRect();
    EXPECT_EQ(after.bottom, before.bottom);
}

TEST_F(Menus, SystemMenuCallsChangeTheWindowsOwnSystemMenu)
{
    HMENU sys = GetSystemMenu(window_, FALSE);
    ASSERT_NE(sys, nullptr);
    const int n = GetMenuItemCount(sys);
    EXPECT_EQ(vu_SysMenuAppendSeparator(window_), 0);
    EXPECT_EQ(vu_SysMenuAppend(window_, "Om Vindrulen", 0x110), 0);
    EXPECT_EQ(vu_SysMenuAppendChecked(window_, "Vald", 0x120), 0);
    EXPECT_EQ(vu_SysMenuAppendGrayed(window_, "Grå", 0x130), 0);
    EXPECT_EQ(vu_SysMenuAppendMarkBitmap(window_, "MENU_MARK", "Märkt", 0x140), 0);
    EXPECT_EQ(vu_SysMenuAppendBitmap(window_, "MENU_PICTURE", 0x150), 0);
    ASSERT_EQ(GetMenuItemCount(sys), n + 6);
    EXPECT_EQ(ItemAt(sys, n).flags, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(ItemAt(sys, n + 1).text, "Om Vindrulen");
    EXPECT_EQ(ItemAt(sys, n + 1).id, 0x110u);
    EXPECT_EQ(ItemAt(sys, n + 2).flags, static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(ItemAt(sys, n + 3).flags, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(ItemAt(sys, n + 4).flags, static_cast<UINT>(MF_CHECKED));
    EXPECT_TRUE(ItemAt(sys, n + 4).checked == kMark);
    EXPECT_EQ(ItemAt(sys, n + 5).flags, static_cast<UINT>(MF_BITMAP));
    EXPECT_TRUE(ItemAt(sys, n + 5).picture == kPicture);

    EXPECT_EQ(vu_SysMenuInsert(window_, 1, "Först", 0x210), 0);
    EXPECT_EQ(ItemAt(sys, 0).text, "Först");
    EXPECT_EQ(vu_SysMenuInsertChecked(window_, 2, "Andra", 0x220), 0);
    EXPECT_EQ(ItemAt(sys, 1).flags, static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(vu_SysMenuInsertGrayed(window_, 3, "Tredje", 0x230), 0);
    EXPECT_EQ(ItemAt(sys, 2).flags, static_cast<UINT>(MF_GRAYED));
    EXPECT_EQ(vu_SysMenuInsertSeparator(window_, 4), 0);
    EXPECT_EQ(ItemAt(sys, 3).flags, static_cast<UINT>(MF_SEPARATOR));
    EXPECT_EQ(vu_SysMenuInsertBitmap(window_, 5, "MENU_PICTURE", 0x250), 0);
    EXPECT_TRUE(ItemAt(sys, 4).picture == kPicture);
    EXPECT_EQ(vu_SysMenuInsertMarkBitmap(window_, 6, "MENU_MARK", "Sjätte", 0x260), 0);
    EXPECT_EQ(ItemAt(sys, 5).flags, static_cast<UINT>(MF_CHECKED));
    EXPECT_TRUE(ItemAt(sys, 5).unchecked == kMark);
    EXPECT_EQ(vu_SysMenuInsert(window_, 0, "Allra sist", 0x270), 0);
    EXPECT_EQ(ItemAt(sys, GetMenuItemCount(sys) - 1).text, "Allra sist");

    struct Row {
        int (*modify)(HWND, UINT);
        UINT flags;
        const char* text;
        SIZE picture;
        SIZE mark;
    };
    const Row rows[] = {
        {[](HWND w, UINT id) { return vu_SysMenuModify(w, "Ny", id); }, 0, "Ny", {}, {}},
        {[](HWND w, UINT id) { return vu_SysMenuGray(w, "Ny", id); }, MF_GRAYED, "Ny", {}, {}},
        {[](HWND w, UINT id) { return vu_SysMenuEnable(w, "Ny", id); }, 0, "Ny", {}, {}},
        {[](HWND w, UINT id) { return vu_SysMenuCheck(w, "Ny", id); }, MF_CHECKED, "Ny", {}, {}},
        {[](HWND w, UINT id) { return vu_SysMenuUncheck(w, "Ny", id); }, 0, "Ny", {}, {}},
        {[](HWND w, UINT id) { return vu_SysMenuCheckMarkBitmap(w, "MENU_MARK", "Ny", id); }, MF_CHECKED, "Ny", {}, kMark},
        {[](HWND w, UINT id) { return vu_SysMenuModifyBitmap(w, "MENU_PICTURE", id); }, MF_BITMAP, "", kPicture, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(&row - rows);
        vu_SysMenuCheck(window_, "Mellan", 0x120);  // a checked item between the rows
        EXPECT_EQ(row.modify(window_, 0x120), 0);
        const Item item = ItemById(sys, 0x120);
        EXPECT_EQ(item.flags, row.flags);
        EXPECT_EQ(item.text, row.text);
        EXPECT_TRUE(item.picture == row.picture);
        if (row.mark.cx) {
            EXPECT_TRUE(item.checked == row.mark);
        }
        EXPECT_EQ(row.modify(window_, 0x999), 1);
    }

    const int count = GetMenuItemCount(sys);
    EXPECT_EQ(vu_SysMenuDelete(window_, 1), 0);
    EXPECT_EQ(ItemAt(sys, 0).text, "Andra");
    EXPECT_EQ(vu_SysMenuDelete(window_, 0), 1);
    EXPECT_EQ(vu_SysMenuDelete(window_, -3), 1);
    EXPECT_EQ(vu_SysMenuDelete(window_, count + 1), 1);
    EXPECT_EQ(GetMenuItemCount(sys), count - 1);

    // No window, no system menu: every call reports the failure.
    EXPECT_EQ(vu_SysMenuAppend(nullptr, "X", 1), 1);
    EXPECT_EQ(vu_SysMenuAppendBitmap(nullptr, "MENU_PICTURE", 1), 1);
    EXPECT_EQ(vu_SysMenuInsert(nullptr, 1, "X", 1), 1);
}

TEST_F(Menus, SystemMenuItemChosenWithKeysReachesTheWindowAsSysCommand)
{
    ASSERT_EQ(vu_SysMenuAppend(window_, "Om Vindrulen", 0x310), 0);
    vu_test::ClearMessages();
    // Alt+Space opens the system menu; Up moves to the last item, Return chooses it.
    bool keyed = false;
    vu_test::SetMainWindowHandler([&](HWND w, UINT msg, WPARAM wp, LPARAM, LRESULT*) {
        if (w == window_ && msg == WM_ENTERIDLE && wp == MSGF_MENU && !keyed) {
            keyed = true;
            vu_test::Stroke(VK_UP);
            vu_test::Stroke(VK_RETURN);
        }
        return false;
    });
    vu_test::Chord(VK_MENU, VK_SPACE);
    EXPECT_TRUE(vu_test::WaitFor([&] {
        for (const vu_test::Message& m : vu_test::Messages())
            if (m.window == window_ && m.message == WM_SYSCOMMAND && (m.wparam & 0xFFF0) == 0x310)
                return true;
        return false;
    }));
}

// Pop-up menus: a context menu of two items, shown where the pointer is.
class PopupMenus : public Menus {
protected:
    void SetUp() override
    {
        Menus::SetUp();
        popup_ = vu_AppendSubMenu(menu_, "Sammanhang");
        vu_MenuAppend(popup_, "Kopiera", 301);
        vu_MenuAppend(popup_, "Klistra in", 302);
        RECT client = {};
        GetClientRect(window_, &client);
        width_ = client.right;
        height_ = client.bottom;
    }
    // The screen point of a client point, packed as a mouse message packs it.
    LPARAM Packed(int x, int y) const
    {
        POINT p = {x, y};
        ClientToScreen(window_, &p);
        return MAKELPARAM(p.x, p.y);
    }
    // Closes every menu as soon as it opens, counting the openings.
    void CloseMenusOnOpen()
    {
        vu_test::SetMainWindowHandler([this](HWND, UINT msg, WPARAM, LPARAM, LRESULT*) {
            if (msg == WM_INITMENUPOPUP) {
                ++opened_;
                EndMenu();
            }
            return false;
        });
    }
    HMENU popup_ = nullptr;
    int width_ = 0, height_ = 0;
    int opened_ = 0;
};

TEST_F(PopupMenus, RightClickInTheRectangleShowsTheMenuAndTheChosenCommandArrives)
{
    int shown = -1;
    bool keyed = false;
    vu_test::SetMainWindowHandler([&](HWND w, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
        if (w != window_) return false;
        if (msg == WM_CONTEXTMENU) {
            shown = vu_PopupMenu(menu_, lp, 0, 0, 0, width_, height_);
            *result = 0;
            return true;
        }
        if (msg == WM_ENTERIDLE && wp == MSGF_MENU && !keyed) {
            keyed = true;
            vu_test::Stroke(VK_DOWN);
            vu_test::Stroke(VK_DOWN);
            vu_test::Stroke(VK_RETURN);
        }
        return false;
    });
    vu_test::ClearMessages();
    POINT p = {40, 30};
    ClientToScreen(window_, &p);
    vu_test::PointerTo(p.x, p.y);
    vu_test::Click(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    auto chose = [&](UINT id) {
        for (const vu_test::Message& m : vu_test::Messages())
            if (m.window == window_ && m.message == WM_COMMAND && LOWORD(m.wparam) == id)
                return true;
        return false;
    };
    EXPECT_TRUE(vu_test::WaitFor([&] { return chose(302); }));
    EXPECT_FALSE(chose(301));
    EXPECT_TRUE(keyed);
    EXPECT_EQ(shown, 0);
}

TEST_F(PopupMenus, OnlyPointsInsideTheRectangleShowTheMenu)
{
    CloseMenusOnOpen();
    // Left and top edges belong to the rectangle, right and bottom edges do not.
    EXPECT_EQ(vu_PopupMenu(menu_, Packed(100, 50), 0, 20, 10, 100, 60), 1);
    EXPECT_EQ(vu_PopupMenu(menu_, Packed(50, 60), 0, 20, 10, 100, 60), 1);
    EXPECT_EQ(vu_PopupMenu(menu_, Packed(19, 50), 0, 20, 10, 100, 60), 1);
    EXPECT_EQ(vu_PopupMenu(menu_, Packed(50, 9), 0, 20, 10, 100, 60), 1);
    EXPECT_EQ(opened_, 0);
    EXPECT_EQ(vu_PopupMenu(menu_, Packed(20, 10), 0, 20, 10, 100, 60), 0);
    EXPECT_EQ(vu_PopupMenu(menu_, Packed(99, 59), 0, 20, 10, 100, 60), 0);
    EXPECT_EQ(opened_, 2);
    // A missing sub-menu or menu shows nothing.
    EXPECT_EQ(vu_PopupMenu(menu_, Packed(50, 50), 1, 0, 0, width_, height_), 1);
    EXPECT_EQ(vu_PopupMenu(menu_, Packed(50, 50), -1, 0, 0, width_, height_), 1);
    EXPECT_EQ(vu_PopupMenu(nullptr, Packed(50, 50), 0, 0, 0, width_, height_), 1);
    EXPECT_EQ(opened_, 2);
}

}  // namespace
