// Message boxes read back and answered through their real buttons: every button-set word, the
// Help relay, closing a box, the icon words and the plain box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "dialog_driver.h"

using namespace vu_test;

// Button letters: the platform's id and the toolkit's answer when pressed.
const struct { char letter; int id, answer; } kButtons[] = {{'O', IDOK, 5}, {'C', IDCANCEL, 6}, {'A', IDABORT, 6},
    {'R', IDRETRY, 3}, {'I', IDIGNORE, 2}, {'Y', IDYES, 4}, {'N', IDNO, 1}, {'H', IDHELP, 0}};

// A box as "caption|text|buttons left to right|default button", and its icon.
static std::string Read(HWND box, HICON* icon = nullptr)
{
    std::vector<std::pair<LONG, char>> at;
    char default_button = '-';
    for (HWND c : Children(box)) {
        for (const auto& b : kButtons) {
            if (ClassOf(c) != "Button" || GetDlgCtrlID(c) != b.id || !IsWindowVisible(c)) continue;
            at.push_back({RectInParent(c).left, b.letter});
            if ((StyleOf(c) & 0xF) == BS_DEFPUSHBUTTON) default_button = b.letter;
        }
        if (icon && ClassOf(c) == "Static" && (StyleOf(c) & SS_TYPEMASK) == SS_ICON)
            *icon = reinterpret_cast<HICON>(SendMessageA(c, STM_GETICON, 0, 0));
    }
    std::sort(at.begin(), at.end());
    std::string seen = TextOf(box) + "|" + ItemText(box, 0xFFFF) + "|";
    for (const auto& b : at) seen += b.second;
    return seen + "|" + default_button;
}

// Shows a question box, reads it, lets act answer it; the toolkit's answer.
static int Ask(HWND owner, const char* icon, const char* word, std::function<void(HWND)> act, std::string* seen, HICON* shown = nullptr)
{
    DialogDriver driver([&](HWND box) { *seen = Read(box, shown); act(box); }, owner);
    const int answer = vu_MessageAsk(owner, "Fråga", "Vill du?", icon, word);
    EXPECT_TRUE(driver.found() && !driver.gave_up());
    return answer;
}

TEST(MessageAsk, ButtonSetWordsShowTheirButtonsAndDefaultAndEachButtonAnswers)
{
    const struct { const char* word; const char* buttons; } rows[] = {  // the default button last
        {"OK", "O|O"}, {"OK_help", "OH|O"}, {"ok_HELP", "OH|H"}, {"OK_cancel", "OC|O"}, {"ok_CANCEL", "OC|C"},
        {"OK_cancel_help", "OCH|O"}, {"ok_CANCEL_help", "OCH|C"}, {"ok_cancel_HELP", "OCH|H"},
        {"RETRY_cancel", "RC|R"}, {"retry_CANCEL", "RC|C"}, {"RETRY_cancel_help", "RCH|R"},
        {"retry_CANCEL_help", "RCH|C"}, {"retry_cancel_HELP", "RCH|H"}, {"YES_no", "YN|Y"}, {"yes_NO", "YN|N"},
        {"YES_no_help", "YNH|Y"}, {"yes_NO_help", "YNH|N"}, {"yes_no_HELP", "YNH|H"}, {"YES_no_cancel", "YNC|Y"},
        {"yes_NO_cancel", "YNC|N"}, {"yes_no_CANCEL", "YNC|C"}, {"YES_no_cancel_help", "YNCH|Y"},
        {"yes_NO_cancel_help", "YNCH|N"}, {"yes_no_CANCEL_help", "YNCH|C"}, {"yes_no_cancel_HELP", "YNCH|H"},
        {"CANCEL_retry_ignore", "ARI|A"}, {"cancel_RETRY_ignore", "ARI|R"}, {"cancel_retry_IGNORE", "ARI|I"},
        {"CANCEL_retry_ignore_help", "ARIH|A"}, {"cancel_RETRY_ignore_help", "ARIH|R"},
        {"cancel_retry_IGNORE_help", "ARIH|I"}, {"cancel_retry_ignore_HELP", "ARIH|H"},
        {"yes_no", "O|O"}, {"YES_NO", "O|O"}, {"ok", "O|O"}, {"", "O|O"}, {nullptr, "O|O"},  // not a set: OK
    };
    Window owner("Fråga");
    for (const auto& row : rows) {
        const std::string buttons = std::string(row.buttons).substr(0, std::strcspn(row.buttons, "|"));
        for (const auto& button : kButtons) {
            if (button.letter == 'H' || buttons.find(button.letter) == std::string::npos) continue;
            // Help first, on a set's first button: the box stays open and the owner hears of it once.
            const bool help = buttons.back() == 'H' && button.letter == buttons[0];
            bool open = false;
            std::string seen;
            ClearMessages();
            const int answer = Ask(owner, nullptr, row.word, [&](HWND box) {
                if (help) SendMessageA(GetDlgItem(box, IDHELP), BM_CLICK, 0, 0);
                open = IsWindowVisible(box);
                ClickItem(box, button.id);
            }, &seen);
            const std::string name = std::string(row.word ? row.word : "(null)") + " " + button.letter;
            EXPECT_EQ(answer, button.answer) << name;
            EXPECT_EQ(seen, std::string("Fr\xE5ga|Vill du?|") + row.buttons) << name;
            EXPECT_EQ(std::to_string(open) + std::to_string(CountMessages(WM_HELP, owner)), help ? "11" : "10") << name;
        }
    }
}

TEST(MessageAsk, ClosingABoxWithOnlyOkAnswersOkAndIconWordsPickTheirIcons)
{
    const struct { const char* word; UINT message; WPARAM wparam; int answer; } closed[] = {
        {"OK", WM_COMMAND, IDCANCEL, 5}, {"OK_help", WM_CLOSE, 0, 5}, {"okänt", WM_CLOSE, 0, 5},  // Escape sends IDCANCEL
        {"OK_cancel", WM_COMMAND, IDCANCEL, 6}, {"yes_no_CANCEL", WM_CLOSE, 0, 6}};
    const struct { const char* word; LPCSTR icon; } icons[] = {{"EXCLAMATION", IDI_EXCLAMATION},
        {"INFORMATION", IDI_ASTERISK}, {"QUESTION", IDI_QUESTION}, {"STOP", IDI_HAND}, {"Stop", nullptr},
        {"QUESTIONS", nullptr}, {nullptr, nullptr}};
    Window owner("Stäng");
    std::string seen;
    for (const auto& row : closed)
        EXPECT_EQ(Ask(owner, "STOP", row.word, [&](HWND box) { PostMessageA(box, row.message, row.wparam, 0); }, &seen),
                  row.answer) << row.word;
    for (const auto& row : icons) {
        HICON icon = nullptr;
        EXPECT_EQ(Ask(owner, row.word, "yes_NO", [](HWND box) { ClickItem(box, IDYES); }, &seen, &icon), 4);
        EXPECT_EQ(icon, row.icon ? LoadIconA(nullptr, row.icon) : nullptr) << (row.word ? row.word : "(null)");
    }
}

TEST(PlainBox, ShowsTheTextWithOneOkButtonAndOptionDEmptiesIt)
{
    const struct { const char* option; const char* after; } rows[] = {{"D", ""}, {"N", "Finns inga uppgifter"},
        {"d", "Finns inga uppgifter"}, {"DD", "Finns inga uppgifter"}, {nullptr, "Finns inga uppgifter"}};
    Window owner("Ruta");
    for (const auto& row : rows) {
        char text[] = "Finns inga uppgifter";
        std::string seen;
        HICON icon = nullptr;
        DialogDriver driver([&](HWND box) { seen = Read(box, &icon); ClickItem(box, IDOK); }, owner);
        EXPECT_EQ(vu_MessageBox(owner, "ini-fel", text, row.option), 0);
        EXPECT_EQ(seen + (icon ? " icon" : "") + "|" + text, std::string("ini-fel|Finns inga uppgifter|O|O|") + row.after)
            << (row.option ? row.option : "(null)");
    }
    DialogDriver driver([](HWND box) { ClickItem(box, IDOK); }, owner);
    EXPECT_EQ(vu_MessageBox(owner, nullptr, nullptr, "D"), 0);
    EXPECT_TRUE(driver.found());
}
