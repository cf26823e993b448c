#include "engine/abd_matrix.h"

#include "engine/engine_bounds.h"

namespace vc {

namespace {

void computeInterfaces(LaminateData& d, int n) {
  d.z[0] = -d.totalThickness * 0.5;
  for (int k = 1; k <= n; ++k) d.z[k] = d.z[k - 1] + d.thickness[k];
}

}  // namespace

void computeABD(LaminateData& d) {
  const int n = layerLoopCount(d);
  computeInterfaces(d, n);
  for (int r = 1; r <= 6; ++r)
    for (int c = 1; c <= 6; ++c) d.ABD[r][c] = 0.0;

  for (int r = 1; r <= 6; ++r) {
    const int i = r <= 3 ? r : r - 3;
    for (int c = 1; c <= 6; ++c) {
      const int j = c <= 3 ? c : c - 3;
      const int bendingIndices = (r > 3 ? 1 : 0) + (c > 3 ? 1 : 0);
      double sum = d.ABD[r][c];
      for (int k = 1; k <= n; ++k) {
        const double q = d.QBar[k][i][j];
        const double zk = d.z[k], zk1 = d.z[k - 1];
        if (bendingIndices == 0) {
          // The in-plane block uses the ply thickness itself, not the
          // difference of the interface coordinates.
          sum += q * d.thickness[k];
        } else if (bendingIndices == 1) {
          sum += (q * 0.5) * (zk * zk - zk1 * zk1);
        } else {
          const double zk3 = (zk * zk) * zk;
          const double zk13 = (zk1 * zk1) * zk1;
          // D = 1/3 sum QBar (z_k^3 - z_k-1^3): 1/3 as this rounded constant,
          // multiplied first, keeps the reference calculation's rounding bit for bit.
          sum += (q * 0.3333333333333333) * (zk3 - zk13);
        }
      }
      d.ABD[r][c] = sum;
    }
  }
}

}  // namespace vc
