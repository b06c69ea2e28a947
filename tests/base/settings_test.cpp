// Settings read and write on real profile files.
#include <gtest/gtest.h>

#include "vu_test.h"

// Every read in every buffer size gives what is stored, cut to the buffer, or "" and 0 for what is
// not (never the platform's blank default), and writes nothing past the buffer. A write creates
// the file and the section; a null value keeps the key, empty.
TEST(Settings, ReadGivesTheValueOrTheEmptyTextAndWriteCreatesTheFile)
{
    const std::string dir = vu_test::NewTempDir(), ini = dir + "test.ini", none = dir + "x.ini", made = dir + "ny.ini";
    const char *f = ini.c_str(), *x = none.c_str();
    ASSERT_TRUE(vu_test::WriteFileBytes(ini, "[rad]\r\ntom=\r\nblank=   \r\nsvans=abc   \r\nlång=12345678901234567890\r\n"));
    const struct { const char *name, *file, *section, *key, *text; } rows[] = {
        {"empty", f, "rad", "tom", ""}, {"blanks", f, "rad", "blank", ""}, {"no key", f, "rad", "saknas", ""},
        {"no section", f, "x", "tom", ""}, {"no file", x, "rad", "tom", ""}, {"null file", nullptr, "rad", "svans", ""},
        {"null names", f, nullptr, nullptr, ""}, {"trailing blanks", f, "RAD", "svans", "abc"},
        {"long", f, "rad", "lång", "12345678901234567890"}};
    for (const auto& row : rows) for (int size : {0, 1, 2, 3, 10, 32}) {
        SCOPED_TRACE(std::string(row.name) + " in " + std::to_string(size));
        std::string buffer(40, 'X');
        const std::string text = std::string(row.text).substr(0, size > 0 ? size - 1 : 0);
        EXPECT_EQ(vu_SettingsRead(row.file, row.section, row.key, &buffer[0], size), int(text.size()));
        EXPECT_EQ(buffer.substr(0, std::min(buffer.find('\0'), size_t(size))), text);
        EXPECT_EQ(buffer.substr(size), std::string(40 - size, 'X'));
    }
    EXPECT_EQ(vu_SettingsRead(f, "rad", "lång", nullptr, 10), 0);
    std::string bytes;
    EXPECT_EQ(vu_SettingsWrite(made.c_str(), "3", "To", "D:\\Kopior") + vu_SettingsWrite(made.c_str(), "3", "From", nullptr), 0);
    EXPECT_TRUE(vu_test::ReadFileBytes(made, &bytes) && bytes == "[3]\r\nTo=D:\\Kopior\r\nFrom=\r\n") << bytes;
    EXPECT_EQ(vu_SettingsWrite((made + "\\x.ini").c_str(), "1", "From", "a") + vu_SettingsWrite(nullptr, "1", "From", "a"), 2);
}
