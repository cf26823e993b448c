#include "engine/stiffness_direction.h"

#include "engine/angle_units.h"
#include "engine/ply_rotation.h"

namespace vc {

namespace {

using Block = double[3][3];  // 0-based

// The 3 by 3 block of the inverse ABD matrix that starts at row/column
// `offset` + 1 (0 for the in-plane block, 3 for the bending block).
void blockOf(const Mat6& m, int offset, Block& out) {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) out[i][j] = m[offset + i + 1][offset + j + 1];
}

// a' = T^T a T with T the stress transformation of a rotation by theta
// (rows: sigma1 = m2 sX + n2 sY + 2mn sXY, sigma2, tau12), the same
// rotation the ply compliance SBar goes through.
void turnCompliance(const PlyRotation& r, const Block& a, Block& out) {
  const double mn = r.m * r.n;
  const Block T = {{r.m2, r.n2, 2.0 * mn}, {r.n2, r.m2, -2.0 * mn}, {-mn, mn, r.m2 - r.n2}};
  Block aT;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      double sum = 0.0;
      for (int k = 0; k < 3; ++k) sum += a[i][k] * T[k][j];
      aT[i][j] = sum;
    }
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      double sum = 0.0;
      for (int k = 0; k < 3; ++k) sum += T[k][i] * aT[k][j];
      out[i][j] = sum;
    }
}

}  // namespace

StiffnessDirection stiffnessTurnedBy(const LaminateData& d, double thetaDeg) {
  const PlyRotation r = plyRotation(radiansFromDegrees(thetaDeg));
  Block a, da, inPlane, bending;
  blockOf(d.ABDInverse, 0, a);
  blockOf(d.ABDInverse, 3, da);
  turnCompliance(r, a, inPlane);
  turnCompliance(r, da, bending);

  // The same definitions as the laminate's own apparent constants.
  const double h = d.totalThickness;
  const double h3 = (h * h) * h;
  StiffnessDirection s;
  s.thetaDeg = thetaDeg;
  s.EX = 1.0 / (h * inPlane[0][0]);
  s.EY = 1.0 / (h * inPlane[1][1]);
  s.GXY = 1.0 / (h * inPlane[2][2]);
  s.vXY = -inPlane[0][1] / inPlane[0][0];
  s.EXB = 12.0 / (h3 * bending[0][0]);
  s.EYB = 12.0 / (h3 * bending[1][1]);
  return s;
}

StiffnessDirections stiffnessDirections(const LaminateData& d) {
  StiffnessDirections table;
  for (int i = 0; i < kStiffnessDirectionCount; ++i) table[i] = stiffnessTurnedBy(d, i);
  return table;
}

}  // namespace vc
