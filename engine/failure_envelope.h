// First-ply-failure envelopes of the laminate: for a pair of in-plane force
// resultants, the load along each of 360 directions of that plane at which
// the first ply reaches each of the five criteria. The other four
// resultants are zero. Like the failure factors, only the mid-surface of
// each ply is evaluated.
//
// Two treatments of the run's temperature change and moisture gain:
// - ScaledWithLoad: the report's convention. The load case along direction
//   phi (0 <= phi < 180 degrees) is a resultant of 10000 along phi together
//   with the run's temperature and moisture, and the whole state is scaled;
//   its (+) factor gives the point along phi and its (-) factor the point
//   along phi + 180 (with the temperature and moisture reversed as well),
//   exactly as the report's factors and first-ply-failure table are formed.
//   With temperature or moisture the curve therefore jumps at 0 and 180.
// - HeldFixed: the residual stresses of temperature and moisture stay as
//   they are while only the mechanical load grows from zero, on all 360
//   directions; the engineering treatment of curing stresses.
// Without temperature and moisture the two are the same envelope.
//
// Needs a record after a completed run (inverted ABD matrix, layer
// expansion coefficients and hygrothermal load vectors in place).
#pragma once

#include "engine/laminate_data.h"

namespace vc {

enum class LoadPair : int { NxNy = 0, NxNxy = 1, NyNxy = 2 };
constexpr int kLoadPairCount = 3;

enum class HygrothermalTreatment : int { ScaledWithLoad = 0, HeldFixed = 1 };
constexpr int kHygrothermalTreatmentCount = 2;

// Direction i is at i degrees from the first resultant's positive axis
// towards the second's: (cos phi, sin phi).
constexpr int kEnvelopeDirectionCount = 360;

struct EnvelopePoint {
  double first = 0.0, second = 0.0;  // the two resultants at first ply failure
  double factor = 0.0;               // the same point as a multiple of the unit load 10000
  int layer = 0;  // the first layer to fail; 0 when none fails below 9999 times the unit load
};

struct FailureEnvelope {
  LoadPair pair = LoadPair::NxNy;
  HygrothermalTreatment treatment = HygrothermalTreatment::ScaledWithLoad;
  EnvelopePoint point[kCriterionCount][kEnvelopeDirectionCount];
};

// The resultant numbers (1..3 of mechLoad) of a pair.
int firstResultant(LoadPair pair);
int secondResultant(LoadPair pair);

// Fills `out`; returns false (and leaves it unchanged) when a material has a
// zero strength, as the first-ply-failure table is then not formed either.
bool computeFailureEnvelope(const LaminateData& d, LoadPair pair, HygrothermalTreatment treatment,
                            FailureEnvelope& out);

}  // namespace vc
