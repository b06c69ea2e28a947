// vu_PrintDialog: the platform's print dialog; its answer, the printer's device context
// included, stays in vu_PrintRequest for the text editor's printing.
#include "dialogs/dialog_libraries.h"
#include "vu.h"

#include <commdlg.h>

PRINTDLGA vu_PrintRequest = {};

int vu_PrintDialog(HWND window)
{
    // The dialog hands back new device-mode and device-names memory on every run; the
    // previous run's copies are no longer read by anyone, so they go before a new run.
    if (vu_PrintRequest.hDevMode) GlobalFree(vu_PrintRequest.hDevMode);
    if (vu_PrintRequest.hDevNames) GlobalFree(vu_PrintRequest.hDevNames);
    // A device context that no print job used up is replaced by the new run's.
    if (vu_PrintRequest.hDC) DeleteDC(vu_PrintRequest.hDC);
    vu_PrintRequest = PRINTDLGA{};
    vu_PrintRequest.lStructSize = sizeof vu_PrintRequest;
    vu_PrintRequest.hwndOwner = reinterpret_cast<HWND>(GetWindowLongPtrA(window, GWLP_HWNDPARENT));
    vu_PrintRequest.Flags = PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;
    vu_PrintRequest.nCopies = 1;
    return vu::on_demand::PrintDlgA(&vu_PrintRequest) ? 1 : 0;
}
