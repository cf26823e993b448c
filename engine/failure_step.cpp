#include "engine/failure_step.h"

#include <cmath>

#include "engine/engine_bounds.h"
#include "engine/failure_criteria.h"

namespace vc {

namespace {

void store(LaminateData& d, int k, Criterion c, const FactorPair& f) {
  d.failPlus[k][c] = f.plus;
  d.failMinus[k][c] = f.minus;
}

}  // namespace

void runFailureStep(LaminateData& d) {
  QuadraticCoefficients coefficients[kMaxMaterials + 1];
  const int nm = materialLoopCount(d);
  for (int m = 1; m <= nm; ++m)
    coefficients[m] =
        quadraticCoefficients(PlyStrengths{d.Xt[m], d.Xc[m], d.Yt[m], d.Yc[m], d.S[m]});
  const int n = layerLoopCount(d);
  for (int k = 1; k <= n; ++k) {
    const int m = safeMaterialIndex(d, k);
    const Vec3& sig = d.ply[k][kMid].stress12;
    const Vec3& eps = d.ply[k][kMid].effStrain12;
    PlyStrengths stress{d.Xt[m], d.Xc[m], d.Yt[m], d.Yc[m], d.S[m]};
    PlyStrengths strain{d.e1t[m], d.e1c[m], d.e2t[m], d.e2c[m], d.g12u[m]};
    store(d, k, kTsaiWu, tsaiWuFactors(coefficients[m], sig[1], sig[2], sig[3]));
    store(d, k, kHoffman, hoffmanFactors(coefficients[m], sig[1], sig[2], sig[3]));
    store(d, k, kTsaiHill, tsaiHillFactors(stress, sig[1], sig[2], sig[3]));
    store(d, k, kMaxStress, maxComponentFactors(stress, sig[1], sig[2], sig[3]));
    store(d, k, kMaxStrain, maxComponentFactors(strain, eps[1], eps[2], eps[3]));
  }
  computeFailureMinima(d);
}

void computeFailureMinima(LaminateData& d) {
  const int n = layerLoopCount(d);
  for (int c = 0; c < kCriterionCount; ++c) {
    double plus = 10000.0, minus = 10000.0;
    for (int k = 1; k <= n; ++k) {
      if (std::fabs(d.failPlus[k][c]) < std::fabs(plus)) plus = d.failPlus[k][c];
      if (std::fabs(d.failMinus[k][c]) < std::fabs(minus)) minus = d.failMinus[k][c];
    }
    d.minPlus[c] = plus;
    d.minMinus[c] = minus;
  }
}

}  // namespace vc
