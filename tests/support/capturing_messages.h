// A message sink for tests: records every message; questions answer No.
#pragma once

#include <string>
#include <vector>

#include "engine/messages.h"

namespace vc::test {

struct CapturedMessage {
  std::string caption;
  std::string text;
};

class CapturingMessages : public MessageSink {
 public:
  void inform(const char* caption, const char* text) override { messages.push_back({caption, text}); }
  std::vector<std::string> captions() const {
    std::vector<std::string> out;
    for (const auto& m : messages) out.push_back(m.caption);
    return out;
  }
  std::vector<CapturedMessage> messages;
};

}  // namespace vc::test
