// What the program-driving benchmarks share: a clock, medians, the folder of the running
// benchmark, and starting, finding and closing another GUI program.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

namespace bench {

inline double Seconds()
{
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values)
{
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

inline double Minimum(const std::vector<double>& values)
{
    return values.empty() ? 0.0 : *std::min_element(values.begin(), values.end());
}

// The folder of this benchmark's own executable, with a trailing backslash: the programs it
// drives are built into the same folder.
inline std::string OwnFolder()
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length);
    const std::size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

inline bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The size of a file in bytes, or -1 when it cannot be read.
inline long long FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return -1;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

struct WindowSearch {
    DWORD process_id;
    const char* class_name;  // null: any class
    HWND found;
};

inline BOOL CALLBACK MatchWindow(HWND window, LPARAM lparam)
{
    auto* search = reinterpret_cast<WindowSearch*>(lparam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->process_id || !IsWindowVisible(window)) return TRUE;
    if (search->class_name != nullptr) {
        char name[64] = {};
        GetClassNameA(window, name, sizeof name);
        if (lstrcmpA(name, search->class_name) != 0) return TRUE;
    }
    search->found = window;
    return FALSE;
}

// A visible top-level window of the process (of the given class, when one is named), or null.
inline HWND VisibleWindowOf(DWORD process_id, const char* class_name = nullptr)
{
    WindowSearch search = {process_id, class_name, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A started program: its process and, once shown, its visible top-level window.
struct Program {
    PROCESS_INFORMATION process = {};
    HWND window = nullptr;
};

// Starts the program; returns false when the platform could not start it.
inline bool Start(const std::string& path, Program& program)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string line = "\"" + path + "\"";
    return CreateProcessA(path.c_str(), &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &program.process) != 0;
}

// Looks for the program's visible window every millisecond until it shows or the time runs
// out (the program may also end first); returns the window or null.
inline HWND WaitForWindow(Program& program, const char* class_name, double timeout_seconds)
{
    const double deadline = Seconds() + timeout_seconds;
    while (Seconds() < deadline) {
        program.window = VisibleWindowOf(program.process.dwProcessId, class_name);
        if (program.window != nullptr) return program.window;
        if (WaitForSingleObject(program.process.hProcess, 1) == WAIT_OBJECT_0) return nullptr;
    }
    return nullptr;
}

// Closes the program's window as its close box would and waits for the process to end;
// ends it outright if it has not ended within ten seconds. Returns true when it ended itself.
inline bool Close(Program& program)
{
    if (program.window != nullptr) PostMessageA(program.window, WM_CLOSE, 0, 0);
    bool ended = WaitForSingleObject(program.process.hProcess, 10000) == WAIT_OBJECT_0;
    if (!ended) {
        TerminateProcess(program.process.hProcess, 2);
        WaitForSingleObject(program.process.hProcess, 10000);
    }
    CloseHandle(program.process.hThread);
    CloseHandle(program.process.hProcess);
    program = Program();
    return ended;
}

}  // namespace bench
