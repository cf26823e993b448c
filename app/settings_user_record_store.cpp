#include "app/settings_user_record_store.h"

#include "app/settings_keys.h"

namespace vc {

bool SettingsUserRecordStore::available() { return settingsKeyExists(*openSettingsKey()); }

std::optional<std::string> SettingsUserRecordStore::read(int slot) {
  QString record;
  if (!readUserMaterialRecord(*openSettingsKey(), slot, record)) return std::nullopt;
  return record.toStdString();
}

void SettingsUserRecordStore::write(int slot, const std::string& record) {
  auto key = openSettingsKey();
  // Stored as a string whatever it looks like, so that it reads back as written.
  key->setValue(userMaterialValueName(slot), QString::fromStdString(record));
  key->sync();
}

void SettingsUserRecordStore::remove(int slot) {
  auto key = openSettingsKey();
  key->remove(userMaterialValueName(slot));
  key->sync();
}

}  // namespace vc
