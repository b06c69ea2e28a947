// The editor's printing to the run's PDF printer, each job read back; the caller's things left alone.
#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "controls/wordproc_print.h"
#include "dialog_driver.h"
#include "dialogs/font_record.h"

namespace {

using namespace vu_test;

using Lines = std::vector<std::string>;
using Pages = std::vector<Lines>;  // the non-empty lines of each page

// A shell script (a Unix program) waits up to 8 s for the job's whole PDF, writes its text and a marker.
Pages Read(const std::string& document)
{
    const std::string dir = std::getenv("VU_PDF_DIR"), stem = "Z:" + dir + "/" + document;
    WriteFileBytes(stem + ".sh", "d='" + dir + "'; n='" + document + "'\n" +
        "for i in $(seq 160); do f=$(ls \"$d\"/*\"$n\"*.pdf 2>/dev/null | head -n 1)\n"
        "  [ -n \"$f\" ] && tail -c 64 \"$f\" | grep -q EOF && break; f=''; sleep 0.05; done\n"
        "[ -n \"$f\" ] && pdftotext \"$f\" \"$d/$n.txt\"; rm -f \"$f\"; touch \"$d/$n.done\"\n");
    Pages pages;
    Lines lines;
    std::string text, line;
    if (WinExec(("/bin/sh \"" + dir + "/" + document + ".sh\"").c_str(), SW_HIDE) < 32 ||
        !WaitFor([&] { return FileExists(stem + ".done"); }, 10000) || !ReadFileBytes(stem + ".txt", &text))
        return pages;
    for (char c : text) {  // lines end with LF, pages with FF
        if (c != '\n' && c != '\f' && c != '\r') line += c;
        if ((c == '\n' || c == '\f') && !line.empty()) lines.push_back(line), line.clear();
        if (c == '\f') pages.push_back(lines), lines.clear();
    }
    return pages;
}

Lines Numbered(int first, int last, size_t width = 3)
{
    Lines lines;
    for (std::string n; first <= last; lines.push_back("Rad " + std::string(width - n.size(), '0') + n))
        n = std::to_string(first++);
    return lines;
}
std::string Joined(int first, int last, std::string text = "")
{
    for (const std::string& line : Numbered(first, last)) text += (text.empty() ? "" : "\r\n") + line;
    return text;
}

class WordProcPrint : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!std::getenv("VU_PDF_DIR")) GTEST_SKIP() << "no PDF printer in this run";
        lstrcpynA(vu::font_record.lfFaceName, "Liberation Mono", LF_FACESIZE);  // printer face
    }
    void TearDown() override { DeleteObject(font_); }
    Pages Print(int right, int bottom, int percentage, int source = 0)
    {
        static int jobs = 100;  // three digits: no job's name starts another's
        const std::string name = "vu-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++jobs);
        result_ = vu_WordProcPrint(editor_, 10, 10, right, bottom, name.c_str(), percentage, font_, source);
        EXPECT_EQ(GetObjectType(font_), DWORD(OBJ_FONT));
        return result_ == 0 ? Read(name) : Pages();
    }
    Window parent_{"Utskrift", 400, 300};
    HWND editor_ = vu_WordProcSimple(parent_, 0, 0, 0, 0, "VHSCROLL", 0);
    HFONT font_ = CreateFontA(16, 7, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0,
                              FIXED_PITCH | FF_MODERN, "Liberation Mono");
    int result_ = -1;
};

TEST_F(WordProcPrint, PagesLongTextsSelectionCopiesCollationAndTheDialogsContext)
{
    // 16 x 7 x (F - 0.5), height x 0.94, F 3.7 at 100 % (6.8 at 200, 1.46 at 20): (3508 - 1100) / 48 = 50.
    struct Row { int percentage, bottom; std::vector<int> page_sizes; bool heap; } rows[] = {
        {100, 100, {50, 50, 20}, true}, {100, 150, {38, 38, 38, 6}, false},
        {200, 10, {36, 36, 36, 12}, false}, {20, 10, {120}, true}};
    vu_WordProcSetText(editor_, Joined(1, 120).c_str());
    for (const Row& row : rows) {
        if (UnderHeapChecker() && !row.heap) continue;
        const Pages pages = Print(10, row.bottom, row.percentage);
        ASSERT_EQ(pages.size(), row.page_sizes.size()) << row.percentage;
        for (int p = 0, first = 1; p < int(pages.size()); first += row.page_sizes[p++])
            EXPECT_EQ(pages[p], Numbered(first, first + row.page_sizes[p] - 1)) << p;
    }
    EXPECT_TRUE(Print(10, 10, 19).empty() && result_ == 1);
    // Over 65,534 characters (8,000 under the heap checker), lines of 2,600 kept whole, printed to 2,500.
    const int last = UnderHeapChecker() ? 3 : 26;
    std::string text;
    for (int i = 0; i < 300; ++i) text += "abcdefghi ";
    for (const std::string& line : Numbered(2, last, 4)) text += "\r\n" + line + " " + std::string(2600, 'x');
    vu_WordProcSetText(editor_, text.c_str());
    const Pages pages = Print(-100000, 10, 20);
    ASSERT_TRUE(text.size() > (UnderHeapChecker() ? 8000u : 65534u) && pages.size() == 1);
    ASSERT_EQ(pages[0].size(), size_t(last));
    EXPECT_EQ(pages[0].back().substr(0, 8), Numbered(last, last, 4)[0]);
    EXPECT_TRUE(pages[0][0].substr(0, 10) == "abcdefghi " && pages[0][0].size() <= 2500);
    // Lines 1, 2, 3 at characters 0, 9, 18 (to 25); an early return keeps the dialog's context.
    vu_WordProcSetText(editor_, Joined(1, 9).c_str());
    struct Job { const char* name; int source; bool selection; int copies; bool collate;
                 DWORD start, end; int result; const char* lines; } jobs[] = {
        {"printer, selection", 0, 0, 2, 0, 9, 25, 0, "23"}, {"caret", 0, 0, 1, 0, 30, 30, 0, "123456789"},
        {"dialog, none selected", 1, 1, 1, 0, 18, 18, 2, ""}, {"dialog", 1, 1, 1, 0, 18, 25, 0, "3"},
        {"dialog, all", 1, 0, 1, 0, 18, 25, 0, "123456789"}, {"copies", 1, 1, 2, 0, 0, 25, 0, "112233"},
        {"copies collated", 1, 1, 2, 1, 0, 25, 0, "123123"}};
    for (const Job& row : jobs) {
        SCOPED_TRACE(row.name);
        if (row.source == 1 && vu_PrintRequest.hDC == nullptr) {
            DialogDriver driver([&](HWND d) { if (row.selection) ClickItem(d, 0x421); ClickItem(d, IDOK); });
            ASSERT_TRUE(vu_PrintDialog(editor_) == 1 && driver.found() && !driver.gave_up());
        }
        vu_PrintRequest.nCopies = static_cast<WORD>(row.copies);
        vu_PrintRequest.Flags = (vu_PrintRequest.Flags & ~PD_COLLATE) | (row.collate ? PD_COLLATE : 0);
        SendMessageA(editor_, EM_SETSEL, row.start, static_cast<LPARAM>(row.end));
        std::string lines;
        for (const Lines& page : Print(10, 400, 100, row.source))  // one line a page
            for (const std::string& line : page) lines += line.substr(6);
        EXPECT_TRUE(result_ == row.result && lines == row.lines) << result_ << " " << lines;
        if (row.source == 1) { EXPECT_EQ(GetObjectType(vu_PrintRequest.hDC), row.result ? OBJ_DC : 0u); }
    }
    vu_PrintRequest.hDC = CreateCompatibleDC(nullptr);  // a device that refuses every job
    EXPECT_TRUE(Print(10, 400, 100, 1).empty() && result_ == 3) << result_;
}

}  // namespace
