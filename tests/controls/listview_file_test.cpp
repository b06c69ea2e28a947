// List view files: the delimited export, the import reading it back, and the import's
// bounds (file size, cell length, short and long lines, binary bytes, missing files).
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "lists_test_util.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

class ListFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent = lists_test::NewParent("List file");
        list = vu_ListView(parent, 0, 0, 0, 0);
        vu_ListViewInsertColumn(list, 80, "L", "Första", 0);
        vu_ListViewInsertColumn(list, 80, "R", "Andra", 1);
        dir = vu_test::NewTempDir();
    }
    void TearDown() override { DestroyWindow(parent); }

    void Fill(const Rows& rows)
    {
        vu_ListViewDeleteAllRows(list);
        for (size_t r = 0; r < rows.size(); ++r) {
            vu_ListViewInsertRow(list, static_cast<int>(r) + 1);
            for (size_t c = 0; c < rows[r].size(); ++c)
                vu_ListViewSetCell(list, rows[r][c].c_str(), static_cast<int>(r) + 1,
                                   static_cast<int>(c));
        }
    }
    Rows Read(int columns = 2) const
    {
        Rows rows;
        for (int r = 1; r <= vu_ListViewGetRowCount(list); ++r) {
            rows.emplace_back();
            for (int c = 0; c < columns; ++c) {
                char text[255] = {};
                vu_ListViewGetCell(list, text, r, c);
                rows.back().push_back(text);
            }
        }
        return rows;
    }
    std::string Path(const char* name) const { return dir + name; }
    std::string Bytes(const char* name) const
    {
        std::string bytes = "(missing)";
        vu_test::ReadFileBytes(Path(name), &bytes);
        return bytes;
    }
    int Save(const char* name, const char* separator, const char* mode = "WRITE", int columns = 2)
    {
        return vu_ListViewSaveFile(list, mode, Path(name).c_str(), columns, separator);
    }
    int Load(const char* name, const char* separator, const char* mode = "WRITE", int columns = 2)
    {
        return vu_ListViewLoadFile(list, mode, Path(name).c_str(), columns, separator);
    }
    int LoadBytes(const std::string& bytes, const char* separator, const char* mode = "WRITE",
                  int columns = 2)
    {
        vu_test::WriteFileBytes(Path("in.txt"), bytes);
        return Load("in.txt", separator, mode, columns);
    }

    HWND parent = nullptr;
    HWND list = nullptr;
    std::string dir;
};

TEST_F(ListFile, ExportWritesSeparatorEndedCellsAndLineEnds)
{
    Fill({{"a", "b"}, {"c", "d"}});
    EXPECT_EQ(Save("comma.txt", "COMMA"), 0);
    EXPECT_EQ(Bytes("comma.txt"), "a,b,\r\nc,d,\r\n");
    EXPECT_EQ(Save("tab.txt", "TAB"), 0);
    EXPECT_EQ(Bytes("tab.txt"), "a\tb\t\r\nc\td\t\r\n");
    const struct {
        const char* word;
        const char* bytes;
    } cases[] = {{"POINT", "a.b.\r\nc.d.\r\n"}, {"SPACE", "a b \r\nc d \r\n"},
                 {"STAR", "a*b*\r\nc*d*\r\n"},  {"PLUS", "a+b+\r\nc+d+\r\n"},
                 {"MINUS", "a-b-\r\nc-d-\r\n"}, {"VLINE", "a|b|\r\nc|d|\r\n"},
                 {";", "ab\r\ncd\r\n"},         {nullptr, "ab\r\ncd\r\n"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Save("sep.txt", c.word), 0);
        EXPECT_EQ(Bytes("sep.txt"), c.bytes) << (c.word ? c.word : "(null)");
    }
    EXPECT_EQ(Save("comma.txt", "COMMA", "APPEND"), 0);
    EXPECT_EQ(Bytes("comma.txt"), "a,b,\r\nc,d,\r\na,b,\r\nc,d,\r\n");
    EXPECT_EQ(Save("comma.txt", "COMMA", "OTHER"), 0);  // any other mode writes anew
    EXPECT_EQ(Bytes("comma.txt"), "a,b,\r\nc,d,\r\n");
}

TEST_F(ListFile, ExportCutsCellsTo19CharactersAndWritesNothingForNoRows)
{
    Fill({{std::string(30, 'x'), "Räksmörgås"}});
    EXPECT_EQ(Save("cut.txt", "COMMA"), 0);
    EXPECT_EQ(Bytes("cut.txt"), std::string(19, 'x') + ",Räksmörgås,\r\n");
    Fill({});
    EXPECT_EQ(Save("empty.txt", "COMMA"), 0);
    EXPECT_EQ(Bytes("empty.txt"), "");
    EXPECT_EQ(Save("cut.txt", "COMMA", "APPEND"), 0);
    EXPECT_EQ(Bytes("cut.txt"), std::string(19, 'x') + ",Räksmörgås,\r\n");
    EXPECT_EQ(vu_ListViewSaveFile(list, "WRITE", (dir + "no such dir\\x.txt").c_str(), 2, "TAB"), 2);
    EXPECT_EQ(vu_ListViewSaveFile(list, "WRITE", nullptr, 2, "TAB"), 2);
    Fill({{"a", "b"}});
    EXPECT_EQ(Save("none.txt", "COMMA", "WRITE", 0), 0);  // no columns: nothing is done
    EXPECT_EQ(Bytes("none.txt"), "(missing)");
}

TEST_F(ListFile, ImportReadsTheExportBackIntoTheSameRows)
{
    const Rows rows = {{"ett", "två"}, {"", "med mellanslag "}, {"Åäö", "x"}, {"sista", ""}};
    Fill(rows);
    for (const char* separator : {"COMMA", "TAB", "VLINE", "SPACE"}) {
        if (std::string(separator) == "SPACE") Fill({{"a", "b"}, {"c", ""}});
        const Rows expected = Read();
        ASSERT_EQ(Save("round.txt", separator), 0);
        vu_ListViewDeleteAllRows(list);
        vu_ListViewInsertRow(list, 1);  // replaced by the import
        EXPECT_EQ(Load("round.txt", separator), 0) << separator;
        EXPECT_EQ(Read(), expected) << separator;  // and no empty row at the end
    }
}

TEST_F(ListFile, ImportPlacesRowsFirstAndSplitsAsTheSeparatorSays)
{
    Fill({{"X", "x"}, {"Y", "y"}});
    EXPECT_EQ(LoadBytes("a,b,\nc,d,\n", "COMMA", "APPEND"), 0);
    EXPECT_EQ(Read(), (Rows{{"a", "b"}, {"c", "d"}, {"X", "x"}, {"Y", "y"}}));
    EXPECT_EQ(LoadBytes("p;q;\r\n", ";whatever"), 0);  // first character of an unknown word
    EXPECT_EQ(Read(), (Rows{{"p", "q"}}));
    EXPECT_EQ(LoadBytes("a,b,c,d,\ne,f,\n", "COMMA"), 0);  // extra cells are ignored
    EXPECT_EQ(Read(), (Rows{{"a", "b"}, {"e", "f"}}));
    EXPECT_EQ(LoadBytes("a,b\nc\n,\n", "COMMA"), 0);  // short lines end their rows
    EXPECT_EQ(Read(), (Rows{{"a", "b"}, {"c", ""}, {"", ""}}));
    EXPECT_EQ(LoadBytes("a,b,\n\n\nc,d,", "COMMA"), 0);  // empty lines make no rows
    EXPECT_EQ(Read(), (Rows{{"a", "b"}, {"c", "d"}}));
    EXPECT_EQ(LoadBytes("one cell\ntwo\n", ""), 0);  // no separator: a line is one cell
    EXPECT_EQ(Read(), (Rows{{"one cell", ""}, {"two", ""}}));
    EXPECT_EQ(LoadBytes("u,v\n", nullptr), 0);
    EXPECT_EQ(Read(), (Rows{{"u,v", ""}}));

    // A cell holding the separator is split there when read back.
    Fill({{"a,b", "c"}});
    ASSERT_EQ(Save("split.txt", "COMMA"), 0);
    EXPECT_EQ(Load("split.txt", "COMMA"), 0);
    EXPECT_EQ(Read(), (Rows{{"a", "b"}}));
}

TEST_F(ListFile, ImportOfEmptyAndMissingFiles)
{
    Fill({{"k", "l"}});
    EXPECT_EQ(LoadBytes("", "COMMA", "APPEND"), 0);
    EXPECT_EQ(Read(), (Rows{{"k", "l"}}));
    EXPECT_EQ(vu_ListViewLoadFile(list, "APPEND", (dir + "missing.txt").c_str(), 2, "COMMA"), 2);
    EXPECT_EQ(Read(), (Rows{{"k", "l"}}));
    EXPECT_FALSE(vu_test::FileExists(dir + "missing.txt"));
    EXPECT_EQ(vu_ListViewLoadFile(list, "WRITE", (dir + "missing.txt").c_str(), 2, "COMMA"), 2);
    EXPECT_EQ(vu_ListViewGetRowCount(list), 0);  // the rows went before the file was tried
    EXPECT_EQ(vu_ListViewLoadFile(list, "WRITE", nullptr, 2, "COMMA"), 2);
    Fill({{"k", "l"}});
    EXPECT_EQ(LoadBytes("a,b,\n", "COMMA", "WRITE", 0), 0);  // no columns: nothing is done
    EXPECT_EQ(Read(), (Rows{{"k", "l"}}));
}

TEST_F(ListFile, ImportTakesAtMost30000CharactersAnd254PerCell)
{
    // 100 lines of 299 characters and a line end: 30,000 characters, 30,100 bytes on disk.
    std::string line = std::string(150, 'a') + "," + std::string(147, 'b') + ",";
    std::string file;
    for (int i = 0; i < 100; ++i) file += line + "\r\n";
    ASSERT_EQ(line.size() + 1, 300u);
    EXPECT_EQ(LoadBytes(file, "COMMA"), 0);
    EXPECT_EQ(vu_ListViewGetRowCount(list), 100);
    EXPECT_EQ(Read()[99], (std::vector<std::string>{std::string(150, 'a'), std::string(147, 'b')}));

    Fill({{"kvar", "här"}});
    for (size_t size : {size_t{30001}, size_t{65535}, size_t{65536}, size_t{200000}}) {
        std::string big(size, 'z');
        big[size / 2] = ',';
        EXPECT_EQ(LoadBytes(big, "COMMA"), 4) << size;  // refused: nothing changes
        EXPECT_EQ(Read(), (Rows{{"kvar", "här"}})) << size;
    }
    std::string exact(30000, 'y');
    EXPECT_EQ(LoadBytes(exact, "COMMA"), 0);
    EXPECT_EQ(Read(), (Rows{{std::string(254, 'y'), ""}}));

    const std::string wide(600, 'w');
    EXPECT_EQ(LoadBytes(wide + "," + wide + ",\nnext,row,\n", "COMMA"), 0);
    EXPECT_EQ(Read(), (Rows{{std::string(254, 'w'), std::string(254, 'w')}, {"next", "row"}}));
}

TEST_F(ListFile, ImportSurvivesBinaryBytes)
{
    EXPECT_EQ(LoadBytes(std::string("a\0b,c,\n", 7), "COMMA"), 0);
    EXPECT_EQ(Read(), (Rows{{"a", "c"}}));  // a cell ends at a NUL byte
    std::string noise;
    unsigned seed = 99;
    for (int i = 0; i < 29000; ++i) {
        seed = seed * 1103515245u + 12345u;
        const char ch = static_cast<char>((seed >> 16) & 0xFF);
        noise += ch == 0x1A ? 'x' : ch;  // keep the text stream reading to the end
    }
    const int result = LoadBytes(noise, "COMMA", "WRITE", 3);
    EXPECT_TRUE(result == 0 || result == 4) << result;  // within 30,000 characters or not
    EXPECT_LE(vu_ListViewGetRowCount(list), 29000);
    for (const auto& row : Read(3))
        for (const auto& cell : row) EXPECT_LE(cell.size(), 254u);
    EXPECT_EQ(LoadBytes(noise.substr(0, 20000), "\x80", "WRITE", 1000000), 0);
}

}  // namespace
