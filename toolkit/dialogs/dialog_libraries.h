// The common dialog and shell calls behind the toolkit's dialogs. COMDLG32 and SHELL32 (and
// all they pull in) are loaded the first time a dialog needs them, not when the program
// starts: a program that never opens one of these dialogs never pays for loading them. Each
// call behaves as the platform call of the same name; when its library or entry cannot be
// found it fails as that call fails (FALSE, null or E_FAIL).
#ifndef VU_DIALOGS_DIALOG_LIBRARIES_H
#define VU_DIALOGS_DIALOG_LIBRARIES_H

#include <windows.h>
#include <commdlg.h>
#include <shlobj.h>

namespace vu {
namespace on_demand {

BOOL WINAPI GetOpenFileNameA(LPOPENFILENAMEA request);
BOOL WINAPI GetSaveFileNameA(LPOPENFILENAMEA request);
BOOL WINAPI ChooseColorA(LPCHOOSECOLORA request);
BOOL WINAPI ChooseFontA(LPCHOOSEFONTA request);
BOOL WINAPI PrintDlgA(LPPRINTDLGA request);
HWND WINAPI FindTextA(LPFINDREPLACEA request);
PIDLIST_ABSOLUTE WINAPI SHBrowseForFolderA(LPBROWSEINFOA request);
BOOL WINAPI SHGetPathFromIDListA(PCIDLIST_ABSOLUTE item, LPSTR path);
HRESULT WINAPI SHGetMalloc(IMalloc** allocator);

}  // namespace on_demand
}  // namespace vu

#endif
