#include "forms/material_library_commands.h"

#include <QAction>
#include <QEvent>
#include <QPushButton>

#include "app/user_library_commands.h"
#include "forms/main_window.h"
#include "forms/material_library_dialog.h"
#include "forms/materials_page.h"
#include "forms/micromechanics_page.h"
#include "forms/user_library_dialog.h"
#include "pages/material_copy_events.h"
#include "pages/page_index.h"

namespace vc::forms {

MaterialLibraryCommands::MaterialLibraryCommands(MainWindow& window, MaterialsPage& materials,
                                                 MicromechanicsPage& micromechanics)
    : QObject(&window), window_(window), materials_(materials), micromechanics_(micromechanics) {
  setObjectName(QStringLiteral("materialLibrary"));
  loadBuiltInLibrary(library_);
  connect(&materials_, &MaterialsPage::materialLibraryRequested, this,
          &MaterialLibraryCommands::openMaterialLibrary);
  connect(&micromechanics_, &MicromechanicsPage::saveToLibraryRequested, this,
          &MaterialLibraryCommands::saveResultsToLibrary);
  const struct {
    int id;
    void (MaterialLibraryCommands::*command)();
  } commands[] = {{1004, &MaterialLibraryCommands::exportUserLibrary},
                  {1005, &MaterialLibraryCommands::importUserLibrary},
                  {1019, &MaterialLibraryCommands::openMaterialLibraryFromMenu},
                  {1020, &MaterialLibraryCommands::editUserLibrary}};
  for (const auto& c : commands) {
    QAction* action = window_.menuCommand(c.id);
    action->setEnabled(true);
    connect(action, &QAction::triggered, this, c.command);
  }
  window_.installEventFilter(this);
}

void MaterialLibraryCommands::openMaterialLibrary() {
  window_.commitGridEdits();
  MaterialLibraryDialog dialog(library_, store_, window_.pages().materials, &window_,
                               window_.messages(), window_.help(), editUserLibraryRequested_,
                               &window_);
  dialog.exec();
}

void MaterialLibraryCommands::openMaterialLibraryFromMenu() {
  window_.selectPage(kMaterialsPage);
  openMaterialLibrary();
}

void MaterialLibraryCommands::editUserLibrary() {
  editUserLibraryRequested_ = true;
  openMaterialLibraryFromMenu();
  editUserLibraryRequested_ = false;
}

void MaterialLibraryCommands::exportUserLibrary() {
  QString folder = window_.currentDataFolder();
  exportUserLibraryCommand(window_.chooser(), store_, folder, window_.messages());
  window_.setCurrentDataFolder(folder);
}

void MaterialLibraryCommands::importUserLibrary() {
  QString folder = window_.currentDataFolder();
  importUserLibraryCommand(window_.chooser(), store_, folder, window_.messages());
  window_.setCurrentDataFolder(folder);
}

void MaterialLibraryCommands::saveResultsToLibrary() {
  const vc::MicromechanicsPage& page = micromechanics_.model();
  const ResultsForLibrary results{laminaMaterialValues(page.results), page.saveInEnglish
                                                                          ? MaterialUnits::English
                                                                          : MaterialUnits::Metric};
  UserLibraryDialog editor(store_, window_.messages(), window_.help(), results, &micromechanics_);
  editor.exec();
}

bool MaterialLibraryCommands::eventFilter(QObject* watched, QEvent* event) {
  const int code = static_cast<int>(event->type());
  if (watched != &window_ || !isMaterialCopyEvent(code))
    return QObject::eventFilter(watched, event);
  window_.commitGridEdits();
  handleMaterialCopyEvent(code, window_.pages(), library_, micromechanics_.model().results,
                          currentRowForCopy_, window_.messages());
  window_.refreshPages();
  return true;
}

}  // namespace vc::forms
