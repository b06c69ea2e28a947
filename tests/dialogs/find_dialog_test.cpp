// The modeless find dialog: started with the edit's selection (bounded to 256 characters),
// and its notifications turned into the owner's up and down commands by vu_FindMessage.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "std_dialog_driver.h"
#include "vu_test.h"

#include <commdlg.h>

namespace {

using std_dialog::FindDialog;
using std_dialog::ItemText;
using std_dialog::SetItemText;

// Controls of the platform's find dialog.
constexpr int kFindWhat = 0x480, kWholeWord = 0x410, kMatchCase = 0x411;
constexpr int kUp = 0x420, kDown = 0x421;
constexpr int kUpCommand = 201, kDownCommand = 202;

struct Fixture {
    HWND owner = nullptr;
    HWND edit = nullptr;
};

Fixture Make(const std::string& text)
{
    Fixture f;
    const std::string title = vu_test::UniqueTitle("Sök");
    f.owner = vu_WindowCreate(GetModuleHandleA(nullptr), title.c_str(), 30, 30, 300, 200, "CLO");
    f.edit = CreateWindowExA(0, "EDIT", text.c_str(), WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 5,
                             5, 200, 24, f.owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(f.edit, EM_LIMITTEXT, 0, 0);
    SetWindowTextA(f.edit, text.c_str());
    return f;
}

void Select(HWND edit, int start, int end) { SendMessageA(edit, EM_SETSEL, start, end); }

bool Checked(HWND dialog, int id)
{
    return SendMessageA(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

TEST(FindDialog, OpensModelessWithTheSelectionAsSearchText)
{
    Fixture f = Make("xxabcyy");
    Select(f.edit, 2, 5);
    HWND dialog = vu_FindDialog(f.owner, f.edit);
    ASSERT_NE(dialog, nullptr);
    vu_test::WaitFor([&] { return FindDialog(f.owner) == dialog; });
    EXPECT_EQ(FindDialog(f.owner), dialog);
    EXPECT_EQ(ItemText(dialog, kFindWhat), "abc");
    EXPECT_TRUE(Checked(dialog, kDown));
    EXPECT_FALSE(Checked(dialog, kUp));
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, kWholeWord)));
    DestroyWindow(dialog);

    // No selection, or no edit window: the search box starts empty.
    Select(f.edit, 3, 3);
    dialog = vu_FindDialog(f.owner, f.edit);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ItemText(dialog, kFindWhat), "");
    DestroyWindow(dialog);
    dialog = vu_FindDialog(f.owner, nullptr);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ItemText(dialog, kFindWhat), "");
    DestroyWindow(dialog);
    DestroyWindow(f.owner);
}

TEST(FindDialog, SelectionsOverTwoHundredFiftySixCharactersOpenNothing)
{
    std::string text(6000, 'q');
    text.replace(5000, 3, "abc");
    Fixture f = Make(text);

    Select(f.edit, 10, 310);
    EXPECT_EQ(vu_FindDialog(f.owner, f.edit), nullptr);
    Select(f.edit, 10, 267);
    EXPECT_EQ(vu_FindDialog(f.owner, f.edit), nullptr);
    vu_test::PumpMessages();
    EXPECT_EQ(FindDialog(f.owner), nullptr);

    // Exactly 256 characters are taken whole.
    Select(f.edit, 10, 266);
    HWND dialog = vu_FindDialog(f.owner, f.edit);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ItemText(dialog, kFindWhat), std::string(256, 'q'));
    DestroyWindow(dialog);

    // A short selection far into a long text: only its characters reach the search box.
    Select(f.edit, 5000, 5003);
    dialog = vu_FindDialog(f.owner, f.edit);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(ItemText(dialog, kFindWhat), "abc");
    DestroyWindow(dialog);
    DestroyWindow(f.owner);
}

// The owner's procedure as an application writes it: every message goes through
// vu_FindMessage; the answers to find notifications are kept.
std::vector<int> g_answers;
HWND g_dialog = nullptr;

void RouteFindMessages(HWND owner, HWND edit)
{
    g_answers.clear();
    static const UINT find_message = RegisterWindowMessageA(FINDMSGSTRINGA);
    vu_test::SetMainWindowHandler([=](HWND window, UINT message, WPARAM, LPARAM lparam,
                                      LRESULT*) {
        if (window != owner) return false;
        const int answer =
            vu_FindMessage(owner, g_dialog, edit, lparam, message, kUpCommand, kDownCommand);
        if (message == find_message) g_answers.push_back(answer);
        else EXPECT_EQ(answer, 0);
        return false;
    });
}

// The commands posted to the owner since the last call.
std::vector<WPARAM> TakeCommands(HWND owner)
{
    vu_test::PumpMessages();
    std::vector<WPARAM> ids;
    for (const vu_test::Message& m : vu_test::Messages())
        if (m.window == owner && m.message == WM_COMMAND) ids.push_back(m.wparam);
    vu_test::ClearMessages();
    return ids;
}

void Press(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

TEST(FindMessage, FindNextPostsTheDownOrUpCommand)
{
    Fixture f = Make("en abc två");
    Select(f.edit, 3, 6);
    RouteFindMessages(f.owner, f.edit);
    g_dialog = vu_FindDialog(f.owner, f.edit);
    ASSERT_NE(g_dialog, nullptr);
    TakeCommands(f.owner);

    Press(g_dialog, IDOK);
    EXPECT_EQ(g_answers, std::vector<int>{1});
    EXPECT_EQ(TakeCommands(f.owner), std::vector<WPARAM>{kDownCommand});
    ASSERT_NE(vu_FindRequest, nullptr);
    EXPECT_STREQ(vu_FindRequest->lpstrFindWhat, "abc");
    EXPECT_EQ(vu_FindRequest->Flags & (FR_DOWN | FR_FINDNEXT | FR_MATCHCASE),
              static_cast<DWORD>(FR_DOWN | FR_FINDNEXT));

    // Direction up: only FR_FINDNEXT is set, and the up command comes.
    Press(g_dialog, kUp);
    SetItemText(g_dialog, kFindWhat, "två");
    Press(g_dialog, IDOK);
    EXPECT_EQ(TakeCommands(f.owner), std::vector<WPARAM>{kUpCommand});
    EXPECT_EQ(vu_FindRequest->Flags & (FR_DOWN | FR_FINDNEXT | FR_MATCHCASE),
              static_cast<DWORD>(FR_FINDNEXT));
    EXPECT_STREQ(vu_FindRequest->lpstrFindWhat, "två");

    // Match case travels in the flags for the receiver to read.
    Press(g_dialog, kMatchCase);
    Press(g_dialog, kDown);
    Press(g_dialog, IDOK);
    EXPECT_EQ(TakeCommands(f.owner), std::vector<WPARAM>{kDownCommand});
    EXPECT_TRUE(vu_FindRequest->Flags & FR_MATCHCASE);
    EXPECT_EQ(g_answers, (std::vector<int>{1, 1, 1}));

    // Closing the dialog is a notification without a command.
    g_answers.clear();
    Press(g_dialog, IDCANCEL);
    vu_test::WaitFor([&] { return !IsWindow(g_dialog); });
    EXPECT_EQ(g_answers, std::vector<int>{0});
    EXPECT_TRUE(vu_FindRequest->Flags & FR_DIALOGTERM);
    EXPECT_TRUE(TakeCommands(f.owner).empty());
    vu_test::SetMainWindowHandler(nullptr);
    DestroyWindow(f.owner);
}

TEST(FindMessage, ASearchTextOverTwoHundredFiftySixCharactersClosesTheDialog)
{
    Fixture f = Make("abc");
    RouteFindMessages(f.owner, f.edit);
    g_dialog = vu_FindDialog(f.owner, f.edit);
    ASSERT_NE(g_dialog, nullptr);
    TakeCommands(f.owner);

    const std::string just_fits(256, 'w');
    SetItemText(g_dialog, kFindWhat, just_fits.c_str());
    Press(g_dialog, IDOK);
    EXPECT_EQ(TakeCommands(f.owner), std::vector<WPARAM>{kDownCommand});

    const std::string too_long(257, 'w');
    SetItemText(g_dialog, kFindWhat, too_long.c_str());
    Press(g_dialog, IDOK);
    EXPECT_EQ(g_answers, (std::vector<int>{1, 2}));
    EXPECT_FALSE(IsWindow(g_dialog));
    EXPECT_TRUE(TakeCommands(f.owner).empty());
    vu_test::SetMainWindowHandler(nullptr);
    DestroyWindow(f.owner);
}

TEST(FindMessage, OtherMessagesAndMissingRecordsAreIgnored)
{
    Fixture f = Make("abc");
    const UINT find_message = RegisterWindowMessageA(FINDMSGSTRINGA);
    char text[8] = "abc";
    FINDREPLACEA request = {};
    request.lStructSize = sizeof request;
    request.Flags = FR_DOWN | FR_FINDNEXT;
    request.lpstrFindWhat = text;
    request.wFindWhatLen = sizeof text;
    const LPARAM record = reinterpret_cast<LPARAM>(&request);
    vu_FindRequest = nullptr;

    // Without a dialog, for another message, or without a record, nothing happens.
    EXPECT_EQ(vu_FindMessage(f.owner, nullptr, f.edit, record, find_message, 1, 2), 0);
    EXPECT_EQ(vu_FindMessage(f.owner, f.owner, f.edit, record, WM_COMMAND, 1, 2), 0);
    EXPECT_EQ(vu_FindMessage(f.owner, f.owner, f.edit, 0, find_message, 1, 2), 0);
    EXPECT_EQ(vu_FindRequest, nullptr);

    // A record without a search text is an empty search.
    request.lpstrFindWhat = nullptr;
    EXPECT_EQ(vu_FindMessage(f.owner, f.owner, f.edit, record, find_message, 1, 2), 1);
    EXPECT_EQ(vu_FindRequest, &request);
    // A text that fills its buffer without an end is read no further than the buffer.
    char full[300];
    std::memset(full, 'z', sizeof full);
    request.lpstrFindWhat = full;
    request.wFindWhatLen = 200;
    EXPECT_EQ(vu_FindMessage(f.owner, f.owner, f.edit, record, find_message, 1, 2), 1);
    vu_test::PumpMessages();
    EXPECT_TRUE(IsWindow(f.owner));
    DestroyWindow(f.owner);
}

}  // namespace
