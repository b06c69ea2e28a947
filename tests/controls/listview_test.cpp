// List view: creation, column alignment words, rows counted from 1, the add-cell rule, the
// cell read with its bound, search, the notification handlers fed real records, and the
// delimited export and import with the import's bounds.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "query.h"
#include "recorder.h"

namespace {

// "length:text" of a cell read into a guarded buffer: nothing may be written past 255 bytes.
std::string Cell(HWND list, int row, int column)
{
    char text[300];
    std::memset(text, '#', sizeof text);
    const int length = vu_ListViewGetCell(list, text, row, column);
    EXPECT_EQ(text[255], '#');
    return std::to_string(length) + ":" + text;
}

TEST(ListView, CreationColumnsRowsAndSearch)
{
    vu_test::Window parent("Lista", 400, 300);
    HWND list = vu_ListView(parent, 5, -5, 10, -10);  // adds up to 0: fills the parent
    EXPECT_EQ(vu_test::StyleOf(list) * 1000ull + (vu_test::ExStyleOf(list) & WS_EX_CLIENTEDGE), 0x50800201ull * 1000 + 0x200);
    EXPECT_EQ(vu_test::RectInParent(list).right * 1000 + vu_test::RectInParent(list).bottom, 400300);
    // An unknown alignment word keeps the previous insertion's.
    const struct {
        const char* align;
        int format;
    } columns[] = {{"?", LVCFMT_LEFT}, {"R", LVCFMT_RIGHT}, {"x", LVCFMT_RIGHT}, {"C", LVCFMT_CENTER}, {nullptr, LVCFMT_CENTER}};
    for (int c = 0; c < 5; ++c) {
        LVCOLUMNA col = {};
        col.mask = LVCF_FMT;
        EXPECT_EQ(vu_ListViewInsertColumn(list, 50 + c, columns[c].align, "Rubrik", c), c);
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
    EXPECT_EQ(Cell(list, 1, 0) + Cell(list, 2, 0), "0:3:ett");
    EXPECT_EQ(Cell(list, 1, 1), "254:" + std::string(254, 'w'));
    vu_ListViewDeleteRow(list, 1);
    EXPECT_EQ(vu_ListViewGetRowCount(list), 1);
    // Add-cell makes a new row when the last added row differs; find searches first cells.
    vu_ListViewDeleteAllRows(list);
    vu_ListViewAddCell(list, "abc", 1, 0);
    vu_ListViewAddCell(list, "b", 1, 1);
    vu_ListViewAddCell(list, "xyz", 2, 0);
    vu_ListViewAddCell(list, "z", 1, 2);  // the last added was row 2: a new row 1
    EXPECT_EQ(vu_ListViewGetRowCount(list), 3);
    EXPECT_EQ(Cell(list, 1, 2) + Cell(list, 2, 0) + Cell(list, 2, 1) + Cell(list, 3, 0), "1:z3:abc1:b3:xyz");
    EXPECT_EQ(vu_ListViewFindRow(list, "ab") * 10 + vu_ListViewFindRow(list, "q"), 19);
}

TEST(ListView, NotificationRecordsClickSortAndEdit)
{
    vu_test::Window parent("Lista meddelanden");
    HWND list = vu_ListView(parent, 0, 0, 0, 0);
    vu_ListViewInsertColumn(list, 80, "L", "A", 0);
    vu_ListViewInsertRow(list, 1);
    vu_ListViewSetCell(list, "gammal", 1, 0);
    // Each record in turn to the click and sort handlers: the column clicked, and the sorts
    // it started (0: no comparison, after the first click of a series; C: with one).
    vu_test::Recorder seen(list);
    const struct {
        const char* name;
        HWND from;
        UINT code;
        int sub_item, clicked;
        const char* sorts;
    } records[] = {{"edit ended", parent, LVN_ENDLABELEDITA, 0, -1, ""}, {"column 0", parent, LVN_COLUMNCLICK, 0, 0, "0"},
                   {"column 3", parent, LVN_COLUMNCLICK, 3, 3, ""}, {"column 0 again", parent, LVN_COLUMNCLICK, 0, 0, "C"},
                   {"its own list", list, LVN_COLUMNCLICK, 0, 0, ""}, {"column 255", parent, LVN_COLUMNCLICK, 255, -1, ""},
                   {"column -2", parent, LVN_COLUMNCLICK, -2, -1, ""}, {"another code", parent, LVN_ITEMCHANGED, 0, -1, ""},
                   {"edit ended again", parent, LVN_ENDLABELEDITA, 0, -1, ""}, {"column 0 anew", parent, LVN_COLUMNCLICK, 0, 0, "0"}};
    for (const auto& r : records) {
        NMLISTVIEW record = {};
        record.hdr = {list, 0, r.code};
        record.iSubItem = r.sub_item;
        seen.Clear();
        EXPECT_EQ(vu_ListViewColumnClicked(list, r.from, &record.hdr), r.clicked) << r.name;
        vu_ListViewSortNotify(list, r.from, &record.hdr);
        std::string sorts;
        for (const vu_test::Message& m : seen.messages())
            if (m.message == LVM_SORTITEMS) sorts += m.lparam ? "C" : "0";
        EXPECT_EQ(sorts, r.sorts) << r.name;
    }
    // A label edit: limited to 255 characters when it begins, the text set when it ends.
    ASSERT_EQ(vu_ListViewEditLabel(list, 1), 0);
    NMLVDISPINFOA edit = {};
    edit.hdr = {list, 0, LVN_BEGINLABELEDITA};
    EXPECT_EQ(vu_ListViewLabelEditNotify(list, parent, &edit.hdr), 0);
    EXPECT_EQ(SendMessageA(vu_ListViewGetEditControl(list), EM_GETLIMITTEXT, 0, 0), 255);
    char typed[] = "ny";
    edit.hdr.code = LVN_ENDLABELEDITA;
    edit.item.pszText = typed;
    vu_ListViewLabelEditNotify(list, list, &edit.hdr);  // from its own list: ignored
    EXPECT_EQ(Cell(list, 1, 0), "6:gammal");
    vu_ListViewLabelEditNotify(list, parent, &edit.hdr);
    EXPECT_EQ(Cell(list, 1, 0), "2:ny");
}

// Every row as "a|b" lines (cells cut at 30 characters to keep messages short).
std::string Rows(HWND list)
{
    std::string rows;
    for (int r = 1; r <= vu_ListViewGetRowCount(list); ++r)
        for (int c = 0; c < 2; ++c) {
            char text[255] = {};
            vu_ListViewGetCell(list, text, r, c);
            rows += std::string(text).substr(0, 30) + (c ? "\n" : "|");
        }
    return rows;
}

void Fill(HWND list, const char* first, const char* second)
{
    const int row = vu_ListViewGetRowCount(list) + 1;
    vu_ListViewInsertRow(list, row);
    vu_ListViewSetCell(list, first, row, 0);
    vu_ListViewSetCell(list, second, row, 1);
}

TEST(ListView, ExportWritesSeparatorEndedCellsAndImportReadsThemWithinItsBounds)
{
    vu_test::Window parent("Listfil");
    HWND list = vu_ListView(parent, 0, 0, 0, 0);
    vu_ListViewInsertColumn(list, 80, "L", "Första", 0);
    vu_ListViewInsertColumn(list, 80, "R", "Andra", 1);
    const std::string dir = vu_test::NewTempDir(), path = dir + "rader.txt", x19(19, 'x');
    Fill(list, "a", "b");
    Fill(list, std::string(30, 'x').c_str(), "Räksmörgås");
    const struct {
        const char *separator, *mode;
        std::string bytes;
    } exports[] = {
        {"COMMA", "WRITE", "a,b,\r\n" + x19 + ",Räksmörgås,\r\n"},
        {"COMMA", "APPEND", "a,b,\r\n" + x19 + ",Räksmörgås,\r\na,b,\r\n" + x19 + ",Räksmörgås,\r\n"},
        {"TAB", "OTHER", "a\tb\t\r\n" + x19 + "\tRäksmörgås\t\r\n"}, {"POINT", "WRITE", "a.b.\r\n"},
        {"SPACE", "WRITE", "a b \r\n"}, {"STAR", "WRITE", "a*b*\r\n"}, {"PLUS", "WRITE", "a+b+\r\n"},
        {"MINUS", "WRITE", "a-b-\r\n"}, {"VLINE", "WRITE", "a|b|\r\n"}, {";", "WRITE", "ab\r\n"}, {nullptr, "WRITE", "ab\r\n"},
    };
    std::string bytes;
    for (const auto& c : exports) {
        if (c.bytes.size() < 10) vu_ListViewDeleteRow(list, 2);
        EXPECT_EQ(vu_ListViewSaveFile(list, c.mode, path.c_str(), 2, c.separator), 0);
        EXPECT_TRUE(vu_test::ReadFileBytes(path, &bytes) && bytes == c.bytes) << (c.separator ? c.separator : "(null)");
    }
    vu_ListViewDeleteAllRows(list);
    EXPECT_EQ(vu_ListViewSaveFile(list, "WRITE", path.c_str(), 2, "TAB"), 0);
    EXPECT_TRUE(vu_test::ReadFileBytes(path, &bytes) && bytes.empty());
    EXPECT_EQ(vu_ListViewSaveFile(list, "WRITE", (dir + "saknas\\x.txt").c_str(), 2, "TAB"), 2);

    const std::string wide(600, 'w'), w30(30, 'w');
    const struct {
        const char* name;
        std::string bytes;
        const char *separator, *mode;
        int result;
        std::string rows;  // the rows kept before are X|x and Y|y
    } imports[] = {
        {"appended in front", "a,b,\nc,d,\n", "COMMA", "APPEND", 0, "a|b\nc|d\nX|x\nY|y\n"},
        {"unknown word", "p;q;\r\n", ";whatever", "WRITE", 0, "p|q\n"},
        {"extra cells ignored", "a,b,c,d,\ne,f,\n", "COMMA", "WRITE", 0, "a|b\ne|f\n"},
        {"short lines", "a,b\nc\n,\n", "COMMA", "WRITE", 0, "a|b\nc|\n|\n"},
        {"empty lines", "a,b,\n\n\nc,d,", "COMMA", "WRITE", 0, "a|b\nc|d\n"},
        {"no separator", "u,v\n", nullptr, "WRITE", 0, "u,v|\n"},
        {"a NUL byte", std::string("a\0b,c,\n", 7), "COMMA", "WRITE", 0, "a|c\n"},
        {"empty file", "", "COMMA", "APPEND", 0, "X|x\nY|y\n"},
        {"cells of 600", wide + "," + wide + ",\nnext,row,\n", "COMMA", "WRITE", 0, w30 + "|" + w30 + "\nnext|row\n"},
        {"30,001 characters", std::string(30001, 'z'), "COMMA", "WRITE", 4, "X|x\nY|y\n"},
        {"one line of 30,000", std::string(30000, 'y'), "COMMA", "WRITE", 0, std::string(30, 'y') + "|\n"},
        {"read back", "ett,två,\r\n,med mellanslag ,\r\n", "COMMA", "WRITE", 0, "ett|två\n|med mellanslag \n"},
    };
    for (const auto& c : imports) {
        vu_ListViewDeleteAllRows(list);
        Fill(list, "X", "x");
        Fill(list, "Y", "y");
        vu_test::WriteFileBytes(path, c.bytes);
        EXPECT_EQ(vu_ListViewLoadFile(list, c.mode, path.c_str(), 2, c.separator), c.result) << c.name;
        EXPECT_EQ(Rows(list), c.rows) << c.name;
    }
    EXPECT_EQ(vu_ListViewLoadFile(list, "WRITE", (dir + "saknas.txt").c_str(), 2, "COMMA"), 2);
    EXPECT_EQ(vu_ListViewGetRowCount(list), 0);  // the rows went before the file was tried
}

}  // namespace
