// A driver for vindrulen.exe as a user meets it: starts the program as its own process,
// finds its windows and dialogs, clicks and types with SendInput, reads the settings file
// with a reader of its own, and takes screenshots. Used by the end-to-end tests.
#ifndef VINDRULEN_DRIVER_H
#define VINDRULEN_DRIVER_H

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "vu_test.h"

namespace driver {

// Waits long enough for the slowest run (Wine's heap checker makes dialogs take seconds);
// returns as soon as the condition holds.
constexpr int kPatience = 60000;

inline bool WaitFor(const std::function<bool()>& cond, int timeout_ms = kPatience)
{
    return vu_test::WaitFor(cond, timeout_ms);
}

inline std::string ExePath() { return vu_test::ProgramDir() + "vindrulen.exe"; }

// The settings file as the program finds it: its bare name in the Windows folder.
inline std::string IniPath()
{
    char dir[MAX_PATH] = {};
    GetWindowsDirectoryA(dir, MAX_PATH);
    return std::string(dir) + "\\vindrul.ini";
}

inline void RemoveIni()
{
    DeleteFileA(IniPath().c_str());
    ASSERT_FALSE(vu_test::FileExists(IniPath()));
}

// The settings file parsed line by line: section -> key -> value, exactly as stored.
using Ini = std::map<std::string, std::map<std::string, std::string>>;

inline Ini ParseIni(const std::string& bytes)
{
    Ini ini;
    std::string section;
    bool in_section = false;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            ini[section];
            in_section = true;
            continue;
        }
        const size_t eq = line.find('=');
        if (!in_section || eq == std::string::npos) continue;
        ini[section][line.substr(0, eq)] = line.substr(eq + 1);
    }
    return ini;
}

inline Ini ReadIni()
{
    std::string bytes;
    if (!vu_test::ReadFileBytes(IniPath(), &bytes)) return Ini();
    return ParseIni(bytes);
}

inline void WriteIni(const std::string& text)
{
    ASSERT_TRUE(vu_test::WriteFileBytes(IniPath(), text));
}

// True in the run under Wine's heap checker (the program then runs many times slower).
inline bool UnderHeapChecker() { return GetEnvironmentVariableA("VU_HEAPCHECK", nullptr, 0) != 0; }

// The tests that hold a mouse button or drive the shell's choosers depend on the program
// keeping pace with real input; under the heap checker it cannot, so they skip there. The
// in-process tests of the main window procedure cover the same commands under the checker.
#define VU_SKIP_TIMED_INPUT_UNDER_HEAP_CHECKER()                                             \
    do {                                                                                      \
        if (driver::UnderHeapChecker())                                                       \
            GTEST_SKIP() << "real-input timing cannot be kept under the heap checker";        \
    } while (0)

// A window's text through WM_GETTEXT (works across processes). A dialog that is still
// building itself (the shell's choosers under the heap checker take tens of seconds) counts
// as hung to SMTO_ABORTIFHUNG, so the call waits plainly, up to a minute.
inline std::string TextOf(HWND w)
{
    std::vector<char> buf(4096, '\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutA(w, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()),
                             SMTO_NORMAL, 60000, &got))
        return "<no answer>";
    return std::string(buf.data(), got);
}

inline std::string ClassOf(HWND w)
{
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    return name;
}

// The child's rectangle in its parent's client coordinates.
inline RECT ClientRectOf(HWND child)
{
    RECT r = {};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

struct Found {
    std::vector<HWND> windows;
    DWORD pid = 0;
    HWND owner = nullptr;
};

inline BOOL CALLBACK CollectChild(HWND w, LPARAM lp)
{
    reinterpret_cast<Found*>(lp)->windows.push_back(w);
    return TRUE;
}

inline std::vector<HWND> Children(HWND parent)
{
    Found found;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&found));
    std::vector<HWND> direct;
    for (HWND w : found.windows)
        if (GetParent(w) == parent) direct.push_back(w);
    return direct;
}

// The direct child whose top-left corner lies at (x, y) in the parent's client area.
inline HWND ChildAt(HWND parent, int x, int y)
{
    for (HWND w : Children(parent)) {
        const RECT r = ClientRectOf(w);
        if (r.left == x && r.top == y) return w;
    }
    return nullptr;
}

inline BOOL CALLBACK CollectDialog(HWND w, LPARAM lp)
{
    Found* found = reinterpret_cast<Found*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid == found->pid && IsWindowVisible(w) && ClassOf(w) == "#32770" &&
        (found->owner == nullptr || GetWindow(w, GW_OWNER) == found->owner))
        found->windows.push_back(w);
    return TRUE;
}

// Visible dialogs (#32770) of a process, optionally of one owner.
inline std::vector<HWND> Dialogs(DWORD pid, HWND owner = nullptr)
{
    Found found;
    found.pid = pid;
    found.owner = owner;
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&found));
    return found.windows;
}

// ---- Input ---------------------------------------------------------------------------

inline void MouseTo(POINT screen)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    in.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &in, sizeof in);
}

inline void MouseButton(bool down)
{
    INPUT in = {};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
}

// Screen point of a position in a window's client area.
inline POINT ScreenPoint(HWND w, int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(w, &p);
    return p;
}

inline POINT CentreOf(HWND w)
{
    RECT r = {};
    GetWindowRect(w, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

inline void ClickAt(POINT screen)
{
    MouseTo(screen);
    MouseButton(true);
    MouseButton(false);
}

inline void Click(HWND w) { ClickAt(CentreOf(w)); }

inline void Key(WORD vk, bool up)
{
    INPUT in = {};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

inline void Press(WORD vk)
{
    Key(vk, false);
    Key(vk, true);
}

// Types text as characters (KEYEVENTF_UNICODE), one key press each.
inline void Type(const std::string& text)
{
    for (unsigned char c : text) {
        INPUT in[2] = {};
        for (INPUT& i : in) {
            i.type = INPUT_KEYBOARD;
            i.ki.wScan = c;
            i.ki.dwFlags = KEYEVENTF_UNICODE;
        }
        in[1].ki.dwFlags |= KEYEVENTF_KEYUP;
        SendInput(2, in, sizeof in[0]);
    }
}

// ---- The program ---------------------------------------------------------------------

struct WindowSearch {
    DWORD pid;
    HWND found;
};

inline BOOL CALLBACK FindMainWindow(HWND w, LPARAM lp)
{
    WindowSearch* s = reinterpret_cast<WindowSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    if (pid != s->pid || ClassOf(w) != "Vindrulen") return TRUE;
    s->found = w;
    return FALSE;
}

// vindrulen.exe started afresh; ended in teardown when still running.
class Program {
public:
    Program()
    {
        std::string line = "\"" + ExePath() + "\"";
        std::vector<char> buf(line.begin(), line.end());
        buf.push_back('\0');
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        started_ = CreateProcessA(ExePath().c_str(), buf.data(), nullptr, nullptr, FALSE, 0,
                                  nullptr, nullptr, &si, &info_) != 0;
        if (!started_) return;
        WaitFor([&] { return (main_ = Find()) != nullptr && IsWindowVisible(main_); });
        if (main_) {
            // Mapped and answering before the first click.
            Idle();
            from_ = ChildAt(main_, 10, 120);
            to_ = ChildAt(main_, 10, 180);
            row_ = ChildAt(main_, 10, 60);
        }
    }
    ~Program()
    {
        if (!started_) return;
        if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
            TerminateProcess(info_.hProcess, 99);
            WaitForSingleObject(info_.hProcess, 5000);
        }
        CloseHandle(info_.hThread);
        CloseHandle(info_.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Ready() const { return main_ && from_ && to_ && row_; }
    HWND Main() const { return main_; }
    HWND From() const { return from_; }
    HWND To() const { return to_; }
    HWND Row() const { return row_; }
    DWORD Pid() const { return info_.dwProcessId; }
    DWORD ThreadId() const { return info_.dwThreadId; }
    HANDLE Process() const { return info_.hProcess; }

    HWND Button(int x, int y) const { return ChildAt(main_, x, y); }

    // Brings the main window to the front (keys go to the foreground window).
    bool Front() const
    {
        SetForegroundWindow(main_);
        return WaitFor([&] { return GetForegroundWindow() == main_; });
    }

    // Clicks a button of the main window and waits until the program has handled it.
    void ClickButton(int x, int y) const
    {
        HWND b = Button(x, y);
        ASSERT_NE(b, nullptr) << "no button at " << x << "," << y;
        ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(main_) != 0; }));
        ASSERT_TRUE(Front());
        Click(b);
    }

    // Waits until the program has handled everything sent so far.
    bool Idle() const
    {
        return WaitForInputIdle(info_.hProcess, kPatience) == 0 &&
               SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, nullptr) != 0;
    }

    bool OuterSizeIs(int width, int height) const
    {
        RECT r = {};
        GetWindowRect(main_, &r);
        return IsWindowVisible(main_) && r.right - r.left == width && r.bottom - r.top == height;
    }

    // "Config": waits for the 320 x 270 form.
    void ConfigForm() const
    {
        ClickButton(101, 0);
        ASSERT_TRUE(WaitFor(
            [&] { return OuterSizeIs(320, 270 + GetSystemMetrics(SM_CYCAPTION)); }));
        ASSERT_TRUE(Idle());
    }

    // Clicks into a field and waits until it has the focus.
    void FocusField(HWND field) const
    {
        // A closing modal dialog enables its owner again only as it ends.
        ASSERT_TRUE(WaitFor([&] { return IsWindowEnabled(main_) != 0; }));
        ASSERT_TRUE(Front());
        // Two clicks on one spot in quick succession would make a double click: each click
        // takes the other of two spots.
        static int turn = 0;
        RECT r = {};
        GetWindowRect(field, &r);
        ClickAt(POINT{r.left + 20 + 40 * (turn++ % 2), (r.top + r.bottom) / 2});
        ASSERT_TRUE(WaitFor([&] { return Focused() == field; }))
            << "focus " << Focused() << " field " << field << " foreground "
            << GetForegroundWindow() << " main " << main_;
    }

    // Types at the end of a field's text after clicking into it.
    void TypeInto(HWND field, const std::string& text) const
    {
        FocusField(field);
        Press(VK_END);
        Type(text);
    }

    // Empties a field with Backspace after clicking into it.
    void EraseField(HWND field) const
    {
        FocusField(field);
        Press(VK_END);
        for (size_t n = TextOf(field).size(); n > 0; --n) Press(VK_BACK);
        ASSERT_TRUE(WaitFor([&] { return TextOf(field).empty(); }));
    }

    // The screen points of the row field's two arrows.
    POINT RowArrow(bool up) const
    {
        RECT r = {};
        GetWindowRect(row_, &r);
        const int edge = GetSystemMetrics(SM_CXEDGE);
        const int x = r.right - edge - GetSystemMetrics(SM_CXVSCROLL) / 2;
        return up ? POINT{x, r.top + edge + 3} : POINT{x, r.bottom - edge - 4};
    }

    // The window with the keyboard focus in the program's thread.
    HWND Focused() const
    {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(info_.dwThreadId, &info);
        return info.hwndFocus;
    }

    // The one visible dialog of the program owned by the main window.
    HWND WaitDialog(int timeout_ms = kPatience) const
    {
        HWND found = nullptr;
        WaitFor(
            [&] {
                std::vector<HWND> d = Dialogs(Pid(), main_);
                found = d.empty() ? nullptr : d.front();
                return found != nullptr;
            },
            timeout_ms);
        return found;
    }

    bool NoDialog() const { return Dialogs(Pid()).empty(); }

    bool Ended(int timeout_ms) const
    {
        return WaitFor(
            [&] { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }, timeout_ms);
    }

private:
    HWND Find() const
    {
        WindowSearch s = {info_.dwProcessId, nullptr};
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&s));
        return s.found;
    }

    PROCESS_INFORMATION info_ = {};
    bool started_ = false;
    HWND main_ = nullptr;
    HWND from_ = nullptr;
    HWND to_ = nullptr;
    HWND row_ = nullptr;
};

// Waits until the field shows exactly text.
inline bool Shows(HWND field, const std::string& text, int timeout_ms = kPatience)
{
    return WaitFor([&] { return TextOf(field) == text; }, timeout_ms);
}

// Closes a message box with its OK button; returns its caption and message.
inline void CloseMessageBox(HWND box, std::string* caption, std::string* message)
{
    *caption = TextOf(box);
    *message = TextOf(GetDlgItem(box, 0xFFFF));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
    WaitFor([&] { return !IsWindow(box); });
}

// Saves the window's client area (or, with whole, the whole window) as a 24-bit .bmp in the
// build folder's screenshots folder; returns the path.
inline std::string Screenshot(HWND w, const char* name)
{
    const std::string dir = vu_test::ProgramDir() + "..\\screenshots";
    CreateDirectoryA(dir.c_str(), nullptr);
    const std::string path = dir + "\\" + name;
    RECT r = {};
    GetClientRect(w, &r);
    const int width = r.right, height = r.bottom;
    HDC source = GetDC(w);
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD stride = ((width * 3 + 3) / 4) * 4;
    const DWORD image = stride * height;
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + image;
    std::string bytes(reinterpret_cast<const char*>(&fh), sizeof fh);
    bytes.append(reinterpret_cast<const char*>(&bi.bmiHeader), sizeof bi.bmiHeader);
    bytes.append(static_cast<const char*>(bits), image);
    vu_test::WriteFileBytes(path, bytes);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(w, source);
    return path;
}

}  // namespace driver

#endif
