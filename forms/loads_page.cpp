#include "forms/loads_page.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "forms/control_states.h"
#include "forms/grid_view.h"
#include "pages/page_reactions.h"

namespace vc::forms {

LoadsPage::LoadsPage(vc::LoadsPage& page, QWidget* parent) : QWidget(parent), page_(page) {
  setObjectName(QStringLiteral("TabForm4"));

  auto* mechanicalGroup =
      named(new QGroupBox(QStringLiteral("Mechanical Load Vector"), this), "groupb_1");
  mechanicalLoad_ =
      named(new QCheckBox(QStringLiteral("Mechanical Load"), mechanicalGroup), "checkbox_1");
  forcesMoments_ =
      named(new QRadioButton(QStringLiteral("Forces/Moments"), mechanicalGroup), "optb_1");
  strainsCurvatures_ =
      named(new QRadioButton(QStringLiteral("Strains/Curvatures"), mechanicalGroup), "optb_2");
  kindGroup_ = new QButtonGroup(this);
  kindGroup_->addButton(forcesMoments_);
  kindGroup_->addButton(strainsCurvatures_);
  grid_ = new GridView(page_.loadValues, QStringLiteral("grid_1"), mechanicalGroup);
  grid_->verticalHeader()->hide();  // the load row has no row-number column
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->fitWidthToColumns();
  grid_->setFixedHeight(grid_->horizontalHeader()->sizeHint().height() +
                        grid_->verticalHeader()->defaultSectionSize() + 4);

  auto* thermalGroup =
      named(new QGroupBox(QStringLiteral("Thermal and Moisture Loads"), this), "groupb_2");
  temperatureLoad_ =
      named(new QCheckBox(QStringLiteral("Temperature Load"), thermalGroup), "checkbox_2");
  temperatureLabel_ =
      named(new QLabel(QStringLiteral("Enter temperature change:"), thermalGroup), "label_1");
  temperatureBox_ = named(new QLineEdit(thermalGroup), "textb_1");
  moistureLoad_ = named(new QCheckBox(QStringLiteral("Moisture Load"), thermalGroup), "checkbox_3");
  moistureLabel_ =
      named(new QLabel(QStringLiteral("Enter percent moisture content:"), thermalGroup), "label_2");
  moistureBox_ = named(new QLineEdit(thermalGroup), "textb_2");
  percentLabel_ = named(new QLabel(QStringLiteral("%"), thermalGroup), "label_3");
  temperatureBox_->setMaximumWidth(120);
  moistureBox_->setMaximumWidth(120);

  // Every click runs its reaction, also on an option button that was
  // already selected (that empties the load row).
  connect(mechanicalLoad_, &QCheckBox::clicked, this, [this](bool on) {
    page_.mechanicalLoad.checked = on;
    onMechanicalLoadClicked(page_);
    refresh();
  });
  connect(forcesMoments_, &QRadioButton::clicked, this, [this]() {
    page_.forcesMoments.selected = true;
    page_.strainsCurvatures.selected = false;
    onForcesMomentsClicked(page_);
    refresh();
  });
  connect(strainsCurvatures_, &QRadioButton::clicked, this, [this]() {
    page_.forcesMoments.selected = false;
    page_.strainsCurvatures.selected = true;
    onStrainsCurvaturesClicked(page_);
    refresh();
  });
  connect(temperatureLoad_, &QCheckBox::clicked, this, [this](bool on) {
    page_.temperatureLoad.checked = on;
    onTemperatureLoadClicked(page_);
    refresh();
  });
  connect(moistureLoad_, &QCheckBox::clicked, this, [this](bool on) {
    page_.moistureLoad.checked = on;
    onMoistureLoadClicked(page_);
    refresh();
  });
  connect(temperatureBox_, &QLineEdit::textEdited, this,
          [this](const QString& text) { page_.temperatureChange.text = modelText(text); });
  connect(moistureBox_, &QLineEdit::textEdited, this,
          [this](const QString& text) { page_.moistureContent.text = modelText(text); });

  auto* kindRow = new QHBoxLayout;
  kindRow->addWidget(mechanicalLoad_);
  kindRow->addWidget(forcesMoments_);
  kindRow->addWidget(strainsCurvatures_);
  kindRow->addStretch(1);
  auto* mechanicalLayout = new QVBoxLayout(mechanicalGroup);
  mechanicalLayout->addLayout(kindRow);
  mechanicalLayout->addWidget(grid_);

  auto* thermalLayout = new QGridLayout(thermalGroup);
  thermalLayout->addWidget(temperatureLoad_, 0, 0);
  thermalLayout->addWidget(temperatureLabel_, 0, 1);
  thermalLayout->addWidget(temperatureBox_, 0, 2);
  thermalLayout->addWidget(moistureLoad_, 1, 0);
  thermalLayout->addWidget(moistureLabel_, 1, 1);
  thermalLayout->addWidget(moistureBox_, 1, 2);
  thermalLayout->addWidget(percentLabel_, 1, 3);
  thermalLayout->setColumnStretch(4, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(mechanicalGroup);
  layout->addWidget(thermalGroup);
  layout->addStretch(1);
  refresh();
}

void LoadsPage::refresh() {
  showCheckBox(mechanicalLoad_, page_.mechanicalLoad);
  showOptionPair(kindGroup_, forcesMoments_, page_.forcesMoments, strainsCurvatures_,
                 page_.strainsCurvatures);
  grid_->refresh();
  showCheckBox(temperatureLoad_, page_.temperatureLoad);
  temperatureLabel_->setEnabled(page_.temperatureLabel.enabled);
  showTextBox(temperatureBox_, page_.temperatureChange);
  showCheckBox(moistureLoad_, page_.moistureLoad);
  moistureLabel_->setEnabled(page_.moistureLabel.enabled);
  showTextBox(moistureBox_, page_.moistureContent);
  percentLabel_->setEnabled(page_.percentLabel.enabled);
}

}  // namespace vc::forms
