// Help requests of the desktop program. Every request is remembered (the
// last topic and the last index keyword) so that callers can be checked;
// the help pages themselves are not shipped yet, so the user is told so.
#pragma once

#include <QString>

#include "app/help_requests.h"
#include "engine/messages.h"

namespace vc {

class QtHelpRequests : public HelpRequests {
 public:
  explicit QtHelpRequests(MessageSink& messages) : messages_(messages) {}

  void showTopic(const QString& topic) override;
  void showIndex(const QString& keyword) override;

  // The help file the requests refer to (the program's folder + "Vellacore.chm").
  void setHelpFilePath(const QString& path) { helpFilePath_ = path; }
  const QString& helpFilePath() const { return helpFilePath_; }

  const QString& lastTopic() const { return lastTopic_; }
  const QString& lastKeyword() const { return lastKeyword_; }
  int requestCount() const { return requestCount_; }

 private:
  void tellNotInstalled();

  MessageSink& messages_;
  QString helpFilePath_;
  QString lastTopic_;
  QString lastKeyword_;
  int requestCount_ = 0;
};

}  // namespace vc
