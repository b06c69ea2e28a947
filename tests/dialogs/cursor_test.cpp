// The cursor tests: a rectangle of a window's client area that holds the cursor only strictly
// inside its edges, and the cursor's client position left in vu_Query.
#include <gtest/gtest.h>

#include <string>

#include "vu_test.h"

namespace {

HWND Window()
{
    const std::string title = vu_test::UniqueTitle("Markör");
    return vu_WindowCreate(GetModuleHandleA(nullptr), title.c_str(), 100, 80, 300, 200, "CLO");
}

// Puts the cursor at a point of the window's client area.
void PutCursor(HWND window, int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(window, &p);
    SetCursorPos(p.x, p.y);
}

TEST(CursorIn, CountsOnlyPointsStrictlyInsideTheRectangle)
{
    HWND window = Window();
    ASSERT_NE(window, nullptr);
    // The rectangle 10, 20, 30 wide, 40 high: its edges are x 10 and 40, y 20 and 60.
    struct Case {
        int x, y, expected;
    };
    const Case cases[] = {
        {10, 30, 0}, {11, 30, 7}, {39, 30, 7}, {40, 30, 0},  // left and right edges
        {20, 20, 0}, {20, 21, 7}, {20, 59, 7}, {20, 60, 0},  // top and bottom edges
        {5, 5, 0},   {100, 100, 0}, {25, 40, 7},
    };
    for (const Case& c : cases) {
        PutCursor(window, c.x, c.y);
        EXPECT_EQ(vu_CursorIn(window, 10, 20, 30, 40, 7), c.expected) << c.x << "," << c.y;
    }
    // An empty rectangle holds nothing; a huge one does not overflow its far edges.
    PutCursor(window, 25, 40);
    EXPECT_EQ(vu_CursorIn(window, 25, 40, 0, 0, 7), 0);
    EXPECT_EQ(vu_CursorIn(window, 0, 0, 0x7FFFFFFF, 0x7FFFFFFF, 9), 9);
    DestroyWindow(window);
}

TEST(CursorPos, LeavesTheClientPositionInQuery)
{
    HWND window = Window();
    ASSERT_NE(window, nullptr);
    PutCursor(window, 25, 35);
    vu_Query = {-1, -1};
    EXPECT_EQ(vu_CursorPos(window), 0);
    EXPECT_EQ(vu_Query.x, 25);
    EXPECT_EQ(vu_Query.y, 35);

    // Left of and above the client area the position is negative.
    PutCursor(window, -7, -3);
    EXPECT_EQ(vu_CursorPos(window), 0);
    EXPECT_EQ(vu_Query.x, -7);
    EXPECT_EQ(vu_Query.y, -3);
    DestroyWindow(window);
}

}  // namespace
