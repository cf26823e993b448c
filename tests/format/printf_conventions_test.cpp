// The printf conventions of the number text: three-digit exponents, no
// negative zero, fixed spellings of infinities and NaN.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "format/number_text.h"

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ExponentDigits, ThreeDigitsWithinTheFieldWidth) {
    EXPECT_EQ(vc::formatf("%12.3e", 18000000.0), "  1.800e+007");
    EXPECT_EQ(vc::formatf("%10.3E", 18000000.0), "1.800E+007");
    EXPECT_EQ(vc::formatf("%12.4e", -0.00125), "-1.2500e-003");
    EXPECT_EQ(vc::formatf("%e", 1.0), "1.000000e+000");
    EXPECT_EQ(vc::formatf("%.2e", 0.0), "0.00e+000");
}

TEST(ExponentDigits, TextWiderThanTheFieldIsNotCut) {
    EXPECT_EQ(vc::formatf("%9.3e", 18000000.0), "1.800e+007");
    EXPECT_EQ(vc::formatf("%5.1e", -2.5e-5), "-2.5e-005");
}

TEST(ExponentDigits, ThreeDigitExponentsStayAsTheyAre) {
    EXPECT_EQ(vc::formatf("%.3e", 1.5e100), "1.500e+100");
    EXPECT_EQ(vc::formatf("%.1e", 2.0e-300), "2.0e-300");
}

TEST(ExponentDigits, GeneralConversion) {
    EXPECT_EQ(vc::formatf("%.5g", 1.8e7), "1.8e+007");
    EXPECT_EQ(vc::formatf("%.5G", 1.8e7), "1.8E+007");
    EXPECT_EQ(vc::formatf("%.5g", 123.456), "123.46");
    EXPECT_EQ(vc::formatf("%.5g", 0.0001), "0.0001");
    EXPECT_EQ(vc::formatf("%.5g", 0.00001), "1e-005");
    EXPECT_EQ(vc::formatf("%10.5g", 1.8e7), "  1.8e+007");
    EXPECT_EQ(vc::formatf("%-10.5g|", 1.8e7), "1.8e+007  |");
}

TEST(ExponentDigits, FlagsAndZeroPadding) {
    EXPECT_EQ(vc::formatf("%+.2e", 3.0), "+3.00e+000");
    EXPECT_EQ(vc::formatf("% .2e", 3.0), " 3.00e+000");
    EXPECT_EQ(vc::formatf("%012.3e", -18000000.0), "-01.800e+007");
    EXPECT_EQ(vc::formatf("%013.3e", -18000000.0), "-001.800e+007");
    EXPECT_EQ(vc::formatf("%-12.3e|", 18000000.0), "1.800e+007  |");
}

TEST(NegativeZero, PrintsWithoutMinusInEveryConversion) {
    EXPECT_EQ(vc::formatf("%.3f", -0.0), "0.000");
    EXPECT_EQ(vc::formatf("%8.3f", -0.0), "   0.000");
    EXPECT_EQ(vc::formatf("%.3e", -0.0), "0.000e+000");
    EXPECT_EQ(vc::formatf("%g", -0.0), "0");
    EXPECT_EQ(vc::formatf("%4.0f", -0.0), "   0");
}

TEST(NegativeZero, SmallNegativesKeepTheirSign) {
    EXPECT_EQ(vc::formatf("%.3f", -0.0001), "-0.000");
    EXPECT_EQ(vc::formatf("%4.0f", -0.4), "  -0");
}

TEST(NonFinite, FixedSpellingsPaddedToTheField) {
    EXPECT_EQ(vc::formatf("%12.3e", kInf), "         inf");
    EXPECT_EQ(vc::formatf("%12.3e", -kInf), "        -inf");
    EXPECT_EQ(vc::formatf("%8.3f", kNaN), "     nan");
    EXPECT_EQ(vc::formatf("%8.3f", -kNaN), "    -nan");
    EXPECT_EQ(vc::formatf("%-8.3f|", kInf), "inf     |");
    EXPECT_EQ(vc::formatf("%10.3E", kInf), "       INF");
    EXPECT_EQ(vc::formatf("%G", kNaN), "NAN");
    EXPECT_EQ(vc::formatf("%08.2f", -kInf), "    -inf");
    EXPECT_EQ(vc::formatf("%.5g", kInf), "inf");
}

TEST(FixedConversion, MatchesHandRounding) {
    EXPECT_EQ(vc::formatf("%6.1f", 22.5), "  22.5");
    EXPECT_EQ(vc::formatf("%6.1f", -67.5), " -67.5");
    EXPECT_EQ(vc::formatf("%10.4f", 3.14159265358979), "    3.1416");
    EXPECT_EQ(vc::formatf("%06.2f", -1.5), "-01.50");
    EXPECT_EQ(vc::formatf("%.0f", 1e20), "100000000000000000000");
}

TEST(OtherConversions, IntegersTextAndPercent) {
    EXPECT_EQ(vc::formatf("%4d|%-4d|%04d", 7, -7, 42), "   7|-7  |0042");
    EXPECT_EQ(vc::formatf("%+d", 3), "+3");
    EXPECT_EQ(vc::formatf("[%5s][%-5s][%.2s]", "ab", "ab", "abcd"), "[   ab][ab   ][ab]");
    EXPECT_EQ(vc::formatf("100%%"), "100%");
}

TEST(Appending, AddsToTheExistingText) {
    std::string s = "E1 =";
    vc::appendf(s, "%12.3e", 20600000.0);
    vc::appendf(s, "%s", "\r\n");
    EXPECT_EQ(s, "E1 =  2.060e+007\r\n");
}

TEST(Appending, LongTextsAreComplete) {
    std::string longText(1000, 'x');
    std::string s = vc::formatf("<%s>", longText.c_str());
    EXPECT_EQ(s.size(), 1002u);
    std::string big = vc::formatf("%.1f", 1e300);
    EXPECT_EQ(big.size(), 303u);
    EXPECT_EQ(big.substr(0, 2), "10");
    EXPECT_EQ(big.substr(big.size() - 2), ".0");
}

}  // namespace
