// Number text for everything the program writes: the report, data files,
// user material records and the input pages.
//
// The conversions are those of C printf with three fixed conventions, so
// that every file and report reads the same on every platform:
//   - "e"/"E" conversions write the exponent with a sign and exactly three
//     digits (printf("%12.3e", 18000000.0) gives "  1.800e+007");
//   - a negative zero is written without its minus sign, in every conversion;
//   - infinities and NaN are written as "inf"/"nan" ("INF"/"NAN" for the
//     upper-case conversions), with a minus sign when the sign bit is set,
//     right-aligned in the field width (left-aligned with the '-' flag).
// The output never depends on the process locale: the decimal point is '.'.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>

namespace vc {

// Appends the formatted text to `out`. Supports the flags "-+ #0", a width
// and a precision written as digits, and the conversions d (int), s, f F e E
// g G (double) and %%; anything else is copied through as written.
void appendf(std::string& out, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

// The text of "%W.Pe" (conversion 'e') or "%W.Pf" ('f') for each value in
// turn, exactly as appendf writes it, without reading a format: for the
// report's long rows of numbers.
void appendFields(std::string& out, char conversion, int width, int precision,
                  std::initializer_list<double> values);

// The same two into a sink (format/text_sink.h), for tables of many rows:
// appendFields, and "%Wd" of `value`.
class TextSink;
void appendFields(TextSink& out, char conversion, int width, int precision,
                  std::initializer_list<double> values);
void appendInteger(TextSink& out, int value, int width);

// The formatted text as a new string.
std::string formatf(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// A real number as the input pages show it: rounded to 5 significant digits,
// plain decimal notation for ordinary magnitudes, exponent notation (three
// exponent digits) for very large and very small ones; "0" for zero.
std::string pageNumberText(double value);

// Reading numbers back from page text (cells and boxes), with the scanner of
// format/number_scan.h: leading blanks skipped, optional sign, digits with
// an optional decimal point, optional exponent; reading stops at the first
// character that cannot continue the number; no number gives 0. Never reads
// hex, inf or nan and never depends on the locale.
double readPageReal(const char* text);
double readPageReal(const std::string& text);
// Whole numbers: leading blanks, optional sign, decimal digits up to the
// first non-digit ("2.9" reads as 2); no digits gives 0. Saturates at the
// int32 range instead of overflowing.
int readPageInt(const char* text);
int readPageInt(const std::string& text);

}  // namespace vc
