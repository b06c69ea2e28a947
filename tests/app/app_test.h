// The settings file vindrul.ini of the tests of Vindrulen, where the program finds it (its bare
// name in the Windows folder), written whole.
#ifndef VINDRULEN_APP_TEST_H
#define VINDRULEN_APP_TEST_H

#include <windows.h>

#include <string>

#include "vu_test.h"

namespace app_test {

inline std::string IniPath()
{
    char dir[MAX_PATH] = {};
    return std::string(dir, GetWindowsDirectoryA(dir, MAX_PATH)) + "\\vindrul.ini";
}

// Replaces the settings file (or a folder in its place) with these lines; "" removes it.
inline void WriteIni(const std::string& text)
{
    DeleteFileA(IniPath().c_str());
    RemoveDirectoryA(IniPath().c_str());
    if (!text.empty()) vu_test::WriteFileBytes(IniPath(), text);
}

}  // namespace app_test

#endif
