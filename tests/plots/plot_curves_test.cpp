// The curves of the result plots against hand-worked figures: a single ply
// pulled along X, a single ply at 30 degrees seen along every direction,
// and the uniaxial ends of a single ply's failure envelopes.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/analysis_run.h"
#include "engine_fixtures.h"
#include "plots/envelope_curves.h"
#include "plots/ply_bands.h"
#include "plots/stiffness_curves.h"
#include "plots/through_thickness_curves.h"
#include "support/capturing_messages.h"

namespace vc {
namespace {

using test::kTestPly;

// One ply of the test material at `angle`, thickness 2, pulled by NX = 100.
LaminateData pulledPly(double angle, bool showPlyStresses = true) {
  LaminateData d = test::makeStack(kTestPly, {angle}, 2.0);
  d.showPlyStresses = showPlyStresses;
  d.mechanicalOn = true;
  d.mechLoad[1] = 100.0;
  test::CapturingMessages m;
  EXPECT_EQ(runChecksAndEngine(d, m).status, RunStatus::Completed);
  return d;
}

// NX = 100 on a ply 2 thick is a stress of 50 along X at every z; a ply at
// 90 degrees carries it across its fibres (sigma 2), and stretches by
// 50 / E2 = 0.005 there.
TEST(ThroughThicknessCurves, APulledPlyInBothAxes) {
  const struct {
    double angle;
    ThicknessQuantity quantity;
    double expected[3];
  } cases[] = {
      {0.0, ThicknessQuantity::StressesLaminateAxes, {50.0, 0.0, 0.0}},
      {90.0, ThicknessQuantity::StressesLaminateAxes, {50.0, 0.0, 0.0}},
      {90.0, ThicknessQuantity::StressesMaterialAxes, {0.0, 50.0, 0.0}},
      {90.0,
       ThicknessQuantity::StrainsMaterialAxes,
       {-0.3 * 0.005 * 10000.0 / 140000.0, 0.005, 0.0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(thicknessQuantityName(c.quantity));
    const ThroughThicknessCurves t = throughThicknessCurves(pulledPly(c.angle), c.quantity);
    ASSERT_EQ(t.curves.size(), 3u);
    for (int i = 0; i < 3; ++i) {
      ASSERT_EQ(t.curves[i].points.size(), 3u);
      const double z[] = {-1.0, 0.0, 1.0};  // lower, mid, upper
      for (int s = 0; s < 3; ++s) {
        EXPECT_NEAR(t.curves[i].points[s].x, c.expected[i],
                    1e-12 + 1e-12 * std::fabs(c.expected[i]));
        EXPECT_EQ(t.curves[i].points[s].y, z[s]);
      }
    }
  }
}

// Without an option that runs the strain step the record holds no ply
// results of this load, and the curves stay empty rather than stale.
TEST(ThroughThicknessCurves, NoPointsWhenTheRunComputedNoPlyResults) {
  const ThroughThicknessCurves t =
      throughThicknessCurves(pulledPly(0.0, false), ThicknessQuantity::StressesLaminateAxes);
  ASSERT_EQ(t.curves.size(), 3u);
  for (const PlotCurve& c : t.curves) EXPECT_TRUE(c.points.empty()) << c.name;
}

// A ply at +30 degrees is stiffest along +30 (its fibres) and softest
// across them at 120 (the off-axis values between are tested on the engine).
TEST(StiffnessCurves, AlongThePhysicalDirection) {
  const StiffnessCurves s = stiffnessCurves(pulledPly(30.0), 360);
  ASSERT_EQ(s.EX.points.size(), 361u);
  const struct {
    const PlotCurve& curve;
    int phi;
    double expected;
  } cases[] = {{s.EX, 30, kTestPly.E1}, {s.EX, 210, kTestPly.E1},  {s.EX, 120, kTestPly.E2},
               {s.EY, 30, kTestPly.E2}, {s.GXY, 30, kTestPly.G12}, {s.vXY, 30, kTestPly.v12}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.curve.name + " at " + std::to_string(c.phi));
    EXPECT_EQ(c.curve.points[c.phi].x, c.phi);
    EXPECT_NEAR(c.curve.points[c.phi].y, c.expected, 1e-10 * c.expected);
  }
}

// One 0-degree ply 2 thick: the envelopes meet the axes at the strengths
// times the thickness (Xt 1500, Xc 1200, Yt 40, Yc 200, S 70), for every
// criterion, since each reduces to the strength on a uniaxial path.
TEST(EnvelopeCurves, UniaxialEndsOfASinglePly) {
  const LaminateData d = pulledPly(0.0);
  const struct {
    LoadPair pair;
    int direction;
    double first, second;
  } cases[] = {{LoadPair::NxNy, 0, 3000.0, 0.0},    {LoadPair::NxNy, 90, 0.0, 80.0},
               {LoadPair::NxNy, 180, -2400.0, 0.0}, {LoadPair::NxNy, 270, 0.0, -400.0},
               {LoadPair::NxNxy, 90, 0.0, 140.0},   {LoadPair::NyNxy, 270, 0.0, -140.0}};
  for (const auto& c : cases) {
    const EnvelopeCurves e = envelopeCurves(d, c.pair, HygrothermalTreatment::HeldFixed);
    ASSERT_TRUE(e.available);
    EXPECT_EQ(e.directionsLeftOut, 0);
    EXPECT_EQ(e.load.x, c.pair == LoadPair::NyNxy ? 0.0 : 100.0);
    for (const PlotCurve& curve : e.criteria) {
      SCOPED_TRACE(curve.name + " " + e.firstTitle + "-" + e.secondTitle + " at " +
                   std::to_string(c.direction));
      ASSERT_EQ(curve.points.size(), 361u);
      EXPECT_EQ(curve.points.back().x, curve.points.front().x);
      EXPECT_NEAR(curve.points[c.direction].x, c.first, 1e-9 * 3000.0);
      EXPECT_NEAR(curve.points[c.direction].y, c.second, 1e-9 * 3000.0);
    }
  }
  LaminateData weak = d;
  weak.S[1] = 0.0;
  EXPECT_FALSE(
      envelopeCurves(weak, LoadPair::NxNy, HygrothermalTreatment::ScaledWithLoad).available);
}

TEST(PlyBands, ZAnglesAndLabels) {
  LaminateData d = test::makeLaminate({kTestPly, kTestPly}, {{2, -22.5, 0.1}, {1, 45.0, 0.3}});
  ASSERT_TRUE(test::throughApparentProperties(d));
  const std::vector<PlyBand> bands = plyBands(d);
  ASSERT_EQ(bands.size(), 2u);
  EXPECT_DOUBLE_EQ(bands[0].zBottom, -0.2);
  EXPECT_DOUBLE_EQ(bands[0].zTop, -0.1);
  EXPECT_DOUBLE_EQ(bands[1].zTop, 0.2);
  EXPECT_EQ(plyBandLabel(bands[0]), "-22.5\u00b0  mat 2");
  EXPECT_EQ(plyBandLabel(bands[1]), "45\u00b0  mat 1");
  EXPECT_EQ(angleText(-1e-15), "0\u00b0");
}

}  // namespace
}  // namespace vc
