// String helpers and value formatting: comparison and its difference record, bounded copies,
// case, character classes, line-feed counts, and "%f" against the C library's exact text.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>

#include "vu_test.h"

// A null text reads as the empty text; a null destination gives null.
TEST(Strings, CompareDifferenceCopyCaseAndClasses)
{
    EXPECT_EQ(vu_StrCompare("ÅÄÖ", "åäö", 0) + vu_StrCompare("abc", "xyz", 2) + vu_StrCompare(nullptr, "", 1), 0);
    EXPECT_GT(vu_StrCompare("ÅÄÖ", "åäö", 1), 0);
    char buffer[32] = "D:\\Kopior";
    EXPECT_STREQ(vu_StrAppend(vu_StrAppend(buffer, nullptr), "\\a.txt"), "D:\\Kopior\\a.txt");
    EXPECT_EQ(vu_StrLength(buffer) + vu_StrLength(nullptr), 15);
    EXPECT_TRUE(!vu_StrAppend(nullptr, "x") && !vu_StrCopyN(nullptr, "abc", 2) && !vu_IntToText(nullptr, 5) &&
                !vu_FormatValues(nullptr, "%i", 1) && !vu_StrCase(0, "x", nullptr));
    const struct { const char* source; int count; const char* copy; } copies[] = {
        {"9", 1, "9"}, {"ab", 3, "ab"}, {"xyz", 0, "xyz"}, {"abcdef", 4, "abcd"}, {nullptr, 2, ""}};
    for (const auto& row : copies) {
        char copy[8] = "XXXXXXX";
        EXPECT_EQ(std::string(vu_StrCopyN(copy, row.source, row.count), 7), (row.copy + std::string("\0XXXXXXX", 8)).substr(0, 7));
    }
    char text[] = "Åsa ÄTER";
    EXPECT_EQ(vu_StrCase(0, "", text) + vu_StrCase(2, "fem!!", text), 13);
    EXPECT_STREQ(text, "åsa äter");
    // Each byte and its class: 0 blank, 1 other, 2 digit, 3 lower-case, 4 upper-case letter.
    const std::string bytes(" !\t09azAZ\xC5\xF6\xD7\xF7\xDF\xE0\xFE\xFF\xBF\xC0@[`{/:\0", 26);
    const std::string classes = "01122334443114331141111111";
    for (size_t i = 0; i < bytes.size(); ++i) {
        const char text[] = {'x', bytes[i], '\0'};
        EXPECT_EQ(std::make_pair(vu_CharClass(text, 1), vu_CharAt(text, 1)), std::make_pair(classes[i] - '0', int(bytes[i]))) << i;
    }
    for (int outside : {3, 400, -1}) EXPECT_EQ(vu_CharAt("abc", outside), 0) << outside;
    EXPECT_EQ(vu_StrTextSize("a\tb\nc\n"), 9);
    EXPECT_EQ(vu_StrCountLines("a\tb\nc\n") - vu_StrLastLine("abc"), 3);
    // The difference record takes the second text's positions up to 256 and nothing past them.
    const auto AfterRecord = [] {  // the kilobyte of memory after the record
        UINT_PTR end = reinterpret_cast<UINT_PTR>(&vu_DiffLength + 1);
        for (const char* part : {vu_DiffSame, vu_DiffFirst, vu_DiffSecond}) end = std::max(end, UINT_PTR(part + 256));
        std::string bytes(1024, '\0');
        ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<void*>(end), &bytes[0], bytes.size(), nullptr);
        return bytes;
    };
    for (char* part : {vu_DiffSame, vu_DiffFirst, vu_DiffSecond}) memset(part, '#', 256);
    const std::string after = AfterRecord(), a(100, 'a'), b = std::string(256, 'b') + std::string(744, 'Z');
    const struct { const char *first, *second, *record; } rows[] = {
        {"abcd", "abXdef", "ab=d==# ==c===# ====ef# 2"}, {"ABC", "ab", "===d==# ABc===# ====ef# -1"},  // marks stay
        {a.c_str(), b.c_str(), "======= aaaaaaa ======= 900"}};
    for (const auto& row : rows) {
        EXPECT_NE(vu_StrCompareDiff(row.first, row.second, 1), 0) << row.record;
        EXPECT_EQ(std::string(vu_DiffSame, 7) + " " + std::string(vu_DiffFirst, 7) + " " +
                  std::string(vu_DiffSecond, 7) + " " + std::to_string(vu_DiffLength), row.record);
    }
    EXPECT_EQ(std::string(vu_DiffSecond + 96, 160), "====" + std::string(156, 'b'));
    EXPECT_EQ(AfterRecord(), after);
}

// Each conversion is appended, then a line feed; "%f" gives the C library's exact "%.*f" text for
// chosen and random doubles (random bit patterns among them) in every number of decimals.
TEST(Strings, FormatValuesAppendsEachConversionAndExactFixedText)
{
    const auto Format = [](const char* before, const char* format, auto... values) {
        char text[400];
        return std::string(vu_FormatValues(strcpy(text, before), format, values...));
    };
    const struct { std::string text, expected; } rows[] = {
        {Format("", "%f3%i", 2.5, 7), "2.5007\n"}, {Format("", nullptr), "\n"},
        {Format("kg: ", "%i%s%u %l %U", 5, "kg", 4294967295u, -12L, 3000000000UL), "kg: 5kg4294967295-123000000000\n"},
        {Format("", "summa %x%i kr%q%s%", 4, (char*)nullptr), "4\n"},  // unknown conversions take no value
        {Format("", "0123456789 %f%f%f%f%f%f%f%f%f%f%f%f", 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0, 1.0),
         "11.01.001.0001.00001.000001.0000001.00000001.000000001.0000000001.001.00\n"},
        {Format("", "%f%f 1111111111 9", 0.26, 0.26), "0.30.3\n"}};  // the first ten digits count
    for (const auto& row : rows) EXPECT_EQ(row.text, row.expected);
    const double chosen[] = {0.0, -0.0, 0.5, 2.5, -2.5, 0.125, 0.05, 0.15, 0.045, 1.005, 2.675, 9.9999999995, 999999999.5,
                             5e-10, 1.5e-9, 1e16, 1e22, 1e23, 1e300, -1e300, DBL_MAX, DBL_MIN, DBL_TRUE_MIN, 1.0 / 3, INFINITY, NAN};
    const int n = static_cast<int>(std::size(chosen)) * 10;
    unsigned long long bits = 20240601;
    for (int i = 0; i < n + 1000; ++i) {
        bits ^= bits << 13, bits ^= bits >> 7, bits ^= bits << 17;
        double value = i < n ? chosen[i / 10] : (double(bits % 100000000) + 0.5) / std::pow(10.0, double(bits / 7 % 10));
        if (i >= n && i % 2) memcpy(&value, &bits, sizeof bits);
        char library[400];
        snprintf(library, sizeof library, "%.*f\n", i % 10, value);
        ASSERT_EQ(Format("", ("%f" + std::to_string(i % 10)).c_str(), value), library) << value << " " << i % 10;
    }
}
