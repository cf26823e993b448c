#include "engine/failure_criteria.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/failure_step.h"
#include "engine/laminate_data.h"

namespace vc {
namespace {

const PlyStrengths kStrengths{1000.0, -800.0, 40.0, -200.0, 70.0};

using Criterion = FactorPair (*)(const PlyStrengths&, double, double, double);
const Criterion kCriteria[] = {maxComponentFactors, tsaiHillFactors, tsaiWuFactors,
                               hoffmanFactors};
const char* const kNames[] = {"max component", "Tsai-Hill", "Tsai-Wu", "Hoffman"};

// Pure fibre stress of 100 against X = 1000 / -800 gives +10 and -8 under
// every criterion (Tsai-Wu: roots of 100^2 R^2 / 800000 + (1/1000 - 1/800)
// 100 R = 1); no stress at all means no failure, shown as +/-9999.
TEST(FailureCriteria, UniaxialFibreStressAndNoStress) {
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(kNames[i]);
    const FactorPair f = kCriteria[i](kStrengths, 100.0, 0.0, 0.0);
    EXPECT_NEAR(f.plus, 10.0, 1e-12);
    EXPECT_NEAR(f.minus, -8.0, 1e-12);
    const FactorPair none = kCriteria[i](kStrengths, 0.0, 0.0, 0.0);
    EXPECT_EQ(none.plus, 9999.0);
    EXPECT_EQ(none.minus, -9999.0);
  }
}

TEST(FailureCriteria, LargeFactorsAreLimitedTo9999) {
  // 1000 / (1000/12000) = 12000 is shown as 9999.
  const FactorPair f = maxComponentFactors(kStrengths, 1000.0 / 12000.0, 0.0, 0.0);
  EXPECT_EQ(f.plus, 9999.0);
  EXPECT_DOUBLE_EQ(f.minus, -9600.0);  // 800 / (1/12) stays below the limit
  const FactorPair h = tsaiHillFactors(kStrengths, 1000.0 / 12000.0, 0.0, 0.0);
  EXPECT_EQ(h.plus, 9999.0);
}

TEST(FailureCriteria, MaxStressTakesTheGoverningComponent) {
  // sigma2 = -50 against Yc = -200 gives 4; shear 35 against 70 gives 2.
  const FactorPair f = maxComponentFactors(kStrengths, 200.0, -50.0, -35.0);
  EXPECT_DOUBLE_EQ(f.plus, 2.0);
  // Reversed: -200 against Xc (4), +50 against Yt (0.8), shear 2.
  EXPECT_DOUBLE_EQ(f.minus, -0.8);
}

TEST(FailureCriteria, MaxStrainUsesUltimateStrainsBySign) {
  const PlyStrengths strains{0.01, -0.008, 0.004, -0.02, 0.015};
  const FactorPair f = maxComponentFactors(strains, -0.002, 0.0, 0.0);
  EXPECT_DOUBLE_EQ(f.plus, 4.0);
  EXPECT_DOUBLE_EQ(f.minus, -5.0);
}

TEST(FailureCriteria, HoffmanWithoutARealRootDoesNotFail) {
  // F11 > 4 F22 lets the Hoffman quadratic term go negative: with
  // |X| = 10, |Y| = 100, sigma = (1, 2) there is no real root.
  const PlyStrengths s{10.0, -10.0, 100.0, -100.0, 50.0};
  const FactorPair f = hoffmanFactors(s, 1.0, 2.0, 0.0);
  EXPECT_EQ(f.plus, 9999.0);
  EXPECT_EQ(f.minus, -9999.0);
}

TEST(FailureCriteria, ZeroOrNonFiniteStrengthsNeverGiveNaN) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const PlyStrengths cases[] = {{0, 0, 0, 0, 0}, {nan, nan, nan, nan, nan}, {inf, -inf, inf, -inf, inf},
                                {1000, 0, 40, 0, 0}};
  const double stresses[][3] = {{0, 0, 0}, {100, 0, 0}, {0, 0, 5}, {nan, 1, 1}, {inf, -inf, 1}};
  for (const PlyStrengths& s : cases)
    for (const auto& st : stresses) {
      for (Criterion criterion : kCriteria) {
        const FactorPair f = criterion(s, st[0], st[1], st[2]);
        EXPECT_FALSE(std::isnan(f.plus));
        EXPECT_FALSE(std::isnan(f.minus));
        EXPECT_LE(f.plus, 9999.0);
        EXPECT_GE(f.minus, -9999.0);
      }
    }
}

TEST(FailureMinima, EqualMagnitudesKeepTheLowerLayerAndItsSign) {
  LaminateData d;
  d.numLayers = 3;
  for (int c = 0; c < kCriterionCount; ++c) {
    d.failPlus[1][c] = -5.0;
    d.failPlus[2][c] = 5.0;
    d.failPlus[3][c] = 7.0;
    d.failMinus[1][c] = -9999.0;
    d.failMinus[2][c] = 3.0;
    d.failMinus[3][c] = -3.0;
  }
  computeFailureMinima(d);
  for (int c = 0; c < kCriterionCount; ++c) {
    EXPECT_EQ(d.minPlus[c], -5.0);
    EXPECT_EQ(d.minMinus[c], 3.0);
  }
}

TEST(FailureMinima, StartAt10000) {
  LaminateData d;
  d.numLayers = 0;
  computeFailureMinima(d);
  EXPECT_EQ(d.minPlus[kTsaiWu], 10000.0);
  EXPECT_EQ(d.minMinus[kTsaiWu], 10000.0);
}

}  // namespace
}  // namespace vc
