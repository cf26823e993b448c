#include "forms/help_not_installed.h"

namespace vc::forms {

void HelpNotInstalled::showTopic(const QString&) {
  messages_.inform("Help", "Help is not installed.");
}

void HelpNotInstalled::showIndex(const QString&) {
  messages_.inform("Help", "Help is not installed.");
}

}  // namespace vc::forms
