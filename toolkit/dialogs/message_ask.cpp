// The question box: an icon word, a button-set word naming the buttons from left to right
// with the default in upper case, and the answer as the toolkit's own code.
#include "base/keyword.h"
#include "dialogs/help_relay.h"
#include "vu.h"

namespace {

const vu::Keyword<UINT> kIcons[] = {
    {"EXCLAMATION", MB_ICONEXCLAMATION},
    {"INFORMATION", MB_ICONINFORMATION},
    {"QUESTION", MB_ICONQUESTION},
    {"STOP", MB_ICONSTOP},
};

// Button flags together with the default-button flag. "cancel" in front of "retry" and
// "ignore" is the platform's Abort button; "help" adds the Help button last.
const vu::Keyword<UINT> kButtonSets[] = {
    {"OK", MB_OK | MB_DEFBUTTON1},
    {"OK_help", MB_OK | MB_HELP | MB_DEFBUTTON1},
    {"ok_HELP", MB_OK | MB_HELP | MB_DEFBUTTON2},
    {"OK_cancel", MB_OKCANCEL | MB_DEFBUTTON1},
    {"ok_CANCEL", MB_OKCANCEL | MB_DEFBUTTON2},
    {"OK_cancel_help", MB_OKCANCEL | MB_HELP | MB_DEFBUTTON1},
    {"ok_CANCEL_help", MB_OKCANCEL | MB_HELP | MB_DEFBUTTON2},
    {"ok_cancel_HELP", MB_OKCANCEL | MB_HELP | MB_DEFBUTTON3},
    {"RETRY_cancel", MB_RETRYCANCEL | MB_DEFBUTTON1},
    {"retry_CANCEL", MB_RETRYCANCEL | MB_DEFBUTTON2},
    {"RETRY_cancel_help", MB_RETRYCANCEL | MB_HELP | MB_DEFBUTTON1},
    {"retry_CANCEL_help", MB_RETRYCANCEL | MB_HELP | MB_DEFBUTTON2},
    {"retry_cancel_HELP", MB_RETRYCANCEL | MB_HELP | MB_DEFBUTTON3},
    {"YES_no", MB_YESNO | MB_DEFBUTTON1},
    {"yes_NO", MB_YESNO | MB_DEFBUTTON2},
    {"YES_no_help", MB_YESNO | MB_HELP | MB_DEFBUTTON1},
    {"yes_NO_help", MB_YESNO | MB_HELP | MB_DEFBUTTON2},
    {"yes_no_HELP", MB_YESNO | MB_HELP | MB_DEFBUTTON3},
    {"YES_no_cancel", MB_YESNOCANCEL | MB_DEFBUTTON1},
    {"yes_NO_cancel", MB_YESNOCANCEL | MB_DEFBUTTON2},
    {"yes_no_CANCEL", MB_YESNOCANCEL | MB_DEFBUTTON3},
    {"YES_no_cancel_help", MB_YESNOCANCEL | MB_HELP | MB_DEFBUTTON1},
    {"yes_NO_cancel_help", MB_YESNOCANCEL | MB_HELP | MB_DEFBUTTON2},
    {"yes_no_CANCEL_help", MB_YESNOCANCEL | MB_HELP | MB_DEFBUTTON3},
    {"yes_no_cancel_HELP", MB_YESNOCANCEL | MB_HELP | MB_DEFBUTTON4},
    {"CANCEL_retry_ignore", MB_ABORTRETRYIGNORE | MB_DEFBUTTON1},
    {"cancel_RETRY_ignore", MB_ABORTRETRYIGNORE | MB_DEFBUTTON2},
    {"cancel_retry_IGNORE", MB_ABORTRETRYIGNORE | MB_DEFBUTTON3},
    {"CANCEL_retry_ignore_help", MB_ABORTRETRYIGNORE | MB_HELP | MB_DEFBUTTON1},
    {"cancel_RETRY_ignore_help", MB_ABORTRETRYIGNORE | MB_HELP | MB_DEFBUTTON2},
    {"cancel_retry_IGNORE_help", MB_ABORTRETRYIGNORE | MB_HELP | MB_DEFBUTTON3},
    {"cancel_retry_ignore_HELP", MB_ABORTRETRYIGNORE | MB_HELP | MB_DEFBUTTON4},
};

struct Answer {
    int platform;
    int toolkit;
};

const Answer kAnswers[] = {
    {IDNO, 1}, {IDIGNORE, 2}, {IDRETRY, 3}, {IDYES, 4}, {IDOK, 5}, {IDCANCEL, 6}, {IDABORT, 6},
};

int ToolkitAnswer(int platform)
{
    for (const Answer& a : kAnswers)
        if (a.platform == platform) return a.toolkit;
    return platform;
}

}  // namespace

int vu_MessageAsk(HWND owner, const char* caption, const char* text, const char* icon,
                  const char* buttons)
{
    const UINT button_set = vu::KeywordValue(kButtonSets, buttons, UINT{MB_OK});
    const UINT flags = vu::KeywordValue(kIcons, icon, 0u) | button_set;
    int answer;
    {
        const vu::HelpRelay relay((flags & MB_HELP) != 0);
        answer = MessageBoxA(owner, vu::TextOrEmpty(text), vu::TextOrEmpty(caption), flags);
    }
    // A box whose only answer is OK answers OK when closed with Escape or its close box; some
    // platforms report Cancel there, which such a box does not offer.
    if ((button_set & MB_TYPEMASK) == MB_OK && answer == IDCANCEL) answer = IDOK;
    return ToolkitAnswer(answer);
}
