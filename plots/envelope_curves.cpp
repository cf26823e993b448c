#include "plots/envelope_curves.h"

#include <memory>

namespace vc {

const char* resultantName(int resultant) {
  static const char* const kNames[4] = {"", "NX", "NY", "NXY"};
  return resultant >= 1 && resultant <= 3 ? kNames[resultant] : "";
}

const char* criterionName(int criterion) {
  static const char* const kNames[kCriterionCount] = {"Max Stress", "Max Strain", "Tsai-Hill",
                                                      "Hoffman", "Tsai-Wu"};
  return criterion >= 0 && criterion < kCriterionCount ? kNames[criterion] : "";
}

EnvelopeCurves envelopeCurves(const LaminateData& d, LoadPair pair,
                              HygrothermalTreatment treatment) {
  EnvelopeCurves out;
  const int first = firstResultant(pair), second = secondResultant(pair);
  out.firstTitle = resultantName(first);
  out.secondTitle = resultantName(second);
  out.load = {d.mechLoad[first], d.mechLoad[second]};
  auto envelope = std::make_unique<FailureEnvelope>();
  out.available = computeFailureEnvelope(d, pair, treatment, *envelope);
  if (!out.available) return out;
  out.criteria.resize(kCriterionCount);
  for (int c = 0; c < kCriterionCount; ++c) {
    PlotCurve& curve = out.criteria[c];
    curve.name = criterionName(c);
    for (const EnvelopePoint& p : envelope->point[c]) {
      if (p.layer == 0) {
        ++out.directionsLeftOut;
      } else {
        curve.points.push_back({p.first, p.second});
      }
    }
    if (!curve.points.empty()) curve.points.push_back(curve.points.front());
  }
  return out;
}

}  // namespace vc
