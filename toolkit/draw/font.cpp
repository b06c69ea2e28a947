// Fonts by pixel size, and the style codes shared with the point-size constructor.
#include "base/keyword.h"
#include "draw/font_style.h"
#include "vu.h"

namespace {

struct FontStyle {
    int code;
    bool italic;
    bool underline;
    bool strike_out;
};

// One decimal digit per attribute, in rising order: 1 italic, 2 underline, 3 strike-out.
// A code outside the table gives a plain font.
const FontStyle kFontStyles[] = {
    {0, false, false, false},  {1, true, false, false},  {2, false, true, false},
    {3, false, false, true},   {12, true, true, false},  {13, true, false, true},
    {23, false, true, true},   {123, true, true, true},
};

FontStyle StyleOf(int code)
{
    for (const FontStyle& row : kFontStyles)
        if (row.code == code) return row;
    return kFontStyles[0];
}

}  // namespace

namespace vu {

HFONT CreateStyledFont(int height, int width, int angle, int weight, int style,
                       const char* face)
{
    const FontStyle s = StyleOf(style);
    return CreateFontA(height, width, angle, angle, weight, s.italic, s.underline, s.strike_out,
                       ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, vu::TextOrEmpty(face));
}

}  // namespace vu

HFONT vu_CreateFont(int height, int width, int angle, int weight, int style, int,
                    const char* face)
{
    return vu::CreateStyledFont(height, width, angle, weight, style, face);
}
