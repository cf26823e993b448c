// The Sign Convention window of the Help menu: the picture of the laminate's
// coordinates and of the positive load resultants, and an OK button. Shown
// modally; each command makes a new one.
#pragma once

#include <QDialog>

namespace vc::forms {

class SignConventionWindow : public QDialog {
  Q_OBJECT

 public:
  explicit SignConventionWindow(QWidget* parent = nullptr);
};

}  // namespace vc::forms
