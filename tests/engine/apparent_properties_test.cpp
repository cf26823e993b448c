#include "engine/apparent_properties.h"

#include <gtest/gtest.h>

#include "engine_fixtures.h"

namespace vc {
namespace {

using test::makeStack;
using test::testPly;
using test::throughApparentProperties;

// A single ply at 0 or 90 degrees has the ply's own constants, with X and Y
// swapped at 90 degrees, and no shear coupling.
TEST(ApparentProperties, SinglePlyHasThePlyConstants) {
  const double E1 = 140000.0, E2 = 10000.0, a1 = 2.0e-6, a2 = 3.0e-5, b1 = 1.0e-4, b2 = 4.0e-3;
  for (bool ninety : {false, true}) {
    SCOPED_TRACE(ninety ? "90 degrees" : "0 degrees");
    LaminateData d = makeStack(testPly(), {ninety ? 90.0 : 0.0}, 0.2);
    ASSERT_TRUE(throughApparentProperties(d));
    const double Ex = ninety ? E2 : E1, Ey = ninety ? E1 : E2;
    EXPECT_NEAR(d.EX, Ex, Ex * 1e-10);
    EXPECT_NEAR(d.EY, Ey, Ey * 1e-10);
    EXPECT_NEAR(d.EXB, Ex, Ex * 1e-10);
    EXPECT_NEAR(d.EYB, Ey, Ey * 1e-10);
    EXPECT_NEAR(d.GXY, 5000.0, 5000.0 * 1e-10);
    EXPECT_NEAR(d.vXY, 0.3 * Ex / E1, 1e-12);
    EXPECT_NEAR(d.vYX, 0.3 * Ey / E1, 1e-12);
    EXPECT_NEAR(d.CTEX, ninety ? a2 : a1, 1e-16);
    EXPECT_NEAR(d.CTEY, ninety ? a1 : a2, 1e-16);
    // The engine's pi is not exact, so 90 degrees leaves rounding-level terms.
    EXPECT_NEAR(d.CTEXY, 0.0, ninety ? 1e-18 : 1e-20);
    EXPECT_NEAR(d.CMEX, ninety ? b2 : b1, 1e-15);
    EXPECT_NEAR(d.CMEY, ninety ? b1 : b2, 1e-15);
    for (double n : {d.nXY_X, d.nXY_Y, d.nX_XY, d.nY_XY}) EXPECT_NEAR(n, 0.0, ninety ? 1e-12 : 0.0);
  }
}

TEST(ApparentProperties, BalancedSymmetricAnglePlyByHand) {
  // [+45/-45]s: A16 = A26 = 0, A11 = A22, and A66 = (Q11 + Q22 - 2 Q12) / 4 * h,
  // so GXY = (Q11 + Q22 - 2 Q12) / 4 with no shear coupling.
  LaminateData d = makeStack(testPly(), {45.0, -45.0, -45.0, 45.0}, 0.125);
  ASSERT_TRUE(throughApparentProperties(d));
  for (double n : {d.nXY_X, d.nXY_Y, d.nX_XY, d.nY_XY}) EXPECT_NEAR(n, 0.0, 1e-12);
  EXPECT_NEAR(d.EX, d.EY, 1e-9 * d.EX);
  EXPECT_NEAR(d.CTEXY, 0.0, 1e-18);
  const double Q11 = 140000.0 / (1.0 - 0.09 * 10000.0 / 140000.0);
  const double Q22 = 10000.0 * Q11 / 140000.0;
  const double Q12 = 0.3 * Q22;
  EXPECT_NEAR(d.GXY, (Q11 + Q22 - 2.0 * Q12) / 4.0, 1e-8 * d.GXY);
}

}  // namespace
}  // namespace vc
