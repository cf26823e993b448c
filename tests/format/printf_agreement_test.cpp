// The formatter's digits must be the C library's digits: only the exponent
// width, the sign of zero and the inf/nan spelling are the program's own.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

#include "format/number_text.h"

namespace {

// printf's text with its exponent widened to three digits (padding absorbed
// from the left, as the field widths of the report allow for it).
std::string libcWithThreeDigitExponent(const char* format, double value) {
  char buf[512];
  std::snprintf(buf, sizeof buf, format, value);
  std::string text(buf);
  const std::size_t e = text.find_first_of("eE");
  if (e != std::string::npos && text.size() - (e + 2) == 2) {
    text.insert(e + 2, "0");
    if (!text.empty() && text[0] == ' ') text.erase(0, 1);
  }
  return text;
}

TEST(PrintfAgreement, RandomValuesInEveryReportConversion) {
  const char* formats[] = {"%12.3e", "%13.4e", "%13.3e", "%10.3E", "%9.2f", "%8.3f",
                           "%7.3f",  "%10.2f", "%9.4f",  "%6.1f",  "%3.0f", "%.5g",
                           "%9.1f",  "%9.3e",  "%11.3e", "%10.3e", "%7.4f", "%5.3f"};
  std::mt19937_64 random(20261206);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-30, 30);
  for (int i = 0; i < 20000; ++i) {
    double value = mantissa(random) * std::pow(10.0, exponent(random));
    if (i % 7 == 0) value = std::round(value * 1000.0) / 1000.0;  // halfway-prone values
    if (value == 0.0) continue;
    for (const char* format : formats) {
      ASSERT_EQ(vc::formatf(format, value), libcWithThreeDigitExponent(format, value))
          << format << " of " << value;
    }
  }
}

TEST(PrintfAgreement, ExactHalvesRoundAsTheCLibraryDoes) {
  const double halves[] = {0.125, 0.375, 2.5, 3.5, 22.25, 67.75, 1.0005, 0.0625, 1e22, 5e-324};
  for (double v : halves) {
    for (const char* format : {"%.2f", "%.0f", "%.1f", "%.2e", "%.3g"}) {
      EXPECT_EQ(vc::formatf(format, v), libcWithThreeDigitExponent(format, v)) << format << " " << v;
      EXPECT_EQ(vc::formatf(format, -v), libcWithThreeDigitExponent(format, -v)) << format << " " << -v;
    }
  }
}

}  // namespace
