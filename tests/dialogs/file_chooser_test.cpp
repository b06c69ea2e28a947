// File choosers completed through their name field and buttons: the buffers and the owner's text after a choice or
// a cancel, the flags as the dialog behaves, names the buffer cannot hold, the filter words' types and patterns.
#include <gtest/gtest.h>

#include <cstring>

#include "dialog_driver.h"

#include <commctrl.h>

using namespace vu_test;
using namespace std::string_literals;

constexpr int kNameField = 0x47C, kTypeList = 0x470;

static std::string Lower(std::string text) { CharLowerBuffA(&text[0], text.size()); return text; }

// Opens a chooser completed by act (and by then, on a box the chooser opens); its answer.
static int Choose(bool save, HWND owner, const char* word, const char* filter, const char* own,
                  std::function<void(HWND)> act, std::function<void(HWND)> then = nullptr)
{
    DialogDriver driver(std::move(act), owner);
    if (then) driver.Then(std::move(then));
    const int answer = (save ? vu_FileSaveDialog : vu_FileOpenDialog)(owner, "Välj", word, filter, own);
    EXPECT_TRUE(driver.found() && !driver.gave_up());
    return answer;
}

TEST(FileChooser, ChoiceOrCancelLeavesBuffersAndOwnersTextAsTheFlagsAndWordsSay)
{
    const std::string dir = NewTempDir(), folder = dir.substr(0, dir.size() - 1);
    std::string many;  // eight names of 64 characters: more than the buffer holds
    for (std::string name : {"lista.txt", "a.txt", "b.txt", "0", "1", "2", "3", "4", "5", "6", "7"}) {
        if (name.size() == 1) many += "\"" + (name = "ett_ganska_langt_filnamn_som_inte_ryms_i_bufferten_nr_" + name + ".txt") + "\" ";
        ASSERT_TRUE(WriteFileBytes(dir + name, "x"));
    }
    // In the expectations "~" stands for the test's folder; the typed names are in that folder.
    const struct { const char* name; bool save; const char* word; std::string typed; int box, result; std::string path, file, owner; } rows[] = {
        {"open a file, PATH", false, "PATH", "lista.txt", 0, 0, "~\\lista.txt", "lista.txt", "~\\lista.txt"},
        {"open a file, FILENAME", false, "FILENAME", "lista.txt", 0, 0, "~\\lista.txt", "lista.txt", "lista.txt"},
        {"open a missing file: refused", false, "PATH", "saknas.txt", IDOK, 1, "~\\val.txt", "val.txt", "~\\val.txt"},
        {"open cancelled, FILENAME", false, "FILENAME", "", 0, 1, "~\\val.txt", "val.txt", "val.txt"},
        {"open cancelled, other word", false, "path", "", 0, 1, "~\\val.txt", "val.txt", "f\xF6re"},
        {"open cancelled, no word", false, nullptr, "", 0, 1, "~\\val.txt", "val.txt", "f\xF6re"},
        {"two files", false, "PATH", "\"a.txt\" \"b.txt\"", 0, 0, "~\0a.txt\0b.txt\0\0"s, "", "~"},
        {"files beyond 260 characters", false, "PATH", many, 0, 1, "~\\val.txt", "val.txt", "~\\val.txt"},
        {"save a new name", true, "FILENAME", "ny.txt", 0, 0, "~\\ny.txt", "ny.txt", "ny.txt"},
        {"save over a file: asks first", true, "PATH", "lista.txt", IDYES, 0, "~\\lista.txt", "lista.txt", "~\\lista.txt"},
        {"save cancelled, PATH", true, "PATH", "", 0, 1, "~\\val.txt", "val.txt", "f\xF6re"},
    };
    Window owner("Välj");
    const auto in = [&](std::string text) { return Lower(text[0] == '~' ? text.replace(0, 1, folder) : text); };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        for (char* buffer : {vu_OpenPath, vu_SavePath}) std::strcpy(buffer, (dir + "val.txt").c_str());
        for (char* buffer : {vu_OpenName, vu_SaveName}) std::strcpy(buffer, "val.txt");
        SetWindowTextA(owner, "före");
        std::string shown;
        const int result = Choose(row.save, owner, row.word, "TXT_FILTER", nullptr, [&](HWND dialog) {
            shown = TextOf(dialog) + "|" + ItemText(dialog, kNameField);
            if (row.typed.empty()) return ClickItem(dialog, IDCANCEL);
            SetItemText(dialog, kNameField, row.typed.c_str());
            ClickItem(dialog, IDOK);
        }, row.box == 0 ? nullptr : std::function<void(HWND)>([&](HWND box) {
            ClickItem(box, row.box);
            if (row.result == 1) ClickItem(GetWindow(box, GW_OWNER), IDCANCEL);
        }));
        const std::string path(row.save ? vu_SavePath : vu_OpenPath, in(row.path).size());
        const std::string file = row.file.empty() ? "" : row.save ? vu_SaveName : vu_OpenName;
        EXPECT_EQ(std::to_string(result) + "|" + shown + "|" + Lower(path) + "|" + file + "|" + Lower(TextOf(owner)),
                  std::to_string(row.result) + "|V\xE4lj|val.txt|" + in(row.path) + "|" + row.file + "|" + in(row.owner));
        EXPECT_STREQ(row.save ? vu_OpenPath : vu_SavePath, (dir + "val.txt").c_str());  // the other chooser's
    }
    // An unterminated path buffer is offered cut to the buffer.
    std::memset(vu_OpenPath, 'x', MAX_PATH);
    EXPECT_EQ(Choose(false, owner, "PATH", "NONE_FILTER", nullptr, [](HWND d) { ClickItem(d, IDCANCEL); }), 1);
    EXPECT_EQ(TextOf(owner), std::string(MAX_PATH - 1, 'x'));
}

TEST(FileChooser, FilterWordsOfferTheirTypesAndTheFirstTypesPattern)
{
    static const char kOwn[] = "Egna (*.abc)\0*.abc\0Andra (*.xyz)\0*.xyz\0";
    const char* own_types = "Egna (*.abc)|Andra (*.xyz)|";
    const struct { const char* word; const char* own; const char* types; const char* files; } rows[] = {
        {"NONE_FILTER", nullptr, "Alla filer (*.*)|", "a.c|b.CPP|c.txt|d.abc|e.wri|"},
        {"TXT_FILTER", nullptr, "Text filer (*.txt)|Alla filer (*.*)|", "c.txt|"},
        {"ALL_FILTER", nullptr, "Text filer (*.txt)|Write-dokument (*.wri)|RTF-dokument (*.rtf)|"
            "Works filer (*.w*)|Works-dokument (*.wps)|Works-kalkylblad (*.wks)|Works-databas (*.wdb)|"
            "World 6.0/95-dokument (*.doc)|World 97-dokument (*.doc)|Exel-kalkylblad (*.xl*)|"
            "dBase-databas (*.dbf)|Lotus 1-2-3 dokument(*.wk1)|HTML-dokument (*.htm*)|Alla filer (*.*)|", "c.txt|"},
        {"C_DEV_FILTER", nullptr, "Programkod (*.c,*.cpp,*.h)|Resursfiler (*.rc,*.res,*.rh)|Alla filer (*.*)|", "a.c|b.CPP|"},
        {"OWN_FILTER", kOwn, own_types, "d.abc|"},
        // Words outside the table keep the list of the call before (a copy: the caller's is gone).
        {"own_filter", nullptr, own_types, "d.abc|"}, {nullptr, nullptr, own_types, "d.abc|"},
        {"OWN_FILTER", nullptr, "", "a.c|b.CPP|c.txt|d.abc|e.wri|"},
    };
    Window owner("Typer");
    const std::string dir = NewTempDir();
    for (const char* file : {"a.c", "b.CPP", "c.txt", "d.abc", "e.wri"}) WriteFileBytes(dir + file, "x");
    std::strcpy(vu_OpenPath, (dir + "x").c_str());  // the chooser opens in the path's folder
    for (const auto& row : rows) {
        SCOPED_TRACE(row.word ? row.word : "(null)");
        std::vector<char> own(sizeof kOwn, 'Z');  // the caller's list, where there is one
        if (row.own) own.assign(kOwn, kOwn + sizeof kOwn);
        std::string types, files;
        Choose(false, owner, nullptr, row.word, row.own ? own.data() : nullptr, [&](HWND dialog) {
            char text[MAX_PATH] = {};
            LVITEMA item = {};
            item.pszText = text;
            item.cchTextMax = sizeof text;
            const auto entries = [&](HWND list, UINT count, UINT get, LPARAM into) {  // each followed by "|"
                std::string joined;
                for (int i = 0; i < SendMessageA(list, count, 0, 0); ++i) joined += std::string(text, SendMessageA(list, get, i, into)) + "|";
                return joined;
            };
            types = entries(GetDlgItem(dialog, kTypeList), CB_GETCOUNT, CB_GETLBTEXT, (LPARAM)text);
            // The names the folder view lists, in its order (by name).
            HWND view = FindWindowExA(FindWindowExA(dialog, nullptr, "SHELLDLL_DefView", nullptr), nullptr, "SysListView32", nullptr);
            WaitFor([&] { return (files = entries(view, LVM_GETITEMCOUNT, LVM_GETITEMTEXTA, (LPARAM)&item)) == row.files; }, 3000);
            ClickItem(dialog, IDCANCEL);
        });
        std::fill(own.begin(), own.end(), 'Z');
        EXPECT_EQ(types, row.types);
        EXPECT_EQ(files, row.files);
    }
}
