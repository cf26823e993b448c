#include "app/stderr_messages.h"

namespace vc {

std::string messageLine(const char* caption, const char* text) {
  std::string line = caption != nullptr ? caption : "";
  line += ": ";
  for (const char* p = text != nullptr ? text : ""; *p != '\0'; ++p) {
    if (*p == '\r') {
      line += ' ';
      if (p[1] == '\n') ++p;
    } else if (*p == '\n') {
      line += ' ';
    } else {
      line += *p;
    }
  }
  while (!line.empty() && line.back() == ' ') line.pop_back();
  return line;
}

void StderrMessages::inform(const char* caption, const char* text) {
  const std::string line = messageLine(caption, text) + "\n";
  std::fwrite(line.data(), 1, line.size(), stream_);
  std::fflush(stream_);
}

Answer StderrMessages::ask(const char* caption, const char* text, QuestionButtons buttons) {
  (void)buttons;
  inform(caption, text);
  return Answer::No;
}

}  // namespace vc
