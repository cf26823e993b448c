// The desktop program's one message sink: every message is an information
// box with one OK button (a question a box with its answer buttons), modal to the whole application and parented to the
// window that owns this object (the main window, or a results window
// created without a sink of its own).
#pragma once

#include "engine/messages.h"

class QWidget;

namespace vc::forms {

class MessageBoxes : public MessageSink {
 public:
  explicit MessageBoxes(QWidget* owner) : owner_(owner) {}

  void inform(const char* caption, const char* text) override;
  // A question box with a question icon and the Yes and No (and Cancel)
  // buttons; closing it without an answer is Cancel, or No without Cancel.
  Answer ask(const char* caption, const char* text, QuestionButtons buttons) override;

 private:
  QWidget* owner_;
};

}  // namespace vc::forms
