// Combobox: entry numbers, texts read with their bounds (guard bytes), the shared selected
// text, the text limit, and one entry's characters saved raw and loaded back within the
// 255-character and 65,536-byte limits (missing, locked and binary files).
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "query.h"

namespace {

// The entry's text as "length:text", read into a guarded buffer of exactly need bytes.
std::string Entry(HWND combo, int entry, size_t need = 255)
{
    char buffer[600];
    std::memset(buffer, '#', sizeof buffer);
    const int length = vu_ComboBoxGetText(combo, entry, buffer);
    EXPECT_EQ(buffer[need], '#') << "entry " << entry;
    EXPECT_EQ(vu_ComboBoxGetTextLength(combo, entry), length) << "entry " << entry;
    return std::to_string(length) + ":" + (length >= 0 ? std::string(buffer, std::min<size_t>(length, 40)) : "");
}

TEST(ComboBox, EntryZeroIsTheOwnTextAndEntryNTheItemAtNMinusOne)
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
    EXPECT_EQ(vu_ComboBoxLimitText(combo, 5), 0);
    EXPECT_EQ(SendMessageA(GetWindow(combo, GW_CHILD), EM_GETLIMITTEXT, 0, 0), 5);
}

TEST(ComboBox, SaveWritesTheEntrysCharactersAndLoadTakesTheFirst255Bytes)
{
    vu_test::Window parent("Kombinationsfil");
    HWND combo = vu_ComboBox(parent, 5, 5, 150, 120, "WRITEDROP");
    const std::string dir = vu_test::NewTempDir(), path = dir + "post.txt";
    std::string huge, noise, bytes, xs(300, 'x');
    for (int i = 0; i < 5000; ++i) huge += static_cast<char>('A' + i % 26);
    for (unsigned i = 0, seed = 12345; i < 1000; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise += static_cast<char>(1 + (seed >> 16) % 255);  // no NUL: all 255 are kept
    }
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
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_EQ(vu_ComboBoxSaveFile(combo, 0, path.c_str()) + vu_ComboBoxLoadFile(combo, 0, path.c_str()), 4);
    CloseHandle(lock);

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
