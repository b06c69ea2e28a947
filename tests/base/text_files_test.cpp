// Line-oriented text files on real files in text mode, and the zero-filling allocation.
#include <gtest/gtest.h>

#include <malloc.h>

#include <cstring>
#include <string>
#include <vector>

#include "vu_test.h"

namespace {

struct Files {
    std::string dir = vu_test::NewTempDir();
    std::string Make(const char* name, const std::string& bytes)
    {
        const std::string path = dir + name;
        EXPECT_TRUE(vu_test::WriteFileBytes(path, bytes));
        return path;
    }
    std::string Bytes(const std::string& path)
    {
        std::string bytes;
        EXPECT_TRUE(vu_test::ReadFileBytes(path, &bytes));
        return bytes;
    }
};

TEST(TextFileCounters, CountLinesCharactersAndFailures)
{
    Files f;
    const std::string three = f.Make("tre.txt", "ett\r\ntvå\r\ntre");
    const std::string empty = f.Make("tom.txt", "");
    const std::string short_file = f.Make("kort.txt", "ab\r\nc");
    const std::string absent = f.dir + "saknas.txt";

    EXPECT_EQ(vu_TextFileLineCount(three.c_str()), 3);
    EXPECT_EQ(vu_TextFileLineCount(empty.c_str()), 0);
    EXPECT_EQ(vu_TextFileLineCount(absent.c_str()), -2);
    EXPECT_EQ(vu_TextFileLastLine(three.c_str()), 2);
    EXPECT_EQ(vu_TextFileLastLine(empty.c_str()), 0);
    EXPECT_EQ(vu_TextFileLastLine(absent.c_str()), -2);
    EXPECT_EQ(vu_TextFileLength(short_file.c_str()), 4);
    EXPECT_EQ(vu_TextFileTextSize(short_file.c_str()), 6);
    EXPECT_EQ(vu_TextFileLength(empty.c_str()), 0);
    EXPECT_EQ(vu_TextFileLength(absent.c_str()), -2);
    EXPECT_EQ(vu_TextFileTextSize(absent.c_str()), -2);
    EXPECT_EQ(vu_TextFileLineCount(nullptr), -2);
    EXPECT_EQ(vu_TextFileLineCount(f.dir.c_str()), -2);  // a folder is no file
}

TEST(TextFileCounters, LongLineArrivesInPiecesOf1999)
{
    Files f;
    const std::string path = f.Make("lång.txt", std::string(2500, 'x') + "\r\nslut\r\n");
    EXPECT_EQ(vu_TextFileLineCount(path.c_str()), 3);
    EXPECT_EQ(vu_TextFileLastLine(path.c_str()), 2);
    EXPECT_EQ(vu_TextFileLength(path.c_str()), 2500 + 1 + 5);
    EXPECT_EQ(vu_TextFileTextSize(path.c_str()), 2506 + 3);
    const std::string exact = f.Make("exakt.txt", std::string(1998, 'y') + "\n" + std::string(1999, 'z'));
    EXPECT_EQ(vu_TextFileLineCount(exact.c_str()), 2);
}

TEST(TextFileWrite, WritesTextModeContentAndClears)
{
    Files f;
    const std::string path = f.dir + "ut.txt";
    EXPECT_EQ(vu_TextFileWrite(path.c_str(), "rad ett\nrad två"), 0);
    EXPECT_EQ(f.Bytes(path), "rad ett\r\nrad två");
    EXPECT_EQ(vu_TextFileWrite(path.c_str(), "ny"), 0);
    EXPECT_EQ(f.Bytes(path), "ny");
    EXPECT_EQ(vu_TextFileClear(path.c_str()), 0);
    EXPECT_TRUE(vu_test::FileExists(path));
    EXPECT_EQ(f.Bytes(path), "");
    EXPECT_EQ(vu_TextFileWrite(path.c_str(), nullptr), 0);
    EXPECT_EQ(f.Bytes(path), "");
    const std::string nowhere = f.dir + "saknas\\ut.txt";
    EXPECT_EQ(vu_TextFileWrite(nowhere.c_str(), "x"), 2);
    EXPECT_EQ(vu_TextFileClear(nowhere.c_str()), 2);
    EXPECT_EQ(vu_TextFileWrite(nullptr, "x"), 2);
}

TEST(TextFileAddLine, FirstTextStandsAloneLaterOnesEndInLineFeed)
{
    Files f;
    const std::string path = f.Make("logg.txt", "");
    EXPECT_EQ(vu_TextFileAddLine(path.c_str(), "first"), 0);
    EXPECT_EQ(f.Bytes(path), "first");
    EXPECT_EQ(vu_TextFileAddLine(path.c_str(), "second"), 0);
    EXPECT_EQ(f.Bytes(path), "firstsecond\r\n");
    EXPECT_EQ(vu_TextFileAddLine(path.c_str(), "third"), 0);
    EXPECT_EQ(f.Bytes(path), "firstsecond\r\nthird\r\n");
    EXPECT_EQ(vu_TextFileAddLine(path.c_str(), ""), 0);
    EXPECT_EQ(vu_TextFileAddLine(path.c_str(), nullptr), 0);
    EXPECT_EQ(f.Bytes(path), "firstsecond\r\nthird\r\n");
}

TEST(TextFileAddLine, ShortFirstLineKeepsTheFileLines)
{
    Files f;
    const std::string one = f.Make("ett.txt", "x\r\nandra raden\r\n");
    EXPECT_EQ(vu_TextFileAddLine(one.c_str(), "ny"), 0);
    EXPECT_EQ(f.Bytes(one), "x\r\nandra raden\r\nny\r\n");
    const std::string blank = f.Make("blank.txt", "\r\nefter tom rad\r\n");
    EXPECT_EQ(vu_TextFileAddLine(blank.c_str(), "ny"), 0);
    EXPECT_EQ(f.Bytes(blank), "\r\nefter tom rad\r\nny\r\n");
    const std::string single = f.Make("tecken.txt", "x");
    EXPECT_EQ(vu_TextFileAddLine(single.c_str(), "y"), 0);
    EXPECT_EQ(f.Bytes(single), "xy\r\n");
}

TEST(TextFileAddLine, MissingFileGivesTwoAndCreatesNothing)
{
    Files f;
    const std::string absent = f.dir + "saknas.txt";
    EXPECT_EQ(vu_TextFileAddLine(absent.c_str(), "text"), 2);
    EXPECT_FALSE(vu_test::FileExists(absent));
    EXPECT_EQ(vu_TextFileAddLine(absent.c_str(), ""), 0);
    EXPECT_FALSE(vu_test::FileExists(absent));
}

TEST(TextFileRead, AppendsWholeFileInTextMode)
{
    Files f;
    const std::string line(2500, 'q');
    const std::string path = f.Make("in.txt", "ett\r\ntvå\r\n" + line + "\r\nslut");
    std::vector<char> buffer(4000, 'X');
    std::strcpy(buffer.data(), "före:");
    EXPECT_EQ(vu_TextFileRead(path.c_str(), buffer.data()), 0);
    EXPECT_EQ(std::string(buffer.data()), "före:ett\ntvå\n" + line + "\nslut");

    std::strcpy(buffer.data(), "orörd");
    EXPECT_EQ(vu_TextFileRead((f.dir + "saknas.txt").c_str(), buffer.data()), 2);
    EXPECT_STREQ(buffer.data(), "orörd");
    const std::string empty = f.Make("tom.txt", "");
    EXPECT_EQ(vu_TextFileRead(empty.c_str(), buffer.data()), 0);
    EXPECT_STREQ(buffer.data(), "orörd");
    EXPECT_EQ(vu_TextFileRead(path.c_str(), nullptr), 0);
}

// Cells of four zero bytes under every allocation name, each block exactly count * 4 bytes
// (the heap checker run fails when the cells are written past a smaller block).
TEST(AllocCells, EveryNameGivesZeroedFourByteCells)
{
    using Alloc = void* (*)(int);
    const Alloc names[] = {
        [](int n) { return vu_AllocCells(n); },
        [](int n) { return static_cast<void*>(vu_AllocInts(n)); },
        [](int n) { return static_cast<void*>(vu_AllocLongs(n)); },
        [](int n) { return static_cast<void*>(vu_AllocFloats(n)); },
    };
    for (Alloc alloc : names) {
        for (int count : {1, 7, 1000}) {
            unsigned char* cells = static_cast<unsigned char*>(alloc(count));
            ASSERT_NE(cells, nullptr);
            EXPECT_EQ(_msize(cells), static_cast<size_t>(count) * 4);
            for (int i = 0; i < count * 4; ++i) ASSERT_EQ(cells[i], 0) << i;
            std::memset(cells, 0xA5, static_cast<size_t>(count) * 4);
            EXPECT_EQ(vu_Free(cells), 0);
        }
        EXPECT_EQ(alloc(-1), nullptr);
    }
    int* ints = vu_AllocInts(3);
    ints[2] = -7;
    EXPECT_EQ(ints[2], -7);
    EXPECT_EQ(vu_Free(ints), 0);
    EXPECT_EQ(vu_Free(nullptr), 0);
}

}  // namespace
