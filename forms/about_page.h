// The About page (TabForm5), the last page of the main window: the program's
// name, version and purpose, and where to send comments.
#pragma once

#include <QWidget>

namespace vc::forms {

class AboutPage : public QWidget {
  Q_OBJECT

 public:
  explicit AboutPage(QWidget* parent = nullptr);
};

}  // namespace vc::forms
