#include "forms/materials_page_view.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/laminate_data.h"
#include "forms/grid_view.h"
#include "pages/page_reactions.h"

namespace vc {

namespace {

QLabel* makeLabel(const char* name, const char* caption, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(caption), parent);
  label->setObjectName(QString::fromUtf8(name));
  return label;
}

// A page whose only content is one group box filling it.
QGroupBox* pageGroup(QWidget* page, const char* caption) {
  auto* group = new QGroupBox(QString::fromUtf8(caption), page);
  group->setObjectName(QStringLiteral("groupb_1"));
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(group);
  return group;
}

}  // namespace

TabForm2::TabForm2(MaterialsPage& page, MessageSink& messages, QWidget* parent)
    : QWidget(parent), page_(page), messages_(messages) {
  setObjectName(QStringLiteral("TabForm2"));
  QGroupBox* group = pageGroup(this, "Material Properties");

  QLabel* countLabel = makeLabel("label_1", "Enter number of materials:", group);
  count_ = new QComboBox(group);
  count_->setObjectName(QStringLiteral("combo_1"));
  for (int n = 1; n <= kMaxMaterials; ++n) count_->addItem(QString::number(n));
  library_ = new QPushButton(QStringLiteral("&Material Library"), group);
  library_->setObjectName(QStringLiteral("cb_MatDB"));
  // The library window arrives with the material library work; until then
  // the button cannot be pressed.
  library_->setEnabled(false);
  connect(library_, &QPushButton::clicked, this, &TabForm2::materialLibraryRequested);
  QLabel* gridLabel =
      makeLabel("label_2", "Enter the ply material properties or use the Material Library:", group);

  grid_ = new GridView(page_.matgrid, QStringLiteral("matgrid"), group);
  grid_->addEditMenu(QStringLiteral("ID_TabForm2_menu_1"), false);
  // The description column is twice as wide as the number columns.
  grid_->horizontalHeader()->setDefaultSectionSize(84);
  grid_->setColumnWidth(9, 2 * grid_->horizontalHeader()->defaultSectionSize());
  grid_->fitWidthToColumns();

  connect(count_, &QComboBox::activated, this, [this](int index) {
    page_.combo_1 = count_->itemText(index).toStdString();
    onMaterialCountSelected(page_, messages_);
    refresh();
  });

  auto* top = new QHBoxLayout;
  top->addWidget(countLabel);
  top->addWidget(count_);
  top->addStretch(1);
  top->addWidget(library_);
  auto* layout = new QVBoxLayout(group);
  layout->addLayout(top);
  layout->addWidget(gridLabel);
  layout->addWidget(grid_, 1);
  refresh();
}

void TabForm2::refresh() {
  const int index = count_->findText(QString::fromStdString(page_.combo_1));
  if (index >= 0 && index != count_->currentIndex()) count_->setCurrentIndex(index);
  grid_->refresh();
}

TabForm7::TabForm7(StrengthPage& page, QWidget* parent) : QWidget(parent), page_(page) {
  setObjectName(QStringLiteral("TabForm7"));
  QGroupBox* group = pageGroup(this, "Material Strength");
  QLabel* label = makeLabel(
      "label_1", "Enter material strengths (only needed if failure factors are desired):", group);
  grid_ = new GridView(page_.grid_1, QStringLiteral("grid_1"), group);
  grid_->addEditMenu(QStringLiteral("ID_TabForm7_menu_1"), false);
  grid_->fitWidthToColumns();
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(label);
  layout->addWidget(grid_, 1);
  refresh();
}

void TabForm7::refresh() { grid_->refresh(); }

}  // namespace vc
