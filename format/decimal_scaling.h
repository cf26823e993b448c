// The pieces that the digit writers share: exact small powers of ten, the
// rounding of a scaled double to a whole number with its error bound, the
// decimal exponent's estimate and digits written two at a time. Private to
// format/.
#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>

#include "format/digit_pairs.h"

namespace vc {

// The short precisions of the report are rounded in plain doubles: scaled
// to at most 10 digits, a double still resolves the fraction to 1e-6 and
// better, and the scaling errs by a few ulps (the power within one and a
// half, the product and the decade step one each) against a margin of 16.
constexpr int kMaxDoublePrecision = 9;
constexpr int kDoublePowers = 300;
constexpr double kDoubleError = 0x1p-49;
// s * 0.1 or s itself, chosen by indexing: a compiler turns a conditional
// multiplication into a branch, which the data's decades mispredict half of
// the time. (Multiplying by 1.0 is exact.)
constexpr double kDecadeStep[] = {1.0, 0.1};
constexpr double kPow10Double[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10};

constexpr std::uint64_t kPow10[] = {1ULL,
                                    10ULL,
                                    100ULL,
                                    1000ULL,
                                    10000ULL,
                                    100000ULL,
                                    1000000ULL,
                                    10000000ULL,
                                    100000000ULL,
                                    1000000000ULL,
                                    10000000000ULL,
                                    100000000000ULL,
                                    1000000000000ULL,
                                    10000000000000ULL,
                                    100000000000000ULL,
                                    1000000000000000ULL,
                                    10000000000000000ULL,
                                    100000000000000000ULL};

// How many decimal digits `v` has (v < 10^17; none for 0): the bit length
// times log10 2 (1233 / 4096) is the digit count or one more.
inline int decimalDigitCount(std::uint64_t v) {
#if defined(__GNUC__)
  const int bits = 64 - __builtin_clzll(v | 1);
#else
  int bits = 0;
  for (std::uint64_t w = v; w != 0; w >>= 1) ++bits;
#endif
  const int t = (bits * 1233) >> 12;
  return t + 1 - (v < kPow10[t] ? 1 : 0);
}

// 10^k as the nearest double, for k from -kDoublePowers to kDoublePowers:
// nearestPowersOfTen()[k].
const double* nearestPowersOfTen();

// The nearest integer to `value` (positive, below 2^53), or false when
// `value` lies within its error bound of a halfway point.
inline bool roundedWholeOfDouble(double value, std::uint64_t& whole) {
  // Signed conversions: one instruction each way, where unsigned ones need
  // a test for the top bit.
  const std::int64_t floor = static_cast<std::int64_t>(value);
  const double fraction = value - static_cast<double>(floor);  // exact
  if (std::fabs(fraction - 0.5) <= value * kDoubleError) return false;
  whole = static_cast<std::uint64_t>(floor + (fraction > 0.5 ? 1 : 0));
  return true;
}

// b with 2^b <= magnitude < 2^(b+1), for a positive finite magnitude.
inline int binaryExponent(double magnitude) {
  std::uint64_t bits;
  std::memcpy(&bits, &magnitude, sizeof bits);
  const int biased = static_cast<int>(bits >> 52);
  if (biased != 0) return biased - 1023;
  int exponent2 = 0;  // subnormal
  std::frexp(magnitude, &exponent2);
  return exponent2 - 1;
}

// The decimal exponent of a positive finite magnitude, or one less.
// magnitude lies in [2^b, 2^(b+1)), so its decimal exponent is floor(b log10 2)
// or one more. (b * 78913) >> 18 equals floor(b log10 2) for every b from
// -1100 to 1100 (the shift floors negative values too), which covers every
// double.
inline int decimalExponentEstimate(double magnitude) {
  return (binaryExponent(magnitude) * 78913) >> 18;
}

// Writes the `count` lowest decimal digits of `digits`, leading zeros kept,
// two at a time.
template <typename Unsigned>
inline char* putDigitsOf(Unsigned digits, int count, char* out) {
  int i = count;
  while (i >= 2) {
    const unsigned pair = static_cast<unsigned>(digits % 100);
    digits /= 100;
    i -= 2;
    putTwoDigits(pair, out + i);
  }
  if (i > 0) out[0] = static_cast<char>('0' + digits % 10);
  return out + count;
}

// The same for any 64-bit value.
inline char* putDigits(std::uint64_t digits, int count, char* out) {
  // Eight digits at a time come off the right with one 64-bit division each;
  // within a block and for the last eight or fewer, 32-bit arithmetic.
  int left = count;
  while (left > 8) {
    left -= 8;
    const std::uint32_t eight = static_cast<std::uint32_t>(digits % 100000000);
    digits /= 100000000;
    putTwoDigits(eight / 1000000, out + left);
    putTwoDigits(eight / 10000 % 100, out + left + 2);
    putTwoDigits(eight / 100 % 100, out + left + 4);
    putTwoDigits(eight % 100, out + left + 6);
  }
  putDigitsOf(static_cast<std::uint32_t>(digits), left, out);
  return out + count;
}

}  // namespace vc
