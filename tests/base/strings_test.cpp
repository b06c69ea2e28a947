// String helpers: comparison and its difference record, copying, case, character classes,
// line-feed counts and value formatting.
#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>
#include <string>
#include <vector>

#include "vu_test.h"

namespace {

std::string Record(const char* buffer, int n) { return std::string(buffer, n); }

TEST(StrCompare, ModesSelectCaseInsensitiveCaseSensitiveOrNothing)
{
    EXPECT_EQ(vu_StrCompare("abc", "ABC", 0), 0);
    EXPECT_NE(vu_StrCompare("abc", "ABC", 1), 0);
    EXPECT_EQ(vu_StrCompare("abc", "ABC", 2), 0);
    EXPECT_EQ(vu_StrCompare("abc", "xyz", -1), 0);
    EXPECT_LT(vu_StrCompare("abc", "abd", 1), 0);
    EXPECT_GT(vu_StrCompare("abd", "abc", 0), 0);
    EXPECT_EQ(vu_StrCompare("ÅÄÖ", "åäö", 0), 0);
    EXPECT_NE(vu_StrCompare("ÅÄÖ", "åäö", 1), 0);
    EXPECT_EQ(vu_StrCompare(nullptr, "", 1), 0);
    EXPECT_LT(vu_StrCompare(nullptr, "a", 1), 0);
}

TEST(StrCompareDiff, RecordsSameFirstAndSecondCharacters)
{
    std::memset(vu_DiffSame, '#', 256);
    std::memset(vu_DiffFirst, '#', 256);
    std::memset(vu_DiffSecond, '#', 256);
    EXPECT_NE(vu_StrCompareDiff("abcd", "abXdef", 1), 0);
    EXPECT_EQ(Record(vu_DiffSame, 7), "ab=d==#");
    EXPECT_EQ(Record(vu_DiffFirst, 7), "==c===#");
    EXPECT_EQ(Record(vu_DiffSecond, 7), "====ef#");
    EXPECT_EQ(vu_DiffLength, 2);

    // A shorter second text writes fewer positions; the rest keep the earlier call's marks.
    EXPECT_NE(vu_StrCompareDiff("xyz", "xa", 1), 0);
    EXPECT_EQ(Record(vu_DiffSame, 7), "x==d==#");
    EXPECT_EQ(Record(vu_DiffFirst, 7), "=yc===#");
    EXPECT_EQ(Record(vu_DiffSecond, 7), "====ef#");
    EXPECT_EQ(vu_DiffLength, -1);
    EXPECT_EQ(vu_StrCompareDiff("ABC", "abc", 0), 0);
    EXPECT_EQ(vu_StrCompareDiff("ABC", "abc", 7), 0);
    EXPECT_LT(vu_StrCompareDiff(nullptr, "ab", 1), 0);
    EXPECT_EQ(Record(vu_DiffSecond, 2), "ab");
}

// The bytes just past each record buffer that belong to no part of the record.
std::vector<std::pair<const char*, char>> BytesAfterRecord()
{
    const char* buffers[] = {vu_DiffSame, vu_DiffFirst, vu_DiffSecond};
    std::vector<std::pair<const char*, char>> bytes;
    for (const char* b : buffers) {
        for (const char* p = b + 256; p < b + 256 + 64; ++p) {
            bool inside = false;
            for (const char* o : buffers) inside = inside || (p >= o && p < o + 256);
            const char* length = reinterpret_cast<const char*>(&vu_DiffLength);
            inside = inside || (p >= length && p < length + sizeof vu_DiffLength);
            if (inside) continue;
            char value = 0;
            SIZE_T read = 0;
            if (ReadProcessMemory(GetCurrentProcess(), p, &value, 1, &read) && read == 1)
                bytes.emplace_back(p, value);
        }
    }
    return bytes;
}

TEST(StrCompareDiff, OverLongSecondTextRecordsOnly256Positions)
{
    const std::string first(100, 'a');
    const std::string second = std::string(256, 'b') + std::string(744, 'Z');
    const auto before = BytesAfterRecord();
    EXPECT_NE(vu_StrCompareDiff(first.c_str(), second.c_str(), 1), 0);
    EXPECT_EQ(vu_DiffLength, 900);
    EXPECT_EQ(Record(vu_DiffFirst, 256), first + std::string(156, '='));
    EXPECT_EQ(Record(vu_DiffSecond, 256), std::string(100, '=') + std::string(156, 'b'));
    EXPECT_EQ(Record(vu_DiffSame, 256), std::string(256, '='));
    for (const auto& byte : BytesAfterRecord()) {
        for (const auto& old : before) {
            if (old.first == byte.first) {
                EXPECT_EQ(byte.second, old.second);
            }
        }
    }
    EXPECT_EQ(vu_StrCompareDiff(second.c_str(), second.c_str(), 1), 0);
    EXPECT_EQ(Record(vu_DiffSame, 256), std::string(256, 'b'));
    EXPECT_EQ(vu_DiffLength, 0);
}

TEST(StrCopyAppendLength, CopiesFirstCharactersAppendsAndCounts)
{
    char buffer[32];
    std::memset(buffer, 'X', sizeof buffer);
    EXPECT_EQ(vu_StrCopyN(buffer, "9", 1), buffer);
    EXPECT_STREQ(buffer, "9");
    EXPECT_STREQ(vu_StrCopyN(buffer, "ab", 3), "ab");
    EXPECT_STREQ(vu_StrCopyN(buffer, "xyz", 0), "xyz");
    EXPECT_STREQ(vu_StrCopyN(buffer, "xyz", -4), "xyz");
    EXPECT_STREQ(vu_StrCopyN(buffer, "abcdef", 4), "abcd");
    EXPECT_STREQ(vu_StrCopyN(buffer, nullptr, 2), "");
    EXPECT_EQ(vu_StrCopyN(nullptr, "abc", 2), nullptr);

    vu_StrCopyN(buffer, "D:\\Kopior", 0);
    EXPECT_EQ(vu_StrAppend(buffer, "\\lista.txt"), buffer);
    EXPECT_STREQ(buffer, "D:\\Kopior\\lista.txt");
    EXPECT_STREQ(vu_StrAppend(buffer, nullptr), "D:\\Kopior\\lista.txt");
    EXPECT_EQ(vu_StrAppend(nullptr, "x"), nullptr);
    EXPECT_EQ(vu_StrLength(buffer), 19);
    EXPECT_EQ(vu_StrLength(""), 0);
    EXPECT_EQ(vu_StrLength(nullptr), 0);
}

TEST(StrCase, ConvertsInPlaceThroughTheLocale)
{
    char text[] = "Åsa ÄTER Öl 12";
    EXPECT_EQ(vu_StrCase(0, "", text), 14);
    EXPECT_STREQ(text, "åsa äter öl 12");
    EXPECT_EQ(vu_StrCase(1, "", text), 14);
    EXPECT_STREQ(text, "ÅSA ÄTER ÖL 12");
    EXPECT_EQ(vu_StrCase(2, "fem!!", text), 5);
    EXPECT_STREQ(text, "ÅSA ÄTER ÖL 12");
    EXPECT_EQ(vu_StrCase(-1, nullptr, text), 0);
    EXPECT_EQ(vu_StrCase(0, "x", nullptr), 0);
}

TEST(CharClassAndAt, ClassifiesWindows1252Bytes)
{
    const struct {
        unsigned char byte;
        int expected;
    } cases[] = {
        {' ', 0},  {'!', 1},  {'\t', 1}, {'\n', 1}, {'0', 2},  {'9', 2},  {'a', 3},
        {'z', 3},  {'A', 4},  {'Z', 4},  {197, 4},  {246, 3},  {215, 1},  {247, 1},
        {223, 4},  {224, 3},  {254, 3},  {255, 1},  {191, 1},  {192, 4},  {'@', 1},
        {'[', 1},  {'`', 1},  {'{', 1},  {'/', 1},  {':', 1},
    };
    for (const auto& c : cases) {
        const char text[] = {'x', static_cast<char>(c.byte), '\0'};
        EXPECT_EQ(vu_CharClass(text, 1), c.expected) << int(c.byte);
        EXPECT_EQ(vu_CharAt(text, 1), static_cast<int>(static_cast<signed char>(c.byte)));
    }
    EXPECT_EQ(vu_CharAt("ö", 0), 246 - 256);
    EXPECT_EQ(vu_CharAt("abc", 2), 'c');
    // Outside the text: the terminator, which is "other".
    EXPECT_EQ(vu_CharAt("abc", 3), 0);
    EXPECT_EQ(vu_CharAt("abc", 400), 0);
    EXPECT_EQ(vu_CharAt("abc", -1), 0);
    EXPECT_EQ(vu_CharAt(nullptr, 0), 0);
    EXPECT_EQ(vu_CharClass("abc", 9), 1);
    EXPECT_EQ(vu_CharClass(nullptr, 0), 1);
}

TEST(LineCounts, CountLineFeedsAndTabs)
{
    EXPECT_EQ(vu_StrTextSize("a\tb\nc\n"), 6 + 1 + 2);
    EXPECT_EQ(vu_StrTextSize(""), 0);
    EXPECT_EQ(vu_StrCountLines("a\nb\nc"), 2);
    EXPECT_EQ(vu_StrLastLine("a\nb\nc"), 1);
    EXPECT_EQ(vu_StrCountLines("abc"), 0);
    EXPECT_EQ(vu_StrLastLine("abc"), -1);
    EXPECT_EQ(vu_StrLastLine(nullptr), -1);
    EXPECT_EQ(vu_StrTextSize(nullptr), 0);
}

TEST(IntToText, FormatsSignedDecimal)
{
    char buffer[16];
    EXPECT_STREQ(vu_IntToText(buffer, 0), "0");
    EXPECT_STREQ(vu_IntToText(buffer, -2147483647 - 1), "-2147483648");
    EXPECT_STREQ(vu_IntToText(buffer, 2147483647), "2147483647");
    EXPECT_EQ(vu_IntToText(nullptr, 5), nullptr);
}

TEST(FormatValues, AppendsValuesAndLineFeed)
{
    char buffer[256] = "";
    EXPECT_EQ(vu_FormatValues(buffer, "%f3%i", 2.5, 7), buffer);
    EXPECT_STREQ(buffer, "2.5007\n");
    buffer[0] = '\0';
    EXPECT_STREQ(vu_FormatValues(buffer, "%i%s%f", 5, "kg", 1.0), "5kg1.00\n");
    std::strcpy(buffer, "vikt: ");
    EXPECT_STREQ(vu_FormatValues(buffer, "%u %l %U", 4294967295u, -12L, 3000000000UL),
                 "vikt: 4294967295-123000000000\n");
    buffer[0] = '\0';
    // Unknown conversions use no value; plain words and digits print nothing.
    EXPECT_STREQ(vu_FormatValues(buffer, "summa %x%i kr%q%s%", 4, (const char*)nullptr),
                 "4\n");
    buffer[0] = '\0';
    EXPECT_STREQ(vu_FormatValues(buffer, nullptr), "\n");
    EXPECT_EQ(vu_FormatValues(nullptr, "%i", 1), nullptr);
}

TEST(FormatValues, DigitsGiveDecimalsOfTenFloatsAndTheRestTwo)
{
    char buffer[256] = "";
    vu_FormatValues(buffer, "0123456789 %f%f%f%f%f%f%f%f%f%f%f%f", 1.0, 1.0, 1.0, 1.0, 1.0, 1.0,
                    1.0, 1.0, 1.0, 1.0, 1.0, 1.0);
    EXPECT_STREQ(buffer,
                 "1" "1.0" "1.00" "1.000" "1.0000" "1.00000" "1.000000" "1.0000000"
                 "1.00000000" "1.000000000" "1.00" "1.00\n");
    buffer[0] = '\0';
    // More than ten digits: the first ten count.
    vu_FormatValues(buffer, "%f%f 1111111111 9", 0.26, 0.26);
    EXPECT_STREQ(buffer, "0.30.3\n");
}

TEST(FormatValues, HugeValuesFormatInFull)
{
    std::vector<char> buffer(1024, 'X');
    buffer[0] = '\0';
    vu_FormatValues(buffer.data(), "%f9", 1e300);
    const std::string text = buffer.data();
    ASSERT_EQ(text.size(), 301u + 1 + 9 + 1) << text;
    EXPECT_EQ(text.substr(0, 16), "1000000000000000");
    EXPECT_EQ(text.substr(301), ".000000000\n");

    buffer[0] = '\0';
    vu_FormatValues(buffer.data(), "%f9", -DBL_MAX);
    const std::string most = buffer.data();
    ASSERT_EQ(most.size(), 1u + 309 + 1 + 9 + 1);
    EXPECT_EQ(most.substr(0, 5), "-1797");
    EXPECT_EQ(most.back(), '\n');
}

}  // namespace
