#include "forms/about_page.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace vc::forms {

namespace {

QLabel* aboutLabel(const char* name, const char* text, bool bold, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(QString::fromUtf8(name));
  label->setTextFormat(Qt::PlainText);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

}  // namespace

AboutPage::AboutPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TabForm5"));
  auto* group = new QGroupBox(QStringLiteral("About The Vellacore"), this);
  group->setObjectName(QStringLiteral("groupb_1"));

  auto* picture = new QLabel(group);
  picture->setObjectName(QStringLiteral("pictb_1"));
  picture->setFixedSize(128, 128);
  picture->setFrameShape(QFrame::Box);

  auto* heading = new QVBoxLayout;
  heading->addWidget(aboutLabel("label_1", "The Vellacore", true, group));
  // VC_VERSION is the project version of the build ("4.0").
  heading->addWidget(aboutLabel("label_2", "Version " VC_VERSION, true, group));
  heading->addWidget(aboutLabel("label_3", "Windows 10, 11", true, group));
  heading->addStretch(1);
  auto* top = new QHBoxLayout;
  top->addWidget(picture);
  top->addLayout(heading, 1);

  // The two link labels stay empty until the product's addresses are
  // configured; each stands just after its caption.
  auto* mailRow = new QHBoxLayout;
  mailRow->addWidget(
      aboutLabel("label_6", "Send comments, bugs, or suggestions to:", false, group));
  mailRow->addWidget(aboutLabel("label_12", "", false, group));
  mailRow->addStretch(1);
  auto* homeRow = new QHBoxLayout;
  homeRow->addWidget(aboutLabel("label_7", "The Vellacore Home Page:", false, group));
  homeRow->addWidget(aboutLabel("label_13", "", false, group));
  homeRow->addStretch(1);

  auto* layout = new QVBoxLayout(group);
  layout->addLayout(top);
  layout->addWidget(
      aboutLabel("label_8", "Classical Analysis of Composite Laminates", true, group));
  layout->addWidget(aboutLabel(
      "label_9",
      "Computes apparent material properties, laminate matrices, and stress/strain/failure", false,
      group));
  layout->addWidget(aboutLabel(
      "label_10", "due to applied mechanical, thermal, and/or moisture loading.", false, group));
  layout->addLayout(mailRow);
  layout->addLayout(homeRow);
  layout->addStretch(1);
  auto* pageLayout = new QVBoxLayout(this);
  pageLayout->addWidget(group);
}

}  // namespace vc::forms
