// The Help button of a question box: pressing it sends WM_HELP to the box's owner and leaves
// the box open. Some platforms' message boxes ignore the button; the relay gives the same
// behaviour everywhere by answering the button itself.
#ifndef VU_DIALOGS_HELP_RELAY_H
#define VU_DIALOGS_HELP_RELAY_H

#include <windows.h>

namespace vu {

// While one lives, message boxes that this thread activates relay their Help button.
class HelpRelay {
public:
    explicit HelpRelay(bool wanted);
    ~HelpRelay();
    HelpRelay(const HelpRelay&) = delete;
    HelpRelay& operator=(const HelpRelay&) = delete;

private:
    HHOOK hook_;
};

}  // namespace vu

#endif
