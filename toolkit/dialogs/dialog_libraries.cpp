// Loads COMDLG32 and SHELL32 on first use and forwards each dialog call to its entry there.
#include "dialogs/dialog_libraries.h"

namespace {

enum Library { kCommonDialogs, kShell, kLibraryCount };

const char* const kLibraryNames[kLibraryCount] = {"comdlg32.dll", "shell32.dll"};

// The entry `name` of the library, loading the library the first time; null when either is
// missing. The libraries stay loaded for the rest of the process, as imported ones would.
void* Entry(Library library, const char* name)
{
    static HMODULE loaded[kLibraryCount];
    if (loaded[library] == nullptr) loaded[library] = LoadLibraryA(kLibraryNames[library]);
    if (loaded[library] == nullptr) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(loaded[library], name));
}

// Calls the entry with args, or gives `failed` when it cannot be found.
template <typename R, typename... Args>
R Forward(Library library, const char* name, R failed, Args... args)
{
    using Function = R(WINAPI*)(Args...);
    void* entry = Entry(library, name);
    if (entry == nullptr) return failed;
    return reinterpret_cast<Function>(entry)(args...);
}

}  // namespace

namespace vu {
namespace on_demand {

BOOL WINAPI GetOpenFileNameA(LPOPENFILENAMEA request)
{
    return Forward<BOOL>(kCommonDialogs, "GetOpenFileNameA", FALSE, request);
}

BOOL WINAPI GetSaveFileNameA(LPOPENFILENAMEA request)
{
    return Forward<BOOL>(kCommonDialogs, "GetSaveFileNameA", FALSE, request);
}

BOOL WINAPI ChooseColorA(LPCHOOSECOLORA request)
{
    return Forward<BOOL>(kCommonDialogs, "ChooseColorA", FALSE, request);
}

BOOL WINAPI ChooseFontA(LPCHOOSEFONTA request)
{
    return Forward<BOOL>(kCommonDialogs, "ChooseFontA", FALSE, request);
}

BOOL WINAPI PrintDlgA(LPPRINTDLGA request)
{
    return Forward<BOOL>(kCommonDialogs, "PrintDlgA", FALSE, request);
}

HWND WINAPI FindTextA(LPFINDREPLACEA request)
{
    return Forward<HWND>(kCommonDialogs, "FindTextA", nullptr, request);
}

PIDLIST_ABSOLUTE WINAPI SHBrowseForFolderA(LPBROWSEINFOA request)
{
    return Forward<PIDLIST_ABSOLUTE>(kShell, "SHBrowseForFolderA", nullptr, request);
}

BOOL WINAPI SHGetPathFromIDListA(PCIDLIST_ABSOLUTE item, LPSTR path)
{
    return Forward<BOOL>(kShell, "SHGetPathFromIDListA", FALSE, item, path);
}

HRESULT WINAPI SHGetMalloc(IMalloc** allocator)
{
    return Forward<HRESULT>(kShell, "SHGetMalloc", E_FAIL, allocator);
}

}  // namespace on_demand
}  // namespace vu
