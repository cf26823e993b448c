#include "engine/stiffness_direction.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/angle_units.h"
#include "engine_fixtures.h"

namespace vc {
namespace {

using test::makeLaminate;
using test::makeStack;
using test::throughApparentProperties;

double relative(double a, double b) {
  return std::fabs(a - b) / std::fmax(std::fabs(a), std::fabs(b));
}

// A quasi-isotropic laminate has an in-plane stiffness that is the same in
// every direction, so every in-plane constant is flat over theta.
TEST(StiffnessDirection, QuasiIsotropicInPlaneConstantsAreFlat) {
  LaminateData d = makeStack(test::kTestPly, {0, 45, -45, 90, 90, -45, 45, 0}, 0.125);
  ASSERT_TRUE(throughApparentProperties(d));
  const StiffnessDirections t = stiffnessDirections(d);
  EXPECT_DOUBLE_EQ(t[0].EX, d.EX);
  EXPECT_DOUBLE_EQ(t[0].EXB, d.EXB);
  for (const StiffnessDirection& s : t) {
    SCOPED_TRACE(s.thetaDeg);
    EXPECT_LT(relative(s.EX, t[0].EX), 1e-12);
    EXPECT_LT(relative(s.EY, t[0].EX), 1e-12);
    EXPECT_LT(relative(s.GXY, t[0].GXY), 1e-12);
    EXPECT_LT(relative(s.vXY, t[0].vXY), 1e-12);
  }
  EXPECT_EQ(t[90].thetaDeg, 90.0);
}

// One ply turned by theta: the off-axis engineering constants of the
// textbooks (m = cos theta, n = sin theta):
//   1/Ex  = m^4/E1 + (1/G12 - 2 v12/E1) m^2 n^2 + n^4/E2  (Ey: m and n swapped)
//   1/Gxy = 2 (2/E1 + 2/E2 + 4 v12/E1 - 1/G12) m^2 n^2 + (m^4 + n^4)/G12
//   vxy   = Ex (v12 (m^4 + n^4)/E1 - (1/E1 + 1/E2 - 1/G12) m^2 n^2)
// A homogeneous plate bends with its in-plane modulus.
TEST(StiffnessDirection, SinglePlyFollowsTheOffAxisFormulas) {
  const test::TestMaterial p = test::kTestPly;
  LaminateData d = makeStack(p, {0.0}, 0.2);
  ASSERT_TRUE(throughApparentProperties(d));
  const double E1 = p.E1, E2 = p.E2, G12 = p.G12, v12 = p.v12;
  for (const StiffnessDirection& s : stiffnessDirections(d)) {
    SCOPED_TRACE(s.thetaDeg);
    const double m = std::cos(s.thetaDeg * M_PI / 180.0), n = std::sin(s.thetaDeg * M_PI / 180.0);
    const double m2 = m * m, n2 = n * n, m4 = m2 * m2, n4 = n2 * n2;
    const double Ex = 1.0 / (m4 / E1 + (1.0 / G12 - 2.0 * v12 / E1) * m2 * n2 + n4 / E2);
    const double Ey = 1.0 / (n4 / E1 + (1.0 / G12 - 2.0 * v12 / E1) * m2 * n2 + m4 / E2);
    const double Gxy = 1.0 / (2.0 * (2.0 / E1 + 2.0 / E2 + 4.0 * v12 / E1 - 1.0 / G12) * m2 * n2 +
                              (m4 + n4) / G12);
    const double vxy = Ex * (v12 * (m4 + n4) / E1 - (1.0 / E1 + 1.0 / E2 - 1.0 / G12) * m2 * n2);
    EXPECT_LT(relative(s.EX, Ex), 1e-12);
    EXPECT_LT(relative(s.EY, Ey), 1e-12);
    EXPECT_LT(relative(s.GXY, Gxy), 1e-12);
    EXPECT_NEAR(s.vXY, vxy, 1e-12);
    EXPECT_LT(relative(s.EXB, Ex), 1e-12);
    EXPECT_LT(relative(s.EYB, Ey), 1e-12);
  }
}

// Turning the compliance equals turning every ply and analysing again, for
// an unsymmetric stack of two materials (coupled bending and stretching).
TEST(StiffnessDirection, TurnedComplianceEqualsTurnedPlies) {
  test::TestMaterial glass{40000.0, 9000.0, 3500.0, 0.27};
  LaminateData d =
      makeLaminate({test::kTestPly, glass},
                   {{1, 0, 0.2}, {2, 30, 0.3}, {1, -60, 0.15}, {2, 90, 0.25}, {1, 15, 0.1}});
  ASSERT_TRUE(throughApparentProperties(d));
  auto turned = std::make_unique<LaminateData>();
  for (int theta = 0; theta <= 180; theta += 1) {
    SCOPED_TRACE(theta);
    *turned = d;
    for (int k = 1; k <= d.numLayers; ++k)
      turned->angle[k] = d.angle[k] + radiansFromDegrees(theta);
    ASSERT_TRUE(throughApparentProperties(*turned));
    const StiffnessDirection s = stiffnessTurnedBy(d, theta);
    EXPECT_LT(relative(s.EX, turned->EX), 1e-12);
    EXPECT_LT(relative(s.EY, turned->EY), 1e-12);
    EXPECT_LT(relative(s.GXY, turned->GXY), 1e-12);
    EXPECT_LT(relative(s.vXY, turned->vXY), 1e-12);
    EXPECT_LT(relative(s.EXB, turned->EXB), 1e-12);
    EXPECT_LT(relative(s.EYB, turned->EYB), 1e-12);
  }
}

}  // namespace
}  // namespace vc
