// String helpers and value formatting: comparison and its difference record, bounded copies,
// case, character classes, line-feed counts, and "%f" against the C library's exact text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>

#include "vu_test.h"

TEST(Strings, CompareByModeAndNullTexts)
{
    EXPECT_EQ(vu_StrCompare("ÅÄÖ", "åäö", 0), 0);
    EXPECT_GT(vu_StrCompare("ÅÄÖ", "åäö", 1), 0);
    EXPECT_EQ(vu_StrCompare("abc", "xyz", 2) + vu_StrCompare(nullptr, "", 1), 0);
    char buffer[32] = "D:\\Kopior";
    EXPECT_STREQ(vu_StrAppend(vu_StrAppend(buffer, nullptr), "\\a.txt"), "D:\\Kopior\\a.txt");
    EXPECT_EQ(vu_StrLength(buffer) + vu_StrLength(nullptr), 15);
    EXPECT_EQ(vu_StrAppend(nullptr, "x"), nullptr);
    EXPECT_EQ(vu_StrCopyN(nullptr, "abc", 2), nullptr);
    EXPECT_EQ(vu_StrCase(0, "x", nullptr), 0);
    EXPECT_EQ(vu_IntToText(nullptr, 5), nullptr);
    EXPECT_EQ(vu_FormatValues(nullptr, "%i", 1), nullptr);
}

// The kilobyte of memory after the difference record.
std::string AfterRecord()
{
    UINT_PTR end = reinterpret_cast<UINT_PTR>(&vu_DiffLength + 1);
    for (const char* part : {vu_DiffSame, vu_DiffFirst, vu_DiffSecond}) end = std::max(end, UINT_PTR(part + 256));
    std::string bytes(1024, '\0');
    ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<void*>(end), &bytes[0], bytes.size(), nullptr);
    return bytes;
}

TEST(Strings, DifferenceRecordWritesOnlyTheSecondTextsPositionsUpTo256)
{
    for (char* part : {vu_DiffSame, vu_DiffFirst, vu_DiffSecond}) std::memset(part, '#', 256);
    const std::string after = AfterRecord(), a(100, 'a'), b = std::string(256, 'b') + std::string(744, 'Z');
    const struct { const char *first, *second, *record; } rows[] = {
        {"abcd", "abXdef", "ab=d==# ==c===# ====ef# 2"},
        {"ABC", "ab", "===d==# ABc===# ====ef# -1"},  // later positions keep their marks
        {a.c_str(), b.c_str(), "======= aaaaaaa ======= 900"},
    };
    for (const auto& row : rows) {
        EXPECT_NE(vu_StrCompareDiff(row.first, row.second, 1), 0) << row.record;
        EXPECT_EQ(std::string(vu_DiffSame, 7) + " " + std::string(vu_DiffFirst, 7) + " " +
                  std::string(vu_DiffSecond, 7) + " " + std::to_string(vu_DiffLength), row.record);
    }
    EXPECT_EQ(std::string(vu_DiffSecond + 96, 160), "====" + std::string(156, 'b'));
    EXPECT_EQ(AfterRecord(), after);
}

TEST(Strings, CopyFirstCharactersWritesNoMoreThanThem)
{
    const struct { const char* source; int count; const char* copy; } rows[] = {
        {"9", 1, "9"}, {"ab", 3, "ab"}, {"xyz", 0, "xyz"}, {"abcdef", 4, "abcd"}, {nullptr, 2, ""}};
    for (const auto& row : rows) {
        char buffer[8] = "XXXXXXX";
        EXPECT_EQ(vu_StrCopyN(buffer, row.source, row.count), buffer);
        EXPECT_EQ(std::string(buffer, 7), (row.copy + std::string(1, '\0') + "XXXXXXX").substr(0, 7));
    }
}

TEST(Strings, CaseClassesAndCounts)
{
    char text[] = "Åsa ÄTER";
    EXPECT_EQ(vu_StrCase(0, "", text), 8);
    EXPECT_STREQ(text, "åsa äter");
    EXPECT_EQ(vu_StrCase(2, "fem!!", text), 5);
    // Each byte and its class: 0 blank, 1 other, 2 digit, 3 lower-case, 4 upper-case letter.
    const std::string bytes(" !\t09azAZ\xC5\xF6\xD7\xF7\xDF\xE0\xFE\xFF\xBF\xC0@[`{/:\0", 26);
    const std::string classes = "01122334443114331141111111";
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char text[] = {'x', bytes[i], '\0'};
        EXPECT_EQ(vu_CharClass(text, 1), classes[i] - '0') << int(static_cast<unsigned char>(bytes[i]));
        EXPECT_EQ(vu_CharAt(text, 1), static_cast<signed char>(bytes[i])) << i;
    }
    for (int outside : {3, 400, -1}) EXPECT_EQ(vu_CharAt("abc", outside), 0) << outside;
    EXPECT_EQ(vu_StrTextSize("a\tb\nc\n"), 9);
    EXPECT_EQ(vu_StrCountLines("a\tb\nc\n") - vu_StrLastLine("abc"), 3);
}

// vu_FormatValues after the text `before`, and the C library's "%.*f" with a line feed.
template <typename... Values>
std::string Format(const char* before, const char* format, Values... values)
{
    char text[400];
    std::strcpy(text, before);
    return vu_FormatValues(text, format, values...);
}

std::string Library(double value, int decimals)
{
    char text[400];
    std::snprintf(text, sizeof text, "%.*f\n", decimals, value);
    return text;
}

TEST(Strings, FormatValuesAppendsEachConversionAndALineFeed)
{
    const struct { std::string text, expected; } rows[] = {
        {Format("", "%f3%i", 2.5, 7), "2.5007\n"}, {Format("", nullptr), "\n"},
        {Format("kg: ", "%i%s%u %l %U", 5, "kg", 4294967295u, -12L, 3000000000UL), "kg: 5kg4294967295-123000000000\n"},
        {Format("", "summa %x%i kr%q%s%", 4, (char*)nullptr), "4\n"},  // unknown conversions take no value
        {Format("", "0123456789 %f%f%f%f%f%f%f%f%f%f%f%f", 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0),
         "11.01.001.0001.00001.000001.0000001.00000001.000000001.0000000001.001.00\n"},
        {Format("", "%f%f 1111111111 9", 0.26, 0.26), "0.30.3\n"},  // the first ten digits count
        {Format("", "%f9", -DBL_MAX), Library(-DBL_MAX, 9)}};
    for (const auto& row : rows) EXPECT_EQ(row.text, row.expected);
}

// Chosen and random doubles in every number of decimals read as the C library writes them.
TEST(Strings, FixedTextIsTheCLibrarysExactText)
{
    const double chosen[] = {0.0, -0.0, 0.5, 2.5, -2.5, 0.125, 0.05, 0.15, 0.045, 1.005, 2.675, 9.9999999995, 999999999.5,
                             5e-10, 1.5e-9, 1e16, 1e22, 1e23, 1e300, -1e300, DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 1.0 / 3, INFINITY, NAN};
    std::mt19937_64 random(20240601);
    const int n = static_cast<int>(std::size(chosen)) * 10;
    for (int i = 0; i < n + 2000; ++i) {
        const unsigned long long bits = random();
        double value = i < n ? chosen[i / 10] : (double(bits % 100000000) + 0.5) / std::pow(10.0, double(bits % 10));
        if (i >= n && i % 2) std::memcpy(&value, &bits, sizeof bits);
        const int decimals = i < n ? i % 10 : static_cast<int>(random() % 10);
        const char format[] = {'%', 'f', static_cast<char>('0' + decimals), '\0'};
        ASSERT_EQ(Format("", format, value), Library(value, decimals)) << value << " " << decimals;
    }
}
