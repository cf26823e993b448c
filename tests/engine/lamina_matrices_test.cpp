#include "engine/lamina_matrices.h"

#include <gtest/gtest.h>

#include "engine_fixtures.h"

namespace vc {
namespace {

using test::MaterialSpec;
using test::makeStack;

// T300/5208 carbon/epoxy in GPa, with its published reduced stiffness
// (Q11 181.8, Q12 2.897, Q22 10.35, Q66 7.17 GPa) and the transformed
// stiffness of a 60 degree ply (23.65, 32.46, 20.05, 109.4, 54.19, 36.74).
const MaterialSpec kT300{181.0, 10.3, 7.17, 0.28};

TEST(LaminaMatrices, ReducedStiffnessMatchesPublishedValues) {
  LaminateData d = makeStack(kT300, {0.0}, 1.0);
  computeLaminaMatrices(d);
  const Mat3& Q = d.Q[1];
  EXPECT_NEAR(Q[1][1], 181.8, 0.05);
  EXPECT_NEAR(Q[1][2], 2.897, 0.0005);
  EXPECT_NEAR(Q[2][2], 10.35, 0.005);
  EXPECT_EQ(Q[3][3], 7.17);
  EXPECT_EQ(Q[2][1], Q[1][2]);
  EXPECT_EQ(Q[1][3], 0.0);
  EXPECT_EQ(Q[3][2], 0.0);
  EXPECT_DOUBLE_EQ(d.traceQ[1], Q[1][1] + Q[2][2] + 2.0 * 7.17);
}

TEST(LaminaMatrices, ComplianceIsTheEngineeringConstantsForm) {
  LaminateData d = makeStack(kT300, {0.0}, 1.0);
  computeLaminaMatrices(d);
  const Mat3& S = d.SMatrix[1];
  EXPECT_DOUBLE_EQ(S[1][1], 1.0 / 181.0);
  EXPECT_DOUBLE_EQ(S[2][2], 1.0 / 10.3);
  EXPECT_DOUBLE_EQ(S[3][3], 1.0 / 7.17);
  EXPECT_DOUBLE_EQ(S[1][2], -0.28 / 181.0);
  EXPECT_EQ(S[2][1], S[1][2]);
  // Q and S are inverses in material axes.
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) {
      double p = 0.0;
      for (int k = 1; k <= 3; ++k) p += d.Q[1][i][k] * S[k][j];
      EXPECT_NEAR(p, i == j ? 1.0 : 0.0, 1e-12);
    }
}

TEST(LaminaMatrices, SixtyDegreePlyMatchesPublishedTransformedStiffness) {
  LaminateData d = makeStack(kT300, {60.0}, 1.0);
  computeLaminaMatrices(d);
  const Mat3& QB = d.QBar[1];
  EXPECT_NEAR(QB[1][1], 23.65, 0.01);
  EXPECT_NEAR(QB[1][2], 32.46, 0.01);
  EXPECT_NEAR(QB[1][3], 20.05, 0.01);
  EXPECT_NEAR(QB[2][2], 109.4, 0.05);
  EXPECT_NEAR(QB[2][3], 54.19, 0.01);
  EXPECT_NEAR(QB[3][3], 36.74, 0.01);
  EXPECT_EQ(QB[2][1], QB[1][2]);
  EXPECT_EQ(QB[3][1], QB[1][3]);
  EXPECT_EQ(QB[3][2], QB[2][3]);
}

TEST(LaminaMatrices, NinetyDegreePlySwapsTheAxes) {
  LaminateData d = makeStack(kT300, {90.0}, 1.0);
  computeLaminaMatrices(d);
  const double tol = 1e-9;
  EXPECT_NEAR(d.QBar[1][1][1], d.Q[1][2][2], tol);
  EXPECT_NEAR(d.QBar[1][2][2], d.Q[1][1][1], tol);
  EXPECT_NEAR(d.QBar[1][1][2], d.Q[1][1][2], tol);
  EXPECT_NEAR(d.QBar[1][3][3], d.Q[1][3][3], tol);
  EXPECT_NEAR(d.QBar[1][1][3], 0.0, tol);
  EXPECT_NEAR(d.SBar[1][1][1], d.SMatrix[1][2][2], 1e-12);
  EXPECT_NEAR(d.SBar[1][2][2], d.SMatrix[1][1][1], 1e-12);
}

TEST(LaminaMatrices, TransformedComplianceInvertsTransformedStiffness) {
  LaminateData d = makeStack(kT300, {-35.0}, 1.0);
  computeLaminaMatrices(d);
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) {
      double p = 0.0;
      for (int k = 1; k <= 3; ++k) p += d.QBar[1][i][k] * d.SBar[1][k][j];
      EXPECT_NEAR(p, i == j ? 1.0 : 0.0, 1e-12);
    }
}

}  // namespace
}  // namespace vc
