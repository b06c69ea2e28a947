// The text editor's search: the documented cases, the find record as the source, bad input,
// and agreement with the plain re-reading search on many random texts, selections and search
// texts, both directions, both case modes, with characters that the platform's comparison
// treats specially (ignorable, hyphen and apostrophe, ligatures, letters with marks).
#include <gtest/gtest.h>

#include <windows.h>
#include <commdlg.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "wordproc_fixture.h"
#include "wordproc_search_reference.h"

namespace {

// Under the heap checker every allocation is slow: fewer random cases there, since that run is
// about memory safety and the plain run already compares the full set.
int Rounds(int plain, int checked) { return std::getenv("VU_HEAPCHECK") ? checked : plain; }

using wordproc_test::Editor;
using wordproc_test::Select;
using wordproc_test::SelectionOf;

TEST(WordProcSearch, DocumentedSteps)
{
    Editor e("Sök");
    vu_WordProcSetText(e.editor, "xab yab zab");
    // The window starts one character on, so an occurrence right at the caret is passed.
    Select(e.editor, 1, 1);
    EXPECT_EQ(vu_WordProcFind(e.editor, "ab", 0, "D", "M"), 0);
    EXPECT_EQ(SelectionOf(e.editor), std::make_pair(DWORD(5), DWORD(7)));
    // From a match, the next occurrence.
    EXPECT_EQ(vu_WordProcFind(e.editor, "ab", 0, "D", "M"), 0);
    EXPECT_EQ(SelectionOf(e.editor), std::make_pair(DWORD(9), DWORD(11)));
    EXPECT_EQ(vu_WordProcFind(e.editor, "ab", 0, "D", "M"), 1);
    EXPECT_EQ(SelectionOf(e.editor), std::make_pair(DWORD(9), DWORD(11)));  // left as it was
    // Upwards.
    EXPECT_EQ(vu_WordProcFind(e.editor, "ab", 0, "U", "M"), 0);
    EXPECT_EQ(SelectionOf(e.editor), std::make_pair(DWORD(5), DWORD(7)));
    EXPECT_EQ(vu_WordProcFind(e.editor, "ab", 0, "U", "M"), 0);
    EXPECT_EQ(SelectionOf(e.editor), std::make_pair(DWORD(1), DWORD(3)));
    EXPECT_EQ(vu_WordProcFind(e.editor, "ab", 0, "U", "M"), -1);
    Select(e.editor, 0, 0);
    EXPECT_EQ(vu_WordProcFind(e.editor, "x", 0, "U", ""), -1);

    // Case: "M" matches case, anything else ignores it.
    vu_WordProcSetText(e.editor, "Ärligt ÄR");
    Select(e.editor, 0, 0);
    EXPECT_EQ(vu_WordProcFind(e.editor, "är", 0, "D", "M"), 1);
    Select(e.editor, 0, 0);
    EXPECT_EQ(vu_WordProcFind(e.editor, "är", 0, "D", "m"), 0);
    EXPECT_EQ(SelectionOf(e.editor), std::make_pair(DWORD(7), DWORD(9)));
    Select(e.editor, 0, 0);
    EXPECT_EQ(vu_WordProcFind(e.editor, "ÄR", 0, "D", "M"), 0);
    EXPECT_EQ(SelectionOf(e.editor), std::make_pair(DWORD(7), DWORD(9)));

    // A selection is the window: only texts of its length are found.
    vu_WordProcSetText(e.editor, "abc abc ab");
    Select(e.editor, 0, 3);
    EXPECT_EQ(vu_WordProcFind(e.editor, "abc", 0, "D", "M"), 0);
    EXPECT_EQ(SelectionOf(e.editor), std::make_pair(DWORD(4), DWORD(7)));
    Select(e.editor, 0, 5);
    EXPECT_EQ(vu_WordProcFind(e.editor, "abc", 0, "D", "M"), 1);
}

TEST(WordProcSearch, BadInput)
{
    Editor e("Sök fel");
    EXPECT_EQ(vu_WordProcFind(e.editor, "a", 0, "D", "M"), 3);  // empty editor
    vu_WordProcSetText(e.editor, "hej hopp");
    Select(e.editor, 2, 2);
    EXPECT_EQ(vu_WordProcFind(e.editor, "", 0, "D", "M"), 2);
    EXPECT_EQ(vu_WordProcFind(e.editor, nullptr, 0, "U", nullptr), 2);
    EXPECT_EQ(SelectionOf(e.editor), std::make_pair(DWORD(2), DWORD(2)));
    // Unknown direction words leave the window where it is: an empty window never matches.
    EXPECT_EQ(vu_WordProcFind(e.editor, "j", 0, "d", "M"), 1);
    EXPECT_EQ(vu_WordProcFind(e.editor, "j", 0, nullptr, "M"), 1);
    Select(e.editor, 2, 3);
    EXPECT_EQ(vu_WordProcFind(e.editor, "j", 0, "X", "M"), 0);  // the window itself matches
    // Search texts longer than the text.
    const std::string longer(100000, 'h');
    Select(e.editor, 0, 0);
    EXPECT_EQ(vu_WordProcFind(e.editor, longer.c_str(), 0, "D", ""), 1);
    Select(e.editor, 8, 8);
    EXPECT_EQ(vu_WordProcFind(e.editor, longer.c_str(), 0, "U", ""), -1);
    EXPECT_EQ(vu_WordProcFind(nullptr, "a", 0, "D", "M"), 3);
}

TEST(WordProcSearch, TheFindRecordGivesTextAndCase)
{
    Editor e("Sök post");
    vu_WordProcSetText(e.editor, "Sök sök SÖK");
    char what[1024] = "SÖK";
    FINDREPLACEA request = {};
    request.lStructSize = sizeof request;
    request.lpstrFindWhat = what;
    request.wFindWhatLen = sizeof what;
    request.Flags = FR_DOWN | FR_MATCHCASE;
    vu_FindRequest = &request;
    Select(e.editor, 0, 0);
    // The given text and case word do not count with source 1.
    EXPECT_EQ(vu_WordProcFind(e.editor, "sök", 1, "D", ""), 0);
    EXPECT_EQ(SelectionOf(e.editor), std::make_pair(DWORD(8), DWORD(11)));
    request.Flags = FR_DOWN;
    Select(e.editor, 0, 0);
    EXPECT_EQ(vu_WordProcFind(e.editor, "x", 1, "D", "M"), 0);
    EXPECT_EQ(SelectionOf(e.editor), std::make_pair(DWORD(4), DWORD(7)));
    // A text that fills the record's buffer without a terminator is read within it.
    std::memset(what, 'k', sizeof what);
    Select(e.editor, 0, 0);
    EXPECT_EQ(vu_WordProcFind(e.editor, "", 1, "D", "M"), 1);
    // Without a record the search text is empty.
    vu_FindRequest = nullptr;
    EXPECT_EQ(vu_WordProcFind(e.editor, "Sök", 1, "D", "M"), 2);
    // Any other source uses the given text.
    Select(e.editor, 0, 0);
    EXPECT_EQ(vu_WordProcFind(e.editor, "sök", 2, "D", "M"), 0);
    EXPECT_EQ(SelectionOf(e.editor), std::make_pair(DWORD(4), DWORD(7)));
}

// Pieces of random texts: plain letters in both cases, letters with marks, a ligature and
// its two letters, the sharp s and "ss", hyphens and apostrophes (ignored at first by the
// comparison), the soft hyphen (ignored altogether), blanks, digits, tabs and line breaks.
const char* const kPieces[] = {"a", "b", "A", "B", "e", "s", "ss", "ä", "Ä", "å", "é",
                               "æ", "ae", "ß", "-", "'", "\xAD", " ", "1", "\t", "\r\n"};

std::string RandomText(std::mt19937& random, int pieces)
{
    std::string text;
    for (int i = 0; i < pieces; ++i) text += kPieces[random() % (sizeof kPieces / sizeof *kPieces)];
    return text;
}

TEST(WordProcSearch, AgreesWithTheReReadingSearch)
{
    Editor e("Sök slump");
    ShowWindow(e.parent, SW_HIDE);  // nothing to draw: the comparisons run many times faster
    std::mt19937 random(20240611);
    const char* const directions[] = {"D", "U", "X"};
    const char* const cases[] = {"M", ""};
    int found = 0, compared = 0;
    for (int round = 0; round < Rounds(800, 40); ++round) {
        const std::string text = RandomText(random, static_cast<int>(random() % 24));
        std::string pattern;
        if (random() % 2 == 0 && !text.empty()) {
            const std::size_t from = random() % text.size();
            pattern = text.substr(from, 1 + random() % 4);  // often present
        } else {
            pattern = RandomText(random, static_cast<int>(random() % 4));
        }
        vu_WordProcSetText(e.editor, text.c_str());
        const DWORD size = static_cast<DWORD>(GetWindowTextLengthA(e.editor));
        // Sometimes a full editor, where the length read is one short of the text.
        vu_WordProcSetLimit(e.editor, random() % 5 == 0 && size > 0 ? static_cast<int>(size) : 65535);
        DWORD start = size ? random() % (size + 1) : 0;
        DWORD end = random() % 2 ? start : start + random() % (size - start + 1);
        for (const char* direction : directions) {
            for (const char* match : cases) {
                Select(e.editor, start, end);
                const int expected = wordproc_reference::Find(e.editor, pattern.c_str(), 0,
                                                              direction, match);
                const auto expected_selection = SelectionOf(e.editor);
                Select(e.editor, start, end);
                const int actual = vu_WordProcFind(e.editor, pattern.c_str(), 0, direction, match);
                ASSERT_EQ(actual, expected)
                    << "text [" << text << "] pattern [" << pattern << "] from " << start << ".."
                    << end << " " << direction << " " << match;
                ASSERT_EQ(SelectionOf(e.editor), expected_selection) << "text [" << text << "]";
                found += actual == 0;
                ++compared;
            }
        }
    }
    // The random cases cover both outcomes.
    if (compared > 1000) {
        EXPECT_GT(found, compared / 20);
        EXPECT_LT(found, compared * 9 / 10);
    }
}

TEST(WordProcSearch, AgreesOnLongTextsToo)
{
    Editor e("Sök lång");
    ShowWindow(e.parent, SW_HIDE);  // nothing to draw: the comparisons run many times faster
    std::mt19937 random(99);
    for (int round = 0; round < Rounds(6, 1); ++round) {
        const std::string text = RandomText(random, 400);
        vu_WordProcSetText(e.editor, text.c_str());
        for (const char* pattern : {"ab", "Ae", "ss", "a-b", "ä", "æ", "B\t1"}) {
            for (const char* direction : {"D", "U"}) {
                const DWORD size = static_cast<DWORD>(GetWindowTextLengthA(e.editor));
                const DWORD at = direction[0] == 'D' ? 0 : size;
                Select(e.editor, at, at);
                const int expected = wordproc_reference::Find(e.editor, pattern, 0, direction, "");
                const auto expected_selection = SelectionOf(e.editor);
                Select(e.editor, at, at);
                ASSERT_EQ(vu_WordProcFind(e.editor, pattern, 0, direction, ""), expected) << pattern;
                ASSERT_EQ(SelectionOf(e.editor), expected_selection) << pattern;
            }
        }
    }
}

}  // namespace
