// Correctly rounded decimal text of a double for the two conversions the
// report is made of, "%.Pe" and "%.Pf", without the C library.
//
// The magnitude is scaled by a power of ten in extended precision and rounded
// to an integer. The scaling error is bounded, so the rounding is certain
// unless the scaled value lies within that bound of a halfway point; then
// (and for precisions or magnitudes outside the fast range) the rounding
// functions return false and the caller falls back to std::to_chars, which is exact. The
// digits are therefore always those of printf in the "C" locale.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vc {

// A magnitude rounded for one conversion: "e" text is the `digits` as
// d.ddd with `exponent10`, "f" text is the `digits` with the decimal point
// `precision` places from the right. `length` is the text's length.
struct RoundedDecimal {
  std::uint64_t digits = 0;
  int exponent10 = 0;
  int length = 0;
  int count = 0;            // "g": how many significant digits are left
  bool scientific = false;  // "g": written in the "e" form
};

// Rounds `magnitude` (finite, not negative) as "%.Pe" does; the exponent is
// written as a sign and exactly three digits ("1.800e+007"). Returns false
// when the fast path cannot decide.
bool roundScientific(double magnitude, int precision, RoundedDecimal& rounded);
// Writes the rounded text (rounded.length characters), with `e` as the
// exponent letter.
void writeScientific(const RoundedDecimal& rounded, int precision, char e, char* out);

// Rounds `magnitude` (finite, not negative) as "%.Pf" does ("12.500").
// Returns false when the fast path cannot decide.
bool roundFixed(double magnitude, int precision, RoundedDecimal& rounded);
void writeFixed(const RoundedDecimal& rounded, int precision, char* out);

// Rounds `magnitude` (finite, not negative) as "%.Pg" does: P significant
// digits, trailing zeros dropped, the "e" form when the exponent is below -4
// or at least P. Returns false when the fast path cannot decide.
bool roundGeneral(double magnitude, int precision, RoundedDecimal& rounded);
void writeGeneral(const RoundedDecimal& rounded, char e, char* out);

}  // namespace vc
