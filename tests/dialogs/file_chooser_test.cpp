// File choosers: real open and save dialogs completed through their name field and buttons,
// the filter lists they offer, the process-wide buffers and the result words.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "vu_test.h"

namespace {

using dialog_driver::Driver;
using dialog_driver::TextOf;

constexpr int kNameField = 0x47C;
constexpr int kTypeList = 0x470;

HWND NewOwner()
{
    return vu_WindowCreate(GetModuleHandleA(nullptr), vu_test::UniqueTitle("Välj").c_str(), 60,
                           60, 300, 200, "CLO");
}

std::string NewFile(const std::string& dir, const std::string& name)
{
    EXPECT_TRUE(vu_test::WriteFileBytes(dir + name, "innehåll"));
    return dir + name;
}

// Types text into the name field and presses OK, waiting for the press to be handled.
void Enter(HWND dialog, const std::string& text)
{
    SendMessageA(GetDlgItem(dialog, kNameField), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

std::vector<std::string> TypeList(HWND dialog)
{
    std::vector<std::string> types;
    HWND list = GetDlgItem(dialog, kTypeList);
    const int count = static_cast<int>(SendMessageA(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[256] = {};
        SendMessageA(list, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        types.push_back(text);
    }
    return types;
}

void SetBuffer(char* buffer, const char* text) { std::strcpy(buffer, text); }

TEST(FileOpen, ChoosingAFileFillsPathAndNameAndTheOwnersText)
{
    SKIP_UNDER_HEAP_CHECKER();
    HWND owner = NewOwner();
    const std::string dir = vu_test::NewTempDir();
    const std::string file = NewFile(dir, "lista.txt");
    SetBuffer(vu_OpenPath, "");
    std::string title;
    Driver driver(owner, [&](HWND dialog) {
        title = TextOf(dialog);
        Enter(dialog, file);
    });
    EXPECT_EQ(vu_FileOpenDialog(owner, "Kopiera från fil..", "PATH", "NONE_FILTER", "0"), 0);
    ASSERT_TRUE(driver.found());
    EXPECT_EQ(title, "Kopiera fr\xE5n fil..");
    EXPECT_STRCASEEQ(vu_OpenPath, file.c_str());
    EXPECT_STREQ(vu_OpenName, "lista.txt");
    EXPECT_STRCASEEQ(TextOf(owner).c_str(), file.c_str());

    // The path buffer is the chooser's initial choice (its folder opens, its name is offered);
    // FILENAME puts the bare name in the text.
    std::string offered;
    Driver again(owner, [&](HWND dialog) {
        offered = TextOf(GetDlgItem(dialog, kNameField));
        Enter(dialog, file);
    });
    EXPECT_EQ(vu_FileOpenDialog(owner, "Öppna", "FILENAME", "TXT_FILTER", nullptr), 0);
    EXPECT_EQ(offered, "lista.txt");
    EXPECT_EQ(TextOf(owner), "lista.txt");
    vu_WindowDestroy(owner);
}

TEST(FileOpen, CancelStillAppliesTheResultWordWithTheEarlierContent)
{
    SKIP_UNDER_HEAP_CHECKER();
    HWND owner = NewOwner();
    SetBuffer(vu_OpenPath, "C:\\tidigare\\val.txt");
    SetBuffer(vu_OpenName, "val.txt");
    for (const char* word : {"PATH", "FILENAME", "NONE", static_cast<const char*>(nullptr)}) {
        SetWindowTextA(owner, "före");
        Driver driver(owner, [](HWND dialog) { dialog_driver::Click(dialog, IDCANCEL); });
        EXPECT_EQ(vu_FileOpenDialog(owner, "Öppna", word, "NONE_FILTER", nullptr), 1);
        EXPECT_TRUE(driver.found());
        const std::string expected = word == nullptr                   ? "f\xF6re"
                                     : std::string(word) == "PATH"     ? "C:\\tidigare\\val.txt"
                                     : std::string(word) == "FILENAME" ? "val.txt"
                                                                       : "f\xF6re";
        EXPECT_EQ(TextOf(owner), expected) << (word ? word : "(null)");
        EXPECT_STREQ(vu_OpenPath, "C:\\tidigare\\val.txt");
        EXPECT_STREQ(vu_OpenName, "val.txt");
    }
    vu_WindowDestroy(owner);
}

TEST(FileOpen, FilterWordsOfferTheirLists)
{
    SKIP_UNDER_HEAP_CHECKER();
    HWND owner = NewOwner();
    const std::vector<std::string> all = {"Alla filer (*.*)"};
    const std::vector<std::string> text = {"Text filer (*.txt)", "Alla filer (*.*)"};
    const std::vector<std::string> documents = {
        "Text filer (*.txt)",          "Write-dokument (*.wri)",
        "RTF-dokument (*.rtf)",        "Works filer (*.w*)",
        "Works-dokument (*.wps)",      "Works-kalkylblad (*.wks)",
        "Works-databas (*.wdb)",       "World 6.0/95-dokument (*.doc)",
        "World 97-dokument (*.doc)",   "Exel-kalkylblad (*.xl*)",
        "dBase-databas (*.dbf)",       "Lotus 1-2-3 dokument(*.wk1)",
        "HTML-dokument (*.htm*)",      "Alla filer (*.*)"};
    const std::vector<std::string> program = {"Programkod (*.c,*.cpp,*.h)",
                                              "Resursfiler (*.rc,*.res,*.rh)", "Alla filer (*.*)"};
    const char own_list[] = "Egna (*.abc)\0*.abc\0Andra (*.xyz)\0*.xyz\0";
    const std::vector<std::string> own = {"Egna (*.abc)", "Andra (*.xyz)"};
    const struct {
        const char* word;
        const std::vector<std::string>* expected;
    } cases[] = {
        {"NONE_FILTER", &all},    {"TXT_FILTER", &text},     {"ALL_FILTER", &documents},
        {"C_DEV_FILTER", &program}, {"OWN_FILTER", &own},
        // Unknown words keep the previous call's list.
        {"none_filter", &own},    {"", &own},                {nullptr, &own},
        {"TXT_FILTER", &text},    {"FILTER", &text},
    };
    for (const auto& c : cases) {
        std::vector<std::string> seen;
        Driver driver(owner, [&](HWND dialog) {
            seen = TypeList(dialog);
            dialog_driver::Click(dialog, IDCANCEL);
        });
        // The own list is a copy the caller may reuse once the call returns.
        std::vector<char> list(own_list, own_list + sizeof own_list);
        EXPECT_EQ(vu_FileOpenDialog(owner, "Typer", nullptr, c.word, list.data()), 1);
        std::fill(list.begin(), list.end(), '\0');
        EXPECT_EQ(seen, *c.expected) << (c.word ? c.word : "(null)");
    }
    vu_WindowDestroy(owner);
}

TEST(FileOpen, EmptyOwnFilterOffersNoTypes)
{
    HWND owner = NewOwner();
    for (const char* list : {static_cast<const char*>(nullptr), ""}) {
        std::vector<std::string> seen = {"unread"};
        Driver driver(owner, [&](HWND dialog) {
            seen = TypeList(dialog);
            dialog_driver::Click(dialog, IDCANCEL);
        });
        EXPECT_EQ(vu_FileOpenDialog(owner, nullptr, nullptr, "OWN_FILTER", list), 1);
        EXPECT_TRUE(driver.found());
        EXPECT_TRUE(seen.empty());
    }
    vu_WindowDestroy(owner);
}

TEST(FileOpen, SeveralFilesGiveTheFolderThenEachName)
{
    SKIP_UNDER_HEAP_CHECKER();
    HWND owner = NewOwner();
    const std::string dir = vu_test::NewTempDir();
    NewFile(dir, "ett.txt");
    NewFile(dir, "tva.txt");
    Driver driver(owner, [&](HWND dialog) {
        Enter(dialog, dir);  // into the folder
        Enter(dialog, "\"ett.txt\" \"tva.txt\"");
    });
    ASSERT_EQ(vu_FileOpenDialog(owner, "Flera", "PATH", "NONE_FILTER", nullptr), 0);
    const std::string folder = dir.substr(0, dir.size() - 1);
    EXPECT_STRCASEEQ(vu_OpenPath, folder.c_str());
    const char* second = vu_OpenPath + std::strlen(vu_OpenPath) + 1;
    const char* third = second + std::strlen(second) + 1;
    EXPECT_STREQ(second, "ett.txt");
    EXPECT_STREQ(third, "tva.txt");
    EXPECT_STREQ(third + std::strlen(third) + 1, "");
    EXPECT_STRCASEEQ(TextOf(owner).c_str(), folder.c_str());
    vu_WindowDestroy(owner);
}

TEST(FileOpen, SelectionsTooLongForTheBufferAreNotChoices)
{
    SKIP_UNDER_HEAP_CHECKER();
    HWND owner = NewOwner();
    const std::string dir = vu_test::NewTempDir();
    std::string names;
    for (int i = 0; i < 6; ++i) {
        const std::string name = "en_ganska_lang_filnamn_som_inte_ryms_i_bufferten_" +
                                 std::to_string(i) + ".txt";
        NewFile(dir, name);
        names += "\"" + name + "\" ";
    }
    SetBuffer(vu_OpenPath, "C:\\tidigare.txt");
    SetBuffer(vu_OpenName, "tidigare.txt");
    Driver driver(owner, [&](HWND dialog) {
        Enter(dialog, dir);
        Enter(dialog, names);
        if (IsWindow(dialog)) dialog_driver::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(vu_FileOpenDialog(owner, "Många", "PATH", "NONE_FILTER", nullptr), 1);
    EXPECT_STREQ(vu_OpenPath, "C:\\tidigare.txt");
    EXPECT_STREQ(vu_OpenName, "tidigare.txt");
    EXPECT_EQ(TextOf(owner), "C:\\tidigare.txt");
    vu_WindowDestroy(owner);
}

TEST(FileOpen, UnterminatedInitialNameIsCutToTheBuffer)
{
    SKIP_UNDER_HEAP_CHECKER();
    HWND owner = NewOwner();
    std::memset(vu_OpenPath, 'x', sizeof vu_OpenPath);
    std::string offered;
    Driver driver(owner, [&](HWND dialog) {
        offered = TextOf(GetDlgItem(dialog, kNameField));
        dialog_driver::Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(vu_FileOpenDialog(owner, "Lång", "PATH", "NONE_FILTER", nullptr), 1);
    EXPECT_EQ(std::string(vu_OpenPath), std::string(MAX_PATH - 1, 'x'));
    EXPECT_EQ(TextOf(owner), std::string(MAX_PATH - 1, 'x'));
    vu_WindowDestroy(owner);
}

TEST(FileSave, ChoosingANameFillsTheSaveBuffersOnly)
{
    SKIP_UNDER_HEAP_CHECKER();
    HWND owner = NewOwner();
    const std::string dir = vu_test::NewTempDir();
    SetBuffer(vu_OpenPath, "C:\\orörd.txt");
    Driver driver(owner, [&](HWND dialog) { Enter(dialog, dir + "ny.txt"); });
    EXPECT_EQ(vu_FileSaveDialog(owner, "Spara som", "FILENAME", "TXT_FILTER", nullptr), 0);
    ASSERT_TRUE(driver.found());
    EXPECT_STRCASEEQ(vu_SavePath, (dir + "ny.txt").c_str());
    EXPECT_STREQ(vu_SaveName, "ny.txt");
    EXPECT_EQ(TextOf(owner), "ny.txt");
    EXPECT_STREQ(vu_OpenPath, "C:\\or\xF6rd.txt");
    vu_WindowDestroy(owner);
}

TEST(FileSave, CancelLeavesTheOwnersTextAlone)
{
    SKIP_UNDER_HEAP_CHECKER();
    HWND owner = NewOwner();
    SetBuffer(vu_SavePath, "C:\\sparad.txt");
    SetWindowTextA(owner, "oförändrad");
    Driver driver(owner, [](HWND dialog) { dialog_driver::Click(dialog, IDCANCEL); });
    EXPECT_EQ(vu_FileSaveDialog(owner, "Spara", "PATH", "ALL_FILTER", nullptr), 1);
    EXPECT_TRUE(driver.found());
    EXPECT_EQ(TextOf(owner), "of\xF6r\xE4ndrad");
    EXPECT_STREQ(vu_SavePath, "C:\\sparad.txt");
    vu_WindowDestroy(owner);
}

TEST(FileSave, ReplacingAnExistingFileAsksFirst)
{
    SKIP_UNDER_HEAP_CHECKER();
    HWND owner = NewOwner();
    const std::string dir = vu_test::NewTempDir();
    const std::string file = NewFile(dir, "finns.txt");
    bool asked = false;
    Driver driver(owner, [&](HWND dialog) {
        SendMessageA(GetDlgItem(dialog, kNameField), WM_SETTEXT, 0,
                     reinterpret_cast<LPARAM>(file.c_str()));
        dialog_driver::Click(dialog, IDOK);
        HWND question = dialog_driver::FindDialog(dialog);
        asked = question != nullptr;
        if (question) dialog_driver::Click(question, IDYES);
    });
    EXPECT_EQ(vu_FileSaveDialog(owner, "Spara", "PATH", "NONE_FILTER", nullptr), 0);
    EXPECT_TRUE(asked);
    EXPECT_STRCASEEQ(vu_SavePath, file.c_str());
    vu_WindowDestroy(owner);
}

TEST(FileSave, OverlongNameIsNoChoice)
{
    SKIP_UNDER_HEAP_CHECKER();
    HWND owner = NewOwner();
    const std::string dir = vu_test::NewTempDir();
    SetBuffer(vu_SavePath, "C:\\kort.txt");
    SetBuffer(vu_SaveName, "kort.txt");
    Driver driver(owner, [&](HWND dialog) {
        Enter(dialog, dir + std::string(300, 'n') + ".txt");
        if (IsWindow(dialog)) {
            // Some platforms refuse the name with a message of their own first.
            HWND refusal = dialog_driver::FindDialog(dialog, 500);
            if (refusal) PostMessageA(refusal, WM_CLOSE, 0, 0);
            dialog_driver::PollFor([&] { return !refusal || !IsWindow(refusal); });
            dialog_driver::Click(dialog, IDCANCEL);
        }
    });
    EXPECT_EQ(vu_FileSaveDialog(owner, "Spara", "PATH", "NONE_FILTER", nullptr), 1);
    EXPECT_STREQ(vu_SavePath, "C:\\kort.txt");
    EXPECT_STREQ(vu_SaveName, "kort.txt");
    vu_WindowDestroy(owner);
}

}  // namespace
