// The shortest text that reads back to the same double, byte for byte as
// std::to_chars(first, last, value) writes it: the fewest significant
// digits that identify the double (the nearest such number when there are
// several), written in "%f" or "%e" style, whichever is shorter ("%f" on a
// tie), with a two-digit exponent at least ("1e+22", "5e-324").
//
// The digits come from the Schubfach algorithm (R. Giulietti, "The
// Schubfach way to render doubles", 2020): the rounding interval of the
// double is scaled by a 126-bit power of ten, rounded to odd, and the
// shortest decimal inside it picked in a few integer steps. It is some
// three times faster than the C++ library's own, which matters for results
// documents of thousands of numbers.
#pragma once

namespace vc {

// Room needed at `first`: the longest text is 24 characters
// ("-2.2250738585072014e-308").
constexpr int kShortestRoom = 32;

// Writes the text at `first` and returns its end.
char* writeShortest(char* first, double value);

}  // namespace vc
