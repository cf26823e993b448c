#include "forms/desktop_help.h"

#include "forms/help_files.h"
#include "forms/help_window.h"

namespace vc::forms {

DesktopHelp::DesktopHelp(MessageSink& messages, const QString& collection)
    : messages_(messages), collection_(collection) {}

DesktopHelp::DesktopHelp(MessageSink& messages)
    : DesktopHelp(messages, installedHelpCollection()) {}

DesktopHelp::~DesktopHelp() = default;

void DesktopHelp::showTopic(const QString& topic) {
  if (HelpWindow* window = openWindow()) window->showTopic(topic);
}

void DesktopHelp::showIndex(const QString& keyword) {
  if (HelpWindow* window = openWindow()) window->showIndex(keyword);
}

HelpWindow* DesktopHelp::openWindow() {
  if (!window_ && !collection_.isEmpty()) {
    auto window = std::make_unique<HelpWindow>(writableHelpCollection(collection_));
    if (window->isReady()) window_ = std::move(window);
  }
  if (!window_) messages_.inform("Help", "Help is not installed.");
  return window_.get();
}

}  // namespace vc::forms
