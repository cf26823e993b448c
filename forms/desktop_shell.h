// The platform shell's "open" action in the desktop program, on
// QDesktopServices.
#pragma once

#include "app/shell_open.h"

namespace vc::forms {

class DesktopShell : public ShellOpener {
 public:
  // Shows the folder in the desktop's file browser.
  void openFolder(const QString& folder) override;
  // Hands a "mailto:" or web link to the desktop's program for it.
  void openLink(const QString& url) override;
};

}  // namespace vc::forms
