// Line-oriented text files on real files in text mode, and the zero-filling allocation.
#include <gtest/gtest.h>

#include <malloc.h>

#include "vu_test.h"

TEST(TextFiles, CountAddWriteAndRead)
{
    const std::string dir = vu_test::NewTempDir(), path = dir + "ut.txt", q(2500, 'q'), long_file = q + "\r\nslut\r\n";
    // Line count, last line, length and text size; a line over 1999 characters counts as two.
    const struct { const char *name, *bytes; std::vector<int> counts; } counted[] = {
        {"3 lines, the last without a line feed", "ett\r\ntvå\r\ntre", {3, 2, 11, 14}}, {"empty", "", {0, 0, 0, 0}},
        {"a long line in two pieces", long_file.c_str(), {3, 2, 2506, 2509}}, {"missing", nullptr, {-2, -2, -2, -2}}};
    for (const auto& row : counted) {
        const std::string file = dir + row.name;
        const char* p = file.c_str();
        if (row.bytes) vu_test::WriteFileBytes(file, row.bytes);
        EXPECT_EQ(std::vector<int>({vu_TextFileLineCount(p), vu_TextFileLastLine(p), vu_TextFileLength(p), vu_TextFileTextSize(p)}),
                  row.counts) << row.name;
    }
    // A line is appended to any file that is not empty, however short its first line.
    const struct { const char *name, *before, *text, *after; } added[] = {  // before null: no file; after: result:bytes
        {"first text", "", "first", "0:first"}, {"second text", "first", "second", "0:firstsecond\r\n"},
        {"short first line", "x\r\nandra\r\n", "ny", "0:x\r\nandra\r\nny\r\n"}, {"empty text", "abc", "", "0:abc"},
        {"blank first line", "\r\nefter\r\n", "ny", "0:\r\nefter\r\nny\r\n"}, {"null text", "abc", nullptr, "0:abc"},
        {"missing file", nullptr, "text", "2: no file"}};
    for (const auto& row : added) {
        std::string file = dir + row.name, bytes = " no file";
        if (row.before) vu_test::WriteFileBytes(file, row.before);
        const std::string result = std::to_string(vu_TextFileAddLine(file.c_str(), row.text)) + ":";
        EXPECT_EQ(result + (vu_test::ReadFileBytes(file, &bytes), bytes), row.after) << row.name;
    }
    std::string bytes;
    EXPECT_EQ(vu_TextFileWrite(path.c_str(), ("rad ett\n" + q).c_str()), 0);
    EXPECT_TRUE(vu_test::ReadFileBytes(path, &bytes) && bytes == "rad ett\r\n" + q);
    std::vector<char> read(5 + 8 + q.size() + 1);  // the heap checker sees a byte past it
    strcpy(read.data(), "före:");
    EXPECT_EQ(vu_TextFileRead(path.c_str(), read.data()), 0);
    EXPECT_EQ(std::string(read.data()), "före:rad ett\n" + q);
    EXPECT_TRUE(vu_TextFileClear(path.c_str()) == 0 && vu_test::ReadFileBytes(path, &bytes) && bytes.empty());
    EXPECT_EQ(vu_TextFileWrite((dir + "saknas\\ut.txt").c_str(), "x"), 2);
}

TEST(TextFiles, EveryAllocationNameGivesZeroedFourByteCells)
{
    for (void* cells : {vu_AllocCells(7), (void*)vu_AllocInts(7), (void*)vu_AllocLongs(7), (void*)vu_AllocFloats(7)}) {
        EXPECT_EQ(std::string(static_cast<char*>(cells), _msize(cells)), std::string(28, '\0'));
        EXPECT_EQ(vu_Free(cells), 0);
    }
    EXPECT_EQ(vu_AllocCells(-1), nullptr);
}
