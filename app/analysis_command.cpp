#include "app/analysis_command.h"

#include "pages/page_transfer.h"
#include "report/report_writer.h"

namespace vc {

RunOutcome runAnalysis(InputPages& pages, LaminateData& data, std::string& reportText,
                       MessageSink& messages) {
  copyPagesToData(pages, data);
  RunOutcome outcome = runChecksAndEngine(data, messages);
  if (outcome.status == RunStatus::Completed) writeReport(data, reportText);
  return outcome;
}

}  // namespace vc
