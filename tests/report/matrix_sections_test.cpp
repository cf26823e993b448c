// The layer stiffness/compliance matrices and the laminate ABD matrices.
#include <gtest/gtest.h>

#include "report_fixture.h"

namespace {

using reporttest::between;
using reporttest::contains;
using reporttest::report;
using reporttest::smallLaminate;

void fillLayerOne(vc::LaminateData& d) {
    const double q[4][4] = {{0, 0, 0, 0}, {0, 2.0e7, 4.0e5, 0}, {0, 4.0e5, 1.5e6, 0}, {0, 0, 0, 1.0e6}};
    const double qbar[4][4] = {{0, 0, 0, 0}, {0, 6.0e6, 4.0e6, 4.5e6}, {0, 4.0e6, 6.0e6, 4.5e6}, {0, 4.5e6, 4.5e6, 5.0e6}};
    const double s[4][4] = {{0, 0, 0, 0}, {0, 5.0e-8, -1.25e-8, 0}, {0, -1.25e-8, 6.75e-7, 0}, {0, 0, 0, 1.0e-6}};
    for (int i = 1; i <= 3; ++i)
        for (int j = 1; j <= 3; ++j) {
            d.Q[1][i][j] = q[i][j];
            d.QBar[1][i][j] = qbar[i][j];
            d.SMatrix[1][i][j] = s[i][j];
            d.SBar[1][i][j] = -s[i][j];
        }
    d.traceQ[1] = 2.0e7 + 1.5e6 + 2.0 * 1.0e6;
    d.Q[2][1][1] = 1.0;
    d.QBar[2][3][3] = 2.0;
}

TEST(ReportLayerMatrices, LayerBlockLayout) {
    auto d = smallLaminate();
    d->showLayerMatrices = true;
    fillLayerOne(*d);
    std::string text = report(*d);
    EXPECT_EQ(between(text, "\r\n\r\n\r\n Layer Stiffness", "\r\n\r\n\r\n Layer....  2"),
              "\r\n\r\n\r\n Layer Stiffness and Compliance Matrices\r\n"
              " ***************************************"
              "\r\n\r\n\r\n Layer....  1\r\n ------------\r\n\r\n"
              "                 Q Matrix                              Q-Bar Matrix\r\n\r\n"
              "   2.000e+007   4.000e+005   0.000e+000    6.000e+006   4.000e+006   4.500e+006\r\n"
              "   4.000e+005   1.500e+006   0.000e+000    4.000e+006   6.000e+006   4.500e+006\r\n"
              "   0.000e+000   0.000e+000   1.000e+006    4.500e+006   4.500e+006   5.000e+006\r\n"
              "\r\nTrace of Q =    2.350e+007\r\n"
              "\r\n\r\n\r\n                 S Matrix                              S-Bar Matrix\r\n\r\n"
              "   5.000e-008  -1.250e-008   0.000e+000   -5.000e-008   1.250e-008   0.000e+000\r\n"
              "  -1.250e-008   6.750e-007   0.000e+000    1.250e-008  -6.750e-007   0.000e+000\r\n"
              "   0.000e+000   0.000e+000   1.000e-006    0.000e+000   0.000e+000  -1.000e-006\r\n");
}

TEST(ReportLayerMatrices, EachLayerUsesItsOwnMaterial) {
    auto d = smallLaminate();
    d->showLayerMatrices = true;
    fillLayerOne(*d);
    std::string layer2 = between(report(*d), "\r\n\r\n\r\n Layer....  2", "");
    EXPECT_TRUE(contains(layer2, "\r\n   1.000e+000   0.000e+000   0.000e+000    0.000e+000"));
    EXPECT_TRUE(contains(layer2, "   0.000e+000   0.000e+000   0.000e+000    0.000e+000   0.000e+000   2.000e+000\r\n"));
}

TEST(ReportLaminateMatrices, BlankLineBetweenRowsThreeAndFour) {
    auto d = smallLaminate();
    d->showABD = true;
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 6; ++j) {
            d->ABD[i][j] = (i == j) ? 1000.0 * i : 0.0;
            d->ABDInverse[i][j] = (i == j) ? 1.0 / (1000.0 * i) : 0.0;
        }
    d->ABD[1][6] = -12.5;
    std::string text = report(*d);
    EXPECT_EQ(between(text, "\r\n\r\n\r\n Laminate Matrices", ""),
              "\r\n\r\n\r\n Laminate Matrices\r\n *****************\r\n\r\n\r\n"
              "                                 'ABD' Matrix\r\n\r\n"
              "  1.0000e+003  0.0000e+000  0.0000e+000   0.0000e+000  0.0000e+000 -1.2500e+001\r\n"
              "  0.0000e+000  2.0000e+003  0.0000e+000   0.0000e+000  0.0000e+000  0.0000e+000\r\n"
              "  0.0000e+000  0.0000e+000  3.0000e+003   0.0000e+000  0.0000e+000  0.0000e+000\r\n"
              "\r\n"
              "  0.0000e+000  0.0000e+000  0.0000e+000   4.0000e+003  0.0000e+000  0.0000e+000\r\n"
              "  0.0000e+000  0.0000e+000  0.0000e+000   0.0000e+000  5.0000e+003  0.0000e+000\r\n"
              "  0.0000e+000  0.0000e+000  0.0000e+000   0.0000e+000  0.0000e+000  6.0000e+003\r\n"
              "\r\n\r\n\r\n                                 'ABD' Inverse\r\n\r\n"
              "  1.0000e-003  0.0000e+000  0.0000e+000   0.0000e+000  0.0000e+000  0.0000e+000\r\n"
              "  0.0000e+000  5.0000e-004  0.0000e+000   0.0000e+000  0.0000e+000  0.0000e+000\r\n"
              "  0.0000e+000  0.0000e+000  3.3333e-004   0.0000e+000  0.0000e+000  0.0000e+000\r\n"
              "\r\n"
              "  0.0000e+000  0.0000e+000  0.0000e+000   2.5000e-004  0.0000e+000  0.0000e+000\r\n"
              "  0.0000e+000  0.0000e+000  0.0000e+000   0.0000e+000  2.0000e-004  0.0000e+000\r\n"
              "  0.0000e+000  0.0000e+000  0.0000e+000   0.0000e+000  0.0000e+000  1.6667e-004\r\n");
}

TEST(ReportLaminateMatrices, AfterLayerMatricesAndBeforeApparentProperties) {
    auto d = smallLaminate();
    EXPECT_FALSE(contains(report(*d), "Layer...."));
    EXPECT_FALSE(contains(report(*d), "Laminate Matrices"));
    d->showABD = true;
    d->showLayerMatrices = true;
    d->showApparent = true;
    std::string text = report(*d);
    std::size_t layers = text.find("Layer Stiffness");
    std::size_t abd = text.find("Laminate Matrices");
    std::size_t apparent = text.find("Apparent Laminate Stiffness");
    ASSERT_NE(layers, std::string::npos);
    ASSERT_NE(abd, std::string::npos);
    ASSERT_NE(apparent, std::string::npos);
    EXPECT_LT(layers, abd);
    EXPECT_LT(abd, apparent);
}

}  // namespace
