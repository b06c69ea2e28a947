// Message boxes: the plain OK box and the question box with its icon words, all button-set
// words and the answer codes, each box read back and answered through its real buttons.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "idle_driver.h"
#include "vu_test.h"

namespace {

// The boxes are answered from the owner's own thread while their modal loop idles.
using idle_driver::Driver;

HWND NewOwner()
{
    return vu_WindowCreate(GetModuleHandleA(nullptr), vu_test::UniqueTitle("Ägare").c_str(), 50,
                           50, 300, 200, "CLO");
}

// What a box showed: its buttons from left to right, the default button and the icon.
struct Seen {
    std::string caption;
    std::string text;
    std::vector<int> buttons;
    int default_button = 0;
    HICON icon = nullptr;
    bool open_after_help = false;
};

BOOL CALLBACK CollectChild(HWND child, LPARAM lparam)
{
    std::vector<HWND>* children = reinterpret_cast<std::vector<HWND>*>(lparam);
    if (IsWindowVisible(child)) children->push_back(child);
    return TRUE;
}

Seen Read(HWND box)
{
    Seen seen;
    seen.caption = dialog_driver::TextOf(box);
    seen.text = dialog_driver::TextOf(GetDlgItem(box, 0xFFFF));
    std::vector<HWND> children;
    EnumChildWindows(box, CollectChild, reinterpret_cast<LPARAM>(&children));
    std::vector<std::pair<int, int>> buttons;  // left edge, id
    for (HWND child : children) {
        char name[32] = {};
        GetClassNameA(child, name, sizeof name);
        const LONG style = GetWindowLongA(child, GWL_STYLE);
        if (lstrcmpiA(name, "Button") == 0) {
            RECT r;
            GetWindowRect(child, &r);
            buttons.push_back({r.left, GetDlgCtrlID(child)});
            if ((style & 0x0F) == BS_DEFPUSHBUTTON) seen.default_button = GetDlgCtrlID(child);
        } else if (lstrcmpiA(name, "Static") == 0 && (style & SS_TYPEMASK) == SS_ICON) {
            seen.icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        }
    }
    std::sort(buttons.begin(), buttons.end());
    for (const auto& b : buttons) seen.buttons.push_back(b.second);
    return seen;
}

// The toolkit's documented answer codes for the platform's button ids.
int Documented(int button)
{
    switch (button) {
    case IDNO: return 1;
    case IDIGNORE: return 2;
    case IDRETRY: return 3;
    case IDYES: return 4;
    case IDOK: return 5;
    case IDCANCEL: return 6;
    case IDABORT: return 6;
    }
    return -1;
}

struct ButtonSet {
    const char* word;
    std::vector<int> buttons;  // left to right
    int default_button;
};

const ButtonSet kSets[] = {
    {"OK", {IDOK}, IDOK},
    {"OK_help", {IDOK, IDHELP}, IDOK},
    {"ok_HELP", {IDOK, IDHELP}, IDHELP},
    {"OK_cancel", {IDOK, IDCANCEL}, IDOK},
    {"ok_CANCEL", {IDOK, IDCANCEL}, IDCANCEL},
    {"OK_cancel_help", {IDOK, IDCANCEL, IDHELP}, IDOK},
    {"ok_CANCEL_help", {IDOK, IDCANCEL, IDHELP}, IDCANCEL},
    {"ok_cancel_HELP", {IDOK, IDCANCEL, IDHELP}, IDHELP},
    {"RETRY_cancel", {IDRETRY, IDCANCEL}, IDRETRY},
    {"retry_CANCEL", {IDRETRY, IDCANCEL}, IDCANCEL},
    {"RETRY_cancel_help", {IDRETRY, IDCANCEL, IDHELP}, IDRETRY},
    {"retry_CANCEL_help", {IDRETRY, IDCANCEL, IDHELP}, IDCANCEL},
    {"retry_cancel_HELP", {IDRETRY, IDCANCEL, IDHELP}, IDHELP},
    {"YES_no", {IDYES, IDNO}, IDYES},
    {"yes_NO", {IDYES, IDNO}, IDNO},
    {"YES_no_help", {IDYES, IDNO, IDHELP}, IDYES},
    {"yes_NO_help", {IDYES, IDNO, IDHELP}, IDNO},
    {"yes_no_HELP", {IDYES, IDNO, IDHELP}, IDHELP},
    {"YES_no_cancel", {IDYES, IDNO, IDCANCEL}, IDYES},
    {"yes_NO_cancel", {IDYES, IDNO, IDCANCEL}, IDNO},
    {"yes_no_CANCEL", {IDYES, IDNO, IDCANCEL}, IDCANCEL},
    {"YES_no_cancel_help", {IDYES, IDNO, IDCANCEL, IDHELP}, IDYES},
    {"yes_NO_cancel_help", {IDYES, IDNO, IDCANCEL, IDHELP}, IDNO},
    {"yes_no_CANCEL_help", {IDYES, IDNO, IDCANCEL, IDHELP}, IDCANCEL},
    {"yes_no_cancel_HELP", {IDYES, IDNO, IDCANCEL, IDHELP}, IDHELP},
    {"CANCEL_retry_ignore", {IDABORT, IDRETRY, IDIGNORE}, IDABORT},
    {"cancel_RETRY_ignore", {IDABORT, IDRETRY, IDIGNORE}, IDRETRY},
    {"cancel_retry_IGNORE", {IDABORT, IDRETRY, IDIGNORE}, IDIGNORE},
    {"CANCEL_retry_ignore_help", {IDABORT, IDRETRY, IDIGNORE, IDHELP}, IDABORT},
    {"cancel_RETRY_ignore_help", {IDABORT, IDRETRY, IDIGNORE, IDHELP}, IDRETRY},
    {"cancel_retry_IGNORE_help", {IDABORT, IDRETRY, IDIGNORE, IDHELP}, IDIGNORE},
    {"cancel_retry_ignore_HELP", {IDABORT, IDRETRY, IDIGNORE, IDHELP}, IDHELP},
};

// Shows a question box, reads it, presses Help first when asked, then presses answer.
int AskAndPress(HWND owner, const char* icon, const char* word, int answer, Seen* seen,
                bool press_help = false, const char* caption = "Fråga", const char* text = "Ja?")
{
    Driver driver(owner, [&](HWND box) {
        *seen = Read(box);
        if (press_help) {
            SendMessageA(GetDlgItem(box, IDHELP), BM_CLICK, 0, 0);
            seen->open_after_help = IsWindow(box) && IsWindowVisible(box);
        }
        if (answer == 0)
            PostMessageA(box, WM_CLOSE, 0, 0);
        else
            dialog_driver::Click(box, answer);
    });
    const int result = vu_MessageAsk(owner, caption, text, icon, word);
    EXPECT_TRUE(driver.found()) << word;
    EXPECT_FALSE(driver.left_open()) << word;
    return result;
}

TEST(MessageAsk, EveryButtonSetShowsItsButtonsDefaultAndAnswers)
{
    HWND owner = NewOwner();
    for (const ButtonSet& set : kSets) {
        const bool has_help = set.buttons.back() == IDHELP;
        bool first = true;
        for (int button : set.buttons) {
            if (button == IDHELP) continue;
            vu_test::ClearMessages();
            Seen seen;
            const int result = AskAndPress(owner, "NONE", set.word, button, &seen,
                                           first && has_help);
            EXPECT_EQ(result, Documented(button)) << set.word << " button " << button;
            EXPECT_EQ(seen.buttons, set.buttons) << set.word;
            EXPECT_EQ(seen.default_button, set.default_button) << set.word;
            if (first && has_help) {
                EXPECT_TRUE(seen.open_after_help) << set.word;
                EXPECT_EQ(vu_test::CountMessages(WM_HELP, owner), 1) << set.word;
            }
            first = false;
        }
    }
    vu_WindowDestroy(owner);
}

TEST(MessageAsk, IconWordsPickTheStandardIcons)
{
    HWND owner = NewOwner();
    const struct {
        const char* word;
        LPCSTR icon;
    } icons[] = {
        {"EXCLAMATION", IDI_EXCLAMATION},
        {"INFORMATION", IDI_ASTERISK},
        {"QUESTION", IDI_QUESTION},
        {"STOP", IDI_HAND},
    };
    for (const auto& i : icons) {
        Seen seen;
        EXPECT_EQ(AskAndPress(owner, i.word, "OK", IDOK, &seen), 5);
        EXPECT_EQ(seen.icon, LoadIconA(nullptr, i.icon)) << i.word;
    }
    for (const char* word : {"Stop", "stop", "", "QUESTIONS"}) {
        Seen seen;
        EXPECT_EQ(AskAndPress(owner, word, "OK", IDOK, &seen), 5);
        EXPECT_EQ(seen.icon, nullptr) << word;
    }
    Seen seen;
    EXPECT_EQ(AskAndPress(owner, nullptr, "OK", IDOK, &seen), 5);
    EXPECT_EQ(seen.icon, nullptr);
    vu_WindowDestroy(owner);
}

TEST(MessageAsk, QuestionWithNoAsDefault)
{
    HWND owner = NewOwner();
    Seen seen;
    EXPECT_EQ(AskAndPress(owner, "QUESTION", "yes_NO", IDYES, &seen, false, "Spara?",
                          "Vill du spara ändringarna?"),
              4);
    EXPECT_EQ(seen.caption, "Spara?");
    EXPECT_EQ(seen.text, "Vill du spara \xE4ndringarna?");
    EXPECT_EQ(seen.icon, LoadIconA(nullptr, IDI_QUESTION));
    EXPECT_EQ(seen.default_button, IDNO);
    EXPECT_EQ(AskAndPress(owner, "QUESTION", "yes_NO", IDNO, &seen), 1);
    vu_WindowDestroy(owner);
}

TEST(MessageAsk, UnknownButtonSetsGiveOneOkButton)
{
    HWND owner = NewOwner();
    for (const char* word : {"yes_no", "YES_NO", "OK_CANCEL", "ok", "", "YES_no_"}) {
        Seen seen;
        EXPECT_EQ(AskAndPress(owner, "STOP", word, IDOK, &seen), 5) << word;
        EXPECT_EQ(seen.buttons, std::vector<int>{IDOK}) << word;
    }
    Seen seen;
    EXPECT_EQ(AskAndPress(owner, "STOP", nullptr, IDOK, &seen), 5);
    EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
    vu_WindowDestroy(owner);
}

TEST(MessageAsk, ClosingTheBoxAnswersAsDocumented)
{
    HWND owner = NewOwner();
    Seen seen;
    // A box with only OK answers OK when closed; one with Cancel answers Cancel.
    EXPECT_EQ(AskAndPress(owner, "STOP", "OK", 0, &seen), 5);
    EXPECT_EQ(AskAndPress(owner, "STOP", "OK_help", 0, &seen), 5);
    EXPECT_EQ(AskAndPress(owner, "STOP", "unknown", 0, &seen), 5);
    EXPECT_EQ(AskAndPress(owner, "STOP", "OK_cancel", 0, &seen), 6);
    EXPECT_EQ(AskAndPress(owner, "STOP", "yes_no_CANCEL", 0, &seen), 6);
    vu_WindowDestroy(owner);
}

TEST(MessageAsk, NullTextsShowEmptyTexts)
{
    HWND owner = NewOwner();
    Driver driver(owner, [&](HWND box) {
        EXPECT_EQ(dialog_driver::TextOf(box), "");
        dialog_driver::Click(box, IDOK);
    });
    EXPECT_EQ(vu_MessageAsk(owner, nullptr, nullptr, nullptr, nullptr), 5);
    EXPECT_TRUE(driver.found());
    vu_WindowDestroy(owner);
}

TEST(PlainBox, ShowsTextWithOneOkButtonAndOptionallyEmptiesIt)
{
    HWND owner = NewOwner();
    for (const char* option : {"D", "N", "d", "DD", static_cast<const char*>(nullptr)}) {
        char text[] = "Finns inga uppgifter i ini-filen";
        Seen seen;
        Driver driver(owner, [&](HWND box) {
            seen = Read(box);
            dialog_driver::Click(box, IDOK);
        });
        EXPECT_EQ(vu_MessageBox(owner, "ini-fel", text, option), 0);
        ASSERT_TRUE(driver.found());
        EXPECT_EQ(seen.caption, "ini-fel");
        EXPECT_EQ(seen.text, "Finns inga uppgifter i ini-filen");
        EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
        EXPECT_EQ(seen.icon, nullptr);
        const bool empties = option != nullptr && std::string(option) == "D";
        EXPECT_EQ(std::string(text), empties ? "" : "Finns inga uppgifter i ini-filen")
            << (option ? option : "(null)");
    }
    vu_WindowDestroy(owner);
}

TEST(PlainBox, NullTextsAreEmpty)
{
    HWND owner = NewOwner();
    for (const char* option : {"D", "N"}) {
        Driver driver(owner, [&](HWND box) {
            EXPECT_EQ(dialog_driver::TextOf(GetDlgItem(box, 0xFFFF)), "");
            PostMessageA(box, WM_CLOSE, 0, 0);
        });
        EXPECT_EQ(vu_MessageBox(owner, nullptr, nullptr, option), 0);
        EXPECT_TRUE(driver.found());
    }
    vu_WindowDestroy(owner);
}

}  // namespace
