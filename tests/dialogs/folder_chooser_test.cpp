// Folder chooser: the request each folder word gives the shell's browser (caught at the
// browser's entry point), and the real browser with a folder or the computer selected and OK
// or Cancel pressed: the caller's buffer afterwards.
#include <gtest/gtest.h>

#include <cstring>

#include "dialog_driver.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

using namespace vu_test;

// A jump at the start of a system entry point that sends its calls to another function.
struct Detour {
    BYTE* at;
    BYTE saved[5], jump[5] = {0xE9};
    Detour(const char* name, const void* to) : at(reinterpret_cast<BYTE*>(GetProcAddress(LoadLibraryA("shell32.dll"), name)))
    {
        std::memcpy(saved, at, 5);
        const INT32 offset = static_cast<INT32>(reinterpret_cast<INT_PTR>(to) - reinterpret_cast<INT_PTR>(at + 5));
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
        FlushInstructionCache(GetCurrentProcess(), at, 5);
    }
};

// What the toolkit handed the browser and what the browser wrote as the display name; the
// real browser runs only while g_browse is set.
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

TEST(FolderDialog, FolderWordsGiveTheBrowseFlagsAndNoAllocatorGivesThree)
{
    const struct { const char* word; UINT flags; } rows[] = {
        {"FILFOLDERS", BIF_BROWSEFORCOMPUTER}, {"PRINTERS", BIF_BROWSEFORPRINTER}, {"NONETWORK", BIF_DONTGOBELOWDOMAIN},
        {"ANCESTOR", BIF_RETURNFSANCESTORS}, {"FILSYSTEM", BIF_RETURNONLYFSDIRS}, {"filsystem", 0}, {"", 0}, {nullptr, 0},
    };
    Window owner("Mappord");
    char path[MAX_PATH] = "C:\\kvar";
    {
        Detour detour("SHBrowseForFolderA", reinterpret_cast<const void*>(&CatchRequest));
        for (const auto& row : rows) {
            g_request = BROWSEINFOA{};
            EXPECT_EQ(vu_FolderDialog(owner, "Sök önskad mapp!", path, row.word), 1);
            EXPECT_EQ(g_request.ulFlags, row.flags) << (row.word ? row.word : "(null)");
            EXPECT_TRUE(g_request.hwndOwner == owner && g_request.pidlRoot == nullptr && g_request.lpfn == nullptr);
            EXPECT_EQ(g_title + "|" + path, "S\xF6k \xF6nskad mapp!|C:\\kvar");
        }
    }
    Detour detour("SHGetMalloc", reinterpret_cast<const void*>(&NoAllocator));
    EXPECT_EQ(vu_FolderDialog(owner, "Ingen", path, "FILSYSTEM"), 3);
    EXPECT_EQ(vu_FolderDialog(owner, "Ingen", nullptr, "FILSYSTEM"), 1);
}

// The text of the tree item selected in the browser.
static std::string Selected(HWND tree)
{
    char text[MAX_PATH] = {};
    TVITEMA item = {TVIF_TEXT, reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0)), 0, 0,
                    text, sizeof text, 0, 0, 0, 0};
    SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    return text;
}

TEST(FolderDialog, AChosenFolderReplacesThePathAndCancelLeavesTheBufferAlone)
{
    LPITEMIDLIST computer = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer), S_OK);
    SHFILEINFOA info = {};
    SHGetFileInfoA(reinterpret_cast<LPCSTR>(computer), 0, &info, sizeof info, SHGFI_PIDL | SHGFI_DISPLAYNAME);
    // A folder on the desktop: the browser lists the desktop's folders from the start (a deeper
    // one it would first have to unfold).
    char desktop[MAX_PATH] = {};
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
    const std::string folder = std::string(desktop) + "\\Kopior" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const struct { const char* name; const char* word; bool to_computer; int button; int result; } rows[] = {
        {"a folder chosen", "FILSYSTEM", false, IDOK, 0},
        {"cancelled", "FILSYSTEM", false, IDCANCEL, 1},
        {"an item without a path: the browser's display name", "okänt", true, IDOK, 2},
    };
    Window owner("Mapp");
    Detour detour("SHBrowseForFolderA", reinterpret_cast<const void*>(&CatchRequest));
    g_browse = &detour;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        // The application hands over the open chooser's path: the file's name stays.
        std::memset(vu_OpenPath, 0x5A, MAX_PATH);
        std::strcpy(vu_OpenPath, "C:\\Data\\lista.txt");
        std::strcpy(vu_OpenName, "lista.txt");
        const std::string before(vu_OpenPath, MAX_PATH);
        const std::string leaf = row.to_computer ? info.szDisplayName : folder.substr(folder.rfind('\\') + 1);
        std::string selected;
        DialogDriver driver([&](HWND dialog) {
            HWND tree = GetDlgItem(dialog, 0x3741);
            SendMessageA(dialog, BFFM_SETSELECTIONA, !row.to_computer,
                         row.to_computer ? reinterpret_cast<LPARAM>(computer) : reinterpret_cast<LPARAM>(folder.c_str()));
            WaitFor([&] { return lstrcmpiA((selected = Selected(tree)).c_str(), leaf.c_str()) == 0; }, 3000);
            ClickItem(dialog, row.button);
        }, owner);
        EXPECT_EQ(vu_FolderDialog(owner, "Mapp", vu_OpenPath, row.word), row.result);
        EXPECT_TRUE(driver.found() && !driver.gave_up());
        EXPECT_STRCASEEQ(selected.c_str(), leaf.c_str());
        // Cancelled: all of the buffer as it was, whatever the browser wrote into its display name.
        const std::string expected = row.result == 1 ? before : row.result == 2 ? g_display : folder;
        EXPECT_EQ(std::string(vu_OpenPath, row.result == 1 ? MAX_PATH : strnlen(vu_OpenPath, MAX_PATH)), expected);
        EXPECT_STREQ(vu_OpenName, "lista.txt");
    }
    g_browse = nullptr;
    CoTaskMemFree(computer);
    RemoveDirectoryA(folder.c_str());
}
