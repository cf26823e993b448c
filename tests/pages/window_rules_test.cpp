// The page-dependent rules of the main window, against the topic table and
// rules the window must follow.
#include <gtest/gtest.h>

#include <string>

#include "pages/window_rules.h"

namespace {

TEST(WindowRules, EachPageHasItsHelpTopicAndOthersTheProgramTopic) {
  const struct {
    int page;
    const char* topic;
  } table[] = {{0, "::html/vcla4dgz.htm"}, {1, "::html/vcla52sz.htm"}, {2, "::html/vcla33oo.htm"},
               {3, "::html/vcla1xyo.htm"}, {4, "::html/vcla8h2r.htm"}, {5, "::html/vcla3igj.htm"},
               {6, "::html/vcla4gby.htm"}, {7, "::html/vcla3rcn.htm"}, {-1, "::html/vcla3rcn.htm"}};
  for (const auto& row : table) {
    SCOPED_TRACE(row.page);
    EXPECT_EQ(std::string(vc::helpTopicForPage(row.page)), row.topic);
  }
  EXPECT_EQ(std::string(vc::kResultsHelpTopic), "::html/vcla6vz9.htm");
}

TEST(WindowRules, AnalyzeRestsOnlyOnMicromechanicsAndAboutChecksNoEditItem) {
  for (int page = 0; page <= 6; ++page) {
    SCOPED_TRACE(page);
    EXPECT_EQ(vc::analyzeEnabledOnPage(page), page != 5);
    EXPECT_EQ(vc::editMenuCommandForPage(page), page <= 5 ? 1009 + page : 0);
  }
}

}  // namespace
