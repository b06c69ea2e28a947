// Combobox: kind words, entry numbers, texts read with their bounds, the shared
// selected-text answer, and the text limit.
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
    return std::to_string(length) + ":" + (length >= 0 ? std::string(buffer) : "");
}

TEST(ComboBox, KindWordsGiveTheirStyles)
{
    const struct {
        const char* word;
        DWORD bits;
    } cases[] = {{"READDROP", 0x003}, {"WRITEDROP", 0x002}, {"READDROPSORT", 0x103},
                 {"WRITEDROPSORT", 0x102}, {"SIMPLE", 0x001}, {"SIMPLESORT", 0x101},
                 {"readdrop", 0}, {"", 0}, {nullptr, 0}};
    vu_test::Window parent("Kombinationsruta");
    for (const auto& c : cases) {
        HWND combo = vu_ComboBox(parent, 5, 5, 150, 120, c.word);
        EXPECT_EQ(vu_test::StyleOf(combo) & ~WS_VSCROLL, 0x50000040u | c.bits)
            << (c.word ? c.word : "(null)");
        EXPECT_EQ(GetDlgCtrlID(combo), 0);
        DestroyWindow(combo);
    }
}

TEST(ComboBox, EntryZeroIsTheOwnTextAndEntryNTheItemAtNMinusOne)
{
    vu_test::Window parent("Kombinationsruta text");
    HWND combo = vu_ComboBox(parent, 5, 5, 150, 120, "WRITEDROP");
    for (const char* t : {"a", "b", "c", "d", "e"}) EXPECT_EQ(vu_ComboBoxAddString(combo, t), 0);
    EXPECT_EQ(vu_ComboBoxSetText(combo, 3, "X"), 0);  // third place: c moves on
    EXPECT_EQ(vu_ComboBoxSetText(combo, 0, "Åtgärd"), 0);
    const std::string long_item(500, 'i');
    vu_ComboBoxSetText(combo, 7, long_item.c_str());
    const struct {
        int entry;
        size_t need;  // the bytes the caller's buffer holds
        std::string text;
        int length;
    } cases[] = {{0, 255, "6:Åtgärd", 6},   {2, 2, "1:b", 1},  {3, 2, "1:X", 1},
                 {4, 2, "1:c", 1},          {7, 501, "500:" + long_item, 500},
                 {8, 1, "-1:", CB_ERR},     {-3, 1, "-1:", CB_ERR}};
    for (const auto& c : cases) {
        EXPECT_EQ(Entry(combo, c.entry, c.need), c.text) << c.entry;
        EXPECT_EQ(vu_ComboBoxGetTextLength(combo, c.entry), c.length) << c.entry;
    }
    vu_ComboBoxSetText(combo, 0, std::string(300, 'k').c_str());
    EXPECT_EQ(Entry(combo, 0), "254:" + std::string(254, 'k'));
    EXPECT_EQ(vu_ComboBoxGetTextLength(combo, 0), 254);
}

TEST(ComboBox, SelectedTextIsSharedAndBounded)
{
    vu_test::Window parent("Kombinationsruta markering");
    HWND combo = vu_ComboBox(parent, 5, 5, 150, 120, "WRITEDROP");
    EXPECT_STREQ(vu_ComboBoxGetSelText(combo), "");  // empty before the first answer
    std::string long_text;
    for (int i = 0; i < 600; ++i) long_text += static_cast<char>('a' + i % 26);
    const struct {
        const char* text;
        int start, end;
        std::string selected;
    } cases[] = {{"abcdefg", 2, 5, "cde"}, {"abcdefg", 0, 0, "cde"},  // the previous answer
                 {"abcdefg", 3, 3, ""},    {"abcdefg", 0, 7, "abcdefg"},
                 {long_text.c_str(), 250, 300, long_text.substr(250, 50)},
                 {long_text.c_str(), 0, -1, long_text.substr(0, 255)}};
    for (const auto& c : cases) {
        vu_ComboBoxSetText(combo, 0, c.text);
        SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(c.start, c.end));
        EXPECT_EQ(vu_ComboBoxGetSelText(combo), c.selected) << c.start << ".." << c.end;
    }
    EXPECT_EQ(vu_ComboBoxLimitText(combo, 5), 0);
    EXPECT_EQ(SendMessageA(GetWindow(combo, GW_CHILD), EM_GETLIMITTEXT, 0, 0), 5);
}

}  // namespace
