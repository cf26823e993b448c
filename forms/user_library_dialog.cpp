#include "forms/user_library_dialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/control_states.h"
#include "help/help_topics.h"
#include "materials/library_entry_text.h"
#include "materials/user_record.h"

namespace vc::forms {

namespace {

// The number boxes by property; the moisture boxes keep their old names.
constexpr const char* kBoxNames[kMaterialProperties] = {
    "textb_E1",   "textb_E2", "textb_G12", "textb_v12", "textb_CTE1", "textb_CTE2", "textb_CHE1",
    "textb_CHE2", "textb_Xt", "textb_Xc",  "textb_Yt",  "textb_Yc",   "textb_S"};

// Where each property sits: group box (0 property data, 1 strength data),
// grid row and column pair.
struct Place {
  int group, row, column;
};
constexpr Place kPlaces[kMaterialProperties] = {
    {0, 0, 0}, {0, 1, 0}, {0, 2, 0}, {0, 3, 0}, {0, 0, 1}, {0, 1, 1}, {0, 2, 1},
    {0, 3, 1}, {1, 0, 0}, {1, 1, 0}, {1, 0, 1}, {1, 1, 1}, {1, 2, 0}};

QString text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

UserLibraryDialog::UserLibraryDialog(UserRecordStore& store, MessageSink& messages,
                                     HelpRequests& help,
                                     const std::optional<ResultsForLibrary>& results,
                                     QWidget* parent)
    : QDialog(parent), store_(store), messages_(messages), help_(help) {
  setObjectName(QStringLiteral("AddLib"));
  setWindowTitle(QStringLiteral("Add/Edit User Library"));
  setModal(true);

  QLabel* title = namedLabel("label_1", "Add/Edit User Material", this);
  slotList_ = named(new QComboBox(this), "combo_1");
  for (int slot = 1; slot <= kUserMaterialSlotCount; ++slot) {
    slotList_->addItem(QStringLiteral("User Material %1").arg(slot));
  }
  english_ = named(new QRadioButton(QStringLiteral("English"), this), "optb_1");
  metric_ = named(new QRadioButton(QStringLiteral("Metric"), this), "optb_2");
  auto* unitsGroup = new QButtonGroup(this);
  unitsGroup->addButton(english_);
  unitsGroup->addButton(metric_);
  english_->setChecked(true);
  QLabel* nameLabel = namedLabel("label_3", "Material Name:", this);
  nameBox_ = named(new QLineEdit(this), "textb_Name");

  QGroupBox* groups[2] = {named(new QGroupBox(QStringLiteral("Property Data"), this), "groupb_1"),
                          named(new QGroupBox(QStringLiteral("Strength Data"), this), "groupb_2")};
  QGridLayout* grids[2] = {new QGridLayout(groups[0]), new QGridLayout(groups[1])};
  for (int i = 0; i < kMaterialProperties; ++i) {
    const auto property = static_cast<MaterialProperty>(i);
    const Place& place = kPlaces[i];
    const QString labelName =
        QStringLiteral("label_") + QLatin1String(materialPropertyName(property));
    unitLabels_[i] = new QLabel(groups[place.group]);
    unitLabels_[i]->setObjectName(labelName);
    numberBoxes_[i] = named(new QLineEdit(groups[place.group]), kBoxNames[i]);
    grids[place.group]->addWidget(unitLabels_[i], place.row, 2 * place.column);
    grids[place.group]->addWidget(numberBoxes_[i], place.row, 2 * place.column + 1);
  }

  auto* acceptButton = named(new QPushButton(QStringLiteral("&Accept"), this), "cb_Accept");
  auto* closeButton = named(new QPushButton(QStringLiteral("&Close"), this), "cb_Close");
  auto* deleteButton = named(new QPushButton(QStringLiteral("&Delete"), this), "cb_Delete");
  auto* helpButton = named(new QPushButton(QStringLiteral("&Help"), this), "cb_Help");

  auto* top = new QHBoxLayout;
  top->addWidget(slotList_, 1);
  top->addWidget(english_);
  top->addWidget(metric_);
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(nameLabel);
  nameRow->addWidget(nameBox_, 1);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {acceptButton, closeButton, deleteButton, helpButton}) {
    b->setAutoDefault(false);  // Return in a box does not store or close
    buttons->addWidget(b);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addLayout(top);
  layout->addLayout(nameRow);
  layout->addWidget(groups[0]);
  layout->addWidget(groups[1]);
  layout->addStretch(1);
  layout->addLayout(buttons);

  connect(slotList_, &QComboBox::activated, this, [this](int) { showUserSlot(); });
  connect(english_, &QRadioButton::clicked, this, &UserLibraryDialog::switchUnits);
  connect(metric_, &QRadioButton::clicked, this, &UserLibraryDialog::switchUnits);
  connect(acceptButton, &QPushButton::clicked, this, &UserLibraryDialog::acceptEntries);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
  connect(deleteButton, &QPushButton::clicked, this, &UserLibraryDialog::deleteSlot);
  connect(helpButton, &QPushButton::clicked, this,
          [this]() { help_.showTopic(QString::fromLatin1(help::kUserLibraryTopic)); });

  // Opening: slot 1 in English units.
  slotList_->setCurrentIndex(0);
  readSlots();
  showUserSlot();
  if (results) {
    // The results go into the first free slot, in the units they are in.
    selectSlot(slotForSavedResults(userRecords_, messages_));
    (results->units == MaterialUnits::English ? english_ : metric_)->setChecked(true);
    showUserSlot();
    const auto texts = editorBoxTextsAsGiven(results->values);
    for (int i = 0; i < kMaterialProperties; ++i) numberBoxes_[i]->setText(text(texts[i]));
    // The results have no name yet, even over the last slot of a full library.
    nameBox_->clear();
  }
}

MaterialUnits UserLibraryDialog::units() const {
  return english_->isChecked() ? MaterialUnits::English : MaterialUnits::Metric;
}

void UserLibraryDialog::readSlots() {
  userRecords_ = readUserSlots(store_);
  lastUsedSlot_ = lastUsedSlot(userRecords_);
}

void UserLibraryDialog::selectSlot(int slot) { slotList_->setCurrentIndex(slot - 1); }

void UserLibraryDialog::showUserSlot() {
  const MaterialUnits shownUnits = units();
  for (int i = 0; i < kMaterialProperties; ++i) {
    unitLabels_[i]->setText(text(editorLabelText(static_cast<MaterialProperty>(i), shownUnits)));
  }
  const int position = slotList_->currentIndex();
  if (position < 0 || userRecords_[position].empty()) {
    // While switching units, an empty slot keeps what was typed, unconverted.
    if (!unitsSwitching_) emptyBoxes();
    return;
  }
  const UserMaterial material = readUserRecord(userRecords_[position]);
  nameBox_->setText(text(material.name));
  const auto texts = userSlotBoxTexts(material.values, shownUnits);
  for (int i = 0; i < kMaterialProperties; ++i) numberBoxes_[i]->setText(text(texts[i]));
}

void UserLibraryDialog::switchUnits() {
  unitsSwitching_ = true;
  showUserSlot();
  unitsSwitching_ = false;
}

void UserLibraryDialog::emptyBoxes() {
  nameBox_->clear();
  for (QLineEdit* box : numberBoxes_) box->clear();
}

void UserLibraryDialog::acceptEntries() {
  const int slot = slotList_->currentIndex() + 1;
  UserRecordEntries entries;
  entries.name = nameBox_->text().toStdString();
  for (int i = 0; i < kMaterialProperties; ++i)
    entries.numbers[i] = numberBoxes_[i]->text().toStdString();
  if (!storeUserRecord(store_, entries, units(), slot, messages_)) return;
  readSlots();
  selectSlot(slotAfterAccept(slot));
  showUserSlot();
  readSlots();
}

void UserLibraryDialog::deleteSlot() {
  emptyBoxes();
  if (!deleteUserRecord(store_, slotList_->currentIndex() + 1)) return;
  readSlots();
  close();
}

}  // namespace vc::forms
