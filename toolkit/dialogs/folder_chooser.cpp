// The folder chooser: the shell's folder browser over the whole name space.
#include <windows.h>
#include <shlobj.h>

#include <cstring>

#include "base/keyword.h"
#include "dialogs/dialog_libraries.h"
#include "vu.h"

namespace {

// Searched in this order; a word outside the table restricts nothing.
const vu::Keyword<UINT> kFolderFlags[] = {
    {"FILFOLDERS", BIF_BROWSEFORCOMPUTER},
    {"PRINTERS", BIF_BROWSEFORPRINTER},
    {"NONETWORK", BIF_DONTGOBELOWDOMAIN},
    {"ANCESTOR", BIF_RETURNFSANCESTORS},
    {"FILSYSTEM", BIF_RETURNONLYFSDIRS},
};

// Copies a text of at most MAX_PATH characters, terminator included, into path.
void CopyPath(char* path, const char* text)
{
    std::strncpy(path, text, MAX_PATH - 1);
    path[MAX_PATH - 1] = '\0';
}

}  // namespace

int vu_FolderDialog(HWND owner, const char* title, char* path, const char* folder)
{
    if (path == nullptr) return 1;  // nowhere to deliver a choice
    IMalloc* allocator = nullptr;
    if (FAILED(vu::on_demand::SHGetMalloc(&allocator)) || allocator == nullptr) return 3;

    // The browser writes the display name into a buffer of the toolkit's own: after a cancel
    // some platforms leave garbage there, and the caller's buffer must stay as it was.
    char display_name[MAX_PATH] = {};
    BROWSEINFOA request = {};
    request.hwndOwner = owner;
    request.pidlRoot = nullptr;
    request.pszDisplayName = display_name;
    request.lpszTitle = vu::TextOrEmpty(title);
    request.ulFlags = vu::KeywordValue(kFolderFlags, folder, 0u);

    int result = 1;
    LPITEMIDLIST item = vu::on_demand::SHBrowseForFolderA(&request);
    if (item != nullptr) {
        char chosen[MAX_PATH] = {};
        if (vu::on_demand::SHGetPathFromIDListA(item, chosen)) {
            CopyPath(path, chosen);
            result = 0;
        } else {
            display_name[MAX_PATH - 1] = '\0';
            CopyPath(path, display_name);
            result = 2;
        }
        allocator->Free(item);
    }
    allocator->Release();
    return result;
}
