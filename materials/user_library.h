// The user material library: up to 30 user records in the slots of a
// UserRecordStore, and what the user library editor and the Material Library
// window do with them.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/messages.h"
#include "materials/library_table.h"
#include "materials/material_units.h"
#include "materials/user_record_store.h"

namespace vc {

// The record text of slots 1 to 30 (index 0 is slot 1); empty text for an
// empty slot.
using UserSlots = std::array<std::string, kUserMaterialSlotCount>;

// What the editor's 14 boxes hold: the name and the 13 numbers as typed.
struct UserRecordEntries {
  std::string name;
  std::array<std::string, kMaterialProperties> numbers;
};

// The 30 slot texts; all empty when the store cannot be opened.
UserSlots readUserSlots(UserRecordStore& store);

// The highest slot number that holds a record, 0 when none does.
int lastUsedSlot(const UserSlots& slots);

// Validates the editor's entries in field order (name first; the first bad
// entry is reported with caption "Invalid Entry" and nothing is stored),
// makes a positive Xc or Yc negative, converts metric entries to English
// units and writes the record into `slot` (1 to 30), replacing what was
// there. A number entry must be a number as a whole, blanks around it
// aside, and within the range of a double. Returns whether it was stored;
// a store that cannot be opened stores nothing and says nothing.
bool storeUserRecord(UserRecordStore& store, const UserRecordEntries& entries, MaterialUnits units,
                     int slot, MessageSink& messages);

// Removes the record of `slot` (1 to 30) and moves every later record down
// one slot, gaps included. Returns whether the store could be opened.
bool deleteUserRecord(UserRecordStore& store, int slot);

// The editor's slot after a successful Accept on `slot`: the next one, and
// slot 30 again after slot 30, since there is no slot after it.
int slotAfterAccept(int slot);

// The slot the editor opens on for "&Save to Library": the slot after the
// highest used one; when slot 30 is used, the first empty slot; when every
// slot is used, slot 30, after telling the user that the library is full
// (caption "Material Library").
int slotForSavedResults(const UserSlots& slots, MessageSink& messages);

// The Material Library window's list of user materials: for every stored
// record in slot order, its list text ("User Material: " and the name),
// with its values written into `table` from slot 15 on.
std::vector<std::string> listUserMaterials(const UserSlots& slots, LibraryTable& table);

}  // namespace vc
