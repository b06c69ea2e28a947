// Fixed-point text of a double ("%.Nf" of the C library), exactly rounded, without the C
// library's formatter.
#ifndef VU_BASE_FIXED_NUMBER_H
#define VU_BASE_FIXED_NUMBER_H

#include <cstddef>

namespace vu {

// Writes value with `decimals` decimals (clamped to 0..9) as the C library's "%.*f" writes
// it: the exact binary value rounded half to even, "inf" and "nan" for those, a '-' for a set
// sign bit (also on zero and "inf", never on "nan"). Writes at most size - 1 characters and
// a terminator (nothing when size is 0); returns the length of the whole text, so a result
// >= size means it was cut. 330 characters always suffice.
std::size_t FormatFixed(double value, int decimals, char* text, std::size_t size);

}  // namespace vu

#endif
