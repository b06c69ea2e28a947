// The six commands of the main window and the end of the program.
#include "main_window.h"
#include "rows.h"
#include "vu.h"

namespace {

// Copies rows 1 to 9 in order, each source onto its destination, up to the first row
// without a "From" value, which ends the run with the one message the program shows.
void CopyAll(HWND window)
{
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        if (ReadRow(row) == 0) {
            char text[] = "Finns inga uppgifter i ini-filen";
            vu_MessageBox(window, "ini-fel", text, "N");
            return;
        }
        vu_FileCopy(window, ToText, FromText, "SAVE_IF_EXIST");  // failures are silent
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

// The choosers' buffers are read as texts: each ends within its own size whatever the
// chooser left there.
void TerminateChooserBuffers()
{
    vu_OpenPath[sizeof vu_OpenPath - 1] = '\0';
    vu_OpenName[sizeof vu_OpenName - 1] = '\0';
}

void ChooseSource(HWND window)
{
    vu_FileOpenDialog(window, "Kopiera från fil..", "NONE", "NONE_FILTER", "0");
    TerminateChooserBuffers();
    vu_EditSetText(FromField, vu_OpenPath);
    vu_EditSetText(ToField, "");
}

// The destination is the chosen folder, a separator unless it is a drive root, and the
// source file's own name. A composition that would not fit the path buffer is dropped:
// the buffer and the To field stay as they were.
void ChooseFolder(HWND window)
{
    vu_FolderDialog(window, "Sök önskad mapp!", vu_OpenPath, "FILSYSTEM");
    TerminateChooserBuffers();
    const int folder = vu_StrLength(vu_OpenPath);
    const bool separator = folder > 3;
    const int total = folder + (separator ? 1 : 0) + vu_StrLength(vu_OpenName);
    if (total >= static_cast<int>(sizeof vu_OpenPath)) return;
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
    case kSaveRow: SaveRow(); break;
    default: break;
    }
}

void EndProgram() { PostQuitMessage(0); }
