#include "engine/failure_envelope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "engine/analysis_run.h"
#include "engine/failure_with_residual_stress.h"
#include "engine_fixtures.h"
#include "support/capturing_messages.h"

namespace vc {
namespace {

using Treatment = HygrothermalTreatment;

std::unique_ptr<FailureEnvelope> envelope(const LaminateData& d, LoadPair p, Treatment t) {
  auto e = std::make_unique<FailureEnvelope>();
  EXPECT_TRUE(computeFailureEnvelope(d, p, t, *e));
  return e;
}

// A full run with a cooling and a moisture gain: the axis points of the
// report's convention are the report's own first-ply-failure table.
TEST(FailureEnvelope, AxisPointsAreTheFirstPlyFailureTable) {
  LaminateData d = test::makeStack(test::kTestPly, {0, 45, -45, 90, 30}, 0.15);
  d.thermalOn = d.moistureOn = true;
  d.deltaT = -120.0;
  d.moistureGain = 0.004;
  test::CapturingMessages m;
  ASSERT_EQ(runChecksAndEngine(d, m).status, RunStatus::Completed);
  const struct {
    LoadPair pair;
    int degrees;
    bool second;
    int column;
  } axes[] = {{LoadPair::NxNy, 0, false, kXTension},
              {LoadPair::NxNy, 180, false, kXCompression},
              {LoadPair::NxNy, 270, true, kYCompression},
              {LoadPair::NxNxy, 90, true, kXYShear}};
  for (const auto& a : axes)
    for (int c = 0; c < kCriterionCount; ++c) {
      const EnvelopePoint p = envelope(d, a.pair, Treatment::ScaledWithLoad)->point[c][a.degrees];
      const double strength = d.fpfStrength[c][a.column];
      EXPECT_NEAR((a.second ? p.second : p.first) / d.totalThickness, strength,
                  1e-12 * std::fabs(strength))
          << c;
    }
}

// Two 0 degree plies without temperature or moisture: the residual state
// is zero, so both treatments give one envelope. Every point lies on its ray
// and on the criterion's own curve in the plane of the average stresses
// N / h (laminate axes are material axes; Max Strain is left to the equal
// treatments); the two plies tie, and the lower one is named.
TEST(FailureEnvelope, ZeroDegreePliesGiveOneEnvelopeOnTheCriteriaCurves) {
  LaminateData d = test::makeStack(test::kTestPly, {0, 0}, 0.25);
  ASSERT_TRUE(test::throughApparentProperties(d));
  const double Xt = 1500, Xc = -1200, Yt = 40, Yc = -200, S = 70;
  const double F1 = 1 / Xt + 1 / Xc, F2 = 1 / Yt + 1 / Yc, F11 = -1 / (Xt * Xc),
               F22 = -1 / (Yt * Yc);
  const auto curve = [&](int criterion, double s1, double s2, double t) {
    const double X = s1 < 0 ? Xc : Xt, Y = s2 < 0 ? Yc : Yt, shear = t * t / (S * S);
    if (criterion == kMaxStress)
      return std::fmax(std::fmax(s1 / X, s2 / Y), std::fabs(t) / S);  // a rectangle
    if (criterion == kTsaiHill) return (s1 * s1 - s1 * s2) / (X * X) + s2 * s2 / (Y * Y) + shear;
    const double interaction = criterion == kHoffman ? F11 : std::sqrt(F11 * F22);  // else Tsai-Wu
    return F1 * s1 + F2 * s2 + F11 * s1 * s1 + F22 * s2 * s2 + shear - interaction * s1 * s2;
  };
  for (LoadPair pair : {LoadPair::NxNy, LoadPair::NxNxy, LoadPair::NyNxy}) {
    const auto a = envelope(d, pair, Treatment::ScaledWithLoad),
               b = envelope(d, pair, Treatment::HeldFixed);
    for (int c = 0; c < kCriterionCount; ++c)
      for (int i = 0; i < kEnvelopeDirectionCount; ++i) {
        const EnvelopePoint &p = a->point[c][i], &q = b->point[c][i];
        const double phi = i * M_PI / 180.0, r = std::hypot(q.first, q.second);
        EXPECT_NEAR(p.factor, q.factor, 1e-12 * q.factor) << int(pair) << " " << c << " " << i;
        EXPECT_NEAR(q.first, r * std::cos(phi), 1e-12 * r);
        EXPECT_NEAR(q.second, r * std::sin(phi), 1e-12 * r);
        EXPECT_NEAR(std::hypot(p.first - q.first, p.second - q.second), 0.0, 1e-12 * r);
        EXPECT_EQ(p.layer + 10 * q.layer, 11);
        double n[4] = {0, 0, 0, 0};
        n[firstResultant(pair)] = q.first / 0.5;
        n[secondResultant(pair)] = q.second / 0.5;
        EXPECT_NEAR(c == kMaxStrain ? 1.0 : curve(c, n[1], n[2], n[3]), 1.0, 1e-9)
            << int(pair) << " " << c << " " << i;
      }
  }
}

// Cross-ply [0/90]s cooled by 100, solved by hand (h = 1). With v12 = 0,
// E1 = 90000, E2 = 10000, CTE1 = 0, CTE2 = 2e-5 every ply carries the
// residual sigma1 = -18, sigma2 = +18 (E1 E2/(E1 + E2) (CTE2 - CTE1) dT).
// Under NX (eY = 0, A12 = 0): 0 degree plies sigma1 = 1.8 NX, 90 degree
// plies sigma2 = 0.2 NX; under NXY every ply carries |tau12| = NXY.
//   Max Stress, fixed:  0.2 NX + 18 = 40 -> 110;  1.8 NX - 18 = -1200 -> -656.67
//   Max Stress, scaled: 40 / (2000 + 18) * 10000 = 198.216
//   Tsai-Wu, fixed, NX: y = 0.2 NX + 18 solves y^2 + 161.2 y - 7974.56 = 0
//     (F22 y^2 + (F2 + 18 sqrt(F11 F22)) y - 18 F1 + 324 F11 - 1 = 0, times 8000)
//   shear, fixed: tau = sqrt((1 - f(-18, 18)) / F66), f(-18, 18) = 0.40638
//     (Tsai-Wu), 0.40386 (Hoffman); Tsai-Hill 70 sqrt(1 - 0.20295).
// The 90 degree plies 2 and 3 tie; the lower is named.
TEST(FailureEnvelope, CuringStressesOfACrossPlyByHand) {
  LaminateData d =
      test::makeStack({90000.0, 10000.0, 5000.0, 0.0, 0.0, 2.0e-5, 0.0, 0.0}, {0, 90, 90, 0}, 0.25);
  d.thermalOn = true;
  d.deltaT = -100.0;
  ASSERT_TRUE(test::throughApparentProperties(d));
  const struct {
    LoadPair pair;
    Treatment t;
    int degrees, criterion;
    double value;
    int layer;
  } cases[] = {{LoadPair::NxNy, Treatment::HeldFixed, 0, kMaxStress, 110.0, 2},
               {LoadPair::NxNy, Treatment::HeldFixed, 180, kMaxStress, -1182.0 / 1.8, 1},
               {LoadPair::NxNy, Treatment::ScaledWithLoad, 0, kMaxStress, 400000.0 / 2018.0, 2},
               {LoadPair::NxNy, Treatment::HeldFixed, 0, kTsaiWu, 108.475685294094, 2},
               {LoadPair::NxNxy, Treatment::HeldFixed, 90, kTsaiWu, 53.932717343000625, 0},
               {LoadPair::NxNxy, Treatment::HeldFixed, 90, kHoffman, 54.047072076107874, 0},
               {LoadPair::NxNxy, Treatment::HeldFixed, 90, kTsaiHill, 62.49435974550023, 0},
               {LoadPair::NxNxy, Treatment::HeldFixed, 90, kMaxStress, 70.0, 0}};
  for (const auto& c : cases) {
    const EnvelopePoint q = envelope(d, c.pair, c.t)->point[c.criterion][c.degrees];
    EXPECT_NEAR(c.degrees == 90 ? q.second : q.first, c.value, 1e-9)
        << c.degrees << " criterion " << c.criterion;
    EXPECT_EQ(c.layer ? q.layer : 0, c.layer) << c.degrees << " criterion " << c.criterion;
  }
}

// Edge cases of the growing path, in material axes.
TEST(FailureWithResidualStress, EdgeCasesOfTheGrowingPath) {
  const PlyStrengths s{1500.0, -1200.0, 40.0, -200.0, 70.0};
  const QuadraticCoefficients q = quadraticCoefficients(s);
  // From sigma2 = +18 the tensile strength no longer applies once sigma2 < 0:
  // failure at sigma2 = Yc = -200, lambda = 218 (not 58 from the Yt branch).
  EXPECT_NEAR(tsaiHillGrowthToFailure(s, {0, 18, 0}, {0, -1, 0}), 218.0, 1e-9);
  EXPECT_NEAR(maxComponentGrowthToFailure(s, {0, 18, 0}, {0, -1, 0}), 218.0, 1e-9);
  // Both signs change (sigma2 at 18, sigma1 at 100); the last stretch, with
  // Xc and Yc, holds the root: lambda = 18 + w, 36 w^2 - 82 w - 1433276 = 0.
  EXPECT_NEAR(tsaiHillGrowthToFailure(s, {100, 18, 0}, {-1, -1, 0}), 218.67464831592355, 1e-9);
  // A residual shear of 20 grows to S = 70.
  EXPECT_NEAR(tsaiWuGrowthToFailure(q, {0, 0, 20}, {0, 0, 1}), 50.0, 1e-9);
  // A residual state beyond the strength fails at once; no growth, no failure.
  EXPECT_EQ(tsaiWuGrowthToFailure(q, {0, 45, 0}, {1, 0, 0}) +
                tsaiHillGrowthToFailure(s, {0, 45, 0}, {1, 0, 0}),
            0.0);
  EXPECT_EQ(hoffmanGrowthToFailure(q, {0, 10, 0}, {0, 0, 0}), kNoFailureFactor);
}

}  // namespace
}  // namespace vc
