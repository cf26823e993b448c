// Strains and stresses through the thickness as the run left them, for
// plots and exports: one point per ply surface, bottom to top (lower, mid,
// upper surface of layer 1, then of layer 2, ...). Nothing is computed here
// beyond the mid-surface z; the view reads the record it was made from,
// which must outlive it.
//
// Ply results exist only when the run's strain step ran for the run's own
// load. Otherwise the record's ply arrays hold the last unit-load case of
// the first-ply-failure strengths (or an older run), and the view is empty.
#pragma once

#include "engine/laminate_data.h"

namespace vc {

// The run's strain step ran with the run's loads: some load is applied and
// an option asked for load vectors, ply stresses or failure factors.
bool plyResultsComputed(const LaminateData& d);
// The failure step ran with the run's loads.
bool failureFactorsComputed(const LaminateData& d);

struct ThicknessPoint {
  int layer = 0;  // 1..numLayers
  Surface surface = kLower;
  double z = 0.0;    // z[layer - 1], the mean of z[layer - 1] and z[layer], or z[layer]
  int material = 0;  // MatID of the layer
  double angleDeg = 0.0;
  const SurfaceResults* results = nullptr;  // both axes, total and effective strains, stresses
};

class ThroughThicknessView {
 public:
  explicit ThroughThicknessView(const LaminateData& d);

  // 3 points per layer, or 0 when the run computed no ply results.
  int pointCount() const { return points_; }
  ThicknessPoint point(int index) const;  // 0 <= index < pointCount()

 private:
  const LaminateData& d_;
  int points_ = 0;
};

}  // namespace vc
