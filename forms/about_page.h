// The About page (TabForm5), the last page of the main window: the program's
// name, version, platform and purpose, and where to send comments, with the
// mail address and the home page as links.
#pragma once

#include <QWidget>

#include "app/shell_open.h"

namespace vc::forms {

class AboutPage : public QWidget {
  Q_OBJECT

 public:
  // The links are opened through `shell`.
  explicit AboutPage(ShellOpener& shell, QWidget* parent = nullptr);
};

}  // namespace vc::forms
