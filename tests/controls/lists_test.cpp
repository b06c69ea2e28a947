// List view and combobox: rows counted from 1 and entries numbered from the own text, texts
// read with their bounds (guard bytes), column words, the add-cell rule, search, the list
// view's notification handlers fed real records, the shared selected text, and both
// controls' files within their bounds.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "query.h"
#include "recorder.h"

namespace {

// "length:text" (40 characters at most) of a read into a guarded buffer of which only the
// first room bytes may be written.
template <class Read>
std::string Guarded(size_t room, Read read)
{
    char buffer[601] = {};
    std::memset(buffer, '#', 600);
    const int length = read(buffer);
    EXPECT_EQ(buffer[room], '#') << "written past " << room << " bytes";
    return std::to_string(length) + ":" + std::string(buffer).substr(0, length > 0 ? std::min(length, 40) : 0);
}
std::string Cell(HWND list, int row, int column)
{
    return Guarded(255, [&](char* b) { return vu_ListViewGetCell(list, b, row, column); });
}

TEST(ListView, ColumnsRowsCellsAndNotifications)
{
    vu_test::Window parent("Lista", 400, 300);
    HWND list = vu_ListView(parent, 5, -5, 10, -10);  // adds up to 0: fills the parent
    EXPECT_EQ(vu_test::StyleOf(list) * 1000ull + (vu_test::ExStyleOf(list) & WS_EX_CLIENTEDGE), 0x50800201ull * 1000 + 0x200);
    EXPECT_EQ(vu_test::RectInParent(list).right * 1000 + vu_test::RectInParent(list).bottom, 400300);
    const struct { const char* align; int format; } columns[] = {  // an unknown word keeps the previous one's
        {"?", LVCFMT_LEFT}, {"R", LVCFMT_RIGHT}, {"x", LVCFMT_RIGHT}, {"C", LVCFMT_CENTER}, {nullptr, LVCFMT_CENTER}};
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
    // Add-cell makes a new row when the last added row differs; a row inserted in front
    // moves the others on; find searches first cells.
    vu_ListViewAddCell(list, "abc", 1, 0);
    vu_ListViewAddCell(list, "b", 1, 1);
    vu_ListViewAddCell(list, "xyz", 2, 0);
    vu_ListViewAddCell(list, "z", 1, 2);  // the last added was row 2: a new row 1
    EXPECT_EQ(vu_ListViewInsertRow(list, 1) + vu_ListViewSetCell(list, std::string(400, 'w').c_str(), 1, 1), 0);
    EXPECT_EQ(Cell(list, 1, 1), "254:" + std::string(40, 'w'));
    EXPECT_EQ(Cell(list, 1, 0) + Cell(list, 2, 2) + Cell(list, 3, 0) + Cell(list, 3, 1) + Cell(list, 4, 0),
              "0:1:z3:abc1:b3:xyz");
    EXPECT_EQ(vu_ListViewFindRow(list, "ab") * 10 + vu_ListViewFindRow(list, "q"), 29);
    EXPECT_EQ(vu_ListViewDeleteRow(list, 1) + vu_ListViewGetRowCount(list), 3);

    // Each record in turn to the click and sort handlers: the column clicked, and the sorts
    // it started (0: no comparison, after the first click of a series; C: with one).
    vu_test::Recorder seen(list);
    const struct { const char* name; HWND from; UINT code; int sub_item, clicked; const char* sorts; } records[] = {
        {"edit ended", parent, LVN_ENDLABELEDITA, 0, -1, ""}, {"column 0", parent, LVN_COLUMNCLICK, 0, 0, "0"},
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
    // A label edit: the text set when it ends.
    vu_ListViewSetCell(list, "gammal", 1, 0);
    ASSERT_EQ(vu_ListViewEditLabel(list, 1), 0);
    NMLVDISPINFOA edit = {};
    edit.hdr = {list, 0, LVN_BEGINLABELEDITA};
    EXPECT_EQ(vu_ListViewLabelEditNotify(list, parent, &edit.hdr), 0);
    char typed[] = "ny";
    edit.hdr.code = LVN_ENDLABELEDITA;
    edit.item.pszText = typed;
    vu_ListViewLabelEditNotify(list, list, &edit.hdr);  // from its own list: ignored
    EXPECT_EQ(Cell(list, 1, 0), "6:gammal");
    vu_ListViewLabelEditNotify(list, parent, &edit.hdr);
    EXPECT_EQ(Cell(list, 1, 0), "2:ny");
}

// Every row as "a|b" lines (cells cut at 30 characters); replacing the rows by two-cell rows.
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
void Fill(HWND list, std::initializer_list<std::pair<std::string, std::string>> rows)
{
    vu_ListViewDeleteAllRows(list);
    int r = 0;
    for (const auto& row : rows) {
        vu_ListViewInsertRow(list, ++r);
        vu_ListViewSetCell(list, row.first.c_str(), r, 0);
        vu_ListViewSetCell(list, row.second.c_str(), r, 1);
    }
}

TEST(ListView, ExportWritesSeparatorEndedCellsAndImportReadsThemWithinItsBounds)
{
    vu_test::Window parent("Listfil");
    HWND list = vu_ListView(parent, 0, 0, 0, 0);
    vu_ListViewInsertColumn(list, 80, "L", "Första", 0);
    vu_ListViewInsertColumn(list, 80, "R", "Andra", 1);
    const std::string dir = vu_test::NewTempDir(), path = dir + "rader.txt", x19(19, 'x'), wide(600, 'w');
    Fill(list, {{"a", "b"}, {std::string(30, 'x'), "Räksmörgås"}});
    const struct { const char *separator, *mode; std::string bytes; } exports[] = {
        {"COMMA", "WRITE", "a,b,\r\n" + x19 + ",Räksmörgås,\r\n"},
        {"COMMA", "APPEND", "a,b,\r\n" + x19 + ",Räksmörgås,\r\na,b,\r\n" + x19 + ",Räksmörgås,\r\n"},
        {"TAB", "OTHER", "a\tb\t\r\n" + x19 + "\tRäksmörgås\t\r\n"}, {"POINT", "WRITE", "a.b.\r\n"},
        {"SPACE", "WRITE", "a b \r\n"}, {"STAR", "WRITE", "a*b*\r\n"}, {"PLUS", "WRITE", "a+b+\r\n"},
        {"MINUS", "WRITE", "a-b-\r\n"}, {"VLINE", "WRITE", "a|b|\r\n"}, {";", "WRITE", "ab\r\n"}, {nullptr, "WRITE", "ab\r\n"}};
    std::string bytes;
    for (const auto& c : exports) {
        if (c.bytes.size() < 10) vu_ListViewDeleteRow(list, 2);
        EXPECT_EQ(vu_ListViewSaveFile(list, c.mode, path.c_str(), 2, c.separator), 0);
        EXPECT_TRUE(vu_test::ReadFileBytes(path, &bytes) && bytes == c.bytes) << (c.separator ? c.separator : "(null)");
    }
    EXPECT_EQ(vu_ListViewSaveFile(list, "WRITE", (dir + "saknas\\x.txt").c_str(), 2, "TAB"), 2);

    const struct { const char* name; std::string bytes; const char *separator, *mode; int result; std::string rows; } imports[] = {
        {"appended in front", "a,b,\nc,d,\n", "COMMA", "APPEND", 0, "a|b\nc|d\nX|x\nY|y\n"},
        {"unknown word", "p;q;\r\n", ";whatever", "WRITE", 0, "p|q\n"},
        {"extra cells ignored", "a,b,c,d,\ne,f,\n", "COMMA", "WRITE", 0, "a|b\ne|f\n"},
        {"short lines", "a,b\nc\n,\n", "COMMA", "WRITE", 0, "a|b\nc|\n|\n"},
        {"empty lines", "a,b,\n\n\nc,d,", "COMMA", "WRITE", 0, "a|b\nc|d\n"},
        {"no separator", "u,v\n", nullptr, "WRITE", 0, "u,v|\n"},
        {"a NUL byte", std::string("a\0b,c,\n", 7), "COMMA", "WRITE", 0, "a|c\n"},
        {"empty file", "", "COMMA", "APPEND", 0, "X|x\nY|y\n"},
        {"cells of 600", wide + "," + wide + ",\nnext,row,\n", "COMMA", "WRITE", 0, wide.substr(0, 60).insert(30, "|") + "\nnext|row\n"},
        {"30,001 characters", std::string(30001, 'z'), "COMMA", "WRITE", 4, "X|x\nY|y\n"},
        {"one line of 30,000", std::string(30000, 'y'), "COMMA", "WRITE", 0, std::string(30, 'y') + "|\n"},
        {"read back", "ett,två,\r\n,med mellanslag ,\r\n", "COMMA", "WRITE", 0, "ett|två\n|med mellanslag \n"}};
    for (const auto& c : imports) {
        Fill(list, {{"X", "x"}, {"Y", "y"}});
        vu_test::WriteFileBytes(path, c.bytes);
        EXPECT_EQ(vu_ListViewLoadFile(list, c.mode, path.c_str(), 2, c.separator), c.result) << c.name;
        EXPECT_EQ(Rows(list), c.rows) << c.name;
    }
    EXPECT_EQ(vu_ListViewLoadFile(list, "WRITE", (dir + "saknas.txt").c_str(), 2, "COMMA"), 2);
    EXPECT_EQ(vu_ListViewGetRowCount(list), 0);  // the rows went before the file was tried
}

// The entry's text as "length:text", read into a guarded buffer of exactly room bytes.
std::string Entry(HWND combo, int entry, size_t room = 255)
{
    EXPECT_EQ(vu_ComboBoxGetTextLength(combo, entry), vu_ComboBoxGetText(combo, entry, std::string(600, ' ').data()));
    return Guarded(room, [&](char* b) { return vu_ComboBoxGetText(combo, entry, b); });
}

TEST(ComboBox, EntriesSelectedTextAndFiles)
{
    vu_test::Window parent("Kombinationsruta");
    HWND combo = vu_ComboBox(parent, 5, 5, 150, 120, "WRITEDROP");
    for (const char* t : {"a", "b", "c", "d", "e"}) EXPECT_EQ(vu_ComboBoxAddString(combo, t), 0);
    EXPECT_EQ(vu_ComboBoxSetText(combo, 3, "X") + vu_ComboBoxSetText(combo, 0, "Åtgärd"), 0);  // c moves on
    vu_ComboBoxSetText(combo, 7, std::string(500, 'i').c_str());
    const struct { int entry; size_t need; std::string text; } cases[] = {  // need: the bytes the buffer holds
        {0, 255, "6:Åtgärd"}, {2, 2, "1:b"}, {3, 2, "1:X"}, {4, 2, "1:c"}, {7, 501, "500:" + std::string(40, 'i')},
        {8, 1, "-1:"}, {-3, 1, "-1:"}};
    for (const auto& c : cases) EXPECT_EQ(Entry(combo, c.entry, c.need), c.text) << c.entry;
    vu_ComboBoxSetText(combo, 0, std::string(300, 'k').c_str());
    EXPECT_EQ(Entry(combo, 0), "254:" + std::string(40, 'k'));

    // The selected text: one shared answer, the previous one while nothing is selected.
    EXPECT_STREQ(vu_ComboBoxGetSelText(combo), "");
    std::string abc;
    for (int i = 0; i < 600; ++i) abc += static_cast<char>('a' + i % 26);
    const struct { const char* text; int start, end; std::string selected; } selections[] = {
        {"abcdefg", 2, 5, "cde"}, {"abcdefg", 0, 0, "cde"}, {"abcdefg", 3, 3, ""}, {"abcdefg", 0, 7, "abcdefg"},
        {abc.c_str(), 250, 300, abc.substr(250, 50)}, {abc.c_str(), 0, -1, abc.substr(0, 255)}};
    for (const auto& c : selections) {
        vu_ComboBoxSetText(combo, 0, c.text);
        SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(c.start, c.end));
        EXPECT_EQ(vu_ComboBoxGetSelText(combo), c.selected) << c.start << ".." << c.end;
    }

    // Files: one entry's characters saved raw; a load takes the first 255 bytes.
    const std::string dir = vu_test::NewTempDir(), path = dir + "post.txt";
    std::string huge, noise, bytes, xs(300, 'x');
    for (int i = 0; i < 5000; ++i) huge += static_cast<char>('A' + i % 26);
    for (unsigned i = 0, seed = 12345; i < 1000; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise += static_cast<char>(1 + (seed >> 16) % 255);  // no NUL: all 255 are kept
    }
    SendMessageA(combo, CB_RESETCONTENT, 0, 0);
    for (const char* t : {"första", "", huge.c_str()}) vu_ComboBoxAddString(combo, t);
    const struct { const char* own; int entry, result; std::string bytes; } saves[] = {  // the own text first
        {"Räkning\r\nrad två", 0, 0, "Räkning\r\nrad två"}, {"", 1, 0, "första"}, {"", 2, 0, ""}, {"", 3, 0, huge},
        {xs.c_str(), 0, 0, std::string(254, 'x')},
        {"", 5, 3, "gammalt"}, {"", -1, 3, "gammalt"}};  // no item: the file is kept
    for (const auto& c : saves) {
        vu_test::WriteFileBytes(path, "gammalt");
        vu_ComboBoxSetText(combo, 0, c.own);
        EXPECT_EQ(vu_ComboBoxSaveFile(combo, c.entry, path.c_str()), c.result) << c.entry;
        EXPECT_TRUE(vu_test::ReadFileBytes(path, &bytes) && bytes == c.bytes) << c.entry;
    }
    EXPECT_EQ(vu_ComboBoxSaveFile(combo, 0, (dir + "saknas\\x.txt").c_str()), 2);

    const struct { const char* name; std::string bytes; int result; std::string item; } loads[] = {  // item: entry 1
        {"line end", "a\r\nb", 0, "a\r\nb"}, {"300 bytes", noise.substr(0, 300), 0, noise.substr(0, 255)},
        {"NUL byte", std::string("ab\0cd", 5), 0, "ab"}, {"empty", "", 0, ""},
        {"65,535 bytes", std::string(65535, 'q'), 0, std::string(255, 'q')},
        {"65,536 bytes", std::string(65536, 'z'), 4, "kvar"}, {"200,000 bytes", std::string(200000, 'z'), 4, "kvar"}};
    for (const auto& c : loads) {
        SendMessageA(combo, CB_RESETCONTENT, 0, 0);
        vu_ComboBoxAddString(combo, "kvar");
        vu_test::WriteFileBytes(path, c.bytes);
        EXPECT_EQ(vu_ComboBoxLoadFile(combo, 1, path.c_str()), c.result) << c.name;
        char text[600] = {};
        EXPECT_EQ(std::string(text, vu_ComboBoxGetText(combo, 1, text)), c.item) << c.name;
    }
    vu_ComboBoxSetText(combo, 0, "var här");
    const std::string missing = dir + "saknas.txt";
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 0, missing.c_str()), 0);  // created empty
    EXPECT_TRUE(vu_test::FileExists(missing) && vu_test::TextOf(combo).empty());
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 9, missing.c_str()), 3);  // no such position
}

}  // namespace
