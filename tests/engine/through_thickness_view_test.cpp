#include "engine/through_thickness_view.h"

#include <gtest/gtest.h>

#include "engine/analysis_run.h"
#include "engine_fixtures.h"
#include "support/capturing_messages.h"

namespace vc {
namespace {

LaminateData ranWith(bool mechanical, bool showPlyStresses) {
  LaminateData d = test::makeStack(test::kTestPly, {0, 90}, 0.25);
  d.mechanicalOn = mechanical;
  d.mechLoad[1] = mechanical ? 100.0 : 0.0;
  d.showPlyStresses = showPlyStresses;
  test::CapturingMessages m;
  EXPECT_EQ(runChecksAndEngine(d, m).status, RunStatus::Completed);
  return d;
}

// Two plies of 0.25 from z = -0.25: lower, mid and upper of each, bottom up.
TEST(ThroughThicknessView, PointsRunBottomToTopWithTheirPlyResults) {
  const LaminateData d = ranWith(true, true);
  const ThroughThicknessView view(d);
  ASSERT_EQ(view.pointCount(), 6);
  const double z[] = {-0.25, -0.125, 0.0, 0.0, 0.125, 0.25};
  const Surface surface[] = {kLower, kMid, kUpper, kLower, kMid, kUpper};
  for (int i = 0; i < 6; ++i) {
    const ThicknessPoint p = view.point(i);
    EXPECT_EQ(p.layer, i / 3 + 1);
    EXPECT_EQ(p.surface, surface[i]);
    EXPECT_DOUBLE_EQ(p.z, z[i]);
    EXPECT_NEAR(p.angleDeg, i < 3 ? 0.0 : 90.0, 1e-12);
    EXPECT_EQ(p.results, &d.ply[p.layer][surface[i]]);
  }
}

// Without the run's own strain step the ply arrays hold the last unit load
// of the first-ply-failure strengths: nothing to show.
TEST(ThroughThicknessView, EmptyWhenTheRunComputedNoPlyResults) {
  EXPECT_EQ(ThroughThicknessView(ranWith(false, true)).pointCount(), 0);
  EXPECT_EQ(ThroughThicknessView(ranWith(true, false)).pointCount(), 0);
  EXPECT_FALSE(failureFactorsComputed(ranWith(true, true)));
}

}  // namespace
}  // namespace vc
