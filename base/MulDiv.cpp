#include "base/MulDiv.h"

namespace nuvex {

int32_t MulDiv(int32_t number, int32_t numerator, int32_t denominator) {
  if (denominator == 0) return -1;
  // |product| <= 2^62 and |divisor| <= 2^31: no step below can overflow.
  int64_t product = int64_t{number} * numerator;
  int64_t divisor = denominator;
  if (divisor < 0) {
    product = -product;
    divisor = -divisor;
  }
  // Adding half the divisor (truncated) away from zero, then truncating the
  // quotient, rounds exact halves away from zero.
  const int64_t half = divisor / 2;
  const int64_t quotient = (product >= 0 ? product + half : product - half) / divisor;
  if (quotient > INT32_MAX || quotient < -INT32_MAX) return -1;
  return static_cast<int32_t>(quotient);
}

}  // namespace nuvex
