// vu_FindDialog and vu_FindMessage: the platform's modeless find dialog, started with the
// edit window's selection, and the handler that turns its notifications into the owner's
// up and down commands.
#include <cstring>
#include <vector>

#include "dialogs/dialog_libraries.h"
#include "vu.h"

#include <commdlg.h>

namespace {

// Longest selection or search text the find dialog takes.
constexpr DWORD kMaxSearch = 256;
// Size of the find-what buffer the dialog edits.
constexpr WORD kFindWhatSize = 1024;

// One request and buffer for the whole process: the modeless dialog keeps writing into them
// for as long as it lives, and a later call refills them, so nothing is ever freed.
FINDREPLACEA g_request;
char g_find_what[kFindWhatSize];

// Copies the edit's characters start..end (at most kMaxSearch) into the find-what buffer.
void CopySelection(HWND edit, DWORD start, DWORD end)
{
    // The selection may lie anywhere in a long text: read the text up to its end into a
    // buffer of that size, never into the find-what buffer itself.
    std::vector<char> text(static_cast<size_t>(end) + 1, '\0');
    const int length = GetWindowTextA(edit, text.data(), static_cast<int>(text.size()));
    if (length <= 0 || static_cast<DWORD>(length) <= start) return;
    const DWORD stop = static_cast<DWORD>(length) < end ? static_cast<DWORD>(length) : end;
    std::memcpy(g_find_what, text.data() + start, stop - start);
}

}  // namespace

HWND vu_FindDialog(HWND owner, HWND edit)
{
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    if (end < start) return nullptr;
    if (end - start > kMaxSearch) return nullptr;

    std::memset(g_find_what, 0, sizeof g_find_what);
    if (end > start) CopySelection(edit, start, end);

    g_request = FINDREPLACEA{};
    g_request.lStructSize = sizeof g_request;
    g_request.hwndOwner = owner;
    g_request.Flags = FR_DOWN | FR_HIDEWHOLEWORD;
    g_request.lpstrFindWhat = g_find_what;
    g_request.wFindWhatLen = kFindWhatSize;
    return vu::on_demand::FindTextA(&g_request);
}

int vu_FindMessage(HWND receiver, HWND dialog, HWND /*edit*/, LPARAM lparam, UINT message,
                   int up_id, int down_id)
{
    if (dialog == nullptr) return 0;
    static const UINT find_message = RegisterWindowMessageA(FINDMSGSTRINGA);
    if (message != find_message) return 0;
    FINDREPLACEA* request = reinterpret_cast<FINDREPLACEA*>(lparam);
    if (request == nullptr) return 0;
    vu_FindRequest = request;

    const DWORD flags = request->Flags;
    if (flags & FR_DIALOGTERM) return 0;
    const size_t length =
        request->lpstrFindWhat ? strnlen(request->lpstrFindWhat, request->wFindWhatLen) : 0;
    if (length > kMaxSearch) {
        DestroyWindow(dialog);
        return 2;
    }
    if (flags & (FR_DOWN | FR_WHOLEWORD)) {
        PostMessageA(receiver, WM_COMMAND, static_cast<WPARAM>(down_id), 0);
        return 1;
    }
    if (flags & (FR_MATCHCASE | FR_FINDNEXT)) {
        PostMessageA(receiver, WM_COMMAND, static_cast<WPARAM>(up_id), 0);
        return 1;
    }
    return 0;
}
