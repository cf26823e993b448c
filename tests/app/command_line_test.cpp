// The argument string, "-setcm" and the splitting of arguments.
#include <gtest/gtest.h>

#include "app/command_line.h"

namespace vc {
namespace {

QStringList split(const char* text) { return splitArguments(QString::fromUtf8(text)); }

TEST(SplitArguments, RunsOfBlanksAreOneSeparator) {
  EXPECT_EQ(split("  in.vcl    out.txt  "), (QStringList{"in.vcl", "out.txt"}));
  EXPECT_TRUE(split("").isEmpty());
  EXPECT_TRUE(split("     ").isEmpty());
}

TEST(SplitArguments, DoubleQuotedPartKeepsBlanksAndLosesQuotes) {
  EXPECT_EQ(split("\"my data/in file.vcl\" out.txt"),
            (QStringList{"my data/in file.vcl", "out.txt"}));
}

TEST(SplitArguments, SingleQuotedPartKeepsBlanksAndDoubleQuotes) {
  EXPECT_EQ(split("'a \"b\" c' d"), (QStringList{"a \"b\" c", "d"}));
  EXPECT_EQ(split("\"it's here\" x"), (QStringList{"it's here", "x"}));
}

TEST(SplitArguments, QuotedPartJoinsAdjacentText) {
  EXPECT_EQ(split("dir/\"a b\".vcl out"), (QStringList{"dir/a b.vcl", "out"}));
}

TEST(SplitArguments, UnclosedQuoteRunsToTheEnd) {
  EXPECT_EQ(split("in \"out file"), (QStringList{"in", "out file"}));
}

TEST(SplitArguments, EmptyQuotesAreAnArgument) {
  EXPECT_EQ(split("\"\" out"), (QStringList{"", "out"}));
}

TEST(ArgumentString, RebuiltArgumentsSplitBackToThemselves) {
  const QStringList cases[] = {
      {},
      {"in.vcl", "out.txt"},
      {"/tmp/with blank/in.vcl", "out put.txt"},
      {"say \"hi\" there", "x"},
      {"it's", "a'b c"},
      {"", "second"},
  };
  for (const QStringList& arguments : cases) {
    EXPECT_EQ(splitArguments(argumentStringFromArgs(arguments)), arguments)
        << argumentStringFromArgs(arguments).toStdString();
  }
}

TEST(ArgumentString, PlainArgumentsJoinWithSingleBlanks) {
  EXPECT_EQ(argumentStringFromArgs({"a", "b", "c"}), QStringLiteral("a b c"));
  EXPECT_EQ(argumentStringFromArgs({"a b"}), QStringLiteral("\"a b\""));
  EXPECT_EQ(argumentStringFromArgs({"a \"b\""}), QStringLiteral("'a \"b\"'"));
}

TEST(ArgumentString, ProgramNameRemovedFromCommandLine) {
  EXPECT_EQ(argumentStringFromCommandLine("vellacore.exe in out"), QStringLiteral("in out"));
  EXPECT_EQ(argumentStringFromCommandLine("\"C:\\Program Files\\V\\vellacore.exe\" in out"),
            QStringLiteral("in out"));
  // Only one blank after the name is skipped; the rest is trimmed later.
  EXPECT_EQ(argumentStringFromCommandLine("vellacore   in"), QStringLiteral("  in"));
  EXPECT_EQ(argumentStringFromCommandLine("vellacore"), QString());
  EXPECT_EQ(argumentStringFromCommandLine("\"vellacore\""), QString());
}

TEST(ArgumentString, ProcessArgumentsRebuiltFromArgv) {
  char program[] = "vellacore";
  char first[] = "in file.vcl";
  char second[] = "out.txt";
  char* argv[] = {program, first, second, nullptr};
  EXPECT_EQ(processArgumentString(3, argv), QStringLiteral("\"in file.vcl\" out.txt"));
  EXPECT_EQ(processArgumentString(1, argv), QString());
}

TEST(SetCompatibility, OnlyTheTwoSpellingsOfTheFirstSixCharacters) {
  EXPECT_TRUE(isSetCompatibilityOption("-setcm"));
  EXPECT_TRUE(isSetCompatibilityOption("-SETCM"));
  EXPECT_TRUE(isSetCompatibilityOption("   -setcm   "));
  EXPECT_TRUE(isSetCompatibilityOption("-setcmx and more"));
  EXPECT_FALSE(isSetCompatibilityOption("-SetCm"));
  EXPECT_FALSE(isSetCompatibilityOption("-setc"));
  EXPECT_FALSE(isSetCompatibilityOption("x -setcm"));
  EXPECT_FALSE(isSetCompatibilityOption("\"-setcm\""));
}

TEST(ParseCommandLine, ModeByArgumentCount) {
  EXPECT_EQ(parseCommandLine("").mode, StartMode::Interactive);
  EXPECT_EQ(parseCommandLine("   ").mode, StartMode::Interactive);
  EXPECT_EQ(parseCommandLine("one").mode, StartMode::Usage);
  EXPECT_EQ(parseCommandLine("one two three").mode, StartMode::Usage);
  EXPECT_EQ(parseCommandLine("-SeTcM").mode, StartMode::Usage);
  EXPECT_EQ(parseCommandLine(" -SETCM ").mode, StartMode::SetCompatibility);
  const CommandLine batch = parseCommandLine("  \"a b.vcl\"   'c d.txt' ");
  EXPECT_EQ(batch.mode, StartMode::Batch);
  EXPECT_EQ(batch.inputPath, QStringLiteral("a b.vcl"));
  EXPECT_EQ(batch.outputPath, QStringLiteral("c d.txt"));
}

TEST(Usage, TextHasTwoBlankLinesAndDoubleBlanksInTheSyntax) {
  EXPECT_STREQ(kUsageCaption, "Command Line Error");
  EXPECT_STREQ(kUsageText,
               "To run Vellacore in Windows mode simply execute Vellacore.exe\r\n\r\n"
               "To run in Command Line Mode from a shell, the syntax is: "
               "Vellacore  input_file  output_file\r\n\r\n");
}

TEST(TrimBlanks, OnlyBlanksAreTrimmed) {
  EXPECT_EQ(trimBlanks("  a b  "), QStringLiteral("a b"));
  EXPECT_EQ(trimBlanks("\ta\t"), QStringLiteral("\ta\t"));
  EXPECT_EQ(trimBlanks("   "), QString());
}

}  // namespace
}  // namespace vc
