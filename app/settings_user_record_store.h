// The user material slots as the desktop program keeps them: the values
// "UserMat1" to "UserMat30" of the settings store's key, each holding one
// record as text. Every operation opens and closes the key, so the slots
// are always read as they now stand; none creates the key.
#pragma once

#include "materials/user_record_store.h"

namespace vc {

class SettingsUserRecordStore : public UserRecordStore {
 public:
  // Whether the key exists (start-up creates it with LastPath).
  bool available() override;
  std::optional<std::string> read(int slot) override;
  void write(int slot, const std::string& record) override;
  void remove(int slot) override;
};

}  // namespace vc
