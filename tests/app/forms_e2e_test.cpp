// vindrulen.exe's two forms as a user sees them: the corner form at start, "Config" and
// "Beredskapsläge" clicked with the mouse, screenshots of both, and the frame's pixels read
// back from the running program's window.
#include <gtest/gtest.h>

#include <string>

#include "vindrulen_driver.h"

namespace {

using driver::Program;

// Children whose rectangle meets the client area.
std::vector<std::string> VisibleChildren(HWND main)
{
    RECT client = {};
    GetClientRect(main, &client);
    std::vector<std::string> texts;
    for (HWND w : driver::Children(main)) {
        const RECT r = driver::ClientRectOf(w);
        RECT common = {};
        if (IntersectRect(&common, &r, &client)) texts.push_back(driver::TextOf(w));
    }
    return texts;
}

TEST(Forms, StartsInTheCornerWithOnlyKopieraAndConfigVisible)
{
    driver::RemoveIni();
    Program program;
    ASSERT_TRUE(program.Ready());
    HWND main = program.Main();
    RECT r = {};
    GetWindowRect(main, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    RECT client = {};
    GetClientRect(main, &client);
    EXPECT_EQ(r.right - r.left, 146);
    EXPECT_LE(client.right, 146);
    const std::vector<std::string> visible = VisibleChildren(main);
    ASSERT_EQ(visible.size(), 2u);
    EXPECT_EQ(visible[0], "Kopiera");
    EXPECT_EQ(visible[1], "Config");
    // "Config" is cut at the client area's right edge; nothing else reaches it.
    EXPECT_EQ(driver::ClientRectOf(program.Button(101, 0)).right, 141);
    EXPECT_GE(driver::ClientRectOf(program.Button(180, 0)).left, client.right);
    EXPECT_EQ(driver::TextOf(program.Row()), "1");
    EXPECT_EQ(driver::TextOf(program.From()), "");
    EXPECT_TRUE(program.Idle());
    driver::Screenshot(main, "vindrulen-corner.bmp");
    // Creating the window reads and writes nothing.
    EXPECT_FALSE(vu_test::FileExists(driver::IniPath()));
}

TEST(Forms, ConfigCentresTheFullFormAndStandbyReturnsToTheCorner)
{
    driver::RemoveIni();
    driver::WriteIni("[1]\r\nFrom=C:\\data\\lista.txt\r\nTo=D:\\kopior\\lista.txt\r\n");
    Program program;
    ASSERT_TRUE(program.Ready());
    HWND main = program.Main();
    program.ConfigForm();
    const int caption = GetSystemMetrics(SM_CYCAPTION);
    RECT r = {};
    GetWindowRect(main, &r);
    EXPECT_EQ(r.right - r.left, 320);
    EXPECT_EQ(r.bottom - r.top, 270 + caption);
    // Centred: half a caption height above the screen's centre.
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 320) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 270 - 2 * caption) / 2);
    // Now every control lies inside the client area, and row 1 is loaded.
    EXPECT_EQ(VisibleChildren(main).size(), 9u);
    EXPECT_TRUE(driver::Shows(program.From(), "C:\\data\\lista.txt"));
    EXPECT_TRUE(driver::Shows(program.To(), "D:\\kopior\\lista.txt"));

    // "Config" again keeps the form and re-reads the row, discarding unsaved edits.
    program.TypeInto(program.From(), "X");
    ASSERT_TRUE(driver::Shows(program.From(), "C:\\data\\lista.txtX"));
    program.ConfigForm();
    EXPECT_TRUE(driver::Shows(program.From(), "C:\\data\\lista.txt"));

    // "Beredskapsläge": back to the corner, texts kept, nothing written.
    program.ClickButton(180, 0);
    ASSERT_TRUE(driver::WaitFor([&] { return program.OuterSizeIs(146, 26 + caption); }));
    GetWindowRect(main, &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(VisibleChildren(main).size(), 2u);
    EXPECT_EQ(driver::TextOf(program.From()), "C:\\data\\lista.txt");
    EXPECT_EQ(driver::ReadIni()["1"]["From"], "C:\\data\\lista.txt");
}

COLORREF PixelAt(HDC dc, int x, int y) { return GetPixel(dc, x, y) & 0xFFFFFF; }

TEST(Forms, PaintsTheRaisedFrameAndTheTextsInTheConfigForm)
{
    driver::RemoveIni();
    Program program;
    ASSERT_TRUE(program.Ready());
    program.ConfigForm();
    HWND main = program.Main();
    ASSERT_TRUE(program.Front());
    HDC dc = GetDC(main);
    ASSERT_NE(dc, nullptr);
    const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0);
    // The program paints the frame and texts in its own time after showing the form.
    ASSERT_TRUE(driver::WaitFor(
        [&] { return PixelAt(dc, 98, 30) == white && PixelAt(dc, 305, 96) == black; }))
        << std::hex << PixelAt(dc, 98, 30) << " " << PixelAt(dc, 305, 96);
    ASSERT_TRUE(program.Idle());
    driver::WaitFor([&] { return PixelAt(dc, 150, 130) == white; }, 10000);
    const std::string shot = driver::Screenshot(main, "vindrulen-config.bmp");
    EXPECT_TRUE(vu_test::FileExists(shot));
    // The frame at (98, 30), 207 x 65, inset 1, raised: white outer top and left and inner
    // bottom and right, black inner top and left and outer bottom and right.
    struct Point {
        int x, y;
        COLORREF colour;
    };
    const Point frame[] = {
        {98, 30, white},  {150, 30, white},  {304, 30, white},  {98, 60, white},
        {98, 96, black},  {98, 95, white},   {200, 96, black},  {305, 96, black},
        {305, 30, black}, {305, 60, black},  {100, 32, black},  {150, 32, black},
        {100, 90, black}, {200, 94, white},  {303, 90, white},  {303, 40, white},
    };
    for (const Point& p : frame)
        EXPECT_EQ(PixelAt(dc, p.x, p.y), p.colour) << p.x << "," << p.y;
    // Between the two rectangles the background shows.
    const COLORREF back = PixelAt(dc, 99, 60);
    EXPECT_NE(back, white);
    EXPECT_NE(back, black);
    // Black text pixels in every text's own box, and none just above the first note.
    struct Box {
        int x, y, width, height;
    };
    const Box texts[] = {{102, 33, 150, 10}, {102, 43, 120, 10}, {102, 53, 150, 10},
                         {102, 63, 150, 10}, {102, 73, 120, 10}, {102, 83, 150, 10},
                         {10, 40, 80, 16},   {10, 100, 150, 16}, {10, 160, 200, 16},
                         {10, 250, 60, 12}};
    for (const Box& b : texts) {
        int dark = 0;
        for (int y = b.y; y < b.y + b.height; ++y)
            for (int x = b.x; x < b.x + b.width; ++x)
                if (PixelAt(dc, x, y) == black) ++dark;
        EXPECT_GT(dark, 10) << b.x << "," << b.y;
    }
    for (int x = 102; x < 250; ++x) EXPECT_NE(PixelAt(dc, x, 31), black) << x;
    ReleaseDC(main, dc);
}

}  // namespace
