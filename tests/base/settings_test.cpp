// Settings read and write on real profile files.
#include <gtest/gtest.h>

#include <cstring>

#include "vu_test.h"

// Every read in every buffer size gives what is stored, cut to the buffer, or the empty text
// and 0 for what is not (the blanks of the platform's default never show), and writes
// nothing past the buffer.
TEST(Settings, ReadGivesTheValueOrTheEmptyText)
{
    const std::string dir = vu_test::NewTempDir(), f = dir + "test.ini", none = dir + "x.ini";
    ASSERT_TRUE(vu_test::WriteFileBytes(f, "[rad]\r\ntom=\r\nblank=   \r\nsvans=abc   \r\nlång=12345678901234567890\r\n"));
    const struct { const char *name, *file, *section, *key, *text; } rows[] = {
        {"empty value", f.c_str(), "rad", "tom", ""}, {"blanks", f.c_str(), "rad", "blank", ""},
        {"missing key", f.c_str(), "rad", "saknas", ""}, {"missing section", f.c_str(), "x", "tom", ""},
        {"missing file", none.c_str(), "rad", "tom", ""}, {"null file", nullptr, "rad", "svans", ""},
        {"null section and key", f.c_str(), nullptr, nullptr, ""}, {"trailing blanks", f.c_str(), "RAD", "svans", "abc"},
        {"long value", f.c_str(), "rad", "lång", "12345678901234567890"}};
    for (const auto& row : rows) {
        for (int size : {0, 1, 2, 3, 10, 32}) {
            SCOPED_TRACE(std::string(row.name) + " in " + std::to_string(size));
            char buffer[40];
            std::memset(buffer, 'X', sizeof buffer);
            const std::string text = std::string(row.text).substr(0, size > 0 ? size - 1 : 0);
            EXPECT_EQ(vu_SettingsRead(row.file, row.section, row.key, buffer, size), int(text.size()));
            EXPECT_EQ(std::string(buffer, strnlen(buffer, size)), text);
            EXPECT_EQ(std::string(buffer + size, sizeof buffer - size), std::string(40 - size, 'X'));
        }
    }
    EXPECT_EQ(vu_SettingsRead(f.c_str(), "rad", "lång", nullptr, 10), 0);
}

// A write creates the file and the section; a null value keeps the key, empty.
TEST(Settings, WriteCreatesFileAndSectionOrGivesOne)
{
    const std::string file = vu_test::NewTempDir() + "ny.ini";
    std::string bytes;
    EXPECT_EQ(vu_SettingsWrite(file.c_str(), "3", "To", "D:\\Kopior") + vu_SettingsWrite(file.c_str(), "3", "From", nullptr), 0);
    EXPECT_TRUE(vu_test::ReadFileBytes(file, &bytes));
    EXPECT_EQ(bytes, "[3]\r\nTo=D:\\Kopior\r\nFrom=\r\n");
    EXPECT_EQ(vu_SettingsWrite((file + "\\x.ini").c_str(), "1", "From", "a"), 1);
    EXPECT_EQ(vu_SettingsWrite(nullptr, "1", "From", "a"), 1);
}
