// The analysis command: pages to record, checks, report only on completion.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/analysis_command.h"
#include "app/settings_page_options.h"
#include "batch_process.h"
#include "datafile/data_file.h"
#include "pages/page_transfer.h"
#include "support/capturing_messages.h"

namespace vc {
namespace {

struct Problem {
  std::unique_ptr<LaminateData> data = std::make_unique<LaminateData>();
  std::unique_ptr<InputPages> pages = std::make_unique<InputPages>();
};

Problem load(const QByteArray& file) {
  Problem p;
  std::string error;
  DataFileOptions options;
  EXPECT_TRUE(parseDataFile(file.toStdString(), *p.data, options, error)) << error;
  showOptionsOnSettingsPage(options, p.pages->settings);
  showDataOnPages(*p.data, *p.pages);
  return p;
}

TEST(AnalysisCommand, CompletedRunReplacesTheReport) {
  Problem p = load(test::sampleDataFile());
  test::CapturingMessages messages;
  std::string report = "previous report";
  const RunOutcome outcome = runAnalysis(*p.pages, *p.data, report, messages);
  EXPECT_EQ(outcome.status, RunStatus::Completed);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(report.find("previous report"), std::string::npos);
  EXPECT_NE(report.find("T300/5208"), std::string::npos);
  // The report is CR LF text.
  EXPECT_EQ(report.find('\n'), report.find("\r\n") + 1);
}

TEST(AnalysisCommand, RunAnalysesWhatThePagesShow) {
  Problem p = load(test::sampleDataFile());
  // An edit on the Layup page after loading: the run must see it.
  p.pages->layup.grid_1.setCell(1, 2, "45");
  test::CapturingMessages messages;
  std::string report;
  runAnalysis(*p.pages, *p.data, report, messages);
  EXPECT_NEAR(p.data->angle[2], 45.0 * 3.14159265358979 / 180.0, 1e-15);
  EXPECT_TRUE(p.data->batchRun == false);
}

TEST(AnalysisCommand, StoppedRunLeavesTheReportAlone) {
  Problem p = load(test::sampleDataFile("0.000e+000"));
  test::CapturingMessages messages;
  std::string report = "previous report";
  const RunOutcome outcome = runAnalysis(*p.pages, *p.data, report, messages);
  EXPECT_EQ(outcome.status, RunStatus::Stopped);
  EXPECT_EQ(outcome.pageToSelect, kMaterialsPage);
  EXPECT_EQ(report, "previous report");
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, "Material Error");
}

}  // namespace
}  // namespace vc
