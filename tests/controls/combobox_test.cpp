// Combobox: kinds, entry numbers, texts, the shared selected-text answer, geometry and focus.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

#include "lists_test_util.h"

namespace {

using lists_test::NewParent;

std::string Item(HWND combo, int position)
{
    const LRESULT length = SendMessageA(combo, CB_GETLBTEXTLEN, position, 0);
    if (length == CB_ERR) return "(none)";
    std::string text(static_cast<size_t>(length) + 1, '\0');
    SendMessageA(combo, CB_GETLBTEXT, position, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(length));
    return text;
}

std::vector<std::string> Items(HWND combo)
{
    std::vector<std::string> items;
    const int count = static_cast<int>(SendMessageA(combo, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) items.push_back(Item(combo, i));
    return items;
}

TEST(ComboBox, KindWordsGiveTheirStyles)
{
    HWND parent = NewParent("Combo kinds");
    struct Case {
        const char* word;
        DWORD bits;
    } cases[] = {{"READDROP", 0x003},     {"WRITEDROP", 0x002}, {"READDROPSORT", 0x103},
                 {"WRITEDROPSORT", 0x102}, {"SIMPLE", 0x001},    {"SIMPLESORT", 0x101},
                 {"readdrop", 0},          {"", 0},              {nullptr, 0}};
    for (const Case& c : cases) {
        HWND combo = vu_ComboBox(parent, 5, 5, 150, 120, c.word);
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(lists_test::ClassOf(combo), "ComboBox");
        // The combobox hands its scroll bar on to its list (tested below).
        EXPECT_EQ(lists_test::StyleOf(combo) & ~WS_VSCROLL, 0x50000040u | c.bits)
            << (c.word ? c.word : "(null)");
        EXPECT_EQ(lists_test::ExStyleOf(combo) & ~WS_EX_NOPARENTNOTIFY, 0u);
        EXPECT_EQ(GetDlgCtrlID(combo), 0);
        DestroyWindow(combo);
    }
    HWND combo = vu_ComboBox(parent, 5, 5, 150, 120, "READDROP");
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    for (int i = 0; i < 40; ++i) vu_ComboBoxAddString(combo, "rad");
    SendMessageA(combo, CB_SHOWDROPDOWN, TRUE, 0);
    EXPECT_TRUE(lists_test::StyleOf(info.hwndList) & WS_VSCROLL);
    SendMessageA(combo, CB_SHOWDROPDOWN, FALSE, 0);
    DestroyWindow(parent);
}

TEST(ComboBox, EntryZeroIsTheOwnTextAndEntryNTheItemAtNMinusOne)
{
    HWND parent = NewParent("Combo entries");
    HWND combo = vu_ComboBox(parent, 5, 5, 150, 120, "WRITEDROP");
    for (const char* t : {"a", "b", "c", "d", "e"}) EXPECT_EQ(vu_ComboBoxAddString(combo, t), 0);
    EXPECT_EQ(vu_ComboBoxSetText(combo, 3, "X"), 0);
    EXPECT_EQ(Items(combo), (std::vector<std::string>{"a", "b", "X", "c", "d", "e"}));
    EXPECT_EQ(vu_ComboBoxSetText(combo, 7, "end"), 0);  // right after the last item
    EXPECT_EQ(vu_ComboBoxSetText(combo, 9, "far"), 1);  // no such position
    EXPECT_EQ(vu_ComboBoxSetText(combo, -1, "neg"), 1);
    EXPECT_EQ(vu_ComboBoxSetText(combo, INT_MIN, "neg"), 1);
    EXPECT_EQ(Items(combo).size(), 7u);

    EXPECT_EQ(vu_ComboBoxSetText(combo, 0, "Åtgärd"), 0);
    char text[255] = {};
    EXPECT_EQ(vu_ComboBoxGetText(combo, 0, text), 6);
    EXPECT_STREQ(text, "Åtgärd");
    EXPECT_EQ(static_cast<unsigned char>(text[0]), 0xC5u);
    EXPECT_EQ(vu_ComboBoxGetText(combo, 3, text), 1);
    EXPECT_STREQ(text, "X");
    EXPECT_EQ(vu_ComboBoxGetText(combo, 7, text), 3);
    EXPECT_STREQ(text, "end");
    EXPECT_EQ(vu_ComboBoxGetText(combo, 8, text), CB_ERR);
    EXPECT_STREQ(text, "");
    EXPECT_EQ(vu_ComboBoxGetText(combo, -3, text), CB_ERR);
    EXPECT_EQ(vu_ComboBoxGetTextLength(combo, 0), 6);
    EXPECT_EQ(vu_ComboBoxGetTextLength(combo, 7), 3);
    EXPECT_EQ(vu_ComboBoxGetTextLength(combo, 8), CB_ERR);
    EXPECT_EQ(vu_ComboBoxSetText(combo, 0, nullptr), 0);
    EXPECT_EQ(vu_ComboBoxGetTextLength(combo, 0), 0);

    // The own text is read with 255 bytes: 254 characters of a longer text are seen.
    const std::string longer(300, 'k');
    vu_ComboBoxSetText(combo, 0, longer.c_str());
    EXPECT_EQ(vu_ComboBoxGetText(combo, 0, text), 254);
    EXPECT_EQ(std::string(text), longer.substr(0, 254));
    EXPECT_EQ(vu_ComboBoxGetTextLength(combo, 0), 254);
    DestroyWindow(parent);
}

TEST(ComboBox, SortedKindsPlaceAddedItems)
{
    HWND parent = NewParent("Combo sorted");
    HWND combo = vu_ComboBox(parent, 5, 5, 150, 120, "READDROPSORT");
    for (const char* t : {"päron", "banan", "apelsin"}) vu_ComboBoxAddString(combo, t);
    EXPECT_EQ(Items(combo), (std::vector<std::string>{"apelsin", "banan", "päron"}));
    HWND plain = vu_ComboBox(parent, 5, 50, 150, 120, "WRITEDROP");
    for (const char* t : {"päron", "banan", "apelsin"}) vu_ComboBoxAddString(plain, t);
    EXPECT_EQ(Items(plain), (std::vector<std::string>{"päron", "banan", "apelsin"}));
    DestroyWindow(parent);
}

void Select(HWND combo, int start, int end)
{
    SendMessageA(combo, CB_SETEDITSEL, 0, MAKELPARAM(start, end));
}

TEST(ComboBox, SelectedTextIsSharedAndBounded)
{
    HWND parent = NewParent("Combo selection");
    HWND combo = vu_ComboBox(parent, 5, 5, 150, 120, "WRITEDROP");
    EXPECT_STREQ(vu_ComboBoxGetSelText(combo), "");  // empty before the first answer
    vu_ComboBoxSetText(combo, 0, "abcdefg");
    Select(combo, 2, 5);
    const char* answer = vu_ComboBoxGetSelText(combo);
    EXPECT_STREQ(answer, "cde");
    Select(combo, 0, 0);  // nothing selected at the start: the previous answer stays
    EXPECT_EQ(vu_ComboBoxGetSelText(combo), answer);
    EXPECT_STREQ(answer, "cde");
    Select(combo, 3, 3);
    EXPECT_STREQ(vu_ComboBoxGetSelText(combo), "");
    Select(combo, 0, 7);
    EXPECT_STREQ(vu_ComboBoxGetSelText(combo), "abcdefg");

    // Selections reaching beyond character 254: the answer holds at most 255 characters.
    std::string text;
    for (int i = 0; i < 600; ++i) text += static_cast<char>('a' + i % 26);
    vu_ComboBoxSetText(combo, 0, text.c_str());
    Select(combo, 250, 300);
    EXPECT_EQ(std::string(vu_ComboBoxGetSelText(combo)), text.substr(250, 50));
    Select(combo, 500, 600);
    EXPECT_EQ(std::string(vu_ComboBoxGetSelText(combo)), text.substr(500, 100));
    Select(combo, 0, -1);  // all of it
    EXPECT_EQ(std::string(vu_ComboBoxGetSelText(combo)), text.substr(0, 255));
    DestroyWindow(parent);
}

TEST(ComboBox, TypedTextStopsAtTheLimit)
{
    HWND parent = NewParent("Combo limit");
    HWND combo = vu_ComboBox(parent, 5, 5, 150, 120, "WRITEDROP");
    EXPECT_EQ(vu_ComboBoxLimitText(combo, 5), 0);
    ASSERT_TRUE(lists_test::Foreground(parent));
    vu_ComboBoxSetFocus(combo);
    lists_test::TypeKeys("ABCDEFGH");
    EXPECT_TRUE(vu_test::WaitFor([&] { return vu_ComboBoxGetTextLength(combo, 0) == 5; }));
    vu_test::PumpMessages();
    char text[255] = {};
    vu_ComboBoxGetText(combo, 0, text);
    EXPECT_STREQ(text, "abcde");
    DestroyWindow(parent);
}

TEST(ComboBox, GeometryFocusAndFont)
{
    HWND parent = NewParent("Combo geometry", 320, 270);
    HWND combo = vu_ComboBox(parent, 5, 5, 100, 120, "WRITEDROP");
    HWND other = vu_ComboBox(parent, 5, 200, 100, 120, "READDROP");
    EXPECT_EQ(vu_ComboBoxMove(combo, 20, 30), 0);
    EXPECT_EQ(vu_ComboBoxGetPos(combo), 0);
    EXPECT_EQ(vu_Query.x, 20);
    EXPECT_EQ(vu_Query.y, 30);
    EXPECT_EQ(vu_ComboBoxResize(combo, 140, 150), 0);
    EXPECT_EQ(vu_ComboBoxGetSize(combo), 0);
    EXPECT_EQ(vu_Query.x, 140);
    EXPECT_EQ(vu_ComboBoxCenter(combo), 0);
    RECT client;
    GetClientRect(parent, &client);
    EXPECT_EQ(lists_test::RectInParent(combo).left, client.right / 2 - 70);
    EXPECT_EQ(vu_ComboBoxFit(combo, 10, 10, -20, -200), 0);
    EXPECT_EQ(lists_test::RectInParent(combo).right, client.right - 10);
    EXPECT_EQ(vu_ComboBoxDisable(combo), 0);
    EXPECT_EQ(vu_ComboBoxDisable(combo), 1);
    EXPECT_EQ(vu_ComboBoxEnable(combo), 0);
    EXPECT_EQ(vu_ComboBoxEnable(combo), 1);
    EXPECT_EQ(vu_ComboBoxRedraw(combo), 0);
    EXPECT_EQ(vu_ComboBoxHide(combo), 0);
    EXPECT_EQ(vu_ComboBoxHide(combo), 1);
    EXPECT_EQ(vu_ComboBoxShow(combo), 0);
    EXPECT_EQ(vu_ComboBoxShow(combo), 1);

    ASSERT_TRUE(lists_test::Foreground(parent));
    SetFocus(parent);
    EXPECT_EQ(vu_ComboBoxHasFocus(combo), 1);
    EXPECT_EQ(vu_ComboBoxSetFocus(combo), parent);
    EXPECT_EQ(vu_ComboBoxHasFocus(combo), 0);  // its edit field holds the focus
    EXPECT_EQ(vu_ComboBoxHasFocus(other), 1);
    vu_ComboBoxSetFocus(other);
    EXPECT_EQ(vu_ComboBoxHasFocus(other), 0);
    EXPECT_EQ(vu_ComboBoxHasFocus(combo), 1);
    EXPECT_EQ(vu_ComboBoxHasFocus(nullptr), 1);

    HFONT font = vu_ComboBoxCreatePointFont(combo, 12, 700, 1, 0, "ARIAL");
    LOGFONTA lf = {};
    ASSERT_NE(GetObjectA(font, sizeof lf, &lf), 0);
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_EQ(vu_ComboBoxSetFont(combo, font), 0);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(combo, WM_GETFONT, 0, 0)), font);
    EXPECT_EQ(vu_ComboBoxDestroy(combo), 0);
    EXPECT_EQ(vu_ComboBoxDestroy(combo), 1);
    DestroyWindow(parent);
    DeleteObject(font);
}

}  // namespace
