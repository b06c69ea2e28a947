// The program launcher of the end-to-end tests: starts a program of the build (vindrulen.exe,
// gallery.exe) as its own process, finds its main window, waits for it to be idle, and ends
// it when the test is over if it still runs.
#ifndef VU_TEST_PROGRAM_H
#define VU_TEST_PROGRAM_H

#include <windows.h>

#include <string>

#include "query.h"
#include "vu_test.h"

namespace vu_test {

class Program {
public:
    // Starts ProgramDir() + exe and waits up to timeout_ms for its first visible top-level
    // window whose title is title (any title when null).
    explicit Program(const char* exe, const char* title = nullptr, int timeout_ms = 10000)
    {
        const std::string path = ProgramDir() + exe;
        std::string line = "\"" + path + "\"";
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        started_ = CreateProcessA(path.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &si, &info_) != 0;
        if (!started_) return;
        WaitForInputIdle(info_.hProcess, static_cast<DWORD>(timeout_ms));
        WaitFor([&] { return (main_ = Find(title)) != nullptr; }, timeout_ms);
        if (main_ != nullptr) Idle();
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

    HWND Main() const { return main_; }
    DWORD Pid() const { return info_.dwProcessId; }
    HANDLE Process() const { return info_.hProcess; }

    // Waits until the program has handled everything sent to it so far.
    bool Idle(int timeout_ms = 10000) const
    {
        return SendMessageTimeoutA(main_, WM_NULL, 0, 0, SMTO_NORMAL,
                                   static_cast<UINT>(timeout_ms), nullptr) != 0;
    }

    // The first visible dialog of the program owned by owner (any when null), or null when
    // none shows within timeout_ms.
    HWND Dialog(HWND owner = nullptr, int timeout_ms = 10000) const
    {
        return WaitForDialog(owner, Pid(), timeout_ms);
    }

    // Waits for the program to end; its exit code, or -1 when it still runs after timeout_ms.
    long ExitCode(int timeout_ms = 10000) const
    {
        if (WaitForSingleObject(info_.hProcess, static_cast<DWORD>(timeout_ms)) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(info_.hProcess, &code);
        return static_cast<long>(code);
    }

    // Copies a text into the program's memory; the address there (freed with the process).
    void* CopyInto(const std::string& text) const
    {
        void* remote = VirtualAllocEx(info_.hProcess, nullptr, text.size() + 1, MEM_COMMIT,
                                      PAGE_READWRITE);
        if (remote != nullptr)
            WriteProcessMemory(info_.hProcess, remote, text.c_str(), text.size() + 1, nullptr);
        return remote;
    }

private:
    // The program's first visible top-level window without an owner, of that title if any.
    HWND Find(const char* title) const
    {
        for (HWND w = GetTopWindow(nullptr); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid == Pid() && IsWindowVisible(w) && GetWindow(w, GW_OWNER) == nullptr &&
                (title == nullptr || TextOf(w) == title))
                return w;
        }
        return nullptr;
    }

    PROCESS_INFORMATION info_ = {};
    bool started_ = false;
    HWND main_ = nullptr;
};

}  // namespace vu_test

#endif
