// List view: creation, columns, rows and cells with their numbering, the add-cell rule,
// search, geometry, and the notification handlers driven by real clicks and typing.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <climits>
#include <string>
#include <vector>

#include "lists_test_util.h"

namespace {

using lists_test::NewParent;

std::string Cell(HWND list, int row, int column)
{
    char text[255] = {};
    const int length = vu_ListViewGetCell(list, text, row, column);
    EXPECT_EQ(length, static_cast<int>(strlen(text)));
    return text;
}

std::vector<std::string> FirstCells(HWND list)
{
    std::vector<std::string> cells;
    for (int row = 1; row <= vu_ListViewGetRowCount(list); ++row) cells.push_back(Cell(list, row, 0));
    return cells;
}

int ColumnFormat(HWND list, int column)
{
    LVCOLUMNA c = {};
    c.mask = LVCF_FMT;
    SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&c));
    return c.fmt & LVCFMT_JUSTIFYMASK;
}

TEST(ListView, CreationStyleAndFillingTheParent)
{
    HWND parent = NewParent("List create", 400, 300);
    HWND list = vu_ListView(parent, 10, 20, 200, 100);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(lists_test::ClassOf(list), "SysListView32");
    EXPECT_EQ(lists_test::StyleOf(list), 0x50800201u);
    EXPECT_EQ(lists_test::ExStyleOf(list) & WS_EX_CLIENTEDGE, static_cast<DWORD>(WS_EX_CLIENTEDGE));
    RECT r = lists_test::RectInParent(list);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right - r.left, 200);

    HWND full = vu_ListView(parent, 0, 0, 0, 0);
    RECT client;
    GetClientRect(parent, &client);
    r = lists_test::RectInParent(full);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.right, client.right);
    EXPECT_EQ(r.bottom, client.bottom);
    HWND odd = vu_ListView(parent, 5, -5, 10, -10);  // adds up to 0 as well
    EXPECT_EQ(lists_test::RectInParent(odd).right, client.right);
    DestroyWindow(parent);
}

TEST(ListView, ColumnsKeepTheLastKnownAlignment)
{
    HWND parent = NewParent("List columns");
    HWND list = vu_ListView(parent, 0, 0, 0, 0);
    EXPECT_EQ(vu_ListViewInsertColumn(list, 80, "?", "Namn", 0), 0);
    EXPECT_EQ(ColumnFormat(list, 0), LVCFMT_LEFT);  // left before any known word
    EXPECT_EQ(vu_ListViewInsertColumn(list, 90, "R", "Storlek", 1), 1);
    EXPECT_EQ(vu_ListViewInsertColumn(list, 70, "x", "Typ", 2), 2);
    EXPECT_EQ(ColumnFormat(list, 2), LVCFMT_RIGHT);  // the previous insertion's
    EXPECT_EQ(vu_ListViewInsertColumn(list, 60, "C", "Ändrad", 3), 3);
    EXPECT_EQ(vu_ListViewInsertColumn(list, 60, nullptr, nullptr, 4), 4);
    EXPECT_EQ(ColumnFormat(list, 4), LVCFMT_CENTER);
    EXPECT_EQ(vu_ListViewGetColumnWidth(list, 1), 90);
    char header[32] = {};
    LVCOLUMNA c = {};
    c.mask = LVCF_TEXT;
    c.pszText = header;
    c.cchTextMax = sizeof header;
    SendMessageA(list, LVM_GETCOLUMNA, 3, reinterpret_cast<LPARAM>(&c));
    EXPECT_STREQ(header, "Ändrad");
    EXPECT_EQ(vu_ListViewInsertColumn(list, 3000, "L", "Bred", 5), 5);
    EXPECT_EQ(vu_ListViewGetColumnWidth(list, 5), -1);  // wider than 2,000
    EXPECT_EQ(vu_ListViewDeleteColumn(list, 1), 0);
    EXPECT_EQ(vu_ListViewGetColumnWidth(list, 1), 70);
    DestroyWindow(parent);
}

TEST(ListView, RowsCountFromOneAndColumnsFromZero)
{
    HWND parent = NewParent("List rows");
    HWND list = vu_ListView(parent, 0, 0, 0, 0);
    vu_ListViewInsertColumn(list, 80, "L", "A", 0);
    vu_ListViewInsertColumn(list, 80, "L", "B", 1);
    EXPECT_EQ(vu_ListViewInsertRow(list, 1), 0);
    EXPECT_EQ(vu_ListViewSetCell(list, "ett", 1, 0), 0);
    EXPECT_EQ(vu_ListViewSetCell(list, "one", 1, 1), 0);
    EXPECT_EQ(vu_ListViewInsertRow(list, 1), 0);  // in front: row 1 moves to row 2
    EXPECT_EQ(Cell(list, 1, 0), "");
    EXPECT_EQ(Cell(list, 2, 0), "ett");
    EXPECT_EQ(Cell(list, 2, 1), "one");
    EXPECT_EQ(vu_ListViewGetRowCount(list), 2);

    // Rows that do not exist: nothing is set, nothing is read.
    for (int row : {0, -1, 3, INT_MIN, INT_MAX}) {
        EXPECT_EQ(vu_ListViewSetCell(list, "x", row, 0), 1) << row;
        EXPECT_EQ(Cell(list, row, 0), "") << row;
        EXPECT_EQ(vu_ListViewUpdateRow(list, row), 1) << row;
    }
    EXPECT_EQ(vu_ListViewInsertRow(list, 0), 1);
    EXPECT_EQ(vu_ListViewInsertRow(list, INT_MIN), 1);
    EXPECT_EQ(vu_ListViewGetRowCount(list), 2);
    EXPECT_EQ(vu_ListViewUpdateRow(list, 2), 0);

    // A cell is read back with 254 characters at most.
    const std::string longer(400, 'w');
    vu_ListViewSetCell(list, longer.c_str(), 1, 1);
    EXPECT_EQ(Cell(list, 1, 1), longer.substr(0, 254));

    EXPECT_EQ(vu_ListViewDeleteRow(list, 1), 0);
    EXPECT_EQ(FirstCells(list), (std::vector<std::string>{"ett"}));
    EXPECT_EQ(vu_ListViewDeleteRow(list, 0), 0);
    EXPECT_EQ(vu_ListViewGetRowCount(list), 1);
    EXPECT_EQ(vu_ListViewDeleteAllRows(list), 0);
    EXPECT_EQ(vu_ListViewGetRowCount(list), 0);
    DestroyWindow(parent);
}

TEST(ListView, AddCellInsertsWhenTheLastAddedRowDiffers)
{
    HWND parent = NewParent("List add");
    HWND list = vu_ListView(parent, 0, 0, 0, 0);
    for (int c = 0; c < 3; ++c) vu_ListViewInsertColumn(list, 60, "L", "k", c);
    EXPECT_EQ(vu_ListViewAddCell(list, "a", 1, 0), 0);
    EXPECT_EQ(vu_ListViewAddCell(list, "b", 1, 1), 0);
    EXPECT_EQ(vu_ListViewAddCell(list, "c", 2, 0), 0);
    EXPECT_EQ(vu_ListViewGetRowCount(list), 2);
    EXPECT_EQ(vu_ListViewAddCell(list, "z", 1, 2), 0);  // last added was row 2: a new row 1
    EXPECT_EQ(vu_ListViewGetRowCount(list), 3);
    EXPECT_EQ(Cell(list, 1, 2), "z");
    EXPECT_EQ(Cell(list, 2, 0), "a");
    EXPECT_EQ(Cell(list, 2, 1), "b");
    EXPECT_EQ(Cell(list, 3, 0), "c");

    // Another list view gets its own first row even when it names the same row number.
    HWND second = vu_ListView(parent, 10, 10, 100, 100);
    vu_ListViewInsertColumn(second, 60, "L", "k", 0);
    EXPECT_EQ(vu_ListViewAddCell(second, "egen", 1, 0), 0);
    EXPECT_EQ(vu_ListViewGetRowCount(second), 1);
    EXPECT_EQ(Cell(second, 1, 0), "egen");
    DestroyWindow(parent);
}

TEST(ListView, FindRowColoursFontAndGeometry)
{
    HWND parent = NewParent("List find", 320, 270);
    HWND list = vu_ListView(parent, 5, 5, 200, 150);
    vu_ListViewInsertColumn(list, 80, "L", "A", 0);
    for (const char* t : {"xyz", "abc", "abd"}) {
        vu_ListViewInsertRow(list, vu_ListViewGetRowCount(list) + 1);
        vu_ListViewSetCell(list, t, vu_ListViewGetRowCount(list), 0);
    }
    EXPECT_EQ(vu_ListViewFindRow(list, "ab"), 2);
    EXPECT_EQ(vu_ListViewFindRow(list, "abd"), 3);
    EXPECT_EQ(vu_ListViewFindRow(list, "q"), -1);
    EXPECT_EQ(vu_ListViewFindRow(list, nullptr), 1);  // every first cell begins with ""
    EXPECT_GT(vu_ListViewGetCountPerPage(list), 0);

    EXPECT_EQ(vu_ListViewSetColors(list, RGB(1, 2, 3), RGB(200, 201, 202)), 0);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(list, LVM_GETTEXTCOLOR, 0, 0)), RGB(1, 2, 3));
    EXPECT_EQ(static_cast<COLORREF>(SendMessageA(list, LVM_GETTEXTBKCOLOR, 0, 0)),
              RGB(200, 201, 202));
    HFONT font = vu_ListViewCreatePointFont(list, 9, 400, 0, 0, "ARIAL");
    EXPECT_EQ(vu_ListViewSetFont(list, font), 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)), font);

    EXPECT_NE(vu_ListViewMove(list, 12, 14), 0);  // the platform's own result
    EXPECT_EQ(vu_ListViewGetPos(list), 0);
    EXPECT_EQ(vu_Query.x, 12);
    EXPECT_EQ(vu_Query.y, 14);
    EXPECT_EQ(vu_ListViewResize(list, 100, 80), 0);
    EXPECT_EQ(vu_ListViewGetSize(list), 0);
    EXPECT_EQ(vu_Query.x, 100);
    EXPECT_EQ(vu_ListViewCenter(list), 0);
    EXPECT_NE(vu_ListViewFit(list, 10, 10, -20, -20), 0);
    RECT client;
    GetClientRect(parent, &client);
    EXPECT_EQ(lists_test::RectInParent(list).right, client.right - 10);
    EXPECT_EQ(vu_ListViewRedraw(list), 0);
    EXPECT_EQ(vu_ListViewDisable(list), 0);
    EXPECT_EQ(vu_ListViewEnable(list), 0);
    EXPECT_EQ(vu_ListViewHide(list), 0);
    EXPECT_EQ(vu_ListViewShow(list), 0);
    EXPECT_EQ(vu_ListViewDestroy(list), 0);
    EXPECT_EQ(vu_ListViewMove(list, 1, 1), 0);
    EXPECT_EQ(vu_ListViewFit(list, 1, 1, 0, 0), 0);
    DestroyWindow(parent);
    DeleteObject(font);
}

TEST(ListViewNotify, HandlersIgnoreTheirOwnListAndOtherCodes)
{
    HWND parent = NewParent("List records");
    HWND list = vu_ListView(parent, 0, 0, 0, 0);
    NMLISTVIEW record = {};
    record.hdr.hwndFrom = list;
    record.hdr.code = LVN_COLUMNCLICK;
    record.iSubItem = 3;
    EXPECT_EQ(vu_ListViewColumnClicked(list, list, &record.hdr), 0);
    EXPECT_EQ(vu_ListViewColumnClicked(list, parent, &record.hdr), 3);
    record.iSubItem = 255;
    EXPECT_EQ(vu_ListViewColumnClicked(list, parent, &record.hdr), -1);
    record.iSubItem = -2;
    EXPECT_EQ(vu_ListViewColumnClicked(list, parent, &record.hdr), -1);
    record.hdr.code = LVN_ITEMCHANGED;
    record.iSubItem = 1;
    EXPECT_EQ(vu_ListViewColumnClicked(list, parent, &record.hdr), -1);
    EXPECT_EQ(vu_ListViewColumnClicked(list, parent, nullptr), -1);
    EXPECT_EQ(vu_ListViewLabelEditNotify(list, parent, nullptr), 0);
    EXPECT_EQ(vu_ListViewSortNotify(list, parent, nullptr), 0);
    DestroyWindow(parent);
}

// Records the sort requests that reach a list view: whether each came with a comparison.
std::vector<bool> sort_requests;
WNDPROC list_proc = nullptr;
LRESULT CALLBACK RecordingListProc(HWND w, UINT m, WPARAM wp, LPARAM lp)
{
    if (m == LVM_SORTITEMS) sort_requests.push_back(lp != 0);
    return CallWindowProcA(list_proc, w, m, wp, lp);
}

class ListViewInput : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent = NewParent("List input", 400, 300);
        list = vu_ListView(parent, 0, 0, 0, 0);
        for (int c = 0; c < 3; ++c) vu_ListViewInsertColumn(list, 100, "L", "Kolumn", c);
        for (const char* t : {"b", "a", "c"}) {
            const int row = vu_ListViewGetRowCount(list) + 1;
            vu_ListViewInsertRow(list, row);
            vu_ListViewSetCell(list, t, row, 0);
        }
        sort_requests.clear();
        list_proc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
            list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingListProc)));
        vu_test::SetMainWindowHandler([this](HWND w, UINT m, WPARAM, LPARAM lp, LRESULT*) {
            if (m != WM_NOTIFY) return false;
            const NMHDR* header = reinterpret_cast<const NMHDR*>(lp);
            if (header->hwndFrom != list) return false;
            if (header->code == LVN_COLUMNCLICK)
                clicked.push_back(vu_ListViewColumnClicked(list, w, header));
            if (header->code == LVN_BEGINLABELEDITA) began = true;
            vu_ListViewLabelEditNotify(list, w, header);
            vu_ListViewSortNotify(list, w, header);
            if (header->code == LVN_BEGINLABELEDITA)
                limit = static_cast<int>(
                    SendMessageA(vu_ListViewGetEditControl(list), EM_GETLIMITTEXT, 0, 0));
            if (header->code == LVN_ENDLABELEDITA) ++ended;
            return false;
        });
        ASSERT_TRUE(lists_test::Foreground(parent));
    }
    void TearDown() override
    {
        vu_test::SetMainWindowHandler(nullptr);
        DestroyWindow(parent);
    }

    // Each click lands at another place of the column, so that no two make a double click.
    void ClickHeader(int column)
    {
        static int turn = 0;
        const int quarter = (++turn % 2) ? 1 : 3;
        HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
        RECT r = {};
        SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&r));
        const size_t before = clicked.size();
        lists_test::ClickAt(header, {r.left + (r.right - r.left) * quarter / 4, (r.top + r.bottom) / 2});
        ASSERT_TRUE(vu_test::WaitFor([&] { return clicked.size() > before; }));
    }

    void EditRow(int row, const std::string& keys)
    {
        ASSERT_EQ(vu_ListViewEditLabel(list, row), 0);
        ASSERT_NE(vu_ListViewGetEditControl(list), nullptr);
        const int before = ended;
        lists_test::TypeKeys(keys);
        ASSERT_TRUE(vu_test::WaitFor([&] { return ended > before; }));
        vu_test::PumpMessages();
    }

    HWND parent = nullptr;
    HWND list = nullptr;
    std::vector<int> clicked;
    bool began = false;
    int limit = 0;
    int ended = 0;
};

TEST_F(ListViewInput, HeaderClicksNameTheColumnAndDriveTheSortState)
{
    ClickHeader(2);
    ClickHeader(0);
    ClickHeader(1);
    EXPECT_EQ(clicked, (std::vector<int>{2, 0, 1}));
    // Any click set the sort state, so the click on column 0 sorted with the comparison;
    // the click on column 1 sorted nothing.
    EXPECT_EQ(sort_requests, (std::vector<bool>{true}));
    EditRow(1, "Q\r");  // a finished label edit clears the state
    ClickHeader(0);
    ClickHeader(0);
    EXPECT_EQ(sort_requests, (std::vector<bool>{true, false, true}));
}

TEST_F(ListViewInput, LabelEditsAreLimitedAndLandInTheFirstCell)
{
    EditRow(2, "NY\r");
    EXPECT_TRUE(began);
    EXPECT_EQ(limit, 255);
    EXPECT_EQ(FirstCells(list), (std::vector<std::string>{"b", "ny", "c"}));
    EditRow(3, "XX\x1B");  // Escape cancels: the cell keeps its text
    EXPECT_EQ(FirstCells(list), (std::vector<std::string>{"b", "ny", "c"}));
    EXPECT_EQ(vu_ListViewEditLabel(list, 9), 1);  // no such row
}

}  // namespace
