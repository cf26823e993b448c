// A completed run for the export tests: a symmetric carbon/epoxy stack under
// a mechanical, temperature and moisture load with every option set, and a
// material description that needs quoting in CSV.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "engine/analysis_run.h"
#include "engine/engine_fixtures.h"
#include "support/capturing_messages.h"

namespace vc::test {

inline LaminateData completedRun(bool loaded, bool showFailure) {
  LaminateData d = makeStack(kTestPly, {0, 45, -45, 90, 90, -45, 45, 0}, 0.125);
  std::strcpy(d.description[1], "Carbon, \"T300\"/epoxy");
  d.showPlyStresses = d.showLoadVectors = d.doubleDouble = true;
  d.showFailure = showFailure;
  d.mechanicalOn = d.thermalOn = d.moistureOn = loaded;
  d.mechLoad[1] = loaded ? 120.0 : 0.0;
  d.mechLoad[6] = loaded ? 0.3 : 0.0;
  d.deltaT = loaded ? -80.0 : 0.0;
  d.moistureGain = loaded ? 0.003 : 0.0;
  CapturingMessages m;
  EXPECT_EQ(runChecksAndEngine(d, m).status, RunStatus::Completed);
  return d;
}

}  // namespace vc::test
