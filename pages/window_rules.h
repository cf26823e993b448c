// The main window's rules that depend only on which page is visible: the
// help topic of each page, when Analyze may be pressed, and which Edit menu
// page item carries the check mark. Plain data, so the desktop window and
// the tests share one table.
#pragma once

#include "pages/page_index.h"

namespace vc {

// The topic of the program description (F1, "Program Description", and any
// page without a topic of its own) and of the results window.
extern const char* const kProgramHelpTopic;
extern const char* const kResultsHelpTopic;

// The help topic for the page with the given tab index.
const char* helpTopicForPage(int page);

// Analyze rests on the Micromechanics page, which is no analysis input.
bool analyzeEnabledOnPage(int page);

// The Edit menu command (1009..1014) that is checked while `page` is
// visible, or 0 when no page item is (the About page).
int editMenuCommandForPage(int page);

}  // namespace vc
