// Fixed-point number text (vu_FormatValues "%f" with a digit, and the formatter under it)
// against the C library's "%.*f" on chosen and random doubles, and the bound of its buffer.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "base/fixed_number.h"
#include "vu_test.h"

namespace {

std::string Library(double value, int decimals)
{
    char text[400];
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

std::string Toolkit(double value, int decimals)
{
    char format[4] = {'%', 'f', static_cast<char>('0' + decimals), '\0'};
    char text[400] = "";
    vu_FormatValues(text, format, value);
    std::string result = text;
    if (!result.empty() && result.back() == '\n') result.pop_back();
    return result;
}

double FromBits(std::uint64_t bits)
{
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TEST(FixedNumber, ChosenValuesReadAsTheCLibraryWritesThem)
{
    const double values[] = {
        0.0, -0.0, 1.0, -1.0, 0.5, 1.5, 2.5, -2.5, 0.125, 0.375, 0.05, 0.15, 0.25, 0.35,
        0.045, 1.005, 2.675, 9.9999999995, 99.5, 999999999.5, 0.000000001, 0.0000000005,
        0.0000000015, 123456789.123456789, 1e15, 1e16, 1e17, 1e22, 1e23, 4294967296.0,
        18446744073709551616.0, 1e300, -1e300, DBL_MAX, -DBL_MAX, DBL_MIN, -DBL_MIN,
        DBL_TRUE_MIN, 5e-10, 4.9999999999e-10, 3.14159265358979, -273.15, 1.0 / 3.0,
        std::ldexp(1.0, 63), std::ldexp(1.0, -1), std::ldexp(1.0, -30), std::ldexp(3.0, -31),
        std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
        std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::quiet_NaN()};
    for (double value : values)
        for (int decimals = 0; decimals <= 9; ++decimals)
            EXPECT_EQ(Toolkit(value, decimals), Library(value, decimals)) << decimals;
}

TEST(FixedNumber, RandomValuesReadAsTheCLibraryWritesThem)
{
    std::mt19937_64 random(20240601);
    int compared = 0;
    for (int i = 0; i < 4000; ++i) {
        // Every bit pattern once in a while, and mostly moderate magnitudes and halves,
        // where the rounding decides.
        double value;
        switch (i % 4) {
        case 0: value = FromBits(random()); break;
        case 1: value = std::ldexp(static_cast<double>(random() >> 11), -static_cast<int>(random() % 90)); break;
        case 2: value = static_cast<double>(static_cast<std::int64_t>(random() % 2000000) - 1000000) / 1024.0; break;
        default:
            value = (static_cast<double>(random() % 100000000) + 0.5) /
                    std::pow(10.0, static_cast<double>(random() % 10));
        }
        const int decimals = static_cast<int>(random() % 10);
        ASSERT_EQ(Toolkit(value, decimals), Library(value, decimals)) << i << " " << decimals;
        ++compared;
    }
    EXPECT_EQ(compared, 4000);
}

TEST(FixedNumber, TextIsCutToTheBufferAndTheWholeLengthReturned)
{
    char text[8];
    std::memset(text, 'X', sizeof text);
    EXPECT_EQ(vu::FormatFixed(-1234567.891, 3, text, 6), 12u);
    EXPECT_STREQ(text, "-1234");
    EXPECT_EQ(text[6], 'X');
    EXPECT_EQ(vu::FormatFixed(2.5, 0, text, 0), 1u);
    EXPECT_EQ(text[0], '-');  // nothing written
    EXPECT_EQ(vu::FormatFixed(2.5, 0, text, 1), 1u);
    EXPECT_STREQ(text, "");
    // Decimals outside 0..9 are held to that range.
    char wide[400];
    EXPECT_EQ(vu::FormatFixed(1.0, 12, wide, sizeof wide), 11u);
    EXPECT_STREQ(wide, "1.000000000");
    EXPECT_EQ(vu::FormatFixed(1.5, -3, wide, sizeof wide), 1u);
    EXPECT_STREQ(wide, "2");
    // The longest text fits the 330 characters the callers keep.
    EXPECT_LT(vu::FormatFixed(-DBL_MAX, 9, wide, sizeof wide), 330u);
    EXPECT_EQ(std::string(wide), Library(-DBL_MAX, 9));
}

}  // namespace
