// Small helpers shared by the page views: showing model states on Qt
// controls without triggering the controls' click reactions.
#pragma once

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLineEdit>
#include <QString>
#include <string>

#include "pages/input_pages.h"

namespace vc {

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

}  // namespace vc
