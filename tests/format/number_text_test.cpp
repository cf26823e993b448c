// Number text: the formatter's digits are the C library's digits (only the
// three-digit exponent, the sign of zero and inf/nan are the program's own),
// and page text reads back as strtod/strtol would read it.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "format/number_text.h"

namespace {

// printf's text with its exponent widened to three digits, the extra digit
// absorbed by the field's padding.
std::string libcWithThreeDigitExponent(const char* format, double value) {
  char buf[512];
  std::snprintf(buf, sizeof buf, format, value);
  std::string text(buf);
  const std::size_t e = text.find_first_of("eE");
  if (e != std::string::npos && text.size() - (e + 2) == 2) {
    text.insert(e + 2, "0");
    if (text[0] == ' ') text.erase(0, 1);
  }
  return text;
}

TEST(NumberText, AgreesWithTheCLibraryInEveryReportConversion) {
  const char* formats[] = {"%12.3e", "%13.4e", "%13.3e", "%10.3E", "%9.2f", "%8.3f", "%7.3f",
                           "%10.2f", "%9.4f",  "%6.1f",  "%3.0f",  "%.5g",  "%9.1f", "%9.3e",
                           "%11.3e", "%7.4f",  "%5.3f",  "%.3g",   "%e",    "%f"};
  std::mt19937_64 random(20261206);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-30, 30);
  const double halves[] = {0.125, 0.375, 2.5, 3.5, 22.25, 67.75, 1.0005, 1e22, 5e-324};
  for (int i = 0; i < 20000; ++i) {
    double value = mantissa(random) * std::pow(10.0, exponent(random));
    if (i % 7 == 0) value = std::round(value * 1000.0) / 1000.0;  // halfway-prone values
    if (i < 18) value = (i % 2 ? -1 : 1) * halves[i / 2];
    if (value == 0.0) continue;
    for (const char* format : formats)
      ASSERT_EQ(vc::formatf(format, value), libcWithThreeDigitExponent(format, value))
          << format << " " << value;
  }
}

// Values next to a rounding halfway point, the decade boundaries and the ends
// of the double range are where a fast digit generator goes wrong first.
TEST(NumberText, AgreesWithTheCLibraryNextToHalfwayPointsAndAtTheExtremes) {
  const char* formats[] = {"%12.3e", "%13.4e", "%10.3E", "%.0e", "%.9e",  "%.15e",
                           "%9.2f",  "%7.4f",  "%3.0f",  "%.9f", "%.15f", "%.5g",
                           "%.1g",   "%.0g",   "%12.3G", "%.16g"};
  std::mt19937_64 random(7);
  std::uniform_int_distribution<int> digits(1000, 99999), exponent(-320, 300);
  std::vector<double> values = {5e-324,
                                2.2250738585072014e-308,
                                1.7976931348623157e308,
                                9.9995,
                                9.9994999999999994,
                                0.00049999999999999999,
                                999.5,
                                1e15,
                                1e17,
                                123456789012345678.0,
                                0.5,
                                1.5,
                                2.5};
  for (int i = 0; i < 20000; ++i) {
    // (n + 1/2) 10^e: an exact decimal tie, whose nearest double lies a hair
    // to one side of it.
    const double tie = (digits(random) + 0.5) * std::pow(10.0, exponent(random) % 20);
    values.insert(values.end(), {tie, std::nextafter(tie, 0.0), std::nextafter(tie, 1e300),
                                 (digits(random) + 0.5) * std::pow(10.0, exponent(random))});
  }
  for (double value : values) {
    if (!std::isfinite(value) || value == 0.0) continue;
    for (const char* format : formats)
      ASSERT_EQ(vc::formatf(format, value), libcWithThreeDigitExponent(format, value))
          << format << " " << value;
  }
}

// The report's rows go through appendFields, which takes its own short path
// for plain fields: the C library's text for every kind of value, in fields
// narrower and wider than the text and wider than that path takes.
TEST(NumberText, FieldRowsAgreeWithTheCLibrary) {
  const double inf = std::numeric_limits<double>::infinity();
  const double values[] = {0.0,
                           -0.0,
                           1.0,
                           -9.9995,
                           9.9994999999999994,
                           0.125,
                           -2.5,
                           1e-300,
                           5e-324,
                           4.5e15,
                           -1.7976931348623157e308,
                           1.23456e32,
                           inf,
                           -inf,
                           std::nan(""),
                           0.0049999999999999999,
                           99.995,
                           -1e22};
  for (const char conversion : {'e', 'f'})
    for (const int width : {0, 5, 9, 12, 13, 40, 41, 60})
      for (const int precision : {0, 1, 2, 3, 4, 5}) {
        const std::string format = "%" + (width > 0 ? std::to_string(width) : std::string()) + "." +
                                   std::to_string(precision) + conversion;
        for (const double value : values) {
          std::string row;
          const double other = std::isnan(value) ? value : -value;
          vc::appendFields(row, conversion, width, precision, {value, other});
          ASSERT_EQ(row, libcWithThreeDigitExponent(format.c_str(), value + 0.0) +
                             libcWithThreeDigitExponent(format.c_str(), other + 0.0))
              << format << " " << value;
        }
      }
}

TEST(NumberText, TheProgramsOwnConventions) {
  const double inf = std::numeric_limits<double>::infinity(),
               nan = std::numeric_limits<double>::quiet_NaN();
  const std::pair<std::string, std::string> cases[] = {
      {vc::formatf("%12.3e", 18000000.0), "  1.800e+007"},
      {vc::formatf("%10.3E", 18000000.0), "1.800E+007"},
      {vc::formatf("%12.3e", 1e-300), "  1.000e-300"},
      {vc::formatf("%9.2f|%12.3e|%.5g", -0.0, -0.0, -0.0), "     0.00|  0.000e+000|0"},
      {vc::formatf("%9.2f|%-6.1f|%10.3E", inf, -inf, inf), "      inf|-inf  |       INF"},
      {vc::formatf("%9.2f|%G", -nan, nan), "     -nan|NAN"},
      {vc::formatf("%012.3e|%06.2f|%+.2e|% .2e", -18000000.0, -1.5, 3.0, 3.0),
       "-01.800e+007|-01.50|+3.00e+000| 3.00e+000"},
      {vc::formatf("%05d|%+08.2f|%-+7.1f|", -42, 1.5, -2.25), "-0042|+0001.50|-2.2   |"},
      {vc::formatf("%-3d|%4d|%04d|%+d|100%%|[%5s][%-5s][%.2s]", 7, -7, 42, 3, "ab", "ab", "abcd"),
       "7  |  -7|0042|+3|100%|[   ab][ab   ][ab]"},
      {vc::formatf("%4d|%2d|%12d|%d|%41d|", 12345, -3, INT_MIN, 0, 7),
       "12345|-3| -2147483648|0|" + std::string(40, ' ') + "7|"},
      {vc::pageNumberText(20600000.0) + " " + vc::pageNumberText(0.005) + " " +
           vc::pageNumberText(-209000.0) + " " + vc::pageNumberText(99999.0) + " " +
           vc::pageNumberText(3.4e-6) + " " + vc::pageNumberText(2.0 / 3.0) + " " +
           vc::pageNumberText(-0.0),
       "2.06e+007 0.005 -2.09e+005 99999 3.4e-006 0.66667 0"},
  };
  for (const auto& [written, expected] : cases) EXPECT_EQ(written, expected);
  std::string s = "E1 =";
  vc::appendf(s, "%12.3e", 20600000.0);
  EXPECT_EQ(s, "E1 =  2.060e+007");
}

// The longest leading decimal number, never hex, inf or nan; overflow and
// underflow as strtod; whole numbers saturate at the int32 range.
TEST(NumberText, ReadingPageText) {
  const char* const realTexts[] = {
      "1.5e6psi",    "  -2.5", "\t+.25x", "7.",          "1e+",   "1E-3",   "2.5,7",
      "0.1",         "",       "e5",      ".",           "-",     "0x1A",   "inf",
      "-infinity",   "nan",    "1e-999",  "0.0001e-400", "1e999", "-1e999", "12345.6e308",
      "  1.800e+007"};
  const double reals[] = {1.5e6, -2.5, 0.25,     7.0,       1.0,      0.001, 2.5,  0.1,
                          0.0,   0.0,  0.0,      0.0,       0.0,      0.0,   -0.0, 0.0,
                          0.0,   0.0,  INFINITY, -INFINITY, INFINITY, 1.8e7};
  for (int i = 0; i < 22; ++i) EXPECT_EQ(vc::readPageReal(realTexts[i]), reals[i]) << realTexts[i];
  const std::string wholeTexts[] = {"2.9",
                                    "  -17abc",
                                    "+8",
                                    "1e3",
                                    "",
                                    "x5",
                                    "-",
                                    "2147483648",
                                    std::string(23, '9'),
                                    "-2147483648",
                                    "-" + std::string(20, '9')};
  const int wholes[] = {2, -17, 8, 1, 0, 0, 0, INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  for (int i = 0; i < 11; ++i)
    EXPECT_EQ(vc::readPageInt(wholeTexts[i]), wholes[i]) << wholeTexts[i];
  EXPECT_EQ(vc::readPageReal(static_cast<const char*>(nullptr)), 0.0);
  EXPECT_EQ(vc::readPageInt(static_cast<const char*>(nullptr)), 0);
}

}  // namespace
