// The batch run of the real program: exit statuses, output files, messages
// on stderr and the paths it reads and writes.
#include <gtest/gtest.h>

#include <string>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "batch_process.h"

namespace vc {
namespace {

using test::BatchProcessTest;

const QByteArray kUsageLine =
    "Command Line Error: To run Vellacore in Windows mode simply execute Vellacore.exe  "
    "To run in Command Line Mode from a shell, the syntax is: Vellacore  input_file  output_file\n";

// A file of the source tree, as bytes.
QByteArray sourceFile(const char* relative) {
  QFile file(QStringLiteral(VC_SOURCE_DIR "/") + QString::fromLatin1(relative));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(BatchProcessTest, WritesTheReportWithOneClosingLineEnd) {
  // The expected file is the independent reference calculation's report of
  // the sample laminate, already ending in the closing CR LF.
  const QByteArray expected = sourceFile("tests/reference/expected/sample.txt");
  ASSERT_FALSE(expected.isEmpty());
  ASSERT_TRUE(writeFile("work/plate.vcl", sourceFile("examples/sample.vcl")));
  const auto result = run({path("work/plate.vcl"), path("work/report.txt")});
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
  EXPECT_TRUE(readFile("work/report.txt") == expected);
  // Start-up stored the data folder as the remembered one.
  const QByteArray config = readFile("home/config/Orlenvik/Vellacore.conf");
  EXPECT_TRUE(config.contains("[3.0]")) << config.toStdString();
  EXPECT_TRUE(config.contains("(value not set)")) << config.toStdString();
  EXPECT_TRUE(config.contains("LastPath=" + (path("home/data") + "/The Vellacore/").toUtf8()))
      << config.toStdString();
}

TEST_F(BatchProcessTest, QuotedPathsWithBlanks) {
  QDir(path("work")).mkpath("my data");
  ASSERT_TRUE(writeFile("work/my data/in plate.vcl", test::sampleDataFile()));
  const auto result = run({path("work/my data/in plate.vcl"), path("work/my data/out report.txt")});
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_TRUE(readFile("work/my data/out report.txt").endsWith("\r\n"));
  EXPECT_GT(readFile("work/my data/out report.txt").size(), 100);
}

TEST_F(BatchProcessTest, RelativePathsReferToTheStartingFolder) {
  QDir(path("work")).mkpath("sub");
  ASSERT_TRUE(writeFile("work/sub/plate.vcl", test::sampleDataFile()));
  const auto result = run({"sub/plate.vcl", "sub/report.txt"}, path("work"));
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_TRUE(QFileInfo::exists(path("work/sub/report.txt")));
  // Nothing lands in the data folder that start-up made current.
  EXPECT_FALSE(QFileInfo::exists(path("home/data/The Vellacore/sub/report.txt")));
}

// A missing or refused input ends with status 2 and writes no report.
TEST_F(BatchProcessTest, RefusedInputWritesNoOutput) {
  ASSERT_TRUE(writeFile("work/bad.vcl", "this is not a laminate\r\n"));
  const auto missing = run({"no such file.vcl", "report.txt"});
  ASSERT_TRUE(missing.finished);
  EXPECT_EQ(missing.exitCode, 2);
  EXPECT_EQ(missing.err,
            "Command Line Error: Specified input file does not exist or could not be found: "
            "no such file.vcl\n");
  const auto refused = run({"bad.vcl", "report.txt"});
  ASSERT_TRUE(refused.finished);
  EXPECT_EQ(refused.exitCode, 2);
  EXPECT_TRUE(refused.err.startsWith("Data File Error: ")) << refused.err.toStdString();
  EXPECT_FALSE(QFileInfo::exists(path("work/report.txt")));
}

TEST_F(BatchProcessTest, StoppedAnalysisLeavesOneLineEnd) {
  ASSERT_TRUE(writeFile("work/zero.vcl", test::sampleDataFile("0.000e+000")));
  const auto result = run({"zero.vcl", "report.txt"});
  ASSERT_TRUE(result.finished);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err,
            "Material Error: A material modulus is zero.  Review material property data.\n");
  EXPECT_EQ(readFile("work/report.txt"), QByteArray("\r\n"));
}

// A missing folder or a folder in the way of the report: status 3.
TEST_F(BatchProcessTest, UnwritableOutputIsReported) {
  ASSERT_TRUE(writeFile("work/plate.vcl", test::sampleDataFile()));
  QDir(path("work")).mkpath("report.txt");
  for (const char* output : {"missing folder/report.txt", "report.txt"}) {
    const auto result = run({"plate.vcl", output});
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.exitCode, 3);
    EXPECT_TRUE(result.err.startsWith("Output File Error: The report could not be written to "))
        << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(output));
  }
  EXPECT_TRUE(QFileInfo(path("work/report.txt")).isDir());
  EXPECT_EQ(QDir(path("work")).entryList(QDir::Files), QStringList{"plate.vcl"});
}

TEST_F(BatchProcessTest, SetCompatibilityWritesNothing) {
  for (const QStringList& arguments :
       {QStringList{"-setcm"}, QStringList{"-SETCM"}, QStringList{"-setcmore", "x", "y"}}) {
    const auto result = run(arguments);
    ASSERT_TRUE(result.finished);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.err.isEmpty());
    EXPECT_TRUE(QDir(path("work")).isEmpty());
    EXPECT_TRUE(QDir(path("home/config")).isEmpty());
    EXPECT_TRUE(QDir(path("home/data")).isEmpty());
  }
}

TEST_F(BatchProcessTest, WrongArgumentCountShowsUsage) {
  ASSERT_TRUE(writeFile("work/plate.vcl", test::sampleDataFile()));
  for (const QStringList& arguments :
       {QStringList{"plate.vcl"}, QStringList{"plate.vcl", "a.txt", "b.txt"},
        QStringList{"-SetCm"}}) {
    // With the desktop built the window opens afterwards: stop it after a while.
    const auto result = run(arguments, QString(), 3000);
    EXPECT_TRUE(result.err.startsWith(kUsageLine)) << result.err.toStdString();
    if (result.finished) {
      EXPECT_NE(result.exitCode, 0);
    }
    EXPECT_FALSE(QFileInfo::exists(path("work/a.txt")));
  }
}

}  // namespace
}  // namespace vc
