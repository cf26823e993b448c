// Ply properties from fibre and matrix, against hand-calculated figures.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "materials/micromechanics.h"

namespace {

using vc::FiberProperties;
using vc::LaminaProperties;
using vc::MatrixProperties;

// A carbon-like fibre and an epoxy-like matrix with round numbers.
FiberProperties fibre(double Vf) {
  FiberProperties f;
  f.E1f = 30e6;
  f.E2f = 2e6;
  f.G12f = 1.5e6;
  f.v12f = 0.2;
  f.Xtf = 400000;
  f.Xcf = 300000;  // entered positive
  f.Vf = Vf;
  return f;
}

MatrixProperties matrix() {
  MatrixProperties m;
  m.Em = 5e5;
  m.Gm = 1.8e5;
  m.vm = 0.35;
  m.Xtm = 10000;
  m.Xcm = 20000;  // entered positive
  m.Sm = 8000;
  return m;
}

void expectClose(double actual, double expected, const char* what) {
  EXPECT_NEAR(actual, expected, 1e-9 * std::fabs(expected) + 1e-12) << what;
}

TEST(CalculateLamina, EmptyInputsGiveZeroEverywhere) {
  FiberProperties f;
  f.Vf = 0.60;
  const LaminaProperties r = vc::calculateLamina(f, MatrixProperties{});
  const double all[] = {r.E1, r.E2, r.G12, r.v12, r.v21, r.CTE1, r.CTE2, r.CME1, r.CME2,
                        r.Xt, r.Xc, r.Yt, r.Yc, r.S, r.D, r.K1, r.K2};
  for (double v : all) EXPECT_EQ(v, 0.0);
  const auto texts = vc::laminaResultTexts(r);
  EXPECT_EQ(texts[0], "0.000E+000");
  EXPECT_EQ(texts[3], "0.0000 ");
}

TEST(CalculateLamina, LimitsOfTheVolumeFraction) {
  const struct {
    double Vf;
    double E1, E2, G12, v12, Xt, Yt, Yc, S;
  } cases[] = {
      // All fibre: the fibre's own moduli; F = 1 leaves the matrix strengths.
      {1.0, 30e6, 2e6, 1.5e6, 0.2, 400000, 10000, -20000, 8000},
      // All matrix: the matrix's moduli; it carries 5e5 x (400000 / 30e6) = 6666.67 when the
      // fibre's failure strain is reached.
      {0.0, 5e5, 5e5, 1.8e5, 0.35, 6666.666666666667, 10000, -20000, 8000},
  };
  for (const auto& c : cases) {
    const LaminaProperties r = vc::calculateLamina(fibre(c.Vf), matrix());
    expectClose(r.E1, c.E1, "E1");
    expectClose(r.E2, c.E2, "E2");
    expectClose(r.G12, c.G12, "G12");
    expectClose(r.v12, c.v12, "v12");
    expectClose(r.Xt, c.Xt, "Xt");
    expectClose(r.Yt, c.Yt, "Yt");
    expectClose(r.Yc, c.Yc, "Yc");
    expectClose(r.S, c.S, "S");
  }
}

TEST(CalculateLamina, HalpinTsaiEstimates) {
  FiberProperties f;
  f.E2f = 10;
  f.G12f = 10;
  f.K2f = 10;
  f.Vf = 0.5;
  MatrixProperties m;
  m.Em = 1;
  m.Gm = 1;
  m.Km = 1;
  const LaminaProperties r = vc::calculateLamina(f, m);
  expectClose(r.E2, 2.8, "E2");        // eta = 0.75: 1.75 / 0.625
  expectClose(r.K2, 2.8, "K2");        // same parameter 2
  expectClose(r.G12, 31.0 / 13, "G12");  // eta = 9/11: (1 + 9/22) / (1 - 9/22)
  EXPECT_EQ(vc::laminaResultTexts(r)[1], "2.800E+000");
}

TEST(CalculateLamina, CompressiveStrengths) {
  const struct {
    double Xcm;
    double Xc, Yc;
  } cases[] = {
      // Matrix strains further (0.04 > 0.01): -150000 - 5e5 x 300000 x 0.5 / 30e6.
      {20000, -152500, -20000 * 0.8446699141},
      // Fibre strains further (0.004 < 0.01): -30e6 x 2000 x 0.5 / 5e5 - 2000 x 0.5.
      {-2000, -61000, -2000 * 0.8446699141},
  };
  for (const auto& c : cases) {
    MatrixProperties m = matrix();
    m.Xcm = c.Xcm;
    // F = 1 - (1 - 0.25) x (sqrt(0.5) - 0.5) = 0.8446699141
    const LaminaProperties r = vc::calculateLamina(fibre(0.5), m);
    expectClose(r.Xc, c.Xc, "Xc");
    EXPECT_NEAR(r.Yc, c.Yc, 1e-5);
  }
}

TEST(CalculateLamina, ExpansionDensityAndConductivity) {
  const struct {
    double CTE2f;
    double CTE2;
  } cases[] = {
      {0, 2.1},      // isotropic fibre: 1.4 x 3 x 0.5 + 1.2 x 1 x 0.5 - 2 x 0.3
      {5, 4.1},      // 1.04 x 5 x 0.5 + 2.1 - 0.6
      {1e-300, 1.6}, // however small: 0.1 + 2.1 - 0.6
  };
  for (const auto& c : cases) {
    FiberProperties f;
    f.E1f = 1;
    f.E2f = 10;
    f.v12f = 0.2;
    f.CTE1f = 1;
    f.CTE2f = c.CTE2f;
    f.Df = 1.8;
    f.K1f = 10;
    f.Vf = 0.5;
    MatrixProperties m;
    m.Em = 1;
    m.vm = 0.4;
    m.CTEm = 3;
    m.CMEm = 0.4;
    m.Dm = 1.2;
    m.Km = 1;
    const LaminaProperties r = vc::calculateLamina(f, m);
    expectClose(r.CTE1, 2, "CTE1");
    expectClose(r.CTE2, c.CTE2, "CTE2");
    expectClose(r.CME1, 0.2, "CME1");
    expectClose(r.CME2, 0.22, "CME2");  // 1.4 x 0.4 x 0.5 - 0.2 x 0.3
    expectClose(r.v21, 0.84, "v21");    // 2.8 x 0.3 / 1
    expectClose(r.D, 1.5, "D");
    expectClose(r.K1, 5.5, "K1");
    const auto materials = vc::laminaMaterialsRowTexts(r);
    EXPECT_EQ(materials[3], " 0.3000");
    EXPECT_EQ(materials[7], " 0.2200");
    EXPECT_EQ(materials[4], "2.000E+000");
  }
}

TEST(CalculateLamina, NonFiniteResultsAreZero) {
  FiberProperties f;
  f.Vf = 0.5;  // E2f missing: Em / E2f is infinite
  MatrixProperties m;
  m.Em = 1;
  m.Xtm = 100;
  m.Xcm = -100;
  const LaminaProperties r = vc::calculateLamina(f, m);
  EXPECT_EQ(r.Yt, 0.0);
  EXPECT_EQ(r.Yc, 0.0);
  EXPECT_EQ(vc::laminaStrengthRowTexts(r)[2], "0.000E+000");
}

TEST(CalculateLamina, CellsAndResultsForTheEditor) {
  std::array<std::string, vc::kFiberRows> cells;
  cells[0] = "30e6";
  cells[9] = "  300000psi";
  cells[11] = "0.60";
  const FiberProperties f = vc::readFiberProperties(cells);
  EXPECT_EQ(f.E1f, 30e6);
  EXPECT_EQ(f.Xcf, 300000);
  EXPECT_EQ(f.Vf, 0.6);
  EXPECT_EQ(f.E2f, 0.0);
  std::array<std::string, vc::kMatrixRows> matrixCells;
  matrixCells[9] = "0.2";
  EXPECT_EQ(vc::readMatrixProperties(matrixCells).Km, 0.2);

  const LaminaProperties r = vc::calculateLamina(fibre(0.5), matrix());
  const vc::MaterialValues values = vc::laminaMaterialValues(r);
  EXPECT_EQ(values[vc::kXc], r.Xc);
  EXPECT_EQ(values[vc::kS], r.S);
  EXPECT_EQ(std::string(vc::fiberRowLabels()[11]), "Volume Fraction, Vf");
  EXPECT_EQ(std::string(vc::laminaRowLabels()[13]), "Shear Strength., S");
}

}  // namespace
