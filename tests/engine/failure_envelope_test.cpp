#include "engine/failure_envelope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
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

double relative(double a, double b) {
  return std::fabs(a - b) / std::fmax(std::fabs(a), std::fabs(b));
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
  const double h = d.totalThickness;
  struct Axis {
    LoadPair pair;
    int degrees;
    bool second;
    int column;
  };
  const Axis axes[] = {
      {LoadPair::NxNy, 0, false, kXTension}, {LoadPair::NxNy, 180, false, kXCompression},
      {LoadPair::NxNy, 90, true, kYTension}, {LoadPair::NxNy, 270, true, kYCompression},
      {LoadPair::NxNxy, 90, true, kXYShear}, {LoadPair::NyNxy, 0, false, kYTension}};
  for (const Axis& a : axes) {
    const auto e = envelope(d, a.pair, Treatment::ScaledWithLoad);
    for (int c = 0; c < kCriterionCount; ++c) {
      SCOPED_TRACE(testing::Message() << a.degrees << " column " << a.column << " criterion " << c);
      const EnvelopePoint& p = e->point[c][a.degrees];
      EXPECT_LT(relative((a.second ? p.second : p.first) / h, d.fpfStrength[c][a.column]), 1e-12);
    }
  }
}

// With no temperature or moisture the fixed residual state is zero and the
// two treatments must give one envelope; every point lies on its ray.
TEST(FailureEnvelope, TreatmentsCoincideWithoutTemperatureAndMoisture) {
  LaminateData d = test::makeStack(test::kTestPly, {0, 60, -30, 90}, 0.2);
  ASSERT_TRUE(test::throughApparentProperties(d));
  for (LoadPair pair : {LoadPair::NxNy, LoadPair::NxNxy, LoadPair::NyNxy}) {
    const auto a = envelope(d, pair, Treatment::ScaledWithLoad);
    const auto b = envelope(d, pair, Treatment::HeldFixed);
    for (int c = 0; c < kCriterionCount; ++c)
      for (int i = 0; i < kEnvelopeDirectionCount; ++i) {
        SCOPED_TRACE(testing::Message() << int(pair) << " " << c << " " << i);
        const EnvelopePoint &p = a->point[c][i], &q = b->point[c][i];
        // (The first layer may differ where two layers tie to rounding.)
        EXPECT_LT(relative(p.factor, q.factor), 1e-12);
        const double phi = i * M_PI / 180.0, r = std::hypot(q.first, q.second);
        EXPECT_NEAR(q.first, r * std::cos(phi), 1e-12 * r);
        EXPECT_NEAR(q.second, r * std::sin(phi), 1e-12 * r);
      }
  }
}

// A single 0 degree ply traces each criterion's own curve in the plane of
// its average stresses N / h (laminate axes are material axes).
TEST(FailureEnvelope, SingleZeroDegreePlyGivesEachCriterionsOwnCurve) {
  const test::TestMaterial p = test::kTestPly;
  LaminateData d = test::makeStack(p, {0.0}, 0.5);
  ASSERT_TRUE(test::throughApparentProperties(d));
  const double Xt = 1500, Xc = -1200, Yt = 40, Yc = -200, S = 70;
  const double F1 = 1 / Xt + 1 / Xc, F2 = 1 / Yt + 1 / Yc, F11 = -1 / (Xt * Xc),
               F22 = -1 / (Yt * Yc), F66 = 1 / (S * S);
  using Curve = std::function<double(double, double, double)>;
  const Curve curves[kCriterionCount] = {
      [&](double s1, double s2, double t) {  // Max Stress: a rectangle
        return std::fmax(std::fmax(s1 / (s1 < 0 ? Xc : Xt), s2 / (s2 < 0 ? Yc : Yt)),
                         std::fabs(t) / S);
      },
      [&](double s1, double s2, double t) {  // Max Strain: a parallelogram in stresses
        const double e1 = (s1 - p.v12 * s2) / p.E1, e2 = s2 / p.E2 - p.v12 * s1 / p.E1;
        return std::fmax(
            std::fmax(e1 / ((e1 < 0 ? Xc : Xt) / p.E1), e2 / ((e2 < 0 ? Yc : Yt) / p.E2)),
            std::fabs(t) / S);
      },
      [&](double s1, double s2, double t) {  // Tsai-Hill
        const double X = s1 < 0 ? Xc : Xt, Y = s2 < 0 ? Yc : Yt;
        return (s1 * s1 - s1 * s2) / (X * X) + s2 * s2 / (Y * Y) + t * t / (S * S);
      },
      [&](double s1, double s2, double t) {  // Hoffman
        return F1 * s1 + F2 * s2 + F11 * s1 * s1 + F22 * s2 * s2 + F66 * t * t - F11 * s1 * s2;
      },
      [&](double s1, double s2, double t) {  // Tsai-Wu
        return F1 * s1 + F2 * s2 + F11 * s1 * s1 + F22 * s2 * s2 + F66 * t * t -
               std::sqrt(F11 * F22) * s1 * s2;
      }};
  for (Treatment t : {Treatment::ScaledWithLoad, Treatment::HeldFixed})
    for (LoadPair pair : {LoadPair::NxNy, LoadPair::NxNxy, LoadPair::NyNxy}) {
      const auto e = envelope(d, pair, t);
      for (int c = 0; c < kCriterionCount; ++c)
        for (const EnvelopePoint& q : e->point[c]) {
          double n[4] = {0, 0, 0, 0};
          n[firstResultant(pair)] = q.first / 0.5;
          n[secondResultant(pair)] = q.second / 0.5;
          EXPECT_NEAR(curves[c](n[1], n[2], n[3]), 1.0, 1e-9) << int(t) << int(pair) << c;
          EXPECT_EQ(q.layer, 1);
        }
    }
  // The 45 degree ray of (NX, NY) meets the Max Stress rectangle at its
  // Yt edge: NX = NY = 40 * 0.5.
  const auto e = envelope(d, LoadPair::NxNy, Treatment::HeldFixed);
  EXPECT_NEAR(e->point[kMaxStress][45].first, 20.0, 1e-9);
  EXPECT_NEAR(e->point[kMaxStress][45].second, 20.0, 1e-9);
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
TEST(FailureEnvelope, CuringStressesOfACrossPlyByHand) {
  const test::TestMaterial p{90000.0, 10000.0, 5000.0, 0.0, 0.0, 2.0e-5, 0.0, 0.0};
  LaminateData d = test::makeStack(p, {0, 90, 90, 0}, 0.25);
  d.thermalOn = true;
  d.deltaT = -100.0;
  ASSERT_TRUE(test::throughApparentProperties(d));
  struct Case {
    LoadPair pair;
    Treatment t;
    int degrees;
    int criterion;
    double value;
    double plyDeg;
  };
  const Case cases[] = {
      {LoadPair::NxNy, Treatment::HeldFixed, 0, kMaxStress, 110.0, 90},
      {LoadPair::NxNy, Treatment::HeldFixed, 180, kMaxStress, -1182.0 / 1.8, 0},
      {LoadPair::NxNy, Treatment::ScaledWithLoad, 0, kMaxStress, 400000.0 / 2018.0, 90},
      {LoadPair::NxNy, Treatment::HeldFixed, 0, kTsaiWu, 108.475685294094, 90},
      {LoadPair::NxNxy, Treatment::HeldFixed, 90, kTsaiWu, 53.932717343000625, -1},
      {LoadPair::NxNxy, Treatment::HeldFixed, 90, kHoffman, 54.047072076107874, -1},
      {LoadPair::NxNxy, Treatment::HeldFixed, 90, kTsaiHill, 62.49435974550023, -1},
      {LoadPair::NxNxy, Treatment::HeldFixed, 90, kMaxStress, 70.0, -1}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.degrees << " criterion " << c.criterion);
    const auto e = envelope(d, c.pair, c.t);
    const EnvelopePoint& q = e->point[c.criterion][c.degrees];
    EXPECT_NEAR(c.degrees == 90 ? q.second : q.first, c.value, 1e-9);
    if (c.plyDeg >= 0) {
      EXPECT_NEAR(d.angle[q.layer] * 180.0 / kPi, c.plyDeg, 1e-9);
    }
  }
}

// Tsai-Hill along a path on which sigma2 changes sign: from +18 the
// tensile strength no longer applies once sigma2 < 0, and failure comes at
// sigma2 = Yc = -200, i.e. lambda = 218 (not 58 from the Yt branch).
TEST(FailureWithResidualStress, EdgeCasesOfTheGrowingPath) {
  const PlyStrengths s{1500.0, -1200.0, 40.0, -200.0, 70.0};
  EXPECT_NEAR(tsaiHillGrowthToFailure(s, {0, 18, 0}, {0, -1, 0}), 218.0, 1e-9);
  EXPECT_NEAR(maxComponentGrowthToFailure(s, {0, 18, 0}, {0, -1, 0}), 218.0, 1e-9);
  // A residual state beyond the strength fails at once; no growth, no failure.
  const QuadraticCoefficients q = quadraticCoefficients(s);
  EXPECT_EQ(tsaiWuGrowthToFailure(q, {0, 45, 0}, {1, 0, 0}), 0.0);
  EXPECT_EQ(tsaiHillGrowthToFailure(s, {0, 45, 0}, {1, 0, 0}), 0.0);
  EXPECT_EQ(maxComponentGrowthToFailure(s, {0, 45, 0}, {1, 0, 0}), 0.0);
  EXPECT_EQ(hoffmanGrowthToFailure(q, {0, 10, 0}, {0, 0, 0}), kNoFailureFactor);
}

}  // namespace
}  // namespace vc
