// The batch run of the real program: exit statuses, output files, messages
// on stderr and the paths it reads and writes.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

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
  ASSERT_TRUE(writeFile("work/my data/in 'plate' \"1\".vcl", sourceFile("examples/sample.vcl")));
  const auto result = run({"my data/in 'plate' \"1\".vcl", "my data/out 'report' \"1\".txt"});
  EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
  EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
  EXPECT_TRUE(readFile("work/my data/out 'report' \"1\".txt") == expected);
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
  ASSERT_EQ(::mkfifo(QFile::encodeName(path("work/fifo.vcl")).constData(), 0600), 0);
  ASSERT_TRUE(writeFile("work/big.vcl", test::sampleDataFile() + QByteArray(2 << 20, ' ')));
  // Inputs that are no data file are refused before they are read: a FIFO
  // without a writer, a device, a folder, a file over 1 MiB.
  const QByteArray cannotRead = "Data File Error: Cannot read the data file \"";
  const QByteArray notRegular = "\": it is not a regular file.\n";
  const QByteArray outputError = "Output File Error: The report could not be written to ";
  struct Case {
    QStringList arguments;
    int status;
    QByteArray errStart;
    bool output;  // r.txt then holds exactly "\r\n"; else there is none
  };
  const Case cases[] = {
      {{"no such file.vcl", "r.txt"},
       2,
       "Command Line Error: Specified input file does not exist or could not be found: no such "
       "file.vcl\n",
       false},
      {{"bad.vcl", "r.txt"}, 2, cannotRead, false},
      {{"fifo.vcl", "r.txt"}, 2, cannotRead + path("work/fifo.vcl").toUtf8() + notRegular, false},
      {{"/dev/zero", "r.txt"}, 2, cannotRead + "/dev/zero" + notRegular, false},
      {{"folder.txt", "r.txt"},
       2,
       cannotRead + path("work/folder.txt").toUtf8() + notRegular,
       false},
      {{"big.vcl", "r.txt"},
       2,
       cannotRead + path("work/big.vcl").toUtf8() + "\": the file is larger than 1 MiB.\n",
       false},
      {{"zero.vcl", "r.txt"},
       1,
       "Material Error: A material modulus is zero.  Review material property data.\n",
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
            (QStringList{"bad.vcl", "big.vcl", "plate.vcl", "zero.vcl"}));
}

// Output targets: a device or a FIFO is written as it is, never replaced; a
// file whose temporary twin cannot be made beside it is written in place; a
// link keeps linking; the input is never overwritten; a relative output
// without a working folder is refused.
TEST_F(BatchProcessTest, OutputTargets) {
  const QByteArray report = sourceFile("tests/reference/expected/sample.txt");
  ASSERT_TRUE(writeFile("work/plate.vcl", sourceFile("examples/sample.vcl")));
  const QString longName = QString(240, 'n') + ".txt";  // no room for ".NAME.vellacore-XXXXXX"
  ASSERT_TRUE(writeFile("work/" + longName, "old"));
  ASSERT_TRUE(writeFile("work/target.txt", "old"));
  ASSERT_TRUE(QFile::link("target.txt", path("work/out-link.txt")));
  ASSERT_TRUE(QFile::link("plate.vcl", path("work/in-link.vcl")));
  ASSERT_EQ(::mkfifo(QFile::encodeName(path("work/pipe")).constData(), 0600), 0);
  const bool root = ::geteuid() == 0;  // only root can make a device node
  if (root) {
    ASSERT_EQ(
        ::mknod(QFile::encodeName(path("work/null")).constData(), S_IFCHR | 0666, makedev(1, 3)),
        0);
  }
  QProcess reader;
  reader.start("cat", {path("work/pipe")});
  ASSERT_TRUE(reader.waitForStarted());
  struct Case {
    QString output;
    int status;
    QByteArray errStart;
  };
  const Case cases[] = {
      {"pipe", 0, ""},
      {root ? "null" : "out-link.txt", 0, ""},
      {longName, 0, ""},
      {"out-link.txt", 0, ""},
      {"in-link.vcl", 2, "Command Line Error: The output file is the input file: in-link.vcl\n"},
      {"plate.vcl", 2, "Command Line Error: The output file is the input file: plate.vcl\n"},
  };
  for (const Case& c : cases) {
    const auto result = run({path("work/plate.vcl"), c.output});
    EXPECT_EQ(result.exitCode, c.status) << c.output.toStdString() << result.err.toStdString();
    EXPECT_TRUE(result.err.startsWith(c.errStart)) << result.err.toStdString();
  }
  ASSERT_TRUE(reader.waitForFinished());
  EXPECT_TRUE(reader.readAllStandardOutput() == report);
  EXPECT_TRUE(readFile("work/" + longName) == report && readFile("work/target.txt") == report);
  EXPECT_TRUE(QFileInfo(path("work/out-link.txt")).isSymLink());
  EXPECT_TRUE(readFile("work/plate.vcl") == sourceFile("examples/sample.vcl"));
  struct stat info {};
  EXPECT_TRUE(!root || (::stat(QFile::encodeName(path("work/null")).constData(), &info) == 0 &&
                        S_ISCHR(info.st_mode)));
  EXPECT_TRUE(
      QDir(path("work")).entryList({"*vellacore-*"}, QDir::AllEntries | QDir::Hidden).isEmpty());

  // Started in a folder that was deleted: a relative output has no place.
  QProcess shell;
  shell.setWorkingDirectory(path("work"));
  shell.start(
      "/bin/sh",
      {"-c",
       "mkdir gone && cd gone && rmdir ../gone && HOME=\"$1\" exec \"$2\" \"$1/plate.vcl\" out.txt",
       "sh", path("work"), QStringLiteral(VC_EXECUTABLE)});
  ASSERT_TRUE(shell.waitForFinished());
  EXPECT_EQ(shell.exitCode(), 3);
  EXPECT_TRUE(shell.readAllStandardError().startsWith(
      "Output File Error: The report could not be written to out.txt: "));
  EXPECT_FALSE(QFileInfo::exists("/out.txt"));
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
      "Command Line Error: To run Vellacore in Windows mode simply execute vellacore  "
      "To run in Command Line Mode from a shell, the syntax is: vellacore  input_file  "
      "output_file\n";
  for (const QStringList& arguments : {QStringList{"plate.vcl"}, QStringList{"a", "b", "c"}}) {
    const auto result = run(arguments, QString(), usage);
    EXPECT_TRUE(result.err.startsWith(usage)) << result.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path("work/b")));
  }
}

}  // namespace
}  // namespace vc
