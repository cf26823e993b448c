// The worked example of the Help menu's "Sample Data" command: one
// carbon/epoxy material, an eight-ply [0/45/-45/90]s stack and a tension
// plus bending load, shown on the pages after the user agrees.
#pragma once

#include "engine/laminate_data.h"
#include "engine/messages.h"
#include "pages/input_pages.h"

namespace vc {

// Caption and text of the question asked first (lines split by line feeds,
// columns lined up with tabs).
extern const char* const kSampleDataCaption;
extern const char* const kSampleDataQuestion;

// Asks the question (Yes/No); true only for Yes.
bool askForSampleData(MessageSink& messages);

// Puts the sample laminate into the record (the derived strain limits
// included; the symmetric, double-double and load flags are left to the next
// page copy), checks all seven Settings boxes and shows the record on the
// Materials, Strength, Layup and Loads pages. The pages are expected to have
// been cleared first. The selected page is the caller's and stays as it is.
void showSampleData(InputPages& pages, LaminateData& data);

}  // namespace vc
