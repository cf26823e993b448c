#include "engine/input_preparation.h"
#include "engine/angle_units.h"

#include "engine/engine_bounds.h"

namespace vc {

namespace {

void prepareStrengths(LaminateData& d) {
  const int nm = materialLoopCount(d);
  for (int m = 1; m <= nm; ++m) {
    // Compressive strengths are always held as zero or negative numbers.
    if (d.Xc[m] > 0.0) d.Xc[m] = -d.Xc[m];
    if (d.Yc[m] > 0.0) d.Yc[m] = -d.Yc[m];
    deriveUltimateStrains(d, m);
  }
}

void mirrorUpperHalf(LaminateData& d) {
  const int n = layerLoopCount(d);
  const int half = n / 2;
  for (int k = half + 1; k <= n; ++k) {
    const int source = n + 1 - k;
    d.MatID[k] = d.MatID[source];
    d.angle[k] = d.angle[source];
    d.thickness[k] = d.thickness[source];
  }
}

}  // namespace

void deriveUltimateStrains(LaminateData& d, int m) {
  d.e1t[m] = d.Xt[m] / d.E1[m];
  d.e1c[m] = d.Xc[m] / d.E1[m];
  d.e2t[m] = d.Yt[m] / d.E2[m];
  d.e2c[m] = d.Yc[m] / d.E2[m];
  d.g12u[m] = d.S[m] / d.G12[m];
}

void prepareCopiedInputs(LaminateData& d) {
  prepareStrengths(d);
  if (d.symmetric) mirrorUpperHalf(d);
  const int n = layerLoopCount(d);
  for (int k = 1; k <= n; ++k) d.angle[k] = radiansFromDegrees(d.angle[k]);
  double h = 0.0;
  for (int k = 1; k <= n; ++k) h += d.thickness[k];
  d.totalThickness = h;
}

}  // namespace vc
