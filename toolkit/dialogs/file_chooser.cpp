// Shared run of the file choosers: the request record, the platform call and the checks that
// keep the process-wide buffers terminated whatever the platform leaves in them.
#include "dialogs/file_chooser.h"

#include <cstring>

#include "base/keyword.h"
#include "dialogs/filters.h"

namespace {

// True when the path buffer holds a complete selection inside its MAX_PATH characters: one
// terminated path, or after a multiple choice the folder and each name terminated and the
// list closed by an empty name. A list that the platform cut at the end of the buffer is
// incomplete, even if it reported success.
bool IsCompleteSelection(const char* path, WORD file_offset)
{
    const void* end = std::memchr(path, '\0', MAX_PATH);
    if (end == nullptr) return false;
    const size_t first = static_cast<const char*>(end) - path;
    if (file_offset <= first) return true;  // one file: the name lies inside the path
    for (size_t i = first; i + 1 < MAX_PATH; ++i)
        if (path[i] == '\0' && path[i + 1] == '\0') return true;
    return false;
}

bool IsTerminated(const char* text) { return std::memchr(text, '\0', MAX_PATH) != nullptr; }

}  // namespace

namespace vu {

int RunFileChooser(FileChooser& chooser, HWND owner, const char* title, const char* filter_word,
                   const char* own_filter)
{
    OPENFILENAMEA& r = chooser.request;
    const char* filter = r.lpstrFilter;
    SelectFilter(filter_word, own_filter, &chooser.own_filter, &filter);

    // The path buffer is also the initial name: never hand the platform an unterminated one.
    chooser.path[MAX_PATH - 1] = '\0';
    chooser.name[MAX_PATH - 1] = '\0';
    char saved_path[MAX_PATH];
    char saved_name[MAX_PATH];
    std::memcpy(saved_path, chooser.path, MAX_PATH);
    std::memcpy(saved_name, chooser.name, MAX_PATH);

    r = OPENFILENAMEA{};
    r.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    r.hwndOwner = owner;
    r.lpstrFilter = filter;
    r.nFilterIndex = 1;
    r.lpstrFile = chooser.path;
    r.nMaxFile = MAX_PATH;
    r.lpstrFileTitle = chooser.name;
    r.nMaxFileTitle = MAX_PATH;
    r.lpstrTitle = TextOrEmpty(title);
    r.Flags = chooser.flags;

    const bool chosen = chooser.show(&r) && IsCompleteSelection(chooser.path, r.nFileOffset) &&
                        IsTerminated(chooser.name);
    r.lpstrTitle = nullptr;  // the caller's text is not kept beyond the call
    if (chosen) return 0;
    std::memcpy(chooser.path, saved_path, MAX_PATH);
    std::memcpy(chooser.name, saved_name, MAX_PATH);
    return 1;
}

void ApplyResultWord(const FileChooser& chooser, HWND owner, const char* result_word)
{
    if (IsWord(result_word, "FILENAME"))
        SetWindowTextA(owner, chooser.name);
    else if (IsWord(result_word, "PATH"))
        SetWindowTextA(owner, chooser.path);
}

}  // namespace vu
