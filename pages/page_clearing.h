// The two clearing commands of the Edit menu. They differ on purpose: the
// visible-page command clears all seven Settings boxes, the all-pages command
// keeps the two that are set at start.
#pragma once

#include "pages/input_pages.h"

namespace vc {

void clearSettingsPage(SettingsPage& page, bool allSevenBoxes);
void clearMaterialsPage(MaterialsPage& page);
void clearStrengthPage(StrengthPage& page);
void clearLayupPage(LayupPage& page);
void clearLoadsPage(LoadsPage& page);

// Clears the page with the given tab index (0..4; other pages are handled by
// their own models and the About page has nothing to clear).
void clearVisiblePage(InputPages& pages, int pageIndex);
// Clears every input page in turn (Settings keeps its first two boxes).
void clearAllInputPages(InputPages& pages);

}  // namespace vc
