// The complete run on the largest problem must not touch the heap.
#include <gtest/gtest.h>

#include "engine/analysis_run.h"
#include "support/largest_problem.h"

namespace vc {
namespace {

TEST(NoAllocation, CompleteRunOnTheLargestProblemUsesNoHeap) {
  static LaminateData d;
  test::fillLargestProblem(d);
  test::SilentMessages messages;
  const long before = test::allocationCount;
  const EngineOutcome o = runChecksAndEngine(d, messages);
  const long after = test::allocationCount;
  EXPECT_EQ(o.status, RunStatus::Completed);
  EXPECT_EQ(messages.count, 0);
  EXPECT_EQ(after - before, 0);
}

}  // namespace
}  // namespace vc
