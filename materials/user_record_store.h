// Where the user records live: the values "UserMat1" to "UserMat30" of the
// per-user settings store, seen as slots 1 to 30 holding raw record text.
// The desktop program implements this over its settings store; tests use
// an in-memory store.
#pragma once

#include <optional>
#include <string>

namespace vc {

class UserRecordStore {
 public:
  virtual ~UserRecordStore() = default;
  // Whether the store's key can be opened; when it cannot, the library
  // operations end without touching anything.
  virtual bool available() = 0;
  // The text of slot `slot` (1 to 30), or nothing when the slot is empty.
  virtual std::optional<std::string> read(int slot) = 0;
  // Replaces the text of slot `slot`.
  virtual void write(int slot, const std::string& record) = 0;
  // Empties slot `slot`; an empty slot stays empty.
  virtual void remove(int slot) = 0;
};

}  // namespace vc
