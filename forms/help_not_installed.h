// The desktop program's answer to help requests while no help file ships
// with it: every topic and index request tells the user that help is not
// installed.
#pragma once

#include <QString>

#include "app/help_requests.h"
#include "engine/messages.h"

namespace vc::forms {

class HelpNotInstalled : public HelpRequests {
 public:
  explicit HelpNotInstalled(MessageSink& messages) : messages_(messages) {}

  void showTopic(const QString& topic) override;
  void showIndex(const QString& keyword) override;

 private:
  MessageSink& messages_;
};

}  // namespace vc::forms
