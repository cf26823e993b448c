#include "forms/material_library_dialog.h"

#include <algorithm>

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/laminate_data.h"
#include "forms/control_states.h"
#include "forms/report_font.h"
#include "forms/user_library_dialog.h"
#include "help/help_topics.h"
#include "materials/library_entry_text.h"
#include "materials/user_library.h"
#include "pages/material_copy_events.h"

namespace vc::forms {

namespace {

constexpr int kDescriptionColumn = 9;
constexpr int kTabStopCharacters = 20;

void postToMainWindow(QObject* receiver, int code) {
  QCoreApplication::postEvent(receiver, new QEvent(static_cast<QEvent::Type>(code)));
}

}  // namespace

MaterialLibraryDialog::MaterialLibraryDialog(LibraryTable& library, UserRecordStore& store,
                                             vc::MaterialsPage& materials, QObject* copyEvents,
                                             MessageSink& messages, HelpRequests& help,
                                             bool openEditor, QWidget* parent)
    : QDialog(parent),
      library_(library),
      store_(store),
      materials_(materials),
      copyEvents_(copyEvents),
      messages_(messages),
      help_(help),
      openEditor_(openEditor) {
  setObjectName(QStringLiteral("MatLib"));
  setWindowTitle(QStringLiteral("Material Library"));
  setModal(true);

  QLabel* listLabel = namedLabel("label_1", "Select Material from Library", this);
  materialList_ = named(new QComboBox(this), "combo_1");
  for (const char* name : libraryNames()) materialList_->addItem(QString::fromUtf8(name));
  QLabel* propertiesLabel = namedLabel("label_2", "Selected Material Properties", this);
  english_ = named(new QRadioButton(QStringLiteral("English"), this), "optb_1");
  metric_ = named(new QRadioButton(QStringLiteral("Metric"), this), "optb_2");
  auto* unitsGroup = new QButtonGroup(this);
  unitsGroup->addButton(english_);
  unitsGroup->addButton(metric_);
  english_->setChecked(true);
  propertiesBox_ = named(new QPlainTextEdit(this), "textb_1");
  propertiesBox_->setReadOnly(true);
  propertiesBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  propertiesBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
  // In a fixed-pitch font with a tab stop every 20 characters, every value
  // lands on the second stop: the leads are 20 to 26 characters long, and
  // the shear strength's lead of 19 is followed by two tabs.
  propertiesBox_->setFont(reportFont());
  propertiesBox_->setTabStopDistance(
      QFontMetricsF(propertiesBox_->font())
          .horizontalAdvance(QString(kTabStopCharacters, QLatin1Char('0'))));

  auto* copyGroup = named(new QGroupBox(QStringLiteral("Use Selected Material"), this), "groupb_1");
  auto* copyButton =
      named(new QPushButton(QStringLiteral("Co&py to Mat'l Tables"), copyGroup), "cb_Copy");
  QLabel* rowLabel = namedLabel("label_4", "Use for Mat_ID", copyGroup);
  targetRow_ = named(new QComboBox(copyGroup), "combo_2");
  for (int row = 1; row <= kMaxMaterials; ++row) targetRow_->addItem(QString::number(row));
  auto* editGroup = named(new QGroupBox(QStringLiteral("Add/Edit User Library"), this), "groupb_2");
  auto* editButton = named(new QPushButton(QStringLiteral("&Add/Edit"), editGroup), "cb_AddEdit");
  auto* closeButton = named(new QPushButton(QStringLiteral("&Close"), this), "cb_Close");
  auto* helpButton = named(new QPushButton(QStringLiteral("&Help"), this), "cb_Help");
  for (QPushButton* b : {copyButton, editButton, closeButton, helpButton}) b->setAutoDefault(false);

  auto* copyLayout = new QVBoxLayout(copyGroup);
  copyLayout->addWidget(copyButton);
  auto* rowLayout = new QHBoxLayout;
  rowLayout->addWidget(rowLabel);
  rowLayout->addWidget(targetRow_);
  copyLayout->addLayout(rowLayout);
  auto* editLayout = new QVBoxLayout(editGroup);
  editLayout->addWidget(editButton);
  editLayout->addStretch(1);
  auto* unitsRow = new QHBoxLayout;
  unitsRow->addWidget(propertiesLabel, 1);
  unitsRow->addWidget(english_);
  unitsRow->addWidget(metric_);
  auto* groupsRow = new QHBoxLayout;
  groupsRow->addWidget(copyGroup);
  groupsRow->addWidget(editGroup);
  auto* buttonsRow = new QHBoxLayout;
  buttonsRow->addStretch(1);
  buttonsRow->addWidget(closeButton);
  buttonsRow->addWidget(helpButton);
  buttonsRow->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(listLabel);
  layout->addWidget(materialList_);
  layout->addLayout(unitsRow);
  layout->addWidget(propertiesBox_, 1);
  layout->addLayout(groupsRow);
  layout->addLayout(buttonsRow);
  resize(560, 480);

  connect(materialList_, &QComboBox::activated, this, [this](int) { showLibraryEntry(); });
  connect(english_, &QRadioButton::clicked, this, &MaterialLibraryDialog::showLibraryEntry);
  connect(metric_, &QRadioButton::clicked, this, &MaterialLibraryDialog::showLibraryEntry);
  connect(copyButton, &QPushButton::clicked, this, &MaterialLibraryDialog::copyLibraryEntry);
  connect(editButton, &QPushButton::clicked, this, &MaterialLibraryDialog::editUserLibrary);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
  connect(helpButton, &QPushButton::clicked, this,
          [this]() { help_.showTopic(QString::fromLatin1(help::kMaterialLibraryTopic)); });

  // Opening: the first built-in material in English units, for Mat_ID 1.
  loadUserMaterials();
  materialList_->setCurrentIndex(0);
  targetRow_->setCurrentIndex(0);
  showLibraryEntry();
}

void MaterialLibraryDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!openEditor_) return;
  openEditor_ = false;
  // Once the window shows, as if "&Add/Edit" had been pressed.
  QMetaObject::invokeMethod(this, &MaterialLibraryDialog::editUserLibrary, Qt::QueuedConnection);
}

MaterialUnits MaterialLibraryDialog::units() const {
  return english_->isChecked() ? MaterialUnits::English : MaterialUnits::Metric;
}

void MaterialLibraryDialog::loadUserMaterials() {
  while (materialList_->count() > kBuiltInMaterials) materialList_->removeItem(kBuiltInMaterials);
  if (!store_.available()) return;  // only the built-in materials
  for (const std::string& item : listUserMaterials(readUserSlots(store_), library_)) {
    materialList_->addItem(QString::fromStdString(item));
  }
}

void MaterialLibraryDialog::showLibraryEntry() {
  const int position = materialList_->currentIndex();
  if (position < 0 || position >= kLibrarySlots) return;
  const std::string text =
      libraryEntryText(library_[position], units(), position < kBuiltInMaterials);
  propertiesBox_->setPlainText(QString::fromStdString(text));
}

void MaterialLibraryDialog::copyLibraryEntry() {
  const int position = materialList_->currentIndex();
  const int row = targetRow_->currentIndex();
  const bool english = english_->isChecked();
  if (position < 0 || row < 0) return;
  // The row becomes the Materials grid's current row, with the material's
  // list text as its description; the main window then fills the row.
  TextGrid& grid = materials_.properties;
  grid.currentRow = row;
  grid.currentColumn = 1;
  grid.setCell(row, kDescriptionColumn, materialList_->itemText(position).toStdString());
  postToMainWindow(copyEvents_, kRememberMaterialsRowEvent);
  postToMainWindow(copyEvents_,
                   (english ? kEnglishLibraryCopyEvent : kMetricLibraryCopyEvent) + position);
}

void MaterialLibraryDialog::editUserLibrary() {
  const int position = materialList_->currentIndex();
  {
    UserLibraryDialog editor(store_, messages_, help_, std::nullopt, this);
    editor.exec();
  }
  loadUserMaterials();
  // The list may have lost items; the entry shown is the one selected.
  materialList_->setCurrentIndex(std::min(position, materialList_->count() - 1));
  showLibraryEntry();
}

}  // namespace vc::forms
