// The cursor tests: a rectangle of a client area holds the cursor only strictly inside its
// edges; the cursor's client position goes to vu_Query.
#include <gtest/gtest.h>

#include "query.h"

using namespace vu_test;

TEST(Cursor, InsideOnlyStrictlyWithinTheEdgesAndThePositionInQuery)
{
    // The rectangle at 10, 20, 30 wide, 40 high: its edges are x 10 and 40, y 20 and 60.
    const struct { int x, y, w, h, cx, cy, expected; } rows[] = {
        {10, 20, 30, 40, 10, 30, 0}, {10, 20, 30, 40, 11, 30, 7}, {10, 20, 30, 40, 39, 30, 7},
        {10, 20, 30, 40, 40, 30, 0}, {10, 20, 30, 40, 20, 20, 0}, {10, 20, 30, 40, 20, 21, 7},
        {10, 20, 30, 40, 20, 59, 7}, {10, 20, 30, 40, 20, 60, 0}, {10, 20, 30, 40, -7, -3, 0},
        {25, 40, 0, 0, 25, 40, 0}, {0, 0, 0x7FFFFFFF, 0x7FFFFFFF, 25, 40, 7},  // empty; no overflow
    };
    Window window("Markör", 200, 150);
    for (const auto& row : rows) {
        POINT p = {row.cx, row.cy};
        ClientToScreen(window, &p);
        SetCursorPos(p.x, p.y);
        EXPECT_EQ(vu_CursorIn(window, row.x, row.y, row.w, row.h, 7), row.expected) << row.cx << "," << row.cy;
        vu_Query = {-1, -1};
        EXPECT_EQ(vu_CursorPos(window), 0);
        EXPECT_EQ(vu_Query.x * 1000 + vu_Query.y, row.cx * 1000 + row.cy) << row.cx << "," << row.cy;
    }
}
