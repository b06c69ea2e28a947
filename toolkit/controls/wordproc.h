// What the text editor's source files share: the limit cap, the font selector, the text
// read in one piece and the forwarding procedure. Internal to the toolkit.
#ifndef VU_CONTROLS_WORDPROC_H
#define VU_CONTROLS_WORDPROC_H

#include <windows.h>

#include <string>

namespace vu {
namespace wordproc {

// The largest limit the creation and limit calls set.
constexpr unsigned kLimitCap = 0xFFFF;

// A requested maximum as the platform takes it (unsigned), capped at kLimitCap; 0 stays 0
// (the platform's own maximum).
unsigned CappedLimit(int maximum);

// The editor's limit (EM_GETLIMITTEXT), unsigned.
unsigned LimitOf(HWND editor);

// The font of a selector or handle: (HFONT)0..4 are the stock fonts SYSTEM_FONT,
// ANSI_FIXED_FONT, ANSI_VAR_FONT, DEFAULT_GUI_FONT and OEM_FIXED_FONT; anything else is a
// font handle and is returned as it is.
HFONT FontOf(HFONT selector);

// The editor's whole text, read once into a buffer sized from its length (never from its
// limit, which may be the platform's 4 GB maximum).
std::string WholeText(HWND editor);

// Replaces the editor's window procedure by the forwarding procedure and keeps the one it had
// in the slot that all editors share (a null editor changes nothing).
void InstallForwarding(HWND editor);

}  // namespace wordproc
}  // namespace vu

#endif
