#include "engine/apparent_properties.h"

#include <gtest/gtest.h>

#include "engine_fixtures.h"
#include "engine_steps.h"

namespace vc {
namespace {

using test::MaterialSpec;
using test::makeLaminate;
using test::makeStack;
using test::throughApparentProperties;

const MaterialSpec kPly{140000.0, 10000.0, 5000.0, 0.3, 2.0e-6, 3.0e-5, 1.0e-4, 4.0e-3};

TEST(ApparentProperties, SingleZeroDegreePlyHasThePlyConstants) {
  LaminateData d = makeStack(kPly, {0.0}, 0.2);
  ASSERT_TRUE(throughApparentProperties(d));
  const double rel = 1e-12;
  EXPECT_NEAR(d.EX, 140000.0, 140000.0 * rel);
  EXPECT_NEAR(d.EY, 10000.0, 10000.0 * rel);
  EXPECT_NEAR(d.GXY, 5000.0, 5000.0 * rel);
  EXPECT_NEAR(d.vXY, 0.3, rel);
  EXPECT_NEAR(d.vYX, 0.3 * 10000.0 / 140000.0, rel);
  EXPECT_NEAR(d.EXB, 140000.0, 140000.0 * 1e-10);
  EXPECT_NEAR(d.EYB, 10000.0, 10000.0 * 1e-10);
  EXPECT_EQ(d.nXY_X, 0.0);
  EXPECT_EQ(d.nXY_Y, 0.0);
  EXPECT_EQ(d.nX_XY, 0.0);
  EXPECT_EQ(d.nY_XY, 0.0);
  EXPECT_NEAR(d.CTEX, 2.0e-6, 1e-18);
  EXPECT_NEAR(d.CTEY, 3.0e-5, 1e-17);
  EXPECT_NEAR(d.CTEXY, 0.0, 1e-20);
  EXPECT_NEAR(d.CMEX, 1.0e-4, 1e-16);
  EXPECT_NEAR(d.CMEY, 4.0e-3, 1e-15);
}

TEST(ApparentProperties, NinetyDegreePlySwapsXAndY) {
  LaminateData d = makeStack(kPly, {90.0}, 0.2);
  ASSERT_TRUE(throughApparentProperties(d));
  EXPECT_NEAR(d.EX, 10000.0, 1e-6);
  EXPECT_NEAR(d.EY, 140000.0, 1e-5);
  EXPECT_NEAR(d.vYX, 0.3, 1e-12);
  EXPECT_NEAR(d.CTEX, 3.0e-5, 1e-16);
  EXPECT_NEAR(d.CTEY, 2.0e-6, 1e-16);
  EXPECT_NEAR(d.CMEX, 4.0e-3, 1e-15);
}

TEST(ApparentProperties, BalancedSymmetricLaminateHasNoShearCoupling) {
  LaminateData d = makeStack(kPly, {45.0, -45.0, -45.0, 45.0}, 0.125);
  ASSERT_TRUE(throughApparentProperties(d));
  EXPECT_NEAR(d.nXY_X, 0.0, 1e-12);
  EXPECT_NEAR(d.nXY_Y, 0.0, 1e-12);
  EXPECT_NEAR(d.nX_XY, 0.0, 1e-12);
  EXPECT_NEAR(d.nY_XY, 0.0, 1e-12);
  EXPECT_NEAR(d.EX, d.EY, 1e-9 * d.EX);
  EXPECT_NEAR(d.CTEXY, 0.0, 1e-18);
}

TEST(ApparentProperties, AnglePlyShearModulusByHand) {
  // [+45/-45]s: A66 = (Q11 + Q22 - 2 Q12) / 4 * h, no coupling in A,
  // so GXY = (Q11 + Q22 - 2 Q12) / 4.
  LaminateData d = makeStack(kPly, {45.0, -45.0, -45.0, 45.0}, 0.125);
  ASSERT_TRUE(throughApparentProperties(d));
  const double Q11 = 140000.0 / (1.0 - 0.09 * 10000.0 / 140000.0);
  const double Q22 = 10000.0 * Q11 / 140000.0;
  const double Q12 = 0.3 * Q22;
  EXPECT_NEAR(d.GXY, (Q11 + Q22 - 2.0 * Q12) / 4.0, 1e-8 * d.GXY);
}

TEST(ApparentProperties, LayerExpansionRotatesWithTheAngle) {
  LaminateData d = makeStack(kPly, {30.0}, 0.1);
  ASSERT_TRUE(throughApparentProperties(d));
  const double c2 = 0.75, s2 = 0.25, cs = 0.4330127018922193;
  EXPECT_NEAR(d.alphaX[1], c2 * 2.0e-6 + s2 * 3.0e-5, 1e-18);
  EXPECT_NEAR(d.alphaY[1], s2 * 2.0e-6 + c2 * 3.0e-5, 1e-18);
  EXPECT_NEAR(d.alphaXY[1], 2.0 * cs * (2.0e-6 - 3.0e-5), 1e-18);
  EXPECT_NEAR(d.betaXY[1], 2.0 * cs * (1.0e-4 - 4.0e-3), 1e-16);
}

TEST(ApparentProperties, ThermalForceAndMomentSumsByHand) {
  LaminateData d = makeStack(kPly, {0.0, 90.0}, 0.1);
  ASSERT_TRUE(throughApparentProperties(d));
  // By hand for the 0 degree ply below the mid-plane and the 90 degree ply
  // above: TN1 = (Q11 a1 + Q12 a2) t + (Q22 a2 + Q12 a1) t.
  const Mat3& Q = d.Q[1];
  const double a1 = 2.0e-6, a2 = 3.0e-5, t = 0.1;
  EXPECT_NEAR(d.TN[1], (Q[1][1] * a1 + Q[1][2] * a2) * t + (Q[2][2] * a2 + Q[1][2] * a1) * t,
              1e-12);
  // TM1 = 0.5 (Q11 a1 + Q12 a2)(0 - t^2) + 0.5 (Q22 a2 + Q12 a1)(t^2 - 0)
  EXPECT_NEAR(d.TM[1],
              0.5 * t * t * ((Q[2][2] * a2 + Q[1][2] * a1) - (Q[1][1] * a1 + Q[1][2] * a2)),
              1e-13);
}

}  // namespace
}  // namespace vc
