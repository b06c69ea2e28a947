// The file chooser for opening: an existing file, several allowed.
#include "dialogs/file_chooser.h"
#include "dialogs/dialog_libraries.h"
#include "vu.h"

char vu_OpenPath[MAX_PATH];
char vu_OpenName[MAX_PATH];

namespace {
vu::FileChooser open_chooser = {
    {}, vu_OpenPath, vu_OpenName,
    OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY,  // 0x81204
    vu::on_demand::GetOpenFileNameA, nullptr};
}  // namespace

int vu_FileOpenDialog(HWND owner, const char* title, const char* result, const char* filter,
                      const char* own_filter)
{
    const int chosen = vu::RunFileChooser(open_chooser, owner, title, filter, own_filter);
    // Applied after a cancel too: the owner then receives the buffer's earlier content.
    vu::ApplyResultWord(open_chooser, owner, result);
    return chosen;
}
