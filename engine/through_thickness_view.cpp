#include "engine/through_thickness_view.h"

#include "engine/angle_units.h"
#include "engine/engine_bounds.h"

namespace vc {

bool plyResultsComputed(const LaminateData& d) {
  return someLoadApplied(d) && (d.showLoadVectors || d.showPlyStresses || d.showFailure);
}

bool failureFactorsComputed(const LaminateData& d) { return someLoadApplied(d) && d.showFailure; }

ThroughThicknessView::ThroughThicknessView(const LaminateData& d)
    : d_(d), points_(plyResultsComputed(d) ? kSurfaceCount * layerLoopCount(d) : 0) {}

ThicknessPoint ThroughThicknessView::point(int index) const {
  // Bottom to top within a ply: lower, mid, upper.
  static constexpr Surface kOrder[kSurfaceCount] = {kLower, kMid, kUpper};
  ThicknessPoint p;
  p.layer = index / kSurfaceCount + 1;
  p.surface = kOrder[index % kSurfaceCount];
  const double below = d_.z[p.layer - 1], above = d_.z[p.layer];
  p.z = p.surface == kLower ? below : p.surface == kUpper ? above : (below + above) * 0.5;
  p.material = d_.MatID[p.layer];
  p.angleDeg = degreesFromRadians(d_.angle[p.layer]);
  p.results = &d_.ply[p.layer][p.surface];
  return p;
}

}  // namespace vc
