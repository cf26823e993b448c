#include "format/decimal_digits.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "format/decimal_scaling.h"
#include "format/digit_pairs.h"

namespace vc {
namespace {

// Above this precision the scaled value outgrows the extended mantissa's
// headroom and nearly every case would be undecided anyway.
constexpr int kMaxFastPrecision = 15;
// The largest power needed: a subnormal magnitude (about 4.9e-324) scaled to
// kMaxFastPrecision + 1 digits.
constexpr int kHighestPower = 345;

// Bound on the relative error of one scaling: the power's own error (powl is
// within an ulp or two) plus the multiplication or division, with room to
// spare. Where long double is only a double, the bound is that much wider.
constexpr long double kRelativeError = LDBL_MANT_DIG >= 64 ? 0x1p-56L : 0x1p-46L;

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

}  // namespace

const double* nearestPowersOfTen() { return powersOfTen().nearest + kDoublePowers; }

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

}  // namespace

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
  int count = decimalDigitCount(rounded.digits);
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
