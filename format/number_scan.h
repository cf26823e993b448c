// Reading numbers from text as the C library's conversions read them
// ("%d" and "%lf", strtol and strtod), but never depending on the locale: the
// one scanner behind the page cells and the data file reader.
#pragma once

namespace vc {

// The blanks that the conversions skip: space, tab, line feed, carriage
// return, vertical tab and form feed.
bool isBlankChar(char c);

// An optional sign and the decimal digits after it, saturated at the int32
// range instead of overflowing. Returns the end of the number, or `p` when
// there is no digit (`value` is then 0).
const char* scanWhole(const char* p, const char* end, int& value);

// An optional sign and the longest decimal number after it: digits with an
// optional point and an optional exponent. A value too large for a double
// gives an infinity and one too small a zero, as strtod does. With
// `cLibraryForms` it also reads what "%lf" reads beyond that: hexadecimal
// floating constants, "inf", "infinity" and "nan" (any case). Returns the end
// of the number, or `p` when there is none (`value` is then 0).
const char* scanReal(const char* p, const char* end, double& value, bool cLibraryForms);

}  // namespace vc
