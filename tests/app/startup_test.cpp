// Start-up of Vindrulen: the command-line tail, and the exit code when the main window
// cannot be made.
#include <gtest/gtest.h>

#include <string>

#include "startup.h"
#include "vu_test.h"

namespace {

TEST(CommandLineTail, SkipsTheProgramNameAndTheBlanksAfterIt)
{
    EXPECT_STREQ(CommandLineTail("\"C:\\Program Files\\vindrulen.exe\" /x"), "/x");
    EXPECT_STREQ(CommandLineTail("vindrulen   abc"), "abc");
    EXPECT_STREQ(CommandLineTail("\"C:\\Program Files\\vindrulen.exe /x"),
                 "\"C:\\Program Files\\vindrulen.exe /x");
    EXPECT_STREQ(CommandLineTail("\"vindrulen.exe\"abc def"), "abc def");
    EXPECT_STREQ(CommandLineTail("vindrulen"), "");
    EXPECT_STREQ(CommandLineTail("\"vindrulen\"   "), "");
    EXPECT_STREQ(CommandLineTail(""), "");
    EXPECT_STREQ(CommandLineTail(nullptr), "");
}

TEST(CommandLineTail, OnlyTheSpaceIsABlank)
{
    // A tab neither ends the program name nor is skipped after it.
    EXPECT_STREQ(CommandLineTail("vindrulen\tabc"), "");
    EXPECT_STREQ(CommandLineTail("vindrulen \tabc"), "\tabc");
    EXPECT_STREQ(CommandLineTail("\"vindrulen\"\t abc"), "\t abc");
}

TEST(CommandLineTail, TailPointsIntoTheLineItself)
{
    const char line[] = "\"C:\\v.exe\"  rest";
    EXPECT_EQ(CommandLineTail(line), line + 12);
}

TEST(GuiMain, ExitsWithOneWhenTheMainWindowCannotBeMade)
{
    // A class of the main window's name already exists: the toolkit cannot register it,
    // creates no window, and the program ends at once instead of waiting for a quit that
    // would never come.
    WNDCLASSA wc = {};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "Vindrulen";
    ASSERT_TRUE(RegisterClassA(&wc));
    EXPECT_EQ(GuiMain(GetModuleHandleA(nullptr), nullptr, "", SW_SHOWNORMAL), 1);
    EXPECT_EQ(FindWindowA("Vindrulen", nullptr), nullptr);
}

}  // namespace
