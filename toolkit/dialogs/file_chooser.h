// The one implementation behind the open and the save chooser: each keeps a request record
// that lives for the whole process and two path buffers of its own.
#ifndef VU_DIALOGS_FILE_CHOOSER_H
#define VU_DIALOGS_FILE_CHOOSER_H

#include <windows.h>
#include <commdlg.h>

namespace vu {

struct FileChooser {
    OPENFILENAMEA request;
    char* path;              // full path buffer, MAX_PATH characters
    char* name;              // bare name buffer, MAX_PATH characters
    DWORD flags;
    BOOL(WINAPI* show)(LPOPENFILENAMEA);
    char* own_filter;        // the caller's own list (malloc), kept while the record refers to it
};

// Fills the record, shows the chooser and returns 0 when a file was chosen, 1 when the user
// cancelled or the chooser failed. Both buffers always hold terminated texts afterwards: when
// no file was chosen they hold what they held before the call.
int RunFileChooser(FileChooser& chooser, HWND owner, const char* title, const char* filter_word,
                   const char* own_filter);

// "FILENAME" puts the name buffer into the owner's text, "PATH" the path buffer; other words
// and null do nothing.
void ApplyResultWord(const FileChooser& chooser, HWND owner, const char* result_word);

}  // namespace vu

#endif
