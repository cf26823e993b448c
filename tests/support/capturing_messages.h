// A message sink for tests: records every message and answers questions
// from a queue (No when the queue is empty).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "engine/messages.h"

namespace vc::test {

struct CapturedMessage {
  std::string caption;
  std::string text;
  bool question = false;
};

class CapturingMessages : public MessageSink {
 public:
  void inform(const char* caption, const char* text) override {
    messages.push_back({caption, text, false});
  }
  Answer ask(const char* caption, const char* text, QuestionButtons) override {
    messages.push_back({caption, text, true});
    if (answers.empty()) return Answer::No;
    Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::vector<std::string> captions() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.caption);
    return out;
  }

  std::vector<CapturedMessage> messages;
  std::deque<Answer> answers;
};

}  // namespace vc::test
