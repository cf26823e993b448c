#include "forms/layup_page.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "forms/control_states.h"
#include "forms/grid_view.h"
#include "pages/page_reactions.h"

namespace vc::forms {

LayupPage::LayupPage(vc::LayupPage& page, MessageSink& messages, QWidget* parent)
    : QWidget(parent), page_(page), messages_(messages) {
  setObjectName(QStringLiteral("TabForm3"));
  QGroupBox* group = pageGroup(this, "Stacking Sequence");

  QLabel* countLabel =
      namedLabel("label_1", "Enter the TOTAL number of layers in the full stack:", group);
  layerCount_ = named(new QLineEdit(group), "textb_1");
  layerCount_->setMaximumWidth(80);
  layerCount_->installEventFilter(this);
  connect(layerCount_, &QLineEdit::textEdited, this,
          [this](const QString& text) { page_.layerCount.text = modelText(text); });

  QLabel* gridLabel = namedLabel("label_2", "Enter the stacking sequence below:", group);
  symmetric_ = named(
      new QCheckBox(
          QStringLiteral("Check here if this is a symmetric layup and enter only 1/2 of the stack"),
          group),
      "checkbox_1");
  connect(symmetric_, &QCheckBox::clicked, this, [this](bool on) {
    page_.symmetric.checked = on;
    layerCountChanged();
  });

  grid_ = new GridView(page_.layers, QStringLiteral("grid_1"), group);
  grid_->addEditMenu(QStringLiteral("ID_TabForm3_menu_1"), page_.clipboard, kLayupGridRules);
  grid_->fitWidthToColumns();

  auto* countRow = new QHBoxLayout;
  countRow->addWidget(countLabel);
  countRow->addWidget(layerCount_);
  countRow->addStretch(1);
  auto* layout = new QVBoxLayout(group);
  layout->addLayout(countRow);
  layout->addWidget(gridLabel);
  layout->addWidget(symmetric_);
  layout->addWidget(grid_, 1);
  refresh();
}

// The count takes effect when the keyboard focus leaves the box, however
// it leaves (Tab, a click elsewhere, another window), but not for the box's
// own context menu.
bool LayupPage::eventFilter(QObject* watched, QEvent* event) {
  if (watched == layerCount_ && event->type() == QEvent::FocusOut) {
    const auto* focus = static_cast<QFocusEvent*>(event);
    if (focus->reason() != Qt::PopupFocusReason) layerCountChanged();
  }
  return QWidget::eventFilter(watched, event);
}

void LayupPage::layerCountChanged() {
  page_.layerCount.text = modelText(layerCount_->text());
  onLayerCountChanged(page_, messages_);
  refresh();
}

void LayupPage::refresh() {
  showTextBox(layerCount_, page_.layerCount);
  showCheckBox(symmetric_, page_.symmetric);
  grid_->refresh();
}

}  // namespace vc::forms
