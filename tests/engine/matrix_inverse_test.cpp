#include "engine/matrix_inverse.h"

#include <gtest/gtest.h>

#include <limits>
#include <random>

namespace vc {
namespace {

// A = fill everywhere, then diag on the first diagN diagonal entries.
void setUp(WorkMatrix& m, double fill, int diagN, double diag) {
  for (auto& row : m)
    for (double& x : row) x = fill;
  for (int i = 0; i < diagN; ++i) m[i][i] = diag;
}

TEST(MatrixInverse, SingularAndRefusedCases) {
  struct Case {
    const char* name;
    int n;
    double fill;
    int diagN;
    double diag;
    int status;
    int failedColumn;  // -1: not checked
  };
  const Case cases[] = {
      {"zero matrix: first column", 6, 0.0, 0, 0.0, 1, 0},
      // No pivot is near zero, but the running product reaches 3.2e-24.
      {"small uniform diagonal: fifth pivot", 6, 0.0, 6, 2e-5, 1, 4},
      {"order four of the same diagonal", 4, 0.0, 4, 2e-5, 0, -1},
      {"order 0", 0, 1.0, 0, 0.0, 1, -1},
      {"order 7", 7, 1.0, 0, 0.0, 1, -1},
      {"order -1", -1, 1.0, 0, 0.0, 1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WorkMatrix a, b;
    setUp(a, c.fill, c.diagN, c.diag);
    const InversionResult r = invertMatrix(c.n, a, b);
    EXPECT_EQ(r.status, c.status);
    if (c.failedColumn >= 0) {
      EXPECT_EQ(r.failedColumn, c.failedColumn);
    }
    if (c.status == 0) {
      EXPECT_DOUBLE_EQ(b[c.n - 1][c.n - 1], 1.0 / c.diag);
    }
  }
}

TEST(MatrixInverse, SmallMatricesByHand) {
  struct Case {
    const char* name;
    int n;
    double a[3][3];
    double inverse[3][3];
  };
  const Case cases[] = {
      // det = 10
      {"2x2", 2, {{4, 7}, {2, 6}}, {{0.6, -0.7}, {-0.2, 0.4}}},
      {"zero leading entry needs a row exchange", 3, {{0, 1, 0}, {1, 0, 0}, {0, 0, 3}},
       {{0, 1, 0}, {1, 0, 0}, {0, 0, 1.0 / 3.0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WorkMatrix a, b;
    for (int i = 0; i < c.n; ++i)
      for (int j = 0; j < c.n; ++j) a[i][j] = c.a[i][j];
    ASSERT_EQ(invertMatrix(c.n, a, b).status, 0);
    for (int i = 0; i < c.n; ++i)
      for (int j = 0; j < c.n; ++j) EXPECT_NEAR(b[i][j], c.inverse[i][j], 1e-15);
  }
}

TEST(MatrixInverse, RandomWellConditionedMatrixTimesInverseIsIdentity) {
  std::mt19937 gen(12345);
  std::uniform_real_distribution<double> dist(-1.0, 1.0);
  for (int n = 1; n <= 6; ++n) {
    SCOPED_TRACE(n);
    WorkMatrix a, work, b;
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) work[i][j] = a[i][j] = dist(gen) + (i == j ? 8.0 : 0.0);
    ASSERT_EQ(invertMatrix(n, work, b).status, 0);
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) {
        double p = 0.0;
        for (int k = 0; k < n; ++k) p += a[i][k] * b[k][j];
        EXPECT_NEAR(p, i == j ? 1.0 : 0.0, 1e-13);
      }
  }
}

TEST(MatrixInverse, NaNEntriesDoNotCrash) {
  WorkMatrix a, b;
  setUp(a, 0.0, 6, 1.0);
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
