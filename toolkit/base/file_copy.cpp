// File copy by keyword and file removal.
#include <cstdio>

#include "base/keyword.h"
#include "vu.h"

namespace {

// Copy words and their fail-if-exists argument.
const vu::Keyword<BOOL> kCopyModes[] = {
    {"SAVE_IF_EXIST", FALSE},
    {"NO_SAVE_IF_EXIST", TRUE},
};

}  // namespace

int vu_FileCopy(HWND /*window*/, const char* destination, const char* source, const char* mode)
{
    const vu::Keyword<BOOL>* row = vu::FindKeyword(kCopyModes, mode);
    if (row == nullptr) return 1;
    return CopyFileA(vu::TextOrEmpty(source), vu::TextOrEmpty(destination), row->value) ? 0 : 1;
}

int vu_FileRemove(const char* path)
{
    return std::remove(vu::TextOrEmpty(path)) == 0 ? 0 : 3;
}
