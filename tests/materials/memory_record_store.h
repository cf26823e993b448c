// A user record store in memory for the library tests; `available` false
// stands for a settings key that cannot be opened.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "materials/user_record_store.h"

namespace vc::test {

class MemoryRecordStore : public UserRecordStore {
 public:
  bool available() override { return open; }
  std::optional<std::string> read(int slot) override {
    auto it = slots.find(slot);
    if (it == slots.end()) return std::nullopt;
    return it->second;
  }
  void write(int slot, const std::string& record) override { slots[slot] = record; }
  void remove(int slot) override { slots.erase(slot); }

  bool open = true;
  std::map<int, std::string> slots;
};

}  // namespace vc::test
