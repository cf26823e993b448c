#include "engine/ply_strains.h"

#include <initializer_list>

#include "engine/engine_bounds.h"
#include "engine/ply_rotation.h"

namespace vc {

namespace {

// out = M * v over rows and columns 1..6, each row accumulated from 0.0 in
// column order.
void multiply6(const Mat6& M, const Vec6& v, Vec6& out) {
  for (int i = 1; i <= 6; ++i) {
    double sum = 0.0;
    for (int j = 1; j <= 6; ++j) sum += M[i][j] * v[j];
    out[i] = sum;
  }
}

void laminateStrainVectors(LaminateData& d) {
  multiply6(d.ABDInverse, d.thermalLoad, d.thermalStrain);
  multiply6(d.ABDInverse, d.moistureLoad, d.moistureStrain);
  if (d.mechanicalOn && d.strainsGiven) {
    // The given strains are total strains; find the mechanical resultants
    // that, with the hygrothermal loads, produce them.
    Vec6 total;
    multiply6(d.ABD, d.midplaneStrain, total);
    for (int i = 1; i <= 6; ++i) d.mechLoad[i] = (total[i] - d.thermalLoad[i]) - d.moistureLoad[i];
  } else {
    Vec6 load;
    for (int i = 1; i <= 6; ++i) load[i] = (d.mechLoad[i] + d.thermalLoad[i]) + d.moistureLoad[i];
    multiply6(d.ABDInverse, load, d.midplaneStrain);
  }
}

void toMaterialStrains(const PlyRotation& r, const Vec3& xy, Vec3& out) {
  const double eX = xy[1], eY = xy[2], gXY = xy[3];
  out[1] = (r.m2 * eX + r.n2 * eY) + (r.m * r.n) * gXY;
  out[2] = (r.n2 * eX + r.m2 * eY) - (r.m * r.n) * gXY;
  out[3] = 2.0 * ((((-r.m) * r.n) * eX + (r.m * r.n) * eY) + (0.5 * (r.m2 - r.n2)) * gXY);
}

void toMaterialStresses(const PlyRotation& r, const Vec3& xy, Vec3& out) {
  const double sX = xy[1], sY = xy[2], sXY = xy[3];
  out[1] = (r.m2 * sX + r.n2 * sY) + ((2.0 * r.m) * r.n) * sXY;
  out[2] = (r.n2 * sX + r.m2 * sY) - ((2.0 * r.m) * r.n) * sXY;
  out[3] = (((-r.m) * r.n) * sX + (r.m * r.n) * sY) + (r.m2 - r.n2) * sXY;
}

void midOf(const Vec3& lower, const Vec3& upper, Vec3& mid) {
  for (int i = 1; i <= 3; ++i) mid[i] = (lower[i] + upper[i]) * 0.5;
}

void plyResults(LaminateData& d, int k) {
  const int mat = safeMaterialIndex(d, k);
  const PlyRotation r = plyRotation(d.angle[k]);
  const double dT = d.deltaT, dM = d.moistureGain;
  SurfaceResults& lo = d.ply[k][kLower];
  SurfaceResults& up = d.ply[k][kUpper];
  SurfaceResults& mid = d.ply[k][kMid];

  for (int i = 1; i <= 3; ++i) {
    lo.strainXY[i] = d.interfaceStrain[k - 1][i];
    up.strainXY[i] = d.interfaceStrain[k][i];
  }
  midOf(lo.strainXY, up.strainXY, mid.strainXY);

  toMaterialStrains(r, lo.strainXY, lo.strain12);
  toMaterialStrains(r, up.strainXY, up.strain12);
  midOf(lo.strain12, up.strain12, mid.strain12);

  for (SurfaceResults* s : {&lo, &up}) {
    s->effStrainXY[1] = (s->strainXY[1] - d.alphaX[k] * dT) - d.betaX[k] * dM;
    s->effStrainXY[2] = (s->strainXY[2] - d.alphaY[k] * dT) - d.betaY[k] * dM;
    s->effStrainXY[3] = (s->strainXY[3] - d.alphaXY[k] * dT) - d.betaXY[k] * dM;
  }
  midOf(lo.effStrainXY, up.effStrainXY, mid.effStrainXY);

  const Mat3& q = d.QBar[k];
  for (SurfaceResults* s : {&lo, &up, &mid}) {
    s->effStrain12[1] = (s->strain12[1] - d.CTE1[mat] * dT) - d.CME1[mat] * dM;
    s->effStrain12[2] = (s->strain12[2] - d.CTE2[mat] * dT) - d.CME2[mat] * dM;
    s->effStrain12[3] = s->strain12[3];
    for (int i = 1; i <= 3; ++i) {
      double sum = 0.0;
      for (int j = 1; j <= 3; ++j) sum += q[i][j] * s->effStrainXY[j];
      s->stressXY[i] = sum;
    }
    toMaterialStresses(r, s->stressXY, s->stress12);
  }
}

}  // namespace

void runStrainStep(LaminateData& d) {
  laminateStrainVectors(d);
  const int n = layerLoopCount(d);
  const Vec6& e = d.midplaneStrain;
  for (int j = 0; j <= n; ++j) {
    d.interfaceStrain[j][1] = e[1] + d.z[j] * e[4];
    d.interfaceStrain[j][2] = e[2] + d.z[j] * e[5];
    d.interfaceStrain[j][3] = e[3] + d.z[j] * e[6];
  }
  for (int k = 1; k <= n; ++k) plyResults(d, k);
}

}  // namespace vc
