// The batch run of the real program: exit statuses, output files, messages
// on stderr and the paths it reads and writes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>
#include <string>

#include "app/analysis_command.h"
#include "batch_process.h"
#include "pages/page_clearing.h"
#include "pages/sample_data.h"
#include "support/capturing_messages.h"

namespace vc {
namespace {

using test::BatchProcessTest;
using test::sourceFile;

// The output is the independent reference calculation's report of the
// sample laminate, which already ends in the closing CR LF.
TEST_F(BatchProcessTest, WritesTheReportAndRemembersTheDataFolder) {
  const QByteArray expected = sourceFile("tests/reference/expected/sample.txt");
  ASSERT_FALSE(expected.isEmpty());
  QDir(path("work")).mkpath("my data");
  ASSERT_TRUE(writeFile("work/my data/in plate.vcl", sourceFile("examples/sample.vcl")));
  const auto result = run({"my data/in plate.vcl", "my data/out report.txt"});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
  EXPECT_TRUE(readFile("work/my data/out report.txt") == expected);
  const QByteArray config = readFile("home/config/Orlenvik/Vellacore.conf");
  EXPECT_TRUE(config.contains("(value not set)")) << config.toStdString();
  EXPECT_TRUE(config.contains("LastPath=" + (path("home/data") + "/The Vellacore/").toUtf8()));
}

// Exit status, stderr and the output file for each kind of failure.
TEST_F(BatchProcessTest, StatusTable) {
  ASSERT_TRUE(writeFile("work/plate.vcl", test::sampleDataFile()));
  ASSERT_TRUE(writeFile("work/zero.vcl", test::sampleDataFile("0.000e+000")));
  ASSERT_TRUE(writeFile("work/bad.vcl", "this is not a laminate\r\n"));
  QDir(path("work")).mkpath("folder.txt");
  struct Case {
    QStringList arguments;
    int status;
    QByteArray errStart;
    bool output;  // r.txt then holds exactly "\r\n"; else there is none
  };
  const QByteArray outputError = "Output File Error: The report could not be written to ";
  const Case cases[] = {
      {{"no such file.vcl", "r.txt"}, 2,
       "Command Line Error: Specified input file does not exist or could not be found: no such file.vcl\n", false},
      {{"bad.vcl", "r.txt"}, 2, "Data File Error: Cannot read the data file \"", false},
      {{"zero.vcl", "r.txt"}, 1, "Material Error: A material modulus is zero.  Review material property data.\n",
       true},
      {{"plate.vcl", "missing folder/x.txt"}, 3, outputError, false},
      {{"plate.vcl", "folder.txt"}, 3, outputError, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments.join(' ').toStdString());
    QFile::remove(path("work/r.txt"));
    const auto result = run(c.arguments);
    EXPECT_EQ(result.exitCode, c.status);
    EXPECT_TRUE(result.err.startsWith(c.errStart)) << result.err.toStdString();
    EXPECT_EQ(readFile("work/r.txt"), QByteArray(c.output ? "\r\n" : ""));
    EXPECT_EQ(QFileInfo::exists(path("work/r.txt")), c.output);
  }
  EXPECT_TRUE(QFileInfo(path("work/folder.txt")).isDir());
  EXPECT_EQ(QDir(path("work")).entryList(QDir::Files),
            (QStringList{"bad.vcl", "plate.vcl", "zero.vcl"}));
}

// The Sample Data laminate analysed as the Analyze button does gives the
// report that the batch program writes for the same laminate's data file.
TEST_F(BatchProcessTest, SampleDataRunReportsAsTheBatchRunOfItsDataFile) {
  ASSERT_TRUE(writeFile("work/sample.vcl", sourceFile("examples/sample.vcl")));
  const auto result = run({"sample.vcl", "report.txt"});
  ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();

  InputPages pages;
  auto data = std::make_unique<LaminateData>();
  clearAllInputPages(pages);
  showSampleData(pages, *data);
  std::string report;
  test::CapturingMessages messages;
  ASSERT_EQ(runAnalysis(pages, *data, report, messages).status, RunStatus::Completed);
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_NE(report.find("Equivalent Double-Double Laminate"), std::string::npos);
  EXPECT_TRUE(QByteArray::fromStdString(report + "\r\n") == readFile("work/report.txt"));
}

TEST_F(BatchProcessTest, SetCompatibilityEndsAndWritesNothing) {
  for (const QStringList& arguments : {QStringList{"-setcm"}, QStringList{"-SETCM", "x", "y"}}) {
    const auto result = run(arguments);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.err.isEmpty());
    EXPECT_TRUE(QDir(path("work")).isEmpty() && QDir(path("home/config")).isEmpty());
  }
}

// The usage message comes first; with the desktop built the window opens
// afterwards and is closed as soon as the message has been seen.
TEST_F(BatchProcessTest, WrongArgumentCountShowsUsage) {
  const QByteArray usage =
      "Command Line Error: To run Vellacore in Windows mode simply execute Vellacore.exe  "
      "To run in Command Line Mode from a shell, the syntax is: Vellacore  input_file  output_file\n";
  for (const QStringList& arguments : {QStringList{"plate.vcl"}, QStringList{"a", "b", "c"}}) {
    const auto result = run(arguments, QString(), usage);
    EXPECT_TRUE(result.err.startsWith(usage)) << result.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path("work/b")));
  }
}

}  // namespace
}  // namespace vc
