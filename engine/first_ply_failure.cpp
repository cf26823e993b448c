#include "engine/first_ply_failure.h"

#include "engine/engine_bounds.h"
#include "engine/failure_step.h"
#include "engine/ply_strains.h"

namespace vc {

namespace {

constexpr double kUnitLoad = 10000.0;

struct SavedLoadState {
  bool showPlyStresses, mechanicalOn, forcesGiven, strainsGiven;
  Vec6 mechLoad;
  Vec6 midplaneStrain;
};

void save(const LaminateData& d, SavedLoadState& s) {
  s.showPlyStresses = d.showPlyStresses;
  s.mechanicalOn = d.mechanicalOn;
  s.forcesGiven = d.forcesGiven;
  s.strainsGiven = d.strainsGiven;
  for (int i = 0; i <= 6; ++i) {
    s.mechLoad[i] = d.mechLoad[i];
    s.midplaneStrain[i] = d.midplaneStrain[i];
  }
}

void restore(LaminateData& d, const SavedLoadState& s) {
  d.showPlyStresses = s.showPlyStresses;
  d.mechanicalOn = s.mechanicalOn;
  d.forcesGiven = s.forcesGiven;
  d.strainsGiven = s.strainsGiven;
  for (int i = 0; i <= 6; ++i) {
    d.mechLoad[i] = s.mechLoad[i];
    d.midplaneStrain[i] = s.midplaneStrain[i];
  }
}

}  // namespace

bool allStrengthsNonZero(const LaminateData& d) {
  const int nm = materialLoopCount(d);
  for (int m = 1; m <= nm; ++m) {
    if (d.Xt[m] == 0.0 || d.Xc[m] == 0.0 || d.Yt[m] == 0.0 || d.Yc[m] == 0.0 || d.S[m] == 0.0)
      return false;
  }
  return true;
}

void computeFirstPlyFailure(LaminateData& d) {
  if (!allStrengthsNonZero(d)) return;
  SavedLoadState saved;
  save(d, saved);
  d.showPlyStresses = true;
  d.mechanicalOn = true;
  d.forcesGiven = true;
  d.strainsGiven = false;

  const double h = d.totalThickness;
  for (int direction = 1; direction <= 3; ++direction) {
    for (int i = 1; i <= 6; ++i) {
      d.mechLoad[i] = (i == direction) ? kUnitLoad : 0.0;
      d.midplaneStrain[i] = 0.0;
    }
    runStrainStep(d);
    runFailureStep(d);
    for (int c = 0; c < kCriterionCount; ++c) {
      const double tension = (d.minPlus[c] * kUnitLoad) / h;
      const double compression = (d.minMinus[c] * kUnitLoad) / h;
      if (direction == 1) {
        d.fpfStrength[c][kXTension] = tension;
        d.fpfStrength[c][kXCompression] = compression;
      } else if (direction == 2) {
        d.fpfStrength[c][kYTension] = tension;
        d.fpfStrength[c][kYCompression] = compression;
      } else {
        d.fpfStrength[c][kXYShear] = tension;
      }
    }
  }
  restore(d, saved);
}

}  // namespace vc
