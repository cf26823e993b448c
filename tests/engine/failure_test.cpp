// Ply failure factors against quadratics solved by hand, at the limits the
// reports rarely reach (the first-ply-failure table is pinned by the
// reference reports).
#include <gtest/gtest.h>

#include <limits>

#include "engine/failure_criteria.h"

namespace vc {
namespace {

using Criterion = FactorPair (*)(const PlyStrengths&, double, double, double);

// One stress state per row and the factors of each criterion, solved by
// hand. Strengths X = 1000 / -800, Y = 40 / -200, S = 70 unless given.
TEST(FailureCriteria, FactorsSolvedByHand) {
  const PlyStrengths k{1000.0, -800.0, 40.0, -200.0, 70.0};
  struct Case {
    const char* name;
    Criterion criterion;
    PlyStrengths strengths;
    double s1, s2, t12, plus, minus;
  };
  const Case cases[] = {
      // sigma1 = 100: +10 and -8 everywhere (Tsai-Wu and Hoffman: the roots
      // of 100^2 R^2 / 800000 + (1/1000 - 1/800) 100 R = 1).
      {"max stress", maxComponentFactors, k, 100, 0, 0, 10, -8},
      {"Tsai-Hill", tsaiHillFactors, k, 100, 0, 0, 10, -8},
      {"Tsai-Wu", tsaiWuFactors, k, 100, 0, 0, 10, -8},
      {"Hoffman", hoffmanFactors, k, 100, 0, 0, 10, -8},
      // sigma1 = 0.1: V = -2.5e-5 is small but not zero; the roots of
      // 1.25e-8 R^2 - 2.5e-5 R = 1 are 10000 (shown as 9999) and -8000.
      {"Tsai-Wu, small stress", tsaiWuFactors, k, 0.1, 0, 0, 9999, -8000},
      // No stress: no failure.
      {"Tsai-Wu, no stress", tsaiWuFactors, k, 0, 0, 0, 9999, -9999},
      {"Tsai-Hill, no stress", tsaiHillFactors, k, 0, 0, 0, 9999, -9999},
      // 1000 / (1/12) = 12000 is shown as 9999; 800 / (1/12) = 9600 stays.
      {"max stress, limited", maxComponentFactors, k, 1.0 / 12, 0, 0, 9999, -9600},
      {"Tsai-Hill, limited", tsaiHillFactors, k, 1.0 / 12, 0, 0, 9999, -9600},
      // sigma2 = -50 against Yc (4), shear 35 against 70 (2); reversed:
      // -200 against Xc (4), +50 against Yt (0.8).
      {"max stress, governing", maxComponentFactors, k, 200, -50, -35, 2, -0.8},
      // Strains by sign: -0.002 against -0.008 (4) and reversed 0.01 (5).
      {"max strain", maxComponentFactors, {0.01, -0.008, 0.004, -0.02, 0.015}, -0.002, 0, 0, 4, -5},
      // F11 > 4 F22 lets Hoffman's quadratic term go negative: with |X| = 10,
      // |Y| = 100 and sigma = (1, 2), V = 0.04 - 0.02 - 0.01 < 0 has no real root.
      {"Hoffman, no real root", hoffmanFactors, {10, -10, 100, -100, 50}, 1, 2, 0, 9999, -9999},
      // Transverse strengths far above the longitudinal ones (F22 < F11 / 4):
      // with X = 10 / -1000, Y = 1000 / -100000, -9.996e-5 R^2 + 0.10098 R = 1
      // has the roots 10.00198 and 1000.2 (both positive), and with the
      // stresses reversed -10.00198 and -1000.2; the direction without a root
      // of its sign never fails.
      {"Hoffman, both roots positive",
       hoffmanFactors,
       {10, -1000, 1000, -100000, 1e6},
       1,
       2,
       0,
       10.001980185975,
       -9999},
      {"Hoffman, both roots negative",
       hoffmanFactors,
       {10, -1000, 1000, -100000, 1e6},
       -1,
       -2,
       0,
       9999,
       -10.001980185975},
  };
  for (const Case& c : cases) {
    const FactorPair f = c.criterion(c.strengths, c.s1, c.s2, c.t12);
    EXPECT_NEAR(f.plus, c.plus, 1e-9) << c.name;
    EXPECT_NEAR(f.minus, c.minus, 1e-9) << c.name;
  }
}

TEST(FailureCriteria, ZeroOrNonFiniteInputsNeverGiveNaN) {
  const double nan = std::numeric_limits<double>::quiet_NaN(),
               inf = std::numeric_limits<double>::infinity();
  const PlyStrengths strengths[] = {
      {0, 0, 0, 0, 0}, {nan, nan, nan, nan, nan}, {inf, -inf, inf, -inf, inf}};
  const double stresses[][3] = {{0, 0, 0}, {100, 0, 0}, {nan, 1, 1}, {inf, -inf, 1}};
  for (const PlyStrengths& s : strengths)
    for (const auto& st : stresses)
      for (Criterion criterion :
           {maxComponentFactors, tsaiHillFactors, tsaiWuFactors, hoffmanFactors}) {
        const FactorPair f = criterion(s, st[0], st[1], st[2]);
        EXPECT_TRUE(f.plus <= 9999.0 && f.minus >= -9999.0);
      }
}

}  // namespace
}  // namespace vc
