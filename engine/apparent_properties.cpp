#include "engine/apparent_properties.h"

#include "engine/engine_bounds.h"
#include "engine/ply_rotation.h"

namespace vc {

void computeEngineeringConstants(LaminateData& d) {
  const double h = d.totalThickness;
  const Mat6& a = d.ABDInverse;
  d.EX = 1.0 / (h * a[1][1]);
  d.EY = 1.0 / (h * a[2][2]);
  d.GXY = 1.0 / (h * a[3][3]);
  d.vXY = -a[1][2] / a[1][1];
  d.vYX = (d.vXY * d.EY) / d.EX;
  const double h3 = (h * h) * h;
  d.EXB = 12.0 / (h3 * a[4][4]);
  d.EYB = 12.0 / (h3 * a[5][5]);
  d.nXY_X = a[1][3] / a[1][1];
  d.nX_XY = a[1][3] / a[3][3];
  d.nXY_Y = a[2][3] / a[2][2];
  d.nY_XY = a[2][3] / a[3][3];
}

void computeLayerExpansion(LaminateData& d) {
  const int n = layerLoopCount(d);
  for (int k = 1; k <= n; ++k) {
    const int mat = safeMaterialIndex(d, k);
    const PlyRotation r = plyRotation(d.angle[k]);
    const double cte1 = d.CTE1[mat], cte2 = d.CTE2[mat];
    const double cme1 = d.CME1[mat], cme2 = d.CME2[mat];
    d.alphaX[k] = r.m2 * cte1 + r.n2 * cte2;
    d.alphaY[k] = r.n2 * cte1 + r.m2 * cte2;
    d.alphaXY[k] = ((2.0 * r.m) * r.n) * (cte1 - cte2);
    d.betaX[k] = r.m2 * cme1 + r.n2 * cme2;
    d.betaY[k] = r.n2 * cme1 + r.m2 * cme2;
    d.betaXY[k] = ((2.0 * r.m) * r.n) * (cme1 - cme2);
  }
}

void computeHygrothermalLoads(LaminateData& d) {
  for (int i = 1; i <= 3; ++i) d.TN[i] = d.TM[i] = d.MN[i] = d.MM[i] = 0.0;
  const int n = layerLoopCount(d);
  for (int k = 1; k <= n; ++k) {
    const Mat3& q = d.QBar[k];
    const double zk = d.z[k], zk1 = d.z[k - 1];
    const double delta2 = zk * zk - zk1 * zk1;
    for (int i = 1; i <= 3; ++i) {
      const double t = (q[i][1] * d.alphaX[k] + q[i][2] * d.alphaY[k]) + q[i][3] * d.alphaXY[k];
      const double m = (q[i][1] * d.betaX[k] + q[i][2] * d.betaY[k]) + q[i][3] * d.betaXY[k];
      d.TN[i] += t * d.thickness[k];
      d.TM[i] += (t * 0.5) * delta2;
      d.MN[i] += m * d.thickness[k];
      d.MM[i] += (m * 0.5) * delta2;
    }
  }
  for (int i = 1; i <= 3; ++i) {
    d.thermalLoad[i] = d.deltaT * d.TN[i];
    d.thermalLoad[i + 3] = d.deltaT * d.TM[i];
    d.moistureLoad[i] = d.moistureGain * d.MN[i];
    d.moistureLoad[i + 3] = d.moistureGain * d.MM[i];
  }
}

void computeApparentExpansion(LaminateData& d) {
  // In-plane sums and the in-plane block of the inverse only.
  const Mat6& a = d.ABDInverse;
  d.CTEX = (a[1][1] * d.TN[1] + a[1][2] * d.TN[2]) + a[1][3] * d.TN[3];
  d.CTEY = (a[2][1] * d.TN[1] + a[2][2] * d.TN[2]) + a[2][3] * d.TN[3];
  d.CTEXY = (a[3][1] * d.TN[1] + a[3][2] * d.TN[2]) + a[3][3] * d.TN[3];
  d.CMEX = (a[1][1] * d.MN[1] + a[1][2] * d.MN[2]) + a[1][3] * d.MN[3];
  d.CMEY = (a[2][1] * d.MN[1] + a[2][2] * d.MN[2]) + a[2][3] * d.MN[3];
  d.CMEXY = (a[3][1] * d.MN[1] + a[3][2] * d.MN[2]) + a[3][3] * d.MN[3];
}

void computeApparentProperties(LaminateData& d) {
  computeEngineeringConstants(d);
  computeLayerExpansion(d);
  computeHygrothermalLoads(d);
  computeApparentExpansion(d);
}

}  // namespace vc
