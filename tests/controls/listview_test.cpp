// List view: creation, column alignment words, rows counted from 1, the add-cell rule, the
// cell read with its bound, search, and the notification handlers fed real records.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "query.h"
#include "recorder.h"

namespace {

std::string Cell(HWND list, int row, int column)
{
    char text[300];
    std::memset(text, '#', sizeof text);
    const int length = vu_ListViewGetCell(list, text, row, column);
    EXPECT_EQ(text[255], '#');  // nothing written past the 255 bytes
    return std::to_string(length) + ":" + text;
}

TEST(ListView, CreationColumnsAndRows)
{
    vu_test::Window parent("Lista", 400, 300);
    HWND list = vu_ListView(parent, 5, -5, 10, -10);  // adds up to 0: fills the parent
    EXPECT_EQ(vu_test::StyleOf(list), 0x50800201u);
    EXPECT_EQ(vu_test::ExStyleOf(list) & WS_EX_CLIENTEDGE, 0x200u);
    EXPECT_EQ(vu_test::RectInParent(list).right * 1000 + vu_test::RectInParent(list).bottom,
              400300);
    const struct {
        const char* align;
        int format;  // an unknown word keeps the previous insertion's
    } columns[] = {{"?", LVCFMT_LEFT}, {"R", LVCFMT_RIGHT}, {"x", LVCFMT_RIGHT},
                   {"C", LVCFMT_CENTER}, {nullptr, LVCFMT_CENTER}, {"L", LVCFMT_LEFT}};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(vu_ListViewInsertColumn(list, 50 + c, columns[c].align, "Rubrik", c), c);
        LVCOLUMNA col = {};
        col.mask = LVCF_FMT;
        SendMessageA(list, LVM_GETCOLUMNA, c, (LPARAM)&col);
        EXPECT_EQ(col.fmt & LVCFMT_JUSTIFYMASK, columns[c].format) << c;
    }
    EXPECT_EQ(vu_ListViewGetColumnWidth(list, 1), 51);
    SendMessageA(list, LVM_SETCOLUMNWIDTH, 1, 2001);
    EXPECT_EQ(vu_ListViewGetColumnWidth(list, 1), -1);

    EXPECT_EQ(vu_ListViewInsertRow(list, 1), 0);
    vu_ListViewSetCell(list, "ett", 1, 0);
    vu_ListViewInsertRow(list, 1);  // in front: row 1 moves to row 2
    vu_ListViewSetCell(list, std::string(400, 'w').c_str(), 1, 1);
    EXPECT_EQ(Cell(list, 1, 0), "0:");
    EXPECT_EQ(Cell(list, 2, 0), "3:ett");
    EXPECT_EQ(Cell(list, 1, 1), "254:" + std::string(254, 'w'));
    vu_ListViewDeleteRow(list, 1);
    EXPECT_EQ(vu_ListViewGetRowCount(list), 1);
    EXPECT_EQ(Cell(list, 1, 0), "3:ett");
}

TEST(ListView, AddCellInsertsWhenTheLastAddedRowDiffersAndFindRowSearchesFirstCells)
{
    vu_test::Window parent("Lista lägg till");
    HWND list = vu_ListView(parent, 0, 0, 0, 0);
    for (int c = 0; c < 3; ++c) vu_ListViewInsertColumn(list, 60, "L", "k", c);
    vu_ListViewAddCell(list, "abc", 1, 0);
    vu_ListViewAddCell(list, "b", 1, 1);
    vu_ListViewAddCell(list, "xyz", 2, 0);
    vu_ListViewAddCell(list, "z", 1, 2);  // the last added was row 2: a new row 1
    EXPECT_EQ(vu_ListViewGetRowCount(list), 3);
    EXPECT_EQ(Cell(list, 1, 2) + Cell(list, 2, 0) + Cell(list, 2, 1) + Cell(list, 3, 0),
              "1:z3:abc1:b3:xyz");
    EXPECT_EQ(vu_ListViewFindRow(list, "ab"), 2);
    EXPECT_EQ(vu_ListViewFindRow(list, "q"), -1);
}

TEST(ListView, NotificationHandlers)
{
    vu_test::Window parent("Lista meddelanden");
    HWND list = vu_ListView(parent, 0, 0, 0, 0);
    vu_ListViewInsertColumn(list, 80, "L", "A", 0);
    vu_ListViewInsertRow(list, 1);
    vu_ListViewSetCell(list, "gammal", 1, 0);
    NMLVDISPINFOA edit = {};
    edit.hdr.hwndFrom = list;
    NMLISTVIEW click = {};
    click.hdr.hwndFrom = list;
    click.hdr.code = LVN_COLUMNCLICK;
    const struct {
        const char* name;
        HWND second;
        UINT code;
        int sub_item;
        int clicked;
    } columns[] = {{"column 3", parent, LVN_COLUMNCLICK, 3, 3}, {"its own list", list, LVN_COLUMNCLICK, 3, 0},
                   {"column 255", parent, LVN_COLUMNCLICK, 255, -1}, {"column -2", parent, LVN_COLUMNCLICK, -2, -1},
                   {"another code", parent, LVN_ITEMCHANGED, 1, -1}};
    for (const auto& c : columns) {
        click.hdr.code = c.code;
        click.iSubItem = c.sub_item;
        EXPECT_EQ(vu_ListViewColumnClicked(list, c.second, &click.hdr), c.clicked) << c.name;
    }

    // A label edit: limited to 255 characters when it begins, the text set when it ends.
    ASSERT_EQ(vu_ListViewEditLabel(list, 1), 0);
    edit.hdr.code = LVN_BEGINLABELEDITA;
    EXPECT_EQ(vu_ListViewLabelEditNotify(list, parent, &edit.hdr), 0);
    EXPECT_EQ(SendMessageA(vu_ListViewGetEditControl(list), EM_GETLIMITTEXT, 0, 0), 255);
    char typed[] = "ny";
    edit.hdr.code = LVN_ENDLABELEDITA;
    edit.item.pszText = typed;
    vu_ListViewLabelEditNotify(list, list, &edit.hdr);  // from its own list: ignored
    EXPECT_EQ(Cell(list, 1, 0), "6:gammal");
    vu_ListViewLabelEditNotify(list, parent, &edit.hdr);
    EXPECT_EQ(Cell(list, 1, 0), "2:ny");

    // Sorting: a click on column 0 sorts with no comparison, then (after any click) with one;
    // a finished label edit starts again.
    vu_test::Recorder seen(list);
    auto sorts = [&] {
        std::string got;
        for (const vu_test::Message& m : seen.messages())
            if (m.message == LVM_SORTITEMS) got += m.lparam ? "C" : "0";
        return got;
    };
    vu_ListViewSortNotify(list, parent, &edit.hdr);  // ends an edit
    click.hdr.code = LVN_COLUMNCLICK;
    for (int column : {0, 1, 0}) {
        click.iSubItem = column;
        vu_ListViewSortNotify(list, parent, &click.hdr);
    }
    vu_ListViewSortNotify(list, list, &click.hdr);  // from its own list: ignored
    vu_ListViewSortNotify(list, parent, &edit.hdr);
    vu_ListViewSortNotify(list, parent, &click.hdr);
    EXPECT_EQ(sorts(), "0C0");
}

}  // namespace
