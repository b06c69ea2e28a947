// The text editor's printing on the real print path: the harness's PDF printer is the default
// printer, and every job is read back from the PDF it becomes. Printer pixels are 1/300 inch,
// PDF points 1/72 inch. The job leaves the caller's font and an unused print dialog's device
// context alone.
#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>

#include <cstdio>
#include <string>
#include <vector>

#include "controls/wordproc_print.h"
#include "dialog_driver.h"
#include "query.h"
#include "wordproc_print_pdf.h"

namespace {

using print_pdf::Printed;
using namespace vu_test;

constexpr double kPoint = 72.0 / 300.0;  // PDF points per printer pixel

// "Rad 001" .. one numbered line each; joined by CR LF, or as a list of lines.
std::vector<std::string> LineList(int first, int last, int width = 3)
{
    std::vector<std::string> lines;
    for (int n = first; n <= last; ++n) {
        char line[16];
        std::snprintf(line, sizeof line, "Rad %0*d", width, n);
        lines.push_back(line);
    }
    return lines;
}
std::string Lines(int first, int last)
{
    std::string text;
    for (const std::string& line : LineList(first, last)) text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

// A fixed-pitch font 16 pixels high and 7 wide on any device; the caller's, not the job's.
HFONT MonoFont() { return CreateFontA(16, 7, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, FIXED_PITCH | FF_MODERN, "Liberation Mono"); }

// The first word of a page with this text.
print_pdf::Word Find(const Printed& printed, int page, const std::string& text)
{
    for (const print_pdf::Word& word : printed.words)
        if (word.page == page && word.text == text) return word;
    return {0, -1000, -1000, ""};
}

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
        Window owner("Typsnitt");
        HFONT font = MonoFont();
        DialogDriver driver([](HWND dialog) { ClickItem(dialog, IDOK); });
        HFONT chosen = vu_FontDialog(owner, "OFF", "ON", font);
        if (chosen != font) DeleteObject(chosen);
        DeleteObject(font);
    }
    void SetUp() override
    {
        if (print_pdf::Environment("VU_PDF_DIR").empty()) GTEST_SKIP() << "no PDF printer in this run";
        vu_WordProcSetText(editor_, Lines(1, 9).c_str());
    }
    void TearDown() override { DeleteObject(font_); }

    // Prints the editor's text and reads the PDF back; the font stays alive and usable.
    Printed Print(int left, int top, int right, int bottom, int percentage, int source, int* result)
    {
        const std::string document = print_pdf::DocumentName("vu-print");
        *result = vu_WordProcPrint(editor_, left, top, right, bottom, document.c_str(), percentage, font_, source);
        EXPECT_EQ(GetObjectType(font_), DWORD(OBJ_FONT));
        Printed printed = print_pdf::Read(document, *result == 0);
        if (printed.found) { EXPECT_EQ(printed.title, document); }
        return printed;
    }

    // Confirms the print dialog with copies, collation and the selection choice set as a
    // user sets them; true when it was confirmed.
    bool ConfirmPrintDialog(bool selection)
    {
        DialogDriver driver([&](HWND dialog) {
            SetItemText(dialog, 0x482, "1");
            if (selection) SendMessageA(GetDlgItem(dialog, 0x421), BM_CLICK, 0, 0);
            ClickItem(dialog, IDOK);
        });
        return vu_PrintDialog(editor_) == 1 && driver.found() && !driver.gave_up();
    }

    Window parent_{"Utskrift", 400, 300};
    HWND editor_ = vu_WordProcSimple(parent_, 0, 0, 0, 0, "VHSCROLL", 0);
    HFONT font_ = MonoFont();
};

TEST_F(WordProcPrint, PagesMarginsAndTheSizePercentage)
{
    // The printer font is 16 x 7 times F - 0.5 (the height also times 0.94): at 100 % 48
    // pixels high, so (3508 - 1100) / 48 gives 50 lines a page; F is 6.8 at 200 %, 1.46 at 20 %.
    struct Row { int percentage, margin, bottom, pitch; std::vector<int> page_sizes; } rows[] = {
        {100, 10, 100, 48, {50, 50, 20}}, {100, 30, 100, 48, {50, 50, 20}}, {200, 10, 10, 94, {36, 36, 36, 12}}, {20, 10, 10, 14, {120}}};
    vu_WordProcSetText(editor_, Lines(1, 120).c_str());
    for (const Row& row : rows) {
        SCOPED_TRACE(row.percentage);
        int result = -1;
        const Printed printed = Print(row.margin, row.margin, 10, row.bottom, row.percentage, 0, &result);
        EXPECT_EQ(result, 0);
        ASSERT_TRUE(printed.found);
        ASSERT_EQ(printed.page_lines.size(), row.page_sizes.size());
        int first = 1;
        for (size_t p = 0; p < row.page_sizes.size(); first += row.page_sizes[p++])
            EXPECT_EQ(printed.page_lines[p], LineList(first, first + row.page_sizes[p] - 1)) << p;
        // The first line's box starts 11 pixels a margin unit from the left and top edges
        // (the glyphs' box starts at the cell's top or a little below), lines a pitch apart.
        EXPECT_NEAR(Find(printed, 1, "Rad").x_min, 11 * row.margin * kPoint, 0.5);
        EXPECT_GE(Find(printed, 1, "Rad").y_min, 11 * row.margin * kPoint - 0.5);
        EXPECT_LE(Find(printed, 1, "Rad").y_min, 11 * row.margin * kPoint + 4);
        EXPECT_NEAR(Find(printed, 1, "002").y_min - Find(printed, 1, "001").y_min, row.pitch * kPoint, 0.01);
    }
    int result = -1;
    EXPECT_FALSE(Print(10, 10, 10, 10, 19, 0, &result).found);
    EXPECT_EQ(result, 1);
}

TEST_F(WordProcPrint, CopiesAndCollationOfThePrintDialogsRecord)
{
    vu_WordProcSetText(editor_, Lines(1, 3).c_str());
    struct Row { bool collate; std::vector<std::string> order; } rows[] = {
        {false, {"Rad 001", "Rad 001", "Rad 002", "Rad 002", "Rad 003", "Rad 003"}},
        {true, {"Rad 001", "Rad 002", "Rad 003", "Rad 001", "Rad 002", "Rad 003"}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.collate ? "collated" : "not collated");
        ASSERT_TRUE(ConfirmPrintDialog(false));
        vu_PrintRequest.nCopies = 2;
        if (row.collate) vu_PrintRequest.Flags |= PD_COLLATE;
        int result = -1;
        // A bottom margin taller than the page: one line a page.
        const Printed printed = Print(10, 10, 10, 400, 100, 1, &result);
        EXPECT_EQ(result, 0);
        EXPECT_EQ(vu_PrintRequest.hDC, nullptr);  // the job used the dialog's device context up
        EXPECT_EQ(FirstLines(printed), row.order);
    }
}

TEST_F(WordProcPrint, SelectionOrWholeTextAndEarlyReturnsKeepTheDialogsContext)
{
    // Characters 9 .. 25 are "Rad 002" CR LF "Rad 003"; 18 .. 25 "Rad 003".
    struct Row { const char* name; int source; bool choice; DWORD start, end; int result; std::vector<std::string> lines; } rows[] = {
        {"default printer, selection", 0, false, 9, 25, 0, LineList(2, 3)},
        {"default printer, caret at the start", 0, false, 0, 0, 0, LineList(1, 9)},
        {"default printer, caret inside", 0, false, 30, 30, 0, LineList(1, 9)},
        {"dialog, selection chosen, nothing selected", 1, true, 18, 18, 2, {}},
        {"dialog, selection chosen", 1, true, 18, 25, 0, LineList(3, 3)},
        {"dialog, all chosen, selection made", 1, false, 18, 25, 0, LineList(1, 9)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        // An early return leaves the dialog's context for the next job: no new dialog then.
        if (row.source == 1 && vu_PrintRequest.hDC == nullptr) { ASSERT_TRUE(ConfirmPrintDialog(row.choice)); }
        SendMessageA(editor_, EM_SETSEL, row.start, static_cast<LPARAM>(row.end));
        int result = -1;
        const Printed printed = Print(10, 10, 10, 10, 100, row.source, &result);
        EXPECT_EQ(result, row.result);
        EXPECT_EQ(printed.page_lines.size(), row.lines.empty() ? 0u : 1u);
        if (!row.lines.empty() && !printed.page_lines.empty()) { EXPECT_EQ(printed.page_lines[0], row.lines); }
        if (row.source == 1) { EXPECT_EQ(GetObjectType(vu_PrintRequest.hDC), row.result == 2 ? DWORD(OBJ_DC) : 0u); }
    }
}

TEST_F(WordProcPrint, NoTextOrNoPrinterPrintsNothing)
{
    int result = -1;
    vu_WordProcSetText(editor_, "");
    EXPECT_FALSE(Print(10, 10, 10, 10, 100, 0, &result).found);
    EXPECT_EQ(result, 2);
    vu_WordProcSetText(editor_, "Rad 001");
    vu_PrintRequest.hDC = nullptr;  // no print dialog confirmed, and no source 2
    for (int source : {1, 2}) EXPECT_EQ(vu_WordProcPrint(editor_, 10, 10, 10, 10, "vu-none", 100, font_, source), 3);
    char kept[256] = {};
    GetProfileStringA("windows", "device", "", kept, sizeof kept);
    for (const char* entry : {"Ingenstans,wineps.drv", "Ingenstans,wineps.drv,CUPS:Ingenstans"}) {
        ASSERT_TRUE(WriteProfileStringA("windows", "device", entry));
        EXPECT_FALSE(Print(10, 10, 10, 10, 100, 0, &result).found) << entry;
        EXPECT_EQ(result, 3) << entry;
    }
    WriteProfileStringA("windows", "device", kept);
}

TEST_F(WordProcPrint, TinyPagesAndTextsBeyondTheBuffers)
{
    int result = -1;
    // No width for the layout: every character wraps, and the text still prints.
    vu_WordProcSetText(editor_, "ab");
    EXPECT_EQ(Print(10, 10, 400, 10, 100, 0, &result).pages, 1);
    EXPECT_EQ(result, 0);
    // More than 65,534 characters in 26 lines, the first of 3,000 characters: a layout far
    // wider than the page keeps each line whole; a line is printed up to 2,500 characters.
    // The heap checker's run, where the layout takes minutes, prints 8,000 characters.
    const int last = UnderHeapChecker() ? 3 : 26;
    std::string text;
    for (int i = 0; i < 300; ++i) text += "abcdefghi ";
    for (const std::string& line : LineList(2, last, 4)) text += "\r\n" + line + " " + std::string(2600, 'x');
    ASSERT_GT(text.size(), UnderHeapChecker() ? 8000u : 65534u);
    vu_WordProcSetText(editor_, text.c_str());
    const Printed printed = Print(10, 10, -100000, 10, 20, 0, &result);
    EXPECT_EQ(result, 0);
    ASSERT_EQ(printed.page_lines.size(), 1u);
    ASSERT_EQ(printed.page_lines[0].size(), size_t(last));
    EXPECT_EQ(printed.page_lines[0].back().substr(0, 8), LineList(last, last, 4)[0]);
    int words = 0;
    for (const print_pdf::Word& word : printed.words) words += word.text == "abcdefghi";
    EXPECT_GT(words, 0);
    EXPECT_LE(words, 250);
}

TEST(WordProcPrintEntry, SplitsDeviceDriverAndPort)
{
    struct Row { const char* entry; bool ok; const char *device, *driver, *port; } rows[] = {
        {"Kontorets skrivare,wineps.drv,CUPS:kontor", true, "Kontorets skrivare", "wineps.drv", "CUPS:kontor"},
        {"A,drv port,LPT2:", true, "A", "drv", "port"}, {",,,", false, "", "", ""}, {"A,drv", false, "", "", ""}, {nullptr, false, "", "", ""}};
    for (const Row& row : rows) {
        vu::wordproc::PrinterNames names;
        ASSERT_EQ(vu::wordproc::SplitPrinterEntry(row.entry, &names), row.ok) << (row.entry ? row.entry : "null");
        if (row.ok) { EXPECT_EQ(names.device + "|" + names.driver + "|" + names.port, std::string(row.device) + "|" + row.driver + "|" + row.port); }
    }
}

}  // namespace
