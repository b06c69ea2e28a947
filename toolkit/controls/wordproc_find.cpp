// Where the find dialog leaves the record of its last notification; the text editor's search
// reads it. Kept beside the editor so that the editor links without the find dialog.
#include <windows.h>
#include <commdlg.h>

#include "vu.h"

FINDREPLACEA* vu_FindRequest = nullptr;
