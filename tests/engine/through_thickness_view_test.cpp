#include "engine/through_thickness_view.h"

#include <gtest/gtest.h>

#include <utility>

#include "engine_fixtures.h"

namespace vc {
namespace {

// Two plies of 0.25 from z = -0.25: lower, mid and upper of each, bottom up.
TEST(ThroughThicknessView, PointsRunBottomToTopWithTheirPlyResults) {
  LaminateData d = test::makeStack(test::kTestPly, {0, 90}, 0.25);
  d.mechanicalOn = d.showPlyStresses = true;
  d.mechLoad[1] = 100.0;
  ASSERT_TRUE(test::throughApparentProperties(d));  // the interfaces z
  ASSERT_EQ(ThroughThicknessView(d).pointCount(), 6);
  const double z[] = {-0.25, -0.125, 0.0, 0.0, 0.125, 0.25};
  const Surface surface[] = {kLower, kMid, kUpper, kLower, kMid, kUpper};
  for (int i = 0; i < 6; ++i) {
    const ThicknessPoint p = ThroughThicknessView(d).point(i);
    EXPECT_EQ(p.layer, i / 3 + 1);
    EXPECT_EQ(p.surface, surface[i]);
    EXPECT_DOUBLE_EQ(p.z, z[i]);
    EXPECT_NEAR(p.angleDeg, i < 3 ? 0.0 : 90.0, 1e-12);
    EXPECT_EQ(p.results, &d.ply[p.layer][surface[i]]);
  }
  // Without the run's own strain step (no load, or no option that asks for
  // it) the ply arrays hold the last unit load of the first-ply-failure
  // strengths: nothing to show.
  EXPECT_FALSE(failureFactorsComputed(d));
  d.mechanicalOn = false;
  EXPECT_EQ(ThroughThicknessView(d).pointCount(), 0);
  std::swap(d.mechanicalOn, d.showPlyStresses);
  EXPECT_EQ(ThroughThicknessView(d).pointCount(), 0);
}

}  // namespace
}  // namespace vc
