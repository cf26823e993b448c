// Showing the page models' control states on Qt controls, without
// triggering the controls' click reactions; shared by the page views.
#pragma once

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QVBoxLayout>
#include <string>

#include "pages/input_pages.h"

namespace vc::forms {

inline void showCheckBox(QAbstractButton* box, const CheckBox& state) {
  box->setChecked(state.checked);
  box->setEnabled(state.enabled);
}

// Two option buttons of one group. The group is made non-exclusive for the
// moment of the update so that a model with neither button selected shows
// so too.
inline void showOptionPair(QButtonGroup* group, QAbstractButton* first, const RadioButton& a,
                           QAbstractButton* second, const RadioButton& b) {
  group->setExclusive(false);
  first->setChecked(a.selected);
  second->setChecked(b.selected);
  group->setExclusive(true);
  first->setEnabled(a.enabled);
  second->setEnabled(b.enabled);
}

inline void showTextBox(QLineEdit* box, const TextBox& state) {
  const QString text = QString::fromStdString(state.text);
  if (box->text() != text) box->setText(text);  // keeps the cursor while typing
  box->setEnabled(state.enabled);
}

inline std::string modelText(const QString& text) { return text.toStdString(); }

// A widget given its form or control name, the name the program's users
// and tests rely on.
template <typename Widget>
Widget* named(Widget* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

inline QLabel* namedLabel(const char* name, const char* caption, QWidget* parent) {
  return named(new QLabel(QString::fromUtf8(caption), parent), name);
}

// The group box "groupb_1" that fills a page holding nothing else.
inline QGroupBox* pageGroup(QWidget* page, const char* caption) {
  auto* group = named(new QGroupBox(QString::fromUtf8(caption), page), "groupb_1");
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(group);
  return group;
}

}  // namespace vc::forms
