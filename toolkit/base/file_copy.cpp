// File copy by keyword and file removal.
//
// A copy never writes into the destination itself: it goes to a new temporary file in the
// destination's folder, which takes the destination's name in one step only once complete.
// A copy that fails half-way (a drive that fills up, a source that cannot be read) removes
// the temporary file and leaves an earlier destination byte for byte as it was.
#include <cstdio>
#include <cstring>

#include "base/keyword.h"
#include "vu.h"

namespace {

// Copy words and whether the copy may replace an existing destination.
const vu::Keyword<bool> kCopyModes[] = {
    {"SAVE_IF_EXIST", true},
    {"NO_SAVE_IF_EXIST", false},
};

// Removes a temporary file, read-only or not (it takes the source's attributes).
void RemoveTemporary(const char* path)
{
    SetFileAttributesA(path, FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path);
}

}  // namespace

int vu_FileCopy(HWND /*window*/, const char* destination, const char* source, const char* mode)
{
    const vu::Keyword<bool>* row = vu::FindKeyword(kCopyModes, mode);
    if (row == nullptr || destination == nullptr || source == nullptr) return 1;
    char full[MAX_PATH];
    const DWORD length = GetFullPathNameA(destination, MAX_PATH, full, nullptr);
    if (length == 0 || length >= MAX_PATH) return 1;
    // An existing destination is replaced only under the replacing word, and never when it is
    // a folder or read-only: CopyFileA refuses those, a rename would not.
    const DWORD attributes = GetFileAttributesA(full);
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (!row->value || (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY))))
        return 1;
    // The folder, with its last backslash; GetTempFileNameA creates a new empty file there
    // under a name no other file has, and fails when the folder is missing.
    char folder[MAX_PATH];
    std::memcpy(folder, full, length + 1);
    char* last = std::strrchr(folder, '\\');
    if (last == nullptr) return 1;
    last[1] = '\0';
    char temporary[MAX_PATH];
    if (GetTempFileNameA(folder, "vu", 0, temporary) == 0) return 1;
    const DWORD move = MOVEFILE_WRITE_THROUGH | (row->value ? MOVEFILE_REPLACE_EXISTING : 0);
    if (CopyFileA(source, temporary, FALSE) && MoveFileExA(temporary, full, move)) return 0;
    RemoveTemporary(temporary);
    return 1;
}

int vu_FileRemove(const char* path)
{
    return std::remove(vu::TextOrEmpty(path)) == 0 ? 0 : 3;
}
