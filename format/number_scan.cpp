#include "format/number_scan.h"

#include <charconv>
#include <limits>
#include <string>
#include <system_error>

namespace vc {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHexDigit(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool startsWithWord(const char* p, const char* end, const char* word) {
  for (; *word; ++word, ++p) {
    if (p == end || lower(*p) != *word) return false;
  }
  return true;
}

// Reads an optional sign; returns whether it was '-'.
bool readSign(const char*& p, const char* end) {
  if (p != end && (*p == '+' || *p == '-')) return *p++ == '-';
  return false;
}

// A decimal exponent of at most 100000000 in magnitude (more cannot change
// whether a value overflows).
long long exponentValue(const char*& e, const char* end) {
  const bool negative = readSign(e, end);
  long long value = 0;
  while (e != end && isDigit(*e)) {
    if (value < 100000000) value = value * 10 + (*e - '0');
    ++e;
  }
  return negative ? -value : value;
}

// Converts [start, stop) with from_chars; a result out of range becomes an
// infinity when `overflows`, else zero.
double convert(const char* start, const char* stop, std::chars_format form, bool overflows) {
  double value = 0.0;
  const std::from_chars_result r = std::from_chars(start, stop, value, form);
  if (r.ec == std::errc::result_out_of_range)
    return overflows ? std::numeric_limits<double>::infinity() : 0.0;
  return r.ec == std::errc() ? value : 0.0;
}

// Where the first significant digit of [start, stop) stands relative to the
// point, in `base`-digit positions: 0 for "1.5", -1 for "0.05", 1 for "15".
long long leadingMagnitude(const char* start, const char* stop, bool hex) {
  long long intDigits = 0, fractionZeros = 0;
  bool seen = false;
  const char* q = start;
  while (q != stop && (hex ? isHexDigit(*q) : isDigit(*q))) {
    if (*q != '0') seen = true;
    if (seen) ++intDigits;
    ++q;
  }
  if (q != stop && *q == '.') {
    ++q;
    while (!seen && q != stop && *q == '0') ++fractionZeros, ++q;
  }
  return intDigits > 0 ? intDigits - 1 : -(fractionZeros + 1);
}

// Digits with an optional point; returns the end, or `p` without a digit.
const char* scanMantissa(const char* p, const char* end, bool hex) {
  const char* q = p;
  std::size_t digits = 0;
  while (q != end && (hex ? isHexDigit(*q) : isDigit(*q))) ++q, ++digits;
  if (q != end && *q == '.') {
    const char* f = q + 1;
    while (f != end && (hex ? isHexDigit(*f) : isDigit(*f))) ++f, ++digits;
    q = f;
  }
  return digits > 0 ? q : p;
}

// An exponent marker with at least one digit after its optional sign.
const char* scanExponent(const char* p, const char* end, char marker) {
  if (p == end || lower(*p) != marker) return p;
  const char* q = p + 1;
  if (q != end && (*q == '+' || *q == '-')) ++q;
  if (q == end || !isDigit(*q)) return p;
  while (q != end && isDigit(*q)) ++q;
  return q;
}

const char* scanDecimal(const char* p, const char* end, double& magnitude) {
  const char* mantissaEnd = scanMantissa(p, end, false);
  if (mantissaEnd == p) return p;
  const char* stop = scanExponent(mantissaEnd, end, 'e');
  long long exponent = 0;
  if (stop != mantissaEnd) {
    const char* e = mantissaEnd + 1;
    exponent = exponentValue(e, stop);
  }
  magnitude = convert(p, stop, std::chars_format::general,
                      leadingMagnitude(p, mantissaEnd, false) + exponent > 0);
  return stop;
}

// A hexadecimal floating constant; `p` stands on its "0x".
const char* scanHex(const char* p, const char* end, double& magnitude) {
  const char* digits = p + 2;
  const char* mantissaEnd = scanMantissa(digits, end, true);
  if (mantissaEnd == digits) return p;
  const char* stop = scanExponent(mantissaEnd, end, 'p');
  long long exponent = 0;
  if (stop != mantissaEnd) {
    const char* e = mantissaEnd + 1;
    exponent = exponentValue(e, stop);
  }
  magnitude = convert(digits, stop, std::chars_format::hex,
                      4 * leadingMagnitude(digits, mantissaEnd, true) + exponent > 0);
  return stop;
}

// "nan" with an optional "(chars)" as strtod reads it.
const char* scanNan(const char* p, const char* end) {
  p += 3;
  if (p != end && *p == '(') {
    const char* q = p + 1;
    while (q != end && (isDigit(*q) || (lower(*q) >= 'a' && lower(*q) <= 'z') || *q == '_')) ++q;
    if (q != end && *q == ')') p = q + 1;
  }
  return p;
}

}  // namespace

bool isBlankChar(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

const char* scanWhole(const char* p, const char* end, int& value) {
  value = 0;
  const char* q = p;
  const bool negative = readSign(q, end);
  if (q == end || !isDigit(*q)) return p;
  const long long limit = negative ? -static_cast<long long>(std::numeric_limits<int>::min())
                                   : static_cast<long long>(std::numeric_limits<int>::max());
  long long v = 0;
  while (q != end && isDigit(*q)) {
    if (v < limit) v = v * 10 + (*q - '0');
    if (v > limit) v = limit;
    ++q;
  }
  value = static_cast<int>(negative ? -v : v);
  return q;
}

const char* scanReal(const char* p, const char* end, double& value, bool cLibraryForms) {
  value = 0.0;
  const char* q = p;
  const bool negative = readSign(q, end);
  double magnitude = 0.0;
  const char* stop = q;
  if (cLibraryForms && startsWithWord(q, end, "inf")) {
    stop = q + (startsWithWord(q + 3, end, "inity") ? 8 : 3);
    magnitude = std::numeric_limits<double>::infinity();
  } else if (cLibraryForms && startsWithWord(q, end, "nan")) {
    stop = scanNan(q, end);
    magnitude = std::numeric_limits<double>::quiet_NaN();
  } else if (cLibraryForms && end - q > 2 && q[0] == '0' && lower(q[1]) == 'x') {
    stop = scanHex(q, end, magnitude);
    if (stop == q) stop = scanDecimal(q, end, magnitude);  // "0x" alone reads as 0
  } else {
    stop = scanDecimal(q, end, magnitude);
  }
  if (stop == q) return p;
  value = negative ? -magnitude : magnitude;
  return stop;
}

}  // namespace vc
