#include "plots/stiffness_curves.h"

#include "engine/stiffness_direction.h"

namespace vc {

StiffnessCurves stiffnessCurves(const LaminateData& d, int lastDegree) {
  StiffnessCurves out;
  out.EX.name = "EX";
  out.EY.name = "EY";
  out.GXY.name = "GXY";
  out.vXY.name = "vXY";
  for (int phi = 0; phi <= lastDegree; ++phi) {
    const StiffnessDirection s = stiffnessTurnedBy(d, -phi);
    const double x = phi;
    out.EX.points.push_back({x, s.EX});
    out.EY.points.push_back({x, s.EY});
    out.GXY.points.push_back({x, s.GXY});
    out.vXY.points.push_back({x, s.vXY});
  }
  return out;
}

}  // namespace vc
