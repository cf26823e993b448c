// The Material Library window (MatLib): the 15 built-in materials and the
// stored user materials in one list, the selected one's properties in
// English or metric units, and the copy of it into a row of the Materials
// and Strength pages. The copy itself is carried out by the main window,
// to which the window posts the numbered copy events.
#pragma once

#include <QDialog>

#include "app/help_requests.h"
#include "engine/messages.h"
#include "materials/library_table.h"
#include "materials/material_units.h"
#include "materials/user_record_store.h"
#include "pages/input_pages.h"

class QComboBox;
class QPlainTextEdit;
class QRadioButton;

namespace vc::forms {

class MaterialLibraryDialog : public QDialog {
  Q_OBJECT

 public:
  // `library` is the main window's table, whose user slots the window
  // refills; `materials` the Materials page whose grid a copy starts on;
  // `copyEvents` the main window, which receives the copy events. With
  // `openEditor` the window goes straight on to the user library editor.
  MaterialLibraryDialog(LibraryTable& library, UserRecordStore& store, vc::MaterialsPage& materials,
                        QObject* copyEvents, MessageSink& messages, HelpRequests& help,
                        bool openEditor, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  MaterialUnits units() const;
  void loadUserMaterials();
  void showLibraryEntry();
  void copyLibraryEntry();
  void editUserLibrary();

  LibraryTable& library_;
  UserRecordStore& store_;
  vc::MaterialsPage& materials_;
  QObject* copyEvents_;
  MessageSink& messages_;
  HelpRequests& help_;
  bool openEditor_;

  QComboBox* materialList_;
  QRadioButton* english_;
  QRadioButton* metric_;
  QPlainTextEdit* propertiesBox_;
  QComboBox* targetRow_;
};

}  // namespace vc::forms
