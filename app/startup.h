// The start-up steps shared by the desktop program and the batch run: the
// data folder and the remembered folder, the built-in library, the help file
// and the user material slots. The command line has been handled before.
#pragma once

#include <QString>

namespace vc {

struct StartupState {
  QString currentDataFolder;  // always ends in '/'
  QString helpFilePath;       // <executable folder>/Vellacore.qch
  bool batchRun = false;
  QString inputPath, outputPath;
};

// Name of the help file beside the executable.
extern const char* const kHelpFileName;

// Loads the built-in material library. The library has no start-up work to
// do yet; the step keeps its place in the start-up order.
void loadBuiltInLibraryAtStartup();

// In order: prepareDefaultDataFolder (which also makes it the current folder
// and stores LastPath), trailing '/', loadLastPath, the built-in library,
// helpFilePath, renumbering of the user material records.
void runStartupSteps(StartupState& state);

}  // namespace vc
