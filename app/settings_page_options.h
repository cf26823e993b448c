// The Settings page's report options as a data file carries them: taken from
// the page before a save, put on the page after a read.
#pragma once

#include "datafile/data_file.h"
#include "pages/input_pages.h"

namespace vc {

DataFileOptions optionsFromSettingsPage(const SettingsPage& page);

// Sets the seven check boxes and the two strain buttons; enabled states stay.
void showOptionsOnSettingsPage(const DataFileOptions& options, SettingsPage& page);

}  // namespace vc
