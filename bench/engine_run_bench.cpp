// The complete analysis run (checks, lamina and ABD matrices,
// double-double, inversion, apparent properties with the first-ply-failure
// strengths, ply strains and stresses, failure factors) on the largest
// problem the record holds. The heap counter must stay 0.
#include <benchmark/benchmark.h>

#include "engine/analysis_run.h"
#include "support/largest_problem.h"

namespace {

vc::LaminateData record;

void BM_CompleteRunLargestProblem(benchmark::State& state) {
  vc::test::fillLargestProblem(record);
  vc::test::SilentMessages messages;
  const long before = vc::test::allocationCount;
  for (auto _ : state) {
    vc::EngineOutcome o = vc::runChecksAndEngine(record, messages);
    benchmark::DoNotOptimize(o);
    benchmark::ClobberMemory();
  }
  state.counters["heap_allocations"] = static_cast<double>(vc::test::allocationCount - before);
}
BENCHMARK(BM_CompleteRunLargestProblem)->Unit(benchmark::kMicrosecond);

}  // namespace
