#include "engine/failure_criteria.h"

#include <cmath>

namespace vc {

namespace {

// Any factor that is NaN (zero or non-finite strengths, a degenerate
// quadratic) means no failure along that load path; the limits keep every
// factor within +-9999.
FactorPair limited(double plus, double minus) {
  FactorPair f;
  f.plus = (std::isnan(plus) || plus > kNoFailureFactor) ? kNoFailureFactor : plus;
  f.minus = (std::isnan(minus) || minus < -kNoFailureFactor) ? -kNoFailureFactor : minus;
  return f;
}

// Both roots R of a R^2 + b R = 1 for the quadratic interaction criteria,
// given the value V of the criterion at unit load and its linear part b.
FactorPair quadraticRoots(double V, double linear) {
  if (std::fabs(V) < 1.0e-8) return FactorPair{};
  double b = linear;
  const double a = V - b;
  // Mathematically b is unchanged; forming it again as V - a keeps the
  // rounding of the reference calculation, so the factors match it bit for bit.
  b = V - a;
  const double disc = b * b + 4.0 * a;
  // No real root: the criterion is never reached along this load path.
  if (!(disc >= 0.0)) return FactorPair{};
  const double D = std::sqrt(disc);
  FactorPair f = limited((D - b) / (2.0 * a), (-b - D) / (2.0 * a));
  // With a negative quadratic term (Hoffman when F22 < F11 / 4) both roots
  // share one sign: the load direction without a root of its own sign never
  // reaches the criterion.
  if (!(f.plus > 0.0)) f.plus = kNoFailureFactor;
  if (!(f.minus < 0.0)) f.minus = -kNoFailureFactor;
  return f;
}

}  // namespace

QuadraticCoefficients quadraticCoefficients(const PlyStrengths& s) {
  QuadraticCoefficients c;
  c.F1 = 1.0 / s.Xt + 1.0 / s.Xc;
  c.F2 = 1.0 / s.Yt + 1.0 / s.Yc;
  c.F11 = -1.0 / (s.Xt * s.Xc);
  c.F22 = -1.0 / (s.Yt * s.Yc);
  c.F66 = 1.0 / (s.S * s.S);
  c.rootF11F22 = std::sqrt(c.F11 * c.F22);
  return c;
}

FactorPair tsaiWuFactors(const QuadraticCoefficients& c, double s1, double s2, double t12) {
  const double linear = c.F1 * s1 + c.F2 * s2;
  const double V = (((c.F66 * (t12 * t12) + c.F11 * (s1 * s1)) + linear) + c.F22 * (s2 * s2)) -
                   (c.rootF11F22 * s1) * s2;
  return quadraticRoots(V, linear);
}

FactorPair hoffmanFactors(const QuadraticCoefficients& c, double s1, double s2, double t12) {
  // As Tsai-Wu with the interaction term -F11 sigma1 sigma2.
  const double linear = c.F1 * s1 + c.F2 * s2;
  const double V = (((c.F66 * (t12 * t12) + c.F11 * (s1 * s1)) + linear) + c.F22 * (s2 * s2)) -
                   (c.F11 * s1) * s2;
  return quadraticRoots(V, linear);
}

FactorPair tsaiWuFactors(const PlyStrengths& s, double s1, double s2, double t12) {
  return tsaiWuFactors(quadraticCoefficients(s), s1, s2, t12);
}

FactorPair hoffmanFactors(const PlyStrengths& s, double s1, double s2, double t12) {
  return hoffmanFactors(quadraticCoefficients(s), s1, s2, t12);
}

FactorPair tsaiHillFactors(const PlyStrengths& s, double s1, double s2, double t12) {
  // Strengths on the side of each stress (applied) and the opposite side
  // (reversed).
  const double X = s1 < 0.0 ? s.Xc : s.Xt;
  const double Y = s2 < 0.0 ? s.Yc : s.Yt;
  const double Xr = s1 < 0.0 ? s.Xt : s.Xc;
  const double Yr = s2 < 0.0 ? s.Yt : s.Yc;
  const double S2 = s.S * s.S;
  const double X2 = X * X, Y2 = Y * Y, Xr2 = Xr * Xr, Yr2 = Yr * Yr;
  const double shearTerm = (t12 * t12) / S2;
  const double P = std::fabs((((s1 * s1) / X2 - (s1 * s2) / X2) + (s2 * s2) / Y2) + shearTerm);
  const double N = std::fabs((((s1 * s1) / Xr2 - (s1 * s2) / Xr2) + (s2 * s2) / Yr2) + shearTerm);
  const double plus = P < 1.0e-8 ? kNoFailureFactor : 1.0 / std::sqrt(P);
  const double minus = N < 1.0e-8 ? -kNoFailureFactor : -1.0 / std::sqrt(N);
  return limited(plus, minus);
}

FactorPair maxComponentFactors(const PlyStrengths& s, double c1, double c2, double c12) {
  const double X = c1 < 0.0 ? s.Xc : s.Xt;
  const double Y = c2 < 0.0 ? s.Yc : s.Yt;
  const double Xr = c1 < 0.0 ? s.Xt : s.Xc;
  const double Yr = c2 < 0.0 ? s.Yt : s.Yc;
  // A zero component sets no limit; HUGE_VAL stands for "unbounded" and the
  // final limits bring it to +-9999.
  double plus = HUGE_VAL;
  double reversed = HUGE_VAL;
  if (c1 != 0.0) {
    const double r = X / c1, rr = -Xr / c1;
    if (r < plus) plus = r;
    if (rr < reversed) reversed = rr;
  }
  if (c2 != 0.0) {
    const double r = Y / c2, rr = -Yr / c2;
    if (r < plus) plus = r;
    if (rr < reversed) reversed = rr;
  }
  if (c12 != 0.0) {
    const double r = s.S / std::fabs(c12);
    if (r < plus) plus = r;
    if (r < reversed) reversed = r;
  }
  return limited(plus, -reversed);
}

}  // namespace vc
