// The text editor on real windows: the scroll and frame words, limits, the rebuild and its
// message box, text and selection bounds, positions from 1, loads that never shorten a text,
// saving byte for byte, and the search agreeing with the plain re-reading search.
#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>

#include <climits>
#include <random>
#include <string>
#include <utility>

#include "dialog_driver.h"
#include "query.h"
#include "vu_test.h"
#include "wordproc_search_reference.h"

namespace {

using namespace vu_test;

unsigned Limit(HWND w) { return static_cast<unsigned>(SendMessageA(w, EM_GETLIMITTEXT, 0, 0)); }
std::pair<DWORD, DWORD> Selection(HWND w)
{
    DWORD start = 0, end = 0;
    SendMessageA(w, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {start, end};
}
void Select(HWND w, DWORD start, DWORD end) { SendMessageA(w, EM_SETSEL, start, static_cast<LPARAM>(end)); }
// The whole text, however long.
std::string Whole(HWND w)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(w)) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(w, &text[0], static_cast<int>(text.size()))));
    return text;
}

// n characters in lines of 60: the platform's control takes in short lines far faster.
std::string ShortLines(size_t n)
{
    std::string text;
    while (text.size() < n) text += text.size() % 62 == 60 ? "\r\n" : "a";
    text.resize(n);
    return text;
}

// The largest text of the file cases: the heap checker's run, where the platform's control
// takes a minute to take in 65,535 characters, uses a smaller full editor.
const size_t kLargest = UnderHeapChecker() ? 3000 : 65535;

class Editor : public ::testing::Test {
protected:
    Window parent_{"Redigerare", 400, 300};
    HWND editor_ = vu_WordProcSimple(parent_, 0, 0, 0, 0, "VHSCROLL", 65535);
};

TEST_F(Editor, ScrollWordsLimitsAndPlacement)
{
    struct Row { const char* word; int maximum; DWORD scroll; unsigned limit; } rows[] = {
        {"NOSCROLL", 500, 0, 500}, {"HSCROLL", 100000, WS_HSCROLL, 65535}, {"VSCROLL", -5, WS_VSCROLL, 65535},
        {"VHSCROLL", 10, WS_HSCROLL | WS_VSCROLL, 10}, {"vscroll", 10, 0, 10}, {nullptr, 10, 0, 10}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.word ? row.word : "null");
        HWND e = vu_WordProcSimple(parent_, 10, 20, 200, 100, row.word, row.maximum);
        EXPECT_EQ(StyleOf(e) & ~(WS_HSCROLL | WS_VSCROLL), 0x500001C4u);
        EXPECT_EQ(StyleOf(e) & (WS_HSCROLL | WS_VSCROLL), row.scroll);
        EXPECT_EQ(ExStyleOf(e) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE), DWORD(WS_EX_CLIENTEDGE));
        EXPECT_EQ(Limit(e), row.limit);
        EXPECT_EQ(GetDlgCtrlID(e), 1);
        EXPECT_EQ(RectInParent(e).left, 10);
        EXPECT_EQ(GetWindowLongPtrA(e, GWLP_WNDPROC), GetWindowLongPtrA(editor_, GWLP_WNDPROC));
        DestroyWindow(e);
    }
    EXPECT_NE(GetWindowLongPtrA(editor_, GWLP_WNDPROC), GetClassLongPtrA(editor_, GCLP_WNDPROC));
    EXPECT_EQ(RectInParent(editor_).right, 400);  // all four 0: the parent's client area
    EXPECT_EQ(RectInParent(vu_WordProcSimple(parent_, 5, -5, 0, 0, "", 10)).right, 400);
    struct Cap { int maximum; unsigned limit; } caps[] = {{100000, 65535}, {12, 12}, {INT_MIN, 65535}};
    unsigned old = 65535;
    for (const Cap& c : caps) {
        EXPECT_EQ(vu_WordProcSetLimit(editor_, c.maximum), static_cast<int>(old)) << c.maximum;
        EXPECT_EQ(vu_WordProcGetLimit(editor_), static_cast<int>(c.limit)) << c.maximum;
        old = c.limit;
    }
}

TEST_F(Editor, RebuildKeepsAFullTextAndGivesEveryFrameItsStyle)
{
    // A full editor: its last character comes over too.
    const std::string full(3000, 'y');
    vu_WordProcSetLimit(editor_, 3000);
    vu_WordProcSetText(editor_, full.c_str());
    // Every rebuild but the first sets no limit: no message box comes.
    struct Row { const char* word; int maximum; DWORD ex, border; } rows[] = {
        {"FLAT", 70000, 0, 0}, {"SMAL_SUNKEN", 0, WS_EX_STATICEDGE, 0}, {"SUNKEN", 0, WS_EX_CLIENTEDGE, 0},
        {"MAX_SUNKEN", 0, 0x20200, 0}, {"DOUBLE_EDGE", 0, 0x20200, WS_DLGFRAME}, {"BAR", 0, 0, WS_DLGFRAME},
        {"EDGE", 0, WS_EX_CLIENTEDGE, WS_DLGFRAME}, {"edge", 0, 0, 0}, {nullptr, 0, 0, 0}};
    HWND e = editor_;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.word ? row.word : "null");
        HWND old = e;
        e = vu_WordProcSimpleModify(old, 5, 6, 150, 90, row.word, "VSCROLL", row.maximum);
        ASSERT_NE(e, nullptr);
        EXPECT_FALSE(IsWindow(old));
        EXPECT_TRUE(Whole(e) == full) << Whole(e).size();
        EXPECT_EQ(ExStyleOf(e) & 0x20200, row.ex);
        EXPECT_EQ(ExStyleOf(e) & WS_EX_ACCEPTFILES, DWORD(WS_EX_ACCEPTFILES));
        EXPECT_EQ(StyleOf(e) & ~DWORD(WS_DLGFRAME), 0x500101C4u | WS_VSCROLL);
        EXPECT_EQ(StyleOf(e) & WS_DLGFRAME, row.border);
        EXPECT_EQ(RectInParent(e).left, 5);
        if (row.maximum) { EXPECT_EQ(Limit(e), 70000u); }
    }
}

TEST_F(Editor, RebuildAtOrBelowTheOldLimitSaysSo)
{
    struct Row { const char* name; std::string text; std::string kept; } rows[] = {
        {"cut to maximum - 1", std::string(1500, 'x'), std::string(999, 'x')}, {"short text kept", "kort", "kort"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        vu_WordProcSetText(editor_, row.text.c_str());
        std::string title, message, shown;
        HWND owner = nullptr;
        DialogDriver driver([&](HWND box) {
            title = TextOf(box);
            message = ItemText(box, 0xFFFF);
            owner = GetWindow(box, GW_OWNER);
            shown = Whole(GetDlgItem(parent_, 1));  // the text is set before the box shows
            ClickItem(box, IDOK);
        });
        editor_ = vu_WordProcSimpleModify(editor_, 0, 0, 0, 0, "FLAT", "", 1000);
        ASSERT_TRUE(driver.found());
        EXPECT_FALSE(driver.gave_up());
        EXPECT_EQ(title, "vu_WordProcSimpleModify_1 ERROR");
        EXPECT_EQ(message, "The last prameters 'maxchar' have to small size\nor set the 'maxchar' to '0'");
        EXPECT_EQ(owner, HWND(parent_));
        EXPECT_TRUE(shown == row.kept) << shown.size();
        EXPECT_TRUE(Whole(editor_) == row.kept);
        EXPECT_EQ(RectInParent(editor_).right, 400);
    }
}

TEST_F(Editor, TextAndSelectionBoundsAndPositionsFromOne)
{
    vu_WordProcSetLimit(editor_, 10);
    EXPECT_EQ(vu_WordProcSetText(editor_, "abcdefg"), 0);
    EXPECT_EQ(vu_WordProcSelect(editor_, 3, 5), 3);
    EXPECT_EQ(Selection(editor_), std::make_pair(DWORD(2), DWORD(5)));
    EXPECT_EQ(vu_WordProcHasSelection(editor_), 1);
    EXPECT_STREQ(vu_WordProcGetSelText(editor_), "cde");
    vu_WordProcClear(editor_);
    EXPECT_EQ(Whole(editor_), "abfg");
    EXPECT_STREQ(vu_WordProcGetSelText(editor_), "");
    Select(editor_, 0, 0);
    EXPECT_STREQ(vu_WordProcGetSelText(editor_), "");
    EXPECT_EQ(vu_WordProcSelect(editor_, 5, 3), -1);
    EXPECT_EQ(vu_WordProcSelect(editor_, INT_MIN + 1, INT_MAX), -1);  // wraps like an int

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
    EXPECT_EQ(vu_WordProcGetText(editor_, nullptr), 0);
    vu_WordProcSetLimit(editor_, 65535);
    const std::string big(5000, 'q');
    vu_WordProcSetText(editor_, big.c_str());
    vu_WordProcSelectAll(editor_);
    EXPECT_TRUE(std::string(vu_WordProcGetSelText(editor_)) == big);

    vu_WordProcSetFocus(editor_);  // the caret is the focused window's
    ASSERT_EQ(GetFocus(), editor_);
    vu_WordProcSetText(editor_, "ett\r\ntvå\r\ntre");
    struct Caret { DWORD at; int line, pos; } carets[] = {{0, 1, 1}, {7, 2, 8}, {11, 3, 12}};
    for (const Caret& c : carets) {
        Select(editor_, c.at, c.at);
        EXPECT_EQ(vu_WordProcCaretLine(editor_), c.line) << c.at;
        EXPECT_EQ(vu_WordProcCaretPos(editor_), c.pos) << c.at;
    }
}

TEST_F(Editor, WordsOfTheFlagsFontsTabsAndUndo)
{
    struct Word { const char* word; int modified_after, writable_answer; DWORD read_only; } words[] = {
        {"ON", 1, 0, 0}, {"off", 1, 1, 0}, {nullptr, 1, 1, 0}, {"OFF", 0, 0, ES_READONLY}, {"on", 0, 1, ES_READONLY}};
    for (const Word& w : words) {
        EXPECT_EQ(vu_WordProcSetModified(editor_, w.word), 0);
        EXPECT_EQ(vu_WordProcIsModified(editor_), w.modified_after) << (w.word ? w.word : "null");
        EXPECT_EQ(vu_WordProcWritable(editor_, w.word), w.writable_answer) << (w.word ? w.word : "null");
        EXPECT_EQ(StyleOf(editor_) & ES_READONLY, w.read_only) << (w.word ? w.word : "null");
    }
    vu_WordProcWritable(editor_, "ON");
    const int stock[] = {SYSTEM_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, DEFAULT_GUI_FONT, OEM_FIXED_FONT};
    for (int i = 0; i < 5; ++i) {
        vu_WordProcSetFont(editor_, reinterpret_cast<HFONT>(static_cast<INT_PTR>(i)));
        EXPECT_EQ(SendMessageA(editor_, WM_GETFONT, 0, 0), reinterpret_cast<LRESULT>(GetStockObject(stock[i]))) << i;
    }
    vu_WordProcSetText(editor_, "a\tb");
    auto x_of_b = [&] { return LOWORD(SendMessageA(editor_, EM_POSFROMCHAR, 2, 0)); };
    vu_WordProcSetTabs(editor_, 3, 64);
    const int wide = x_of_b();
    vu_WordProcSetTabs(editor_, 100000, 64);  // more than 255 stops count as 255
    EXPECT_EQ(x_of_b(), wide);
    vu_WordProcSetTabs(editor_, 1, 16);
    EXPECT_LT(x_of_b(), wide);
    SendMessageA(editor_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(3, 4));
    EXPECT_EQ(vu_WordProcSetMargin(editor_, 0x10007), MAKELONG(3, 4));
    EXPECT_EQ(SendMessageA(editor_, EM_GETMARGINS, 0, 0), MAKELONG(7, 4));

    Select(editor_, 3, 3);
    SendMessageA(editor_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("!"));
    EXPECT_EQ(vu_WordProcUndo(editor_), 1);
    EXPECT_EQ(Whole(editor_), "a\tb");
    EXPECT_EQ(vu_WordProcEmptyUndo(editor_), 0);
    EXPECT_EQ(vu_WordProcUndo(editor_), 0);
}

// ---- files -----------------------------------------------------------------------------

TEST_F(Editor, LoadsTakeTheWholeFileOrNothing)
{
    const std::string dir = NewTempDir();
    std::string largest = ShortLines(kLargest);
    largest.back() = 'Z';
    struct Row { const char* name; unsigned limit; std::string bytes; int result; } rows[] = {
        {"line ends as they are", 100, "rad ett\r\nrad två\nensam\r\n", 0},
        {"exactly the limit", 4, "abcd", 0},
        {"one past the limit", 4, "abcde", 4},
        {"a NUL byte", 100, std::string("ab\0cd", 5), 3},
        {"missing file", 100, "-", 0},
        {"the largest file", kLargest, largest, 0},
        {"65,536 bytes", 65535, std::string(65536, 'x'), 4},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        vu_WordProcSetLimit(editor_, static_cast<int>(row.limit));
        vu_WordProcSetText(editor_, "kvar");
        vu_WordProcSetModified(editor_, "ON");
        const std::string in = dir + "in.txt";
        DeleteFileA(in.c_str());
        if (row.bytes != "-") { ASSERT_TRUE(WriteFileBytes(in, row.bytes)); }
        EXPECT_EQ(vu_WordProcLoadFile(editor_, in.c_str()), row.result);
        EXPECT_TRUE(FileExists(in));
        const std::string expected = row.result != 0 ? "kvar" : row.bytes == "-" ? "" : row.bytes;
        EXPECT_TRUE(Whole(editor_) == expected) << Whole(editor_).size();
        EXPECT_EQ(vu_WordProcIsModified(editor_), row.result != 0 ? 1 : 0);
        if (row.result == 0) {
            EXPECT_EQ(Selection(editor_), std::make_pair(DWORD(0), DWORD(0)));
            EXPECT_EQ(vu_WordProcCanUndo(editor_), 0);
        }
    }
    // A file another handle holds, a folder, a bad path: not opened.
    HANDLE held = CreateFileA((dir + "in.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    for (const std::string& path : {dir + "in.txt", dir, dir + "saknas\\x.txt"})
        EXPECT_EQ(vu_WordProcLoadFile(editor_, path.c_str()), 2) << path;
    CloseHandle(held);
}

TEST_F(Editor, SavesByteForByteAndClearsTheFlagOnlyWhenWritten)
{
    const std::string dir = NewTempDir();
    vu_WordProcSetLimit(editor_, static_cast<int>(kLargest));
    struct Row { const char* name; std::string text; std::string path; int result, modified; } rows[] = {
        {"lines", "Första raden\r\nandra: åäö\r\n\tslut", dir + "ut.txt", 0, 0},
        {"empty replaces", "", dir + "ut.txt", 0, 0},
        {"full editor", ShortLines(kLargest), dir + "full.txt", 0, 0},
        {"no folder", "x", dir + "saknas\\ut.txt", 2, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        vu_WordProcSetText(editor_, row.text.c_str());
        vu_WordProcSetModified(editor_, "ON");
        EXPECT_EQ(vu_WordProcSaveFile(editor_, row.path.c_str()), row.result);
        EXPECT_EQ(vu_WordProcIsModified(editor_), row.modified);
        std::string bytes;
        if (row.result == 0) { EXPECT_TRUE(ReadFileBytes(row.path, &bytes) && bytes == row.text) << bytes.size(); }
    }
}

// ---- search ----------------------------------------------------------------------------

TEST_F(Editor, SearchWorkedCases)
{
    struct Row { const char* text; DWORD start, end; const char* what; const char* direction; const char* match; int result; DWORD found; } rows[] = {
        {"xab yab zab", 1, 1, "ab", "D", "M", 0, 5},    // the window starts one character on
        {"xab yab zab", 5, 7, "ab", "D", "M", 0, 9},    // from a match, the next one
        {"xab yab zab", 9, 11, "ab", "D", "M", 1, 9},
        {"xab yab zab", 5, 7, "ab", "U", "M", 0, 1},
        {"xab yab zab", 1, 3, "ab", "U", "M", -1, 1},
        {"Ärligt ÄR", 0, 0, "är", "D", "M", 1, 0},
        {"Ärligt ÄR", 0, 0, "är", "D", "m", 0, 7},
        {"abc abc ab", 0, 5, "abc", "D", "M", 1, 0},  // a selection is the window
        {"hej", 2, 2, "", "D", "M", 2, 2},
        {"hej", 2, 2, "j", "d", "M", 1, 2},           // unknown direction: the window stays
        {"", 0, 0, "a", "D", "M", 3, 0},
    };
    for (const Row& row : rows) {
        vu_WordProcSetText(editor_, row.text);
        Select(editor_, row.start, row.end);
        EXPECT_EQ(vu_WordProcFind(editor_, row.what, 0, row.direction, row.match), row.result) << row.text << " " << row.start;
        EXPECT_EQ(Selection(editor_).first, row.found) << row.text << " " << row.start;
    }
    // The find record's text and case count with source 1.
    vu_WordProcSetText(editor_, "Sök sök SÖK");
    char what[16] = "SÖK";
    FINDREPLACEA request = {};
    request.lpstrFindWhat = what;
    request.wFindWhatLen = sizeof what;
    request.Flags = FR_DOWN | FR_MATCHCASE;
    vu_FindRequest = &request;
    Select(editor_, 0, 0);
    EXPECT_EQ(vu_WordProcFind(editor_, "sök", 1, "D", ""), 0);
    EXPECT_EQ(Selection(editor_).first, 8u);
    vu_FindRequest = nullptr;
    Select(editor_, 0, 0);
    EXPECT_EQ(vu_WordProcFind(editor_, "Sök", 1, "D", "M"), 2);
}

// Pieces of random texts: letters in both cases and with marks, a ligature and its letters,
// the sharp s, hyphens and apostrophes, the soft hyphen, blanks, digits, tabs, line breaks.
const char* const kPieces[] = {"a", "b", "A", "B", "s", "ss", "ä", "Ä", "é", "æ", "ae", "ß", "-", "'", "\xAD", " ", "1", "\t", "\r\n"};

TEST_F(Editor, SearchAgreesWithTheReReadingSearch)
{
    ShowWindow(parent_, SW_HIDE);  // nothing to draw: the comparisons run many times faster
    std::mt19937 random(20240611);
    auto text_of = [&](int pieces) {
        std::string text;
        for (int i = 0; i < pieces; ++i) text += kPieces[random() % (sizeof kPieces / sizeof *kPieces)];
        return text;
    };
    int found = 0, compared = 0;
    for (int round = 0; round < (UnderHeapChecker() ? 40 : 600); ++round) {
        const std::string text = text_of(static_cast<int>(random() % (round % 50 == 0 && !UnderHeapChecker() ? 300 : 24)));
        const std::string pattern = random() % 2 && !text.empty() ? text.substr(random() % text.size(), 1 + random() % 4)
                                                                  : text_of(static_cast<int>(random() % 4));
        vu_WordProcSetText(editor_, text.c_str());
        const DWORD size = static_cast<DWORD>(GetWindowTextLengthA(editor_));
        // Sometimes a full editor.
        vu_WordProcSetLimit(editor_, random() % 5 == 0 && size > 0 ? static_cast<int>(size) : 65535);
        const DWORD start = size ? random() % (size + 1) : 0;
        const DWORD end = random() % 2 ? start : start + random() % (size - start + 1);
        for (const char* direction : {"D", "U", "X"})
            for (const char* match : {"M", ""}) {
                Select(editor_, start, end);
                const int expected = wordproc_reference::Find(editor_, pattern.c_str(), 0, direction, match);
                const auto expected_selection = Selection(editor_);
                Select(editor_, start, end);
                ASSERT_EQ(vu_WordProcFind(editor_, pattern.c_str(), 0, direction, match), expected)
                    << "[" << text << "] [" << pattern << "] " << start << ".." << end << " " << direction << match;
                ASSERT_EQ(Selection(editor_), expected_selection) << "[" << text << "] [" << pattern << "]";
                found += expected == 0;
                ++compared;
            }
    }
    if (compared > 1000) {  // both outcomes are covered
        EXPECT_GT(found, compared / 20);
        EXPECT_LT(found, compared * 9 / 10);
    }
}

}  // namespace
