// Whatever the record holds, the run ends normally and stays inside its
// arrays; the sanitizer build of these tests catches any stray access or
// undefined conversion.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "engine/analysis_run.h"
#include "engine/input_preparation.h"
#include "engine_fixtures.h"
#include "support/capturing_messages.h"

namespace vc {
namespace {

double pick(std::mt19937& gen) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  static const double values[] = {0.0,   -0.0,     1.0,  -1.0, 1e-300,
                                  1e300, -1e300,   0.125, 140000.0, inf,
                                  -inf,  std::numeric_limits<double>::quiet_NaN(),
                                  std::numeric_limits<double>::denorm_min()};
  std::uniform_int_distribution<int> i(0, static_cast<int>(sizeof values / sizeof values[0]) - 1);
  return values[i(gen)];
}

TEST(BadInput, RandomRecordsNeverCrash) {
  std::mt19937 gen(2024);
  std::uniform_int_distribution<int> matCount(-2, 12);
  std::uniform_int_distribution<int> layerCount(-2, 102);
  std::uniform_int_distribution<int> id(-3, 12);
  std::bernoulli_distribution flag(0.5);
  for (int trial = 0; trial < 400; ++trial) {
    LaminateData d;
    d.numMaterials = matCount(gen);
    d.numLayers = layerCount(gen);
    for (int m = 1; m <= kMaxMaterials; ++m) {
      for (double* field : {d.E1, d.E2, d.G12, d.v12, d.CTE1, d.CTE2, d.CME1, d.CME2, d.Xt, d.Xc,
                            d.Yt, d.Yc, d.S})
        field[m] = pick(gen);
    }
    for (int k = 1; k <= kMaxLayers; ++k) {
      d.MatID[k] = flag(gen) ? 1 : id(gen);
      d.angle[k] = pick(gen);
      d.thickness[k] = pick(gen);
    }
    for (int i = 1; i <= 6; ++i) {
      d.mechLoad[i] = pick(gen);
      d.midplaneStrain[i] = pick(gen);
    }
    d.deltaT = pick(gen);
    d.moistureGain = pick(gen);
    d.symmetric = flag(gen);
    d.doubleDouble = flag(gen);
    d.showFailure = flag(gen);
    d.showPlyStresses = flag(gen);
    d.showLoadVectors = flag(gen);
    d.mechanicalOn = flag(gen);
    d.thermalOn = flag(gen);
    d.moistureOn = flag(gen);
    d.strainsGiven = flag(gen);
    d.forcesGiven = !d.strainsGiven;
    prepareCopiedInputs(d);
    test::CapturingMessages m;
    const EngineOutcome o = runChecksAndEngine(d, m);
    EXPECT_LE(m.messages.size(), 3u);
    if (o.status == RunStatus::Completed && d.showFailure) {
      const int n = d.numLayers;
      for (int k = 1; k <= n; ++k)
        for (int c = 0; c < kCriterionCount; ++c) {
          EXPECT_FALSE(std::isnan(d.failPlus[k][c]));
          EXPECT_FALSE(std::isnan(d.failMinus[k][c]));
        }
    }
  }
}

TEST(BadInput, InfiniteModulusGivesMarkedValuesNotACrash) {
  test::MaterialSpec s = test::testPly();
  s.E1 = std::numeric_limits<double>::infinity();
  LaminateData d = test::makeStack(s, {0.0}, 0.1);
  d.showFailure = d.mechanicalOn = true;
  d.mechLoad[1] = 1.0;
  test::CapturingMessages m;
  EXPECT_NE(runChecksAndEngine(d, m).status, RunStatus::Refused);
  for (int c = 0; c < kCriterionCount; ++c) EXPECT_FALSE(std::isnan(d.failPlus[1][c]));
}

}  // namespace
}  // namespace vc
