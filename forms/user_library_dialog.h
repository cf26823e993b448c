// The user library editor (AddLib): the 30 user material slots, one shown
// at a time in English or metric units, stored with "&Accept" and removed
// with "&Delete". Opened modally from the Material Library window, or from
// the Micromechanics page with its results filled in.
#pragma once

#include <array>
#include <optional>

#include <QDialog>

#include "app/help_requests.h"
#include "engine/messages.h"
#include "materials/library_table.h"
#include "materials/material_units.h"
#include "materials/user_library.h"
#include "materials/user_record_store.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vc::forms {

// Values handed to the editor to be stored, already in `units`.
struct ResultsForLibrary {
  MaterialValues values{};
  MaterialUnits units = MaterialUnits::English;
};

class UserLibraryDialog : public QDialog {
  Q_OBJECT

 public:
  // With `results`, the editor opens on the first slot after the highest
  // used one, in the results' units, with the results in its number boxes.
  UserLibraryDialog(UserRecordStore& store, MessageSink& messages, HelpRequests& help,
                    const std::optional<ResultsForLibrary>& results, QWidget* parent = nullptr);

 private:
  MaterialUnits units() const;
  void readSlots();
  void selectSlot(int slot);
  void showUserSlot();
  void switchUnits();
  void emptyBoxes();
  void acceptEntries();
  void deleteSlot();

  UserRecordStore& store_;
  MessageSink& messages_;
  HelpRequests& help_;
  UserSlots userRecords_;
  int lastUsedSlot_ = 0;
  bool unitsSwitching_ = false;

  QComboBox* slotList_;
  QRadioButton* english_;
  QRadioButton* metric_;
  QLineEdit* nameBox_;
  std::array<QLabel*, kMaterialProperties> unitLabels_{};
  std::array<QLineEdit*, kMaterialProperties> numberBoxes_{};
};

}  // namespace vc::forms
