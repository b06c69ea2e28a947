// Vindrulen's main window made in this process with the real MainWindowProc: what WM_CREATE
// builds, which commands WM_COMMAND selects, row stepping, typed text in the row field,
// saving a row, and the destination composed after folder choices.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>
#include <thread>

#include "main_window.h"
#include "rows.h"
#include "vindrulen_driver.h"
#include "vu_test.h"

namespace {

// The main window of this process; a class can be registered once per process, so every
// test shares it and puts it back into a known state.
HWND g_main = nullptr;

class MainWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (!g_main)
            g_main = vu_WindowCreate(GetModuleHandleA(nullptr), "Vindrulen", 0, 0, 146, 26,
                                     "TOOLWIN_CLO");
    }
    void SetUp() override
    {
        ASSERT_NE(g_main, nullptr);
        driver::RemoveIni();
        CurrentRow = 1;
        vu_SpinSetText(RowField, "1");
        SendMessageA(RowField, EM_SETMODIFY, FALSE, 0);
        vu_EditSetText(FromField, "");
        vu_EditSetText(ToField, "");
    }
    void TearDown() override { DeleteFileA(driver::IniPath().c_str()); }

    static void Scroll(int code)
    {
        EXPECT_EQ(SendMessageA(g_main, WM_VSCROLL, code, reinterpret_cast<LPARAM>(RowField)), 0);
    }
    static void ExpectSections()
    {
        EXPECT_STREQ(RowSection[0], "");
        for (int row = 1; row <= 9; ++row) {
            const char digit[2] = {static_cast<char>('0' + row), '\0'};
            EXPECT_STREQ(RowSection[row], digit) << "row " << row;
        }
    }
};

struct Expected {
    int x, y, width, height;
    const char* cls;
    const char* text;
    int id;
};

TEST_F(MainWindow, CreatesTheButtonsAndFieldsInTheirPlaces)
{
    const Expected controls[] = {
        {0, 0, 100, 25, "Button", "Kopiera", 100},
        {101, 0, 40, 25, "Button", "Config", 101},
        {180, 0, 125, 25, "Button", "Beredskapsl\xE4ge", 102},
        {10, 60, 40, 22, "Edit", "1", 1},
        {10, 120, 245, 20, "Edit", "", 1},
        {255, 120, 50, 20, "Button", "S\xF6k...", 103},
        {10, 180, 245, 20, "Edit", "", 1},
        {255, 180, 50, 20, "Button", "S\xF6k...", 104},
        {215, 230, 90, 25, "Button", "Spara s\xF6kv\xE4gar", 105},
    };
    // In creation order, which is also the order of the tab stops.
    std::vector<HWND> children = driver::Children(g_main);
    ASSERT_EQ(children.size(), sizeof controls / sizeof controls[0]);
    for (size_t i = 0; i < children.size(); ++i) {
        const Expected& e = controls[i];
        HWND w = children[i];
        const RECT r = driver::ClientRectOf(w);
        EXPECT_EQ(r.left, e.x) << e.text;
        EXPECT_EQ(r.top, e.y) << e.text;
        EXPECT_EQ(r.right - r.left, e.width) << e.text;
        EXPECT_EQ(r.bottom - r.top, e.height) << e.text;
        EXPECT_EQ(driver::ClassOf(w), e.cls);
        EXPECT_EQ(driver::TextOf(w), e.text);
        EXPECT_EQ(GetDlgCtrlID(w), e.id) << e.text;
    }
    EXPECT_EQ(children[3], RowField);
    EXPECT_EQ(children[4], FromField);
    EXPECT_EQ(children[6], ToField);
    const LONG style = GetWindowLongA(RowField, GWL_STYLE);
    EXPECT_TRUE(style & WS_VSCROLL);
    EXPECT_EQ(style & ES_CENTER, ES_CENTER);
    EXPECT_EQ(SendMessageA(RowField, EM_GETLIMITTEXT, 0, 0), 1);
    EXPECT_EQ(SendMessageA(FromField, EM_GETLIMITTEXT, 0, 0), 1000);
    EXPECT_EQ(SendMessageA(ToField, EM_GETLIMITTEXT, 0, 0), 1000);
    EXPECT_EQ(GetWindowLongA(FromField, GWL_STYLE) & (ES_CENTER | ES_RIGHT), 0);
}

void ExpectFont(HFONT font, int height, int width)
{
    ASSERT_NE(font, nullptr);
    LOGFONTA lf = {};
    ASSERT_EQ(GetObjectA(font, sizeof lf, &lf), static_cast<int>(sizeof lf));
    EXPECT_EQ(lf.lfHeight, height);
    if (width >= 0) {
        EXPECT_EQ(lf.lfWidth, width);
    }
    EXPECT_EQ(lf.lfWeight, 300);
    EXPECT_FALSE(lf.lfItalic || lf.lfUnderline || lf.lfStrikeOut);
    EXPECT_EQ(lstrcmpiA(lf.lfFaceName, "ARIAL"), 0);
}

TEST_F(MainWindow, MakesThreeArialFontsAndGivesThePathFieldsTheTenPointOne)
{
    ExpectFont(LabelFont, 16, 6);
    ExpectFont(NoteFont, 12, 4);
    HDC dc = GetDC(g_main);
    const int ten_points = -MulDiv(10, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(g_main, dc);
    ExpectFont(FieldFont, ten_points, -1);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(FromField, WM_GETFONT, 0, 0)), FieldFont);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(ToField, WM_GETFONT, 0, 0)), FieldFont);
    ExpectSections();
}

TEST_F(MainWindow, OnlyTheSixIdsWithoutNotificationSelectACommand)
{
    RECT before = {};
    GetWindowRect(g_main, &before);
    // 101 with a notification code, 99 and 106 change nothing: the window keeps its form.
    for (WPARAM w : {MAKEWPARAM(101, 1), MAKEWPARAM(101, BN_CLICKED + 5), WPARAM(99),
                     WPARAM(106), WPARAM(101 + 0x10000)}) {
        EXPECT_EQ(SendMessageA(g_main, WM_COMMAND, w, 0), 0);
        RECT r = {};
        GetWindowRect(g_main, &r);
        EXPECT_TRUE(EqualRect(&r, &before)) << std::hex << w;
    }
    // 105 with a notification code saves nothing either.
    vu_EditSetText(FromField, "C:\\x.txt");
    SendMessageA(g_main, WM_COMMAND, MAKEWPARAM(105, 3), 0);
    EXPECT_FALSE(vu_test::FileExists(driver::IniPath()));
    EXPECT_EQ(SendMessageA(g_main, WM_COMMAND, 105, 0), 0);
    EXPECT_EQ(driver::ReadIni()["1"]["From"], "C:\\x.txt");
    // The forms: "Config" gives 320 x 270 plus a caption, "Beredskapsläge" the corner.
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    SendMessageA(g_main, WM_COMMAND, 101, 0);
    RECT r = {};
    GetWindowRect(g_main, &r);
    EXPECT_EQ(r.right - r.left, 320);
    EXPECT_EQ(r.bottom - r.top, 270 + caption);
    SendMessageA(g_main, WM_COMMAND, 102, 0);
    GetWindowRect(g_main, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, 146);
    EXPECT_EQ(r.bottom - r.top, 26 + caption);
}

TEST_F(MainWindow, ArrowsStepTheRowAndLoadItsPaths)
{
    driver::WriteIni(
        "[1]\r\nFrom=C:\\a1\r\nTo=D:\\b1\r\n[2]\r\nFrom=C:\\a2\r\n"
        "[9]\r\nFrom=C:\\a9\r\nTo=D:\\b9\r\n[10]\r\nFrom=C:\\ten\r\nTo=D:\\ten\r\n"
        "[0]\r\nFrom=C:\\zero\r\n");
    Scroll(SB_LINEDOWN);
    EXPECT_EQ(CurrentRow, 2);
    EXPECT_EQ(driver::TextOf(RowField), "1");  // one row behind while the arrow is held
    EXPECT_EQ(driver::TextOf(FromField), "C:\\a2");
    EXPECT_EQ(driver::TextOf(ToField), "");  // From present, To absent
    Scroll(SB_ENDSCROLL);
    EXPECT_EQ(CurrentRow, 2);
    EXPECT_EQ(driver::TextOf(RowField), "2");
    EXPECT_EQ(driver::TextOf(FromField), "C:\\a2");

    // Beyond the top: row 0 has no data (its section name is empty, never "0").
    CurrentRow = 1;
    Scroll(SB_LINEUP);
    EXPECT_EQ(CurrentRow, 0);
    EXPECT_EQ(driver::TextOf(FromField), "");
    Scroll(SB_LINEUP);  // held: the row is clamped first, so it stays one beyond
    EXPECT_EQ(CurrentRow, 0);
    Scroll(SB_ENDSCROLL);
    EXPECT_EQ(CurrentRow, 1);
    EXPECT_EQ(driver::TextOf(RowField), "1");
    EXPECT_EQ(driver::TextOf(FromField), "C:\\a1");
    EXPECT_EQ(driver::TextOf(ToField), "D:\\b1");

    // Beyond the bottom: row 10 reads as no data; the file's section "10" is not consulted.
    CurrentRow = 9;
    Scroll(SB_LINEDOWN);
    EXPECT_EQ(CurrentRow, 10);
    EXPECT_EQ(driver::TextOf(FromField), "");
    EXPECT_EQ(driver::TextOf(ToField), "");
    Scroll(SB_ENDSCROLL);
    EXPECT_EQ(CurrentRow, 9);
    EXPECT_EQ(driver::TextOf(RowField), "9");
    EXPECT_EQ(driver::TextOf(FromField), "C:\\a9");

    // Another scroll bar steps nothing but the current row is loaded again.
    vu_EditSetText(FromField, "edited");
    EXPECT_EQ(SendMessageA(g_main, WM_VSCROLL, SB_LINEDOWN, 0), 0);
    EXPECT_EQ(CurrentRow, 9);
    EXPECT_EQ(driver::TextOf(FromField), "C:\\a9");
    ExpectSections();
}

TEST_F(MainWindow, TypedCharactersNeverChangeSectionNamesOrLeaveTheRows)
{
    driver::WriteIni("[3]\r\nFrom=C:\\a3\r\n[1]\r\nFrom=C:\\a1\r\n[9]\r\nFrom=C:\\a9\r\n");
    const int codes[] = {SB_LINEDOWN, SB_LINEUP, SB_ENDSCROLL};
    for (char typed : std::string("5x")) {
        for (int start : {1, 5, 9}) {
            for (int code : codes) {
                CurrentRow = start;
                // A character typed into the row field as a user types it.
                SendMessageA(RowField, EM_SETSEL, 0, -1);
                SendMessageA(RowField, WM_CHAR, static_cast<unsigned char>(typed), 1);
                ASSERT_TRUE(SendMessageA(RowField, EM_GETMODIFY, 0, 0));
                Scroll(code);
                Scroll(SB_ENDSCROLL);
                EXPECT_GE(CurrentRow, 1);
                EXPECT_LE(CurrentRow, 9);
                int expected = start;
                if (code == SB_LINEDOWN) expected = start < 9 ? start + 1 : 9;
                if (code == SB_LINEUP) expected = start > 1 ? start - 1 : 1;
                EXPECT_EQ(CurrentRow, expected) << typed << " " << start << " " << code;
                const char digit[2] = {static_cast<char>('0' + CurrentRow), '\0'};
                EXPECT_EQ(driver::TextOf(RowField), digit);
            }
        }
    }
    ExpectSections();
    // The names still find the rows in the file.
    CurrentRow = 3;
    Scroll(SB_ENDSCROLL);
    EXPECT_EQ(driver::TextOf(FromField), "C:\\a3");
}

TEST_F(MainWindow, SavesTheFieldsCutTo999Characters)
{
    const std::string long_path = "C:\\" + std::string(997, 'p');  // 1000 characters
    vu_EditSetText(FromField, long_path.c_str());
    vu_EditSetText(ToField, "");
    CurrentRow = 4;
    SendMessageA(g_main, WM_COMMAND, 105, 0);
    driver::Ini ini = driver::ReadIni();
    EXPECT_EQ(ini["4"]["From"], long_path.substr(0, 999));
    ASSERT_EQ(ini["4"].count("To"), 1u);
    EXPECT_EQ(ini["4"]["To"], "");
    EXPECT_EQ(driver::TextOf(FromField), long_path);  // the field keeps its text
    EXPECT_EQ(ini.size(), 1u);
}

// Cancels the next dialog of this process that appears, from another thread (the modal
// loop runs in the test's own thread).
class DialogCanceller {
public:
    DialogCanceller()
        : thread_([this] {
              const DWORD start = GetTickCount();
              while (!stop_ && GetTickCount() - start < 10000) {
                  std::vector<HWND> d = driver::Dialogs(GetCurrentProcessId(), g_main);
                  if (!d.empty()) {
                      PostMessageA(d.front(), WM_COMMAND, IDCANCEL, 0);
                      ++cancelled_;
                      return;
                  }
                  Sleep(10);
              }
          })
    {
    }
    ~DialogCanceller()
    {
        stop_ = true;
        thread_.join();
    }
    int Cancelled() const { return cancelled_; }

private:
    std::atomic<bool> stop_{false};
    std::atomic<int> cancelled_{0};
    std::thread thread_;
};

void RunWithCancel(int command)
{
    int cancelled = 0;
    {
        DialogCanceller canceller;
        EXPECT_EQ(SendMessageA(g_main, WM_COMMAND, command, 0), 0);
        cancelled = canceller.Cancelled();
    }
    EXPECT_EQ(cancelled, 1);
}

size_t BoundedLength(const char* text, size_t size)
{
    const void* end = std::memchr(text, '\0', size);
    return end ? static_cast<const char*>(end) - text : size;
}

TEST_F(MainWindow, CancelledFolderChoicesNeverOverrunThePathBuffer)
{
    const std::string folder = "C:\\" + std::string(239, 'f');  // 242 characters
    std::strcpy(vu_OpenPath, folder.c_str());
    std::strcpy(vu_OpenName, "name.txt");
    vu_EditSetText(ToField, "before");
    // The first cancelled choice appends separator and name: 251 characters fit.
    RunWithCancel(104);
    const std::string once = folder + "\\name.txt";
    EXPECT_EQ(std::string(vu_OpenPath), once);
    EXPECT_EQ(driver::TextOf(ToField), once);
    // The next ones would need 260 and more: nothing is appended, the field stays.
    for (int i = 0; i < 3; ++i) {
        RunWithCancel(104);
        EXPECT_EQ(BoundedLength(vu_OpenPath, MAX_PATH), once.size());
        EXPECT_EQ(driver::TextOf(ToField), once);
        EXPECT_STREQ(vu_OpenName, "name.txt");
    }
    // Exactly 259 characters fit.
    const std::string exact = "C:\\" + std::string(247, 'g');  // 250 + 1 + 8 = 259
    std::strcpy(vu_OpenPath, exact.c_str());
    RunWithCancel(104);
    EXPECT_EQ(std::string(vu_OpenPath), exact + "\\name.txt");
    EXPECT_EQ(driver::TextOf(ToField).size(), 259u);
    // A path buffer without a terminator is cut inside its size and nothing is appended.
    std::memset(vu_OpenPath, 'h', MAX_PATH);
    RunWithCancel(104);
    EXPECT_EQ(BoundedLength(vu_OpenPath, MAX_PATH), static_cast<size_t>(MAX_PATH - 1));
    EXPECT_EQ(driver::TextOf(ToField).size(), 259u);
    EXPECT_STREQ(vu_OpenName, "name.txt");
}

TEST_F(MainWindow, DriveRootGetsNoSeparatorAndACancelledFileChoiceKeepsThePath)
{
    std::strcpy(vu_OpenPath, "D:\\");
    std::strcpy(vu_OpenName, "report.txt");
    RunWithCancel(104);
    EXPECT_EQ(driver::TextOf(ToField), "D:\\report.txt");
    // A cancelled file choice puts the path buffer's content into From and empties To.
    std::strcpy(vu_OpenPath, "C:\\A\\B\\report.txt");
    RunWithCancel(103);
    EXPECT_EQ(driver::TextOf(FromField), "C:\\A\\B\\report.txt");
    EXPECT_EQ(driver::TextOf(ToField), "");
}

}  // namespace
