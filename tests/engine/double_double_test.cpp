#include "engine/double_double.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "engine/abd_matrix.h"
#include "engine_fixtures.h"

namespace vc {
namespace {

using test::makeStack;

LaminateData ddOf(const std::vector<double>& angles, double t = 0.25) {
  LaminateData d = makeStack(test::testPly(), angles, t);
  computeABD(d);  // the interface coordinates
  computeDoubleDouble(d);
  return d;
}

// In-plane angles recovered from stacks whose double-double form is known.
TEST(DoubleDouble, InPlaneAnglesOfKnownStacks) {
  struct Case {
    const char* name;
    std::vector<double> angles;
    double t, psi, phi, tol;
    bool approx, normalOrder;
  };
  const Case cases[] = {
      {"all zero", {0, 0, 0, 0}, 0.25, 0.0, 0.0, 0.0, false, true},
      // Sums of rounded products can land one ulp above 1.
      {"twelve thin zero plies", {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0.005, 0.0, 0.0, 0.0,
       false, true},
      // [20/-50/-20/50]: V1 = (cos 40 + cos 100)/2, V3 = (cos 80 + cos 200)/2.
      {"double-double unit", {20, -50, -20, 50}, 0.25, 20.0, 50.0, 1e-9, false, true},
      {"cross-ply: swapped order", {0, 90, 90, 0}, 0.25, 0.0, 90.0, 1e-9, false, false},
      {"uniform thirty", {30, 30, 30, 30}, 0.25, 30.0, 30.0, 0.05, false, true},
      {"angle-ply 45", {45, -45, -45, 45}, 0.25, 45.0, 45.0, 0.05, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const LaminateData d = ddOf(c.angles, c.t);
    EXPECT_NEAR(d.ddPsi, c.psi, c.tol);
    EXPECT_NEAR(d.ddPhi, c.phi, c.tol);
    if (c.tol < 0.01) {
      EXPECT_EQ(d.ddApprox, c.approx);
      EXPECT_EQ(d.ddNormalOrder, c.normalOrder);
    }
  }
}

TEST(DoubleDouble, BendingAnglesUseTheFlexuralWeights) {
  const LaminateData zero = ddOf({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0.005);
  EXPECT_EQ(zero.ddPsiFlex, 0.0);
  EXPECT_EQ(zero.ddPhiFlex, 0.0);
  EXPECT_FALSE(zero.ddApproxFlex);
  // Cross-ply: bending weights 0.4375 per outer ply and 0.0625 per inner ply
  // give W1 = 0.75, W3 = 1: x = 0.75 + sqrt(0.4375) > 1, so psi = 0 with the
  // flag, and y = 1.5 - 1 = 0.5 gives phi = 30.
  const LaminateData d = ddOf({0, 90, 90, 0});
  EXPECT_TRUE(d.ddApproxFlex);
  EXPECT_EQ(d.ddPsiFlex, 0.0);
  EXPECT_NEAR(d.ddPhiFlex, 30.0, 1e-9);
  EXPECT_TRUE(d.ddNormalOrderFlex);
}

TEST(DoubleDouble, OutOfRangeParametersClampWithTheFlag) {
  // x > 1: psi 0 and the flag.
  DoubleDoubleAngles a = doubleDoubleAngles(0.9, 1.0);
  EXPECT_TRUE(a.approx);
  EXPECT_EQ(a.psi, 0.0);
  // y = 2 V1 - cos(2 psi) below -1: phi 90 and the flag. With V1 = -0.9,
  // V3 = 1: d = 0.5 - 0.81 + 0.5 = 0.19, x = -0.9 + 0.436 > -1.
  a = doubleDoubleAngles(-0.9, 1.0);
  EXPECT_TRUE(a.approx);
  EXPECT_EQ(a.phi, 90.0);
  // A value beyond the bound by no more than 1e-12 is the bound itself.
  a = doubleDoubleAngles(1.0 + 2.2e-16, 1.0);
  EXPECT_FALSE(a.approx);
  EXPECT_EQ(a.psi, 0.0);
}

TEST(DoubleDouble, RepeatCountRoundsUp) {
  LaminateData d;
  d.totalThickness = 1.0;
  const int layersAndRepeats[][2] = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {8, 2}, {10, 3}, {12, 3}};
  for (const auto& c : layersAndRepeats) {
    d.numLayers = c[0];
    computeDoubleDouble(d);
    EXPECT_EQ(d.ddRepeat, c[1]) << c[0];
  }
}

TEST(DoubleDouble, ZeroThicknessGivesNaNAnglesWithoutHarm) {
  LaminateData d = makeStack(test::testPly(), {0, 45}, 0.0);
  computeABD(d);
  computeDoubleDouble(d);
  EXPECT_TRUE(std::isnan(d.ddPsi));
  EXPECT_TRUE(d.ddNormalOrder);
  EXPECT_EQ(wholeDegreesMagnitude(std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_EQ(wholeDegreesMagnitude(-70.9), 70);
  EXPECT_EQ(wholeDegreesMagnitude(1e300), 2147483647);
}

TEST(DoubleDouble, OrderRuleThresholds) {
  // phi >= 70 with psi under one degree swaps the order; so does phi of 90
  // with psi up to 20 degrees; psi of 25 with phi 90 keeps it.
  auto order = [](double psiDeg, double phiDeg) {
    const double a = std::cos(2.0 * psiDeg * 3.14159265358979 / 180.0);
    const double b = std::cos(2.0 * phiDeg * 3.14159265358979 / 180.0);
    return doubleDoubleAngles((a + b) / 2.0, a * a + b * b - 1.0).normalOrder;
  };
  EXPECT_FALSE(order(0.5, 75.0));
  EXPECT_TRUE(order(1.5, 75.0));
  EXPECT_FALSE(order(15.0, 90.0));
  EXPECT_TRUE(order(25.0, 90.0));
  EXPECT_TRUE(order(20.0, 50.0));
}

}  // namespace
}  // namespace vc
