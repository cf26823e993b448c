// The apparent in-plane constants of the laminate against the direction of
// the axis they are measured along: EX(phi) is the modulus along the line
// at phi degrees from the laminate's X axis (counter-clockwise, towards Y),
// and EY, GXY, vXY belong to that turned pair of axes. Points are
// (phi, value) for phi = 0, 1, ..., lastDegree.
//
// Measuring along +phi is the same as turning the laminate by -phi, so the
// values are those of stiffnessTurnedBy(d, -phi).
#pragma once

#include "engine/laminate_data.h"
#include "plots/plot_curve.h"

namespace vc {

struct StiffnessCurves {
  PlotCurve EX, EY, GXY, vXY;
};

// Needs a record after a run that inverted its ABD matrix.
StiffnessCurves stiffnessCurves(const LaminateData& d, int lastDegree);

}  // namespace vc
