#include "engine/double_double.h"

#include <cmath>

#include "engine/engine_bounds.h"
#include "engine/ply_rotation.h"

namespace vc {

namespace {

// Lamination parameters are sums of rounded products, so an exact stack can
// land a few ulps beyond +-1; such values are taken as the bound itself
// rather than as a sign that no exact solution exists.
constexpr double kRoundingSlack = 1.0e-12;

double absorbRounding(double v) {
  if (v > 1.0 && v <= 1.0 + kRoundingSlack) return 1.0;
  if (v < -1.0 && v >= -1.0 - kRoundingSlack) return -1.0;
  return v;
}

// arccos in degrees, halved: the ply angle whose cos 2theta is v. Values
// beyond +-1 mean no exact solution; the angle is clamped to 0 or 90.
double halfAngleDegrees(double v, bool& approx) {
  v = absorbRounding(v);
  if (v > 1.0) {
    approx = true;
    return 0.0;
  }
  if (v < -1.0) {
    approx = true;
    return 90.0;
  }
  return (90.0 / kPi) * std::acos(v);
}

}  // namespace

int wholeDegreesMagnitude(double degrees) {
  if (std::isnan(degrees)) return 0;
  const double m = std::fabs(degrees);
  if (m >= 2147483647.0) return 2147483647;
  return static_cast<int>(m);
}

LaminationParameters laminationParameters(const LaminateData& d) {
  LaminationParameters p;
  const int n = layerLoopCount(d);
  const double h = d.totalThickness;
  const double h3 = (h * h) * h;
  for (int k = 1; k <= n; ++k) {
    const MultipleAngleCosines cosines = multipleAngleCosines(d.angle[k]);
    const double c2 = cosines.cos2;
    const double c4 = cosines.cos4;
    const double inPlaneWeight = d.thickness[k] / h;
    p.V1 += inPlaneWeight * c2;
    p.V3 += inPlaneWeight * c4;
    // Exact through-thickness integral of 12 z^2 / h^3 over the layer; the
    // weights sum to 1 over the stack.
    const double zk = d.z[k], zk1 = d.z[k - 1];
    const double zk3 = (zk * zk) * zk;
    const double zk13 = (zk1 * zk1) * zk1;
    const double flexWeight = (4.0 * (zk3 - zk13)) / h3;
    p.W1 += flexWeight * c2;
    p.W3 += flexWeight * c4;
  }
  return p;
}

DoubleDoubleAngles doubleDoubleAngles(double p1, double p3) {
  DoubleDoubleAngles a;
  const double disc = ((0.5 * p3) - p1 * p1) + 0.5;
  // The larger root gives psi, so psi never exceeds phi in an exact solution.
  const double x = disc >= 0.0 ? p1 + std::sqrt(disc) : p1;
  a.psi = halfAngleDegrees(x, a.approx);
  const double y = 2.0 * p1 - std::cos(((2.0 * a.psi) * kPi) / 180.0);
  a.phi = halfAngleDegrees(y, a.approx);

  const int tPsi = wholeDegreesMagnitude(a.psi);
  const int tPhi = wholeDegreesMagnitude(a.phi);
  // The limits are the method's decimal-degree thresholds applied to whole
  // degrees: tPsi <= 0.4 means tPsi == 0 and tPhi >= 89.6 means tPhi >= 90.
  if ((tPhi >= 70 && tPsi <= 0.4) || (tPhi >= 89.6 && tPsi <= 20)) a.normalOrder = false;
  return a;
}

void computeDoubleDouble(LaminateData& d) {
  d.ddApprox = false;
  d.ddApproxFlex = false;
  d.ddNormalOrder = true;
  d.ddNormalOrderFlex = true;

  const LaminationParameters p = laminationParameters(d);
  const DoubleDoubleAngles inPlane = doubleDoubleAngles(p.V1, p.V3);
  d.ddPsi = inPlane.psi;
  d.ddPhi = inPlane.phi;
  d.ddApprox = inPlane.approx;
  d.ddNormalOrder = inPlane.normalOrder;

  const DoubleDoubleAngles flex = doubleDoubleAngles(p.W1, p.W3);
  d.ddPsiFlex = flex.psi;
  d.ddPhiFlex = flex.phi;
  d.ddApproxFlex = flex.approx;
  d.ddNormalOrderFlex = flex.normalOrder;

  const int n = layerLoopCount(d);
  d.ddRepeat = (n + 3) / 4;
}

}  // namespace vc
