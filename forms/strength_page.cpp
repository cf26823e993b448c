#include "forms/strength_page.h"

#include <QVBoxLayout>

#include "forms/control_states.h"
#include "forms/grid_view.h"

namespace vc::forms {

StrengthPage::StrengthPage(vc::StrengthPage& page, QWidget* parent) : QWidget(parent), page_(page) {
  setObjectName(QStringLiteral("TabForm7"));
  QGroupBox* group = pageGroup(this, "Material Strength");
  QLabel* label = namedLabel(
      "label_1", "Enter material strengths (only needed if failure factors are desired):", group);
  grid_ = new GridView(page_.strengths, QStringLiteral("grid_1"), group);
  grid_->addEditMenu(QStringLiteral("ID_TabForm7_menu_1"), page_.clipboard, kStrengthGridRules);
  grid_->fitWidthToColumns();
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(label);
  layout->addWidget(grid_, 1);
  refresh();
}

void StrengthPage::refresh() { grid_->refresh(); }

}  // namespace vc::forms
