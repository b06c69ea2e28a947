// File choosers completed through their name field and buttons: the buffers and the owner's
// text after a choice or a cancel, the flags as the dialog behaves, the filter words' types and
// patterns, several files, and selections or initial names the buffers cannot hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "dialog_driver.h"

#include <commctrl.h>

using namespace vu_test;

constexpr int kNameField = 0x47C, kTypeList = 0x470;

static std::string Folder(const std::string& dir) { return dir.substr(0, dir.size() - 1); }
static std::string Lower(std::string text) { CharLowerBuffA(&text[0], text.size()); return text; }

// Opens a chooser completed by act (and by then, on a box the chooser opens); its answer.
static int Choose(bool save, HWND owner, const char* word, const char* filter, const char* own,
                  std::function<void(HWND)> act, std::function<void(HWND)> then = nullptr)
{
    DialogDriver driver(std::move(act), owner);
    if (then) driver.Then(std::move(then));
    const int answer = save ? vu_FileSaveDialog(owner, "Välj", word, filter, own)
                            : vu_FileOpenDialog(owner, "Välj", word, filter, own);
    EXPECT_TRUE(driver.found() && !driver.gave_up());
    return answer;
}

// Types a name (or a folder, to go there) and presses OK; waits while the press is handled.
static void Enter(HWND dialog, const std::string& text)
{
    SetItemText(dialog, kNameField, text.c_str());
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

TEST(FileChooser, ChoiceOrCancelLeavesBuffersAndOwnersTextAsTheFlagsAndWordsSay)
{
    const char* const path = "*";  // the typed name in the test's folder
    const struct { const char* name; bool save; const char* word; const char* typed; int box; int result; const char* owner_text; } rows[] = {
        {"open a file, PATH", false, "PATH", "lista.txt", 0, 0, path},
        {"open a file, FILENAME", false, "FILENAME", "lista.txt", 0, 0, "lista.txt"},
        {"open a missing file: refused", false, "PATH", "saknas.txt", IDOK, 1, "C:\\f\xF6rra\\val.txt"},
        {"open cancelled, FILENAME", false, "FILENAME", nullptr, 0, 1, "val.txt"},
        {"open cancelled, other word", false, "path", nullptr, 0, 1, "f\xF6re"},
        {"open cancelled, no word", false, nullptr, nullptr, 0, 1, "f\xF6re"},
        {"save a new name", true, "FILENAME", "ny.txt", 0, 0, "ny.txt"},
        {"save over a file: asks first", true, "PATH", "lista.txt", IDYES, 0, path},
        {"save cancelled, PATH", true, "PATH", nullptr, 0, 1, "f\xF6re"},
    };
    Window owner("Välj");
    const std::string dir = NewTempDir();
    ASSERT_TRUE(WriteFileBytes(dir + "lista.txt", "innehåll"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        for (char* buffer : {vu_OpenPath, vu_SavePath}) std::strcpy(buffer, "C:\\förra\\val.txt");
        for (char* buffer : {vu_OpenName, vu_SaveName}) std::strcpy(buffer, "val.txt");
        SetWindowTextA(owner, "före");
        std::string shown;
        const int result = Choose(row.save, owner, row.word, "TXT_FILTER", nullptr, [&](HWND dialog) {
            shown = TextOf(dialog) + "|" + ItemText(dialog, kNameField);
            if (row.typed == nullptr) return ClickItem(dialog, IDCANCEL);
            SetItemText(dialog, kNameField, (dir + row.typed).c_str());
            ClickItem(dialog, IDOK);
        }, row.box == 0 ? nullptr : std::function<void(HWND)>([&](HWND box) {
            ClickItem(box, row.box);
            if (row.result == 1) ClickItem(GetWindow(box, GW_OWNER), IDCANCEL);
        }));
        EXPECT_EQ(result, row.result);
        EXPECT_EQ(shown, "V\xE4lj|val.txt");  // the title, and the path buffer's name offered
        const std::string chosen = row.result == 0 ? dir + row.typed : "C:\\f\xF6rra\\val.txt";
        const std::string name = row.result == 0 ? row.typed : "val.txt";
        EXPECT_STRCASEEQ(row.save ? vu_SavePath : vu_OpenPath, chosen.c_str());
        EXPECT_STREQ(row.save ? vu_SaveName : vu_OpenName, name.c_str());
        EXPECT_STREQ(row.save ? vu_OpenPath : vu_SavePath, "C:\\f\xF6rra\\val.txt");
        EXPECT_STRCASEEQ(TextOf(owner).c_str(), row.owner_text == path ? chosen.c_str() : row.owner_text);
    }
}

// The names the chooser lists in its folder view, sorted, joined by "|".
static std::string Listed(HWND dialog)
{
    HWND view = FindWindowExA(FindWindowExA(dialog, nullptr, "SHELLDLL_DefView", nullptr), nullptr,
                              "SysListView32", nullptr);
    std::vector<std::string> names;
    for (int i = 0; i < SendMessageA(view, LVM_GETITEMCOUNT, 0, 0); ++i) {
        char text[MAX_PATH] = {};
        LVITEMA item = {};
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(view, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(&item));
        names.push_back(text);
    }
    std::sort(names.begin(), names.end());
    std::string joined;
    for (const auto& n : names) joined += (joined.empty() ? "" : "|") + n;
    return joined;
}

TEST(FileChooser, FilterWordsOfferTheirTypesAndTheFirstTypesPattern)
{
    static const char kOwn[] = "Egna (*.abc)\0*.abc\0Andra (*.xyz)\0*.xyz\0";
    const char* own_types = "Egna (*.abc)|Andra (*.xyz)|";
    const struct { const char* word; const char* own; const char* types; const char* files; } rows[] = {
        {"NONE_FILTER", nullptr, "Alla filer (*.*)|", "a.c|b.CPP|c.txt|d.abc|e.wri"},
        {"TXT_FILTER", nullptr, "Text filer (*.txt)|Alla filer (*.*)|", "c.txt"},
        {"ALL_FILTER", nullptr, "Text filer (*.txt)|Write-dokument (*.wri)|RTF-dokument (*.rtf)|"
            "Works filer (*.w*)|Works-dokument (*.wps)|Works-kalkylblad (*.wks)|Works-databas (*.wdb)|"
            "World 6.0/95-dokument (*.doc)|World 97-dokument (*.doc)|Exel-kalkylblad (*.xl*)|"
            "dBase-databas (*.dbf)|Lotus 1-2-3 dokument(*.wk1)|HTML-dokument (*.htm*)|Alla filer (*.*)|", "c.txt"},
        {"C_DEV_FILTER", nullptr, "Programkod (*.c,*.cpp,*.h)|Resursfiler (*.rc,*.res,*.rh)|Alla filer (*.*)|",
         "a.c|b.CPP"},
        {"OWN_FILTER", kOwn, own_types, "d.abc"},
        // Words outside the table keep the list of the call before (a copy: the caller's is gone).
        {"own_filter", nullptr, own_types, "d.abc"},
        {nullptr, nullptr, own_types, "d.abc"},
        {"OWN_FILTER", nullptr, "", "a.c|b.CPP|c.txt|d.abc|e.wri"},
    };
    Window owner("Typer");
    const std::string dir = NewTempDir();
    for (const char* file : {"a.c", "b.CPP", "c.txt", "d.abc", "e.wri"}) WriteFileBytes(dir + file, "x");
    std::strcpy(vu_OpenPath, (dir + "x").c_str());  // the chooser opens in the path's folder
    for (const auto& row : rows) {
        SCOPED_TRACE(row.word ? row.word : "(null)");
        std::vector<char> own(kOwn, kOwn + sizeof kOwn);
        std::string types, files;
        Choose(false, owner, nullptr, row.word, row.own ? own.data() : nullptr, [&](HWND dialog) {
            HWND list = GetDlgItem(dialog, kTypeList);
            for (int i = 0; i < SendMessageA(list, CB_GETCOUNT, 0, 0); ++i) {
                char text[256] = {};
                SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
                types += std::string(text) + "|";
            }
            WaitFor([&] { return (files = Listed(dialog)) == row.files; }, 3000);
            ClickItem(dialog, IDCANCEL);
        });
        std::fill(own.begin(), own.end(), 'Z');
        EXPECT_EQ(types, row.types);
        EXPECT_EQ(files, row.files);
    }
}

TEST(FileChooser, SeveralFilesGiveTheFolderAndEachNameUnlessTheyOverflowTheBuffer)
{
    const std::string dir = NewTempDir();
    std::string many;
    for (std::string name : {"a.txt", "b.txt", "0", "1", "2", "3", "4", "5"}) {
        if (name.size() == 1) many += "\"" + (name = "ett_ganska_langt_filnamn_som_inte_ryms_i_bufferten_" + name + ".txt") + "\" ";
        WriteFileBytes(dir + name, "x");
    }
    const struct { const char* name; std::string typed; int result; std::string list; } rows[] = {
        {"two files", "\"a.txt\" \"b.txt\"", 0, std::string("\0a.txt\0b.txt\0\0", 14)},
        {"more than 260 characters", many, 1, ""},
    };
    Window owner("Flera");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        std::strcpy(vu_OpenPath, "C:\\tidigare.txt");
        std::strcpy(vu_OpenName, "tidigare.txt");
        EXPECT_EQ(Choose(false, owner, "PATH", "NONE_FILTER", nullptr, [&](HWND dialog) {
            Enter(dialog, dir);
            Enter(dialog, row.typed);
            if (IsWindow(dialog)) ClickItem(dialog, IDCANCEL);
        }), row.result);
        const std::string expected = row.result == 0 ? Folder(dir) + row.list : "C:\\tidigare.txt";
        EXPECT_EQ(Lower(std::string(vu_OpenPath, expected.size())), Lower(expected));
        if (row.result != 0) {
            EXPECT_STREQ(vu_OpenName, "tidigare.txt");
        }
        EXPECT_STRCASEEQ(TextOf(owner).c_str(), row.result == 0 ? Folder(dir).c_str() : "C:\\tidigare.txt");
    }
}

TEST(FileChooser, AnUnterminatedPathBufferIsOfferedCutToTheBuffer)
{
    Window owner("Lång");
    std::memset(vu_OpenPath, 'x', MAX_PATH);
    EXPECT_EQ(Choose(false, owner, "PATH", "NONE_FILTER", nullptr, [](HWND d) { ClickItem(d, IDCANCEL); }), 1);
    EXPECT_EQ(TextOf(owner), std::string(MAX_PATH - 1, 'x'));
}
