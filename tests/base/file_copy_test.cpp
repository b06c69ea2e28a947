// The file copy on real files: a copy gives the destination the source's bytes; a failed copy
// gives 1, leaves an earlier destination byte for byte and no temporary file in its folder,
// the case of a drive that fills up included (the small drive, VU_SMALL_DRIVE).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "vu_test.h"

namespace {

// The names in a folder.
std::set<std::string> Listing(const std::string& dir)
{
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((dir + "*").c_str(), &found);
    for (bool more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &found))
        names.insert(found.cFileName);
    if (find != INVALID_HANDLE_VALUE) FindClose(find);
    return names;
}

// Content with line ends and a NUL byte, so a text-mode or string copy would show.
const std::string kSource("rad 1\r\nrad 2\n\0slut\xE5", 20);
const std::string kOld = "gammalt innehåll som är längre än källan";

TEST(FileCopy, CopiesOrFailsKeepingTheDestination)
{
    enum Setup { kExisting, kAbsent, kReadOnly, kFolder, kNoFolder, kLocked, kHeld, kNoSource, kSame };
    const struct {
        const char* name;
        const char* mode;
        Setup setup;
        int result;
        const std::string* after;  // the destination's bytes afterwards; null: no file
    } rows[] = {
        {"replaces an existing destination", "SAVE_IF_EXIST", kExisting, 0, &kSource},
        {"copies to a new destination", "SAVE_IF_EXIST", kAbsent, 0, &kSource},
        {"copies to a new destination without replacing", "NO_SAVE_IF_EXIST", kAbsent, 0, &kSource},
        {"keeps an existing destination", "NO_SAVE_IF_EXIST", kExisting, 1, &kOld},
        {"copy onto itself keeps the file", "SAVE_IF_EXIST", kSame, 0, &kOld},
        {"lower-case word", "save_if_exist", kExisting, 1, &kOld},
        {"word with a blank", "SAVE_IF_EXIST ", kAbsent, 1, nullptr},
        {"null word", nullptr, kExisting, 1, &kOld},
        {"missing source", "SAVE_IF_EXIST", kNoSource, 1, &kOld},
        {"source held open without sharing", "SAVE_IF_EXIST", kLocked, 1, &kOld},
        {"destination held open, read-only source", "SAVE_IF_EXIST", kHeld, 1, &kOld},
        {"read-only destination", "SAVE_IF_EXIST", kReadOnly, 1, &kOld},
        {"destination is a folder", "SAVE_IF_EXIST", kFolder, 1, nullptr},
        {"destination folder missing", "SAVE_IF_EXIST", kNoFolder, 1, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string dir = vu_test::NewTempDir();
        std::string from = dir + "från.bin", to = dir + "till.bin";
        ASSERT_TRUE(vu_test::WriteFileBytes(from, kSource));
        if (row.setup == kFolder) CreateDirectoryA(to.c_str(), nullptr);
        if (row.setup != kAbsent && row.setup != kFolder) vu_test::WriteFileBytes(to, kOld);
        if (row.setup == kReadOnly) SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_READONLY);
        if (row.setup == kNoFolder) to = dir + "saknas\\till.bin";
        if (row.setup == kNoSource) from = dir + "saknas.bin";
        if (row.setup == kSame) from = to;
        if (row.setup == kHeld) SetFileAttributesA(from.c_str(), FILE_ATTRIBUTE_READONLY);
        const std::string& lock = row.setup == kHeld ? to : from;
        HANDLE held = row.setup != kLocked && row.setup != kHeld
                          ? INVALID_HANDLE_VALUE
                          : CreateFileA(lock.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        0, nullptr);
        std::set<std::string> listing = Listing(dir);
        EXPECT_EQ(vu_FileCopy(nullptr, to.c_str(), from.c_str(), row.mode), row.result);
        if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
        std::string bytes;
        EXPECT_EQ(vu_test::ReadFileBytes(to, &bytes), row.after != nullptr);
        EXPECT_EQ(bytes, row.after ? *row.after : "");
        if (row.setup == kAbsent && row.result == 0) listing.insert("till.bin");
        EXPECT_EQ(Listing(dir), listing);
        SetFileAttributesA(to.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}

// A copy onto a drive too small for it fails and leaves the earlier copy and the free space.
TEST(FileCopy, FullDriveKeepsTheEarlierCopy)
{
    char drive[MAX_PATH] = "";
    ASSERT_GT(GetEnvironmentVariableA("VU_SMALL_DRIVE", drive, MAX_PATH), 0u);
    const std::string dir = std::string(drive) + "\\";
    if (vu_test::FileExists(dir + "refused"))
        GTEST_SKIP() << "the machine refused the small drive's mount: disk-full case not run";
    std::string big(300 << 10, '\0'), old(100 << 10, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 + i / 251);
    for (size_t i = 0; i < old.size(); ++i) old[i] = static_cast<char>(i * 13 + 5);
    const std::string from = vu_test::NewTempDir() + "stor.bin", to = dir + "kopia.bin";
    ASSERT_TRUE(vu_test::WriteFileBytes(from, big));
    ASSERT_TRUE(vu_test::WriteFileBytes(to, old));
    ULARGE_INTEGER free_before = {}, free_after = {};
    ASSERT_TRUE(GetDiskFreeSpaceExA(dir.c_str(), &free_before, nullptr, nullptr));
    ASSERT_LT(free_before.QuadPart, big.size());
    const std::set<std::string> listing = Listing(dir);
    EXPECT_EQ(vu_FileCopy(nullptr, to.c_str(), from.c_str(), "SAVE_IF_EXIST"), 1);
    std::string bytes;
    EXPECT_TRUE(vu_test::ReadFileBytes(to, &bytes));
    EXPECT_TRUE(bytes == old) << "the earlier copy now has " << bytes.size() << " bytes";
    EXPECT_EQ(Listing(dir), listing);
    ASSERT_TRUE(GetDiskFreeSpaceExA(dir.c_str(), &free_after, nullptr, nullptr));
    EXPECT_EQ(free_after.QuadPart, free_before.QuadPart);
    DeleteFileA(to.c_str());
}

}  // namespace
