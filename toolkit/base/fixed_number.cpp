// Exact fixed-point formatting of doubles with a small unsigned big integer: the value is
// m * 2^e, so value * 10^d is m * 10^d shifted left or right by |e| bits, rounded half to
// even, and its decimal digits are read off by repeated division by 10^9.
#include "base/fixed_number.h"

#include <cstdint>
#include <cstring>

namespace {

constexpr int kMostDecimals = 9;

// Enough 32-bit limbs for the largest double (below 2^1024) times 10^9 (below 2^30).
constexpr int kLimbs = 36;

struct Big {
    std::uint32_t limb[kLimbs];  // least significant first
    int used;                    // limbs in use; the top one is never zero
};

void Trim(Big& n)
{
    while (n.used > 0 && n.limb[n.used - 1] == 0) --n.used;
}

void MultiplySmall(Big& n, std::uint32_t factor)
{
    std::uint64_t carry = 0;
    for (int i = 0; i < n.used; ++i) {
        const std::uint64_t product = static_cast<std::uint64_t>(n.limb[i]) * factor + carry;
        n.limb[i] = static_cast<std::uint32_t>(product);
        carry = product >> 32;
    }
    if (carry != 0) n.limb[n.used++] = static_cast<std::uint32_t>(carry);
}

std::uint32_t DivideSmall(Big& n, std::uint32_t divisor)
{
    std::uint64_t rest = 0;
    for (int i = n.used - 1; i >= 0; --i) {
        const std::uint64_t part = (rest << 32) | n.limb[i];
        n.limb[i] = static_cast<std::uint32_t>(part / divisor);
        rest = part % divisor;
    }
    Trim(n);
    return static_cast<std::uint32_t>(rest);
}

void ShiftLeft(Big& n, int bits)
{
    const int whole = bits / 32;
    const int part = bits % 32;
    Big out = {};
    for (int i = 0; i < n.used; ++i) {
        const std::uint64_t moved = static_cast<std::uint64_t>(n.limb[i]) << part;
        out.limb[i + whole] |= static_cast<std::uint32_t>(moved);
        if (i + whole + 1 < kLimbs) out.limb[i + whole + 1] |= static_cast<std::uint32_t>(moved >> 32);
    }
    out.used = n.used + whole + 1 < kLimbs ? n.used + whole + 1 : kLimbs;
    Trim(out);
    n = out;
}

bool Bit(const Big& n, int index)
{
    const int i = index / 32;
    return i < n.used && ((n.limb[i] >> (index % 32)) & 1u) != 0;
}

bool AnyBitBelow(const Big& n, int index)
{
    for (int i = 0; i < n.used && i * 32 < index; ++i) {
        const int below = index - i * 32;
        const std::uint32_t mask = below >= 32 ? 0xFFFFFFFFu : ((1u << below) - 1u);
        if ((n.limb[i] & mask) != 0) return true;
    }
    return false;
}

// n >> bits, rounded to nearest, ties to even.
void ShiftRightRounded(Big& n, int bits)
{
    const bool half = Bit(n, bits - 1);
    const bool more = AnyBitBelow(n, bits - 1);
    const int whole = bits / 32;
    const int part = bits % 32;
    Big out = {};
    for (int i = whole; i < n.used; ++i) {
        std::uint64_t pair = n.limb[i];
        if (i + 1 < n.used) pair |= static_cast<std::uint64_t>(n.limb[i + 1]) << 32;
        out.limb[i - whole] = static_cast<std::uint32_t>(pair >> part);
    }
    out.used = n.used > whole ? n.used - whole : 0;
    Trim(out);
    const bool odd = out.used > 0 && (out.limb[0] & 1u) != 0;
    if (half && (more || odd)) {
        // Add one.
        int i = 0;
        while (i < out.used && ++out.limb[i] == 0) ++i;
        if (i == out.used) out.limb[out.used++] = 1;
    }
    n = out;
}

// Puts text into the caller's buffer as far as it fits; returns its whole length.
std::size_t Emit(const char* whole, std::size_t length, char* text, std::size_t size)
{
    if (size == 0) return length;
    const std::size_t n = length < size - 1 ? length : size - 1;
    std::memcpy(text, whole, n);
    text[n] = '\0';
    return length;
}

}  // namespace

namespace vu {

std::size_t FormatFixed(double value, int decimals, char* text, std::size_t size)
{
    if (decimals < 0) decimals = 0;
    if (decimals > kMostDecimals) decimals = kMostDecimals;

    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const int exponent_field = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantissa = bits & ((std::uint64_t{1} << 52) - 1);
    // A not-a-number is written without a sign whatever its sign bit says.
    const bool negative = (bits >> 63) != 0 && !(exponent_field == 0x7FF && mantissa != 0);

    // Written backwards from the end: digits, point, sign.
    char work[340];
    char* end = work + sizeof work;
    char* p = end;

    if (exponent_field == 0x7FF) {
        const char* word = mantissa == 0 ? "inf" : "nan";
        p -= 3;
        std::memcpy(p, word, 3);
    } else {
        int exponent;
        if (exponent_field == 0) {
            exponent = -1074;
        } else {
            mantissa |= std::uint64_t{1} << 52;
            exponent = exponent_field - 1075;
        }
        Big n = {};
        n.limb[0] = static_cast<std::uint32_t>(mantissa);
        n.limb[1] = static_cast<std::uint32_t>(mantissa >> 32);
        n.used = 2;
        Trim(n);
        std::uint32_t scale = 1;
        for (int i = 0; i < decimals; ++i) scale *= 10;
        MultiplySmall(n, scale);
        if (exponent > 0) {
            ShiftLeft(n, exponent);
        } else if (exponent < 0) {
            // Below 2^83 here: shifting by more than 84 bits leaves less than a half.
            if (-exponent > 84) n.used = 0;
            else ShiftRightRounded(n, -exponent);
        }
        // Digits of n, at least decimals + 1 of them.
        int digits = 0;
        while (n.used > 0 || digits <= decimals) {
            std::uint32_t group = DivideSmall(n, 1000000000u);
            for (int i = 0; i < 9 && (n.used > 0 || group != 0 || digits <= decimals); ++i) {
                if (decimals > 0 && digits == decimals) *--p = '.';
                *--p = static_cast<char>('0' + group % 10);
                group /= 10;
                ++digits;
            }
        }
    }
    if (negative) *--p = '-';
    return Emit(p, static_cast<std::size_t>(end - p), text, size);
}

}  // namespace vu
