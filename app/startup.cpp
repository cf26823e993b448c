#include "app/startup.h"

#include "app/command_line.h"
#include "app/executable_path.h"
#include "app/settings_store.h"
#include "app/user_material_slots.h"

namespace vc {

const char* const kHelpFileName = "Vellacore.qch";

void runStartupSteps(StartupState& state) {
  prepareDefaultDataFolder(state.currentDataFolder);
  state.currentDataFolder = trimBlanks(state.currentDataFolder);
  if (!state.currentDataFolder.endsWith(QLatin1Char('/')))
    state.currentDataFolder += QLatin1Char('/');

  loadLastPath(state.currentDataFolder);

  QString folder = trimBlanks(executableFolder());
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  state.helpFilePath = folder + QString::fromLatin1(kHelpFileName);

  renumberUserMaterials();
}

}  // namespace vc
