#include "engine/matrix_inverse.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace vc {
namespace {

void fill(WorkMatrix& m, double v) {
  for (auto& row : m)
    for (double& x : row) x = v;
}

TEST(MatrixInverse, ZeroMatrixIsSingularAtTheFirstColumn) {
  WorkMatrix a, b;
  fill(a, 0.0);
  const InversionResult r = invertMatrix(6, a, b);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.failedColumn, 0);
}

TEST(MatrixInverse, SmallUniformDiagonalIsSingularAtTheFifthPivot) {
  // No pivot is near zero, but the running product reaches 3.2e-24.
  WorkMatrix a, b;
  fill(a, 0.0);
  for (int i = 0; i < 6; ++i) a[i][i] = 2e-5;
  const InversionResult r = invertMatrix(6, a, b);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.failedColumn, 4);
}

TEST(MatrixInverse, SmallDiagonalOfOrderFourIsStillInvertible) {
  WorkMatrix a, b;
  fill(a, 0.0);
  for (int i = 0; i < 4; ++i) a[i][i] = 2e-5;
  const InversionResult r = invertMatrix(4, a, b);
  EXPECT_EQ(r.status, 0);
  EXPECT_DOUBLE_EQ(b[0][0], 50000.0);
  EXPECT_DOUBLE_EQ(b[3][3], 50000.0);
}

TEST(MatrixInverse, TwoByTwoByHand) {
  WorkMatrix a, b;
  a[0][0] = 4.0;
  a[0][1] = 7.0;
  a[1][0] = 2.0;
  a[1][1] = 6.0;
  ASSERT_EQ(invertMatrix(2, a, b).status, 0);
  // det = 10; inverse = [0.6 -0.7; -0.2 0.4]
  EXPECT_NEAR(b[0][0], 0.6, 1e-15);
  EXPECT_NEAR(b[0][1], -0.7, 1e-15);
  EXPECT_NEAR(b[1][0], -0.2, 1e-15);
  EXPECT_NEAR(b[1][1], 0.4, 1e-15);
}

TEST(MatrixInverse, NeedsRowExchangeForAZeroLeadingEntry) {
  WorkMatrix a, b;
  fill(a, 0.0);
  a[0][1] = 1.0;
  a[1][0] = 1.0;
  a[2][2] = 3.0;
  ASSERT_EQ(invertMatrix(3, a, b).status, 0);
  EXPECT_EQ(b[0][1], 1.0);
  EXPECT_EQ(b[1][0], 1.0);
  EXPECT_EQ(b[0][0], 0.0);
  EXPECT_DOUBLE_EQ(b[2][2], 1.0 / 3.0);
}

TEST(MatrixInverse, RandomWellConditionedMatrixTimesInverseIsIdentity) {
  std::mt19937 gen(12345);
  std::uniform_real_distribution<double> dist(-1.0, 1.0);
  for (int n = 1; n <= 6; ++n) {
    WorkMatrix a, work, b;
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) a[i][j] = dist(gen) + (i == j ? 8.0 : 0.0);
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) work[i][j] = a[i][j];
    ASSERT_EQ(invertMatrix(n, work, b).status, 0) << "order " << n;
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) {
        double p = 0.0;
        for (int k = 0; k < n; ++k) p += a[i][k] * b[k][j];
        EXPECT_NEAR(p, i == j ? 1.0 : 0.0, 1e-13) << "order " << n;
      }
  }
}

TEST(MatrixInverse, OrderOutsideOneToSixIsRefused) {
  WorkMatrix a, b;
  fill(a, 1.0);
  EXPECT_EQ(invertMatrix(0, a, b).status, 1);
  EXPECT_EQ(invertMatrix(7, a, b).status, 1);
  EXPECT_EQ(invertMatrix(-1, a, b).status, 1);
}

TEST(MatrixInverse, NaNEntriesDoNotCrash) {
  WorkMatrix a, b;
  fill(a, 0.0);
  for (int i = 0; i < 6; ++i) a[i][i] = 1.0;
  a[2][3] = std::numeric_limits<double>::quiet_NaN();
  const InversionResult r = invertMatrix(6, a, b);
  EXPECT_TRUE(r.status == 0 || r.status == 1);
}

TEST(MatrixInverse, ABDInversionLeavesABDUnchanged) {
  LaminateData d;
  for (int i = 1; i <= 6; ++i) d.ABD[i][i] = 2.0 * i;
  d.ABD[1][2] = d.ABD[2][1] = 1.0;
  ASSERT_TRUE(invertABD(d));
  EXPECT_EQ(d.inversionStatus, 0);
  EXPECT_EQ(d.ABD[1][1], 2.0);
  EXPECT_EQ(d.ABD[1][2], 1.0);
  // [2 1; 1 4]^-1 = [4 -1; -1 2] / 7
  EXPECT_NEAR(d.ABDInverse[1][1], 4.0 / 7.0, 1e-15);
  EXPECT_NEAR(d.ABDInverse[1][2], -1.0 / 7.0, 1e-15);
  EXPECT_NEAR(d.ABDInverse[6][6], 1.0 / 12.0, 1e-15);

  LaminateData zero;
  EXPECT_FALSE(invertABD(zero));
  EXPECT_EQ(zero.inversionStatus, 1);
}

}  // namespace
}  // namespace vc
