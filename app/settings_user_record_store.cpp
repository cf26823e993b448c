#include "app/settings_user_record_store.h"

#include "app/settings_file.h"
#include "app/settings_keys.h"

namespace vc {

bool SettingsUserRecordStore::available() { return settingsKeyExists(*openSettingsKey()); }

std::optional<std::string> SettingsUserRecordStore::read(int slot) {
  QString record;
  if (!readUserMaterialRecord(*openSettingsKey(), slot, record)) return std::nullopt;
  return record.toStdString();
}

void SettingsUserRecordStore::write(int slot, const std::string& record) {
  // Written as text so that every other record keeps its exact text.
  writeSettingsValues({{userMaterialValueName(slot), QString::fromStdString(record)}});
}

void SettingsUserRecordStore::remove(int slot) {
  removeSettingsValue(userMaterialValueName(slot));
}

}  // namespace vc
