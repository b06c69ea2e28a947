// Style codes of the font constructors and the one CreateFontA call they share.
// Internal to the toolkit.
#ifndef VU_DRAW_FONT_STYLE_H
#define VU_DRAW_FONT_STYLE_H

#include <windows.h>

namespace vu {

// Creates a font with the toolkit's fixed fields (ANSI character set, default precisions and
// quality, Swiss family with default pitch), escapement and orientation both angle, and the
// italic, underline and strike-out attributes the style code asks for.
HFONT CreateStyledFont(int height, int width, int angle, int weight, int style,
                       const char* face);

}  // namespace vu

#endif
