#include "materials/micromechanics.h"

#include <cmath>

#include "format/number_text.h"
#include "materials/material_units.h"

namespace vc {

namespace {

constexpr std::array<const char*, kFiberRows> kFiberLabels = {
    "Long. Modulus, E1f", "Trans. Modulus, E2f", "Shear Modulus, G12f", "Poisson, v12f",
    "Therm. Exp., CTE1f", "Therm. Exp., CTE2f",  "Mois. Exp., CME1f",   "Mois. Exp., CME2f",
    "Ten. Strength, Xtf", "Comp. Strength, Xcf", "Shear Strength, Sf",  "Volume Fraction, Vf",
    "Density, Df",        "Therm. Cond., K1f",   "Therm. Cond., K2f",
};

constexpr std::array<const char*, kMatrixRows> kMatrixLabels = {
    "Modulus, Em",      "Shear Modulus, Gm",  "Poisson, vm",         "Therm. Exp., CTEm",
    "Mois. Exp., CMEm", "Ten. Strength, Xtm", "Comp. Strength, Xcm", "Shear Strength, Sm",
    "Density, Dm",      "Therm. Cond., Km",
};

constexpr std::array<const char*, kLaminaRows> kLaminaLabels = {
    "Long. Modulus, E1",     "Trans. Modulus, E2",  "Shear Modulus, G12",   "Long. Poisson, v12",
    "Trans. Poisson, v21",   "Therm. Exp., CTE1",   "Therm. Exp., CTE2",    "Mois. Exp., CME1",
    "Mois. Exp., CME2",      "Long. Ten. Str., Xt", "Long. Comp. Str., Xc", "Trans. Ten. Str., Yt",
    "Trans. Comp. Str., Yc", "Shear Strength., S",  "Density, D",           "Therm. Cond., K1",
    "Therm. Cond., K2",
};

// Halpin-Tsai estimate of a transverse property from the fibre's and the
// matrix's values; xi is the reinforcing-geometry parameter (2 for the
// transverse modulus and conductivity, 1 for the shear modulus).
double halpinTsai(double fibre, double matrix, double xi, double Vf) {
  const double eta = (fibre - matrix) / (fibre + xi * matrix);
  return matrix * (1 + xi * eta * Vf) / (1 - eta * Vf);
}

}  // namespace

const std::array<const char*, kFiberRows>& fiberRowLabels() { return kFiberLabels; }
const std::array<const char*, kMatrixRows>& matrixRowLabels() { return kMatrixLabels; }
const std::array<const char*, kLaminaRows>& laminaRowLabels() { return kLaminaLabels; }

FiberProperties readFiberProperties(const std::array<std::string, kFiberRows>& cells) {
  double v[kFiberRows];
  for (int i = 0; i < kFiberRows; ++i) v[i] = readPageReal(cells[i]);
  return FiberProperties{v[0], v[1], v[2],  v[3],  v[4],  v[5],  v[6], v[7],
                         v[8], v[9], v[10], v[11], v[12], v[13], v[14]};
}

MatrixProperties readMatrixProperties(const std::array<std::string, kMatrixRows>& cells) {
  double v[kMatrixRows];
  for (int i = 0; i < kMatrixRows; ++i) v[i] = readPageReal(cells[i]);
  return MatrixProperties{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9]};
}

LaminaProperties calculateLamina(const FiberProperties& fiber, const MatrixProperties& matrix) {
  const double E1f = fiber.E1f, E2f = fiber.E2f, G12f = fiber.G12f, v12f = fiber.v12f;
  const double CTE1f = fiber.CTE1f, CTE2f = fiber.CTE2f, CME1f = fiber.CME1f;
  const double Xtf = fiber.Xtf, Vf = fiber.Vf, Df = fiber.Df, K1f = fiber.K1f, K2f = fiber.K2f;
  const double Xcf = fiber.Xcf > 0 ? -fiber.Xcf : fiber.Xcf;
  const double Em = matrix.Em, Gm = matrix.Gm, vm = matrix.vm, CTEm = matrix.CTEm,
               CMEm = matrix.CMEm;
  const double Xtm = matrix.Xtm, Sm = matrix.Sm, Dm = matrix.Dm, Km = matrix.Km;
  const double Xcm = matrix.Xcm > 0 ? -matrix.Xcm : matrix.Xcm;
  const double Vm = 1 - Vf;

  LaminaProperties r;
  r.E1 = E1f * Vf + Em * Vm;
  r.E2 = halpinTsai(E2f, Em, 2, Vf);
  r.v12 = v12f * Vf + vm * Vm;
  r.G12 = halpinTsai(G12f, Gm, 1, Vf);
  r.v21 = r.E2 * r.v12 / r.E1;
  // Longitudinal strengths: when the matrix strains further than the fibre
  // before failing, the fibre fails first and the matrix carries its share
  // at the fibre's failure strain; otherwise (or with a ratio of 0/0) the
  // fibres alone carry the tension, and the matrix's failure strain governs
  // the compression.
  if (std::fabs(Xtm / Em) > std::fabs(Xtf / E1f))
    r.Xt = Xtf * Vf + Em * Xtf * Vm / E1f;
  else
    r.Xt = Xtf * Vf;
  if (std::fabs(Xcm / Em) > std::fabs(Xcf / E1f))
    r.Xc = Xcf * Vf + Em * Xcf * Vm / E1f;
  else
    r.Xc = E1f * Xcm * Vf / Em + Xcm * Vm;
  r.CTE1 = (E1f * CTE1f * Vf + Em * CTEm * Vm) / (E1f * Vf + Em * Vm);
  // Matrix-dominated strengths, reduced by the fibres' stress concentration.
  const double F = 1 - (1 - Em / E2f) * (std::sqrt(Vf) - Vf);
  r.Yt = F * Xtm;
  r.Yc = F * Xcm;
  r.S = (1 - (1 - Gm / G12f) * (std::sqrt(Vf) - Vf)) * Sm;
  // Transverse expansion: an isotropic fibre (no CTE2f given) expands
  // across as it does along.
  if (CTE2f == 0)
    r.CTE2 = (1 + vm) * CTEm * Vm + (1 + v12f) * CTE1f * Vf - r.CTE1 * r.v12;
  else
    r.CTE2 = (1 + v12f * CTE1f / CTE2f) * CTE2f * Vf + (1 + vm) * CTEm * Vm - r.CTE1 * r.v12;
  r.CME1 = (E1f * CME1f * Vf + Em * CMEm * Vm) / (E1f * Vf + Em * Vm);
  r.D = Df * Vf + Dm * Vm;
  r.K1 = K1f * Vf + Km * Vm;
  r.CME2 = (1 + vm) * CMEm * Vm - r.CME1 * r.v12;
  r.K2 = halpinTsai(K2f, Km, 2, Vf);

  for (double* value : {&r.E1, &r.E2, &r.G12, &r.v12, &r.v21, &r.CTE1, &r.CTE2, &r.CME1, &r.CME2,
                        &r.Xt, &r.Xc, &r.Yt, &r.Yc, &r.S, &r.D, &r.K1, &r.K2})
    *value = finiteOrZero(*value);
  return r;
}

std::array<std::string, kLaminaRows> laminaResultTexts(const LaminaProperties& r) {
  const char* e = "%10.3E";
  const char* f = "%-7.4f";
  return {formatf(e, r.E1),   formatf(e, r.E2),   formatf(e, r.G12),  formatf(f, r.v12),
          formatf(f, r.v21),  formatf(e, r.CTE1), formatf(e, r.CTE2), formatf(f, r.CME1),
          formatf(f, r.CME2), formatf(e, r.Xt),   formatf(e, r.Xc),   formatf(e, r.Yt),
          formatf(e, r.Yc),   formatf(e, r.S),    formatf(f, r.D),    formatf(e, r.K1),
          formatf(e, r.K2)};
}

std::array<std::string, 8> laminaMaterialsRowTexts(const LaminaProperties& r) {
  const char* e = "%10.3E";
  const char* f = "%7.4f";
  return {formatf(e, r.E1),   formatf(e, r.E2),   formatf(e, r.G12),  formatf(f, r.v12),
          formatf(e, r.CTE1), formatf(e, r.CTE2), formatf(f, r.CME1), formatf(f, r.CME2)};
}

std::array<std::string, 5> laminaStrengthRowTexts(const LaminaProperties& r) {
  const char* e = "%10.3E";
  return {formatf(e, r.Xt), formatf(e, r.Xc), formatf(e, r.Yt), formatf(e, r.Yc), formatf(e, r.S)};
}

MaterialValues laminaMaterialValues(const LaminaProperties& r) {
  return {r.E1, r.E2, r.G12, r.v12, r.CTE1, r.CTE2, r.CME1, r.CME2, r.Xt, r.Xc, r.Yt, r.Yc, r.S};
}

}  // namespace vc
