// The batch run's options: JSON and CSV instead of the report, standard
// output for "-", and options the program does not know.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <nlohmann/json.hpp>

#include "app/command_options.h"
#include "batch_process.h"

namespace vc {
namespace {

using test::BatchProcessTest;
using test::sourceFile;

// Arguments are written as one line split at blanks.
CommandLine fromOptions(const char* line) {
  return commandLineFromOptions(QString(line).split(' '));
}

TEST(CommandOptions, ParsingTable) {
  const struct {
    const char* arguments;
    StartMode mode;
    BatchFormat format;
    const char* input;
    const char* output;
    bool toStandardOutput;
  } cases[] = {
      {"--format json in out", StartMode::Batch, BatchFormat::Json, "in", "out", false},
      {"in --format=csv -", StartMode::Batch, BatchFormat::Csv, "in", "-", true},
      {"--format text -- --in -x", StartMode::Batch, BatchFormat::Text, "--in", "-x", false},
      {"--format json --format csv a b", StartMode::Batch, BatchFormat::Csv, "a", "b", false},
      {"a --help b c", StartMode::Help, BatchFormat::Text, "", "", false},
      {"--output-dir=d --jobs=3 --format csv a b c", StartMode::ManyInputs, BatchFormat::Csv, "",
       "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arguments);
    const CommandLine line = fromOptions(c.arguments);
    EXPECT_EQ(line.mode, c.mode);
    EXPECT_TRUE(line.error.isEmpty());
    EXPECT_EQ(line.output.format, c.format);
    EXPECT_EQ(line.inputPath, QString(c.input));
    EXPECT_EQ(line.outputPath, QString(c.output));
    EXPECT_EQ(line.output.toStandardOutput, c.toStandardOutput);
  }
  for (const char* refused :
       {"--formats json a b", "--format JSON a b", "a b --format", "--format json a",
        "--version --bogus", "--open p.vcl x", "--output-dir d", "--jobs 2 a b",
        "--output-dir d --jobs 0 a", "--curves a b", "--format csv --curves a b"}) {
    const CommandLine line = fromOptions(refused);
    EXPECT_EQ(line.mode, StartMode::OptionError) << refused;
    EXPECT_FALSE(line.error.isEmpty()) << refused;
  }
  const CommandLine many = fromOptions("--output-dir=d --jobs=3 a -- --b");
  EXPECT_EQ(many.inputs, QStringList({"a", "--b"}));
  EXPECT_EQ(many.outputDir, QString("d"));
  EXPECT_EQ(many.jobs, 3);
  const CommandLine open = commandLineFromOptions({"--open", "p q.vcl"});
  EXPECT_EQ(open.mode, StartMode::Open);
  EXPECT_EQ(open.openPath, QString("p q.vcl"));
  EXPECT_EQ(fromOptions("--version").mode, StartMode::Version);
  EXPECT_FALSE(fromOptions("--format json a b").output.curves);
  EXPECT_TRUE(fromOptions("--curves --format json a b").output.curves);
  // Without "--" the count alone decides, as before: "-" is a file name.
  EXPECT_EQ(parseCommandLine("--format json in out").output.format, BatchFormat::Json);
  const CommandLine plain = parseCommandLine("in.vcl -");
  EXPECT_EQ(plain.mode, StartMode::Batch);
  EXPECT_FALSE(plain.output.toStandardOutput);
  EXPECT_EQ(parseCommandLine("-x").mode, StartMode::Usage);
}

// The JSON of the sample laminate holds its run (EX 8.220e+006 as in the
// reference report; the other values are tested on the writer); "-" gives
// the same bytes on standard output and writes no file.
TEST_F(BatchProcessTest, JsonToAFileAndToStandardOutput) {
  ASSERT_TRUE(writeFile("work/plate.vcl", sourceFile("examples/sample.vcl")));
  const auto toFile = run({"--format", "json", "plate.vcl", "r.json"});
  ASSERT_EQ(toFile.exitCode, 0) << toFile.err.toStdString();
  const QByteArray bytes = readFile("work/r.json");
  ASSERT_TRUE(bytes.endsWith("}\r\n"));
  const double EX = nlohmann::json::parse(bytes.toStdString())["results"]["apparent"]["EX"];
  EXPECT_NEAR(EX, 8.220e6, 0.0005 * 8.220e6);
  const auto toStdout = run({"--format=json", "plate.vcl", "-"});
  EXPECT_EQ(toStdout.exitCode, 0);
  EXPECT_TRUE(toStdout.out == bytes);
  EXPECT_TRUE(toStdout.err.isEmpty()) << toStdout.err.toStdString();
  EXPECT_FALSE(QFileInfo::exists(path("work/-")));
}

// Text to standard output is the report file's bytes; CSV starts with its
// header; a stopped run writes no JSON; unknown options end with status 2
// before anything is read or written.
TEST_F(BatchProcessTest, FormatsAndOptionErrors) {
  ASSERT_TRUE(writeFile("work/plate.vcl", sourceFile("examples/sample.vcl")));
  ASSERT_TRUE(writeFile("work/zero.vcl", test::sampleDataFile("0.000e+000")));
  EXPECT_TRUE(run({"--format", "text", "plate.vcl", "-"}).out ==
              sourceFile("tests/reference/expected/sample.txt"));
  EXPECT_EQ(run({"--format", "csv", "plate.vcl", "r.csv"}).exitCode, 0);
  EXPECT_TRUE(readFile("work/r.csv").startsWith("layer,material,description,angle,surface,z,"));
  const auto stopped = run({"--format", "json", "zero.vcl", "z.json"});
  EXPECT_EQ(stopped.exitCode, 1);
  EXPECT_FALSE(QFileInfo::exists(path("work/z.json")));
  for (const QStringList& arguments : {QStringList{"--verbose", "plate.vcl", "o.txt"},
                                       QStringList{"--format", "pdf", "plate.vcl", "o.txt"}}) {
    const auto result = run(arguments);
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_TRUE(result.err.startsWith("Command Line Error: ")) << result.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path("work/o.txt")));
  }
}

}  // namespace
}  // namespace vc
