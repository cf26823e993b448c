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

// Page indices of the main window's tab control, as the run reports which
// page to select after a stop.
enum PageIndex : int {
  kSettingsPage = 0,
  kMaterialsPage = 1,
  kStrengthPage = 2,
  kLayupPage = 3,
  kLoadsPage = 4,
  kMicromechanicsPage = 5,
  kAboutPage = 6,
  kNoPage = -1
};

}  // namespace vc
