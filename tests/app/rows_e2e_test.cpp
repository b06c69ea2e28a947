// The copy rows through vindrulen.exe's own controls: the row field's arrows clicked and
// held with the mouse, paths typed and saved, long paths, and the settings file read back
// with the driver's own reader.
#include <gtest/gtest.h>

#include <string>

#include "vindrulen_driver.h"

namespace {

using driver::Program;

std::string FromOf(int row) { return "C:\\k\xE4lla\\fil" + std::to_string(row) + ".txt"; }
std::string ToOf(int row) { return "D:\\m\xE5l\\fil" + std::to_string(row) + ".txt"; }

void WriteNineRows()
{
    std::string ini;
    for (int row = 1; row <= 9; ++row)
        ini += "[" + std::to_string(row) + "]\r\nFrom=" + FromOf(row) + "\r\nTo=" + ToOf(row) +
               "\r\n";
    driver::WriteIni(ini);
}

// Waits until the panel shows a row: its digit and both paths.
void ExpectRow(const Program& program, int row)
{
    EXPECT_TRUE(driver::Shows(program.Row(), std::to_string(row))) << row;
    EXPECT_TRUE(driver::Shows(program.From(), FromOf(row))) << row;
    EXPECT_TRUE(driver::Shows(program.To(), ToOf(row))) << row;
}

void ClickArrow(const Program& program, bool up, int expected_row)
{
    driver::ClickAt(program.RowArrow(up));
    ExpectRow(program, expected_row);
}

// Holds an arrow beyond the end: both fields empty while held, the row field one row
// behind; on release the end row and its paths come back.
void HoldArrowBeyondEnd(const Program& program, bool up, int end_row)
{
    driver::MouseTo(program.RowArrow(up));
    driver::MouseButton(true);
    EXPECT_TRUE(driver::Shows(program.From(), ""));
    EXPECT_TRUE(driver::Shows(program.To(), ""));
    EXPECT_EQ(driver::TextOf(program.Row()), std::to_string(end_row));
    driver::MouseButton(false);
    ExpectRow(program, end_row);
}

TEST(Rows, ArrowsWalkTheNineRowsAndHoldTheEnds)
{
    VU_SKIP_TIMED_INPUT_UNDER_HEAP_CHECKER();
    driver::RemoveIni();
    WriteNineRows();
    Program program;
    ASSERT_TRUE(program.Ready());
    program.ConfigForm();
    ExpectRow(program, 1);
    HoldArrowBeyondEnd(program, true, 1);
    for (int row = 2; row <= 9; ++row) ClickArrow(program, false, row);
    HoldArrowBeyondEnd(program, false, 9);
    for (int row = 8; row >= 1; --row) ClickArrow(program, true, row);
    // The arrows read; they never write.
    driver::Ini ini = driver::ReadIni();
    EXPECT_EQ(ini.size(), 9u);
    EXPECT_EQ(ini["5"]["From"], FromOf(5));
}

TEST(Rows, TypedPathsAreSavedAndSavingAgainReplacesThem)
{
    driver::RemoveIni();
    driver::WriteIni("[5]\r\nFrom=C:\\keep.txt\r\nTo=D:\\keep.txt\r\n[annat]\r\nnyckel=v\xE4rde\r\n");
    Program program;
    ASSERT_TRUE(program.Ready());
    program.ConfigForm();
    EXPECT_TRUE(driver::Shows(program.From(), ""));
    program.TypeInto(program.From(), "C:\\Data\\lista.txt");
    program.TypeInto(program.To(), "A:\\lista.txt");
    ASSERT_TRUE(driver::Shows(program.From(), "C:\\Data\\lista.txt"));
    ASSERT_TRUE(driver::Shows(program.To(), "A:\\lista.txt"));
    program.ClickButton(215, 230);
    ASSERT_TRUE(driver::WaitFor([] {
        driver::Ini now = driver::ReadIni();
        return now["1"]["From"] == "C:\\Data\\lista.txt" && now["1"]["To"] == "A:\\lista.txt";
    }));
    driver::Ini ini = driver::ReadIni();
    EXPECT_EQ(ini["1"]["From"], "C:\\Data\\lista.txt");
    EXPECT_EQ(ini["1"].size(), 2u);
    // The fields keep their texts.
    EXPECT_EQ(driver::TextOf(program.From()), "C:\\Data\\lista.txt");

    // Saving again replaces both values; the other sections stay as they were.
    program.EraseField(program.From());
    program.TypeInto(program.From(), "C:\\ny.txt");
    program.EraseField(program.To());
    program.ClickButton(215, 230);
    ASSERT_TRUE(driver::WaitFor([] {
        driver::Ini now = driver::ReadIni();
        return now["1"]["From"] == "C:\\ny.txt" && now["1"]["To"].empty();
    }));
    ini = driver::ReadIni();
    ASSERT_EQ(ini["1"].count("To"), 1u);
    EXPECT_EQ(ini["1"]["To"], "");
    EXPECT_EQ(ini["5"]["From"], "C:\\keep.txt");
    EXPECT_EQ(ini["5"]["To"], "D:\\keep.txt");
    EXPECT_EQ(ini["annat"]["nyckel"], "v\xE4rde");
    std::string bytes;
    ASSERT_TRUE(vu_test::ReadFileBytes(driver::IniPath(), &bytes));
    EXPECT_EQ(bytes.find("[1]"), bytes.rfind("[1]"));  // one section, not two
    EXPECT_EQ(bytes.find("lista"), std::string::npos);

    // Row 5 through the arrows, saved unchanged: its values stay.
    for (int row = 2; row <= 5; ++row) {
        driver::ClickAt(program.RowArrow(false));
        ASSERT_TRUE(driver::Shows(program.Row(), std::to_string(row)));
    }
    ASSERT_TRUE(driver::Shows(program.From(), "C:\\keep.txt"));
    ASSERT_TRUE(program.Idle());
    program.ClickButton(215, 230);
    ASSERT_TRUE(program.Idle());
    EXPECT_EQ(driver::ReadIni()["5"]["From"], "C:\\keep.txt");
}

TEST(Rows, LongPathsAreCutTo999Characters)
{
    driver::RemoveIni();
    const std::string stored = "C:\\" + std::string(1197, 's');  // 1200 characters
    driver::WriteIni("[1]\r\nFrom=" + stored + "\r\nTo=D:\\x\r\n");
    Program program;
    ASSERT_TRUE(program.Ready());
    program.ConfigForm();
    EXPECT_TRUE(driver::Shows(program.From(), stored.substr(0, 999)));
    EXPECT_TRUE(driver::Shows(program.To(), "D:\\x"));

    // A path of 1000 characters in the field (set directly: typing it takes long) and the
    // last character typed by the user, saved as its first 999.
    const std::string typed = "E:\\" + std::string(996, 't');
    SendMessageA(program.From(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()));
    program.TypeInto(program.From(), "z");
    ASSERT_TRUE(driver::Shows(program.From(), typed + "z"));
    program.ClickButton(215, 230);
    ASSERT_TRUE(driver::WaitFor([&] { return driver::ReadIni()["1"]["To"] == "D:\\x"; }));
    ASSERT_TRUE(driver::WaitFor([&] { return driver::ReadIni()["1"]["From"] == typed; }));
    EXPECT_EQ(driver::ReadIni()["1"]["From"].size(), 999u);
}

}  // namespace
