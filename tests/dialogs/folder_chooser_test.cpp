// Folder chooser: the real shell browser, a folder selected in it and OK or Cancel pressed,
// the keywords' effect on what may be chosen, and the caller's buffer afterwards.
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstring>
#include <string>

#include "dialog_driver.h"
#include "vu_test.h"

namespace {

using dialog_driver::Driver;

HWND NewOwner()
{
    return vu_WindowCreate(GetModuleHandleA(nullptr), vu_test::UniqueTitle("Mapp").c_str(), 70,
                           70, 300, 200, "CLO");
}

std::string WithoutSlash(const std::string& dir) { return dir.substr(0, dir.size() - 1); }

// The text of the tree item selected in the browser.
std::string SelectedName(HWND dialog)
{
    HWND tree = GetDlgItem(dialog, 0x3741);
    char text[MAX_PATH] = {};
    TVITEMA item = {};
    item.mask = TVIF_TEXT;
    item.hItem = reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    item.pszText = text;
    item.cchTextMax = sizeof text;
    if (item.hItem == nullptr || !SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return "";
    return text;
}

// Asks the browser to select a folder by path, or the computer itself when path is empty.
void RequestSelection(HWND dialog, const std::string& path)
{
    if (path.empty()) {
        LPITEMIDLIST computer = nullptr;
        SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer);
        SendMessageA(dialog, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(computer));
        CoTaskMemFree(computer);
    } else {
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
    }
}

// Selects the folder and waits until the tree shows it selected: a browser that has only
// just appeared may still be filling its tree and answer the first request with its root.
void Select(HWND dialog, const std::string& path)
{
    const std::string root = SelectedName(dialog);
    const std::string name = path.substr(path.find_last_of('\\') + 1);
    const auto selected = [&] {
        const std::string now = SelectedName(dialog);
        return path.empty() ? !now.empty() && now != root
                            : lstrcmpiA(now.c_str(), name.c_str()) == 0;
    };
    for (int attempt = 0; attempt < 5 && !selected(); ++attempt) {
        RequestSelection(dialog, path);
        dialog_driver::PollFor(selected, 1000);
    }
}

struct FindText {
    std::string text;
    bool found;
};

BOOL CALLBACK MatchText(HWND child, LPARAM lparam)
{
    FindText* find = reinterpret_cast<FindText*>(lparam);
    if (dialog_driver::TextOf(child) == find->text) find->found = true;
    return !find->found;
}

TEST(FolderDialog, ChosenFolderLandsInTheBuffer)
{
    SKIP_UNDER_HEAP_CHECKER();
    HWND owner = NewOwner();
    const std::string folder = WithoutSlash(vu_test::NewTempDir());
    char path[MAX_PATH] = "C:\\f\xF6re";
    FindText title = {"S\xF6k \xF6nskad mapp!", false};
    Driver driver(owner, [&](HWND dialog) {
        EnumChildWindows(dialog, MatchText, reinterpret_cast<LPARAM>(&title));
        Select(dialog, folder);
        dialog_driver::Click(dialog, IDOK);
    });
    EXPECT_EQ(vu_FolderDialog(owner, "Sök önskad mapp!", path, "FILSYSTEM"), 0);
    ASSERT_TRUE(driver.found());
    EXPECT_TRUE(title.found);
    EXPECT_STRCASEEQ(path, folder.c_str());
    vu_WindowDestroy(owner);
}

TEST(FolderDialog, CancelLeavesTheBufferAsItWas)
{
    SKIP_UNDER_HEAP_CHECKER();
    HWND owner = NewOwner();
    const std::string folder = WithoutSlash(vu_test::NewTempDir());
    for (const char* word : {"FILSYSTEM", "ANCESTOR", "okänt"}) {
        char path[MAX_PATH];
        std::memset(path, 0x5A, sizeof path);
        std::strcpy(path, "C:\\or\xF6rd");
        char before[MAX_PATH];
        std::memcpy(before, path, sizeof path);
        Driver driver(owner, [&](HWND dialog) {
            Select(dialog, folder);
            dialog_driver::Click(dialog, IDCANCEL);
        });
        EXPECT_EQ(vu_FolderDialog(owner, "Avbryt", path, word), 1);
        EXPECT_TRUE(driver.found());
        EXPECT_EQ(std::memcmp(path, before, sizeof path), 0) << word;
    }
    vu_WindowDestroy(owner);
}

TEST(FolderDialog, ItemWithoutAPathGivesItsDisplayName)
{
    SKIP_UNDER_HEAP_CHECKER();
    HWND owner = NewOwner();
    char path[MAX_PATH] = "C:\\f\xF6re";
    Driver driver(owner, [&](HWND dialog) {
        Select(dialog, "");
        dialog_driver::Click(dialog, IDOK);
    });
    EXPECT_EQ(vu_FolderDialog(owner, "Dator", path, "unknown"), 2);
    EXPECT_TRUE(driver.found());
    EXPECT_NE(std::memchr(path, '\0', sizeof path), nullptr);
    EXPECT_STRNE(path, "C:\\f\xF6re");
    EXPECT_EQ(std::strchr(path, '\\'), nullptr) << path;
    vu_WindowDestroy(owner);
}

TEST(FolderDialog, KeywordsDecideWhatMayBeChosen)
{
    SKIP_UNDER_HEAP_CHECKER();
    HWND owner = NewOwner();
    const std::string folder = WithoutSlash(vu_test::NewTempDir());
    const struct {
        const char* word;
        std::string target;
        bool may_choose;
    } cases[] = {
        {"FILSYSTEM", folder, true},  {"FILSYSTEM", "", false},  {"FILFOLDERS", folder, false},
        {"filsystem", "", true},      {nullptr, "", true},       {"NONETWORK", folder, true},
    };
    for (const auto& c : cases) {
        char path[MAX_PATH] = "";
        bool enabled = false;
        Driver driver(owner, [&](HWND dialog) {
            Select(dialog, c.target);
            enabled = IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
            dialog_driver::Click(dialog, IDCANCEL);
        });
        EXPECT_EQ(vu_FolderDialog(owner, "Ord", path, c.word), 1);
        EXPECT_EQ(enabled, c.may_choose) << (c.word ? c.word : "(null)") << " " << c.target;
    }
    vu_WindowDestroy(owner);
}

TEST(FolderDialog, OpenPathTakesTheFolderWhileOpenNameKeepsTheFile)
{
    SKIP_UNDER_HEAP_CHECKER();
    HWND owner = NewOwner();
    const std::string folder = WithoutSlash(vu_test::NewTempDir());
    std::strcpy(vu_OpenPath, "C:\\Data\\lista.txt");
    std::strcpy(vu_OpenName, "lista.txt");
    Driver driver(owner, [&](HWND dialog) {
        Select(dialog, folder);
        dialog_driver::Click(dialog, IDOK);
    });
    EXPECT_EQ(vu_FolderDialog(owner, nullptr, vu_OpenPath, "FILSYSTEM"), 0);
    EXPECT_STRCASEEQ(vu_OpenPath, folder.c_str());
    EXPECT_STREQ(vu_OpenName, "lista.txt");
    vu_WindowDestroy(owner);
}

TEST(FolderDialog, CancelWithoutChoosingKeepsTheBuffer)
{
    HWND owner = NewOwner();
    char path[MAX_PATH];
    std::memset(path, 0x5A, sizeof path);
    std::strcpy(path, "C:\\kvar");
    char before[MAX_PATH];
    std::memcpy(before, path, sizeof path);
    Driver driver(owner, [](HWND dialog) {
        // As a user would: only once the browser shows its tree.
        dialog_driver::PollFor([&] { return !SelectedName(dialog).empty(); });
        dialog_driver::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(vu_FolderDialog(owner, "Avbryt", path, "FILSYSTEM"), 1);
    EXPECT_TRUE(driver.found());
    EXPECT_EQ(std::memcmp(path, before, sizeof path), 0);
    vu_WindowDestroy(owner);
}

TEST(FolderDialog, NullBufferShowsNothing)
{
    EXPECT_EQ(vu_FolderDialog(nullptr, "Ingen", nullptr, "FILSYSTEM"), 1);
}

}  // namespace
