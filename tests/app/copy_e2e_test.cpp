// "Kopiera" in vindrulen.exe clicked with the mouse: the rows copied in order up to the first
// row without a source, the one message box, and destinations replaced byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "vindrulen_driver.h"

namespace {

using driver::Program;

// Source file contents that differ per row and hold every kind of byte.
std::string ContentOf(int row)
{
    std::string bytes = "rad " + std::to_string(row) + "\r\n\xE4\xF6\xE5";
    bytes.push_back('\0');
    bytes += std::string(100 * row, static_cast<char>('a' + row));
    return bytes;
}

struct Rows {
    std::string dir = vu_test::NewTempDir();
    std::string From(int row) const { return dir + "k\xE4lla" + std::to_string(row) + ".bin"; }
    std::string To(int row) const { return dir + "m\xE5l" + std::to_string(row) + ".bin"; }

    // Writes the source files and a settings file with these rows; a row listed in
    // empty_from is saved with an empty "From".
    void Save(int rows, int empty_from = 0) const
    {
        std::string ini;
        for (int row = 1; row <= rows; ++row) {
            EXPECT_TRUE(vu_test::WriteFileBytes(From(row), ContentOf(row)));
            ini += "[" + std::to_string(row) + "]\r\nFrom=" + (row == empty_from ? "" : From(row)) +
                   "\r\nTo=" + To(row) + "\r\n";
        }
        driver::WriteIni(ini);
    }
    bool Copied(int row) const
    {
        std::string bytes;
        return vu_test::ReadFileBytes(To(row), &bytes) && bytes == ContentOf(row);
    }
};

// Waits for the message box owned by the main window, checks its texts and closes it.
void ExpectMessage(const Program& program)
{
    HWND box = program.WaitDialog();
    ASSERT_NE(box, nullptr);
    std::string caption, message;
    driver::CloseMessageBox(box, &caption, &message);
    EXPECT_EQ(caption, "ini-fel");
    EXPECT_EQ(message, "Finns inga uppgifter i ini-filen");
    EXPECT_TRUE(driver::WaitFor([&] { return program.NoDialog(); }));
}

TEST(Copy, WithoutSettingsFileShowsTheMessageAtOnce)
{
    driver::RemoveIni();
    Program program;
    ASSERT_TRUE(program.Ready());
    program.ClickButton(0, 0);
    ExpectMessage(program);
    // The run does not create the file, and the program goes on.
    EXPECT_FALSE(vu_test::FileExists(driver::IniPath()));
    EXPECT_TRUE(program.Idle());
    EXPECT_TRUE(IsWindowVisible(program.Main()));
}

TEST(Copy, StopsWithTheMessageAtTheFirstRowWithoutSource)
{
    driver::RemoveIni();
    Rows rows;
    rows.Save(9, 3);
    Program program;
    ASSERT_TRUE(program.Ready());
    program.ClickButton(0, 0);
    ExpectMessage(program);
    EXPECT_TRUE(rows.Copied(1));
    EXPECT_TRUE(rows.Copied(2));
    for (int row = 3; row <= 9; ++row) EXPECT_FALSE(vu_test::FileExists(rows.To(row))) << row;
}

TEST(Copy, CopiesAllNineRowsWithoutAMessageAndReplacesDestinations)
{
    driver::RemoveIni();
    Rows rows;
    rows.Save(9);
    // An existing, longer destination is replaced by the source's bytes.
    ASSERT_TRUE(vu_test::WriteFileBytes(rows.To(4), std::string(5000, 'x')));
    Program program;
    ASSERT_TRUE(program.Ready());
    program.ClickButton(0, 0);
    ASSERT_TRUE(driver::WaitFor([&] {
        for (int row = 1; row <= 9; ++row)
            if (!rows.Copied(row)) return false;
        return true;
    }));
    // Once the program answers again the run is over, and no message box came.
    ASSERT_TRUE(program.Idle());
    EXPECT_TRUE(program.NoDialog());
    EXPECT_TRUE(rows.Copied(4));
}

TEST(Copy, ThreeSavedRowsAreCopiedThenTheMessageComes)
{
    driver::RemoveIni();
    Rows rows;
    rows.Save(3);
    // A row with a source and no destination fails silently and the run goes on.
    driver::WriteIni("[1]\r\nFrom=" + rows.From(1) + "\r\n[2]\r\nFrom=" + rows.From(2) +
                     "\r\nTo=" + rows.To(2) + "\r\n[3]\r\nFrom=" + rows.From(3) + "\r\nTo=" +
                     rows.To(3) + "\r\n");
    Program program;
    ASSERT_TRUE(program.Ready());
    program.ClickButton(0, 0);
    ExpectMessage(program);
    EXPECT_FALSE(vu_test::FileExists(rows.To(1)));
    EXPECT_TRUE(rows.Copied(2));
    EXPECT_TRUE(rows.Copied(3));
}

}  // namespace
