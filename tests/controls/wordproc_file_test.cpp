// The text editor's files: saving byte for byte, loading in pieces, missing, empty, locked and
// too large files, NUL bytes, and the modified flag around both.
#include <gtest/gtest.h>

#include <string>

#include "wordproc_fixture.h"

namespace {

using wordproc_test::Editor;
using wordproc_test::SelectionOf;
using wordproc_test::TextOf;

TEST(WordProcFile, SavesTheTextByteForByteAndClearsTheModifiedFlag)
{
    Editor e("Spara");
    const std::string dir = vu_test::NewTempDir();
    const std::string text = "Första raden\r\nandra: åäö ÅÄÖ\r\n\tslut";
    vu_WordProcSetText(e.editor, text.c_str());
    vu_WordProcSetModified(e.editor, "ON");
    EXPECT_EQ(vu_WordProcSaveFile(e.editor, (dir + "ut.txt").c_str()), 0);
    std::string bytes;
    ASSERT_TRUE(vu_test::ReadFileBytes(dir + "ut.txt", &bytes));
    EXPECT_EQ(bytes, text);
    EXPECT_EQ(vu_WordProcIsModified(e.editor), 0);
    EXPECT_EQ(GetFileAttributesA((dir + "ut.txt").c_str()) & FILE_ATTRIBUTE_ARCHIVE,
              DWORD(FILE_ATTRIBUTE_ARCHIVE));

    // An existing file is replaced, an empty editor gives an empty file.
    vu_WordProcSetText(e.editor, "");
    EXPECT_EQ(vu_WordProcSaveFile(e.editor, (dir + "ut.txt").c_str()), 0);
    ASSERT_TRUE(vu_test::ReadFileBytes(dir + "ut.txt", &bytes));
    EXPECT_EQ(bytes, "");

    // A full editor is saved whole.
    const std::string full(65535, 'w');
    vu_WordProcSetText(e.editor, full.c_str());
    EXPECT_EQ(vu_WordProcSaveFile(e.editor, (dir + "full.txt").c_str()), 0);
    ASSERT_TRUE(vu_test::ReadFileBytes(dir + "full.txt", &bytes));
    EXPECT_TRUE(bytes == full) << bytes.size();

    // A file that cannot be created keeps the flag.
    vu_WordProcSetModified(e.editor, "ON");
    EXPECT_EQ(vu_WordProcSaveFile(e.editor, (dir + "saknas\\ut.txt").c_str()), 2);
    EXPECT_EQ(vu_WordProcIsModified(e.editor), 1);
    EXPECT_EQ(vu_WordProcSaveFile(e.editor, nullptr), 2);
    EXPECT_EQ(vu_WordProcIsModified(e.editor), 1);
}

TEST(WordProcFile, LoadsAFileAndPutsTheCaretAtTheStart)
{
    Editor e("Ladda");
    const std::string dir = vu_test::NewTempDir();
    const std::string text = "rad ett\r\nrad två\nensam radmatning\r\n";
    ASSERT_TRUE(vu_test::WriteFileBytes(dir + "in.txt", text));
    vu_WordProcSetText(e.editor, "gammalt");
    vu_WordProcSetModified(e.editor, "ON");
    EXPECT_EQ(vu_WordProcLoadFile(e.editor, (dir + "in.txt").c_str()), 0);
    EXPECT_EQ(TextOf(e.editor), text);  // no line-end conversion
    EXPECT_EQ(SelectionOf(e.editor), std::make_pair(DWORD(0), DWORD(0)));
    EXPECT_EQ(vu_WordProcIsModified(e.editor), 0);
    // Loaded without undo.
    EXPECT_EQ(vu_WordProcCanUndo(e.editor), 0);

    // A NUL byte ends what is taken of its piece.
    ASSERT_TRUE(vu_test::WriteFileBytes(dir + "noll.txt", std::string("ab\0cd", 5)));
    EXPECT_EQ(vu_WordProcLoadFile(e.editor, (dir + "noll.txt").c_str()), 0);
    EXPECT_EQ(TextOf(e.editor), "ab");

    // The editor's limit bounds what is taken in.
    vu_WordProcSetLimit(e.editor, 4);
    EXPECT_EQ(vu_WordProcLoadFile(e.editor, (dir + "in.txt").c_str()), 0);
    EXPECT_EQ(TextOf(e.editor), "rad ");
}

TEST(WordProcFile, MissingEmptyLargestAndTooLargeFiles)
{
    Editor e("Storlek");
    const std::string dir = vu_test::NewTempDir();
    vu_WordProcSetText(e.editor, "kvar");
    EXPECT_EQ(vu_WordProcLoadFile(e.editor, (dir + "ny.txt").c_str()), 0);
    EXPECT_TRUE(vu_test::FileExists(dir + "ny.txt"));  // created empty
    EXPECT_EQ(TextOf(e.editor), "");

    vu_WordProcSetText(e.editor, "kvar");
    ASSERT_TRUE(vu_test::WriteFileBytes(dir + "tom.txt", ""));
    EXPECT_EQ(vu_WordProcLoadFile(e.editor, (dir + "tom.txt").c_str()), 0);
    EXPECT_EQ(TextOf(e.editor), "");

    // 65,535 bytes: one full piece, then an empty read.
    std::string largest(65535, 'a');
    largest[0] = 'B';
    largest[65534] = 'Z';
    ASSERT_TRUE(vu_test::WriteFileBytes(dir + "max.txt", largest));
    EXPECT_EQ(vu_WordProcLoadFile(e.editor, (dir + "max.txt").c_str()), 0);
    EXPECT_TRUE(TextOf(e.editor) == largest) << TextOf(e.editor).size();

    // 65,536 bytes and more are refused and the editor stays as it was.
    vu_WordProcSetText(e.editor, "kvar");
    vu_WordProcSetModified(e.editor, "ON");
    ASSERT_TRUE(vu_test::WriteFileBytes(dir + "over.txt", largest + "x"));
    EXPECT_EQ(vu_WordProcLoadFile(e.editor, (dir + "over.txt").c_str()), 4);
    ASSERT_TRUE(vu_test::WriteFileBytes(dir + "huge.txt", std::string(1 << 20, 'h')));
    EXPECT_EQ(vu_WordProcLoadFile(e.editor, (dir + "huge.txt").c_str()), 4);
    EXPECT_EQ(TextOf(e.editor), "kvar");
    EXPECT_EQ(vu_WordProcIsModified(e.editor), 1);

    // A file that another handle holds without sharing, a folder and a bad path: not opened.
    HANDLE held = CreateFileA((dir + "max.txt").c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(vu_WordProcLoadFile(e.editor, (dir + "max.txt").c_str()), 2);
    EXPECT_EQ(vu_WordProcSaveFile(e.editor, (dir + "max.txt").c_str()), 2);
    CloseHandle(held);
    EXPECT_EQ(vu_WordProcLoadFile(e.editor, dir.c_str()), 2);
    EXPECT_EQ(vu_WordProcLoadFile(e.editor, (dir + "saknas\\x.txt").c_str()), 2);
    EXPECT_EQ(TextOf(e.editor), "kvar");
}

}  // namespace
