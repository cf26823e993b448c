// Load scale factors to failure of one ply under five criteria, for the
// load as applied (+) and reversed (-). A factor of 9999 (or -9999) means
// the ply does not fail below it; no factor is ever NaN.
#pragma once

namespace vc {

constexpr double kNoFailureFactor = 9999.0;

struct PlyStrengths {
  double Xt = 0.0, Xc = 0.0, Yt = 0.0, Yc = 0.0, S = 0.0;  // Xc, Yc <= 0
};

struct FactorPair {
  double plus = kNoFailureFactor;
  double minus = -kNoFailureFactor;
};

// Strength parameters of the quadratic interaction criteria, formed once
// per material.
struct QuadraticCoefficients {
  double F1 = 0.0, F2 = 0.0, F11 = 0.0, F22 = 0.0, F66 = 0.0;
  double rootF11F22 = 0.0;  // sqrt(F11 * F22), the Tsai-Wu interaction
};
QuadraticCoefficients quadraticCoefficients(const PlyStrengths& s);

FactorPair tsaiWuFactors(const QuadraticCoefficients& c, double sigma1, double sigma2,
                         double tau12);
FactorPair hoffmanFactors(const QuadraticCoefficients& c, double sigma1, double sigma2,
                          double tau12);

// sigma1, sigma2, tau12 in material axes.
FactorPair tsaiWuFactors(const PlyStrengths& s, double sigma1, double sigma2, double tau12);
FactorPair hoffmanFactors(const PlyStrengths& s, double sigma1, double sigma2, double tau12);
FactorPair tsaiHillFactors(const PlyStrengths& s, double sigma1, double sigma2, double tau12);
// Max Stress; also Max Strain when given ultimate strains and strains.
FactorPair maxComponentFactors(const PlyStrengths& s, double c1, double c2, double c12);

}  // namespace vc
