// The main window's material library: the library table, the row the next
// copy fills, the Material Library window behind the Materials page's
// "&Material Library" button and the Library menu, the user library
// editor behind the Micromechanics page's "&Save to Library", the File
// menu's export and import of the user library, and the numbered copy
// events, which it takes from the main window's event queue.
#pragma once

#include <QObject>

#include "app/settings_user_record_store.h"
#include "materials/library_table.h"

namespace vc::forms {

class MainWindow;
class MaterialsPage;
class MicromechanicsPage;

class MaterialLibraryCommands : public QObject {
  Q_OBJECT

 public:
  // Wires the pages' buttons and the main window's commands 1004, 1005,
  // 1019 and 1020, and watches the main window for the copy events.
  MaterialLibraryCommands(MainWindow& window, MaterialsPage& materials,
                          MicromechanicsPage& micromechanics);

  // "&Material Library": the Material Library window, modal.
  void openMaterialLibrary();
  // "&Open Material Library": the Materials page, then its button.
  void openMaterialLibraryFromMenu();
  // "&Add/Edit User Library": the same, going straight on to the user
  // library editor.
  void editUserLibrary();
  void exportUserLibrary();
  void importUserLibrary();

  const LibraryTable& library() const { return library_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void saveResultsToLibrary();

  MainWindow& window_;
  MaterialsPage& materials_;
  MicromechanicsPage& micromechanics_;
  SettingsUserRecordStore store_;
  LibraryTable library_{};
  int currentRowForCopy_ = 0;
  bool editUserLibraryRequested_ = false;
};

}  // namespace vc::forms
