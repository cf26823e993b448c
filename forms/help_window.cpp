#include "forms/help_window.h"

namespace vc {

void QtHelpRequests::showTopic(const QString& topic) {
  lastTopic_ = topic;
  ++requestCount_;
  tellNotInstalled();
}

void QtHelpRequests::showIndex(const QString& keyword) {
  lastKeyword_ = keyword;
  ++requestCount_;
  tellNotInstalled();
}

void QtHelpRequests::tellNotInstalled() {
  messages_.inform("Help", "Help is not installed.");
}

}  // namespace vc
