// The start-up steps shared by the desktop program and the batch run: the
// data folder and the remembered folder, the built-in library, the help file
// and the user material slots. The command line has been handled before.
#pragma once

#include <QString>

namespace vc {

struct StartupState {
  QString currentDataFolder;  // always ends in '/'
  QString helpFilePath;       // <executable folder>/Vellacore.qch
  QString inputPath, outputPath;
};

// Name of the help file beside the executable.
extern const char* const kHelpFileName;

// In order: prepareDefaultDataFolder (which also makes it the current folder
// and stores LastPath), trailing '/', loadLastPath, helpFilePath, renumbering
// of the user material records.
void runStartupSteps(StartupState& state);

}  // namespace vc
