#include "forms/sign_convention_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "forms/sign_convention_picture.h"

namespace vc::forms {

SignConventionWindow::SignConventionWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("SignConvention"));
  setWindowTitle(QStringLiteral("Sign Convention"));

  auto* picture = new SignConventionPicture(this);
  auto* ok = new QPushButton(QStringLiteral("&OK"), this);
  ok->setObjectName(QStringLiteral("cb_1"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(ok);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(picture);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace vc::forms
