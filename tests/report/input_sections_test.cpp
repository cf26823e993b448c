// The report sections that restate the problem: banner, materials, layup,
// input loads and conditions.
#include <gtest/gtest.h>

#include "report_fixture.h"

namespace {

using reporttest::between;
using reporttest::contains;
using reporttest::report;
using reporttest::smallLaminate;

const char* const kBanner =
    " ******************************************************************************\r\n"
    " *                              The Vellacore                                 *\r\n"
    " *                  Analysis of Composite Laminates Based on                  *\r\n"
    " *                      Classical Laminated Plate Theory                      *\r\n"
    " ******************************************************************************\r\n"
    "\r\n\r\n";

const char* const kSectionsOneToFive =
    " Material 1: Graphite/Epoxy\r\n"
    " Material 2: (no material description given)\r\n"
    "\r\n\r\n"
    " Engineering Properties\r\n"
    " **********************\r\n"
    "\r\n"
    " Matl         E1          E2         G12        v12\r\n"
    "\r\n"
    "   1      2.060e+007  1.500e+006  1.000e+006   0.270\r\n"
    "   2      5.500e+006  1.800e+006  7.500e+005   0.250\r\n"
    "\r\n\r\n\r\n"
    " Thermal and Moisture Properties\r\n"
    " *******************************\r\n"
    "\r\n"
    " Matl        CTE1        CTE2        CME1        CME2\r\n"
    "\r\n"
    "   1     -2.500e-007  2.500e-005  0.000e+000  4.400e-001\r\n"
    "   2      3.500e-006  1.100e-005  1.000e-002  3.000e-001\r\n"
    "\r\n\r\n\r\n"
    " Stacking Sequence\r\n"
    " *****************\r\n"
    "\r\n"
    "  Layer    Matl     Ply Angle     Ply Thickness\r\n"
    "\r\n"
    "    1        1         45.0        5.000e-003\r\n"
    "    2        2        -30.0        5.200e-003\r\n"
    "                                   ----------\r\n"
    " Total Laminate Thickness :        1.020e-002\r\n";

// Without a load the result options add nothing; the writer replaces the
// previous text and keeps its reserved buffer from run to run.
TEST(ReportWithoutOptions, HoldsExactlyTheProblemDescription) {
    auto d = smallLaminate();
    std::string text = "old report";
    vc::writeReport(*d, text);
    EXPECT_EQ(text, std::string(kBanner) + kSectionsOneToFive);
    EXPECT_GE(text.capacity(), 256000u);
    const char* buffer = text.data();
    d->showLoadVectors = true;
    d->showPlyStresses = true;
    d->showFailure = true;
    vc::writeReport(*d, text);
    EXPECT_EQ(text, std::string(kBanner) + kSectionsOneToFive);
    EXPECT_EQ(text.data(), buffer);
}

TEST(ReportInputLoads, ForceVectorWithoutLineBreak) {
    auto d = smallLaminate();
    d->mechanicalOn = true;
    d->forcesGiven = true;
    d->mechLoad[1] = 1000.0;
    d->mechLoad[3] = -250.0;
    d->mechLoad[6] = -0.0;
    std::string text = report(*d);
    EXPECT_EQ(between(text, "\r\n\r\n\r\n Laminate Mechanical Input", ""),
              "\r\n\r\n\r\n Laminate Mechanical Input Load Vector\r\n"
              " *************************************\r\n\r\n"
              "      NX          NY         NXY          MX          MY         MXY\r\n\r\n"
              "  1.000e+003  0.000e+000 -2.500e+002  0.000e+000  0.000e+000  0.000e+000");
    EXPECT_FALSE(contains(text, "Input Strain Vector"));
}

TEST(ReportInputLoads, StrainVectorInsteadOfForces) {
    auto d = smallLaminate();
    d->mechanicalOn = true;
    d->strainsGiven = true;
    d->midplaneStrain[1] = 0.001;
    d->midplaneStrain[5] = -0.5;
    std::string text = report(*d);
    EXPECT_EQ(between(text, "\r\n\r\n\r\n Laminate Total Input", ""),
              "\r\n\r\n\r\n Laminate Total Input Strain Vector\r\n"
              " **********************************\r\n\r\n"
              "      eX          eY         gXY          KX          KY         KXY\r\n\r\n"
              "  1.000e-003  0.000e+000  0.000e+000  0.000e+000 -5.000e-001  0.000e+000");
    EXPECT_FALSE(contains(text, "Input Load Vector"));
}

// One input vector at most, and only with the mechanical load on.
TEST(ReportInputLoads, ForcesWinAndNothingWithoutTheMechanicalLoad) {
    auto d = smallLaminate();
    d->forcesGiven = true;
    d->strainsGiven = true;
    EXPECT_FALSE(contains(report(*d), "Input Load Vector"));
    d->mechanicalOn = true;
    std::string text = report(*d);
    EXPECT_TRUE(contains(text, "Input Load Vector"));
    EXPECT_FALSE(contains(text, "Input Strain Vector"));
}

TEST(ReportConditions, MoistureGainInPercent) {
    auto d = smallLaminate();
    d->moistureOn = true;
    d->moistureGain = 0.005;
    EXPECT_EQ(between(report(*d), "\r\n\r\n\r\n Laminate Thermal and Moisture Conditions", ""),
              "\r\n\r\n\r\n Laminate Thermal and Moisture Conditions\r\n"
              " ****************************************\r\n\r\n"
              "  Delta-Temp     Moisture Wt Gain\r\n\r\n"
              "      0.00           0.5000 %");
}

TEST(ReportConditions, MoistureColumnPrintsWithOnlyATemperatureChange) {
    auto d = smallLaminate();
    d->thermalOn = true;
    d->deltaT = -280.0;
    std::string text = report(*d);
    EXPECT_EQ(text.substr(text.size() - 29), "   -280.00           0.0000 %");
}

}  // namespace
