// vindrulen.exe as a user meets it, started as its own process: the corner window, the
// program file's icon and the exit code after Alt+F4; "Kopiera" clicked, with the messages
// after failed copies and the destinations read back byte for byte (also onto a drive that
// fills up, VU_SMALL_DRIVE); the keypad with Num Lock on; both choosers completed for real.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app_test.h"
#include "dialog_driver.h"
#include "input.h"
#include "program.h"

namespace {

using app_test::WriteIni;
using vu_test::TextOf;

struct Vindrulen : vu_test::Program {
    Vindrulen() : Program("vindrulen.exe", "Vindrulen") {}
    HWND At(int x, int y) const { return vu_test::ChildAt(Main(), x, y); }
    // The texts of the next message box of the main window, "caption|text", once closed.
    std::string Answer() const
    {
        HWND box = Dialog(Main(), 10000);
        if (box == nullptr) return "<none>";
        const std::string seen = TextOf(box) + "|" + vu_test::ItemText(box, 0xFFFF);
        vu_test::ClickItem(box, IDOK);
        vu_test::WaitFor([&] { return !IsWindow(box); });
        return seen;
    }
    bool NoDialog() const { return Idle() && vu_test::TopWindows("#32770", Pid()).empty(); }
};

const char kNoRow[] = "ini-fel|Finns inga uppgifter i ini-filen";

TEST(Vindrulen, StartsInTheCornerCarriesItsIconAndEndsWithZero)
{
    Vindrulen program;
    HWND main = program.Main();
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(vu_test::ClassOf(main), "Vindrulen");
    EXPECT_EQ(vu_test::StyleOf(main) & ~(WS_CAPTION | WS_CLIPSIBLINGS | WS_VISIBLE), DWORD(WS_SYSMENU));
    EXPECT_EQ(vu_test::ExStyleOf(main) & ~WS_EX_WINDOWEDGE, DWORD(WS_EX_TOOLWINDOW));
    const RECT r = vu_test::RectInParent(main);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 146);
    EXPECT_EQ(r.bottom, 26 + GetSystemMetrics(SM_CYCAPTION));
    // The icon group in the program file: one 32 x 32 image of 16 colours, Swedish.
    HMODULE exe = LoadLibraryExA((vu_test::ProgramDir() + "vindrulen.exe").c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    HRSRC group = FindResourceExA(exe, RT_GROUP_ICON, "COPY_ICON",
                                  MAKELANGID(LANG_SWEDISH, SUBLANG_SWEDISH));
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(SizeofResource(exe, group), 20u);  // the header and one entry
    const BYTE* dir = static_cast<const BYTE*>(LockResource(LoadResource(exe, group)));
    EXPECT_EQ(std::vector<BYTE>(dir, dir + 9), (std::vector<BYTE>{0, 0, 1, 0, 1, 0, 32, 32, 16}));
    FreeLibrary(exe);
    ASSERT_TRUE(vu_test::Foreground(main));
    vu_test::Chord(VK_MENU, VK_F4);
    EXPECT_EQ(program.ExitCode(), 0);
}

// Runs of "Kopiera" in one program: the settings file is read anew by every run.
TEST(Vindrulen, CopyRunsNameTheFailedRowsAndStopAtTheFirstEmptySource)
{
    const std::string dir = vu_test::NewTempDir();
    auto from = [&](int row) { return dir + "k\xE4lla" + std::to_string(row); };
    auto to = [&](int row) { return dir + "m\xE5l" + std::to_string(row); };
    auto bytes = [](int row) { return std::string("rad\0\xE4", 5) + std::string(100 * row, 'a'); };
    for (int row = 1; row <= 9; ++row) ASSERT_TRUE(vu_test::WriteFileBytes(from(row), bytes(row)));
    const struct {
        const char* name;
        int rows;          // rows 1..rows saved
        int empty_from;    // a row saved without a source
        int missing;       // a row whose source is missing
        int no_to;         // a row without a destination
        std::vector<std::string> boxes;
    } runs[] = {
        {"no settings file", 0, 0, 0, 0, {kNoRow}},
        {"nine rows", 9, 0, 0, 0, {}},
        {"row 3 without a source", 9, 3, 0, 0, {kNoRow}},
        {"rows 2 and 4 fail", 5, 0, 2, 4, {"kopieringsfel|Kunde inte kopiera rad 2, 4", kNoRow}},
        {"row 9 fails", 9, 0, 9, 0, {"kopieringsfel|Kunde inte kopiera rad 9"}},
    };
    Vindrulen program;
    ASSERT_NE(program.Main(), nullptr);
    bool clicked = false;
    for (const auto& run : runs) {
        SCOPED_TRACE(run.name);
        std::string ini;
        for (int row = 1; row <= 9; ++row) {
            DeleteFileA(to(row).c_str());
            if (row > run.rows) continue;
            ini += "[" + std::to_string(row) + "]\r\nFrom=" +
                   (row == run.empty_from ? "" : row == run.missing ? dir + "saknas" : from(row)) +
                   "\r\nTo=" + (row == run.no_to ? "" : to(row)) + "\r\n";
        }
        WriteIni(ini);
        ASSERT_TRUE(vu_test::WriteFileBytes(to(1), std::string(5000, 'x')));  // replaced
        if (!clicked) {
            vu_test::Click(program.At(0, 0));  // the button as a user clicks it
            clicked = true;
        } else {
            PostMessageA(program.Main(), WM_COMMAND, 100, 0);
        }
        for (const std::string& box : run.boxes) EXPECT_EQ(program.Answer(), box);
        EXPECT_TRUE(program.NoDialog());
        const int last = run.empty_from ? run.empty_from - 1 : run.rows;
        for (int row = 1; row <= 9; ++row) {
            std::string got;
            const bool copied = vu_test::ReadFileBytes(to(row), &got) && got == bytes(row);
            EXPECT_EQ(copied, row <= last && row != run.missing && row != run.no_to) << row;
        }
    }
    WriteIni("");
}

// A copy onto a drive that fills up fails; the earlier destination stays as it was.
TEST(Vindrulen, ACopyOntoAFullDriveIsReportedAndKeepsTheEarlierFile)
{
    const char* drive = std::getenv("VU_SMALL_DRIVE");
    if (drive == nullptr || vu_test::FileExists(std::string(drive) + "\\refused")) {
        std::printf("the small drive could not be mounted: the disk-full case did not run\n");
        GTEST_SKIP();
    }
    const std::string dir = vu_test::NewTempDir(), target = std::string(drive) + "\\kopia.bin";
    const std::string earlier(64 * 1024, 'e');
    ASSERT_TRUE(vu_test::WriteFileBytes(target, earlier));
    ASSERT_TRUE(vu_test::WriteFileBytes(dir + "stor.bin", std::string(400 * 1024, 's')));
    WriteIni("[1]\r\nFrom=" + dir + "stor.bin\r\nTo=" + target + "\r\n");
    Vindrulen program;
    ASSERT_NE(program.Main(), nullptr);
    vu_test::Click(program.At(0, 0));
    EXPECT_EQ(program.Answer(), "kopieringsfel|Kunde inte kopiera rad 1");
    EXPECT_EQ(program.Answer(), kNoRow);
    std::string kept;
    EXPECT_TRUE(vu_test::ReadFileBytes(target, &kept));
    EXPECT_TRUE(kept == earlier) << kept.size() << " bytes";
    DeleteFileA(target.c_str());
    WriteIni("");
}

// The keypad's 4 to 9 typed into a path field run the six commands; with Num Lock on the
// key also types its digit into the field first.
TEST(Vindrulen, KeypadKeysRunTheCommandsWithNumLockOn)
{
    WriteIni("");
    Vindrulen program;
    HWND main = program.Main(), from = program.At(10, 120);
    ASSERT_NE(from, nullptr);
    const DWORD thread = GetWindowThreadProcessId(main, nullptr);
    ASSERT_TRUE(AttachThreadInput(GetCurrentThreadId(), thread, TRUE));  // to read its key state
    ASSERT_TRUE(vu_test::Focus(main, from));
    auto num_lock = [] { return (GetKeyState(VK_NUMLOCK) & 1) != 0; };
    const bool was_on = num_lock();
    if (!was_on) vu_test::Press(VK_NUMLOCK);
    ASSERT_TRUE(vu_test::WaitFor(num_lock, 3000));
    const struct {
        int digit;
        std::string box;  // the dialog that opens ("#32770": any), or none
        int width;        // the window's width afterwards
    } keys[] = {
        {5, "", 320},
        {9, "", 320},
        {7, "Kopiera fr\xE5n fil..", 320},
        {8, "#32770", 320},
        {4, "kopieringsfel", 320},
        {6, "", 146},
    };
    for (const auto& key : keys) {
        SCOPED_TRACE(key.digit);
        ASSERT_TRUE(vu_test::Focus(main, from));
        vu_test::Press(static_cast<WORD>(VK_NUMPAD0 + key.digit));
        if (!key.box.empty()) {
            HWND dialog = program.Dialog(main);
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(key.box == "#32770" ? key.box : TextOf(dialog), key.box);
            vu_test::ClickItem(dialog, key.digit == 4 ? IDOK : IDCANCEL);
            vu_test::WaitFor([&] { return !IsWindow(dialog); });
            EXPECT_EQ(key.digit == 4 ? program.Answer() : kNoRow, kNoRow);
        }
        EXPECT_TRUE(program.NoDialog());
        EXPECT_TRUE(vu_test::WaitFor([&] {
            const RECT r = vu_test::RectInParent(main);
            return r.right - r.left == key.width;
        }));
    }
    // 9 saved the digit the key had typed.
    EXPECT_EQ(app_test::IniValue("1", "From"), "9");
    if (!was_on) vu_test::Press(VK_NUMLOCK);
    vu_test::WaitFor([&] { return num_lock() == was_on; }, 3000);
    AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
    WriteIni("");
}

// Both "Sök..." commands and their choosers completed: what the fields show after a
// choice, a cancel, a multiple selection and a folder too long for the path.
TEST(Vindrulen, ChoosersFillTheFieldsOrChangeNothing)
{
    const std::string dir = vu_test::NewTempDir(), name = std::string(200, 'n') + ".txt";
    ASSERT_TRUE(vu_test::WriteFileBytes(dir + name, "k\xE4lla"));
    ASSERT_TRUE(vu_test::WriteFileBytes(dir + "andra.txt", "andra"));
    const std::string deep = dir + std::string(40, 'd');  // with the name: over 259
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    const std::string folder = dir.substr(0, dir.size() - 1);
    const struct {
        const char* name;
        int y;              // 120 the source's button, 180 the destination's
        std::string value;  // typed file name or selected folder; empty: cancel
        std::string box, from, to;
    } steps[] = {
        {"file", 120, dir + name, "", dir + name, ""},
        {"two files", 120, "\"" + name + "\" \"andra.txt\"", "s\xF6kv\xE4gsfel|V\xE4lj en enda fil",
         dir + name, ""},
        {"folder", 180, folder, "", dir + name, dir + name},
        {"folder too long", 180, deep, "s\xF6kv\xE4gsfel|S\xF6kv\xE4gen blir f\xF6r l\xE5ng: h\xF6gst 259 tecken",
         dir + name, dir + name},
        {"folder cancelled", 180, "", "", dir + name, dir + name},
        {"drive root", 180, "C:\\", "", dir + name, "C:\\" + name},
        {"file cancelled", 120, "", "", dir + name, "C:\\" + name},
    };
    Vindrulen program;
    ASSERT_NE(program.Main(), nullptr);
    PostMessageA(program.Main(), WM_COMMAND, 101, 0);
    ASSERT_TRUE(program.Idle());
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        PostMessageA(program.Main(), WM_COMMAND, step.y == 120 ? 103 : 104, 0);
        HWND dialog = program.Dialog(program.Main());
        ASSERT_NE(dialog, nullptr);
        if (step.value.empty()) {
            vu_test::ClickItem(dialog, IDCANCEL);
        } else if (step.y == 120) {
            EXPECT_EQ(TextOf(dialog), "Kopiera fr\xE5n fil..");
            vu_test::SetItemText(dialog, 0x47C, step.value.c_str());
            vu_test::ClickItem(dialog, IDOK);
        } else {
            // The browser takes a path in the program's memory once its root is expanded; then
            // the selection is that folder, not the root.
            HWND tree = GetDlgItem(dialog, 0x3741);
            auto item = [&](WPARAM which) { return SendMessageA(tree, TVM_GETNEXTITEM, which, 0); };
            ASSERT_TRUE(vu_test::WaitFor([&] { return SendMessageA(tree, TVM_GETCOUNT, 0, 0) > 1; }));
            SendMessageA(dialog, WM_USER + 102, TRUE,
                         reinterpret_cast<LPARAM>(program.CopyInto(step.value)));
            ASSERT_TRUE(vu_test::WaitFor([&] { return item(TVGN_CARET) != 0 && item(TVGN_CARET) != item(TVGN_ROOT); }, 10000));
            vu_test::ClickItem(dialog, IDOK);
        }
        ASSERT_TRUE(vu_test::WaitFor([&] { return !IsWindow(dialog); }));
        EXPECT_EQ(step.box.empty() ? "" : program.Answer(), step.box);
        EXPECT_TRUE(program.NoDialog());
        EXPECT_EQ(TextOf(program.At(10, 120)), step.from);
        EXPECT_EQ(TextOf(program.At(10, 180)), step.to);
    }
}

}  // namespace
