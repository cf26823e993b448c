// Reading and writing the numbers of page cells and boxes.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <string>

#include "format/number_text.h"

namespace {

TEST(PageNumberText, FiveSignificantDigits) {
    EXPECT_EQ(vc::pageNumberText(20600000.0), "2.06e+007");
    EXPECT_EQ(vc::pageNumberText(0.005), "0.005");
    EXPECT_EQ(vc::pageNumberText(0.27), "0.27");
    EXPECT_EQ(vc::pageNumberText(-209000.0), "-2.09e+005");
    EXPECT_EQ(vc::pageNumberText(1000.0), "1000");
    EXPECT_EQ(vc::pageNumberText(99999.0), "99999");
    EXPECT_EQ(vc::pageNumberText(0.0), "0");
    EXPECT_EQ(vc::pageNumberText(-0.0), "0");
    EXPECT_EQ(vc::pageNumberText(3.4e-6), "3.4e-006");
    // 26250000 / 0.000145 = 181034482758.62...
    EXPECT_EQ(vc::pageNumberText(26250000.0 / 0.000145), "1.8103e+011");
    EXPECT_EQ(vc::pageNumberText(2.0 / 3.0), "0.66667");
}

TEST(ReadPageReal, LongestLeadingNumber) {
    EXPECT_DOUBLE_EQ(vc::readPageReal("1.5e6psi"), 1500000.0);
    EXPECT_DOUBLE_EQ(vc::readPageReal("  -2.5"), -2.5);
    EXPECT_DOUBLE_EQ(vc::readPageReal("\t+.25x"), 0.25);
    EXPECT_DOUBLE_EQ(vc::readPageReal("7."), 7.0);
    EXPECT_DOUBLE_EQ(vc::readPageReal("1e"), 1.0);
    EXPECT_DOUBLE_EQ(vc::readPageReal("1e+"), 1.0);
    EXPECT_DOUBLE_EQ(vc::readPageReal("1E-3"), 0.001);
    EXPECT_DOUBLE_EQ(vc::readPageReal("2.5,7"), 2.5);
    EXPECT_DOUBLE_EQ(vc::readPageReal(std::string("  45")), 45.0);
    EXPECT_EQ(vc::readPageReal("0.1"), 0.1);  // correctly rounded
}

TEST(ReadPageReal, NoNumberGivesZero) {
    EXPECT_EQ(vc::readPageReal(""), 0.0);
    EXPECT_EQ(vc::readPageReal("e5"), 0.0);
    EXPECT_EQ(vc::readPageReal("."), 0.0);
    EXPECT_EQ(vc::readPageReal("-"), 0.0);
    EXPECT_EQ(vc::readPageReal("abc"), 0.0);
    EXPECT_EQ(vc::readPageReal(static_cast<const char*>(nullptr)), 0.0);
}

TEST(ReadPageReal, NeverReadsHexInfinityOrNaN) {
    EXPECT_EQ(vc::readPageReal("0x1A"), 0.0);
    EXPECT_EQ(vc::readPageReal("inf"), 0.0);
    EXPECT_EQ(vc::readPageReal("-infinity"), 0.0);
    EXPECT_EQ(vc::readPageReal("nan"), 0.0);
}

TEST(ReadPageReal, OutOfRangeBehavesLikeTheCLibrary) {
    EXPECT_TRUE(std::isinf(vc::readPageReal("1e999")));
    EXPECT_LT(vc::readPageReal("-1e999"), 0.0);
    EXPECT_EQ(vc::readPageReal("1e-999"), 0.0);
    EXPECT_EQ(vc::readPageReal("0.0001e-400"), 0.0);
    EXPECT_TRUE(std::isinf(vc::readPageReal("12345.6e308")));
}

TEST(ReadPageReal, ReadsBackWhatTheFormatterWrites) {
    const double values[] = {20600000.0, 0.005, -209000.0, 3.4e-6, 0.27};
    for (double v : values) {
        std::string t = vc::pageNumberText(v);
        EXPECT_DOUBLE_EQ(vc::readPageReal(t), v) << t;
    }
    EXPECT_DOUBLE_EQ(vc::readPageReal(vc::formatf("%12.3e", 1.8e7)), 1.8e7);
}

TEST(ReadPageInt, DigitsUpToTheFirstNonDigit) {
    EXPECT_EQ(vc::readPageInt("2.9"), 2);
    EXPECT_EQ(vc::readPageInt("  -17abc"), -17);
    EXPECT_EQ(vc::readPageInt("+8"), 8);
    EXPECT_EQ(vc::readPageInt("1e3"), 1);
    EXPECT_EQ(vc::readPageInt(""), 0);
    EXPECT_EQ(vc::readPageInt("x5"), 0);
    EXPECT_EQ(vc::readPageInt(std::string("12")), 12);
    EXPECT_EQ(vc::readPageInt(static_cast<const char*>(nullptr)), 0);
}

TEST(ReadPageInt, SaturatesAtTheInt32Range) {
    EXPECT_EQ(vc::readPageInt("2147483647"), INT_MAX);
    EXPECT_EQ(vc::readPageInt("2147483648"), INT_MAX);
    EXPECT_EQ(vc::readPageInt("99999999999999999999999"), INT_MAX);
    EXPECT_EQ(vc::readPageInt("-2147483648"), INT_MIN);
    EXPECT_EQ(vc::readPageInt("-99999999999999999999"), INT_MIN);
}

}  // namespace
