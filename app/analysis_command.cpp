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
  copyPagesToData(pages, data);
  const EngineOutcome engine = runChecksAndEngine(data, messages);
  if (engine.status == RunStatus::Completed) writeReport(data, reportText);
  RunOutcome outcome;
  outcome.status = engine.status;
  outcome.pageToSelect = pageForStop(engine.stop);
  return outcome;
}

}  // namespace vc
