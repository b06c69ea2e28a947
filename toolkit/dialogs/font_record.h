// The font description that the font chooser keeps between calls: the font it was last given
// or the user last chose. The text editor's printing takes its face and effects from it.
// Internal to the toolkit.
#ifndef VU_DIALOGS_FONT_RECORD_H
#define VU_DIALOGS_FONT_RECORD_H

#include <windows.h>

namespace vu {

// All zero (no face name) until the font chooser first runs.
extern LOGFONTA font_record;

}  // namespace vu

#endif
