// Line-oriented text files on real files in text mode, a close that fails on the full small
// drive (VU_SMALL_DRIVE), and the zero-filling allocation.
#include <gtest/gtest.h>

#include <malloc.h>

#include <cstring>

#include "vu_test.h"

const std::string kLong(2500, 'q');

TEST(TextFiles, CountersCountPiecesOf1999)
{
    const std::string dir = vu_test::NewTempDir(), long_file = kLong + "\r\nslut\r\n";
    const struct { const char *name, *bytes; int lines, last, length, size; } rows[] = {
        {"3 lines, the last without a line feed", "ett\r\ntvå\r\ntre", 3, 2, 11, 14}, {"empty", "", 0, 0, 0, 0},
        {"a long line in two pieces", long_file.c_str(), 3, 2, 2506, 2509}, {"missing", nullptr, -2, -2, -2, -2}};
    for (const auto& row : rows) {
        const std::string path = dir + row.name;
        if (row.bytes) vu_test::WriteFileBytes(path, row.bytes);
        EXPECT_EQ(vu_TextFileLineCount(path.c_str()), row.lines) << row.name;
        EXPECT_EQ(vu_TextFileLastLine(path.c_str()), row.last) << row.name;
        EXPECT_EQ(vu_TextFileLength(path.c_str()), row.length) << row.name;
        EXPECT_EQ(vu_TextFileTextSize(path.c_str()), row.size) << row.name;
    }
}

TEST(TextFiles, AddLineAppendsToAnyFileThatIsNotEmpty)
{
    const std::string dir = vu_test::NewTempDir();
    const struct { const char *name, *before, *text, *after; int result; } rows[] = {  // null: no file
        {"first text", "", "first", "first", 0}, {"second text", "first", "second", "firstsecond\r\n", 0},
        {"short first line", "x\r\nandra\r\n", "ny", "x\r\nandra\r\nny\r\n", 0},
        {"blank first line", "\r\nefter\r\n", "ny", "\r\nefter\r\nny\r\n", 0},
        {"empty text", "abc", "", "abc", 0}, {"null text", "abc", nullptr, "abc", 0},
        {"missing file", nullptr, "text", nullptr, 2}};
    for (const auto& row : rows) {
        const std::string path = dir + row.name;
        std::string bytes;
        if (row.before) vu_test::WriteFileBytes(path, row.before);
        EXPECT_EQ(vu_TextFileAddLine(path.c_str(), row.text), row.result) << row.name;
        EXPECT_EQ(vu_test::ReadFileBytes(path, &bytes), row.after != nullptr) << row.name;
        EXPECT_EQ(bytes, row.after ? row.after : "") << row.name;
    }
}

TEST(TextFiles, WriteReadAndAFailedClose)
{
    const std::string dir = vu_test::NewTempDir(), path = dir + "ut.txt";
    std::string bytes;
    EXPECT_EQ(vu_TextFileWrite(path.c_str(), ("rad ett\n" + kLong).c_str()), 0);
    EXPECT_TRUE(vu_test::ReadFileBytes(path, &bytes) && bytes == "rad ett\r\n" + kLong);
    std::vector<char> read(5 + 8 + kLong.size() + 1);  // the heap checker sees a byte past it
    std::strcpy(read.data(), "före:");
    EXPECT_EQ(vu_TextFileRead(path.c_str(), read.data()), 0);
    EXPECT_EQ(std::string(read.data()), "före:rad ett\n" + kLong);
    EXPECT_EQ(vu_TextFileClear(path.c_str()), 0);
    EXPECT_TRUE(vu_test::ReadFileBytes(path, &bytes) && bytes.empty());
    EXPECT_EQ(vu_TextFileWrite((dir + "saknas\\ut.txt").c_str(), "x"), 2);
    // A text longer than the runtime's buffer meets the full drive while it is written: a write
    // error. (Wine's runtime reports a close whose flush failed as a success.)
    char drive[MAX_PATH] = "";
    ASSERT_GT(GetEnvironmentVariableA("VU_SMALL_DRIVE", drive, MAX_PATH), 0u);
    const std::string full = std::string(drive) + "\\", filler = full + "fylld", text = full + "ut.txt";
    if (vu_test::FileExists(full + "refused"))
        GTEST_SKIP() << "the machine refused the small drive's mount: disk-full case not run";
    ULARGE_INTEGER free = {};
    ASSERT_TRUE(GetDiskFreeSpaceExA(full.c_str(), &free, nullptr, nullptr));
    ASSERT_TRUE(vu_test::WriteFileBytes(filler, std::string(free.QuadPart, 'f')));
    EXPECT_EQ(vu_TextFileWrite(text.c_str(), std::string(5000, 'x').c_str()), 3);
    EXPECT_TRUE(DeleteFileA(filler.c_str()) && DeleteFileA(text.c_str()));
}

TEST(TextFiles, EveryAllocationNameGivesZeroedFourByteCells)
{
    for (void* cells : {vu_AllocCells(7), (void*)vu_AllocInts(7), (void*)vu_AllocLongs(7), (void*)vu_AllocFloats(7)}) {
        EXPECT_EQ(std::string(static_cast<char*>(cells), _msize(cells)), std::string(28, '\0'));
        EXPECT_EQ(vu_Free(cells), 0);
    }
    EXPECT_EQ(vu_AllocCells(-1), nullptr);
}
