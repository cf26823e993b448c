// Ply properties from fibre and matrix, against hand-calculated figures.
#include <gtest/gtest.h>

#include <cmath>

#include "materials/micromechanics.h"

namespace {

using L = vc::LaminaProperties;

// Round-number fibre and matrix; the compressive strengths are entered positive.
//                                      E1f   E2f  G12f   v12f CTE1f CTE2f CME1f CME2f Xtf  Xcf
vc::FiberProperties fibre(double Vf) {
  return {30e6, 2e6, 1.5e6, 0.2, 0, 0, 0, 0, 4e5, 3e5, 0, Vf};
}
//                                       Em   Gm     vm    CTEm CMEm Xtm  Xcm   Sm
vc::MatrixProperties matrix(double Xcm) { return {5e5, 1.8e5, 0.35, 0, 0, 1e4, Xcm, 8000}; }

using Figure = std::pair<double L::*, double>;

L expectFigures(const vc::FiberProperties& f, const vc::MatrixProperties& m,
                std::initializer_list<Figure> figures) {
  const L r = vc::calculateLamina(f, m);
  for (const Figure& x : figures)
    EXPECT_NEAR(r.*x.first, x.second, 1e-9 * std::fabs(x.second) + 1e-12) << x.second;
  return r;
}

TEST(CalculateLamina, HandCalculatedFiguresAndMissingInputs) {
  // All fibre; all matrix, carrying 5e5 x (4e5 / 30e6) at the fibre's failure
  // strain. F = 1 when sqrt(Vf) = Vf.
  double L::*const ends[] = {&L::E1, &L::E2, &L::G12, &L::v12, &L::Xt, &L::Yt, &L::S};
  const double allFibre[] = {30e6, 2e6, 1.5e6, 0.2, 4e5, 1e4, 8000};
  const double allMatrix[] = {5e5, 5e5, 1.8e5, 0.35, 6666.666666666667, 1e4, 8000};
  for (int i = 0; i < 7; ++i) {
    expectFigures(fibre(1), matrix(2e4), {{ends[i], allFibre[i]}});
    expectFigures(fibre(0), matrix(2e4), {{ends[i], allMatrix[i]}});
  }
  expectFigures(fibre(1), matrix(2e4), {{&L::Yc, -2e4}});
  // Halpin-Tsai, eta = 0.75: 1.75 / 0.625; shear, eta = 9/11: (1 + 9/22) / (1 - 9/22).
  expectFigures({0, 10, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0.5, 0, 0, 10}, {1, 1, 0, 0, 0, 0, 0, 0, 0, 1},
                {{&L::E2, 2.8}, {&L::K2, 2.8}, {&L::G12, 31.0 / 13}});
  // F = 1 - 0.75 x (sqrt(0.6) - 0.6) = 0.86905249806888. Matrix strains further:
  // -180000 - 5e5 x 3e5 x 0.4 / 30e6; fibre strains further: -30e6 x 2000 x 0.6 / 5e5 - 800.
  expectFigures(fibre(0.6), matrix(2e4), {{&L::Xc, -182000}, {&L::Yc, -17381.049961377747}});
  expectFigures(fibre(0.6), matrix(-2e3), {{&L::Xc, -72800}, {&L::Yc, -1738.1049961377748}});
  // Transverse expansion of an isotropic fibre: 1.4 x 3 x 0.5 + 1.2 x 1 x 0.5 - 2 x 0.3; with CTE2f
  // = 5: 1.04 x 5 x 0.5 + 2.1 - 0.6; however small: 0.1 + 2.1 - 0.6. CME2 = 1.4 x 0.4 x 0.5 - 0.2 x
  // 0.3.
  for (const auto& [CTE2f, CTE2] : {std::pair{0.0, 2.1}, {5.0, 4.1}, {1e-300, 1.6}}) {
    const vc::FiberProperties f{1, 10, 0, 0.2, 1, CTE2f, 0, 0, 0, 0, 0, 0.5, 1.8, 10, 0};
    const vc::MatrixProperties m{1, 0, 0.4, 3, 0.4, 0, 0, 0, 1.2, 1};
    expectFigures(f, m, {{&L::CTE1, 2}, {&L::CTE2, CTE2}, {&L::CME1, 0.2}, {&L::CME2, 0.22}});
    const L r = expectFigures(f, m, {{&L::v21, 0.84}, {&L::D, 1.5}, {&L::K1, 5.5}});
    EXPECT_EQ(vc::laminaMaterialsRowTexts(r)[3] + vc::laminaMaterialsRowTexts(r)[7],
              " 0.3000 0.2200");
  }
  // Missing inputs give zero; cells read as page numbers.
  // E2f missing: Em / E2f is infinite, so are F and with it Yt and Yc.
  expectFigures({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.5}, {1, 0, 0, 0, 0, 100, -100},
                {{&L::Yt, 0}, {&L::Yc, 0}});
  for (const std::string& text :
       vc::laminaResultTexts(vc::calculateLamina({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0.6}, {})))
    EXPECT_TRUE(text == "0.000E+000" || text == "0.0000 ") << text;
  const auto f =
      vc::readFiberProperties({"", "", "", "", "", "", "", "", "", "  300000psi", "", "0.60"});
  EXPECT_EQ(f.Xcf + f.Vf, 300000 + 0.6);
}

}  // namespace
