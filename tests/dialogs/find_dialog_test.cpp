// The modeless find dialog: started with the edit's selection (at most 256 characters), and
// its notifications turned into the owner's up and down commands by vu_FindMessage.
#include <gtest/gtest.h>

#include "dialog_driver.h"

#include <commdlg.h>

using namespace vu_test;

constexpr int kFindWhat = 0x480, kWholeWord = 0x410, kUp = 0x420, kDown = 0x421;
constexpr int kUpCommand = 201, kDownCommand = 202;
static const UINT kFindMessage = RegisterWindowMessageA(FINDMSGSTRINGA);

static HWND Edit(HWND owner, const std::string& text)
{
    HWND edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE, 5, 5, 200, 24, owner, nullptr, Self(), nullptr);
    SendMessageA(edit, EM_LIMITTEXT, 0, 0);
    SetWindowTextA(edit, text.c_str());
    return edit;
}

// The commands posted to the owner since the last call.
static std::vector<WPARAM> Commands(HWND owner)
{
    PumpMessages();
    std::vector<WPARAM> ids;
    for (const Message& m : Messages()) if (m.window == owner && m.message == WM_COMMAND) ids.push_back(m.wparam);
    ClearMessages();
    return ids;
}

TEST(FindDialog, TheSelectionUpTo256CharactersBecomesTheSearchText)
{
    const struct { const char* name; int start, end; bool opens; std::string text; } rows[] = {
        {"three characters far into a long text", 5000, 5003, true, "abc"},
        {"exactly 256", 10, 266, true, std::string(256, 'q')},
        {"257: nothing opens", 10, 267, false, ""},
        {"300: nothing opens", 10, 310, false, ""},
        {"no selection: empty", 3, 3, true, ""},
    };
    Window owner("Sök");
    std::string text(6000, 'q');
    HWND edit = Edit(owner, text.replace(5000, 3, "abc"));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        SendMessageA(edit, EM_SETSEL, row.start, row.end);
        HWND dialog = vu_FindDialog(owner, edit);
        EXPECT_EQ(TopWindows("#32770", 0, owner), row.opens ? std::vector<HWND>{dialog} : std::vector<HWND>{});
        if (!row.opens) continue;
        EXPECT_EQ(ItemText(dialog, kFindWhat), row.text);
        EXPECT_EQ(SendMessageA(GetDlgItem(dialog, kDown), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, kWholeWord)));
        DestroyWindow(dialog);
    }
}

TEST(FindMessage, FindNextInTheRealDialogPostsTheCommandOfItsDirection)
{
    const struct { const char* name; int direction; std::string text; int answer; std::vector<WPARAM> commands; } rows[] = {
        {"down", kDown, "abc", 1, {kDownCommand}},
        {"up", kUp, "två", 1, {kUpCommand}},
        {"256 characters", kDown, std::string(256, 'w'), 1, {kDownCommand}},
        {"257 characters close the dialog", kDown, std::string(257, 'w'), 2, {}},
    };
    Window owner("Sökning");
    HWND edit = Edit(owner, "en abc två");
    SendMessageA(edit, EM_SETSEL, 3, 6);
    HWND dialog = nullptr;
    std::vector<int> answers;
    SetMainWindowHandler([&](HWND window, UINT message, WPARAM, LPARAM lparam, LRESULT*) {
        if (window == owner && message == kFindMessage)
            answers.push_back(vu_FindMessage(owner, dialog, edit, lparam, message, kUpCommand, kDownCommand));
        return false;
    });
    dialog = vu_FindDialog(owner, edit);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Commands(owner);
        answers.clear();
        SendMessageA(GetDlgItem(dialog, row.direction), BM_CLICK, 0, 0);
        SetItemText(dialog, kFindWhat, row.text.c_str());
        SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        EXPECT_EQ(answers, std::vector<int>{row.answer});
        EXPECT_EQ(Commands(owner), row.commands);
        if (row.answer == 1) {
            EXPECT_EQ(vu_FindRequest->lpstrFindWhat, row.text);
        }
    }
    EXPECT_FALSE(IsWindow(dialog));
    SetMainWindowHandler(nullptr);
}

TEST(FindMessage, FlagsPickTheCommandAndOtherMessagesAreIgnored)
{
    const struct { const char* name; DWORD flags; WORD length; int answer; std::vector<WPARAM> commands; } rows[] = {
        {"down", FR_DOWN | FR_FINDNEXT, 0, 1, {kDownCommand}},
        {"up: find next only", FR_FINDNEXT, 0, 1, {kUpCommand}},
        {"whole word", FR_WHOLEWORD, 0, 1, {kDownCommand}},
        {"match case", FR_MATCHCASE, 0, 1, {kUpCommand}},
        {"no flags", 0, 0, 0, {}},
        {"closing", FR_DIALOGTERM | FR_DOWN, 0, 0, {}},
        {"an unterminated text read no further than its buffer", FR_DOWN, 200, 1, {kDownCommand}},
    };
    Window owner("Flaggor");
    std::string text(600, 'z');
    for (const auto& row : rows) {
        FINDREPLACEA request = {};
        request.lStructSize = sizeof request;
        request.Flags = row.flags;
        request.lpstrFindWhat = row.length ? &text[0] : nullptr;
        request.wFindWhatLen = row.length;
        Commands(owner);
        EXPECT_EQ(vu_FindMessage(owner, owner, nullptr, reinterpret_cast<LPARAM>(&request), kFindMessage,
                                 kUpCommand, kDownCommand), row.answer) << row.name;
        EXPECT_EQ(Commands(owner), row.commands) << row.name;
        EXPECT_EQ(vu_FindRequest, &request) << row.name;
    }
    EXPECT_EQ(vu_FindMessage(owner, nullptr, nullptr, 1, kFindMessage, 1, 2), 0);  // no dialog
    EXPECT_EQ(vu_FindMessage(owner, owner, nullptr, 1, WM_COMMAND, 1, 2), 0);      // another message
    EXPECT_EQ(vu_FindMessage(owner, owner, nullptr, 0, kFindMessage, 1, 2), 0);    // no record
    EXPECT_TRUE(Commands(owner).empty());
}
