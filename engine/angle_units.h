// Ply angles are entered and stored in files in degrees and held in radians
// during a run. Every conversion goes through these two, with the engine's
// pi, so that a value written and read back lands on the same bits.
#pragma once

#include "engine/laminate_data.h"

namespace vc {

inline double radiansFromDegrees(double degrees) { return (degrees * kPi) / 180.0; }
inline double degreesFromRadians(double radians) { return (radians * 180.0) / kPi; }

}  // namespace vc
