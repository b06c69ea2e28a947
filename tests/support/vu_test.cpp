#include "vu_test.h"

#include <cstdio>

namespace vu_test {

void PumpMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

bool WaitFor(const std::function<bool()>& cond, int timeout_ms)
{
    const DWORD start = GetTickCount();
    for (;;) {
        PumpMessages();
        if (cond()) return true;
        const DWORD elapsed = GetTickCount() - start;
        if (elapsed >= static_cast<DWORD>(timeout_ms)) return cond();
        // Wake on any input or message, or after a short slice for cross-process changes.
        const DWORD slice = static_cast<DWORD>(timeout_ms) - elapsed;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, slice < 20 ? slice : 20, QS_ALLINPUT);
    }
}

std::string UniqueTitle(const char* stem)
{
    static int counter = 0;
    char buf[128];
    std::snprintf(buf, sizeof buf, "%s %lu-%d", stem, GetCurrentProcessId(), ++counter);
    return buf;
}

std::string NewTempDir()
{
    char base[MAX_PATH];
    GetTempPathA(MAX_PATH, base);
    static int counter = 0;
    for (;;) {
        char dir[MAX_PATH];
        std::snprintf(dir, sizeof dir, "%svu_test_%lu_%d", base, GetCurrentProcessId(),
                      ++counter);
        if (CreateDirectoryA(dir, nullptr)) return std::string(dir) + "\\";
        if (GetLastError() != ERROR_ALREADY_EXISTS) return std::string(base);
    }
}

bool WriteFileBytes(const std::string& path, const std::string& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

bool ReadFileBytes(const std::string& path, std::string* bytes)
{
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    bytes->clear();
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes->append(buf, n);
    std::fclose(f);
    return true;
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ProgramDir()
{
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of("\\/") + 1);
}

}  // namespace vu_test
