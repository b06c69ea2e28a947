// Combobox files: one entry's characters saved raw and loaded back, the 255-character and
// 65,536-byte limits, missing, empty, binary and locked files.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "lists_test_util.h"

namespace {

class ComboFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent = lists_test::NewParent("Combo file");
        combo = vu_ComboBox(parent, 5, 5, 150, 120, "WRITEDROP");
        dir = vu_test::NewTempDir();
    }
    void TearDown() override { DestroyWindow(parent); }

    std::string Path(const char* name) const { return dir + name; }
    std::string Bytes(const std::string& path) const
    {
        std::string bytes = "(missing)";
        vu_test::ReadFileBytes(path, &bytes);
        return bytes;
    }
    std::string Own() const
    {
        char text[255] = {};
        vu_ComboBoxGetText(combo, 0, text);
        return text;
    }
    std::string ItemAt(int entry) const
    {
        std::string text(static_cast<size_t>(vu_ComboBoxGetTextLength(combo, entry)) + 1, '\0');
        text.resize(static_cast<size_t>(vu_ComboBoxGetText(combo, entry, &text[0])));
        return text;
    }
    int Count() const { return static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0)); }

    HWND parent = nullptr;
    HWND combo = nullptr;
    std::string dir;
};

TEST_F(ComboFile, SaveWritesExactlyTheEntrysCharacters)
{
    vu_ComboBoxSetText(combo, 0, "Räkning\r\nrad två");
    EXPECT_EQ(vu_ComboBoxSaveFile(combo, 0, Path("own.txt").c_str()), 0);
    EXPECT_EQ(Bytes(Path("own.txt")), "Räkning\r\nrad två");

    vu_ComboBoxAddString(combo, "första");
    vu_ComboBoxAddString(combo, "");
    EXPECT_EQ(vu_ComboBoxSaveFile(combo, 1, Path("item.txt").c_str()), 0);
    EXPECT_EQ(Bytes(Path("item.txt")), "första");
    vu_test::WriteFileBytes(Path("old.txt"), "old content");
    EXPECT_EQ(vu_ComboBoxSaveFile(combo, 2, Path("old.txt").c_str()), 0);  // empty item
    EXPECT_EQ(Bytes(Path("old.txt")), "");

    // At most 254 characters of the own text; a list item is written whole, however long.
    vu_ComboBoxSetText(combo, 0, std::string(300, 'x').c_str());
    EXPECT_EQ(vu_ComboBoxSaveFile(combo, 0, Path("long.txt").c_str()), 0);
    EXPECT_EQ(Bytes(Path("long.txt")), std::string(254, 'x'));
    std::string huge;
    for (int i = 0; i < 5000; ++i) huge += static_cast<char>('A' + i % 26);
    vu_ComboBoxSetText(combo, 3, huge.c_str());
    EXPECT_EQ(vu_ComboBoxSaveFile(combo, 3, Path("huge.txt").c_str()), 0);
    EXPECT_EQ(Bytes(Path("huge.txt")), huge);
    // ... and loads back as its first 255 characters.
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 1, Path("huge.txt").c_str()), 0);
    EXPECT_EQ(ItemAt(1), huge.substr(0, 255));
}

TEST_F(ComboFile, SaveFailuresAreReported)
{
    vu_test::WriteFileBytes(Path("keep.txt"), "keep");
    EXPECT_EQ(vu_ComboBoxSaveFile(combo, 5, Path("keep.txt").c_str()), 3);  // no item 5
    EXPECT_EQ(vu_ComboBoxSaveFile(combo, -1, Path("keep.txt").c_str()), 3);
    EXPECT_EQ(Bytes(Path("keep.txt")), "keep");
    EXPECT_EQ(vu_ComboBoxSaveFile(combo, 0, Path("no such dir\\x.txt").c_str()), 2);
    EXPECT_EQ(vu_ComboBoxSaveFile(combo, 0, nullptr), 2);
    EXPECT_EQ(vu_ComboBoxSaveFile(combo, 0, ""), 2);
    HANDLE lock = CreateFileA(Path("locked.txt").c_str(), GENERIC_READ, 0, nullptr,
                              CREATE_ALWAYS, 0, nullptr);
    EXPECT_EQ(vu_ComboBoxSaveFile(combo, 0, Path("locked.txt").c_str()), 2);
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 0, Path("locked.txt").c_str()), 2);
    CloseHandle(lock);
}

TEST_F(ComboFile, LoadTakesTheFirst255BytesAsTheyStand)
{
    const std::string saved = "a\r\nb";
    vu_ComboBoxAddString(combo, saved.c_str());
    vu_ComboBoxSaveFile(combo, 1, Path("crlf.txt").c_str());
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 2, Path("crlf.txt").c_str()), 0);
    EXPECT_EQ(ItemAt(2), saved);  // the line end stays inside the one entry
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 0, Path("crlf.txt").c_str()), 0);

    std::string text300;
    for (int i = 0; i < 300; ++i) text300 += static_cast<char>('0' + i % 10);
    vu_test::WriteFileBytes(Path("300.txt"), text300);
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 1, Path("300.txt").c_str()), 0);
    EXPECT_EQ(ItemAt(1), text300.substr(0, 255));
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 0, Path("300.txt").c_str()), 0);
    EXPECT_EQ(Own(), text300.substr(0, 254));  // the own text is read back with 255 bytes

    vu_test::WriteFileBytes(Path("zero.bin"), std::string("ab\0cd", 5));
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 1, Path("zero.bin").c_str()), 0);
    EXPECT_EQ(ItemAt(1), "ab");

    std::string noise;
    unsigned seed = 12345;
    for (int i = 0; i < 1000; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise += static_cast<char>(1 + (seed >> 16) % 255);  // no NUL: all 255 are kept
    }
    vu_test::WriteFileBytes(Path("noise.bin"), noise);
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 1, Path("noise.bin").c_str()), 0);
    EXPECT_EQ(ItemAt(1), noise.substr(0, 255));

    vu_test::WriteFileBytes(Path("empty.txt"), "");
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 1, Path("empty.txt").c_str()), 0);
    EXPECT_EQ(ItemAt(1), "");
}

TEST_F(ComboFile, LoadCreatesAMissingFileAndSetsAnEmptyText)
{
    vu_ComboBoxSetText(combo, 0, "was here");
    const std::string path = Path("missing.txt");
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 0, path.c_str()), 0);
    EXPECT_TRUE(vu_test::FileExists(path));
    EXPECT_EQ(Bytes(path), "");
    EXPECT_EQ(Own(), "");
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 1, Path("missing2.txt").c_str()), 0);
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 0, Path("no such dir\\x.txt").c_str()), 2);
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 0, nullptr), 2);
}

TEST_F(ComboFile, FilesOf65536BytesAndMoreAreRefused)
{
    vu_ComboBoxSetText(combo, 0, "unchanged");
    for (size_t size : {size_t{30000}, size_t{30001}, size_t{65535}}) {
        vu_test::WriteFileBytes(Path("big.txt"), std::string(size, 'q'));
        EXPECT_EQ(vu_ComboBoxLoadFile(combo, 1, Path("big.txt").c_str()), 0) << size;
        EXPECT_EQ(ItemAt(1), std::string(255, 'q')) << size;
    }
    const int items = Count();
    for (size_t size : {size_t{65536}, size_t{200000}}) {
        vu_test::WriteFileBytes(Path("huge.txt"), std::string(size, 'z'));
        EXPECT_EQ(vu_ComboBoxLoadFile(combo, 0, Path("huge.txt").c_str()), 4) << size;
        EXPECT_EQ(vu_ComboBoxLoadFile(combo, 1, Path("huge.txt").c_str()), 4) << size;
    }
    EXPECT_EQ(Own(), "unchanged");
    EXPECT_EQ(Count(), items);
}

TEST_F(ComboFile, LoadIntoAPositionThatCannotHoldAnItemIsReported)
{
    vu_test::WriteFileBytes(Path("one.txt"), "one");
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 3, Path("one.txt").c_str()), 3);  // list is empty
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, -2, Path("one.txt").c_str()), 3);
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 1, Path("one.txt").c_str()), 0);
    EXPECT_EQ(ItemAt(1), "one");
}

}  // namespace
