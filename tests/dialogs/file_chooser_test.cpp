// File choosers completed through their name field and buttons: buffers and owner's text after a choice or a cancel,
// the flags as the dialog behaves, names the buffer cannot hold, the filter words' types and patterns.
#include <gtest/gtest.h>

#include <cstring>

#include "dialog_driver.h"

#include <commctrl.h>

using namespace vu_test;
using namespace std::string_literals;

static std::string Lower(std::string text) { CharLowerBuffA(&text[0], text.size()); return text; }

TEST(FileChooser, ChoiceOrCancelLeavesBuffersOwnersTextAndFilterAsTheWordsAndFlagsSay)
{
    const std::string dir = NewTempDir(), folder = dir.substr(0, dir.size() - 1), x(MAX_PATH - 1, 'x');
    std::string many;  // eight names of 36 characters: with the folder more than the buffer holds
    for (std::string name : {"lista.txt", "a.txt", "b.txt", "a.c", "b.CPP", "d.abc", "e.wri", "0", "1", "2", "3",
                             "4", "5", "6", "7"}) {
        if (name.size() == 1) many += "\"" + (name = "namn_som_inte_ryms_i_bufferten_" + name + ".txt") + "\" ";
        ASSERT_TRUE(WriteFileBytes(dir + name, "x"));
    }
    static const char kOwn[] = "Egna (*.abc)\0*.abc\0Andra (*.xyz)\0*.xyz\0";
    const char *all = "Alla filer (*.*)|", *txt = "Text filer (*.txt)|Alla filer (*.*)|";
    const char* own = "Egna (*.abc)|Andra (*.xyz)|";
    const char* documents = "Text filer (*.txt)|Write-dokument (*.wri)|RTF-dokument (*.rtf)|Works filer (*.w*)|"
        "Works-dokument (*.wps)|Works-kalkylblad (*.wks)|Works-databas (*.wdb)|World 6.0/95-dokument (*.doc)|"
        "World 97-dokument (*.doc)|Exel-kalkylblad (*.xl*)|dBase-databas (*.dbf)|Lotus 1-2-3 dokument(*.wk1)|"
        "HTML-dokument (*.htm*)|Alla filer (*.*)|";
    // "~" stands for the test's folder; typed names are in it; typed "": cancelled. Path x: the path buffer starts
    // full of x, unterminated. Filter words outside the table keep the list of the chooser's call before (a copy:
    // the caller's list is overwritten after each call); OWN_FILTER without a list: no filter.
    const struct { const char* name; bool save; const char *word, *filter; bool own; std::string typed;
                   int box, result; std::string path, file, owner; const char *types, *files; } rows[] = {
        {"open a file", 0, "PATH", "NONE_FILTER", 0, "lista.txt", 0, 0, "~\\lista.txt", "lista.txt", "~\\lista.txt",
         all, nullptr},
        {"open a missing file: refused", 0, nullptr, "ALL_FILTER", 0, "saknas.txt", IDOK, 1, "~\\val.txt", "val.txt",
         "f\xF6re", documents, nullptr},
        {"open cancelled, FILENAME", 0, "FILENAME", "C_DEV_FILTER", 0, "", 0, 1, "~\\val.txt", "val.txt", "val.txt",
         "Programkod (*.c,*.cpp,*.h)|Resursfiler (*.rc,*.res,*.rh)|Alla filer (*.*)|", "a.c|b.CPP|"},
        {"open cancelled, other word", 0, "path", "OWN_FILTER", 1, "", 0, 1, "~\\val.txt", "val.txt", "f\xF6re",
         own, "d.abc|"},
        {"two files", 0, "PATH", "own_filter", 0, "\"a.txt\" \"b.txt\"", 0, 0, "~\0a.txt\0b.txt\0\0"s, "", "~",
         own, nullptr},
        {"files beyond 260 characters", 0, "PATH", "OWN_FILTER", 0, many, 0, 1, "~\\val.txt", "val.txt",
         "~\\val.txt", "", nullptr},
        {"unterminated path cut", 0, "PATH", "TXT_FILTER", 0, "", 0, 1, x, "val.txt", x, txt, nullptr},
        {"save over a file: asks first", 1, "FILENAME", "OWN_FILTER", 1, "lista.txt", IDYES, 0, "~\\lista.txt",
         "lista.txt", "lista.txt", own, nullptr},
        {"save cancelled, PATH", 1, "PATH", nullptr, 0, "", 0, 1, "~\\val.txt", "val.txt", "f\xF6re", own, nullptr},
    };
    Window owner("Välj");
    const auto in = [&](std::string text) { return Lower(text[0] == '~' ? text.replace(0, 1, folder) : text); };
    char text[MAX_PATH] = {};
    LVITEMA item = {0, 0, 0, 0, 0, text, sizeof text, 0, 0, 0, 0, 0, nullptr, nullptr, 0};
    const auto entries = [&](HWND list, UINT count, UINT get, LPARAM into) {  // each followed by "|"
        std::string joined;
        for (int i = 0; i < SendMessageA(list, count, 0, 0); ++i)
            joined += std::string(text, SendMessageA(list, get, i, into)) + "|";
        return joined;
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        for (char* buffer : {vu_OpenPath, vu_SavePath}) std::strcpy(buffer, (dir + "val.txt").c_str());
        for (char* buffer : {vu_OpenName, vu_SaveName}) std::strcpy(buffer, "val.txt");
        if (row.path == x) std::memset(vu_OpenPath, 'x', MAX_PATH);
        std::vector<char> own_list(sizeof kOwn, 'Z');  // the caller's list, where there is one
        if (row.own) own_list.assign(kOwn, kOwn + sizeof kOwn);
        SetWindowTextA(owner, "före");
        std::string shown, files;
        DialogDriver driver([&](HWND dialog) {
            shown = ItemText(dialog, 0x47C) + "|" + entries(GetDlgItem(dialog, 0x470), CB_GETCOUNT, CB_GETLBTEXT,
                                                             (LPARAM)text);
            HWND view = FindWindowExA(FindWindowExA(dialog, nullptr, "SHELLDLL_DefView", nullptr), nullptr,
                                      "SysListView32", nullptr);
            if (row.files)  // in the view's order (by name)
                WaitFor([&] { return (files = entries(view, LVM_GETITEMCOUNT, LVM_GETITEMTEXTA, (LPARAM)&item)) ==
                                     row.files; }, 3000);
            if (row.typed.empty()) return ClickItem(dialog, IDCANCEL);
            SetItemText(dialog, 0x47C, row.typed.c_str());
            ClickItem(dialog, IDOK);
        }, owner);
        if (row.box) driver.Then([&](HWND box) {
            ClickItem(box, row.box);
            if (row.result == 1) ClickItem(GetWindow(box, GW_OWNER), IDCANCEL);
        });
        const int result = (row.save ? vu_FileSaveDialog : vu_FileOpenDialog)(owner, "Välj", row.word, row.filter,
                                                                             row.own ? own_list.data() : nullptr);
        std::fill(own_list.begin(), own_list.end(), 'Z');
        const std::string path(row.save ? vu_SavePath : vu_OpenPath, in(row.path).size());
        const std::string file = row.file.empty() ? "" : row.save ? vu_SaveName : vu_OpenName;
        EXPECT_EQ(std::to_string(result) + "|" + shown + "|" + Lower(path) + "|" + file + "|" + Lower(TextOf(owner)) + "|"
                  + files + (driver.gave_up() ? "|gave up" : ""), std::to_string(row.result) + "|" + (row.path == x ? x :
                  "val.txt") + "|" + row.types + "|" + in(row.path) + "|" + row.file + "|" + in(row.owner) + "|" +
                  (row.files ? row.files : ""));
        EXPECT_STREQ(row.save ? vu_OpenPath : vu_SavePath, (dir + "val.txt").c_str());  // the other chooser's
    }
}
