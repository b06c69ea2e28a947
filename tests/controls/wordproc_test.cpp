// The text editor: words, limits, the rebuild, text bounds, whole loads, saves, the search.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

#include "dialog_driver.h"  // with query.h and vu_test.h
#include "wordproc_search_reference.h"

namespace {

using namespace vu_test;

constexpr DWORD S = WS_EX_STATICEDGE, C = WS_EX_CLIENTEDGE, D = WS_DLGFRAME, H = WS_HSCROLL, V = WS_VSCROLL;

unsigned Limit(HWND w) { return static_cast<unsigned>(SendMessageA(w, EM_GETLIMITTEXT, 0, 0)); }
DWORD Selection(HWND w) { return static_cast<DWORD>(SendMessageA(w, EM_GETSEL, 0, 0)); }
void Select(HWND w, DWORD start, DWORD end) { SendMessageA(w, EM_SETSEL, start, LPARAM(end)); }
std::string Whole(HWND w)
{
    std::string text(65536, '\0');
    return text.substr(0, static_cast<size_t>(GetWindowTextA(w, &text[0], 65536)));
}

class Editor : public ::testing::Test {
protected:
    Window parent_{"Redigerare", 400, 300};
    HWND editor_ = vu_WordProcSimple(parent_, 0, 0, 0, 0, "VHSCROLL", 65535);
};

TEST_F(Editor, WordsLimitsAndTheRebuild)
{
    EXPECT_EQ(StyleOf(editor_), 0x500001C4u | H | V);
    EXPECT_EQ(ExStyleOf(editor_) & (S | C), C);
    EXPECT_EQ(RectInParent(editor_).right, 400);  // all four 0: the parent's client area
    vu_WordProcSetLimit(editor_, 3000);  // a full editor: its last character comes over too
    vu_WordProcSetText(editor_, std::string(3000, 'y').c_str());
    // A limit at or below the old one keeps limit - 1 characters and shows a box, even if nothing is cut.
    struct Row { const char *frame, *scroll; int maximum; DWORD ex, style; size_t kept; } rows[] = {
        {"FLAT", "NOSCROLL", 70000, 0, 0, 3000}, {"SMAL_SUNKEN", "HSCROLL", 0, S, H, 3000},
        {"SUNKEN", "VSCROLL", 0, C, V, 3000}, {"MAX_SUNKEN", "VHSCROLL", 0, S | C, H | V, 3000},
        {"DOUBLE_EDGE", "vscroll", 0, S | C, D, 3000}, {"BAR", nullptr, 0, 0, D, 3000},
        {"EDGE", "", 0, C, D, 3000}, {"edge", "VSCROLL", 0, 0, V, 3000},
        {nullptr, "VSCROLL", 1000, 0, V, 999}, {"FLAT", "VSCROLL", 1000, 0, V, 4}};
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.frame ? row.frame : "null") + std::to_string(row.maximum));
        if (row.kept == 4) vu_WordProcSetText(editor_, "yyyy");
        std::string box, shown;
        HWND owner = nullptr, old = editor_;
        DialogDriver driver([&](HWND dialog) {
            box = TextOf(dialog) + "|" + ItemText(dialog, 0xFFFF);
            owner = GetWindow(dialog, GW_OWNER);
            shown = Whole(GetDlgItem(parent_, 1));  // the text is set before the box shows
            ClickItem(dialog, IDOK);
        });
        editor_ = vu_WordProcSimpleModify(old, 5, 6, 150, 90, row.frame, row.scroll, row.maximum);
        EXPECT_TRUE(!IsWindow(old) && Whole(editor_) == std::string(row.kept, 'y'));
        EXPECT_EQ(ExStyleOf(editor_) & (S | C | WS_EX_ACCEPTFILES), row.ex | WS_EX_ACCEPTFILES);
        EXPECT_EQ(StyleOf(editor_), 0x500101C4u | row.style);
        if (row.maximum) { EXPECT_EQ(Limit(editor_), unsigned(row.maximum)); }
        EXPECT_EQ(box, row.maximum != 1000 ? "" : "vu_WordProcSimpleModify_1 ERROR|The last prameters "
                       "'maxchar' have to small size\nor set the 'maxchar' to '0'");
        EXPECT_TRUE(row.maximum != 1000 || (owner == parent_ && shown == std::string(row.kept, 'y')));
    }
    EXPECT_EQ(RectInParent(vu_WordProcSimple(parent_, 5, -5, 0, 0, "", 10)).right, 400);
    for (int maximum : {500, 100000, -5})  // the limit is capped at 65,535
        EXPECT_EQ(Limit(vu_WordProcSimple(parent_, 1, 1, 9, 9, "", maximum)),
                  maximum == 500 ? 500u : 65535u) << maximum;
}

TEST_F(Editor, TextSelectionPositionsAndTabs)
{
    vu_WordProcSetLimit(editor_, 10);
    vu_WordProcSetText(editor_, "abcdefg");
    EXPECT_EQ(vu_WordProcSelect(editor_, 3, 5), 3);
    EXPECT_TRUE(Selection(editor_) == MAKELONG(2, 5) && vu_WordProcHasSelection(editor_) == 1);
    EXPECT_STREQ(vu_WordProcGetSelText(editor_), "cde");
    EXPECT_EQ(vu_WordProcSelect(editor_, INT_MIN + 1, INT_MAX), -1);  // wraps like an int
    EXPECT_EQ(vu_WordProcGetText(editor_, nullptr), 0);
    // The reader stops one short of the limit; the length query counts a full editor whole.
    struct Row { const char* text; int read, length; } rows[] = {
        {"0123456789ABCDEF", 9, 10}, {"0123456789", 9, 10}, {"åäö", 3, 3}, {"", 0, 0}};
    for (const Row& row : rows) {
        vu_WordProcSetText(editor_, row.text);
        std::string buffer(10 + 8, 'Q');
        EXPECT_EQ(vu_WordProcGetText(editor_, &buffer[0]), row.read) << row.text;
        EXPECT_EQ(buffer.substr(10), std::string(8, 'Q')) << row.text;
        EXPECT_EQ(vu_WordProcGetTextLength(editor_), row.length) << row.text;
    }
    EXPECT_EQ(vu_WordProcSetTabs(editor_, 100000, 64), 0);  // 255 stops at most: no overrun
}

TEST_F(Editor, LoadsTakeTheWholeFileOrNothingAndSavesWriteItBack)
{
    const size_t largest = UnderHeapChecker() ? 3000 : 65535;  // smaller where the heap is checked (slow)
    std::string full;
    while (full.size() < largest - 1) full += full.size() % 62 == 60 ? "\r\n" : "a";
    full.replace(largest - 1, 1, "Z");
    const std::string dir = NewTempDir(), in = dir + "in.txt", out = dir + "out.txt";
    struct Row { const char* name; unsigned limit; std::string bytes; int result; } rows[] = {
        {"line ends as they are", 100, "Första raden\r\nrad två\nensam\r\n\tåäö", 0},
        {"exactly the limit", 4, "abcd", 0}, {"one past the limit", 4, "abcde", 4},
        {"a NUL byte", 100, std::string("ab\0cd", 5), 3}, {"missing file", 100, "-", 0},
        {"a full editor", unsigned(largest), full, 0},
        {"65,536 bytes", 65535, std::string(65536, 'x'), 4}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        vu_WordProcSetLimit(editor_, static_cast<int>(row.limit));
        vu_WordProcSetText(editor_, "kvar");
        vu_WordProcSetModified(editor_, "ON"), DeleteFileA(in.c_str());
        if (row.bytes != "-") { ASSERT_TRUE(WriteFileBytes(in, row.bytes)); }
        EXPECT_EQ(vu_WordProcLoadFile(editor_, in.c_str()), row.result);
        const std::string expected = row.result ? "kvar" : row.bytes == "-" ? "" : row.bytes;
        EXPECT_TRUE(Whole(editor_) == expected) << Whole(editor_).size();
        EXPECT_EQ(vu_WordProcIsModified(editor_), row.result != 0 ? 1 : 0);
        if (row.result != 0) continue;  // the caret at the start, nothing to undo, saved whole
        EXPECT_TRUE(Selection(editor_) == 0 && !vu_WordProcCanUndo(editor_));
        std::string back;
        EXPECT_EQ(vu_WordProcSetModified(editor_, "ON") + vu_WordProcSaveFile(editor_, out.c_str()), 0);
        EXPECT_TRUE(ReadFileBytes(out, &back) && back == expected && !vu_WordProcIsModified(editor_));
    }
    for (const std::string& path : {dir, dir + "saknas\\x.txt"})  // not opened; a failed save keeps the flag
        EXPECT_TRUE(vu_WordProcLoadFile(editor_, path.c_str()) == 2 &&
                    vu_WordProcSaveFile(editor_, path.c_str()) == 2 && vu_WordProcIsModified(editor_));
}

TEST_F(Editor, SearchWorkedCasesAndTheReReadingSearch)
{
    // Source 1 takes the find record's text and case (no record: 2); any word but "M" ignores case.
    char what[16] = "SÖK";
    FINDREPLACEA request = {};
    request.lpstrFindWhat = what, request.wFindWhatLen = sizeof what, request.Flags = FR_MATCHCASE;
    struct Row { const char* text; DWORD start, end; const char *what, *way, *match; int source;
                 bool record; int result; DWORD found; } rows[] = {
        {"xab yab zab", 1, 1, "ab", "D", "M", 0, 0, 0, 5}, {"xab yab", 5, 7, "ab", "U", "M", 0, 0, 0, 1},
        {"xab yab zab", 1, 3, "ab", "U", "M", 0, 0, -1, 1}, {"Ärligt ÄR", 0, 0, "är", "D", "M", 0, 0, 1, 0},
        {"Ärligt ÄR", 0, 0, "är", "D", "m", 0, 0, 0, 7}, {"abc abc ab", 0, 5, "abc", "D", "M", 0, 0, 1, 0},
        {"hej", 2, 2, "", "D", "M", 0, 0, 2, 2}, {"", 0, 0, "a", "D", "M", 0, 0, 3, 0},
        {"Sök sök SÖK", 0, 0, "sök", "D", "", 1, 1, 0, 8}, {"Sök", 0, 0, "Sök", "D", "M", 1, 0, 2, 0}};
    for (const Row& row : rows) {
        vu_FindRequest = row.record ? &request : nullptr;
        vu_WordProcSetText(editor_, row.text);
        Select(editor_, row.start, row.end);
        EXPECT_EQ(vu_WordProcFind(editor_, row.what, row.source, row.way, row.match), row.result) << row.text;
        EXPECT_EQ(LOWORD(Selection(editor_)), row.found) << row.text << " " << row.start;
    }
    ShowWindow(parent_, SW_HIDE);  // random texts, patterns and windows, searched by both
    const char* const pieces[] = {"a", "b", "A", "B", "s", "ss", "ä", "Ä", "é", "æ", "ae", "ß",
                                  "-", "'", "\xAD", " ", "1", "\t", "\r\n"};  // marks, ligatures, hyphens
    std::mt19937 random(20240611);
    auto text_of = [&](unsigned n) { std::string t; while (n-- > 0) t += pieces[random() % 19]; return t; };
    int found = 0, compared = 0;
    for (int round = 0; round < (UnderHeapChecker() ? 40 : 600); ++round) {
        const std::string text = text_of(random() % (round % 50 || UnderHeapChecker() ? 24 : 300));
        const std::string pattern = random() % 2 && !text.empty()
            ? text.substr(random() % text.size(), 1 + random() % 4) : text_of(random() % 4);
        vu_WordProcSetText(editor_, text.c_str());
        const DWORD n = static_cast<DWORD>(GetWindowTextLengthA(editor_));
        vu_WordProcSetLimit(editor_, random() % 5 == 0 && n ? int(n) : 65535);  // full?
        const DWORD from = random() % (n + 1), to = random() % 2 ? from : from + random() % (n - from + 1);
        for (const char* way : {"D", "U", "X"}) for (const char* match : {"M", ""}) {
            Select(editor_, from, to);
            const int expected = wordproc_reference::Find(editor_, pattern.c_str(), 0, way, match);
            const DWORD selection = Selection(editor_);
            Select(editor_, from, to);
            const int got = vu_WordProcFind(editor_, pattern.c_str(), 0, way, match);
            ASSERT_TRUE(got == expected && Selection(editor_) == selection)
                << "[" << text << "] [" << pattern << "] " << from << ".." << to << way << match;
            found += expected == 0, ++compared;
        }
    }
    EXPECT_TRUE(found > compared / 20 && found < compared * 9 / 10);  // both outcomes covered
}

}  // namespace
