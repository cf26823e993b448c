// Fuzz target for the whole batch pipeline: any byte string is refused by
// the reader or goes through the pages, the checks, the engine and the
// report without a crash, and a completed run always leaves a report.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "app/analysis_command.h"
#include "app/settings_page_options.h"
#include "datafile/data_file.h"
#include "pages/page_transfer.h"

namespace {

class SilentMessages : public vc::MessageSink {
 public:
  void inform(const char*, const char*) override {}
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
  static auto data = std::make_unique<vc::LaminateData>();
  static std::string report;
  auto pages = std::make_unique<vc::InputPages>();
  vc::DataFileOptions options = vc::optionsFromSettingsPage(pages->settings);
  std::string error;
  if (!vc::parseDataFile(std::string(reinterpret_cast<const char*>(bytes), size), *data, options,
                         error))
    return 0;
  vc::showOptionsOnSettingsPage(options, pages->settings);
  vc::showDataOnPages(*data, *pages);
  SilentMessages messages;
  report.clear();
  const vc::RunOutcome outcome = vc::runAnalysis(*pages, *data, report, messages);
  if (outcome.status == vc::RunStatus::Completed && report.empty()) __builtin_trap();
  return 0;
}
