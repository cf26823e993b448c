// The in-process part of a batch run on the largest problem: parse the data
// file text, show it on the page models, copy the pages back into the record,
// run the checks and the engine, and build the report; and the report alone.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "app/settings_page_options.h"
#include "datafile/data_file.h"
#include "engine/analysis_run.h"
#include "pages/input_pages.h"
#include "pages/page_transfer.h"
#include "report/report_writer.h"

#ifndef VC_SOURCE_DIR
#define VC_SOURCE_DIR "."
#endif

namespace {

class SilentMessages : public vc::MessageSink {
 public:
  void inform(const char*, const char*) override {}
};

std::string readLargestProblem() {
  std::ifstream in(VC_SOURCE_DIR "/bench/data/largest.vcl", std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void BM_BatchPipelineLargestProblem(benchmark::State& state) {
  const std::string file = readLargestProblem();
  auto data = std::make_unique<vc::LaminateData>();
  auto pages = std::make_unique<vc::InputPages>();
  SilentMessages messages;
  std::string report;
  std::string error;
  for (auto _ : state) {
    vc::DataFileOptions options = vc::optionsFromSettingsPage(pages->settings);
    if (!vc::parseDataFile(file, *data, options, error)) {
      state.SkipWithError(error.c_str());
      break;
    }
    vc::showOptionsOnSettingsPage(options, pages->settings);
    vc::showDataOnPages(*data, *pages);
    vc::copyPagesToData(*pages, *data);
    const vc::EngineOutcome outcome = vc::runChecksAndEngine(*data, messages);
    if (outcome.status != vc::RunStatus::Completed) {
      state.SkipWithError("the analysis stopped");
      break;
    }
    vc::writeReport(*data, report);
    benchmark::DoNotOptimize(report.data());
  }
  state.counters["report_chars"] = static_cast<double>(report.size());
}
BENCHMARK(BM_BatchPipelineLargestProblem)->Unit(benchmark::kMicrosecond);

// The report alone, formatted from the completed run of the largest problem.
void BM_ReportOfLargestProblem(benchmark::State& state) {
  auto data = std::make_unique<vc::LaminateData>();
  auto pages = std::make_unique<vc::InputPages>();
  SilentMessages messages;
  std::string error;
  vc::DataFileOptions options = vc::optionsFromSettingsPage(pages->settings);
  const bool read = vc::parseDataFile(readLargestProblem(), *data, options, error);
  vc::showOptionsOnSettingsPage(options, pages->settings);
  vc::showDataOnPages(*data, *pages);
  vc::copyPagesToData(*pages, *data);  // the report options come from the pages
  if (!read || vc::runChecksAndEngine(*data, messages).status != vc::RunStatus::Completed) {
    state.SkipWithError("the largest problem did not run");
    return;
  }
  std::string report;
  for (auto _ : state) {
    vc::writeReport(*data, report);
    benchmark::DoNotOptimize(report.data());
  }
  state.counters["report_chars"] = static_cast<double>(report.size());
}
BENCHMARK(BM_ReportOfLargestProblem)->Unit(benchmark::kMicrosecond);

}  // namespace
