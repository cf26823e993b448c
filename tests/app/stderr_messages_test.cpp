// Batch messages: one line each on stderr, questions answered No.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/stderr_messages.h"

namespace vc {
namespace {

TEST(MessageLine, CaptionColonText) {
  EXPECT_EQ(messageLine("Material Error", "A material modulus is zero.  Review material property data."),
            "Material Error: A material modulus is zero.  Review material property data.");
}

TEST(MessageLine, EachLineBreakBecomesOneBlankAndTrailingBlanksGo) {
  EXPECT_EQ(messageLine("C", "one\r\n\r\ntwo\r\n\r\n"), "C: one  two");
  EXPECT_EQ(messageLine("C", "a\nb\rc  "), "C: a b c");
  EXPECT_EQ(messageLine("C", ""), "C:");
}

TEST(StderrMessages, WritesLinesAndAnswersNo) {
  std::FILE* stream = std::tmpfile();
  ASSERT_NE(stream, nullptr);
  StderrMessages messages(stream);
  messages.inform("Data Error", "ABD matrix is singular.");
  EXPECT_EQ(messages.ask("Question", "Replace?\r\nReally?", QuestionButtons::YesNoCancel), Answer::No);
  std::rewind(stream);
  std::string written;
  char buffer[256];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, stream)) > 0) written.append(buffer, n);
  std::fclose(stream);
  EXPECT_EQ(written, "Data Error: ABD matrix is singular.\nQuestion: Replace? Really?\n");
}

}  // namespace
}  // namespace vc
