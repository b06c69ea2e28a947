// Combobox files: one entry's characters saved raw and loaded back, the 255-character and
// 65,536-byte limits, and missing, locked and binary files.
#include <gtest/gtest.h>

#include <string>

#include "query.h"

namespace {

class ComboFile : public ::testing::Test {
protected:
    std::string Text(int entry) const
    {
        std::string text(static_cast<size_t>(vu_ComboBoxGetTextLength(combo, entry)) + 1, '#');
        text.resize(static_cast<size_t>(vu_ComboBoxGetText(combo, entry, &text[0])));
        return text;
    }
    std::string Bytes() const
    {
        std::string bytes = "(missing)";
        vu_test::ReadFileBytes(path, &bytes);
        return bytes;
    }

    vu_test::Window parent{"Kombinationsfil"};
    HWND combo = vu_ComboBox(parent, 5, 5, 150, 120, "WRITEDROP");
    const std::string dir = vu_test::NewTempDir();
    const std::string path = dir + "post.txt";
};

TEST_F(ComboFile, SaveWritesExactlyTheEntrysCharacters)
{
    std::string huge;
    for (int i = 0; i < 5000; ++i) huge += static_cast<char>('A' + i % 26);
    vu_ComboBoxAddString(combo, "första");
    vu_ComboBoxAddString(combo, "");
    vu_ComboBoxAddString(combo, huge.c_str());
    const std::string xs(300, 'x');
    const struct {
        const char* own;  // the control's own text first
        int entry;
        int result;
        std::string bytes;
    } cases[] = {{"Räkning\r\nrad två", 0, 0, "Räkning\r\nrad två"},
                 {"", 1, 0, "första"}, {"", 2, 0, ""}, {"", 3, 0, huge},
                 {xs.c_str(), 0, 0, std::string(254, 'x')},
                 {"", 5, 3, "gammalt"}, {"", -1, 3, "gammalt"}};  // no item: the file is kept
    for (const auto& c : cases) {
        vu_test::WriteFileBytes(path, "gammalt");
        vu_ComboBoxSetText(combo, 0, c.own);
        EXPECT_EQ(vu_ComboBoxSaveFile(combo, c.entry, path.c_str()), c.result) << c.entry;
        EXPECT_EQ(Bytes(), c.bytes) << c.entry;
    }
    EXPECT_EQ(vu_ComboBoxSaveFile(combo, 0, (dir + "saknas\\x.txt").c_str()), 2);
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(vu_ComboBoxSaveFile(combo, 0, path.c_str()), 2);
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 0, path.c_str()), 2);
    CloseHandle(lock);
}

TEST_F(ComboFile, LoadTakesTheFirst255BytesAsTheyStand)
{
    std::string noise;
    for (unsigned i = 0, seed = 12345; i < 1000; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise += static_cast<char>(1 + (seed >> 16) % 255);  // no NUL: all 255 are kept
    }
    const struct {
        const char* name;
        std::string bytes;
        int result;
        std::string item;  // what entry 1 then holds
    } cases[] = {{"line end", "a\r\nb", 0, "a\r\nb"}, {"300 bytes", noise.substr(0, 300), 0, noise.substr(0, 255)},
                 {"NUL byte", std::string("ab\0cd", 5), 0, "ab"}, {"empty", "", 0, ""},
                 {"65,535 bytes", std::string(65535, 'q'), 0, std::string(255, 'q')},
                 {"65,536 bytes", std::string(65536, 'z'), 4, "kvar"},
                 {"200,000 bytes", std::string(200000, 'z'), 4, "kvar"}};
    for (const auto& c : cases) {
        SendMessageA(combo, CB_RESETCONTENT, 0, 0);
        vu_ComboBoxAddString(combo, "kvar");
        vu_test::WriteFileBytes(path, c.bytes);
        EXPECT_EQ(vu_ComboBoxLoadFile(combo, 1, path.c_str()), c.result) << c.name;
        EXPECT_EQ(Text(1), c.item) << c.name;
    }
    vu_ComboBoxSetText(combo, 0, "var här");
    const std::string missing = dir + "saknas.txt";
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 0, missing.c_str()), 0);  // created empty
    EXPECT_TRUE(vu_test::FileExists(missing));
    EXPECT_EQ(Text(0), "");
    EXPECT_EQ(vu_ComboBoxLoadFile(combo, 9, missing.c_str()), 3);  // no such position
}

}  // namespace
