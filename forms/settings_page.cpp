#include "forms/settings_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/control_states.h"

namespace vc::forms {

namespace {

QCheckBox* makeBox(const char* name, const char* caption, CheckBox& state, QWidget* parent) {
  auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
  box->setObjectName(QString::fromUtf8(name));
  QObject::connect(box, &QCheckBox::clicked, box, [&state](bool on) { state.checked = on; });
  return box;
}

}  // namespace

SettingsPage::SettingsPage(vc::SettingsPage& page, QWidget* parent) : QWidget(parent), page_(page) {
  setObjectName(QStringLiteral("TabForm1"));

  auto* properties = new QGroupBox(QStringLiteral("Laminate Analysis Property Options"), this);
  properties->setObjectName(QStringLiteral("groupb_1"));
  apparentProperties_ = makeBox("checkbox_1", "Display Apparent Laminate Material Properties",
                                page_.showApparentProperties, properties);
  abdMatrices_ = makeBox("checkbox_2", "Display ABD and Inverse ABD Matrices",
                         page_.showAbdMatrices, properties);
  layerMatrices_ = makeBox("checkbox_3", "Display Q, Q-Bar, S, and S-Bar Matrices for Each Layer",
                           page_.showLayerMatrices, properties);
  doubleDouble_ = makeBox("checkbox_7", "Calculate Equivalent Double-Double Laminate",
                          page_.calculateDoubleDouble, properties);
  auto* propertyLayout = new QVBoxLayout(properties);
  for (QCheckBox* box : {apparentProperties_, abdMatrices_, layerMatrices_, doubleDouble_})
    propertyLayout->addWidget(box);

  auto* loads = new QGroupBox(QStringLiteral("Laminate Analysis Load Options"), this);
  loads->setObjectName(QStringLiteral("groupb_2"));
  loadVectors_ =
      makeBox("checkbox_4", "Display Laminate Load and Strain Vectors (Requires Load Input)",
              page_.showLoadVectors, loads);
  plyStresses_ = makeBox("checkbox_5", "Display Ply Stresses and Strains (Requires Load Input):",
                         page_.showPlyStresses, loads);
  effectiveStrains_ = new QRadioButton(QStringLiteral("Effective Strains"), loads);
  effectiveStrains_->setObjectName(QStringLiteral("optb_1"));
  totalStrains_ = new QRadioButton(QStringLiteral("Total Strains"), loads);
  totalStrains_->setObjectName(QStringLiteral("optb_2"));
  strainGroup_ = new QButtonGroup(this);
  strainGroup_->addButton(effectiveStrains_);
  strainGroup_->addButton(totalStrains_);
  connect(effectiveStrains_, &QRadioButton::clicked, this, [this]() {
    page_.effectiveStrains.selected = true;
    page_.totalStrains.selected = false;
  });
  connect(totalStrains_, &QRadioButton::clicked, this, [this]() {
    page_.effectiveStrains.selected = false;
    page_.totalStrains.selected = true;
  });
  plyFailure_ =
      makeBox("checkbox_6", "Display Ply Failure Analysis (Requires Load and Strength Input)",
              page_.showPlyFailure, loads);

  auto* loadLayout = new QVBoxLayout(loads);
  loadLayout->addWidget(loadVectors_);
  auto* stressRow = new QHBoxLayout;
  stressRow->addWidget(plyStresses_);
  stressRow->addWidget(effectiveStrains_);
  stressRow->addWidget(totalStrains_);
  stressRow->addStretch(1);
  loadLayout->addLayout(stressRow);
  loadLayout->addWidget(plyFailure_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(properties);
  layout->addWidget(loads);
  layout->addStretch(1);
  refresh();
}

void SettingsPage::refresh() {
  showCheckBox(apparentProperties_, page_.showApparentProperties);
  showCheckBox(abdMatrices_, page_.showAbdMatrices);
  showCheckBox(layerMatrices_, page_.showLayerMatrices);
  showCheckBox(doubleDouble_, page_.calculateDoubleDouble);
  showCheckBox(loadVectors_, page_.showLoadVectors);
  showCheckBox(plyStresses_, page_.showPlyStresses);
  showCheckBox(plyFailure_, page_.showPlyFailure);
  showOptionPair(strainGroup_, effectiveStrains_, page_.effectiveStrains, totalStrains_,
                 page_.totalStrains);
}

}  // namespace vc::forms
