// Ply properties from fibre and matrix properties and the fibre volume
// fraction: rules of mixtures for the longitudinal properties, Halpin-Tsai
// estimates for the transverse and shear moduli and the transverse
// conductivity, and strength-of-materials estimates for the strengths and
// the expansion coefficients. No unit conversion: the results are in the
// units of the inputs.
#pragma once

#include <array>
#include <string>

#include "materials/library_table.h"

namespace vc {

constexpr int kFiberRows = 15;
constexpr int kMatrixRows = 10;
constexpr int kLaminaRows = 17;

// The fibre grid's rows 1 to 15, in order.
struct FiberProperties {
  double E1f = 0, E2f = 0, G12f = 0, v12f = 0, CTE1f = 0, CTE2f = 0, CME1f = 0, CME2f = 0;
  double Xtf = 0, Xcf = 0, Sf = 0, Vf = 0, Df = 0, K1f = 0, K2f = 0;
};

// The matrix grid's rows 1 to 10, in order.
struct MatrixProperties {
  double Em = 0, Gm = 0, vm = 0, CTEm = 0, CMEm = 0, Xtm = 0, Xcm = 0, Sm = 0, Dm = 0, Km = 0;
};

// The result grid's rows 1 to 17, in order.
struct LaminaProperties {
  double E1 = 0, E2 = 0, G12 = 0, v12 = 0, v21 = 0, CTE1 = 0, CTE2 = 0, CME1 = 0, CME2 = 0;
  double Xt = 0, Xc = 0, Yt = 0, Yc = 0, S = 0, D = 0, K1 = 0, K2 = 0;
};

// The row labels of the three grids (column 0), rows 1 onwards.
const std::array<const char*, kFiberRows>& fiberRowLabels();
const std::array<const char*, kMatrixRows>& matrixRowLabels();
const std::array<const char*, kLaminaRows>& laminaRowLabels();

// The grids' value cells read as page numbers (leading blanks skipped, the
// longest leading number taken, 0 when there is none).
FiberProperties readFiberProperties(const std::array<std::string, kFiberRows>& cells);
MatrixProperties readMatrixProperties(const std::array<std::string, kMatrixRows>& cells);

// The ply properties. Positive compressive strengths Xcf and Xcm are taken
// as negative; a result that is not a finite number (a division by zero
// for missing inputs) is 0. Sf and CME2f take part in no estimate.
LaminaProperties calculateLamina(const FiberProperties& fiber, const MatrixProperties& matrix);

// The result grid's value cells: moduli, expansion coefficients, strengths
// and conductivities "%10.3E"; Poisson's ratios, moisture coefficients and
// the density "%-7.4f".
std::array<std::string, kLaminaRows> laminaResultTexts(const LaminaProperties& lamina);

// A copy into the pages: columns 1 to 8 of the Materials grid (E1, E2, G12
// "%10.3E", v12 "%7.4f", CTE1, CTE2 "%10.3E", CME1, CME2 "%7.4f") and
// columns 1 to 5 of the Strength grid (Xt, Xc, Yt, Yc, S "%10.3E").
std::array<std::string, 8> laminaMaterialsRowTexts(const LaminaProperties& lamina);
std::array<std::string, 5> laminaStrengthRowTexts(const LaminaProperties& lamina);

// The 13 material properties of the results, for the user library editor.
MaterialValues laminaMaterialValues(const LaminaProperties& lamina);

}  // namespace vc
