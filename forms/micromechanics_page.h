// The Micromechanics page (TabForm8): ply properties estimated from fibre
// and matrix properties. Its grids come with the micromechanics work; until
// then the page holds its place on the tab control, and Analyze rests while
// it is shown.
#pragma once

#include <QWidget>

namespace vc::forms {

class MicromechanicsPage : public QWidget {
  Q_OBJECT

 public:
  explicit MicromechanicsPage(QWidget* parent = nullptr);
};

}  // namespace vc::forms
