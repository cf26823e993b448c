// A user record store in memory for the library tests; `open` false stands
// for a settings key that cannot be opened.
#pragma once

#include <map>

#include "materials/user_record_store.h"

namespace vc::test {

struct MemoryRecordStore : UserRecordStore {
  bool available() override { return open; }
  std::optional<std::string> read(int slot) override {
    return slots.count(slot) ? std::optional(slots[slot]) : std::nullopt;
  }
  void write(int slot, const std::string& record) override { slots[slot] = record; }
  void remove(int slot) override { slots.erase(slot); }

  bool open = true;
  std::map<int, std::string> slots;
};

}  // namespace vc::test
