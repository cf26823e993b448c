// The message sink of a batch run: nobody is there to press OK, so every
// message becomes one line "Caption: text" on stderr and questions answer No.
#pragma once

#include <cstdio>
#include <string>

#include "engine/messages.h"

namespace vc {

// The one-line form of a message: line breaks inside the text (CR LF, LF or
// CR) each become one blank, trailing blanks are removed, no line end.
std::string messageLine(const char* caption, const char* text);

class StderrMessages : public MessageSink {
 public:
  // Writes to `stream` (stderr unless a test passes another).
  explicit StderrMessages(std::FILE* stream = stderr) : stream_(stream) {}
  void inform(const char* caption, const char* text) override;
  Answer ask(const char* caption, const char* text, QuestionButtons buttons) override;

 private:
  std::FILE* stream_;
};

}  // namespace vc
