#include "engine/double_double.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/abd_matrix.h"
#include "engine_fixtures.h"

namespace vc {
namespace {

using test::MaterialSpec;
using test::makeStack;

const MaterialSpec kPly{140000.0, 10000.0, 5000.0, 0.3};

LaminateData ddOf(std::initializer_list<double> angles, double t = 0.25) {
  LaminateData d = makeStack(kPly, angles, t);
  computeABD(d);  // the interface coordinates
  computeDoubleDouble(d);
  return d;
}

TEST(DoubleDouble, AllZeroStackIsExactInPlaneAndInBending) {
  const LaminateData d = ddOf({0, 0, 0, 0});
  EXPECT_EQ(d.ddPsi, 0.0);
  EXPECT_EQ(d.ddPhi, 0.0);
  EXPECT_FALSE(d.ddApprox);
  EXPECT_TRUE(d.ddNormalOrder);
  EXPECT_EQ(d.ddPsiFlex, 0.0);
  EXPECT_EQ(d.ddPhiFlex, 0.0);
  EXPECT_FALSE(d.ddApproxFlex);
  EXPECT_EQ(d.ddRepeat, 1);
}

TEST(DoubleDouble, TwelveThinZeroPliesAreStillExact) {
  // Sums of rounded products can land one ulp above 1.
  const LaminateData d = ddOf({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, 0.005);
  EXPECT_FALSE(d.ddApprox);
  EXPECT_FALSE(d.ddApproxFlex);
  EXPECT_EQ(d.ddPsi, 0.0);
  EXPECT_EQ(d.ddPhi, 0.0);
  EXPECT_EQ(d.ddRepeat, 3);
}

TEST(DoubleDouble, CrossPlyIsZeroAndNinetyInSwappedOrder) {
  const LaminateData d = ddOf({0, 90, 90, 0});
  EXPECT_EQ(d.ddPsi, 0.0);
  EXPECT_NEAR(d.ddPhi, 90.0, 1e-9);
  EXPECT_FALSE(d.ddApprox);
  EXPECT_FALSE(d.ddNormalOrder);
  // Bending weights 0.4375 per outer ply and 0.0625 per inner ply give
  // W1 = 0.75, W3 = 1: x = 0.75 + sqrt(0.4375) > 1, so psi = 0 with the
  // flag, and y = 1.5 - 1 = 0.5 gives phi = 30.
  EXPECT_TRUE(d.ddApproxFlex);
  EXPECT_EQ(d.ddPsiFlex, 0.0);
  EXPECT_NEAR(d.ddPhiFlex, 30.0, 1e-9);
  EXPECT_TRUE(d.ddNormalOrderFlex);
}

TEST(DoubleDouble, UniformThirtyAndAngleFortyFive) {
  const LaminateData thirty = ddOf({30, 30, 30, 30});
  EXPECT_NEAR(thirty.ddPsi, 30.0, 0.05);
  EXPECT_NEAR(thirty.ddPhi, 30.0, 0.05);
  const LaminateData angle = ddOf({45, -45, -45, 45});
  EXPECT_NEAR(angle.ddPsi, 45.0, 0.05);
  EXPECT_NEAR(angle.ddPhi, 45.0, 0.05);
}

TEST(DoubleDouble, RecoversTheAnglesOfADoubleDoubleUnit) {
  // [20/-50/-20/50]: V1 = (cos 40 + cos 100)/2, V3 = (cos 80 + cos 200)/2.
  const LaminateData d = ddOf({20, -50, -20, 50});
  EXPECT_NEAR(d.ddPsi, 20.0, 1e-9);
  EXPECT_NEAR(d.ddPhi, 50.0, 1e-9);
  EXPECT_FALSE(d.ddApprox);
  EXPECT_TRUE(d.ddNormalOrder);
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
  for (int n : {1, 2, 3, 4}) {
    d.numLayers = n;
    computeDoubleDouble(d);
    EXPECT_EQ(d.ddRepeat, 1) << n;
  }
  d.numLayers = 8;
  computeDoubleDouble(d);
  EXPECT_EQ(d.ddRepeat, 2);
  d.numLayers = 10;
  computeDoubleDouble(d);
  EXPECT_EQ(d.ddRepeat, 3);
}

TEST(DoubleDouble, ZeroThicknessGivesNaNAnglesWithoutHarm) {
  LaminateData d = makeStack(kPly, {0, 45}, 0.0);
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
