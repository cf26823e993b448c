#include "engine/lamina_matrices.h"

#include <gtest/gtest.h>

#include "engine_fixtures.h"

namespace vc {
namespace {

using test::MaterialSpec;
using test::makeStack;

// T300/5208 carbon/epoxy in GPa.
const MaterialSpec kT300{181.0, 10.3, 7.17, 0.28};

LaminateData plyAt(double angleDeg) {
  LaminateData d = makeStack(kT300, {angleDeg}, 1.0);
  computeLaminaMatrices(d);
  return d;
}

void expectSymmetric(const Mat3& m) {
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j < i; ++j) EXPECT_EQ(m[i][j], m[j][i]) << i << j;
}

void expectInverses(const Mat3& a, const Mat3& b) {
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) {
      double p = 0.0;
      for (int k = 1; k <= 3; ++k) p += a[i][k] * b[k][j];
      EXPECT_NEAR(p, i == j ? 1.0 : 0.0, 1e-12) << i << j;
    }
}

// Published reduced stiffness of T300/5208 (Q11 181.8, Q12 2.897,
// Q22 10.35, Q66 7.17 GPa) and transformed stiffness of its 60 degree ply.
TEST(LaminaMatrices, StiffnessMatchesPublishedValues) {
  struct Case {
    double angle;
    int i, j;
    double value, tol;
  };
  const Case cases[] = {
      {0, 1, 1, 181.8, 0.05},  {0, 1, 2, 2.897, 0.0005}, {0, 2, 2, 10.35, 0.005},
      {0, 3, 3, 7.17, 0.0},    {0, 1, 3, 0.0, 0.0},      {0, 2, 3, 0.0, 0.0},
      {60, 1, 1, 23.65, 0.01}, {60, 1, 2, 32.46, 0.01},  {60, 1, 3, 20.05, 0.01},
      {60, 2, 2, 109.4, 0.05}, {60, 2, 3, 54.19, 0.01},  {60, 3, 3, 36.74, 0.01},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.angle << " deg, " << c.i << c.j);
    const LaminateData d = plyAt(c.angle);
    const Mat3& m = c.angle == 0 ? d.Q[1] : d.QBar[1];
    EXPECT_NEAR(m[c.i][c.j], c.value, c.tol);
    expectSymmetric(m);
  }
  const LaminateData d = plyAt(0);
  EXPECT_DOUBLE_EQ(d.traceQ[1], d.Q[1][1][1] + d.Q[1][2][2] + 2.0 * 7.17);
}

TEST(LaminaMatrices, ComplianceIsTheEngineeringConstantsFormAndInvertsQ) {
  const LaminateData d = plyAt(0);
  const Mat3& S = d.SMatrix[1];
  EXPECT_DOUBLE_EQ(S[1][1], 1.0 / 181.0);
  EXPECT_DOUBLE_EQ(S[2][2], 1.0 / 10.3);
  EXPECT_DOUBLE_EQ(S[3][3], 1.0 / 7.17);
  EXPECT_DOUBLE_EQ(S[1][2], -0.28 / 181.0);
  expectSymmetric(S);
  expectInverses(d.Q[1], S);
  const LaminateData off = plyAt(-35.0);
  expectInverses(off.QBar[1], off.SBar[1]);
}

TEST(LaminaMatrices, NinetyDegreePlySwapsTheAxes) {
  const LaminateData d = plyAt(90.0);
  const double tol = 1e-9;
  EXPECT_NEAR(d.QBar[1][1][1], d.Q[1][2][2], tol);
  EXPECT_NEAR(d.QBar[1][2][2], d.Q[1][1][1], tol);
  EXPECT_NEAR(d.QBar[1][1][2], d.Q[1][1][2], tol);
  EXPECT_NEAR(d.QBar[1][3][3], d.Q[1][3][3], tol);
  EXPECT_NEAR(d.QBar[1][1][3], 0.0, tol);
  EXPECT_NEAR(d.SBar[1][1][1], d.SMatrix[1][2][2], 1e-12);
  EXPECT_NEAR(d.SBar[1][2][2], d.SMatrix[1][1][1], 1e-12);
}

}  // namespace
}  // namespace vc
