// Start-up of Vindrulen: the command-line tail, and the exit code when the main window
// cannot be made.
#include <gtest/gtest.h>

#include "startup.h"

namespace {

TEST(CommandLineTail, SkipsTheProgramNameAndTheSpacesAfterIt)
{
    const struct { const char *line, *tail; } rows[] = {
        {"\"C:\\Program Files\\vindrulen.exe\" /x", "/x"}, {"vindrulen   abc", "abc"}, {"vindrulen", ""},
        {"\"vindrulen.exe\"abc def", "abc def"}, {"", ""}, {nullptr, ""},
        {"\"C:\\Program Files\\vindrulen.exe /x", "\"C:\\Program Files\\vindrulen.exe /x"},
        // Only the space is a blank: a tab neither ends the name nor is skipped after it.
        {"vindrulen\tabc", ""}, {"vindrulen \tabc", "\tabc"},
    };
    for (const auto& row : rows) EXPECT_STREQ(CommandLineTail(row.line), row.tail) << row.line;
}

TEST(GuiMain, ExitsWithOneWhenTheMainWindowCannotBeMade)
{
    // A class of that name exists: no window, and the program ends at once (no quit would come).
    const WNDCLASSA wc = {0, DefWindowProcA, 0, 0, GetModuleHandleA(nullptr), 0, 0, 0, 0, "Vindrulen"};
    ASSERT_TRUE(RegisterClassA(&wc));
    EXPECT_EQ(GuiMain(GetModuleHandleA(nullptr), nullptr, "", SW_SHOWNORMAL), 1);
    EXPECT_EQ(FindWindowA("Vindrulen", nullptr), nullptr);
}

}  // namespace
