// The file copy on real files: a failed copy gives 1, leaves an earlier destination byte for byte
// and no temporary file in its folder, on a drive that fills up too (the small drive, VU_SMALL_DRIVE).
#include <gtest/gtest.h>

#include <set>

#include "vu_test.h"

std::set<std::string> Listing(const std::string& dir)
{
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((dir + "*").c_str(), &found);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found)) names.insert(found.cFileName);
    FindClose(find);
    return names;
}

// Content with line ends and a NUL byte, so a text-mode or string copy would show.
const std::string kNew("rad 1\r\nrad 2\n\0slut\xE5", 20), kOld = "gammalt innehåll, längre än det nya";

TEST(FileCopy, CopiesOrFailsKeepingTheDestination)
{
    enum Setup { kExisting, kAbsent, kReadOnly, kFolder, kNoFolder, kLocked, kHeld, kNoSource, kSame };
    const char *save = "SAVE_IF_EXIST", *keep = "NO_SAVE_IF_EXIST";
    const struct { const char *name, *mode; Setup setup; int result; const std::string* after; } rows[] = {
        {"replaces an existing destination", save, kExisting, 0, &kNew}, {"copies to a new destination", save, kAbsent, 0, &kNew},
        {"copies to a new destination without replacing", keep, kAbsent, 0, &kNew},
        {"keeps an existing destination", keep, kExisting, 1, &kOld}, {"copy onto itself keeps the file", save, kSame, 0, &kOld},
        {"lower-case word", "save_if_exist", kExisting, 1, &kOld}, {"null word", nullptr, kAbsent, 1, nullptr},
        {"missing source", save, kNoSource, 1, &kOld}, {"source held open without sharing", save, kLocked, 1, &kOld},
        {"destination held open, read-only source", save, kHeld, 1, &kOld}, {"read-only destination", save, kReadOnly, 1, &kOld},
        {"destination is a folder", save, kFolder, 1, nullptr}, {"destination folder missing", save, kNoFolder, 1, nullptr}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string dir = vu_test::NewTempDir();
        std::string from = dir + "från.bin", to = dir + "till.bin", bytes = "no file";
        ASSERT_TRUE(vu_test::WriteFileBytes(from, kNew));
        if (row.setup == kFolder) CreateDirectoryA(to.c_str(), nullptr);
        if (row.setup != kAbsent && row.setup != kFolder) vu_test::WriteFileBytes(to, kOld);
        if (row.setup == kReadOnly || row.setup == kHeld)
            SetFileAttributesA((row.setup == kHeld ? from : to).c_str(), FILE_ATTRIBUTE_READONLY);
        if (row.setup == kNoFolder) to = dir + "saknas\\till.bin";
        from = row.setup == kNoSource ? dir + "saknas.bin" : row.setup == kSame ? to : from;
        HANDLE held = row.setup != kLocked && row.setup != kHeld ? nullptr
            : CreateFileA((row.setup == kHeld ? to : from).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        std::set<std::string> listing = Listing(dir);
        EXPECT_EQ(vu_FileCopy(nullptr, to.c_str(), from.c_str(), row.mode), row.result);
        if (held) CloseHandle(held);
        vu_test::ReadFileBytes(to, &bytes);
        EXPECT_EQ(bytes, row.after ? *row.after : "no file");
        if (row.setup == kAbsent && row.result == 0) listing.insert("till.bin");
        EXPECT_EQ(Listing(dir), listing);
        SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
        EXPECT_EQ(vu_FileRemove(to.c_str()), row.after ? 0 : 3);
    }
}

// A copy onto a drive too small for it fails and leaves the earlier copy and the free space; a
// text longer than the runtime's buffer meets the full drive while it is written: a write error.
TEST(FileCopy, FullDriveKeepsTheEarlierCopyAndFailsAWrite)
{
    char drive[MAX_PATH] = "";
    ASSERT_GT(GetEnvironmentVariableA("VU_SMALL_DRIVE", drive, MAX_PATH), 0u);
    const std::string dir = drive + std::string("\\"), from = vu_test::NewTempDir() + "stor.bin", to = dir + "kopia.bin";
    if (vu_test::FileExists(dir + "refused")) GTEST_SKIP() << "the machine refused the small drive's mount: disk-full case not run";
    const std::string big(300 << 10, 'n'), old(100 << 10, 'o');
    std::string bytes;
    ULARGE_INTEGER before = {}, after = {};
    ASSERT_TRUE(vu_test::WriteFileBytes(from, big) && vu_test::WriteFileBytes(to, old));
    ASSERT_TRUE(GetDiskFreeSpaceExA(dir.c_str(), &before, nullptr, nullptr) && before.QuadPart < big.size());
    const std::set<std::string> listing = Listing(dir);
    EXPECT_EQ(vu_FileCopy(nullptr, to.c_str(), from.c_str(), "SAVE_IF_EXIST"), 1);
    EXPECT_TRUE(vu_test::ReadFileBytes(to, &bytes) && bytes == old) << "now " << bytes.size() << " bytes";
    EXPECT_EQ(Listing(dir), listing);
    ASSERT_TRUE(GetDiskFreeSpaceExA(dir.c_str(), &after, nullptr, nullptr));
    EXPECT_EQ(after.QuadPart, before.QuadPart);
    ASSERT_TRUE(vu_test::WriteFileBytes(dir + "fylld", std::string(after.QuadPart, 'f')));
    EXPECT_EQ(vu_TextFileWrite((dir + "ut.txt").c_str(), std::string(5000, 'x').c_str()), 3);
    for (const char* name : {"kopia.bin", "fylld", "ut.txt"}) EXPECT_TRUE(DeleteFileA((dir + name).c_str())) << name;
}
