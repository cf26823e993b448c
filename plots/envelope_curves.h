// First-ply-failure envelopes as closed curves in the plane of a pair of
// force resultants, one per criterion, with the run's own load as a point.
// Directions along which no ply fails below 9999 times the unit load have
// no point on the curves (they would lie far outside everything else) and
// are counted instead.
#pragma once

#include <string>
#include <vector>

#include "engine/failure_envelope.h"
#include "engine/laminate_data.h"
#include "plots/plot_curve.h"

namespace vc {

// "NX", "NY" or "NXY": the resultant numbers 1..3.
const char* resultantName(int resultant);
// "Max Stress", "Max Strain", "Tsai-Hill", "Hoffman", "Tsai-Wu".
const char* criterionName(int criterion);

struct EnvelopeCurves {
  bool available = false;           // false when a material has a zero strength
  std::vector<PlotCurve> criteria;  // kCriterionCount curves, the first point repeated at the end
  PlotPoint load;                   // the run's resultants of the pair
  std::string firstTitle, secondTitle;  // "NX", "NY", ...
  int directionsLeftOut = 0;            // over all criteria
};

// Needs a record after a completed run.
EnvelopeCurves envelopeCurves(const LaminateData& d, LoadPair pair,
                              HygrothermalTreatment treatment);

}  // namespace vc
