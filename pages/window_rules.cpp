#include "pages/window_rules.h"

#include <iterator>

#include "help/help_topics.h"

namespace vc {

const char* const kProgramHelpTopic = help::kProgramDescriptionTopic;
const char* const kResultsHelpTopic = help::kResultsWindowTopic;

const char* helpTopicForPage(int page) {
  static_assert(std::size(help::kPageTopics) == kAboutPage + 1, "one help topic per page");
  if (page < kSettingsPage || page > kAboutPage) return kProgramHelpTopic;
  return help::kPageTopics[page];
}

bool analyzeEnabledOnPage(int page) { return page != kMicromechanicsPage; }

int editMenuCommandForPage(int page) {
  if (page < kSettingsPage || page > kMicromechanicsPage) return 0;
  return 1009 + page;
}

}  // namespace vc
