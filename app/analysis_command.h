// The analysis command: the one way into an analysis, used by the Analyze
// button, the Run Analysis menu command and the batch run.
#pragma once

#include <string>

#include "engine/analysis_run.h"
#include "engine/laminate_data.h"
#include "engine/messages.h"
#include "pages/input_pages.h"

namespace vc {

// Copies the input pages into the record (so the values analysed are the
// values shown), runs the input checks and the engine, and on completion
// rebuilds `reportText` from the record. When a check stops the run (or the
// record is refused) the report text is left exactly as it was; the outcome
// names the page the caller should select. Showing the results window is the
// caller's business.
RunOutcome runAnalysis(InputPages& pages, LaminateData& data, std::string& reportText,
                       MessageSink& messages);

}  // namespace vc
