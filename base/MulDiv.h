#pragma once
// MulDiv as the window system defines it, for every platform: a * b / c with
// a 64-bit intermediate product, rounded to the nearest integer with halves
// away from zero.  A zero divisor, or a quotient outside -2^31+1 .. 2^31-1,
// gives -1.
#include <cstdint>

namespace nuvex {

int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator);

}  // namespace nuvex
