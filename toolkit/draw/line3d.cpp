// Shaded 3-D separator lines.
#include "base/keyword.h"
#include "draw/draw_context.h"
#include "vu.h"

namespace {

enum Direction { kNoDirection, kRight, kDown };

const vu::Keyword<Direction> kDirections[] = {
    {"RIGHT", kRight},
    {"DOWN", kDown},
};

// Grey levels of the four edges, outermost first: raised and sunken ("LOWER").
const int kRaised[4] = {255, 170, 130, 0};
const int kSunken[4] = {0, 130, 170, 255};

// One edge parallel to the line, offset rows below it ("RIGHT") or columns right of it ("DOWN").
void Edge(HDC dc, Direction direction, int x, int y, int length, int offset, int level)
{
    vu::SelectedPen pen(dc, PS_SOLID, 1, vu::Grey(level));
    if (direction == kRight)
        vu::Segment(dc, x, y + offset, x + length, y + offset);
    else
        vu::Segment(dc, x + offset, y, x + offset, y + length);
}

}  // namespace

int vu_Line3D(HWND window, int x, int y, int length, const char* direction, const char* style,
              int thickness)
{
    const Direction way = vu::KeywordValue(kDirections, direction, kNoDirection);
    if (way == kNoDirection) return 0;
    vu::DrawContext context(window);
    if (!context) return 0;
    const int* levels = vu::IsWord(style, "LOWER") ? kSunken : kRaised;
    // A thick bar is an outline: the rows between offset 2 and thickness - 1 are not painted.
    Edge(context.dc(), way, x, y, length, 0, levels[0]);
    if (thickness > 1) {
        Edge(context.dc(), way, x, y, length, 1, levels[1]);
        Edge(context.dc(), way, x, y, length, thickness, levels[2]);
    }
    Edge(context.dc(), way, x, y, length, thickness + 1, levels[3]);
    return 0;
}
