// The file chooser for saving: asks before replacing an existing file.
#include "dialogs/file_chooser.h"
#include "dialogs/dialog_libraries.h"
#include "vu.h"

char vu_SavePath[MAX_PATH];
char vu_SaveName[MAX_PATH];

namespace {
vu::FileChooser save_chooser = {
    {}, vu_SavePath, vu_SaveName,
    OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,  // 0x80206
    vu::on_demand::GetSaveFileNameA, nullptr};
}  // namespace

int vu_FileSaveDialog(HWND owner, const char* title, const char* result, const char* filter,
                      const char* own_filter)
{
    if (vu::RunFileChooser(save_chooser, owner, title, filter, own_filter) != 0) return 1;
    vu::ApplyResultWord(save_chooser, owner, result);
    return 0;
}
