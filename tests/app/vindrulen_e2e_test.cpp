// vindrulen.exe as a user meets it: its own process, real input, a drive that fills up (VU_SMALL_DRIVE).
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

using vu_test::TextOf;

const char kNoRow[] = "ini-fel|Finns inga uppgifter i ini-filen";

// Starts in the corner with its class, styles and icon; "Kopiera" (clicked the first time)
// names the failed rows and stops at the first row without a source; the last run fills the
// small drive (without it: a missing source) and keeps its earlier copy. The keypad's 4 to 9 in
// a path field type the digit and run the commands of the same numbers; both "Sök..." choosers
// fill the fields; Alt+F4 exits with 0.
TEST(Vindrulen, CornerWindowCopyRunsKeypadChoosersAndExitCode)
{
    const char* drive = std::getenv("VU_SMALL_DRIVE");
    const bool small = drive != nullptr && !vu_test::FileExists(std::string(drive) + "\\refused");
    if (!small) std::printf("the small drive could not be mounted: the disk-full case did not run\n");
    const std::string dir = vu_test::NewTempDir(), earlier(64 * 1024, 'e');
    const std::string full = small ? std::string(drive) + "\\kopia.bin" : dir + "kopia.bin";
    ASSERT_TRUE(vu_test::WriteFileBytes(full, earlier));
    auto from = [&](int row) { return dir + "k\xE4lla" + std::to_string(row); };
    auto to = [&](int row) { return dir + "m\xE5l" + std::to_string(row); };
    auto bytes = [](int row) { return std::string("rad\0", 4) + std::string(row == 9 ? 400 * 1024 : 100 * row, '\xE4'); };
    for (int row = 1; row <= 9; ++row) ASSERT_TRUE(vu_test::WriteFileBytes(from(row), bytes(row)));
    // Rows without a source, with a missing source, without a destination; 9 onto the drive.
    const struct { const char* name; int empty, missing, no_to; bool full; std::vector<std::string> boxes; } runs[] = {
        {"rows 2 and 4 fail, 6 is empty", 6, 2, 4, false, {"kopieringsfel|Kunde inte kopiera rad 2, 4", kNoRow}},
        {"nine rows", 0, 0, 0, false, {}},
        {"row 9 fails", 0, small ? 0 : 9, 0, true, {"kopieringsfel|Kunde inte kopiera rad 9"}},
    };
    vu_test::Program program("vindrulen.exe", "Vindrulen");
    HWND main = program.Main();
    ASSERT_NE(main, nullptr);
    auto at = [&](int x, int y) { return vu_test::ChildAt(main, x, y); };
    auto close = [](HWND d, int id) { vu_test::ClickItem(d, id); vu_test::WaitFor([&] { return !IsWindow(d); }); };
    auto answer = [&] {  // the next message box of the main window, "caption|text", once closed
        HWND box = program.Dialog(main);
        const std::string seen = box ? TextOf(box) + "|" + vu_test::ItemText(box, 0xFFFF) : "<none>";
        if (box) close(box, IDOK);
        return seen;
    };
    auto no_dialog = [&] { return program.Idle() && vu_test::TopWindows("#32770", program.Pid()).empty(); };
    EXPECT_EQ(vu_test::ClassOf(main), "Vindrulen");
    EXPECT_EQ(vu_test::StyleOf(main) & ~(WS_CAPTION | WS_CLIPSIBLINGS | WS_VISIBLE), DWORD(WS_SYSMENU));
    EXPECT_EQ(vu_test::ExStyleOf(main) & ~WS_EX_WINDOWEDGE, DWORD(WS_EX_TOOLWINDOW));
    const RECT r = vu_test::RectInParent(main);
    EXPECT_EQ(std::vector<LONG>({r.left, r.top, r.right, r.bottom}),
              std::vector<LONG>({0, 0, 146, 26 + GetSystemMetrics(SM_CYCAPTION)}));
    for (const auto& run : runs) {
        SCOPED_TRACE(run.name);
        std::string ini;
        for (int row = 1; row <= 9; ++row) {
            DeleteFileA(to(row).c_str());
            ini += "[" + std::to_string(row) + "]\r\nFrom=" +
                   (row == run.empty ? "" : row == run.missing ? dir + "saknas" : from(row)) +
                   "\r\nTo=" + (row == run.no_to ? "" : run.full && row == 9 ? full : to(row)) + "\r\n";
        }
        app_test::WriteIni(ini);
        ASSERT_TRUE(vu_test::WriteFileBytes(to(1), std::string(5000, 'x')));  // replaced
        // The button clicked as a user clicks it, then sent: the idle check waits for the run.
        if (&run == runs) vu_test::Click(at(0, 0));
        else SendNotifyMessageA(main, WM_COMMAND, 100, 0);
        for (const std::string& box : run.boxes) EXPECT_EQ(answer(), box);
        EXPECT_TRUE(no_dialog());
        for (int row = 1; row <= 9; ++row) {
            std::string got;
            const bool copied = vu_test::ReadFileBytes(to(row), &got) && got == bytes(row);
            EXPECT_EQ(copied, (!run.empty || row < run.empty) && row != run.missing &&
                                  row != run.no_to && !(run.full && row == 9)) << row;
        }
    }
    std::string kept;
    EXPECT_TRUE(vu_test::ReadFileBytes(full, &kept) && kept == earlier) << kept.size() << " bytes";
    DeleteFileA(full.c_str());
    app_test::WriteIni("");

    HWND path = at(10, 120);
    ASSERT_NE(path, nullptr);
    const DWORD thread = GetWindowThreadProcessId(main, nullptr);
    ASSERT_TRUE(AttachThreadInput(GetCurrentThreadId(), thread, TRUE));  // to read its key state
    ASSERT_TRUE(vu_test::Focus(main, path));
    auto num_lock = [] { return (GetKeyState(VK_NUMLOCK) & 1) != 0; };
    const bool was_on = num_lock();
    if (!was_on) vu_test::Press(VK_NUMLOCK);
    // Alt released too: a keypad digit with Alt held would be taken as a character code.
    ASSERT_TRUE(vu_test::WaitFor([&] { return num_lock() && GetKeyState(VK_MENU) >= 0; }, 10000));
    auto width = [&] { const RECT w = vu_test::RectInParent(main); return w.right - w.left; };
    // The window's width afterwards; 9 saves row 1 with the digit it typed, which 4 cannot copy.
    const struct { int digit, width; } keys[] = {{5, 320}, {9, 320}, {4, 320}, {6, 146}, {5, 320}};
    for (const auto& key : keys) {
        SCOPED_TRACE(key.digit);
        ASSERT_TRUE(vu_test::Focus(main, path));
        vu_test::Press(static_cast<WORD>(VK_NUMPAD0 + key.digit));
        if (key.digit == 4) {
            EXPECT_EQ(answer(), "kopieringsfel|Kunde inte kopiera rad 1");
            EXPECT_EQ(answer(), kNoRow);
        }
        EXPECT_TRUE(vu_test::WaitFor([&] { return width() == key.width; })) << width();
        EXPECT_TRUE(no_dialog());
    }
    if (!was_on) vu_test::Press(VK_NUMLOCK);
    vu_test::WaitFor([&] { return num_lock() == was_on; }, 3000);
    AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
    app_test::WriteIni("");

    const std::string name = std::string(200, 'n') + ".txt";
    ASSERT_TRUE(vu_test::WriteFileBytes(dir + name, "k\xE4lla"));
    ASSERT_TRUE(vu_test::WriteFileBytes(dir + "andra.txt", "andra"));
    const std::string deep = dir + std::string(40, 'd');  // with the name: over 259
    ASSERT_TRUE(CreateDirectoryA(deep.c_str(), nullptr));
    // 103 the source's chooser (a typed name), 104 the destination's (a folder selected).
    const struct { const char* name; int command; std::string value, box, from, to; } steps[] = {
        {"file", 103, dir + name, "", dir + name, ""},
        {"two files", 103, "\"" + name + "\" \"andra.txt\"", "s\xF6kv\xE4gsfel|V\xE4lj en enda fil", dir + name, ""},
        {"folder", 104, dir.substr(0, dir.size() - 1), "", dir + name, dir + name},
        {"folder too long", 104, deep, "s\xF6kv\xE4gsfel|S\xF6kv\xE4gen blir f\xF6r l\xE5ng: h\xF6gst 259 tecken",
         dir + name, dir + name},
        {"drive root", 104, "C:\\", "", dir + name, "C:\\" + name},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        PostMessageA(main, WM_COMMAND, step.command, 0);
        HWND dialog = program.Dialog(main);
        ASSERT_NE(dialog, nullptr);
        if (step.command == 103) {
            EXPECT_EQ(TextOf(dialog), "Kopiera fr\xE5n fil..");
            vu_test::SetItemText(dialog, 0x47C, step.value.c_str());
        } else {
            // The browser takes a path in the program's memory once its root is expanded.
            HWND tree = GetDlgItem(dialog, 0x3741);
            auto item = [&](WPARAM which) { return SendMessageA(tree, TVM_GETNEXTITEM, which, 0); };
            ASSERT_TRUE(vu_test::WaitFor([&] { return SendMessageA(tree, TVM_GETCOUNT, 0, 0) > 1; }));
            SendMessageA(dialog, WM_USER + 102, TRUE, reinterpret_cast<LPARAM>(program.CopyInto(step.value)));
            ASSERT_TRUE(vu_test::WaitFor([&] { return item(TVGN_CARET) != item(TVGN_ROOT); }));
        }
        close(dialog, IDOK);
        EXPECT_EQ(step.box.empty() ? "" : answer(), step.box);
        EXPECT_TRUE(no_dialog());
        EXPECT_EQ(TextOf(at(10, 120)) + "|" + TextOf(at(10, 180)), step.from + "|" + step.to);
    }
    // The icon group in the program file, Swedish: the header and one 32 x 32 image of 16 colours.
    const std::string file = vu_test::ProgramDir() + "vindrulen.exe";
    HMODULE exe = LoadLibraryExA(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    HRSRC group = FindResourceExA(exe, RT_GROUP_ICON, "COPY_ICON", MAKELANGID(LANG_SWEDISH, SUBLANG_SWEDISH));
    ASSERT_TRUE(group != nullptr && SizeofResource(exe, group) == 20u);
    const BYTE* icons = static_cast<const BYTE*>(LockResource(LoadResource(exe, group)));
    EXPECT_EQ(std::vector<BYTE>(icons, icons + 9), (std::vector<BYTE>{0, 0, 1, 0, 1, 0, 32, 32, 16}));
    FreeLibrary(exe);
    ASSERT_TRUE(vu_test::Foreground(main));
    vu_test::Chord(VK_MENU, VK_F4);
    EXPECT_EQ(program.ExitCode(), 0);
}

}  // namespace
