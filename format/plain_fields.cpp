// The report's plain fields, "%W.Pe" and "%W.Pf", each written whole: the
// value scaled in doubles, rounded with its error bound, and the digits,
// sign, point, exponent and padding put in place without a branch on the
// width. What the fast path cannot decide is left to the caller.
#include "format/plain_fields.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "format/decimal_scaling.h"
#include "format/digit_pairs.h"

namespace vc {
namespace {

// "%W.Pe" of one value, for a precision known to the compiler, so that the
// digit loop unrolls and the limits are constants; 0 when it cannot decide.
template <int P>
std::size_t scientificFieldOf(double value, int width, const double* powers, char* out) {
  value += 0.0;  // drops the sign of a negative zero
  const bool negative = std::signbit(value);
  const double magnitude = std::fabs(value);
  std::uint64_t digits = 0;
  int exponent10 = 0;
  if (magnitude != 0.0) {
    if (!(magnitude <= DBL_MAX)) return 0;
    exponent10 = decimalExponentEstimate(magnitude);
    const int k = P - exponent10;
    if (k < -kDoublePowers || k > kDoublePowers) return 0;
    double s = magnitude * powers[k];
    const bool over = s >= kPow10Double[P + 1];  // one decade too many digits half of the time
    s *= kDecadeStep[over ? 1 : 0];
    exponent10 += over ? 1 : 0;
    if (s >= kPow10Double[P + 1] || !roundedWholeOfDouble(s, digits)) return 0;
    if (digits == kPow10[P + 1]) {  // 9.9995 rounded up to 10.000
      digits = kPow10[P];
      ++exponent10;
    }
  }
  const int length = (P > 0 ? P + 7 : 6) + (negative ? 1 : 0);
  const int pad = width > length ? width - length : 0;
  std::memset(out, ' ', kFieldRoom);  // a fixed length: a few stores, not a call
  char* p = out + pad;
  p[0] = '-';  // overwritten by the first digit when the value is not negative
  p += negative ? 1 : 0;
  putDigitsOf(static_cast<std::uint32_t>(digits), P + 1, p + 1);  // then "d.ddd" from "dddd"
  p[0] = p[1];
  if (P > 0) p[1] = '.';
  p += P > 0 ? P + 2 : 1;
  p[0] = 'e';
  p[1] = exponent10 < 0 ? '-' : '+';
  const unsigned exponent = static_cast<unsigned>(exponent10 < 0 ? -exponent10 : exponent10);
  p[2] = static_cast<char>('0' + exponent / 100);
  putTwoDigits(exponent % 100, p + 3);
  return static_cast<std::size_t>(pad + length);
}

// "%W.Pf" of one value, the same way.
template <int P>
std::size_t fixedFieldOf(double value, int width, const double*, char* out) {
  value += 0.0;  // drops the sign of a negative zero
  const bool negative = std::signbit(value);
  const double s = std::fabs(value) * kPow10Double[P];  // 10^P is exact
  std::uint64_t digits = 0;
  if (!(s < 0x1p52) || !roundedWholeOfDouble(s, digits)) return 0;  // NaN fails the first test
  int count = decimalDigitCount(digits);
  if (count < P + 1) count = P + 1;  // "0.005" keeps its leading zero
  const int length = count + (P > 0 ? 1 : 0) + (negative ? 1 : 0);
  const int pad = width > length ? width - length : 0;
  std::memset(out, ' ', kFieldRoom);
  char* p = out + pad;
  p[0] = '-';
  p += negative ? 1 : 0;
  p = putDigits(digits / kPow10[P], count - P, p);
  if (P > 0) {
    *p++ = '.';
    putDigitsOf(static_cast<std::uint32_t>(digits % kPow10[P]), P, p);
  }
  return static_cast<std::size_t>(pad + length);
}

// Fields for values[0..count) while the fast path takes them, each directly
// after the last; the loop is compiled once for each conversion and precision.
template <std::size_t (*Field)(double, int, const double*, char*)>
std::size_t fieldsOf(const double* values, std::size_t count, int width, char* out,
                     std::size_t& length) {
  const double* const powers = nearestPowersOfTen();  // once, not once a field
  char* p = out;
  std::size_t i = 0;
  for (; i < count; ++i) {
    const std::size_t n = Field(values[i], width, powers, p);
    if (n == 0) break;
    p += n;
  }
  length = static_cast<std::size_t>(p - out);
  return i;
}

}  // namespace

std::size_t plainFields(char conversion, const double* values, std::size_t count, int width,
                        int precision, char* out, std::size_t& length) {
  length = 0;
  if (width > kWidestField) return 0;
  if (conversion == 'e') {
    if (precision == 3) return fieldsOf<scientificFieldOf<3>>(values, count, width, out, length);
    if (precision == 4) return fieldsOf<scientificFieldOf<4>>(values, count, width, out, length);
  } else if (conversion == 'f') {
    switch (precision) {
      case 0:
        return fieldsOf<fixedFieldOf<0>>(values, count, width, out, length);
      case 1:
        return fieldsOf<fixedFieldOf<1>>(values, count, width, out, length);
      case 2:
        return fieldsOf<fixedFieldOf<2>>(values, count, width, out, length);
      case 3:
        return fieldsOf<fixedFieldOf<3>>(values, count, width, out, length);
      case 4:
        return fieldsOf<fixedFieldOf<4>>(values, count, width, out, length);
      default:
        break;
    }
  }
  return 0;
}

}  // namespace vc
