// The six commands of the main window and the end of the program.
#include "main_window.h"
#include "rows.h"
#include "vu.h"

namespace {

// Copies rows 1 to 9 in order, each source onto its destination, up to the first row
// without a "From" value. A failed copy does not stop the run; the rows that failed are named
// in one message once the copying is over. That message comes before the one about the row
// without a source: the failures are what the user must not miss, while the other message
// closes almost every run and is dismissed by habit. The pointer shows the wait cursor while
// the files are copied.
void CopyAll(HWND window)
{
    char failed[64] = "Kunde inte kopiera rad ";
    const int lead = vu_StrLength(failed);
    int length = lead;
    bool ended_by_empty_row = false;
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        if (ReadRow(row) == 0) {
            ended_by_empty_row = true;
            break;
        }
        if (vu_FileCopy(window, ToText, FromText, "SAVE_IF_EXIST") == 0) continue;
        // At most nine entries of ", n": the text stays far inside its buffer.
        if (length > lead) {
            failed[length++] = ',';
            failed[length++] = ' ';
        }
        failed[length++] = static_cast<char>('0' + row);
        failed[length] = '\0';
    }
    SetCursor(previous);
    if (length > lead) vu_MessageBox(window, "kopieringsfel", failed, "N");
    if (ended_by_empty_row) {
        char text[] = "Finns inga uppgifter i ini-filen";
        vu_MessageBox(window, "ini-fel", text, "N");
    }
}

void ConfigForm(HWND window)
{
    vu_WindowHide(window);
    vu_WindowResize(window, 320, 270);
    vu_WindowCenter(window);
    vu_WindowShow(window);
    ShowRow();
}

void CornerForm(HWND window)
{
    vu_WindowHide(window);
    vu_WindowMove(window, 0, 0);
    vu_WindowResize(window, 146, 26);
    vu_WindowShow(window);
}

// The chooser buffers as they were before a chooser ran, to be put back when its choice is
// not taken.
struct ChooserBuffers {
    char path[sizeof vu_OpenPath];
    char name[sizeof vu_OpenName];
    ChooserBuffers()
    {
        vu_OpenPath[sizeof vu_OpenPath - 1] = '\0';
        vu_OpenName[sizeof vu_OpenName - 1] = '\0';
        CopyMemory(path, vu_OpenPath, sizeof path);
        CopyMemory(name, vu_OpenName, sizeof name);
    }
    void Restore() const
    {
        CopyMemory(vu_OpenPath, path, sizeof path);
        CopyMemory(vu_OpenName, name, sizeof name);
    }
};

void PathMessage(HWND window, const char* message)
{
    char text[64];
    lstrcpynA(text, message, sizeof text);
    vu_MessageBox(window, "sökvägsfel", text, "N");
}

// A chosen file becomes the source and empties the destination. A cancelled or failed
// chooser changes nothing. A multiple selection leaves a folder in the path buffer (the
// files' names follow it): it is no source file, so it is refused with a message.
void ChooseSource(HWND window)
{
    const ChooserBuffers before;
    if (vu_FileOpenDialog(window, "Kopiera från fil..", "NONE", "NONE_FILTER", "0") != 0) {
        before.Restore();
        return;
    }
    vu_OpenPath[sizeof vu_OpenPath - 1] = '\0';
    vu_OpenName[sizeof vu_OpenName - 1] = '\0';
    const DWORD attributes = GetFileAttributesA(vu_OpenPath);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        before.Restore();
        PathMessage(window, "Välj en enda fil");
        return;
    }
    vu_EditSetText(FromField, vu_OpenPath);
    vu_EditSetText(ToField, "");
}

// The destination is the chosen folder, a separator unless it is a drive root, and the
// source file's own name. A cancelled or failed chooser changes nothing; a composition that
// would not fit the path buffer is refused with a message and changes nothing either.
void ChooseFolder(HWND window)
{
    const ChooserBuffers before;
    if (vu_FolderDialog(window, "Sök önskad mapp!", vu_OpenPath, "FILSYSTEM") != 0) {
        before.Restore();
        return;
    }
    vu_OpenPath[sizeof vu_OpenPath - 1] = '\0';
    const int folder = vu_StrLength(vu_OpenPath);
    const bool separator = folder > 3;
    const int total = folder + (separator ? 1 : 0) + vu_StrLength(vu_OpenName);
    if (total >= static_cast<int>(sizeof vu_OpenPath)) {
        before.Restore();
        PathMessage(window, "Sökvägen blir för lång: högst 259 tecken");
        return;
    }
    if (separator) vu_StrAppend(vu_OpenPath, "\\");
    vu_StrAppend(vu_OpenPath, vu_OpenName);
    vu_EditSetText(ToField, vu_OpenPath);
}

}  // namespace

void RunCommand(HWND window, int command)
{
    switch (command) {
    case kCopyAll: CopyAll(window); break;
    case kConfigForm: ConfigForm(window); break;
    case kCornerForm: CornerForm(window); break;
    case kChooseSource: ChooseSource(window); break;
    case kChooseFolder: ChooseFolder(window); break;
    case kSaveRow: SaveRow(window); break;
    default: break;
    }
}

void EndProgram() { PostQuitMessage(0); }
