#include "engine/abd_matrix.h"

#include <gtest/gtest.h>

#include "engine/lamina_matrices.h"
#include "engine_fixtures.h"

namespace vc {
namespace {

using test::makeLaminate;
using test::makeStack;
using test::testPly;

LaminateData withABD(LaminateData d) {
  computeLaminaMatrices(d);
  computeABD(d);
  return d;
}

void expectNoCoupling(const LaminateData& d, double tol) {
  for (int i = 1; i <= 3; ++i)
    for (int j = 4; j <= 6; ++j) {
      EXPECT_NEAR(d.ABD[i][j], 0.0, tol) << i << j;
      EXPECT_NEAR(d.ABD[j][i], 0.0, tol) << j << i;
    }
}

TEST(ABDMatrix, InterfacesRunFromMinusHalfThickness) {
  LaminateData d = withABD(makeLaminate({testPly()}, {{1, 0, 0.1}, {1, 0, 0.3}, {1, 0, 0.2}}));
  EXPECT_DOUBLE_EQ(d.z[0], -0.3);
  EXPECT_DOUBLE_EQ(d.z[1], -0.2);
  EXPECT_DOUBLE_EQ(d.z[2], 0.1);
  EXPECT_NEAR(d.z[3], 0.3, 1e-15);
}

TEST(ABDMatrix, SingleZeroDegreePlyClosedForm) {
  const double t = 0.4;
  LaminateData d = withABD(makeStack(testPly(), {0.0}, t));
  const double Q11 = d.Q[1][1][1];
  EXPECT_DOUBLE_EQ(d.ABD[1][1], Q11 * t);
  EXPECT_DOUBLE_EQ(d.ABD[2][2], d.Q[1][2][2] * t);
  EXPECT_DOUBLE_EQ(d.ABD[3][3], 5000.0 * t);
  EXPECT_DOUBLE_EQ(d.ABD[4][4], Q11 * t * t * t / 12.0);
  EXPECT_DOUBLE_EQ(d.ABD[6][6], 5000.0 * t * t * t / 12.0);
  expectNoCoupling(d, 0.0);
}

TEST(ABDMatrix, SymmetricStackHasNoCouplingBlock) {
  LaminateData d = withABD(makeStack(testPly(), {0, 45, -45, 90, 90, -45, 45, 0}, 0.125));
  const double tol = 1e-9 * d.ABD[1][1];
  expectNoCoupling(d, tol);
  for (int i = 1; i <= 6; ++i)
    for (int j = 1; j < i; ++j) EXPECT_NEAR(d.ABD[i][j], d.ABD[j][i], tol);
}

TEST(ABDMatrix, CrossPlyPairHasTheTextbookCouplingTerm) {
  // [0/90] of two plies of thickness t, the 0 degree ply below the
  // mid-plane: B11 = -Q11 t^2/2 + Q22 t^2/2, D11 = (Q11 + Q22) t^3 / 3.
  const double t = 0.25;
  LaminateData d = withABD(makeStack(testPly(), {0.0, 90.0}, t));
  const double Q11 = d.Q[1][1][1], Q22 = d.Q[1][2][2], tol = 1e-9 * Q11;
  EXPECT_NEAR(d.ABD[1][4], (Q22 - Q11) * t * t / 2.0, tol);
  EXPECT_NEAR(d.ABD[2][5], (Q11 - Q22) * t * t / 2.0, tol);
  EXPECT_NEAR(d.ABD[1][1], (Q11 + Q22) * t, tol);
  EXPECT_NEAR(d.ABD[4][4], (Q11 + Q22) * t * t * t / 3.0, tol);
}

TEST(ABDMatrix, NoLayersGivesAZeroMatrix) {
  LaminateData d;
  computeABD(d);
  for (int i = 1; i <= 6; ++i)
    for (int j = 1; j <= 6; ++j) EXPECT_EQ(d.ABD[i][j], 0.0);
}

}  // namespace
}  // namespace vc
