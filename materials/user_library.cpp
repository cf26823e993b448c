#include "materials/user_library.h"

#include <cmath>
#include <string>

#include "format/number_scan.h"
#include "format/number_text.h"
#include "materials/user_record.h"

namespace vc {

namespace {

constexpr const char* kInvalidEntryCaption = "Invalid Entry";

bool validSlot(int slot) { return slot >= 1 && slot <= kUserMaterialSlotCount; }

std::string withoutBlanks(const std::string& text) {
  const char* blanks = " \t\r\n\v\f";
  const auto first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The entry read as a number as a whole; false when any of it is not part of
// the number or the number is beyond the range of a double.
bool readWholeNumber(const std::string& entry, double& value) {
  const std::string text = withoutBlanks(entry);
  const char* begin = text.c_str();
  const char* end = scanReal(begin, begin + text.size(), value, false);
  return end != begin && *end == '\0' && std::isfinite(value);
}

}  // namespace

UserSlots readUserSlots(UserRecordStore& store) {
  UserSlots slots;
  if (!store.available()) return slots;
  for (int slot = 1; slot <= kUserMaterialSlotCount; ++slot) {
    if (auto record = store.read(slot)) slots[slot - 1] = *record;
  }
  return slots;
}

int lastUsedSlot(const UserSlots& slots) {
  for (int slot = kUserMaterialSlotCount; slot >= 1; --slot) {
    if (!slots[slot - 1].empty()) return slot;
  }
  return 0;
}

bool storeUserRecord(UserRecordStore& store, const UserRecordEntries& entries, MaterialUnits units,
                     int slot, MessageSink& messages) {
  const std::string name = withoutBlanks(entries.name);
  if (name.empty()) {
    messages.inform(kInvalidEntryCaption, "Please enter a name for the material.");
    return false;
  }
  MaterialValues values{};
  for (int i = 0; i < kMaterialProperties; ++i) {
    const auto property = static_cast<MaterialProperty>(i);
    if (!readWholeNumber(entries.numbers[i], values[i])) {
      const std::string text =
          std::string(materialPropertyName(property)) + " entry is not a number.  Please review.";
      messages.inform(kInvalidEntryCaption, text.c_str());
      return false;
    }
  }
  // Compressive strengths are held negative, however they were typed.
  if (values[kXc] > 0.0) values[kXc] = -values[kXc];
  if (values[kYc] > 0.0) values[kYc] = -values[kYc];
  if (units == MaterialUnits::Metric) {
    for (int i = 0; i < kMaterialProperties; ++i)
      values[i] = englishFromMetricEntry(static_cast<MaterialProperty>(i), values[i]);
  }
  const std::string record = formatUserRecord(name, values);
  if (!validSlot(slot) || !store.available()) return false;
  store.write(slot, record);
  return true;
}

bool deleteUserRecord(UserRecordStore& store, int slot) {
  if (!validSlot(slot) || !store.available()) return false;
  store.remove(slot);
  for (int j = slot; j < kUserMaterialSlotCount; ++j) {
    if (auto later = store.read(j + 1)) {
      store.write(j, *later);
      store.remove(j + 1);
    }
  }
  store.remove(kUserMaterialSlotCount);
  return true;
}

int slotAfterAccept(int slot) {
  return slot < kUserMaterialSlotCount ? slot + 1 : kUserMaterialSlotCount;
}

int slotForSavedResults(const UserSlots& slots, MessageSink& messages) {
  const int last = lastUsedSlot(slots);
  if (last < kUserMaterialSlotCount) return last + 1;
  for (int slot = 1; slot <= kUserMaterialSlotCount; ++slot) {
    if (slots[slot - 1].empty()) return slot;
  }
  messages.inform("Material Library",
                  "The user material library is full: all 30 slots hold a material.\n"
                  "Accepting the new material in slot 30 replaces the one stored there.");
  return kUserMaterialSlotCount;
}

std::vector<std::string> listUserMaterials(const UserSlots& slots, LibraryTable& table) {
  std::vector<std::string> texts;
  int tableSlot = kFirstUserLibrarySlot;
  for (const std::string& record : slots) {
    if (record.empty()) continue;
    const UserMaterial material = readUserRecord(record);
    texts.push_back(userMaterialListText(material.name));
    table[tableSlot++] = material.values;
  }
  return texts;
}

}  // namespace vc
