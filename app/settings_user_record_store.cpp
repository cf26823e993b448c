#include "app/settings_user_record_store.h"

#include "app/settings_file.h"
#include "app/settings_keys.h"

namespace vc {

bool SettingsUserRecordStore::available() { return settingsKeyExists(*openSettingsKey()); }

std::optional<std::string> SettingsUserRecordStore::read(int slot) {
  std::string record;
  if (!readSettingsValue(userMaterialValueName(slot), record)) return std::nullopt;
  return record;
}

void SettingsUserRecordStore::write(int slot, const std::string& record) {
  // Written as text so that every other record keeps its exact text.
  writeSettingsValues({{userMaterialValueName(slot), QString::fromStdString(record)}});
}

void SettingsUserRecordStore::remove(int slot) { removeSettingsValue(userMaterialValueName(slot)); }

}  // namespace vc
