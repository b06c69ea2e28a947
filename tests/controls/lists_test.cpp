// List view and combobox: rows from 1 and entries from the own text, texts read within their
// bounds (guard bytes), column words, add-cell, search, the list view's notification handlers
// fed real records, the shared selected text, and both controls' files within their bounds.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "query.h"
#include "recorder.h"

namespace {

// "length:text" (40 characters at most) of a read into a guarded buffer of room bytes.
template <class Read>
std::string Guarded(size_t room, Read read)
{
    std::string buffer(600, '#');
    const int length = read(&buffer[0]);
    EXPECT_EQ(buffer[room], '#') << "written past " << room << " bytes";
    return std::to_string(length) + ":" + buffer.substr(0, std::max(0, std::min(length, 40)));
}
std::string Cell(HWND list, int row, int column)
{
    return Guarded(255, [&](char* b) { return vu_ListViewGetCell(list, b, row, column); });
}

// Every row as "a|b" lines (cells cut at 30 characters); replacing the rows by two-cell rows.
std::string Rows(HWND list)
{
    std::string rows;
    for (int r = 1; r <= vu_ListViewGetRowCount(list); ++r) {
        char a[255], b[255];
        vu_ListViewGetCell(list, a, r, 0), vu_ListViewGetCell(list, b, r, 1);
        rows += std::string(a).substr(0, 30) + "|" + std::string(b).substr(0, 30) + "\n";
    }
    return rows;
}
void Fill(HWND list, std::initializer_list<std::string> cells)  // two cells a row
{
    vu_ListViewDeleteAllRows(list);
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i % 2 == 0) vu_ListViewInsertRow(list, 1 + int(i / 2));
        vu_ListViewSetCell(list, cells.begin()[i].c_str(), 1 + int(i / 2), int(i % 2));
    }
}

TEST(ListView, ColumnsRowsCellsNotificationsAndFiles)
{
    vu_test::Window parent("Lista", 400, 300);
    HWND list = vu_ListView(parent, 5, -5, 10, -10);  // adds up to 0: fills the parent
    const RECT fills = vu_test::RectInParent(list);
    EXPECT_EQ(fills.left + fills.top + fills.right * 1000 + fills.bottom, 400300);
    std::string formats, bytes;  // an unknown word keeps the previous column's format
    for (const char* align : {"?", "R", "x", "C", (const char*)nullptr}) {
        LVCOLUMNA col = {};
        col.mask = LVCF_FMT;
        const int c = vu_ListViewInsertColumn(list, 51, align, "Rubrik", 9);
        SendMessageA(list, LVM_GETCOLUMNA, c, (LPARAM)&col);
        formats += std::to_string(c) + std::to_string(col.fmt & LVCFMT_JUSTIFYMASK) + " ";
    }
    EXPECT_EQ(formats, "00 11 21 32 42 ");  // left 0, right 1, centre 2
    EXPECT_EQ(vu_ListViewGetColumnWidth(list, 1), 51);
    SendMessageA(list, LVM_SETCOLUMNWIDTH, 1, 2001);
    EXPECT_EQ(vu_ListViewGetColumnWidth(list, 1), -1);
    // Add-cell makes a new row when the last added row differs; a row inserted in front
    // moves the others on; find searches first cells.
    const struct { const char* text; int row, column; } adds[] = {
        {"abc", 1, 0}, {"b", 1, 1}, {"xyz", 2, 0}, {"z", 1, 2}};  // the last: a new row 1
    for (const auto& a : adds) vu_ListViewAddCell(list, a.text, a.row, a.column);
    vu_ListViewInsertRow(list, 1), vu_ListViewSetCell(list, std::string(400, 'w').c_str(), 1, 1);
    EXPECT_EQ(Cell(list, 1, 1), "254:" + std::string(40, 'w'));
    EXPECT_EQ(Cell(list, 1, 0) + Cell(list, 2, 2) + Cell(list, 3, 0) + Cell(list, 3, 1) +
              Cell(list, 4, 0), "0:1:z3:abc1:b3:xyz");
    EXPECT_EQ(vu_ListViewFindRow(list, "ab") * 10 + vu_ListViewFindRow(list, "q"), 29);
    EXPECT_EQ(vu_ListViewDeleteRow(list, 1) + vu_ListViewGetRowCount(list), 3);

    // Each record in turn to the click and sort handlers: the column clicked, and the sorts
    // it started (0: no comparison, after the first click of a series; C: with one).
    vu_test::Recorder seen(list);
    const UINT end = LVN_ENDLABELEDITA, click = LVN_COLUMNCLICK;
    const struct { const char* name; HWND from; UINT code; int column, got; const char* sort; }
        records[] = {
        {"edit ended", parent, end, 0, -1, ""}, {"column 0", parent, click, 0, 0, "0"},
        {"column 3", parent, click, 3, 3, ""}, {"column 0 again", parent, click, 0, 0, "C"},
        {"its own list", list, click, 0, 0, ""}, {"column 255", parent, click, 255, -1, ""},
        {"column -2", parent, click, -2, -1, ""}, {"other", parent, LVN_ITEMCHANGED, 0, -1, ""},
        {"edit ended again", parent, end, 0, -1, ""}, {"column 0 anew", parent, click, 0, 0, "0"}};
    for (const auto& r : records) {
        NMLISTVIEW record = {};
        record.hdr = {list, 0, r.code};
        record.iSubItem = r.column;
        seen.Clear();
        EXPECT_EQ(vu_ListViewColumnClicked(list, r.from, &record.hdr), r.got) << r.name;
        vu_ListViewSortNotify(list, r.from, &record.hdr);
        std::string sorts;
        for (const vu_test::Message& m : seen.messages())
            if (m.message == LVM_SORTITEMS) sorts += m.lparam ? "C" : "0";
        EXPECT_EQ(sorts, r.sort) << r.name;
    }
    // A label edit ending sets the row's first cell.
    char typed[] = "ny";
    NMLVDISPINFOA edit = {};
    edit.hdr = {list, 0, end};
    edit.item.pszText = typed;
    vu_ListViewLabelEditNotify(list, parent, &edit.hdr);
    EXPECT_EQ(Cell(list, 1, 0), "2:ny");

    // Export writes separator-ended cells of the first columns; import reads them back.
    const std::string dir = vu_test::NewTempDir(), path = dir + "rader.txt", x19(19, 'x');
    const std::string two = x19 + ",Räksmörgås,\r\n", wide(600, 'w');
    Fill(list, {"a", "b", std::string(30, 'x'), "Räksmörgås"});
    const struct { const char* separator; std::string bytes; const char* mode = "WRITE"; } out[] = {
        {"COMMA", "a,b,\r\n" + two}, {"COMMA", "a,b,\r\n" + two + "a,b,\r\n" + two, "APPEND"},
        {"TAB", "a\tb\t\r\n" + x19 + "\tRäksmörgås\t\r\n", "OTHER"}, {"POINT", "a.b.\r\n"},
        {"SPACE", "a b \r\n"}, {"STAR", "a*b*\r\n"}, {"PLUS", "a+b+\r\n"}, {"MINUS", "a-b-\r\n"},
        {"VLINE", "a|b|\r\n"}, {";", "ab\r\n"}, {nullptr, "ab\r\n"}};
    for (const auto& c : out) {
        if (c.bytes.size() < 10) vu_ListViewDeleteRow(list, 2);
        EXPECT_EQ(vu_ListViewSaveFile(list, c.mode, path.c_str(), 2, c.separator), 0);
        EXPECT_TRUE(vu_test::ReadFileBytes(path, &bytes) && bytes == c.bytes)
            << (c.separator ? c.separator : "(null)");
    }
    EXPECT_EQ(vu_ListViewSaveFile(list, "WRITE", (dir + "saknas\\x.txt").c_str(), 2, "TAB"), 2);

    const std::string kept = "X|x\nY|y\n", w30(30, 'w');
    const struct { const char* name; std::string bytes, rows; int result = 0;
                   const char *separator = "COMMA", *mode = "WRITE"; } imports[] = {
        {"appended in front", "a,b,\nc,d,\n", "a|b\nc|d\n" + kept, 0, "COMMA", "APPEND"},
        {"empty file", "", kept, 0, "COMMA", "APPEND"}, {"no word", "u,v\n", "u,v|\n", 0, nullptr},
        {"unknown word", "p;q;\r\n", "p|q\n", 0, ";x"}, {"short", "a,b\nc\n,\n", "a|b\nc|\n|\n"},
        {"extra", "a,b,c,d,\ne,f,\n", "a|b\ne|f\n"}, {"empty", "a,b,\n\n\nc,d,", "a|b\nc|d\n"},
        {"a NUL byte", std::string("a\0b,c,\n", 7), "a|c\n"},
        {"read back", "ett,två,\r\n,med ,\r\n", "ett|två\n|med \n"},
        {"cells of 600", wide + "," + wide + ",\nnext,row,\n", w30 + "|" + w30 + "\nnext|row\n"},
        {"30,001 characters", std::string(30001, 'z'), kept, 4},
        {"one line of 30,000", std::string(30000, 'y'), std::string(30, 'y') + "|\n"}};
    for (const auto& c : imports) {
        Fill(list, {"X", "x", "Y", "y"});
        vu_test::WriteFileBytes(path, c.bytes);
        EXPECT_EQ(vu_ListViewLoadFile(list, c.mode, path.c_str(), 2, c.separator), c.result)
            << c.name;
        EXPECT_EQ(Rows(list), c.rows) << c.name;
    }
    EXPECT_EQ(vu_ListViewLoadFile(list, "WRITE", (dir + "saknas.txt").c_str(), 2, "COMMA"), 2);
    EXPECT_EQ(vu_ListViewGetRowCount(list), 0);  // the rows went before the file was tried
}

TEST(ComboBox, EntriesSelectedTextAndFiles)
{
    vu_test::Window parent("Kombinationsruta");
    HWND combo = vu_ComboBox(parent, 5, 5, 150, 120, "WRITEDROP");
    auto entry = [&](int entry, size_t room) {  // read into a buffer of exactly room bytes
        return Guarded(room, [&](char* b) { return vu_ComboBoxGetText(combo, entry, b); });
    };
    for (const char* t : {"a", "b", "c", "d", "e"}) EXPECT_EQ(vu_ComboBoxAddString(combo, t), 0);
    EXPECT_EQ(vu_ComboBoxSetText(combo, 3, "X") + vu_ComboBoxSetText(combo, 0, "Åtgärd"), 0);
    vu_ComboBoxSetText(combo, 7, std::string(500, 'i').c_str());  // X went in front of c
    const struct { int entry; size_t room; std::string text; } entries[] = {{0, 255, "6:Åtgärd"},
        {2, 2, "1:b"}, {3, 2, "1:X"}, {4, 2, "1:c"}, {7, 501, "500:" + std::string(40, 'i')},
        {8, 1, "-1:"}, {-3, 1, "-1:"}};
    for (const auto& c : entries) EXPECT_EQ(entry(c.entry, c.room), c.text) << c.entry;
    vu_ComboBoxSetText(combo, 0, std::string(300, 'k').c_str());
    EXPECT_EQ(entry(0, 255), "254:" + std::string(40, 'k'));

    // The selected text: one shared answer, the previous one while nothing is selected.
    EXPECT_STREQ(vu_ComboBoxGetSelText(combo), "");
    std::string abc, noise, bytes;
    for (int i = 0; i < 600; ++i) abc += static_cast<char>('a' + i % 26);
    const struct { int start, end; std::string selected; } selections[] = {{2, 5, "cde"},
        {0, 0, "cde"}, {3, 3, ""}, {250, 300, abc.substr(250, 50)}, {0, -1, abc.substr(0, 255)}};
    vu_ComboBoxSetText(combo, 0, abc.c_str());
    for (const auto& c : selections) {
        SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(c.start, c.end));
        EXPECT_EQ(vu_ComboBoxGetSelText(combo), c.selected) << c.start << ".." << c.end;
    }

    // Files: one entry's characters saved raw (the own text first; no such entry keeps the
    // file); a load takes the first 255 bytes, every byte value but NUL as it is.
    const std::string dir = vu_test::NewTempDir(), path = dir + "post.txt", huge(5000, 'h');
    for (int i = 0; i < 300; ++i) noise += static_cast<char>(1 + i % 255);
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const char* t : {"första", "", huge.c_str()}) vu_ComboBoxAddString(combo, t);
    const struct { std::string own; int entry, result; std::string bytes; } saves[] = {
        {"Rä\r\nd", 0, 0, "Rä\r\nd"}, {"", 1, 0, "första"}, {"", 2, 0, ""}, {"", 3, 0, huge},
        {std::string(300, 'x'), 0, 0, std::string(254, 'x')}, {"", 5, 3, "gammalt"}};
    for (const auto& c : saves) {
        vu_test::WriteFileBytes(path, "gammalt");
        vu_ComboBoxSetText(combo, 0, c.own.c_str());
        EXPECT_EQ(vu_ComboBoxSaveFile(combo, c.entry, path.c_str()), c.result) << c.entry;
        EXPECT_TRUE(vu_test::ReadFileBytes(path, &bytes) && bytes == c.bytes) << c.entry;
    }
    EXPECT_EQ(vu_ComboBoxSaveFile(combo, 0, (dir + "saknas\\x.txt").c_str()), 2);
    const struct { const char* name; std::string bytes; int result; std::string item; } loads[] = {
        {"line end", "a\r\nb", 0, "4:a\r\nb"}, {"300", noise, 0, "255:" + noise.substr(0, 40)},
        {"NUL byte", std::string("ab\0cd", 5), 0, "2:ab"}, {"empty", "", 0, "0:"},
        {"65,535 bytes", std::string(65535, 'q'), 0, "255:" + std::string(40, 'q')},
        {"65,536 bytes", std::string(65536, 'z'), 4, "4:kvar"}};  // item: entry 1 afterwards
    for (const auto& c : loads) {
        vu_ComboBoxSetText(combo, 1, "kvar");  // a new entry 1
        vu_test::WriteFileBytes(path, c.bytes);
        EXPECT_EQ(vu_ComboBoxLoadFile(combo, 1, path.c_str()), c.result) << c.name;
        EXPECT_EQ(entry(1, 256), c.item) << c.name;
    }
    vu_ComboBoxSetText(combo, 0, "var här");
    const std::string missing = dir + "saknas.txt";
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 0, missing.c_str()), 0);  // created empty
    EXPECT_TRUE(vu_test::FileExists(missing) && vu_test::TextOf(combo).empty());
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 99, missing.c_str()), 3);  // no such position
}

}  // namespace
