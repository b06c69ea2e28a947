// Settings file read and write, file copy by keyword and file removal, on real files.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "vu_test.h"

namespace {

// A folder with one profile file of known content.
struct Profile {
    std::string dir = vu_test::NewTempDir();
    std::string file = dir + "test.ini";
    Profile()
    {
        vu_test::WriteFileBytes(file,
                                "[rad]\r\n"
                                "tom=\r\n"
                                "blank=   \r\n"
                                "svans=abc   \r\n"
                                "citat=\"med citat\"\r\n"
                                "lång=12345678901234567890\r\n"
                                "svensk=åäö\r\n");
    }
};

// Reads into a buffer filled with 'X' so that leftovers show.
std::string Read(const char* file, const char* section, const char* key, int size, int* count)
{
    char buffer[64];
    std::memset(buffer, 'X', sizeof buffer);
    *count = vu_SettingsRead(file, section, key, buffer, size);
    return std::string(buffer);
}

TEST(SettingsRead, MissingAndEmptyReadAsEmptyTextAndZero)
{
    Profile p;
    const std::string absent = p.dir + "finns_inte.ini";
    const struct {
        const char* file;
        const char* section;
        const char* key;
    } cases[] = {
        {p.file.c_str(), "rad", "tom"},        // empty value
        {p.file.c_str(), "rad", "blank"},      // value of blanks only
        {p.file.c_str(), "rad", "saknas"},     // missing key
        {p.file.c_str(), "saknas", "tom"},     // missing section
        {absent.c_str(), "rad", "tom"},        // missing file
        {p.file.c_str(), nullptr, nullptr},    // null names are empty names
        {nullptr, "rad", "svans"},             // null file names no file
    };
    for (const auto& c : cases) {
        for (int size : {2, 3, 10, 64}) {
            int count = -1;
            EXPECT_EQ(Read(c.file, c.section, c.key, size, &count), "")
                << (c.key ? c.key : "(null)") << " size " << size;
            EXPECT_EQ(count, 0) << (c.key ? c.key : "(null)") << " size " << size;
        }
    }
}

TEST(SettingsRead, StripsTrailingBlanksAndEnclosingQuotes)
{
    Profile p;
    int count = -1;
    EXPECT_EQ(Read(p.file.c_str(), "rad", "svans", 64, &count), "abc");
    EXPECT_EQ(count, 3);
    EXPECT_EQ(Read(p.file.c_str(), "rad", "citat", 64, &count), "med citat");
    EXPECT_EQ(count, 9);
    EXPECT_EQ(Read(p.file.c_str(), "RAD", "SVENSK", 64, &count), "åäö");
    EXPECT_EQ(count, 3);
}

TEST(SettingsRead, CutsLongValueToBufferSizeAndNeverWritesPastIt)
{
    Profile p;
    char buffer[32];
    std::memset(buffer, 'X', sizeof buffer);
    EXPECT_EQ(vu_SettingsRead(p.file.c_str(), "rad", "lång", buffer, 10), 9);
    EXPECT_STREQ(buffer, "123456789");
    for (int i = 10; i < 32; ++i) EXPECT_EQ(buffer[i], 'X') << i;

    // Size 1 holds only the terminator, size 0 and a null buffer hold nothing.
    std::memset(buffer, 'X', sizeof buffer);
    EXPECT_EQ(vu_SettingsRead(p.file.c_str(), "rad", "lång", buffer, 1), 0);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], 'X');
    std::memset(buffer, 'X', sizeof buffer);
    EXPECT_EQ(vu_SettingsRead(p.file.c_str(), "rad", "lång", buffer, 0), 0);
    EXPECT_EQ(vu_SettingsRead(p.file.c_str(), "rad", "lång", buffer, -5), 0);
    EXPECT_EQ(buffer[0], 'X');
    EXPECT_EQ(vu_SettingsRead(p.file.c_str(), "rad", "lång", nullptr, 10), 0);
}

TEST(SettingsWrite, CreatesFileAndSectionAndReadsBack)
{
    const std::string dir = vu_test::NewTempDir();
    const std::string file = dir + "ny.ini";
    EXPECT_EQ(vu_SettingsWrite(file.c_str(), "3", "From", "C:\\Data\\lista.txt"), 0);
    EXPECT_EQ(vu_SettingsWrite(file.c_str(), "3", "To", "D:\\Kopior\\lista.txt"), 0);
    int count = -1;
    EXPECT_EQ(Read(file.c_str(), "3", "From", 64, &count), "C:\\Data\\lista.txt");
    EXPECT_EQ(count, 17);
    EXPECT_EQ(Read(file.c_str(), "3", "To", 64, &count), "D:\\Kopior\\lista.txt");

    // A null value is the empty value: the key stays and reads as empty.
    EXPECT_EQ(vu_SettingsWrite(file.c_str(), "3", "From", nullptr), 0);
    EXPECT_EQ(Read(file.c_str(), "3", "From", 64, &count), "");
    EXPECT_EQ(count, 0);
    std::string bytes;
    ASSERT_TRUE(vu_test::ReadFileBytes(file, &bytes));
    EXPECT_NE(bytes.find("From="), std::string::npos) << bytes;
    EXPECT_NE(bytes.find("To=D:\\Kopior"), std::string::npos) << bytes;

    EXPECT_EQ(vu_SettingsWrite((dir + "saknas\\x.ini").c_str(), "1", "From", "a"), 1);
    EXPECT_EQ(vu_SettingsWrite(nullptr, "1", "From", "a"), 1);
}

TEST(SettingsWrite, BareNameLandsInWindowsDirectory)
{
    char windows[MAX_PATH];
    ASSERT_GT(GetWindowsDirectoryA(windows, MAX_PATH), 0u);
    const std::string name = "vu_test_" + std::to_string(GetCurrentProcessId()) + ".ini";
    const std::string full = std::string(windows) + "\\" + name;
    ASSERT_FALSE(vu_test::FileExists(full));
    EXPECT_EQ(vu_SettingsWrite(name.c_str(), "1", "From", "källa"), 0);
    EXPECT_TRUE(vu_test::FileExists(full));
    int count = -1;
    EXPECT_EQ(Read(name.c_str(), "1", "From", 64, &count), "källa");
    EXPECT_EQ(count, 5);
    EXPECT_EQ(Read(full.c_str(), "1", "From", 64, &count), "källa");
    EXPECT_EQ(vu_FileRemove(full.c_str()), 0);
    EXPECT_FALSE(vu_test::FileExists(full));
}

// Content with line ends and a NUL byte, so a text-mode or string copy would show.
const std::string kSource("rad 1\r\nrad 2\n\0slut\xE5", 20);
const std::string kOld = "gammalt innehåll som är längre än källan";

TEST(FileCopy, SaveIfExistReplacesDestinationByteForByte)
{
    const std::string dir = vu_test::NewTempDir();
    const std::string from = dir + "från.bin", to = dir + "till.bin";
    ASSERT_TRUE(vu_test::WriteFileBytes(from, kSource));
    ASSERT_TRUE(vu_test::WriteFileBytes(to, kOld));
    EXPECT_EQ(vu_FileCopy(nullptr, to.c_str(), from.c_str(), "SAVE_IF_EXIST"), 0);
    std::string bytes;
    ASSERT_TRUE(vu_test::ReadFileBytes(to, &bytes));
    EXPECT_EQ(bytes, kSource);

    const std::string fresh = dir + "ny.bin";
    EXPECT_EQ(vu_FileCopy(nullptr, fresh.c_str(), from.c_str(), "SAVE_IF_EXIST"), 0);
    ASSERT_TRUE(vu_test::ReadFileBytes(fresh, &bytes));
    EXPECT_EQ(bytes, kSource);
}

TEST(FileCopy, NoSaveIfExistCopiesOnlyOntoAbsentDestination)
{
    const std::string dir = vu_test::NewTempDir();
    const std::string from = dir + "a.bin", to = dir + "b.bin", fresh = dir + "c.bin";
    ASSERT_TRUE(vu_test::WriteFileBytes(from, kSource));
    ASSERT_TRUE(vu_test::WriteFileBytes(to, kOld));
    EXPECT_EQ(vu_FileCopy(nullptr, to.c_str(), from.c_str(), "NO_SAVE_IF_EXIST"), 1);
    std::string bytes;
    ASSERT_TRUE(vu_test::ReadFileBytes(to, &bytes));
    EXPECT_EQ(bytes, kOld);
    EXPECT_EQ(vu_FileCopy(nullptr, fresh.c_str(), from.c_str(), "NO_SAVE_IF_EXIST"), 0);
    ASSERT_TRUE(vu_test::ReadFileBytes(fresh, &bytes));
    EXPECT_EQ(bytes, kSource);
}

TEST(FileCopy, OtherWordsAndFailuresCopyNothingAndGiveOne)
{
    const std::string dir = vu_test::NewTempDir();
    const std::string from = dir + "a.bin", to = dir + "b.bin";
    ASSERT_TRUE(vu_test::WriteFileBytes(from, kSource));
    for (const char* word : {"save_if_exist", "No_Save_If_Exist", "SAVE", "SAVE_IF_EXIST ", ""}) {
        EXPECT_EQ(vu_FileCopy(nullptr, to.c_str(), from.c_str(), word), 1) << word;
        EXPECT_FALSE(vu_test::FileExists(to)) << word;
    }
    EXPECT_EQ(vu_FileCopy(nullptr, to.c_str(), from.c_str(), nullptr), 1);
    EXPECT_FALSE(vu_test::FileExists(to));
    EXPECT_EQ(vu_FileCopy(nullptr, to.c_str(), (dir + "saknas.bin").c_str(), "SAVE_IF_EXIST"), 1);
    EXPECT_EQ(vu_FileCopy(nullptr, nullptr, from.c_str(), "SAVE_IF_EXIST"), 1);
    EXPECT_EQ(vu_FileCopy(nullptr, to.c_str(), nullptr, "SAVE_IF_EXIST"), 1);
    EXPECT_FALSE(vu_test::FileExists(to));
}

TEST(FileRemove, RemovesFileOrGivesThree)
{
    const std::string dir = vu_test::NewTempDir();
    const std::string path = dir + "bort.txt";
    ASSERT_TRUE(vu_test::WriteFileBytes(path, "x"));
    EXPECT_EQ(vu_FileRemove(path.c_str()), 0);
    EXPECT_FALSE(vu_test::FileExists(path));
    EXPECT_EQ(vu_FileRemove(path.c_str()), 3);
    EXPECT_EQ(vu_FileRemove(nullptr), 3);
}

}  // namespace
