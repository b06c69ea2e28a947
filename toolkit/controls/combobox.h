// Entry numbers of the combobox: entry 0 is the control's own text, entry n the list item
// at position n - 1. Internal to the toolkit.
#ifndef VU_CONTROLS_COMBOBOX_H
#define VU_CONTROLS_COMBOBOX_H

#include <windows.h>

namespace vu {
namespace combobox {

// The control's own text is read with this many bytes at most (254 characters and a NUL).
constexpr int kOwnTextBytes = 255;

// The list position of entry n >= 1; a negative entry names position -2, which never holds
// an item and where nothing can be inserted (without the overflow of n - 1 at INT_MIN).
inline WPARAM ItemPosition(int entry)
{
    return static_cast<WPARAM>(entry >= 1 ? entry - 1 : -2);
}

}  // namespace combobox
}  // namespace vu

#endif
