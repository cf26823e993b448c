// Shortest round-trip text: byte for byte what std::to_chars writes, over
// random bit patterns and the places where digit generators go wrong first
// (powers of two, where the rounding interval is lopsided; exact decimals
// and their neighbours; whole numbers; subnormals; the ends of the range).
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>

#include "format/shortest_digits.h"

namespace {

std::string library(double value) {
  char text[64];
  return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

std::string ours(double value) {
  char text[vc::kShortestRoom];
  return std::string(text, vc::writeShortest(text, value));
}

void expectSameAsLibrary(double value) {
  ASSERT_EQ(ours(value), library(value)) << std::hexfloat << value;
}

TEST(ShortestDigits, AgreesWithTheLibraryOnRandomBitPatterns) {
  std::mt19937_64 random(20261207);
  for (int i = 0; i < 400000; ++i) {
    const std::uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    expectSameAsLibrary(value);
    // Typical results: a few significant digits to full ones, over the
    // magnitudes of stiffnesses, strains and compliances.
    const double decimal = static_cast<double>(random() % 100000000000000000ULL) /
                           std::pow(10.0, static_cast<int>(random() % 40));
    expectSameAsLibrary(decimal);
    expectSameAsLibrary(-decimal * 1e-9);
  }
}

TEST(ShortestDigits, AgreesWithTheLibraryWhereGeneratorsGoWrong) {
  const double infinity = std::numeric_limits<double>::infinity();
  for (double special : {0.0, -0.0, 5e-324, 2.2250738585072014e-308, 1.7976931348623157e308,
                         infinity, -infinity, std::nan(""), 0.1, 0.3, 2.0 / 3.0, 9007199254740993.0,
                         1e16, 1e21, 1e22, 1e23, 123456789012345680.0})
    expectSameAsLibrary(special);
  for (int e = -1074; e <= 1023; ++e) {
    const double power = std::ldexp(1.0, e);
    expectSameAsLibrary(power);
    expectSameAsLibrary(std::nextafter(power, 0.0));
    expectSameAsLibrary(std::nextafter(power, infinity));
  }
  for (int e = -325; e <= 308; ++e)
    for (int m = 1; m <= 99; m += 7) {
      const double decimal = m * std::pow(10.0, e);
      expectSameAsLibrary(decimal);
      expectSameAsLibrary(std::nextafter(decimal, 0.0));
      expectSameAsLibrary(std::nextafter(decimal, infinity));
    }
  // Every digit count at every exponent near the switch between "%f" and
  // "%e" style, where the two lengths differ by a character or two.
  for (int count = 1; count <= 17; ++count) {
    const double digits = std::floor(12345678901234567.0 / std::pow(10.0, 17 - count));
    for (int x = -25; x <= 25; ++x) expectSameAsLibrary(digits * std::pow(10.0, x - count + 1));
  }
  for (int i = 0; i < 3000; ++i) {
    expectSameAsLibrary(i);
    expectSameAsLibrary(i * 1e15 + 1.0);
    expectSameAsLibrary(-i * 1e18);
  }
}

}  // namespace
