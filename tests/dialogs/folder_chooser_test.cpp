// Folder chooser: the request each folder word gives the shell's browser (caught at the browser's
// entry point), and the real browser with a folder or the computer selected and OK or Cancel
// pressed: the caller's buffer afterwards.
#include <gtest/gtest.h>

#include <cstring>

#include "dialog_driver.h"

#include <shlobj.h>

using namespace vu_test;

// A jump written over the start of a shell entry point, sending its calls to another function.
struct Detour {
    BYTE* at;
    BYTE saved[5], jump[5] = {0xE9};
    Detour(const char* name, const void* to) : at((BYTE*)GetProcAddress(LoadLibraryA("shell32.dll"), name))
    {
        std::memcpy(saved, at, 5);
        const INT32 offset = (INT32)((INT_PTR)to - (INT_PTR)(at + 5));
        std::memcpy(jump + 1, &offset, 4);
        Write(jump);
    }
    ~Detour() { Write(saved); }
    void Write(const BYTE* bytes)
    {
        DWORD was = 0;
        VirtualProtect(at, 5, PAGE_EXECUTE_READWRITE, &was);
        std::memcpy(at, bytes, 5);
        VirtualProtect(at, 5, was, &was);
    }
};

// The request the toolkit handed the browser and the display name the browser wrote; the real
// browser runs only while g_browse is set.
static BROWSEINFOA g_request;
static std::string g_title, g_display;
static Detour* g_browse = nullptr;
static PIDLIST_ABSOLUTE WINAPI CatchRequest(LPBROWSEINFOA request)
{
    g_request = *request;
    g_title = request->lpszTitle;
    if (g_browse == nullptr) return nullptr;
    g_browse->Write(g_browse->saved);
    PIDLIST_ABSOLUTE item = SHBrowseForFolderA(request);
    g_browse->Write(g_browse->jump);
    g_display.assign(request->pszDisplayName, strnlen(request->pszDisplayName, MAX_PATH));
    return item;
}
static HRESULT WINAPI NoAllocator(IMalloc**) { return E_FAIL; }

TEST(FolderDialog, WordsGiveTheBrowseFlagsAndTheChoiceOrCancelLeavesTheBuffer)
{
    LPITEMIDLIST computer = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer), S_OK);
    // A folder on the desktop: the browser lists the desktop's folders from the start.
    char desktop[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
    const std::string folder = std::string(desktop) + "\\Kopior" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string before = "C:\\Data\\lista.txt" + std::string(1, '\0') + std::string(MAX_PATH - 18, 'Z');
    // Pressed 0: the browser is not shown and answers as cancelled.
    const struct { const char* word; UINT flags; int pressed; bool to_computer; int result; std::string after; } rows[] = {
        {"FILFOLDERS", BIF_BROWSEFORCOMPUTER, 0, false, 1, before}, {"PRINTERS", BIF_BROWSEFORPRINTER, 0, false, 1, before},
        {"NONETWORK", BIF_DONTGOBELOWDOMAIN, 0, false, 1, before}, {"ANCESTOR", BIF_RETURNFSANCESTORS, 0, false, 1, before},
        {"filsystem", 0, 0, false, 1, before}, {"", 0, 0, false, 1, before}, {nullptr, 0, 0, false, 1, before},
        {"FILSYSTEM", BIF_RETURNONLYFSDIRS, IDOK, false, 0, folder},
        {"FILSYSTEM", BIF_RETURNONLYFSDIRS, IDCANCEL, false, 1, before},  // whatever the browser wrote
        {"ok\xE4nt", 0, IDOK, true, 2, ""},  // an item without a path: the browser's display name
    };
    Window owner("Mapp");
    Detour detour("SHBrowseForFolderA", (const void*)&CatchRequest);
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.word ? row.word : "(null)") + " " + std::to_string(row.pressed));
        // The application hands over the open chooser's path: the file's name stays.
        std::memcpy(vu_OpenPath, before.data(), MAX_PATH);
        std::strcpy(vu_OpenName, "lista.txt");
        g_browse = row.pressed ? &detour : nullptr;
        DialogDriver driver([&](HWND dialog) {
            SendMessageA(dialog, BFFM_SETSELECTIONA, !row.to_computer,
                         row.to_computer ? (LPARAM)computer : (LPARAM)folder.c_str());
            ClickItem(dialog, row.pressed);
        }, owner);
        EXPECT_EQ(vu_FolderDialog(owner, "Sök önskad mapp!", vu_OpenPath, row.word), row.result);
        EXPECT_EQ(driver.found() && !driver.gave_up(), row.pressed != 0);
        EXPECT_TRUE(g_request.ulFlags == row.flags && g_request.hwndOwner == owner && !g_request.pidlRoot && !g_request.lpfn);
        EXPECT_EQ(g_title, "S\xF6k \xF6nskad mapp!");
        EXPECT_EQ(std::string(vu_OpenPath, row.result == 1 ? MAX_PATH : strnlen(vu_OpenPath, MAX_PATH)), row.result == 2 ? g_display : row.after);
        EXPECT_STREQ(vu_OpenName, "lista.txt");
    }
    g_browse = nullptr;
    {
        Detour no_allocator("SHGetMalloc", (const void*)&NoAllocator);
        EXPECT_EQ(vu_FolderDialog(owner, "Ingen", vu_OpenPath, "FILSYSTEM"), 3);
    }
    EXPECT_EQ(vu_FolderDialog(owner, "Ingen", nullptr, "FILSYSTEM"), 1);
    CoTaskMemFree(computer);
    RemoveDirectoryA(folder.c_str());
}
