// The standard dialogs read back and completed through their real controls: message boxes, the find dialog
// and its messages, the colour, font, print, resource and folder dialogs, and the cursor queries.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "dialog_driver.h"

#include <commdlg.h>
#include <shlobj.h>

using namespace vu_test;

// Button letters: the platform's id and the toolkit's answer when pressed.
const struct { char letter; int id, answer; } kButtons[] = {{'O', IDOK, 5}, {'C', IDCANCEL, 6}, {'A', IDABORT, 6},
    {'R', IDRETRY, 3}, {'I', IDIGNORE, 2}, {'Y', IDYES, 4}, {'N', IDNO, 1}, {'H', IDHELP, 0}};

// A box as "caption|text|buttons left to right|default button", and " icon " and its icon's handle.
static std::string Read(HWND box)
{
    std::vector<std::pair<LONG, char>> at;
    std::string default_button = "-", icon;
    for (HWND c : Children(box)) {
        for (const auto& b : kButtons)
            if (ClassOf(c) == "Button" && GetDlgCtrlID(c) == b.id && IsWindowVisible(c)) {
                at.push_back({RectInParent(c).left, b.letter});
                if ((StyleOf(c) & 0xF) == BS_DEFPUSHBUTTON) default_button = b.letter;
            }
        if (ClassOf(c) == "Static" && SendMessageA(c, STM_GETICON, 0, 0))
            icon = " icon " + std::to_string(SendMessageA(c, STM_GETICON, 0, 0));
    }
    std::sort(at.begin(), at.end());
    std::string seen = TextOf(box) + "|" + ItemText(box, 0xFFFF) + "|";
    for (const auto& b : at) seen += b.second;
    return seen + "|" + default_button + icon;
}

// Shows a question box and lets act answer it: "answer box as read".
static std::string Ask(HWND owner, const char* icon, const char* word, std::function<void(HWND)> act)
{
    std::string seen;
    DialogDriver driver([&](HWND box) { seen = Read(box); act(box); }, owner);
    const int answer = vu_MessageAsk(owner, "Fråga", "Vill du?", icon, word);
    return std::to_string(answer) + " " + seen + (driver.gave_up() ? " gave up" : "");
}

TEST(MessageBoxes, WordsPickButtonsDefaultAndIconClosingAnOkOnlyBoxAnswersOkAndOptionDEmptiesTheText)
{
    // The default button last; an icon word and the id of the system icon it shows.
    const struct { const char* word; const char* buttons; const char* icon = nullptr; LPCSTR id = nullptr; } sets[] = {
        {"OK", "O|O"}, {"OK_help", "OH|O"}, {"ok_HELP", "OH|H"}, {"OK_cancel", "OC|O"}, {"ok_CANCEL", "OC|C"},
        {"OK_cancel_help", "OCH|O"}, {"ok_CANCEL_help", "OCH|C"}, {"ok_cancel_HELP", "OCH|H"}, {"RETRY_cancel", "RC|R"},
        {"retry_CANCEL", "RC|C"}, {"RETRY_cancel_help", "RCH|R"}, {"retry_CANCEL_help", "RCH|C"},
        {"retry_cancel_HELP", "RCH|H"}, {"YES_no", "YN|Y", "EXCLAMATION", IDI_EXCLAMATION},
        {"yes_NO", "YN|N", "INFORMATION", IDI_ASTERISK}, {"YES_no_help", "YNH|Y", "QUESTION", IDI_QUESTION},
        {"yes_NO_help", "YNH|N", "STOP", IDI_HAND}, {"yes_no_HELP", "YNH|H", "Stop"},
        {"YES_no_cancel", "YNC|Y", "QUESTIONS"}, {"yes_NO_cancel", "YNC|N"}, {"yes_no_CANCEL", "YNC|C"},
        {"YES_no_cancel_help", "YNCH|Y"}, {"yes_NO_cancel_help", "YNCH|N"}, {"yes_no_CANCEL_help", "YNCH|C"},
        {"yes_no_cancel_HELP", "YNCH|H"}, {"CANCEL_retry_ignore", "ARI|A"}, {"cancel_RETRY_ignore", "ARI|R"},
        {"cancel_retry_IGNORE", "ARI|I"}, {"CANCEL_retry_ignore_help", "ARIH|A"}, {"cancel_RETRY_ignore_help", "ARIH|R"},
        {"cancel_retry_IGNORE_help", "ARIH|I"}, {"cancel_retry_ignore_HELP", "ARIH|H"}, {"yes_no", "O|O"},
        {"YES_NO", "O|O"}, {"", "O|O"}, {nullptr, "O|O"}};
    const struct { const char* word; UINT message; WPARAM wparam; int answer; } closed[] = {
        {"OK", WM_COMMAND, IDCANCEL, 5}, {"OK_help", WM_CLOSE, 0, 5}, {"okänt", WM_CLOSE, 0, 5},  // Escape: IDCANCEL
        {"OK_cancel", WM_COMMAND, IDCANCEL, 6}, {"yes_no_CANCEL", WM_CLOSE, 0, 6}};
    const struct { const char* option; const char* after; } options[] = {{"D", ""}, {"N", "Finns inga uppgifter"},
        {"d", "Finns inga uppgifter"}, {"DD", "Finns inga uppgifter"}, {nullptr, "Finns inga uppgifter"}};
    Window owner("Fråga");
    for (const auto& row : sets) {
        // The default button pressed; a Help default first (the box stays open, the owner hears of it), then the first.
        const std::string set = row.buttons;
        const bool help = set.back() == 'H';
        const auto& b = *std::find_if(std::begin(kButtons), std::end(kButtons), [&](const auto& b) { return b.letter == (help ? set[0] : set.back()); });
        bool open = false;
        ClearMessages();
        const std::string seen = Ask(owner, row.icon, row.word, [&](HWND box) {
            if (help) SendMessageA(GetDlgItem(box, IDHELP), BM_CLICK, 0, 0);
            open = IsWindowVisible(box);
            ClickItem(box, b.id);
        });
        EXPECT_EQ(seen + " " + std::to_string(open) + std::to_string(CountMessages(WM_HELP, owner)), std::to_string(b.answer) +
                  " Fr\xE5ga|Vill du?|" + set + (row.id ? " icon " + std::to_string((LRESULT)LoadIconA(nullptr, row.id)) : "") +
                  (help ? " 11" : " 10")) << (row.word ? row.word : "(null)") << " " << (row.icon ? row.icon : "");
    }
    for (const auto& row : closed)
        EXPECT_EQ(Ask(owner, nullptr, row.word, [&](HWND box) { PostMessageA(box, row.message, row.wparam, 0); }).substr(0, 2),
                  std::to_string(row.answer) + " ") << row.word;
    for (const auto& row : options) {
        char text[] = "Finns inga uppgifter";
        std::string seen;
        DialogDriver driver([&](HWND box) { seen = Read(box); ClickItem(box, IDOK); }, owner);
        EXPECT_EQ(vu_MessageBox(owner, "ini-fel", text, row.option), 0);
        EXPECT_EQ(seen + "|" + text, std::string("ini-fel|Finns inga uppgifter|O|O|") + row.after) << (row.option ? row.option : "-");
    }
    DialogDriver driver([](HWND box) { ClickItem(box, IDOK); }, owner);
    EXPECT_EQ(vu_MessageBox(owner, nullptr, nullptr, "D") + driver.found(), 1);
}

TEST(FindDialog, StartsWithTheSelectionUpTo256CharactersAndItsNotificationsPostTheirDirection)
{
    constexpr int kFindWhat = 0x480, kWholeWord = 0x410, kDown = 0x421, kUpCommand = 201, kDownCommand = 202;
    const struct { const char* name; int start, end; std::string text; } rows[] = {  // text "": nothing opens
        {"no selection: empty", 3, 3, " down"}, {"exactly 256", 10, 266, std::string(256, 'q') + " down"},
        {"257", 10, 267, ""}, {"three characters far into a long text", 5000, 5003, "abc down"}};
    Window owner("Sök");
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD, 5, 5, 200, 24, owner, nullptr, Self(), nullptr);
    SetWindowTextA(edit, std::string(6000, 'q').replace(5000, 3, "abc").c_str());
    for (const auto& row : rows) {
        SendMessageA(edit, EM_SETSEL, row.start, row.end);
        HWND dialog = vu_FindDialog(owner, edit);
        EXPECT_EQ(TopWindows("#32770", 0, owner), row.text.empty() ? std::vector<HWND>{} : std::vector<HWND>{dialog}) << row.name;
        if (row.text.empty()) continue;
        EXPECT_EQ(ItemText(dialog, kFindWhat) + (IsWindowVisible(GetDlgItem(dialog, kWholeWord)) ? " word" : "") +
                  (IsDlgButtonChecked(dialog, kDown) ? " down" : ""), row.text) << row.name;
        DestroyWindow(dialog);
    }
    // Its notifications: the text has no terminator within the lengths given, so it is read no further.
    const struct { const char* name; DWORD flags; WORD length; int answer; WPARAM command; } notes[] = {
        {"down", FR_DOWN | FR_FINDNEXT, 0, 1, kDownCommand}, {"up: find next only", FR_FINDNEXT, 0, 1, kUpCommand},
        {"whole word", FR_WHOLEWORD, 0, 1, kDownCommand}, {"match case", FR_MATCHCASE, 0, 1, kUpCommand},
        {"no flags", 0, 0, 0, 0}, {"closing", FR_DIALOGTERM | FR_DOWN, 0, 0, 0},
        {"256 characters", FR_DOWN, 256, 1, kDownCommand}, {"257 characters close the dialog", FR_DOWN, 257, 2, 0}};
    static const UINT find_message = RegisterWindowMessageA(FINDMSGSTRINGA);
    std::string text(600, 'z');
    for (const auto& row : notes) {
        HWND dialog = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, Self(), nullptr);
        FINDREPLACEA request = {sizeof request, owner, nullptr, row.flags, row.length ? &text[0] : nullptr, nullptr,
                                row.length, 0, 0, nullptr, nullptr};
        ClearMessages();
        // The answer, the commands posted, whether the record is kept, whether the dialog is still there.
        std::string seen = std::to_string(vu_FindMessage(owner, dialog, nullptr, (LPARAM)&request, find_message,
                                                         kUpCommand, kDownCommand)) + " ";
        PumpMessages();
        for (const Message& m : Messages()) if (m.window == owner && m.message == WM_COMMAND) seen += std::to_string(m.wparam) + " ";
        EXPECT_EQ(seen + std::to_string(vu_FindRequest == &request) + std::to_string(IsWindow(dialog)), std::to_string(row.answer) +
                  " " + (row.command ? std::to_string(row.command) + " 1" : "1") + (row.answer == 2 ? "0" : "1")) << row.name;
        DestroyWindow(dialog);
    }
    EXPECT_EQ(vu_FindMessage(owner, nullptr, nullptr, 1, find_message, 1, 2) + vu_FindMessage(owner, owner, nullptr, 1, WM_COMMAND,
              1, 2) + vu_FindMessage(owner, owner, nullptr, 0, find_message, 1, 2), 0);  // no dialog, another message, no record
}

TEST(ColorDialog, StartsWhiteAndOpenAndReturnsTheColourOrZeroKeepingTheCustomColours)
{
    constexpr int kFields[] = {0x2C2, 0x2C3, 0x2C4}, kAddCustom = 0x2C8, kDefineCustom = 0x2CF;
    Window owner("Färg");
    for (COLORREF answer : {RGB(10, 20, 30), RGB(0, 0, 0)}) {  // black: cancelled
        std::string shown;
        DialogDriver driver([&](HWND d) {
            for (int id : kFields) shown += ItemText(d, id) + (IsWindowEnabled(GetDlgItem(d, kDefineCustom)) ? "," : ";");
            for (int i = 0; i < 3 && answer; ++i) SetItemText(d, kFields[i], std::to_string(10 * i + 10).c_str());
            if (answer) SendMessageA(GetDlgItem(d, kAddCustom), BM_CLICK, 0, 0);
            ClickItem(d, answer ? IDOK : IDCANCEL);
        }, owner);
        EXPECT_EQ(vu_ColorDialog(owner), answer);
        EXPECT_EQ(shown + std::to_string(vu_CustomColors[0]), "255;255;255;" + std::to_string(RGB(10, 20, 30)));
    }
}

TEST(FontDialog, WordsShowTheEffectsAndHideTheScriptsAndTheChoiceMakesANewFont)
{
    constexpr int kFace = 0x470, kStrikeOut = 0x410, kColor = 0x473, kScript = 0x474;
    const struct { const char* effects; const char* script; int button; const char* seen; const char* font; } rows[] = {
        {"ON", "OFF", IDOK, " effects", "Serif -16 1 new"}, {"on", "off", IDOK, " script", "Serif -16 0 new"},
        {"OFF", "ON", IDOK, " script", "Serif -16 0 new"}, {nullptr, nullptr, IDOK, " script", "Serif -16 0 new"},
        {"ON", "OFF", IDCANCEL, " effects", "Sans -16 0"}};  // the given font back
    Window owner("Typsnitt");
    HFONT start = CreateFontA(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, 0, "Liberation Sans");
    for (const auto& row : rows) {
        std::string seen;
        DialogDriver driver([&](HWND d) {
            const bool effects = IsWindowVisible(GetDlgItem(d, kStrikeOut)) && IsWindowVisible(GetDlgItem(d, kColor));
            seen = ItemText(d, kFace) + (effects ? " effects" : "") + (IsWindowEnabled(GetDlgItem(d, kScript)) ? " script" : "");
            ChooseEntry(d, kFace, "Liberation Serif");
            if (effects) SendMessageA(GetDlgItem(d, kStrikeOut), BM_CLICK, 0, 0);
            ClickItem(d, row.button);
        }, owner);
        HFONT chosen = vu_FontDialog(owner, row.effects, row.script, start);
        LOGFONTA lf = {};
        GetObjectA(chosen, sizeof lf, &lf);
        EXPECT_EQ(seen + "|" + lf.lfFaceName + " " + std::to_string(lf.lfHeight) + " " + std::to_string(lf.lfStrikeOut) +
                  (chosen == start ? "" : " new"), std::string("Liberation Sans") + row.seen + "|Liberation " + row.font);
        if (chosen != start) DeleteObject(chosen);
    }
    DeleteObject(start);
}

TEST(PrintDialog, OwnedByTheWindowsOwnerAndConfirmedGivesThePrintersContext)
{
    Window top("Utskrift");
    HWND child = vu_Button(top, 10, 10, 80, 24, "Skriv ut", "C", "NORMAL", 300);
    for (int button : {IDCANCEL, IDOK}) {
        std::string seen;
        DialogDriver driver([&](HWND d) {  // one copy; printing to a file hidden
            seen = ItemText(d, 0x482) + (IsWindowVisible(GetDlgItem(d, 0x410)) ? "|to file" : "");
            ClickItem(d, button);
        }, top);  // the child's owner
        const int answer = vu_PrintDialog(child), kind = vu_PrintRequest.hDC ? GetDeviceCaps(vu_PrintRequest.hDC, TECHNOLOGY) : -1;
        EXPECT_EQ(std::to_string(answer) + seen + " " + std::to_string(kind), button == IDOK ? "11 " + std::to_string(DT_RASPRINTER) : "01 -1");
    }
}

TEST(ResourceDialog, ShowsTheTemplateOfTheOwnersModuleWithItsCaptionAndEndsByEachWay)
{
    Window owner("Resurs");
    // A window of a system library last: that module has no such template.
    HWND other = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 9, 9, nullptr, nullptr, GetModuleHandleA("kernel32.dll"), nullptr);
    const char* made = "Tillverkad fr\xE5n dialog";
    const struct { HWND owner; UINT message; WPARAM wparam; const char* caption; } rows[] = {
        {owner, WM_COMMAND, IDOK, made}, {owner, WM_COMMAND, IDCANCEL, made}, {owner, WM_CLOSE, 0, made}, {other, WM_CLOSE, 0, ""}};
    for (const auto& row : rows) {
        std::string caption;
        DialogDriver driver([&](HWND d) { caption = TextOf(d); PostMessageA(d, row.message, row.wparam, 0); }, row.owner);
        EXPECT_EQ(vu_ResourceDialog(row.owner) == (HINSTANCE)GetWindowLongPtrA(row.owner, GWLP_HINSTANCE) ? caption +
                  (driver.gave_up() ? " gave up" : "") : "another module", row.caption) << row.message << " " << row.wparam;
    }
    DestroyWindow(other);
}

TEST(Cursor, InsideOnlyStrictlyWithinTheEdgesAndThePositionInQuery)
{
    // At 10, 20, 30 wide, 40 high (edges x 10 and 40, y 20 and 60); an empty one; one whose sums overflow.
    const struct { int cx, cy, expected, x = 10, y = 20, w = 30, h = 40; } rows[] = {{10, 30, 0}, {11, 30, 7}, {39, 30, 7},
        {40, 30, 0}, {20, 20, 0}, {20, 21, 7}, {20, 59, 7}, {20, 60, 0}, {-7, -3, 0}, {25, 40, 0, 25, 40, 0, 0},
        {25, 40, 7, 0, 0, 0x7FFFFFFF, 0x7FFFFFFF}};
    Window window("Markör", 200, 150);
    for (const auto& row : rows) {
        // Only the pointer moves: no keys or clicks, so the test needs no more than its share
        // of the desktop (programs that hover or click have the whole desktop to themselves).
        POINT at = {row.cx, row.cy};
        ClientToScreen(window, &at);
        SetCursorPos(at.x, at.y);
        const int in = vu_CursorIn(window, row.x, row.y, row.w, row.h, 7) + vu_CursorPos(window);
        EXPECT_EQ(std::to_string(in) + " " + std::to_string(vu_Query.x) + "," + std::to_string(vu_Query.y),
                  std::to_string(row.expected) + " " + std::to_string(row.cx) + "," + std::to_string(row.cy));
    }
}

// A jump written over the start of a shell entry point, sending its calls to another function.
struct Detour {
    BYTE *at, saved[5], jump[5] = {0xE9};
    Detour(const char* name, const void* to) : at((BYTE*)GetProcAddress(LoadLibraryA("shell32.dll"), name))
    {
        std::memcpy(saved, at, 5);
        const INT32 offset = (INT32)((INT_PTR)to - (INT_PTR)(at + 5));
        std::memcpy(jump + 1, &offset, 4);
        Write(jump);
    }
    ~Detour() { Write(saved); }
    void Write(const BYTE* bytes) { WriteProcessMemory(GetCurrentProcess(), at, bytes, 5, nullptr); }
};

// The request handed to the browser and the name it wrote; the real browser runs only while g_browse is set.
static BROWSEINFOA g_request;
static std::string g_display;
static Detour* g_browse = nullptr;
static PIDLIST_ABSOLUTE WINAPI CatchRequest(LPBROWSEINFOA request)
{
    g_request = *request;
    if (g_browse == nullptr) return nullptr;
    g_browse->Write(g_browse->saved);
    PIDLIST_ABSOLUTE item = SHBrowseForFolderA(request);
    g_browse->Write(g_browse->jump);
    g_display.assign(request->pszDisplayName, strnlen(request->pszDisplayName, MAX_PATH));
    return item;
}

TEST(FolderDialog, WordsGiveTheBrowseFlagsAndTheChoiceOrCancelLeavesTheBuffer)
{
    LPITEMIDLIST computer = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer), S_OK);
    char desktop[MAX_PATH] = {};  // a folder on the desktop: the browser lists it from the start
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
    const std::string folder = std::string(desktop) + "\\Kopior" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    const std::string before = "C:\\Data\\lista.txt" + std::string(1, '\0') + std::string(MAX_PATH - 18, 'Z');
    // Pressed 0: not shown, cancelled. A cancel leaves the buffer; an item without a path gives the display name.
    const struct { const char* word; UINT flags; int pressed, result; std::string after; } rows[] = {
        {"FILFOLDERS", BIF_BROWSEFORCOMPUTER, 0, 1, before}, {"PRINTERS", BIF_BROWSEFORPRINTER, 0, 1, before},
        {"NONETWORK", BIF_DONTGOBELOWDOMAIN, 0, 1, before}, {"ANCESTOR", BIF_RETURNFSANCESTORS, 0, 1, before},
        {"filsystem", 0, 0, 1, before}, {"", 0, 0, 1, before}, {nullptr, 0, 0, 1, before}, {"ok\xE4nt", 0, IDOK, 2, ""},
        {"FILSYSTEM", BIF_RETURNONLYFSDIRS, IDOK, 0, folder}, {"FILSYSTEM", BIF_RETURNONLYFSDIRS, IDCANCEL, 1, before}};
    Window owner("Mapp");
    Detour detour("SHBrowseForFolderA", (const void*)&CatchRequest);
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.word ? row.word : "(null)") + " " + std::to_string(row.pressed));
        std::memcpy(vu_OpenPath, before.data(), MAX_PATH);
        g_browse = row.pressed ? &detour : nullptr;
        DialogDriver driver([&](HWND dialog) {
            SendMessageA(dialog, BFFM_SETSELECTIONA, row.result != 2, row.result == 2 ? (LPARAM)computer : (LPARAM)folder.c_str());
            ClickItem(dialog, row.pressed);
        }, owner);
        const int result = vu_FolderDialog(owner, "Sök önskad mapp!", vu_OpenPath, row.word);
        EXPECT_EQ(std::to_string(result) + " " + std::to_string(g_request.ulFlags) + (driver.found() && !driver.gave_up() ? " shown" : ""),
                  std::to_string(row.result) + " " + std::to_string(row.flags) + (row.pressed ? " shown" : ""));
        EXPECT_EQ(std::string(vu_OpenPath, row.result == 1 ? MAX_PATH : strnlen(vu_OpenPath, MAX_PATH)),
                  row.result == 2 ? g_display : row.after);
    }
    EXPECT_EQ(vu_FolderDialog(owner, "Ingen", nullptr, "FILSYSTEM"), 1);  // no buffer
    CoTaskMemFree(computer);
    RemoveDirectoryA(folder.c_str());
}
