// The desktop program's message boxes: an information box with one OK button
// for every message, a question box for the Yes/No questions. The boxes are
// modal to the whole application and parented to the main window, which owns
// this object.
#pragma once

#include "engine/messages.h"

class QWidget;

namespace vc::forms {

class MessageBoxes : public MessageSink {
 public:
  explicit MessageBoxes(QWidget* owner) : owner_(owner) {}

  void inform(const char* caption, const char* text) override;
  Answer ask(const char* caption, const char* text, QuestionButtons buttons) override;

 private:
  QWidget* owner_;
};

}  // namespace vc::forms
