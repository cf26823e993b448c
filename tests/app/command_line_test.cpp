// The command line: "-setcm", splitting the argument string and the mode by
// argument count; the message sink of a batch run.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/stderr_messages.h"

namespace vc {
namespace {

TEST(CommandLine, SplittingTable) {
  const std::pair<const char*, QStringList> cases[] = {
      {"  in.vcl    out.txt  ", {"in.vcl", "out.txt"}},
      {"     ", {}},
      {"\"my data/in file.vcl\" out.txt", {"my data/in file.vcl", "out.txt"}},
      {"'a \"b\" c' d", {"a \"b\" c", "d"}},
      {"\"it's here\" x", {"it's here", "x"}},
      {"dir/\"a b\".vcl out", {"dir/a b.vcl", "out"}},
      {"in \"out file", {"in", "out file"}},
      {"\"\" out", {"", "out"}},
  };
  for (const auto& [text, arguments] : cases) EXPECT_EQ(splitArguments(text), arguments) << text;
}

TEST(CommandLine, ProgramNameRemovedFromAWindowsCommandLine) {
  EXPECT_EQ(argumentStringFromCommandLine("vellacore.exe in out"), QStringLiteral("in out"));
  EXPECT_EQ(argumentStringFromCommandLine("\"C:\\Program Files\\V\\vellacore.exe\" in out"),
            QStringLiteral("in out"));
  EXPECT_EQ(argumentStringFromCommandLine("vellacore   in"), QStringLiteral("  in"));
  EXPECT_EQ(argumentStringFromCommandLine("\"vellacore\""), QString());
}

TEST(CommandLine, ModeByArgumentCountAndTheSetcmSpellings) {
  const std::pair<StartMode, std::vector<const char*>> groups[] = {
      {StartMode::Interactive, {"", "   "}},
      {StartMode::Usage, {"one", "one two three", "-SetCm", "-setc", "x -setcm y", "\"-setcm\""}},
      {StartMode::SetCompatibility, {" -SETCM ", "-setcm", "-setcmx and more"}}};
  for (const auto& [mode, texts] : groups)
    for (const char* text : texts) EXPECT_EQ(parseCommandLine(text).mode, mode) << text;
  const CommandLine batch = parseCommandLine("  \"a b.vcl\"   'c d.txt' ");
  EXPECT_EQ(batch.mode, StartMode::Batch);
  EXPECT_EQ(batch.inputPath, QStringLiteral("a b.vcl"));
  EXPECT_EQ(batch.outputPath, QStringLiteral("c d.txt"));
  EXPECT_EQ(trimBlanks("\ta b\t "), QStringLiteral("\ta b\t"));
  // Arguments handed over as they stand are never split again.
  const CommandLine quoted = parseArguments({"my 'plate' \"1\".vcl", "out \"x\" 'y'.txt"});
  EXPECT_EQ(quoted.mode, StartMode::Batch);
  EXPECT_EQ(quoted.inputPath + "|" + quoted.outputPath, "my 'plate' \"1\".vcl|out \"x\" 'y'.txt");
  EXPECT_EQ(parseArguments({" -SETCM", "x", "y"}).mode, StartMode::SetCompatibility);
  EXPECT_EQ(parseArguments({"x", "-setcm"}).mode, StartMode::Batch);
}

TEST(StderrMessages, OneLinePerMessageAndQuestionsAnswerNo) {
  EXPECT_EQ(messageLine("C", "one\r\n\r\ntwo\r\n\r\n"), "C: one  two");
  EXPECT_EQ(messageLine("C", "a\nb\rc  "), "C: a b c");
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  StderrMessages messages(stream);
  messages.inform("Data Error", "ABD matrix is singular.");
  EXPECT_EQ(messages.ask("Question", "Replace?", QuestionButtons::YesNoCancel), Answer::No);
  std::rewind(stream);
  char buffer[256] = {};
  buffer[std::fread(buffer, 1, sizeof buffer - 1, stream)] = '\0';
  std::fclose(stream);
  EXPECT_STREQ(buffer, "Data Error: ABD matrix is singular.\nQuestion: Replace?\n");
}

}  // namespace
}  // namespace vc
