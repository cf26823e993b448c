// The desktop program's answer to help requests: the help window on the
// collection installed with the program, made when help is first asked
// for. A program built or installed without the collection says "Help is
// not installed." instead.
#pragma once

#include <QString>
#include <memory>

#include "app/help_requests.h"
#include "engine/messages.h"

namespace vc::forms {

class HelpWindow;

class DesktopHelp : public HelpRequests {
 public:
  // `collection`: the installed collection file, empty when there is none.
  explicit DesktopHelp(MessageSink& messages, const QString& collection);
  // The collection found beside the running program.
  explicit DesktopHelp(MessageSink& messages);
  ~DesktopHelp() override;

  void showTopic(const QString& topic) override;
  void showIndex(const QString& keyword) override;

  // The help window once help was asked for and could be opened, else null.
  HelpWindow* window() const { return window_.get(); }

 private:
  // The window, made on first use; null (and the user told) without help.
  HelpWindow* openWindow();

  MessageSink& messages_;
  QString collection_;
  std::unique_ptr<HelpWindow> window_;
};

}  // namespace vc::forms
