// The print dialog: owned by the given window's owner, offering the default printer, its
// answer in vu_PrintRequest, and a page printed on the device context it hands back
// arriving as a PDF file of the test harness's PDF printer.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "std_dialog_driver.h"
#include "vu_test.h"

#include <commdlg.h>

namespace {

using std_dialog::Click;
using std_dialog::Driver;
using std_dialog::ItemText;
using std_dialog::Text;

// Controls of the platform's print dialog.
constexpr int kPrinterName = 0x473, kCopies = 0x482, kPrintToFile = 0x410;

struct Windows {
    HWND top = nullptr;
    HWND child = nullptr;
};

// A top-level window and a button in it: the button's owner (its parent) owns the dialog.
Windows Make()
{
    Windows w;
    const std::string title = vu_test::UniqueTitle("Utskrift");
    w.top = vu_WindowCreate(GetModuleHandleA(nullptr), title.c_str(), 30, 30, 300, 200, "CLO");
    w.child = vu_Button(w.top, 10, 10, 80, 24, "Skriv ut", "C", "NORMAL", 300);
    return w;
}

std::string Environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The Windows path of a Unix folder (Wine's drive Z: is the Unix root).
std::string FromUnix(const std::string& path)
{
    std::string windows = "Z:" + path;
    for (char& c : windows)
        if (c == '/') c = '\\';
    return windows + "\\";
}

// The device name in a DEVNAMES block.
std::string DeviceName(HGLOBAL names)
{
    const DEVNAMES* block = static_cast<const DEVNAMES*>(GlobalLock(names));
    if (block == nullptr) return "";
    const std::string name = reinterpret_cast<const char*>(block) + block->wDeviceOffset;
    GlobalUnlock(names);
    return name;
}

// Page objects of a PDF file: "/Type /Page" (with or without the blank), not "/Pages".
int CountPages(const std::string& pdf)
{
    int pages = 0;
    for (const char* key : {"/Type/Page", "/Type /Page"}) {
        const std::string k = key;
        for (size_t at = pdf.find(k); at != std::string::npos; at = pdf.find(k, at + 1))
            if (at + k.size() >= pdf.size() || pdf[at + k.size()] != 's') ++pages;
    }
    return pages;
}

TEST(PrintDialog, CancelAnswersZero)
{
    Windows w = Make();
    std::string title;
    HWND owner = nullptr;
    Driver driver(w.top, [&](HWND dialog) {
        title = Text(dialog);
        owner = GetWindow(dialog, GW_OWNER);
        Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(vu_PrintDialog(w.child), 0);
    ASSERT_TRUE(driver.Join());
    EXPECT_EQ(title, "Print");
    EXPECT_EQ(owner, w.top);
    EXPECT_EQ(vu_PrintRequest.hDC, nullptr);
    DestroyWindow(w.top);
}

TEST(PrintDialog, OffersTheDefaultPrinterAndItsDeviceContextPrints)
{
    const std::string printer = Environment("VU_PRINTER");
    const std::string pdf_dir = Environment("VU_PDF_DIR");
    if (printer.empty() || pdf_dir.empty()) GTEST_SKIP() << "no PDF printer in this run";

    Windows w = Make();
    std::string name, copies;
    bool to_file_shown = true;
    Driver driver(w.top, [&](HWND dialog) {
        name = ItemText(dialog, kPrinterName);
        copies = ItemText(dialog, kCopies);
        to_file_shown = IsWindowVisible(GetDlgItem(dialog, kPrintToFile)) != 0;
        Click(dialog, IDOK);
    });
    ASSERT_EQ(vu_PrintDialog(w.child), 1);
    ASSERT_TRUE(driver.Join());
    EXPECT_EQ(name, printer);
    EXPECT_EQ(copies, "1");
    EXPECT_FALSE(to_file_shown);
    EXPECT_EQ(vu_PrintRequest.lStructSize, 66u);
    EXPECT_EQ(vu_PrintRequest.hwndOwner, w.top);
    EXPECT_EQ(vu_PrintRequest.nCopies, 1);
    EXPECT_TRUE(vu_PrintRequest.Flags & PD_RETURNDC);
    EXPECT_EQ(DeviceName(vu_PrintRequest.hDevNames), printer);
    HDC dc = vu_PrintRequest.hDC;
    ASSERT_NE(dc, nullptr);
    // The harness's queue: A4 at 300 dots per inch.
    EXPECT_EQ(GetDeviceCaps(dc, TECHNOLOGY), DT_RASPRINTER);
    EXPECT_EQ(GetDeviceCaps(dc, HORZRES), 2479);
    EXPECT_EQ(GetDeviceCaps(dc, VERTRES), 3508);

    // One page with one line, printed under a name of this run.
    char document[64];
    std::snprintf(document, sizeof document, "vu-print-%lu-%lu", GetCurrentProcessId(),
                  GetTickCount());
    DOCINFOA info = {};
    info.cbSize = sizeof info;
    info.lpszDocName = document;
    ASSERT_GT(StartDocA(dc, &info), 0);
    ASSERT_GT(StartPage(dc), 0);
    const char line[] = "Hej skrivare";
    EXPECT_TRUE(TextOutA(dc, 300, 300, line, sizeof line - 1));
    EXPECT_GT(EndPage(dc), 0);
    EXPECT_GT(EndDoc(dc), 0);
    DeleteDC(dc);
    vu_PrintRequest.hDC = nullptr;

    // The file appears while the queue still writes it: wait for its end mark.
    const std::string folder = FromUnix(pdf_dir);
    std::string file, pdf;
    vu_test::WaitFor(
        [&] {
            WIN32_FIND_DATAA found;
            HANDLE search = FindFirstFileA((folder + "*" + document + "*.pdf").c_str(), &found);
            if (search == INVALID_HANDLE_VALUE) return false;
            FindClose(search);
            file = folder + found.cFileName;
            return vu_test::ReadFileBytes(file, &pdf) && pdf.find("%%EOF") != std::string::npos;
        },
        30000);
    ASSERT_FALSE(file.empty()) << "no PDF named after " << document << " in " << folder;
    ASSERT_NE(pdf.find("%%EOF"), std::string::npos) << file << " was not finished";
    EXPECT_EQ(pdf.compare(0, 5, "%PDF-"), 0);
    EXPECT_NE(pdf.find(std::string("/Title(") + document + ")"), std::string::npos);
    EXPECT_EQ(CountPages(pdf), 1);
    DeleteFileA(file.c_str());
    DestroyWindow(w.top);
}

}  // namespace
