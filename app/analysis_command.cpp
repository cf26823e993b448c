#include "app/analysis_command.h"

#include "pages/page_transfer.h"
#include "report/report_writer.h"

namespace vc {

int pageForStop(RunStop stop) {
  switch (stop) {
    case RunStop::ModulusZero:
      return kMaterialsPage;
    case RunStop::MaterialIdInvalid:
    case RunStop::SingularAbd:
      return kLayupPage;
    case RunStop::None:
      break;
  }
  return kNoPage;
}

RunOutcome runAnalysis(InputPages& pages, LaminateData& data, std::string& reportText,
                       MessageSink& messages) {
  const RunOutcome outcome = runAnalysis(pages, data, messages);
  if (outcome.status == RunStatus::Completed) writeReport(data, reportText);
  return outcome;
}

RunOutcome runAnalysis(InputPages& pages, LaminateData& data, MessageSink& messages) {
  RunOutcome outcome;
  std::string where;
  if (findNonFiniteNumber(pages, outcome.pageToSelect, where)) {
    messages.inform("Data Error",
                    (where + " does not hold a finite number.  Review the input data.").c_str());
    outcome.status = RunStatus::Stopped;
    return outcome;
  }
  copyPagesToData(pages, data);
  const EngineOutcome engine = runChecksAndEngine(data, messages);
  outcome.status = engine.status;
  outcome.pageToSelect = pageForStop(engine.stop);
  return outcome;
}

}  // namespace vc
