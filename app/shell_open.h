// The platform shell's "open" action: a folder in the file browser, a mail
// link in the mail program, a web link in the browser.
#pragma once

#include <QString>

namespace vc {

class ShellOpener {
 public:
  virtual ~ShellOpener() = default;
  virtual void openFolder(const QString& folder) = 0;
  virtual void openLink(const QString& url) = 0;
};

}  // namespace vc
