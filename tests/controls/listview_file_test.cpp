// List view files: the delimited export, the import reading it back, and the import's
// bounds (file size, cell length, short and long lines, a NUL byte, missing files).
#include <gtest/gtest.h>

#include <string>

#include "query.h"

namespace {

class ListFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        list = vu_ListView(parent, 0, 0, 0, 0);
        vu_ListViewInsertColumn(list, 80, "L", "Första", 0);
        vu_ListViewInsertColumn(list, 80, "R", "Andra", 1);
    }
    // Every row as "a|b" lines (cells cut at 30 characters to keep messages short).
    std::string Rows() const
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
    void Fill(const char* first, const char* second)
    {
        const int row = vu_ListViewGetRowCount(list) + 1;
        vu_ListViewInsertRow(list, row);
        vu_ListViewSetCell(list, first, row, 0);
        vu_ListViewSetCell(list, second, row, 1);
    }
    std::string Bytes(const std::string& path) const
    {
        std::string bytes = "(missing)";
        vu_test::ReadFileBytes(path, &bytes);
        return bytes;
    }

    vu_test::Window parent{"Listfil"};
    HWND list = nullptr;
    const std::string dir = vu_test::NewTempDir();
    const std::string path = dir + "rader.txt";
};

TEST_F(ListFile, ExportWritesSeparatorEndedCellsAndLineEnds)
{
    Fill("a", "b");
    Fill(std::string(30, 'x').c_str(), "Räksmörgås");
    const struct {
        const char* separator;
        const char* mode;
        std::string bytes;
    } cases[] = {
        {"COMMA", "WRITE", "a,b,\r\nxxxxxxxxxxxxxxxxxxx,Räksmörgås,\r\n"},
        {"COMMA", "APPEND", "a,b,\r\nxxxxxxxxxxxxxxxxxxx,Räksmörgås,\r\n"
                            "a,b,\r\nxxxxxxxxxxxxxxxxxxx,Räksmörgås,\r\n"},
        {"TAB", "OTHER", "a\tb\t\r\nxxxxxxxxxxxxxxxxxxx\tRäksmörgås\t\r\n"},
        {"POINT", "WRITE", "a.b.\r\n"}, {"SPACE", "WRITE", "a b \r\n"}, {"STAR", "WRITE", "a*b*\r\n"},
        {"PLUS", "WRITE", "a+b+\r\n"}, {"MINUS", "WRITE", "a-b-\r\n"}, {"VLINE", "WRITE", "a|b|\r\n"},
        {";", "WRITE", "ab\r\n"}, {nullptr, "WRITE", "ab\r\n"},
    };
    for (const auto& c : cases) {
        if (c.bytes.size() < 10) vu_ListViewDeleteRow(list, 2);
        EXPECT_EQ(vu_ListViewSaveFile(list, c.mode, path.c_str(), 2, c.separator), 0);
        EXPECT_EQ(Bytes(path), c.bytes) << (c.separator ? c.separator : "(null)") << " " << c.mode;
    }
    vu_ListViewDeleteAllRows(list);
    EXPECT_EQ(vu_ListViewSaveFile(list, "WRITE", path.c_str(), 2, "TAB"), 0);
    EXPECT_EQ(Bytes(path), "");
    EXPECT_EQ(vu_ListViewSaveFile(list, "WRITE", (dir + "saknas\\x.txt").c_str(), 2, "TAB"), 2);
}

TEST_F(ListFile, ImportReadsRowsAsTheSeparatorSaysWithinItsBounds)
{
    const std::string wide(600, 'w');
    const struct {
        const char* name;
        std::string bytes;
        const char* separator;
        const char* mode;
        int result;
        std::string rows;  // the rows kept before are X|x and Y|y
    } cases[] = {
        {"appended in front", "a,b,\nc,d,\n", "COMMA", "APPEND", 0, "a|b\nc|d\nX|x\nY|y\n"},
        {"unknown word", "p;q;\r\n", ";whatever", "WRITE", 0, "p|q\n"},
        {"extra cells ignored", "a,b,c,d,\ne,f,\n", "COMMA", "WRITE", 0, "a|b\ne|f\n"},
        {"short lines", "a,b\nc\n,\n", "COMMA", "WRITE", 0, "a|b\nc|\n|\n"},
        {"empty lines", "a,b,\n\n\nc,d,", "COMMA", "WRITE", 0, "a|b\nc|d\n"},
        {"no separator", "u,v\n", nullptr, "WRITE", 0, "u,v|\n"},
        {"a NUL byte", std::string("a\0b,c,\n", 7), "COMMA", "WRITE", 0, "a|c\n"},
        {"empty file", "", "COMMA", "APPEND", 0, "X|x\nY|y\n"},
        {"cells of 600", wide + "," + wide + ",\nnext,row,\n", "COMMA", "WRITE", 0,
         std::string(30, 'w') + "|" + std::string(30, 'w') + "\nnext|row\n"},
        {"30,001 characters", std::string(30001, 'z'), "COMMA", "WRITE", 4, "X|x\nY|y\n"},
        {"one line of 30,000", std::string(30000, 'y'), "COMMA", "WRITE", 0, std::string(30, 'y') + "|\n"},
        {"read back", "ett,två,\r\n,med mellanslag ,\r\n", "COMMA", "WRITE", 0, "ett|två\n|med mellanslag \n"},
    };
    for (const auto& c : cases) {
        vu_ListViewDeleteAllRows(list);
        Fill("X", "x");
        Fill("Y", "y");
        vu_test::WriteFileBytes(path, c.bytes);
        EXPECT_EQ(vu_ListViewLoadFile(list, c.mode, path.c_str(), 2, c.separator), c.result) << c.name;
        EXPECT_EQ(Rows(), c.rows) << c.name;
    }
    EXPECT_EQ(vu_ListViewLoadFile(list, "WRITE", (dir + "saknas.txt").c_str(), 2, "COMMA"), 2);
    EXPECT_EQ(vu_ListViewGetRowCount(list), 0);  // the rows went before the file was tried
}

}  // namespace
