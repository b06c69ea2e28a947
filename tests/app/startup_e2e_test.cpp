// vindrulen.exe as a user meets it: started as its own process, its main window found on
// the screen, closed with Alt+F4, and its program file's icon resource.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "vu_test.h"

namespace {

std::string ExePath() { return vu_test::ProgramDir() + "vindrulen.exe"; }

struct WindowSearch {
    DWORD pid;
    HWND found;
};

BOOL CALLBACK FindVisibleWindowOf(HWND w, LPARAM lp)
{
    WindowSearch* s = reinterpret_cast<WindowSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != s->pid || !IsWindowVisible(w)) return TRUE;
    s->found = w;
    return FALSE;
}

struct Program {
    PROCESS_INFORMATION info = {};
    bool started = false;

    explicit Program(const std::string& arguments)
    {
        std::string line = "\"" + ExePath() + "\"" + arguments;
        std::vector<char> buf(line.begin(), line.end());
        buf.push_back('\0');
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        started = CreateProcessA(ExePath().c_str(), buf.data(), nullptr, nullptr, FALSE, 0,
                                 nullptr, nullptr, &si, &info) != 0;
    }
    ~Program()
    {
        if (!started) return;
        // A test that failed half-way must not leave the program running.
        if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT)
            TerminateProcess(info.hProcess, 99);
        CloseHandle(info.hThread);
        CloseHandle(info.hProcess);
    }
    // The program's visible top-level window, or null.
    HWND MainWindow() const
    {
        WindowSearch search = {info.dwProcessId, nullptr};
        EnumWindows(FindVisibleWindowOf, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    bool Ended(int timeout_ms) const
    {
        return vu_test::WaitFor(
            [&] { return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0; },
            timeout_ms);
    }
    DWORD ExitCode() const
    {
        DWORD code = 12345;
        GetExitCodeProcess(info.hProcess, &code);
        return code;
    }
};

void Key(WORD vk, bool up)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

// Closes the window as a user does: brings it to the front and types Alt+F4.
void CloseWithAltF4(HWND w)
{
    SetForegroundWindow(w);
    ASSERT_TRUE(vu_test::WaitFor([&] { return GetForegroundWindow() == w; }, 3000));
    Key(VK_MENU, false);
    Key(VK_F4, false);
    Key(VK_F4, true);
    Key(VK_MENU, true);
}

void CheckMainWindow(HWND w)
{
    char text[64] = {};
    GetClassNameA(w, text, sizeof text);
    EXPECT_STREQ(text, "Vindrulen");
    GetWindowTextA(w, text, sizeof text);
    EXPECT_STREQ(text, "Vindrulen");
    // A tool window with a system menu; the caption is the one the platform gives every
    // overlapped window, and nothing else of a frame.
    const DWORD style = static_cast<DWORD>(GetWindowLongA(w, GWL_STYLE));
    EXPECT_EQ(style & WS_SYSMENU, static_cast<DWORD>(WS_SYSMENU));
    EXPECT_EQ(style & (WS_POPUP | WS_CHILD | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              0u);
    EXPECT_EQ(style & ~(WS_CAPTION | WS_CLIPSIBLINGS | WS_VISIBLE),
              static_cast<DWORD>(WS_SYSMENU));
    const DWORD ex_style = static_cast<DWORD>(GetWindowLongA(w, GWL_EXSTYLE));
    EXPECT_EQ(ex_style & ~WS_EX_WINDOWEDGE, static_cast<DWORD>(WS_EX_TOOLWINDOW));
    EXPECT_EQ(GetClassLongA(w, GCL_STYLE), static_cast<DWORD>(CS_DBLCLKS));
    RECT r = {};
    GetWindowRect(w, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, 146);
    EXPECT_EQ(r.bottom - r.top, 26 + GetSystemMetrics(SM_CYCAPTION));
}

void RunAndClose(const std::string& arguments)
{
    Program program(arguments);
    ASSERT_TRUE(program.started) << ExePath();
    HWND w = nullptr;
    ASSERT_TRUE(vu_test::WaitFor([&] { return (w = program.MainWindow()) != nullptr; }, 10000));
    CheckMainWindow(w);
    CloseWithAltF4(w);
    ASSERT_TRUE(program.Ended(10000));
    EXPECT_EQ(program.ExitCode(), 0u);
}

TEST(Program, ShowsItsCornerWindowAndEndsWithZeroWhenClosed) { RunAndClose(""); }

TEST(Program, ArgumentsChangeNothing) { RunAndClose(" /x \"C:\\nowhere\\at all\"\tabc"); }

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bit_count;
    DWORD bytes;
    WORD id;
};
struct GroupIconDir {
    WORD reserved, type, count;
    GroupIconEntry entries[1];
};
#pragma pack(pop)

TEST(Program, CarriesTheSwedishCopyIcon)
{
    HMODULE exe = LoadLibraryExA(ExePath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(exe, nullptr);
    const WORD swedish = MAKELANGID(LANG_SWEDISH, SUBLANG_SWEDISH);
    HRSRC group = FindResourceExA(exe, RT_GROUP_ICON, "COPY_ICON", swedish);
    ASSERT_NE(group, nullptr);
    ASSERT_GE(SizeofResource(exe, group), sizeof(GroupIconDir));
    const GroupIconDir* dir =
        static_cast<const GroupIconDir*>(LockResource(LoadResource(exe, group)));
    ASSERT_NE(dir, nullptr);
    EXPECT_EQ(dir->type, 1);
    ASSERT_EQ(dir->count, 1);
    const GroupIconEntry& e = dir->entries[0];
    EXPECT_EQ(e.width, 32);
    EXPECT_EQ(e.height, 32);
    EXPECT_EQ(e.colours, 16);
    EXPECT_EQ(e.bit_count, 4);
    // The image itself is there, in the same language, of the size the group gives.
    HRSRC image = FindResourceExA(exe, RT_ICON, MAKEINTRESOURCEA(e.id), swedish);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(SizeofResource(exe, image), e.bytes);
    const BITMAPINFOHEADER* bih =
        static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(exe, image)));
    ASSERT_NE(bih, nullptr);
    EXPECT_EQ(bih->biWidth, 32);
    EXPECT_EQ(bih->biHeight, 64);  // colour image and mask
    EXPECT_EQ(bih->biBitCount, 4);
    FreeLibrary(exe);
}

}  // namespace
