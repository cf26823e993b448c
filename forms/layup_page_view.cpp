#include "forms/layup_page_view.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "forms/grid_view.h"
#include "forms/page_view_support.h"
#include "pages/page_reactions.h"

namespace vc {

TabForm3::TabForm3(LayupPage& page, MessageSink& messages, QWidget* parent)
    : QWidget(parent), page_(page), messages_(messages) {
  setObjectName(QStringLiteral("TabForm3"));
  auto* group = new QGroupBox(QStringLiteral("Stacking Sequence"), this);
  group->setObjectName(QStringLiteral("groupb_1"));

  auto* countLabel =
      new QLabel(QStringLiteral("Enter the TOTAL number of layers in the full stack:"), group);
  countLabel->setObjectName(QStringLiteral("label_1"));
  count_ = new QLineEdit(group);
  count_->setObjectName(QStringLiteral("textb_1"));
  count_->setMaximumWidth(80);
  count_->installEventFilter(this);
  connect(count_, &QLineEdit::textEdited, this,
          [this](const QString& text) { page_.textb_1.text = modelText(text); });

  auto* gridLabel = new QLabel(QStringLiteral("Enter the stacking sequence below:"), group);
  gridLabel->setObjectName(QStringLiteral("label_2"));
  symmetric_ = new QCheckBox(
      QStringLiteral("Check here if this is a symmetric layup and enter only 1/2 of the stack"),
      group);
  symmetric_->setObjectName(QStringLiteral("checkbox_1"));
  connect(symmetric_, &QCheckBox::clicked, this, [this](bool on) {
    page_.checkbox_1.checked = on;
    layerCountChanged();
  });

  grid_ = new GridView(page_.grid_1, QStringLiteral("grid_1"), group);
  grid_->addEditMenu(QStringLiteral("ID_TabForm3_menu_1"), true);
  grid_->fitWidthToColumns();

  auto* countRow = new QHBoxLayout;
  countRow->addWidget(countLabel);
  countRow->addWidget(count_);
  countRow->addStretch(1);
  auto* layout = new QVBoxLayout(group);
  layout->addLayout(countRow);
  layout->addWidget(gridLabel);
  layout->addWidget(symmetric_);
  layout->addWidget(grid_, 1);
  auto* pageLayout = new QVBoxLayout(this);
  pageLayout->addWidget(group);
  refresh();
}

// The count takes effect when the keyboard focus leaves the box, however
// it leaves (Tab, a click elsewhere, another window), but not for the box's
// own context menu.
bool TabForm3::eventFilter(QObject* watched, QEvent* event) {
  if (watched == count_ && event->type() == QEvent::FocusOut) {
    const auto* focus = static_cast<QFocusEvent*>(event);
    if (focus->reason() != Qt::PopupFocusReason) layerCountChanged();
  }
  return QWidget::eventFilter(watched, event);
}

void TabForm3::layerCountChanged() {
  page_.textb_1.text = modelText(count_->text());
  onLayerCountChanged(page_, messages_);
  refresh();
}

void TabForm3::refresh() {
  showTextBox(count_, page_.textb_1);
  showCheckBox(symmetric_, page_.checkbox_1);
  grid_->refresh();
}

}  // namespace vc
