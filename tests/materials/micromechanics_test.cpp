// Ply properties from fibre and matrix, against hand-calculated figures.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "materials/micromechanics.h"

namespace {

using vc::FiberProperties;
using vc::MatrixProperties;

// Round-number fibre and matrix; the compressive strengths are entered positive.
//                                      E1f   E2f  G12f   v12f CTE1f CTE2f CME1f CME2f Xtf  Xcf
FiberProperties fibre(double Vf) { return {30e6, 2e6, 1.5e6, 0.2, 0, 0, 0, 0, 4e5, 3e5, 0, Vf}; }
//                                       Em   Gm     vm    CTEm CMEm Xtm  Xcm   Sm
MatrixProperties matrix(double Xcm) { return {5e5, 1.8e5, 0.35, 0, 0, 1e4, Xcm, 8000}; }

#define EXPECT_CLOSE(actual, expected) EXPECT_NEAR(actual, expected, 1e-9 * std::fabs(expected) + 1e-12)

TEST(CalculateLamina, EmptyInputsGiveZeroEverywhere) {
  FiberProperties f;
  f.Vf = 0.60;
  const auto texts = vc::laminaResultTexts(vc::calculateLamina(f, MatrixProperties{}));
  for (int row = 0; row < vc::kLaminaRows; ++row)
    EXPECT_TRUE(texts[row] == "0.000E+000" || texts[row] == "0.0000 ") << row << ": " << texts[row];
}

TEST(CalculateLamina, LimitsOfTheVolumeFraction) {
  const struct {
    double Vf, E1, E2, G12, v12, Xt, S;
  } cases[] = {
      {1.0, 30e6, 2e6, 1.5e6, 0.2, 4e5, 8000},  // all fibre
      // All matrix, carrying 5e5 x (4e5 / 30e6) at the fibre's failure strain.
      {0.0, 5e5, 5e5, 1.8e5, 0.35, 6666.666666666667, 8000},
  };
  for (const auto& c : cases) {
    const vc::LaminaProperties r = vc::calculateLamina(fibre(c.Vf), matrix(2e4));
    EXPECT_CLOSE(r.E1, c.E1);
    EXPECT_CLOSE(r.E2, c.E2);
    EXPECT_CLOSE(r.G12, c.G12);
    EXPECT_CLOSE(r.v12, c.v12);
    EXPECT_CLOSE(r.Xt, c.Xt);
    EXPECT_CLOSE(r.Yt, 1e4);  // F = 1 whenever sqrt(Vf) = Vf
    EXPECT_CLOSE(r.Yc, -2e4);
    EXPECT_CLOSE(r.S, c.S);
  }
}

TEST(CalculateLamina, HalpinTsaiEstimates) {
  FiberProperties f{0, 10, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0.5, 0, 0, 10};
  MatrixProperties m{1, 1, 0, 0, 0, 0, 0, 0, 0, 1};
  const vc::LaminaProperties r = vc::calculateLamina(f, m);
  EXPECT_CLOSE(r.E2, 2.8);         // eta = 0.75: 1.75 / 0.625
  EXPECT_CLOSE(r.K2, 2.8);
  EXPECT_CLOSE(r.G12, 31.0 / 13);  // eta = 9/11: (1 + 9/22) / (1 - 9/22)
  EXPECT_EQ(vc::laminaResultTexts(r)[1], "2.800E+000");
}

TEST(CalculateLamina, CompressiveStrengths) {
  const double F = 0.8446699141;  // 1 - 0.75 x (sqrt(0.5) - 0.5)
  const struct {
    double Xcm, Xc;
  } cases[] = {
      {2e4, -152500},   // matrix strains further: -150000 - 5e5 x 3e5 x 0.5 / 30e6
      {-2e3, -61000},   // fibre strains further: -30e6 x 2000 x 0.5 / 5e5 - 1000
  };
  for (const auto& c : cases) {
    const vc::LaminaProperties r = vc::calculateLamina(fibre(0.5), matrix(c.Xcm));
    EXPECT_CLOSE(r.Xc, c.Xc);
    EXPECT_NEAR(r.Yc, -std::fabs(c.Xcm) * F, 1e-5);
    EXPECT_EQ(vc::laminaStrengthRowTexts(r)[1], c.Xcm > 0 ? "-1.525E+005" : "-6.100E+004");
  }
}

TEST(CalculateLamina, ExpansionDensityAndConductivity) {
  const struct {
    double CTE2f, CTE2;
  } cases[] = {
      {0, 2.1},       // isotropic fibre: 1.4 x 3 x 0.5 + 1.2 x 1 x 0.5 - 2 x 0.3
      {5, 4.1},       // 1.04 x 5 x 0.5 + 2.1 - 0.6
      {1e-300, 1.6},  // however small: 0.1 + 2.1 - 0.6
  };
  for (const auto& c : cases) {
    FiberProperties f{1, 10, 0, 0.2, 1, c.CTE2f, 0, 0, 0, 0, 0, 0.5, 1.8, 10, 0};
    MatrixProperties m{1, 0, 0.4, 3, 0.4, 0, 0, 0, 1.2, 1};
    const vc::LaminaProperties r = vc::calculateLamina(f, m);
    EXPECT_CLOSE(r.CTE1, 2);
    EXPECT_CLOSE(r.CTE2, c.CTE2);
    EXPECT_CLOSE(r.CME1, 0.2);
    EXPECT_CLOSE(r.CME2, 0.22);  // 1.4 x 0.4 x 0.5 - 0.2 x 0.3
    EXPECT_CLOSE(r.v21, 0.84);   // 2.8 x 0.3 / 1
    EXPECT_CLOSE(r.D, 1.5);
    EXPECT_CLOSE(r.K1, 5.5);
    const auto cells = vc::laminaMaterialsRowTexts(r);
    EXPECT_EQ(cells[3] + cells[7], " 0.3000 0.2200");
  }
}

TEST(CalculateLamina, NonFiniteResultsAreZeroAndCellsReadAsPageNumbers) {
  // E2f missing: Em / E2f is infinite, so are F and with it Yt and Yc.
  FiberProperties f0;
  f0.Vf = 0.5;
  const vc::LaminaProperties r = vc::calculateLamina(f0, MatrixProperties{1, 0, 0, 0, 0, 100, -100});
  EXPECT_EQ(r.Yt, 0.0);
  EXPECT_EQ(r.Yc, 0.0);

  std::array<std::string, vc::kFiberRows> cells;
  cells[9] = "  300000psi";
  cells[11] = "0.60";
  const FiberProperties f = vc::readFiberProperties(cells);
  EXPECT_EQ(f.Xcf, 300000);
  EXPECT_EQ(f.Vf, 0.6);
}

}  // namespace
