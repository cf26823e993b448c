#include "forms/settings_page_view.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/page_view_support.h"

namespace vc {

namespace {

QCheckBox* makeBox(const char* name, const char* caption, CheckBox& state, QWidget* parent) {
  auto* box = new QCheckBox(QString::fromUtf8(caption), parent);
  box->setObjectName(QString::fromUtf8(name));
  QObject::connect(box, &QCheckBox::clicked, box, [&state](bool on) { state.checked = on; });
  return box;
}

}  // namespace

TabForm1::TabForm1(SettingsPage& page, QWidget* parent) : QWidget(parent), page_(page) {
  setObjectName(QStringLiteral("TabForm1"));

  auto* properties = new QGroupBox(QStringLiteral("Laminate Analysis Property Options"), this);
  properties->setObjectName(QStringLiteral("groupb_1"));
  box1_ = makeBox("checkbox_1", "Display Apparent Laminate Material Properties",
                  page_.checkbox_1, properties);
  box2_ = makeBox("checkbox_2", "Display ABD and Inverse ABD Matrices", page_.checkbox_2,
                  properties);
  box3_ = makeBox("checkbox_3", "Display Q, Q-Bar, S, and S-Bar Matrices for Each Layer",
                  page_.checkbox_3, properties);
  box7_ = makeBox("checkbox_7", "Calculate Equivalent Double-Double Laminate", page_.checkbox_7,
                  properties);
  auto* propertyLayout = new QVBoxLayout(properties);
  for (QCheckBox* box : {box1_, box2_, box3_, box7_}) propertyLayout->addWidget(box);

  auto* loads = new QGroupBox(QStringLiteral("Laminate Analysis Load Options"), this);
  loads->setObjectName(QStringLiteral("groupb_2"));
  box4_ = makeBox("checkbox_4", "Display Laminate Load and Strain Vectors (Requires Load Input)",
                  page_.checkbox_4, loads);
  box5_ = makeBox("checkbox_5", "Display Ply Stresses and Strains (Requires Load Input):",
                  page_.checkbox_5, loads);
  effective_ = new QRadioButton(QStringLiteral("Effective Strains"), loads);
  effective_->setObjectName(QStringLiteral("optb_1"));
  total_ = new QRadioButton(QStringLiteral("Total Strains"), loads);
  total_->setObjectName(QStringLiteral("optb_2"));
  strainGroup_ = new QButtonGroup(this);
  strainGroup_->addButton(effective_);
  strainGroup_->addButton(total_);
  connect(effective_, &QRadioButton::clicked, this, [this]() {
    page_.optb_1.selected = true;
    page_.optb_2.selected = false;
  });
  connect(total_, &QRadioButton::clicked, this, [this]() {
    page_.optb_1.selected = false;
    page_.optb_2.selected = true;
  });
  box6_ = makeBox("checkbox_6", "Display Ply Failure Analysis (Requires Load and Strength Input)",
                  page_.checkbox_6, loads);

  auto* loadLayout = new QVBoxLayout(loads);
  loadLayout->addWidget(box4_);
  auto* stressRow = new QHBoxLayout;
  stressRow->addWidget(box5_);
  stressRow->addWidget(effective_);
  stressRow->addWidget(total_);
  stressRow->addStretch(1);
  loadLayout->addLayout(stressRow);
  loadLayout->addWidget(box6_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(properties);
  layout->addWidget(loads);
  layout->addStretch(1);
  refresh();
}

void TabForm1::refresh() {
  showCheckBox(box1_, page_.checkbox_1);
  showCheckBox(box2_, page_.checkbox_2);
  showCheckBox(box3_, page_.checkbox_3);
  showCheckBox(box7_, page_.checkbox_7);
  showCheckBox(box4_, page_.checkbox_4);
  showCheckBox(box5_, page_.checkbox_5);
  showCheckBox(box6_, page_.checkbox_6);
  showOptionPair(strainGroup_, effective_, page_.optb_1, total_, page_.optb_2);
}

}  // namespace vc
