#include "engine/failure_with_residual_stress.h"

#include <cmath>
#include <initializer_list>
#include <utility>

namespace vc {

namespace {

double limitedGrowth(double lambda) {
  return (std::isnan(lambda) || lambda > kNoFailureFactor) ? kNoFailureFactor : lambda;
}

// The smallest root of A x^2 + B x + C = 0 within [lo, hi], or HUGE_VAL.
// The roots are formed without cancellation (q = -(B + sign(B) sqrt(D)) / 2,
// roots q / A and C / q).
double smallestRootWithin(double A, double B, double C, double lo, double hi) {
  double roots[2] = {HUGE_VAL, HUGE_VAL};
  if (A == 0.0) {
    if (B != 0.0) roots[0] = -C / B;
  } else {
    const double disc = B * B - 4.0 * A * C;
    if (!(disc >= 0.0)) return HUGE_VAL;
    const double root = std::sqrt(disc);
    const double q = -0.5 * (B >= 0.0 ? B + root : B - root);
    roots[0] = q / A;
    if (q != 0.0) roots[1] = C / q;
  }
  double best = HUGE_VAL;
  for (double x : roots)
    if (x >= lo && x <= hi && x < best) best = x;
  return best;
}

// One normal component between its compressive (negative) and tensile
// limits, or the shear component within +-S.
double componentBound(double fixed, double growing, double lower, double upper) {
  if (growing > 0.0) return (upper - fixed) / growing;
  if (growing < 0.0) return (lower - fixed) / growing;
  return HUGE_VAL;  // this component does not change
}

// Quadratic interaction criteria F1 s1 + F2 s2 + F11 s1^2 + F22 s2^2 +
// F66 t^2 - k s1 s2 = 1 along fixed + lambda * growing.
double quadraticGrowth(const QuadraticCoefficients& c, double k, const PlyComponents& f,
                       const PlyComponents& g) {
  const double value = c.F1 * f.c1 + c.F2 * f.c2 + c.F11 * f.c1 * f.c1 + c.F22 * f.c2 * f.c2 +
                       c.F66 * f.c12 * f.c12 - k * f.c1 * f.c2;
  if (!(value < 1.0)) return 0.0;
  const double A =
      c.F11 * g.c1 * g.c1 + c.F22 * g.c2 * g.c2 + c.F66 * g.c12 * g.c12 - k * g.c1 * g.c2;
  const double B = c.F1 * g.c1 + c.F2 * g.c2 + 2.0 * c.F11 * f.c1 * g.c1 +
                   2.0 * c.F22 * f.c2 * g.c2 + 2.0 * c.F66 * f.c12 * g.c12 -
                   k * (f.c1 * g.c2 + f.c2 * g.c1);
  return limitedGrowth(smallestRootWithin(A, B, value - 1.0, 0.0, HUGE_VAL));
}

// Tsai-Hill on one stretch of the path where sigma1 and sigma2 keep their
// signs, with the strengths of those signs: a quadratic in lambda.
struct TsaiHillTerms {
  double A, B, C;
};
TsaiHillTerms tsaiHillTerms(const PlyStrengths& s, const PlyComponents& f, const PlyComponents& g,
                            double probe) {
  const double s1 = f.c1 + probe * g.c1, s2 = f.c2 + probe * g.c2;
  const double X = s1 < 0.0 ? s.Xc : s.Xt;
  const double Y = s2 < 0.0 ? s.Yc : s.Yt;
  const double X2 = X * X, Y2 = Y * Y, S2 = s.S * s.S;
  TsaiHillTerms t;
  t.A = (g.c1 * g.c1 - g.c1 * g.c2) / X2 + (g.c2 * g.c2) / Y2 + (g.c12 * g.c12) / S2;
  t.B = (2.0 * f.c1 * g.c1 - f.c1 * g.c2 - f.c2 * g.c1) / X2 + (2.0 * f.c2 * g.c2) / Y2 +
        (2.0 * f.c12 * g.c12) / S2;
  t.C = (f.c1 * f.c1 - f.c1 * f.c2) / X2 + (f.c2 * f.c2) / Y2 + (f.c12 * f.c12) / S2 - 1.0;
  return t;
}

}  // namespace

double maxComponentGrowthToFailure(const PlyStrengths& s, const PlyComponents& f,
                                   const PlyComponents& g) {
  const bool inside =
      f.c1 < s.Xt && f.c1 > s.Xc && f.c2 < s.Yt && f.c2 > s.Yc && std::fabs(f.c12) < s.S;
  if (!inside) return 0.0;
  double lambda = componentBound(f.c1, g.c1, s.Xc, s.Xt);
  lambda = std::fmin(lambda, componentBound(f.c2, g.c2, s.Yc, s.Yt));
  lambda = std::fmin(lambda, componentBound(f.c12, g.c12, -s.S, s.S));
  return limitedGrowth(lambda);
}

double tsaiHillGrowthToFailure(const PlyStrengths& s, const PlyComponents& f,
                               const PlyComponents& g) {
  if (!(tsaiHillTerms(s, f, g, 0.0).C < 0.0)) return 0.0;
  // The strengths switch where sigma1 or sigma2 changes sign; the criterion
  // is continuous there (the X terms vanish with sigma1), so the stretches
  // are searched in order and the first crossing is the failure.
  double breaks[3] = {HUGE_VAL, HUGE_VAL, HUGE_VAL};
  int count = 0;
  for (const double lambda : {g.c1 != 0.0 ? -f.c1 / g.c1 : -1.0, g.c2 != 0.0 ? -f.c2 / g.c2 : -1.0})
    if (lambda > 0.0) breaks[count++] = lambda;
  if (count == 2 && breaks[1] < breaks[0]) std::swap(breaks[0], breaks[1]);
  double lo = 0.0;
  for (int i = 0; i <= count; ++i) {
    const double hi = breaks[i];
    const double probe = hi == HUGE_VAL ? 2.0 * lo + 1.0 : 0.5 * (lo + hi);
    const TsaiHillTerms t = tsaiHillTerms(s, f, g, probe);
    // The stretch's own polynomial, expanded about lambda = 0; only its
    // roots inside the stretch count.
    const double root = smallestRootWithin(t.A, t.B, t.C, lo, hi);
    if (root != HUGE_VAL) return limitedGrowth(root);
    lo = hi;
  }
  return kNoFailureFactor;
}

double tsaiWuGrowthToFailure(const QuadraticCoefficients& c, const PlyComponents& f,
                             const PlyComponents& g) {
  return quadraticGrowth(c, c.rootF11F22, f, g);
}

double hoffmanGrowthToFailure(const QuadraticCoefficients& c, const PlyComponents& f,
                              const PlyComponents& g) {
  // As Tsai-Wu with the interaction term -F11 sigma1 sigma2.
  return quadraticGrowth(c, c.F11, f, g);
}

}  // namespace vc
