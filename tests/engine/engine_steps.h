// Runs the engine steps in run order on a prepared record, for tests that
// look at one step's results without the run's checks and messages.
#pragma once

#include "engine/abd_matrix.h"
#include "engine/apparent_properties.h"
#include "engine/lamina_matrices.h"
#include "engine/laminate_data.h"
#include "engine/matrix_inverse.h"

namespace vc::test {

// Lamina matrices, ABD, inversion and apparent properties; true when the
// ABD matrix could be inverted.
inline bool throughApparentProperties(LaminateData& d) {
  computeLaminaMatrices(d);
  computeABD(d);
  if (!invertABD(d)) return false;
  computeApparentProperties(d);
  return true;
}

}  // namespace vc::test
