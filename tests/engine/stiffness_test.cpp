// Lamina and laminate stiffness, inversion, apparent properties and ply
// strains against published figures and closed forms worked by hand.
#include <gtest/gtest.h>

#include "engine/ply_strains.h"
#include "engine_fixtures.h"

namespace vc {
namespace {

using test::kTestPly;
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

// [0/90] of two plies of thickness t, the 0 degree ply below: z = -t, 0, t,
// A11 = (Q11 + Q22) t, B11 = (Q22 - Q11) t^2 / 2, D11 = (Q11 + Q22) t^3 / 3.
TEST(Stiffness, AbdOfACrossPlyPairAndASinglePly) {
  const double t = 0.25;
  LaminateData d = makeLaminate({kTestPly}, {{1, 0, t}, {1, 90, t}});
  computeLaminaMatrices(d);
  computeABD(d);
  const double Q11 = d.Q[1][1][1], Q22 = d.Q[1][2][2], tol = 1e-9 * Q11;
  EXPECT_EQ(d.z[0], -t);
  EXPECT_EQ(d.z[1], 0.0);
  EXPECT_EQ(d.z[2], t);
  EXPECT_NEAR(d.ABD[1][1], (Q11 + Q22) * t, tol);
  EXPECT_NEAR(d.ABD[1][4], (Q22 - Q11) * t * t / 2.0, tol);
  EXPECT_NEAR(d.ABD[2][5], (Q11 - Q22) * t * t / 2.0, tol);
  EXPECT_NEAR(d.ABD[4][4], (Q11 + Q22) * t * t * t / 3.0, tol);
  EXPECT_NEAR(d.ABD[3][3], 2 * 5000.0 * t, tol);
  EXPECT_NEAR(d.ABD[6][6], 2 * 5000.0 * t * t * t / 3.0, tol);
  EXPECT_NEAR(d.ABD[1][3], 0.0, tol);
  EXPECT_EQ(d.ABD[4][1], d.ABD[1][4]);
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

// A single ply at 0 or 90 degrees has the ply's own constants, X and Y
// swapped at 90 degrees; [+45/-45]s has GXY = (Q11 + Q22 - 2 Q12) / 4.
TEST(Stiffness, ApparentPropertiesOfSinglePliesAndAnAnglePly) {
  for (double angle : {0.0, 90.0}) {
    LaminateData d = makeLaminate({kTestPly}, {{1, angle, 0.2}});
    ASSERT_TRUE(test::throughApparentProperties(d));
    const bool ninety = angle == 90.0;
    const double Ex = ninety ? 10000.0 : 140000.0, Ey = ninety ? 140000.0 : 10000.0;
    EXPECT_NEAR(d.EX, Ex, Ex * 1e-10);
    EXPECT_NEAR(d.EYB, Ey, Ey * 1e-10);
    EXPECT_NEAR(d.GXY, 5000.0, 5000.0 * 1e-10);
    EXPECT_NEAR(d.vXY, 0.3 * Ex / 140000.0, 1e-12);
    EXPECT_NEAR(d.vYX, 0.3 * Ey / 140000.0, 1e-12);
    EXPECT_NEAR(d.CTEX, ninety ? 3e-5 : 2e-6, 1e-16);
    EXPECT_NEAR(d.CMEY, ninety ? 1e-4 : 4e-3, 1e-15);
    EXPECT_NEAR(d.nXY_X, 0.0, 1e-12);
  }
  LaminateData d =
      makeLaminate({kTestPly}, {{1, 45, 0.1}, {1, -45, 0.1}, {1, -45, 0.1}, {1, 45, 0.1}});
  ASSERT_TRUE(test::throughApparentProperties(d));
  const double Q11 = 140000.0 / (1.0 - 0.09 * 10000.0 / 140000.0), Q22 = Q11 / 14.0,
               Q12 = 0.3 * Q22;
  EXPECT_NEAR(d.GXY, (Q11 + Q22 - 2.0 * Q12) / 4.0, 1e-8 * d.GXY);
  EXPECT_NEAR(d.EX, d.EY, 1e-9 * d.EX);
}

// A worked example of carbon/epoxy (E1 132.7, E2 9.3, G12 4.6 GPa, v12 0.28)
// [0/10/90/70] of 0.125 mm plies under NX = 100 N/mm and MX = 15 N, as
// published with its mid-plane strains and ply stresses (source not recorded).
TEST(Stiffness, PlyStrainsOfThePublishedFourPlyExample) {
  LaminateData d = makeLaminate({{132700.0, 9300.0, 4600.0, 0.28}},
                                {{1, 0, 0.125}, {1, 10, 0.125}, {1, 90, 0.125}, {1, 70, 0.125}});
  d.mechanicalOn = true;
  d.mechLoad[1] = 100.0;
  d.mechLoad[4] = 15.0;
  ASSERT_TRUE(test::throughApparentProperties(d));
  runStrainStep(d);
  const double strains[6] = {12.64, -0.43, -7.42, 83.88, -6.58, 5.99};
  for (int i = 1; i <= 6; ++i) EXPECT_NEAR(d.midplaneStrain[i] * 1e3, strains[i - 1], 0.005) << i;
  const double bottom[3] = {-1108.8, -10.4, -41.0}, second[3] = {1467.2, 40.3, -52.6};
  for (int i = 1; i <= 3; ++i) {
    EXPECT_NEAR(d.ply[1][kLower].stress12[i], bottom[i - 1], 0.05) << i;
    EXPECT_NEAR(d.ply[2][kUpper].stress12[i], second[i - 1], 0.05) << i;
  }
}

}  // namespace
}  // namespace vc
