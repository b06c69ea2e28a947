// The alignment words of the push button and the picture buttons. Internal to the toolkit.
#ifndef VU_CONTROLS_ALIGNMENT_H
#define VU_CONTROLS_ALIGNMENT_H

#include <windows.h>

#include "base/keyword.h"

namespace vu {

// Searched in this order. A word outside the table gives BS_CENTER for the push button
// and no alignment bits for the picture buttons: each caller passes its own fallback.
inline const Keyword<DWORD> kButtonAlignments[] = {
    {"L", BS_LEFT},
    {"R", BS_RIGHT},
    {"T", BS_TOP},
    {"B", BS_BOTTOM},
    {"C", BS_CENTER},
    {"LB", BS_LEFT | BS_BOTTOM},
    {"LT", BS_LEFT | BS_TOP},
    {"RB", BS_RIGHT | BS_BOTTOM},
    {"RT", BS_RIGHT | BS_TOP},
};

inline DWORD ButtonAlignment(const char* word, DWORD fallback)
{
    return KeywordValue(kButtonAlignments, word, fallback);
}

}  // namespace vu

#endif
