// The last two pages of the main window: Micromechanics (TabForm8), whose
// computation page comes with the material work, and About (TabForm5).
#pragma once

#include <QWidget>

namespace vc {

class TabForm8 : public QWidget {
  Q_OBJECT

 public:
  explicit TabForm8(QWidget* parent = nullptr);
};

class TabForm5 : public QWidget {
  Q_OBJECT

 public:
  explicit TabForm5(QWidget* parent = nullptr);
};

}  // namespace vc
