#include "app/user_material_slots.h"

#include <QFile>
#include <QSettings>
#include <QStringList>

#include "app/settings_file.h"
#include "app/settings_keys.h"
#include "fileio/atomic_save.h"
#include "fileio/small_file_reader.h"

namespace vc {

void renumberUserMaterials() {
  auto key = openSettingsKey();
#if defined(_WIN32)
  // The registry's string values: QSettings moves them unchanged.
  if (!settingsKeyExists(*key)) return;
  QStringList records;
  bool gaps = false;
  for (int slot = 1; slot <= kUserMaterialSlots; ++slot) {
    const QString name = userMaterialValueName(slot);
    if (!key->contains(name)) continue;
    gaps = gaps || slot != records.size() + 1;
    records.append(key->value(name).toString());
  }
  for (int slot = 1; gaps && slot <= kUserMaterialSlots; ++slot) {
    const QString name = userMaterialValueName(slot);
    if (slot <= records.size())
      key->setValue(name, records.at(slot - 1));
    else if (key->contains(name))
      key->remove(name);
  }
#else
  const std::string path = QFile::encodeName(key->fileName()).toStdString();
  key.reset();
  std::string text, renumbered;
  if (readSmallRegularFile(path, text).empty() &&
      renumberedSettingsText(text, kSettingsGroup, renumbered))
    saveFileAtomically(path, renumbered);
#endif
}

}  // namespace vc
