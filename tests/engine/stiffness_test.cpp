// Lamina stiffness against a published example and inverses worked by hand
// (the laminate matrices, apparent properties and ply strains are pinned by
// the reference reports).
#include <gtest/gtest.h>

#include "engine_fixtures.h"

namespace vc {
namespace {

using test::makeLaminate;

// T300/5208 graphite/epoxy (E1 181, E2 10.3, G12 7.17 GPa, v12 0.28): the
// reduced stiffness and that of a 60 degree ply as A. K. Kaw, Mechanics of
// Composite Materials (2nd ed., CRC Press 2006), Examples 2.6 and 2.7, give them.
TEST(Stiffness, LaminaMatricesMatchThePublishedExample) {
  const double Q[3][3] = {{181.8, 2.897, 0}, {2.897, 10.35, 0}, {0, 0, 7.17}};
  const double Q60[3][3] = {{23.65, 32.46, 20.05}, {32.46, 109.4, 54.19}, {20.05, 54.19, 36.74}};
  LaminateData d = makeLaminate({{181.0, 10.3, 7.17, 0.28}}, {{1, 0, 1}, {1, 60, 1}});
  computeLaminaMatrices(d);
  for (int i = 1; i <= 3; ++i)
    for (int j = 1; j <= 3; ++j) {
      EXPECT_NEAR(d.Q[1][i][j], Q[i - 1][j - 1], 0.0005 * Q[i - 1][j - 1] + 1e-12) << i << j;
      EXPECT_NEAR(d.QBar[2][i][j], Q60[i - 1][j - 1], 0.0005 * Q60[i - 1][j - 1]) << i << j;
      double product = 0.0, barProduct = 0.0;
      for (int k = 1; k <= 3; ++k) {
        product += d.Q[1][i][k] * d.SMatrix[1][k][j];
        barProduct += d.QBar[2][i][k] * d.SBar[2][k][j];
      }
      EXPECT_NEAR(product, i == j, 1e-12);
      EXPECT_NEAR(barProduct, i == j, 1e-12);
    }
  EXPECT_EQ(d.SMatrix[1][1][2], -0.28 / 181.0);
  EXPECT_EQ(d.traceQ[1], d.Q[1][1][1] + d.Q[1][2][2] + 2.0 * 7.17);
}

// Inverses worked by hand, the singular cases and the refused orders.
TEST(Stiffness, MatrixInversion) {
  struct Case {
    int n;
    double a[3][3], inverse[3][3];
    int status;
  };
  const Case cases[] = {
      {2, {{4, 7}, {2, 6}}, {{0.6, -0.7}, {-0.2, 0.4}}, 0},  // det 10
      {3,
       {{0, 1, 0}, {1, 0, 0}, {0, 0, 4}},
       {{0, 1, 0}, {1, 0, 0}, {0, 0, 0.25}},
       0},  // row exchange
      {3, {{2, 0, 0}, {0, 1, 0}, {0, 0, 0}}, {}, 1},
      {0, {{1}}, {}, 1},
      {7, {{1}}, {}, 1},
  };
  for (const Case& c : cases) {
    WorkMatrix a{}, b{};
    for (int i = 0; i < 3; ++i)
      for (int j = 0; j < 3; ++j) a[i][j] = c.a[i][j];
    EXPECT_EQ(invertMatrix(c.n, a, b).status, c.status) << c.n;
    for (int i = 0; c.status == 0 && i < c.n; ++i)
      for (int j = 0; j < c.n; ++j) EXPECT_NEAR(b[i][j], c.inverse[i][j], 1e-15) << i << j;
  }
  // No pivot is near zero, but their running product 3.2e-24 is below 1e-20.
  WorkMatrix small{}, inverse{};
  for (int i = 0; i < 6; ++i) small[i][i] = 2e-5;
  const InversionResult r = invertMatrix(6, small, inverse);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.failedColumn, 4);
}

}  // namespace
}  // namespace vc
