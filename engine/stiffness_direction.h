// Apparent stiffness of the laminate turned in its own plane: the in-plane
// constants EX, EY, GXY, vXY and the flexural moduli EXB, EYB that the
// laminate would have if every ply angle were increased by theta. They are
// the constants along the direction at -theta from the laminate's X axis.
//
// The values come from the inverse ABD matrix already in the record: each
// 3 by 3 block of the inverse turns as a compliance,
//   a'(theta) = Ts(theta)^T a Ts(theta),
// with Ts the stress transformation of the ply rotation (m = cos theta,
// n = sin theta), so nothing is re-inverted. Needs a record after a run that
// inverted its ABD matrix.
#pragma once

#include <array>

#include "engine/laminate_data.h"

namespace vc {

// One turned direction. thetaDeg is the angle added to every ply.
struct StiffnessDirection {
  double thetaDeg = 0.0;
  double EX = 0.0, EY = 0.0, GXY = 0.0, vXY = 0.0;
  double EXB = 0.0, EYB = 0.0;
};

// theta = 0, 1, ..., 180 degrees.
constexpr int kStiffnessDirectionCount = 181;
using StiffnessDirections = std::array<StiffnessDirection, kStiffnessDirectionCount>;

// The constants of the laminate turned by thetaDeg degrees.
StiffnessDirection stiffnessTurnedBy(const LaminateData& d, double thetaDeg);

// The whole table, theta in 1 degree steps from 0 to 180.
StiffnessDirections stiffnessDirections(const LaminateData& d);

}  // namespace vc
