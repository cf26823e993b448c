// The number text must not change when the process locale has a decimal
// comma (a desktop session may switch the C locale).
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "format/number_text.h"

namespace {

class DecimalCommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "de_DE", "German_Germany.1252"};
        for (const char* name : names) {
            if (std::setlocale(LC_NUMERIC, name)) {
                if (std::localeconv()->decimal_point[0] == ',') return;
            }
        }
        std::setlocale(LC_NUMERIC, "C");
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    void TearDown() override { std::setlocale(LC_NUMERIC, "C"); }
};

TEST_F(DecimalCommaLocale, WritesAPoint) {
    EXPECT_EQ(vc::formatf("%12.3e", 18000000.0), "  1.800e+007");
    EXPECT_EQ(vc::formatf("%6.1f", 22.5), "  22.5");
    EXPECT_EQ(vc::pageNumberText(0.27), "0.27");
}

TEST_F(DecimalCommaLocale, ReadsAPoint) {
    EXPECT_DOUBLE_EQ(vc::readPageReal("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(vc::readPageReal("2,5"), 2.0);
}

TEST(DefaultLocale, PointEverywhere) {
    EXPECT_EQ(vc::formatf("%.2f|%.2e|%.3g", 1.25, 1.25, 1.25), "1.25|1.25e+000|1.25");
}

}  // namespace
