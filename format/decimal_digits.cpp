#include "format/decimal_digits.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "format/digit_pairs.h"

namespace vc {
namespace {

// Above this precision the scaled value outgrows the extended mantissa's
// headroom and nearly every case would be undecided anyway.
constexpr int kMaxFastPrecision = 15;
// The largest power needed: a subnormal magnitude (about 4.9e-324) scaled to
// kMaxFastPrecision + 1 digits.
constexpr int kHighestPower = 345;

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

// Bound on the relative error of one scaling: the power's own error (powl is
// within an ulp or two) plus the multiplication or division, with room to
// spare. Where long double is only a double, the bound is that much wider.
constexpr long double kRelativeError = LDBL_MANT_DIG >= 64 ? 0x1p-56L : 0x1p-46L;

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

// 10^k for k from -kHighestPower to kHighestPower, within a few ulps: the
// product of an exact 10^(k mod 32) and one of 23 powers of 10^32 from powl,
// so that building the table costs 23 powl calls, not 691.
struct PowersOfTen {
  long double value[2 * kHighestPower + 1];
  double nearest[2 * kDoublePowers + 1];  // the same as doubles, for |k| <= kDoublePowers
  PowersOfTen() {
    long double small[32];
    small[0] = 1.0L;
    for (int b = 1; b < 32; ++b) small[b] = small[b - 1] * 10.0L;  // exact up to 10^27
    long double block[23];                                         // 10^(32 j) for j from -11 to 11
    for (int j = -11; j <= 11; ++j)
      block[j + 11] = std::pow(10.0L, static_cast<long double>(32 * j));
    for (int k = -kHighestPower; k <= kHighestPower; ++k) {
      const int b = ((k % 32) + 32) % 32;
      value[k + kHighestPower] = block[(k - b) / 32 + 11] * small[b];
    }
    for (int k = -kDoublePowers; k <= kDoublePowers; ++k)
      nearest[k + kDoublePowers] = static_cast<double>(value[k + kHighestPower]);
  }
};

const PowersOfTen& powersOfTen() {
  static const PowersOfTen table;
  return table;
}

// magnitude * 10^k in extended precision.
long double scaled(double magnitude, int k) {
  return static_cast<long double>(magnitude) * powersOfTen().value[k + kHighestPower];
}

// The integer nearest to `value` (below 2^63), or false when `value` is too
// close to a halfway point for its error bound to tell which way it rounds.
bool roundedWhole(long double value, std::uint64_t& whole) {
  const std::uint64_t floor = static_cast<std::uint64_t>(value);
  const long double fraction = value - static_cast<long double>(floor);  // exact
  const long double margin = (value < 1.0L ? 1.0L : value) * kRelativeError;
  if (fraction - 0.5L <= margin && 0.5L - fraction <= margin) return false;
  whole = floor + (fraction > 0.5L ? 1 : 0);
  return true;
}

// The nearest integer to `value` (positive, below 2^53), or false when
// `value` lies within its error bound of a halfway point.
bool roundedWholeOfDouble(double value, std::uint64_t& whole) {
  // Signed conversions: one instruction each way, where unsigned ones need
  // a test for the top bit.
  const std::int64_t floor = static_cast<std::int64_t>(value);
  const double fraction = value - static_cast<double>(floor);  // exact
  if (std::fabs(fraction - 0.5) <= value * kDoubleError) return false;
  whole = static_cast<std::uint64_t>(floor + (fraction > 0.5 ? 1 : 0));
  return true;
}

// b with 2^b <= magnitude < 2^(b+1), for a positive finite magnitude.
int binaryExponent(double magnitude) {
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
int decimalExponentEstimate(double magnitude) { return (binaryExponent(magnitude) * 78913) >> 18; }

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

// The same, in 32-bit arithmetic when the digits fit (nearly always).
char* putDigits(std::uint64_t digits, int count, char* out) {
  return digits <= 0xFFFFFFFFu ? putDigitsOf(static_cast<std::uint32_t>(digits), count, out)
                               : putDigitsOf(digits, count, out);
}

}  // namespace

namespace {

// roundScientific in plain doubles, for a positive magnitude and a precision
// of at most kMaxDoublePrecision; false when it cannot decide.
bool roundScientificInDoubles(double magnitude, int precision, RoundedDecimal& rounded) {
  int exponent10 = decimalExponentEstimate(magnitude);
  const int k = precision - exponent10;
  if (k < -kDoublePowers || k > kDoublePowers) return false;
  double s = magnitude * powersOfTen().nearest[k + kDoublePowers];
  // One decade too many digits half of the time: a step without a branch.
  const bool over = s >= kPow10Double[precision + 1];
  s *= kDecadeStep[over ? 1 : 0];
  exponent10 += over ? 1 : 0;
  if (s >= kPow10Double[precision + 1] || !roundedWholeOfDouble(s, rounded.digits)) return false;
  if (rounded.digits == kPow10[precision + 1]) {  // 9.9995 rounded up to 10.000
    rounded.digits = kPow10[precision];
    ++exponent10;
  }
  rounded.exponent10 = exponent10;
  rounded.length = precision > 0 ? precision + 7 : 6;
  return true;
}

// scientificField for one precision known to the compiler, so that the digit
// loop unrolls and the limits are constants.
template <int P>
std::size_t scientificFieldOf(double value, int width, char* out) {
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
    double s = magnitude * powersOfTen().nearest[k + kDoublePowers];
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

// fixedField for one precision known to the compiler.
template <int P>
std::size_t fixedFieldOf(double value, int width, char* out) {
  value += 0.0;  // drops the sign of a negative zero
  const bool negative = std::signbit(value);
  const double s = std::fabs(value) * kPow10Double[P];  // 10^P is exact
  std::uint64_t digits = 0;
  if (!(s < 0x1p52) || !roundedWholeOfDouble(s, digits)) return 0;  // NaN fails the first test
  int count = P + 1;  // "0.005" keeps its leading zero
  while (count < 16 && digits >= kPow10[count]) ++count;
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

}  // namespace

namespace {

// Fields for values[0..count) while the fast path takes them, each directly
// after the last; the loop is compiled once for each conversion and precision.
template <std::size_t (*Field)(double, int, char*)>
std::size_t fieldsOf(const double* values, std::size_t count, int width, char* out,
                     std::size_t& length) {
  char* p = out;
  std::size_t i = 0;
  for (; i < count; ++i) {
    const std::size_t n = Field(values[i], width, p);
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

bool roundScientific(double magnitude, int precision, RoundedDecimal& rounded) {
  if (precision < 0 || precision > kMaxFastPrecision || !(magnitude >= 0.0) ||
      !std::isfinite(magnitude))
    return false;
  if (magnitude > 0.0 && precision <= kMaxDoublePrecision &&
      roundScientificInDoubles(magnitude, precision, rounded))
    return true;
  rounded.digits = 0;
  rounded.exponent10 = 0;
  if (magnitude > 0.0) {
    int exponent10 = decimalExponentEstimate(magnitude);
    long double s = scaled(magnitude, precision - exponent10);
    while (s >= static_cast<long double>(kPow10[precision + 1])) {
      ++exponent10;
      s = scaled(magnitude, precision - exponent10);
    }
    if (!roundedWhole(s, rounded.digits)) return false;
    if (rounded.digits == kPow10[precision + 1]) {  // 9.9995 rounded up to 10.000
      rounded.digits = kPow10[precision];
      ++exponent10;
    }
    rounded.exponent10 = exponent10;
  }
  rounded.length = precision > 0 ? precision + 7 : 6;  // d[.ddd]e+ddd
  return true;
}

// The writers divide only by the constant 100 (a multiplication); a division
// by a power of ten chosen at run time would cost more than the rest.
void writeScientific(const RoundedDecimal& rounded, int precision, char e, char* out) {
  // The report's two precisions with their digit counts known to the compiler.
  if (precision == 3) {
    putDigitsOf(static_cast<std::uint32_t>(rounded.digits), 4, out + 1);
  } else if (precision == 4) {
    putDigitsOf(static_cast<std::uint32_t>(rounded.digits), 5, out + 1);
  }
  if (precision == 3 || precision == 4) {
    out[0] = out[1];
    out[1] = '.';
    out += precision + 2;
  } else if (precision > 0) {
    putDigits(rounded.digits, precision + 1, out + 1);  // then "d.ddd" from "dddd"
    out[0] = out[1];
    out[1] = '.';
    out += precision + 2;
  } else {
    *out++ = static_cast<char>('0' + rounded.digits);
  }
  *out++ = e;
  *out++ = rounded.exponent10 < 0 ? '-' : '+';
  const unsigned exponent = static_cast<unsigned>(std::abs(rounded.exponent10));  // below 400
  *out++ = static_cast<char>('0' + exponent / 100);
  putTwoDigits(exponent % 100, out);
}

bool roundFixed(double magnitude, int precision, RoundedDecimal& rounded) {
  if (precision < 0 || precision > kMaxFastPrecision || !(magnitude >= 0.0) ||
      !std::isfinite(magnitude))
    return false;
  if (precision <= kMaxDoublePrecision && magnitude * kPow10Double[precision] < 0x1p52) {
    if (!roundedWholeOfDouble(magnitude * kPow10Double[precision], rounded.digits)) return false;
  } else {
    const long double s = scaled(magnitude, precision);
    if (!(s < 1e17L) || !roundedWhole(s, rounded.digits)) return false;
  }
  int count = 1;
  while (count < 18 && rounded.digits >= kPow10[count]) ++count;
  if (count < precision + 1) count = precision + 1;  // "0.005" keeps its leading zero
  rounded.length = precision > 0 ? count + 1 : count;
  return true;
}

void writeFixed(const RoundedDecimal& rounded, int precision, char* out) {
  const int wholeCount = rounded.length - (precision > 0 ? precision + 1 : 0);
  putDigits(rounded.digits, wholeCount + precision, out);
  if (precision > 0) {
    std::memmove(out + wholeCount + 1, out + wholeCount, static_cast<std::size_t>(precision));
    out[wholeCount] = '.';
  }
}

bool roundGeneral(double magnitude, int precision, RoundedDecimal& rounded) {
  const int significant = precision == 0 ? 1 : precision;
  if (significant > kMaxFastPrecision + 1 || !roundScientific(magnitude, significant - 1, rounded))
    return false;
  int count = significant;
  while (count > 1 && rounded.digits % 10 == 0) {
    rounded.digits /= 10;
    --count;
  }
  rounded.count = count;
  const int x = rounded.exponent10;
  rounded.scientific = x < -4 || x >= significant;
  if (rounded.scientific)
    rounded.length = count + (count > 1 ? 1 : 0) + 5;  // d[.ddd]e+ddd
  else if (x >= 0)
    rounded.length = count > x + 1 ? count + 1 : x + 1;  // ddd[.ddd]
  else
    rounded.length = 1 + -x + count;  // 0.000ddd
  return true;
}

void writeGeneral(const RoundedDecimal& rounded, char e, char* out) {
  const int count = rounded.count;
  const int x = rounded.exponent10;
  if (rounded.scientific) {
    writeScientific(rounded, count - 1, e, out);
  } else if (x < 0) {
    *out++ = '0';
    *out++ = '.';
    for (int i = 1; i < -x; ++i) *out++ = '0';
    putDigits(rounded.digits, count, out);
  } else if (count <= x + 1) {
    out = putDigits(rounded.digits, count, out);
    for (int i = count; i < x + 1; ++i) *out++ = '0';
  } else {
    putDigits(rounded.digits, count, out);  // then the point after x + 1 digits
    std::memmove(out + x + 2, out + x + 1, static_cast<std::size_t>(count - x - 1));
    out[x + 1] = '.';
  }
}

}  // namespace vc
