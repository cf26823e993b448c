// The analysis command: the one way into an analysis, used by the Analyze
// button, the Run Analysis menu command and the batch run.
#pragma once

#include <string>

#include "engine/analysis_run.h"
#include "engine/laminate_data.h"
#include "engine/messages.h"
#include "pages/input_pages.h"
#include "pages/page_index.h"

namespace vc {

struct RunOutcome {
  RunStatus status = RunStatus::Completed;
  int pageToSelect = kNoPage;  // the page to show after a stop
};

// The page that holds the data a stopped check points at: the Materials page
// for a zero modulus, the Layup page for a bad material number or a singular
// ABD matrix; kNoPage when nothing stopped the run.
int pageForStop(RunStop stop);

// Stops with "Data Error" (naming the page, row and column) when a number on
// the pages is not finite. Otherwise copies the input pages into the record
// (so the values analysed are the values shown), runs the input checks and the engine, and on
// completion rebuilds `reportText` from the record. When a check stops the run (or the record is
// refused) the report text is left exactly as it was; the outcome names the page the caller should
// select. Showing the results window is the caller's business.
RunOutcome runAnalysis(InputPages& pages, LaminateData& data, std::string& reportText,
                       MessageSink& messages);
// The same without building the report (for the JSON and CSV exports).
RunOutcome runAnalysis(InputPages& pages, LaminateData& data, MessageSink& messages);

}  // namespace vc
