// vu_ResourceDialog: runs the modal dialog "MODAL_DIALOG" from the owner's module.
#include "vu.h"

namespace {

// Shows the dialog and gives it its caption once, when it starts; OK, Cancel (Escape) and
// closing the dialog end it.
INT_PTR CALLBACK ResourceDialogProc(HWND dialog, UINT message, WPARAM wparam, LPARAM)
{
    switch (message) {
    case WM_INITDIALOG:
        ShowWindow(dialog, SW_SHOW);
        SetWindowTextA(dialog, "Tillverkad från dialog");
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL) {
            EndDialog(dialog, LOWORD(wparam));
            return TRUE;
        }
        return FALSE;
    case WM_CLOSE:
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    default:
        return FALSE;
    }
}

}  // namespace

HINSTANCE vu_ResourceDialog(HWND owner)
{
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(owner, GWLP_HINSTANCE));
    DialogBoxParamA(instance, "MODAL_DIALOG", owner, ResourceDialogProc, 0);
    return instance;
}
