#include "forms/micromechanics_page.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "engine/laminate_data.h"
#include "forms/control_states.h"
#include "forms/grid_view.h"
#include "pages/material_copy_events.h"

namespace vc::forms {

namespace {

// A grid of labels in column 0 and values in column 1.
GridView* propertyGrid(TextGrid& grid, const char* name, QGroupBox* group) {
  auto* view = new GridView(grid, QString::fromLatin1(name), group);
  view->horizontalHeader()->setStretchLastSection(true);
  view->setColumnWidth(0, 150);
  view->verticalHeader()->setVisible(false);
  return view;
}

void fillGroup(QGroupBox* group, QWidget* content) {
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(content);
}

}  // namespace

MicromechanicsPage::MicromechanicsPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabForm8"));
  auto* fiberGroup = named(new QGroupBox(QStringLiteral("Fiber Property Input"), this), "groupb_1");
  auto* matrixGroup =
      named(new QGroupBox(QStringLiteral("Matrix Property Input"), this), "groupb_2");
  auto* outputGroup =
      named(new QGroupBox(QStringLiteral("Lamina Property Output"), this), "groupb_3");
  fiberGrid_ = propertyGrid(page_.fiberProps, "FiberProps", fiberGroup);
  fillGroup(fiberGroup, fiberGrid_);
  matrixGrid_ = propertyGrid(page_.matrixProps, "MatrixProps", matrixGroup);
  fillGroup(matrixGroup, matrixGrid_);

  auto* calculateButton =
      named(new QPushButton(QStringLiteral("&Calculate Properties"), outputGroup), "CalcLamina");
  laminaGrid_ = propertyGrid(page_.laminaProps, "LaminaProps", outputGroup);
  auto* copyButton =
      named(new QPushButton(QStringLiteral("Copy to &Mat'l Tables"), outputGroup), "CopyToTables");
  QLabel* idLabel = namedLabel("label_1", "Mat_ID", outputGroup);
  targetMaterial_ = named(new QComboBox(outputGroup), "combo_1");
  for (int n = 1; n <= kMaxMaterials; ++n) targetMaterial_->addItem(QString::number(n));
  auto* saveButton =
      named(new QPushButton(QStringLiteral("&Save to Library"), outputGroup), "SaveToLibrary");
  QLabel* asLabel = namedLabel("label_2", "as", outputGroup);
  english_ = named(new QRadioButton(QStringLiteral("English"), outputGroup), "optb_1");
  auto* metric = named(new QRadioButton(QStringLiteral("Metric"), outputGroup), "optb_2");
  auto* unitsGroup = new QButtonGroup(this);
  unitsGroup->addButton(english_);
  unitsGroup->addButton(metric);
  english_->setChecked(true);

  auto* copyRow = new QHBoxLayout;
  copyRow->addWidget(copyButton);
  copyRow->addWidget(idLabel);
  copyRow->addWidget(targetMaterial_);
  copyRow->addStretch(1);
  auto* saveRow = new QHBoxLayout;
  saveRow->addWidget(saveButton);
  saveRow->addWidget(asLabel);
  saveRow->addWidget(english_);
  saveRow->addWidget(metric);
  saveRow->addStretch(1);
  auto* output = new QVBoxLayout(outputGroup);
  output->addWidget(calculateButton);
  output->addWidget(laminaGrid_, 1);
  output->addLayout(copyRow);
  output->addLayout(saveRow);
  auto* layout = new QGridLayout(this);
  layout->addWidget(fiberGroup, 0, 0);
  layout->addWidget(matrixGroup, 1, 0);
  layout->addWidget(outputGroup, 0, 1, 2, 1);
  layout->setRowStretch(0, 3);
  layout->setRowStretch(1, 2);

  connect(calculateButton, &QPushButton::clicked, this, &MicromechanicsPage::calculate);
  connect(copyButton, &QPushButton::clicked, this, &MicromechanicsPage::copyToTables);
  connect(saveButton, &QPushButton::clicked, this, &MicromechanicsPage::saveToLibrary);
}

void MicromechanicsPage::refresh() {
  fiberGrid_->refresh();
  matrixGrid_->refresh();
  laminaGrid_->refresh();
}

void MicromechanicsPage::clear(bool everyRow) {
  clearMicromechanicsPage(page_, everyRow);
  refresh();
}

void MicromechanicsPage::calculate() {
  for (GridView* grid : {fiberGrid_, matrixGrid_}) grid->commitOpenEditor();
  calculateLaminaOnPage(page_);
  laminaGrid_->refresh();
}

void MicromechanicsPage::copyToTables() {
  // The main window fills the row once this click is handled.
  const int code = kMicromechanicsCopyEvent + targetMaterial_->currentIndex();
  QCoreApplication::postEvent(window(), new QEvent(static_cast<QEvent::Type>(code)));
}

void MicromechanicsPage::saveToLibrary() {
  page_.saveInEnglish = english_->isChecked();
  page_.saveToLibraryPending = true;
  emit saveToLibraryRequested();
  page_.saveToLibraryPending = false;
}

}  // namespace vc::forms
