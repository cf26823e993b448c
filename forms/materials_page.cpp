#include "forms/materials_page.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/laminate_data.h"
#include "forms/control_states.h"
#include "forms/grid_view.h"
#include "pages/page_reactions.h"

namespace vc::forms {

namespace {

// A data file keeps up to 129 characters of a material's description.
constexpr int kDescriptionCharacters = 129;

}  // namespace

MaterialsPage::MaterialsPage(vc::MaterialsPage& page, MessageSink& messages, QWidget* parent)
    : QWidget(parent), page_(page), messages_(messages) {
  setObjectName(QStringLiteral("TabForm2"));
  QGroupBox* group = pageGroup(this, "Material Properties");

  QLabel* countLabel = namedLabel("label_1", "Enter number of materials:", group);
  materialCount_ = named(new QComboBox(group), "combo_1");
  for (int n = 1; n <= kMaxMaterials; ++n) materialCount_->addItem(QString::number(n));
  libraryButton_ = named(new QPushButton(QStringLiteral("&Material Library"), group), "cb_MatDB");
  connect(libraryButton_, &QPushButton::clicked, this, &MaterialsPage::materialLibraryRequested);
  QLabel* gridLabel = namedLabel(
      "label_2", "Enter the ply material properties or use the Material Library:", group);

  grid_ = new GridView(page_.properties, QStringLiteral("matgrid"), group);
  grid_->addEditMenu(QStringLiteral("ID_TabForm2_menu_1"), page_.clipboard, kMaterialsGridRules);
  // The description column is twice as wide as the number columns.
  grid_->horizontalHeader()->setDefaultSectionSize(84);
  grid_->setColumnWidth(9, 2 * grid_->horizontalHeader()->defaultSectionSize());
  grid_->fitWidthToColumns();
  grid_->limitColumn(9, kDescriptionCharacters,
                     QStringLiteral("A material description holds up to %1 characters.")
                         .arg(kDescriptionCharacters));

  connect(materialCount_, &QComboBox::activated, this, [this](int index) {
    page_.materialCount = materialCount_->itemText(index).toStdString();
    onMaterialCountSelected(page_, messages_);
    refresh();
  });

  auto* top = new QHBoxLayout;
  top->addWidget(countLabel);
  top->addWidget(materialCount_);
  top->addStretch(1);
  top->addWidget(libraryButton_);
  auto* layout = new QVBoxLayout(group);
  layout->addLayout(top);
  layout->addWidget(gridLabel);
  layout->addWidget(grid_, 1);
  refresh();
}

void MaterialsPage::refresh() {
  const int index = materialCount_->findText(QString::fromStdString(page_.materialCount));
  if (index >= 0 && index != materialCount_->currentIndex()) {
    materialCount_->setCurrentIndex(index);
  }
  grid_->refresh();
}

}  // namespace vc::forms
