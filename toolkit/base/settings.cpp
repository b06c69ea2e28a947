// Profile-file access: read and write one key of a settings file.
#include <cstring>

#include "base/keyword.h"
#include "vu.h"

namespace {

// The default handed to the platform's read: ten blanks, which the read strips away, so that
// a missing key, section or file reads as the empty text.
const char kBlankDefault[] = "          ";

bool AllBlanks(const char* text, int length)
{
    for (int i = 0; i < length; ++i)
        if (text[i] != ' ') return false;
    return true;
}

}  // namespace

int vu_SettingsRead(const char* file, const char* section, const char* key, char* buffer,
                    int size)
{
    if (buffer == nullptr || size < 1) return 0;
    buffer[0] = '\0';
    file = vu::TextOrEmpty(file);
    if (*file == '\0') return 0;  // names no file: reads like a missing one
    section = vu::TextOrEmpty(section);
    key = vu::TextOrEmpty(key);
    const DWORD length = GetPrivateProfileStringA(section, key, kBlankDefault, buffer,
                                                  static_cast<DWORD>(size), file);
    int count = static_cast<int>(length < static_cast<DWORD>(size) ? length : size - 1);
    buffer[count] = '\0';
    // Some implementations of the profile read keep a blank of the default. A result of
    // blanks alone is asked for once more with an empty default: a missing key then reads
    // as the empty text, while a stored (quoted) value of blanks keeps its blanks.
    if (count > 0 && AllBlanks(buffer, count)) {
        const DWORD again = GetPrivateProfileStringA(section, key, "", buffer,
                                                     static_cast<DWORD>(size), file);
        count = static_cast<int>(again < static_cast<DWORD>(size) ? again : size - 1);
        buffer[count] = '\0';
    }
    return count;
}

int vu_SettingsWrite(const char* file, const char* section, const char* key, const char* value)
{
    file = vu::TextOrEmpty(file);
    if (*file == '\0') return 1;
    // Null section, key or value would ask the platform to delete a section or key: a null
    // text is the empty text here as everywhere.
    return WritePrivateProfileStringA(vu::TextOrEmpty(section), vu::TextOrEmpty(key),
                                      vu::TextOrEmpty(value), file)
               ? 0
               : 1;
}
