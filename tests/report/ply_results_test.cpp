// Ply strains and stresses and the failure scale factors in the report.
#include <gtest/gtest.h>

#include <limits>

#include "report_fixture.h"

namespace {

using reporttest::between;
using reporttest::contains;
using reporttest::report;
using reporttest::smallLaminate;

// Distinct values per layer, surface and quantity, so a wrong pick shows.
void fillPlyResults(vc::LaminateData& d) {
    for (int k = 1; k <= 2; ++k)
        for (int s = 0; s < vc::kSurfaceCount; ++s) {
            vc::SurfaceResults& r = d.ply[k][s];
            const double base = k * 1000.0 + s * 100.0;
            for (int i = 1; i <= 3; ++i) {
                r.strainXY[i] = (base + 10 + i) * 1e-6;
                r.effStrainXY[i] = (base + 20 + i) * 1e-6;
                r.stressXY[i] = base + 30 + i;
                r.strain12[i] = (base + 40 + i) * 1e-6;
                r.effStrain12[i] = (base + 50 + i) * 1e-6;
                r.stress12[i] = base + 60 + i;
            }
        }
}

TEST(ReportPlyStresses, EffectiveStrainBlocks) {
    auto d = smallLaminate();
    d->showPlyStresses = true;
    d->mechanicalOn = true;
    fillPlyResults(*d);
    std::string text = report(*d);
    EXPECT_EQ(between(text, "\r\n\r\n\r\n Stresses and Strains in the Global", "\r\n\r\n\r\n Stresses and Strains in the Global Coordinate System (X,Y) - Upper"),
              "\r\n\r\n\r\n Stresses and Strains in the Global Coordinate System (X,Y) - Lower Surfaces\r\n"
              " Strains are given as Effective Strains (Total - Free Thermal - Free Moisture)\r\n"
              " *****************************************************************************\r\n\r\n"
              " Layer     Eps-X       Eps-Y      Gam-XY       Sig-X       Sig-Y      Sig-XY\r\n\r\n"
              "   1    1.021e-003  1.022e-003  1.023e-003  1.031e+003  1.032e+003  1.033e+003\r\n"
              "   2    2.021e-003  2.022e-003  2.023e-003  2.031e+003  2.032e+003  2.033e+003\r\n");
    EXPECT_EQ(between(text, "(1,2) - Mid-Surfaces", ""),
              "(1,2) - Mid-Surfaces\r\n"
              " Strains are given as Effective Strains (Total - Free Thermal - Free Moisture)\r\n"
              " *****************************************************************************\r\n\r\n"
              " Layer     Eps-1       Eps-2      Gam-12       Sig-1       Sig-2      Sig-12\r\n\r\n"
              "   1    1.251e-003  1.252e-003  1.253e-003  1.261e+003  1.262e+003  1.263e+003\r\n"
              "   2    2.251e-003  2.252e-003  2.253e-003  2.261e+003  2.262e+003  2.263e+003\r\n");
}

TEST(ReportPlyStresses, BlocksInSurfaceOrder) {
    auto d = smallLaminate();
    d->showPlyStresses = true;
    d->thermalOn = true;
    fillPlyResults(*d);
    std::string text = report(*d);
    const char* titles[] = {"(X,Y) - Lower Surfaces", "(X,Y) - Upper Surfaces", "(X,Y) - Ply Mid-Surfaces",
                            "(1,2) - Lower Surfaces", "(1,2) - Upper Surfaces", "(1,2) - Mid-Surfaces"};
    const char* firstRows[] = {"   1    1.021e-003", "   1    1.121e-003", "   1    1.221e-003",
                               "   1    1.051e-003", "   1    1.151e-003", "   1    1.251e-003"};
    std::size_t last = 0;
    for (int b = 0; b < 6; ++b) {
        std::size_t at = text.find(titles[b]);
        ASSERT_NE(at, std::string::npos) << titles[b];
        EXPECT_GT(at, last);
        std::size_t row = text.find("\r\n\r\n   1 ", at);
        EXPECT_EQ(text.substr(row + 4, 18), firstRows[b]) << titles[b];
        last = at;
    }
}

TEST(ReportPlyStresses, TotalStrainsEverywhere) {
    auto d = smallLaminate();
    d->showPlyStresses = true;
    d->showTotalStrains = true;
    d->moistureOn = true;
    fillPlyResults(*d);
    std::string text = report(*d);
    EXPECT_FALSE(contains(text, "Effective Strains"));
    const std::string line = " Strains are given as Total Strains (Mechanical + Thermal + Moisture)\r\n";
    std::size_t count = 0;
    for (std::size_t at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) ++count;
    EXPECT_EQ(count, 6u);
    EXPECT_TRUE(contains(text, "   2    2.111e-003  2.112e-003  2.113e-003  2.131e+003"));  // upper, X-Y
    EXPECT_TRUE(contains(text, "   1    1.041e-003  1.042e-003  1.043e-003  1.061e+003"));  // lower, 1-2
}

TEST(ReportFailure, StrengthsAndBothFactorTables) {
    auto d = smallLaminate();
    d->showFailure = true;
    d->mechanicalOn = true;
    d->Xt[1] = 219000.0;
    d->Xc[1] = -246000.0;
    d->Yt[1] = 6350.0;
    d->Yc[1] = -23600.0;
    d->S[1] = 12700.0;
    for (int c = 0; c < vc::kCriterionCount; ++c) {
        d->failPlus[1][c] = 1.5 + c;
        d->failPlus[2][c] = 10.25 + c;
        d->failMinus[1][c] = -(2.0 + c);
        d->failMinus[2][c] = 1234.5;
        d->minPlus[c] = 1.5 + c;
        d->minMinus[c] = -(2.0 + c);
    }
    EXPECT_EQ(between(report(*d), "\r\n\r\n\r\n Material Strengths", ""),
              "\r\n\r\n\r\n Material Strengths\r\n ******************\r\n\r\n"
              " Matl       Xt          Xc          Yt          Yc          S\r\n\r\n"
              "   1    2.190e+005 -2.460e+005  6.350e+003 -2.360e+004  1.270e+004\r\n"
              "   2    0.000e+000  0.000e+000  0.000e+000  0.000e+000  0.000e+000\r\n"
              "\r\n\r\n\r\n Load Vector Scale Factors for Ply Failure\r\n  (For Applied (+) and Reversed (-) Loads)\r\n"
              " *****************************************\r\n\r\n"
              "          Max      Max      Tsai\r\n"
              " Layer   Stress   Strain    Hill   Hoffman  Tsai-Wu\r\n"
              "          (+)      (+)      (+)      (+)      (+)\r\n"
              "   1      1.50     2.50     3.50     4.50     5.50\r\n"
              "   2     10.25    11.25    12.25    13.25    14.25\r\n"
              " ---    ------   ------   ------   ------   ------\r\n"
              " Min      1.50     2.50     3.50     4.50     5.50\r\n\r\n"
              "          Max      Max      Tsai\r\n"
              " Layer   Stress   Strain    Hill   Hoffman  Tsai-Wu\r\n"
              "          (-)      (-)      (-)      (-)      (-)\r\n"
              "   1     -2.00    -3.00    -4.00    -5.00    -6.00\r\n"
              "   2   1234.50  1234.50  1234.50  1234.50  1234.50\r\n"
              " ---    ------   ------   ------   ------   ------\r\n"
              " Min     -2.00    -3.00    -4.00    -5.00    -6.00\r\n");
}

TEST(ReportFailure, NonFiniteFactorsPrintAsLetters) {
    auto d = smallLaminate();
    d->showFailure = true;
    d->thermalOn = true;
    d->failPlus[1][vc::kMaxStress] = std::numeric_limits<double>::infinity();
    d->failPlus[1][vc::kTsaiWu] = -std::numeric_limits<double>::quiet_NaN();
    EXPECT_TRUE(contains(report(*d), "\r\n   1       inf     0.00     0.00     0.00     -nan\r\n"));
}

}  // namespace
