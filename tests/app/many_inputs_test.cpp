// Many inputs in one run: each output byte for byte that of a single run of
// the same input, whatever the thread count; --help and --version.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "app/many_inputs_run.h"
#include "batch_process.h"

namespace vc {
namespace {

using test::BatchProcessTest;

TEST(ManyInputs, OutputNamesAndClashes) {
  const struct {
    QStringList inputs;
    BatchFormat format;
    QStringList outputs;  // empty: a clash
  } cases[] = {
      {{"a/p.vcl", "b/q.x.vcl", "r"}, BatchFormat::Text, {"o/p.txt", "o/q.x.txt", "o/r.txt"}},
      {{"p.vcl"}, BatchFormat::Json, {"o/p.json"}},
      {{"p.vcl"}, BatchFormat::Csv, {"o/p.csv"}},
      {{"a/p.vcl", "b/p.vcl"}, BatchFormat::Text, {}},
      {{"p.vcl", "p.dat"}, BatchFormat::Csv, {}},
  };
  for (const auto& c : cases) {
    QStringList outputs;
    const QString error = outputPathsForInputs(c.inputs, "o", c.format, outputs);
    EXPECT_EQ(error.isEmpty(), !c.outputs.isEmpty()) << error.toStdString();
    if (error.isEmpty()) {
      EXPECT_EQ(outputs, c.outputs);
    }
  }
}

class ManyInputsProcess : public BatchProcessTest {
 protected:
  // Plates that complete, one stopped by a zero modulus, one refused.
  void writeInputs() {
    ASSERT_TRUE(writeFile("work/plate.vcl", test::sampleDataFile()));
    ASSERT_TRUE(writeFile("work/stiff.vcl", test::sampleDataFile("2.500e+006")));
    ASSERT_TRUE(writeFile("work/zero.vcl", test::sampleDataFile("0.000e+000")));
    ASSERT_TRUE(writeFile("work/junk.vcl", "not a laminate\r\n"));
  }
  const QStringList inputs_{"plate.vcl", "zero.vcl", "junk.vcl", "stiff.vcl"};
};

TEST_F(ManyInputsProcess, SameBytesAsSingleRunsWhateverTheThreads) {
  writeInputs();
  const struct {
    QStringList options;
    const char* extension;
  } forms[] = {{{"--format", "text"}, ".txt"},
               {{"--format", "json"}, ".json"},
               {{"--format", "json", "--curves"}, ".json"}};
  for (int f = 0; f < 3; ++f) {
    const auto& [options, extension] = forms[f];
    SCOPED_TRACE(options.join(' ').toStdString());
    int highest = 0;
    for (const QString& input : inputs_) {
      const QString single = QStringLiteral("%1-%2%3").arg(QFileInfo(input).completeBaseName(),
                                                           QString::number(f), extension);
      highest = std::max(highest, run(options + QStringList{input, single}).exitCode);
    }
    for (const char* jobs : {"1", "4"}) {
      const QString dir = QStringLiteral("out%1-%2").arg(f).arg(jobs);
      const auto many = run(QStringList{"--output-dir", dir, "--jobs", jobs} + options + inputs_);
      EXPECT_EQ(many.exitCode, highest);
      EXPECT_EQ(highest, 2);
      // One line for the stopped input and one for the refused one.
      EXPECT_EQ(many.err.count('\n'), 2) << many.err.toStdString();
      EXPECT_TRUE(many.err.contains("zero.vcl: ") && many.err.contains("junk.vcl: "));
      for (const QString& input : inputs_) {
        const QString name = QFileInfo(input).completeBaseName();
        const QString single = QStringLiteral("work/%1-%2%3").arg(name).arg(f).arg(extension);
        const QString inDir = "work/" + dir + "/" + name + extension;
        EXPECT_EQ(QFileInfo::exists(path(single)), QFileInfo::exists(path(inDir)))
            << name.toStdString();
        EXPECT_EQ(readFile(single), readFile(inDir)) << name.toStdString();
      }
    }
  }
  EXPECT_EQ(readFile("work/zero-0.txt"), QByteArray("\r\n"));
  EXPECT_GT(readFile("work/plate-2.json").size(), 5 * readFile("work/plate-1.json").size());
}

TEST_F(ManyInputsProcess, SharedNameRefusedBeforeWriting) {
  writeInputs();
  QDir(path("work")).mkdir("sub");
  ASSERT_TRUE(writeFile("work/sub/plate.vcl", test::sampleDataFile()));
  const auto result = run({"--output-dir", "out", "stiff.vcl", "plate.vcl", "sub/plate.vcl"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_TRUE(result.err.startsWith("Command Line Error: ")) << result.err.toStdString();
  EXPECT_FALSE(QFileInfo::exists(path("work/out")));
}

TEST_F(BatchProcessTest, HelpAndVersionWithoutDisplay) {
  const struct {
    const char* option;
    const char* starts;
  } cases[] = {{"--help", "Usage: vellacore input_file output_file\n"},
               {"--version", "vellacore " VC_VERSION_TEXT "\n"}};
  for (const auto& c : cases) {
    const auto result = run({c.option});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_TRUE(result.out.startsWith(c.starts)) << result.out.toStdString();
    EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
  }
}

}  // namespace
}  // namespace vc
