#include "pages/window_rules.h"


namespace vc {

const char* const kProgramHelpTopic = "::html/vcla3rcn.htm";
const char* const kResultsHelpTopic = "::html/vcla6vz9.htm";

const char* helpTopicForPage(int page) {
  static const char* const topics[] = {"::html/vcla4dgz.htm", "::html/vcla52sz.htm",
                                       "::html/vcla33oo.htm", "::html/vcla1xyo.htm",
                                       "::html/vcla8h2r.htm", "::html/vcla3igj.htm",
                                       "::html/vcla4gby.htm"};
  if (page < kSettingsPage || page > kAboutPage) return kProgramHelpTopic;
  return topics[page];
}

bool analyzeEnabledOnPage(int page) { return page != kMicromechanicsPage; }

int editMenuCommandForPage(int page) {
  if (page < kSettingsPage || page > kMicromechanicsPage) return 0;
  return 1009 + page;
}

}  // namespace vc
