// The text editor's printing on the real print path: the harness's PDF printer is the default
// printer, and every job is read back from the PDF it becomes (pages, text, word boxes).
// Printer pixels are 1/300 inch; the PDF's points are 1/72 inch.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "../dialogs/std_dialog_driver.h"
#include "controls/wordproc_print.h"
#include "wordproc_fixture.h"
#include "wordproc_print_pdf.h"

#include <commdlg.h>

namespace {

using print_pdf::Printed;
using print_pdf::Word;

constexpr double kPointsPerPixel = 72.0 / 300.0;
// Controls of the platform's print dialog: copies, collate, the "Selection" choice.
constexpr int kCopies = 0x482, kCollate = 0x411, kSelectionChoice = 0x421;

// "Rad 001" .. : one numbered line each, joined by CR LF.
std::string Lines(int first, int last)
{
    std::string text;
    for (int n = first; n <= last; ++n) {
        char line[16];
        std::snprintf(line, sizeof line, "Rad %03d", n);
        if (!text.empty()) text += "\r\n";
        text += line;
    }
    return text;
}

std::vector<std::string> LineList(int first, int last)
{
    std::vector<std::string> lines;
    for (int n = first; n <= last; ++n) {
        char line[16];
        std::snprintf(line, sizeof line, "Rad %03d", n);
        lines.push_back(line);
    }
    return lines;
}

// A fixed-pitch font 16 pixels high and 7 wide on any device (the job deletes it).
HFONT MonoFont()
{
    return CreateFontA(16, 7, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0,
                       FIXED_PITCH | FF_MODERN, "Liberation Mono");
}

// The words of one page, in the order the PDF holds them.
std::vector<Word> WordsOf(const Printed& printed, int page)
{
    std::vector<Word> words;
    for (const Word& word : printed.words)
        if (word.page == page) words.push_back(word);
    return words;
}

// The first word of the page with this text, or an empty word.
Word Find(const Printed& printed, int page, const std::string& text)
{
    for (const Word& word : WordsOf(printed, page))
        if (word.text == text) return word;
    return Word{0, 0, 0, 0, 0, ""};
}

// The first line of each page.
std::vector<std::string> FirstLines(const Printed& printed)
{
    std::vector<std::string> first;
    for (const auto& page : printed.page_lines) first.push_back(page.empty() ? "" : page[0]);
    return first;
}

class WordProcPrint : public ::testing::Test {
protected:
    // The printer font takes its face from the font chooser's record: choose the fixed-pitch
    // face there once, confirming the chooser as a user would.
    static void SetUpTestSuite()
    {
        HWND owner = control_test::Parent("Typsnitt för utskrift");
        HFONT font = MonoFont();
        std_dialog::Driver driver(owner,
                                  [](HWND dialog) { std_dialog::Click(dialog, IDOK); });
        HFONT chosen = vu_FontDialog(owner, "OFF", "ON", font);
        driver.Join();
        if (chosen != font) DeleteObject(chosen);
        DeleteObject(font);
        DestroyWindow(owner);
    }

    void SetUp() override
    {
        const std::string reason = print_pdf::Unavailable();
        if (!reason.empty()) GTEST_SKIP() << reason;
    }

    // Prints the text from a fresh editor on the default printer and reads the PDF back.
    static Printed PrintText(const std::string& text, int left, int top, int right, int bottom,
                             int percentage, int* result)
    {
        wordproc_test::Editor e("Utskrift", 0);
        vu_WordProcSetText(e.editor, text.c_str());
        const std::string document = print_pdf::DocumentName("vu-print");
        *result = vu_WordProcPrint(e.editor, left, top, right, bottom, document.c_str(),
                                   percentage, MonoFont(), 0);
        Printed printed = print_pdf::Read(document, *result == 0);
        if (printed.found) {
            EXPECT_EQ(printed.title, document);
        }
        return printed;
    }

    // Confirms the print dialog for the editor with copies, collation and the selection
    // choice set as a user would set them; true when the dialog was confirmed.
    static bool ConfirmPrintDialog(HWND editor, const char* copies, bool collate, bool selection)
    {
        std_dialog::Driver driver(GetParent(editor), [&](HWND dialog) {
            std_dialog::SetItemText(dialog, kCopies, copies);
            SendMessageA(GetDlgItem(dialog, kCollate), BM_SETCHECK,
                         collate ? BST_CHECKED : BST_UNCHECKED, 0);
            if (selection) std_dialog::Click(dialog, kSelectionChoice);
            std_dialog::Click(dialog, IDOK);
        });
        const int answer = vu_PrintDialog(editor);
        return driver.Join() && answer == 1;
    }
};

TEST_F(WordProcPrint, FiftyLinesAPageFromTheTopAndLeftMargins)
{
    int result = -1;
    // The font is 16 x 7 on the printer, so the printer font is 48 high: (3508 - 1100) / 48
    // gives 50 lines a page.
    const Printed printed = PrintText(Lines(1, 120), 10, 10, 10, 100, 100, &result);
    EXPECT_EQ(result, 0);
    ASSERT_TRUE(printed.found);
    EXPECT_EQ(printed.pages, 3);
    ASSERT_EQ(printed.page_lines.size(), 3u);
    EXPECT_EQ(printed.page_lines[0], LineList(1, 50));
    EXPECT_EQ(printed.page_lines[1], LineList(51, 100));
    EXPECT_EQ(printed.page_lines[2], LineList(101, 120));

    // The first line's box starts 110 pixels from the left and top edges: its top is the
    // top of the line's cell, so the word's box (the glyphs' ascent) starts at it or a little
    // below.
    const Word first = Find(printed, 1, "Rad");
    EXPECT_NEAR(first.x_min, 110 * kPointsPerPixel, 0.5);
    EXPECT_GE(first.y_min, 110 * kPointsPerPixel - 0.5);
    EXPECT_LE(first.y_min, 110 * kPointsPerPixel + 4);
    // Line after line, 48 pixels apart, on every page.
    EXPECT_NEAR(Find(printed, 1, "002").y_min - Find(printed, 1, "001").y_min,
                48 * kPointsPerPixel, 0.01);
    EXPECT_NEAR(Find(printed, 2, "051").y_min, Find(printed, 1, "001").y_min, 0.01);
    EXPECT_NEAR(Find(printed, 3, "120").y_min - Find(printed, 3, "101").y_min,
                19 * 48 * kPointsPerPixel, 0.05);
}

TEST_F(WordProcPrint, TopMarginMovesTheFirstLineByElevenPixelsAUnit)
{
    int result = -1;
    const Printed at10 = PrintText(Lines(1, 2), 10, 10, 10, 10, 100, &result);
    ASSERT_TRUE(at10.found);
    const Printed at30 = PrintText(Lines(1, 2), 30, 30, 10, 10, 100, &result);
    ASSERT_TRUE(at30.found);
    EXPECT_NEAR(Find(at30, 1, "Rad").y_min - Find(at10, 1, "Rad").y_min,
                20 * 11 * kPointsPerPixel, 0.01);
    EXPECT_NEAR(Find(at30, 1, "Rad").x_min - Find(at10, 1, "Rad").x_min,
                20 * 11 * kPointsPerPixel, 0.01);
}

// The printer font: the given font's printer height and width (16 and 7) times F - 0.5, the
// height also times 0.94, cut toward zero. F is 3.7 at 100 %, 6.8 at 200 % and 1.46 at 20 %.
TEST_F(WordProcPrint, PrinterFontFollowsTheSizePercentage)
{
    struct Case {
        int percentage, height, width;
    };
    for (const Case c : {Case{100, 48, 22}, Case{200, 94, 44}, Case{20, 14, 6}}) {
        SCOPED_TRACE(c.percentage);
        int result = -1;
        const Printed printed = PrintText(Lines(1, 2), 10, 10, 10, 10, c.percentage, &result);
        EXPECT_EQ(result, 0);
        ASSERT_TRUE(printed.found);
        // Line pitch: the font's height (the face has no external leading).
        EXPECT_NEAR(Find(printed, 1, "002").y_min - Find(printed, 1, "001").y_min,
                    c.height * kPointsPerPixel, 0.01);
        // The width (c.width) is asked of the platform too, but Wine's PostScript driver
        // draws a face at its own proportions whatever width is asked, so the PDF cannot
        // show it.
    }
}

TEST_F(WordProcPrint, PercentageBelowTwentyPrintsNothing)
{
    int result = -1;
    const Printed printed = PrintText(Lines(1, 2), 10, 10, 10, 10, 19, &result);
    EXPECT_EQ(result, 1);
    EXPECT_FALSE(printed.found);
}

TEST_F(WordProcPrint, CopiesAndCollationFromThePrintDialog)
{
    // The dialog is asked to let the printer make the copies: two copies chosen in it stay
    // in its device mode (the record asks the job for one run), and the printer makes them,
    // collated or page by page as chosen.
    const std::vector<std::string> by_page = {"Rad 001", "Rad 001", "Rad 002",
                                              "Rad 002", "Rad 003", "Rad 003"};
    const std::vector<std::string> by_run = {"Rad 001", "Rad 002", "Rad 003",
                                             "Rad 001", "Rad 002", "Rad 003"};
    wordproc_test::Editor e("Kopior", 0);
    // Three lines on a page too small for more than one: three pages.
    vu_WordProcSetText(e.editor, Lines(1, 3).c_str());
    // The printer's own copies test the platform rather than the job, and the heap checker's
    // run has no time for them.
    const bool heap_check = print_pdf::Environment("VU_HEAPCHECK") == "1";
    for (bool collate : {false, true}) {
        if (heap_check) break;
        SCOPED_TRACE(collate ? "printer, collated" : "printer, not collated");
        ASSERT_TRUE(ConfirmPrintDialog(e.editor, "2", collate, false));
        EXPECT_EQ(vu_PrintRequest.nCopies, 1);
        const DEVMODEA* mode =
            static_cast<const DEVMODEA*>(GlobalLock(vu_PrintRequest.hDevMode));
        ASSERT_NE(mode, nullptr);
        EXPECT_EQ(mode->dmCopies, 2);
        EXPECT_EQ(mode->dmCollate, collate ? DMCOLLATE_TRUE : DMCOLLATE_FALSE);
        GlobalUnlock(vu_PrintRequest.hDevMode);
        const std::string document = print_pdf::DocumentName("vu-copies");
        EXPECT_EQ(vu_WordProcPrint(e.editor, 10, 10, 10, 400, document.c_str(), 100,
                                   MonoFont(), 1),
                  0);
        // The dialog's device context went with the job.
        EXPECT_EQ(vu_PrintRequest.hDC, nullptr);
        const Printed printed = print_pdf::Read(document);
        ASSERT_TRUE(printed.found);
        // Uncollated copies are left to the printer itself, and the PDF printer makes none.
        if (collate) {
            EXPECT_EQ(printed.pages, 6);
            EXPECT_EQ(FirstLines(printed), by_run);
        } else {
            EXPECT_EQ(printed.pages, 3);
        }
    }

    // Copies the record asks for are made by the job: page by page, or run by run when
    // collated.
    struct Case {
        bool collate;
        std::vector<std::string> order;
    };
    for (const Case& c : {Case{false, by_page}, Case{true, by_run}}) {
        SCOPED_TRACE(c.collate ? "collated" : "not collated");
        ASSERT_TRUE(ConfirmPrintDialog(e.editor, "1", false, false));
        vu_PrintRequest.nCopies = 2;
        if (c.collate) vu_PrintRequest.Flags |= PD_COLLATE;
        const std::string document = print_pdf::DocumentName("vu-copies");
        EXPECT_EQ(vu_WordProcPrint(e.editor, 10, 10, 10, 400, document.c_str(), 100, MonoFont(),
                                   1),
                  0);
        const Printed printed = print_pdf::Read(document);
        ASSERT_TRUE(printed.found);
        EXPECT_EQ(printed.pages, 6);
        EXPECT_EQ(FirstLines(printed), c.order);
    }
}

TEST_F(WordProcPrint, SelectionOrWholeText)
{
    wordproc_test::Editor e("Markering", 0);
    vu_WordProcSetText(e.editor, Lines(1, 9).c_str());
    // Characters 10 .. 25 (from 1) are "Rad 002" CR LF "Rad 003".
    auto print = [&](int source, const char* stem) {
        const std::string document = print_pdf::DocumentName(stem);
        const int result = vu_WordProcPrint(e.editor, 10, 10, 10, 10, document.c_str(), 100,
                                            MonoFont(), source);
        Printed printed = print_pdf::Read(document, result == 0);
        if (printed.found) {
            EXPECT_EQ(printed.pages, 1);
        }
        return std::make_pair(result, printed);
    };
    {
        SCOPED_TRACE("default printer, selection");
        wordproc_test::Select(e.editor, 9, 25);
        auto [result, printed] = print(0, "vu-sel");
        EXPECT_EQ(result, 0);
        ASSERT_EQ(printed.page_lines.size(), 1u);
        EXPECT_EQ(printed.page_lines[0], LineList(2, 3));
    }
    for (DWORD caret : {0u, 30u}) {
        SCOPED_TRACE("default printer, caret only at " + std::to_string(caret));
        wordproc_test::Select(e.editor, caret, caret);
        auto [result, printed] = print(0, "vu-all");
        EXPECT_EQ(result, 0);
        ASSERT_EQ(printed.page_lines.size(), 1u);
        EXPECT_EQ(printed.page_lines[0], LineList(1, 9));
    }
    {
        SCOPED_TRACE("print dialog, selection chosen");
        wordproc_test::Select(e.editor, 18, 25);
        ASSERT_TRUE(ConfirmPrintDialog(e.editor, "1", false, true));
        EXPECT_TRUE(vu_PrintRequest.Flags & PD_SELECTION);
        auto [result, printed] = print(1, "vu-dsel");
        EXPECT_EQ(result, 0);
        ASSERT_EQ(printed.page_lines.size(), 1u);
        EXPECT_EQ(printed.page_lines[0], LineList(3, 3));
    }
    {
        SCOPED_TRACE("print dialog, all chosen, selection made");
        wordproc_test::Select(e.editor, 18, 25);
        ASSERT_TRUE(ConfirmPrintDialog(e.editor, "1", false, false));
        auto [result, printed] = print(1, "vu-dall");
        EXPECT_EQ(result, 0);
        ASSERT_EQ(printed.page_lines.size(), 1u);
        EXPECT_EQ(printed.page_lines[0], LineList(1, 9));
    }
    {
        SCOPED_TRACE("print dialog, selection chosen, nothing selected");
        wordproc_test::Select(e.editor, 18, 18);
        ASSERT_TRUE(ConfirmPrintDialog(e.editor, "1", false, true));
        auto [result, printed] = print(1, "vu-dnone");
        EXPECT_EQ(result, 2);
        EXPECT_FALSE(printed.found);
        EXPECT_EQ(vu_PrintRequest.hDC, nullptr);
    }
}

TEST_F(WordProcPrint, NoTextAndNoPrinter)
{
    int result = -1;
    const Printed empty = PrintText("", 10, 10, 10, 10, 100, &result);
    EXPECT_EQ(result, 2);
    EXPECT_FALSE(empty.found);

    wordproc_test::Editor e("Ingen skrivare", 0);
    vu_WordProcSetText(e.editor, "Rad 001");
    // No print dialog was confirmed for this job, and no source 2 exists.
    vu_PrintRequest.hDC = nullptr;
    EXPECT_EQ(vu_WordProcPrint(e.editor, 10, 10, 10, 10, "vu-none", 100, MonoFont(), 1), 3);
    EXPECT_EQ(vu_WordProcPrint(e.editor, 10, 10, 10, 10, "vu-none", 100, MonoFont(), 2), 3);

    // A default-printer entry with fewer than three parts, and one naming a printer that does
    // not exist.
    char kept[256] = {};
    GetProfileStringA("windows", "device", "", kept, sizeof kept);
    ASSERT_NE(kept[0], '\0');
    for (const char* entry : {"Ingenstans,wineps.drv", "Ingenstans,wineps.drv,CUPS:Ingenstans"}) {
        SCOPED_TRACE(entry);
        ASSERT_TRUE(WriteProfileStringA("windows", "device", entry));
        const std::string document = print_pdf::DocumentName("vu-nowhere");
        EXPECT_EQ(vu_WordProcPrint(e.editor, 10, 10, 10, 10, document.c_str(), 100, MonoFont(),
                                   0),
                  3);
        EXPECT_FALSE(print_pdf::Read(document, false).found);
    }
    WriteProfileStringA("windows", "device", kept);
}

TEST_F(WordProcPrint, QueueRefusingJobsEndsTheJobWithoutHanging)
{
    const std::string queue = print_pdf::Environment("VU_PRINTER");
    if (queue.empty()) GTEST_SKIP() << "the queue's name is not known in this run";
    if (print_pdf::Environment("VU_HEAPCHECK") == "1")
        GTEST_SKIP() << "the platform's print client spends about 35 s on a refused job, which "
                        "the heap checker's run cannot afford within its time limit";
    ASSERT_TRUE(print_pdf::RunUnix("cupsreject " + queue));
    int result = -1;
    const Printed printed = PrintText(Lines(1, 3), 10, 10, 10, 10, 100, &result);
    ASSERT_TRUE(print_pdf::RunUnix("cupsaccept " + queue));
    // The printer did not take the job: nothing printed, and the call still answers done.
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(printed.found);
}

TEST_F(WordProcPrint, PageTooSmallForOneLineCarriesOneLine)
{
    int result = -1;
    // A bottom margin of 400 units is taller than the page (3508 pixels).
    const Printed printed = PrintText(Lines(1, 3), 10, 10, 10, 400, 100, &result);
    EXPECT_EQ(result, 0);
    ASSERT_TRUE(printed.found);
    EXPECT_EQ(printed.pages, 3);
    EXPECT_EQ(FirstLines(printed), LineList(1, 3));
}

TEST_F(WordProcPrint, PageNarrowerThanNothingStillPrints)
{
    int result = -1;
    // A right margin wider than the page gives the layout no width: every character wraps.
    const Printed printed = PrintText("ab", 10, 10, 400, 10, 100, &result);
    EXPECT_EQ(result, 0);
    ASSERT_TRUE(printed.found);
    EXPECT_EQ(printed.pages, 1);
}

TEST_F(WordProcPrint, LineLongerThanTheLineBufferIsCut)
{
    // A negative right margin makes the layout far wider than the page: one line of 3,000
    // characters stays one line and is printed up to 2,500 characters.
    std::string text;
    for (int i = 0; i < 300; ++i) text += "abcdefghi ";
    int result = -1;
    const Printed printed = PrintText(text, 10, 10, -100000, 10, 20, &result);
    EXPECT_EQ(result, 0);
    ASSERT_TRUE(printed.found);
    EXPECT_EQ(printed.pages, 1);
    int words = 0;
    for (const Word& word : printed.words) words += word.text == "abcdefghi";
    // 250 whole words; those beyond the paper's edge may be dropped by the reader, but never
    // more than the line buffer holds.
    EXPECT_GT(words, 0);
    EXPECT_LE(words, 250);
}

TEST_F(WordProcPrint, TextLongerThanSixtyFourKilobytesIsPrintedWhole)
{
    if (print_pdf::Environment("VU_HEAPCHECK") == "1")
        GTEST_SKIP() << "under the heap checker Wine's edit control lays out 70,000 characters "
                        "for minutes";
    // 1,000 lines of 70 characters and CR LF: 72,000 characters; at 20 % the page takes 250.
    std::string text;
    for (int n = 1; n <= 1000; ++n) {
        char line[80];
        std::snprintf(line, sizeof line, "Rad %04d %061d", n, 0);
        if (n > 1) text += "\r\n";
        text += line;
    }
    ASSERT_GT(text.size(), 65534u);
    int result = -1;
    const Printed printed = PrintText(text, 10, 10, 10, 10, 20, &result);
    EXPECT_EQ(result, 0);
    ASSERT_TRUE(printed.found);
    ASSERT_FALSE(printed.page_lines.empty());
    ASSERT_FALSE(printed.page_lines.back().empty());
    EXPECT_EQ(printed.page_lines.back().back().substr(0, 8), "Rad 1000");
    std::size_t lines = 0;
    for (const auto& page : printed.page_lines) lines += page.size();
    EXPECT_EQ(lines, 1000u);
}

TEST(WordProcPrintEntry, SplitsDeviceDriverAndPort)
{
    vu::wordproc::PrinterNames names;
    ASSERT_TRUE(vu::wordproc::SplitPrinterEntry("Kontorets skrivare,wineps.drv,CUPS:kontor",
                                                &names));
    EXPECT_EQ(names.device, "Kontorets skrivare");
    EXPECT_EQ(names.driver, "wineps.drv");
    EXPECT_EQ(names.port, "CUPS:kontor");
    ASSERT_TRUE(vu::wordproc::SplitPrinterEntry("A,drv port,LPT2:", &names));
    EXPECT_EQ(names.driver, "drv");
    EXPECT_EQ(names.port, "port");
    EXPECT_FALSE(vu::wordproc::SplitPrinterEntry(",,,", &names));
    EXPECT_FALSE(vu::wordproc::SplitPrinterEntry("A,drv", &names));
    EXPECT_FALSE(vu::wordproc::SplitPrinterEntry(nullptr, &names));
}

}  // namespace
