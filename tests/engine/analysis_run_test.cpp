#include "engine/analysis_run.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine_fixtures.h"
#include "support/capturing_messages.h"

namespace vc {
namespace {

using test::CapturingMessages;
using test::MaterialSpec;
using test::makeLaminate;
using test::makeStack;

const char kMaterialError[] = "Material Error";
const char kZeroExpansion[] = "Material Information: Zero CTE/CME";
const char kIdError[] = "Material ID Error";
const char kStrengthError[] = "Material Strength Error";
const char kDataError[] = "Data Error";

MaterialSpec ply() { return test::testPly(); }

EngineOutcome run(LaminateData& d, CapturingMessages& m) { return runChecksAndEngine(d, m); }

TEST(AnalysisRun, CleanInputCompletesWithoutMessages) {
  LaminateData d = makeStack(ply(), {0, 45, -45, 90}, 0.125);
  CapturingMessages m;
  const EngineOutcome o = run(d, m);
  EXPECT_EQ(o.status, RunStatus::Completed);
  EXPECT_EQ(o.stop, RunStop::None);
  EXPECT_TRUE(m.messages.empty());
  EXPECT_EQ(d.inversionStatus, 0);
  EXPECT_GT(d.EX, 0.0);
}

// One input fault per row: the run's outcome, the page it selects and the
// one message it shows, word for word.
TEST(AnalysisRun, EachCheckStopsOrInformsWithItsOwnMessage) {
  const char* const kModulus = "A material modulus is zero.  Review material property data.";
  const char* const kExpansion =
      "Some thermal and/or moisture expansion data is zero.  This is OK, but review material "
      "property data if this was not intended.";
  const char* const kId =
      "A material ID (MatID) was used in the layup that is greater than the number of "
      "materials selected on the materials form.  Review material and layup data.";
  const char* const kStrength =
      "Some material strength data is zero.  Load failure factors will be incorrect if this "
      "was not intended.";
  struct Case {
    const char* name;
    double MaterialSpec::*field;  // set to zero (or the value below)
    double value;
    int badId;                    // MatID of the second layer (1: valid)
    bool showFailure;
    RunStatus status;
    RunStop stop;
    const char* caption;  // nullptr: no message
    const char* text;
  };
  const Case cases[] = {
      {"zero E2 (and CTE1)", &MaterialSpec::E2, 0.0, 1, false, RunStatus::Stopped, RunStop::ModulusZero,
       kMaterialError, kModulus},
      {"negative zero G12", &MaterialSpec::G12, -0.0, 1, false, RunStatus::Stopped, RunStop::ModulusZero,
       kMaterialError, kModulus},
      {"zero CME2", &MaterialSpec::CME2, 0.0, 1, false, RunStatus::Completed, RunStop::None,
       kZeroExpansion, kExpansion},
      {"zero CME1 alone", &MaterialSpec::CME1, 0.0, 1, false, RunStatus::Completed, RunStop::None,
       nullptr, nullptr},
      {"MatID above the count", &MaterialSpec::S, 70.0, 3, false, RunStatus::Stopped, RunStop::MaterialIdInvalid,
       kIdError, kId},
      {"MatID 0", &MaterialSpec::S, 70.0, 0, false, RunStatus::Stopped, RunStop::MaterialIdInvalid, kIdError, kId},
      {"MatID -1", &MaterialSpec::S, 70.0, -1, false, RunStatus::Stopped, RunStop::MaterialIdInvalid, kIdError, kId},
      {"MatID most negative", &MaterialSpec::S, 70.0, -2147483647, false, RunStatus::Stopped,
       RunStop::MaterialIdInvalid, kIdError, kId},
      {"zero Yc, failure hidden", &MaterialSpec::Yc, 0.0, 1, false, RunStatus::Completed, RunStop::None,
       nullptr, nullptr},
      {"zero Yc, failure shown", &MaterialSpec::Yc, 0.0, 1, true, RunStatus::Completed, RunStop::None,
       kStrengthError, kStrength},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MaterialSpec s = ply();
    s.*c.field = c.value;
    if (c.field == &MaterialSpec::E2) s.CTE1 = 0.0;  // the modulus check stops before this one
    LaminateData d = makeLaminate({s, s}, {{1, 0, 0.1}, {c.badId, 0, 0.1}});
    d.showFailure = c.showFailure;
    CapturingMessages m;
    const EngineOutcome o = run(d, m);
    EXPECT_EQ(o.status, c.status);
    EXPECT_EQ(o.stop, c.stop);
    if (!c.caption) {
      EXPECT_TRUE(m.messages.empty());
      continue;
    }
    ASSERT_EQ(m.messages.size(), 1u);
    EXPECT_EQ(m.messages[0].caption, c.caption);
    EXPECT_EQ(m.messages[0].text, c.text);
  }
}

TEST(AnalysisRun, MessagesComeInCheckOrder) {
  MaterialSpec s = ply();
  s.CTE2 = 0.0;
  s.Xt = 0.0;
  LaminateData d = makeStack(s, {0}, 0.1);
  d.showFailure = true;
  CapturingMessages m;
  EXPECT_EQ(run(d, m).status, RunStatus::Completed);
  EXPECT_EQ(m.captions(), (std::vector<std::string>{kZeroExpansion, kStrengthError}));

  LaminateData stop = makeLaminate({s}, {{2, 0, 0.1}});
  stop.showFailure = true;
  CapturingMessages m2;
  EXPECT_EQ(run(stop, m2).status, RunStatus::Stopped);
  EXPECT_EQ(m2.captions(), (std::vector<std::string>{kZeroExpansion, kIdError}));
}

// No layers, or layers of no thickness, leave ABD singular; the run stops
// there, after the double-double figures.
TEST(AnalysisRun, SingularStackStopsWithTheDataError) {
  LaminateData noLayers = makeStack(ply(), {}, 0.1);
  LaminateData zeroThickness = makeStack(ply(), {0, 45}, 0.0);
  zeroThickness.doubleDouble = true;
  zeroThickness.ddRepeat = -5;
  for (LaminateData* d : {&noLayers, &zeroThickness}) {
    SCOPED_TRACE(d->numLayers);
    CapturingMessages m;
    const EngineOutcome o = run(*d, m);
    EXPECT_EQ(o.status, RunStatus::Stopped);
    EXPECT_EQ(o.stop, RunStop::SingularAbd);
    ASSERT_EQ(m.messages.size(), 1u);
    EXPECT_EQ(m.messages[0].caption, kDataError);
    EXPECT_EQ(m.messages[0].text, "ABD matrix is singular.  Review material and layup data.");
    EXPECT_EQ(d->inversionStatus, 1);
  }
  EXPECT_TRUE(zeroThickness.ddSingleMaterial);
  EXPECT_EQ(zeroThickness.ddRepeat, 1);
}

TEST(AnalysisRun, DoubleDoubleNeedsOneMaterial) {
  LaminateData mixed =
      makeLaminate({ply(), ply()}, {{1, 0, 0.1}, {1, 0, 0.1}, {1, 0, 0.1}, {2, 0, 0.1}});
  LaminateData single = makeStack(ply(), {30}, 0.1);
  mixed.doubleDouble = single.doubleDouble = true;
  mixed.ddPsi = 77.0;
  CapturingMessages m;
  EXPECT_EQ(run(mixed, m).status, RunStatus::Completed);
  EXPECT_EQ(run(single, m).status, RunStatus::Completed);
  EXPECT_FALSE(mixed.ddSingleMaterial);
  EXPECT_EQ(mixed.ddPsi, 77.0);
  EXPECT_TRUE(single.ddSingleMaterial);
  EXPECT_NEAR(single.ddPsi, 30.0, 1e-6);
}

TEST(AnalysisRun, RefusesCountsOutsideTheLimitsSilently) {
  const std::pair<int, int> counts[] = {{0, 1},  {-1, 1},   {11, 1},        {1000, 1},
                                        {1, -1}, {1, 101}, {1, 1 << 30}};
  for (const auto& [materials, layers] : counts) {
    SCOPED_TRACE(::testing::Message() << materials << " materials, " << layers << " layers");
    LaminateData d = makeStack(ply(), {0}, 0.1);
    d.numMaterials = materials;
    d.numLayers = layers;
    d.ABD[1][1] = 42.0;
    CapturingMessages m;
    EXPECT_EQ(run(d, m).status, RunStatus::Refused);
    EXPECT_TRUE(m.messages.empty());
    EXPECT_EQ(d.ABD[1][1], 42.0);
  }
}

TEST(AnalysisRun, StrengthTableIsComputedWithoutLoadOrFailureOption) {
  LaminateData d = makeStack(ply(), {0}, 0.5);
  for (int c = 0; c < kCriterionCount; ++c) d.fpfStrength[c][kXTension] = -1.0;
  CapturingMessages m;
  EXPECT_EQ(run(d, m).status, RunStatus::Completed);
  // A single 0 degree ply fails in fibre tension at Xt (1500) under the
  // maximum-stress and interaction criteria.
  EXPECT_NEAR(d.fpfStrength[kMaxStress][kXTension], 1500.0, 1e-9);
  EXPECT_NEAR(d.fpfStrength[kTsaiWu][kXTension], 1500.0, 1e-9);
}

TEST(AnalysisRun, PlyStressesWithoutAnyLoadAreDropped) {
  LaminateData d = makeStack(ply(), {0, 90}, 0.1);
  d.showPlyStresses = true;
  d.showFailure = true;
  d.showLoadVectors = true;
  d.ply[1][kMid].stress12[1] = 55.0;
  CapturingMessages m;
  EXPECT_EQ(run(d, m).status, RunStatus::Completed);
  EXPECT_FALSE(d.showPlyStresses);
  EXPECT_FALSE(d.showFailure);
  EXPECT_TRUE(d.showLoadVectors);
}

TEST(AnalysisRun, FailureFactorsAreThoseOfTheRealLoad) {
  MaterialSpec s = ply();
  s.Xt = 1000.0;
  s.Xc = 800.0;
  LaminateData d = makeStack(s, {0}, 1.0);
  d.showFailure = true;
  d.mechanicalOn = true;
  d.mechLoad[1] = 100.0;  // sigma1 = 100 in the single ply
  CapturingMessages m;
  EXPECT_EQ(run(d, m).status, RunStatus::Completed);
  EXPECT_NEAR(d.minPlus[kMaxStress], 10.0, 1e-9);
  EXPECT_NEAR(d.minMinus[kMaxStress], -8.0, 1e-9);
  EXPECT_NEAR(d.fpfStrength[kMaxStress][kXTension], 1000.0, 1e-9);
  EXPECT_EQ(d.mechLoad[1], 100.0);
  EXPECT_NEAR(d.ply[1][kMid].stress12[1], 100.0, 1e-9);
}

TEST(AnalysisRun, NoDisplayOptionStillComputesApparentProperties) {
  LaminateData d = makeStack(ply(), {0}, 0.2);
  d.showABD = d.showApparent = false;
  d.mechanicalOn = true;
  d.mechLoad[1] = 10.0;
  d.ply[1][kMid].stress12[1] = -1.0;
  CapturingMessages m;
  EXPECT_EQ(run(d, m).status, RunStatus::Completed);
  EXPECT_NEAR(d.EX, 140000.0, 1e-6);
  // The strain step did not run for the real load (only the unit loads of
  // the strength table, whose stresses are not 10 / 0.2 = 50).
  EXPECT_NE(d.ply[1][kMid].stress12[1], 50.0);
}

}  // namespace
}  // namespace vc
