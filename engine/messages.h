// The one way the program talks to its user: a caption and a text, shown as
// an information box interactively, written to stderr in a batch run and
// captured by tests. Questions (Yes/No, Yes/No/Cancel) go the same way.
#pragma once

namespace vc {

enum class Answer { Yes, No, Cancel };
enum class QuestionButtons { YesNo, YesNoCancel };

class MessageSink {
 public:
  virtual ~MessageSink() = default;
  // An information message with one OK button.
  virtual void inform(const char* caption, const char* text) = 0;
  // A question with a question icon; a sink that cannot ask a person (a
  // batch run) answers No, the answer that changes nothing.
  virtual Answer ask(const char* caption, const char* text, QuestionButtons buttons) {
    (void)caption;
    (void)text;
    (void)buttons;
    return Answer::No;
  }
};

}  // namespace vc
