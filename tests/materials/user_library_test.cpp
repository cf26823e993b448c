// Storing, deleting and listing user records.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "materials/memory_record_store.h"
#include "materials/user_library.h"
#include "support/capturing_messages.h"

namespace {

using vc::MaterialUnits;
using vc::test::CapturingMessages;
using vc::test::MemoryRecordStore;
using Slots = std::map<int, std::string>;

// The editor's boxes holding built-in slot 0 as typed.
vc::UserRecordEntries t300Entries() {
  return {"  T300 ", {"26250000", "1490000", "1040000", "0.28", "1e-08", "1.25e-05", "0", "0.6", "217500",
                      "-217500", "5800", "-35700", "9900"}};
}

TEST(StoreUserRecord, StoresWhatTheEditorHolds) {
  const struct {
    vc::MaterialProperty property;  // the one entry changed from T300's
    const char* entry;
    MaterialUnits units;
    const char* stored;  // that field of the record
  } cases[] = {
      {vc::kXc, "150000", MaterialUnits::English, "-1.500E+005"},
      {vc::kXc, "-150000", MaterialUnits::English, "-1.500E+005"},
      {vc::kE1, "6896.55", MaterialUnits::Metric, "1.000E+000"},
      {vc::kCTE1, "1.8", MaterialUnits::Metric, "1.000E+000"},
      {vc::kV12, "0.2346", MaterialUnits::Metric, "0.235"},
      {vc::kCME2, "0.0004", MaterialUnits::English, "0.000"},
      {vc::kE1, "  2.5e7  ", MaterialUnits::English, "2.500E+007"},
  };
  for (const auto& c : cases) {
    MemoryRecordStore store;
    CapturingMessages messages;
    vc::UserRecordEntries entries = t300Entries();
    entries.numbers[c.property] = c.entry;
    ASSERT_TRUE(vc::storeUserRecord(store, entries, c.units, 7, messages)) << c.entry;
    EXPECT_TRUE(messages.messages.empty());
    std::string record = store.slots.at(7);
    for (int i = 0; i <= c.property; ++i) record.erase(0, record.find(',') + 1);
    EXPECT_EQ(record.substr(0, record.find(',')), c.stored) << c.entry;
  }
  MemoryRecordStore store;
  CapturingMessages messages;
  ASSERT_TRUE(vc::storeUserRecord(store, t300Entries(), MaterialUnits::English, 30, messages));
  EXPECT_EQ(store.slots.at(30), "T300,2.625E+007,1.490E+006,1.040E+006,0.280,1.000E-008,1.250E-005,0.000,0.600,"
                                "2.175E+005,-2.175E+005,5.800E+003,-3.570E+004,9.900E+003");
}

TEST(StoreUserRecord, FirstBadEntryInFieldOrderIsReported) {
  const struct {
    const char* name;
    int bad1, bad2;  // entries made invalid
    const char* bad;
    const char* message;
  } cases[] = {
      {"   ", vc::kE1, vc::kE1, "1", "Please enter a name for the material."},
      {"A", vc::kE1, vc::kE1, "2.5e7x", "E1 entry is not a number.  Please review."},
      {"A", vc::kE1, vc::kE1, "", "E1 entry is not a number.  Please review."},
      {"A", vc::kS, vc::kG12, "x", "G12 entry is not a number.  Please review."},
      {"A", vc::kCME2, vc::kYc, "1e", "CME2 entry is not a number.  Please review."},
      {"A", vc::kXc, vc::kXc, "1e999", "Xc entry is not a number.  Please review."},
      {"A", vc::kYt, vc::kYt, "inf", "Yt entry is not a number.  Please review."},
      {"A", vc::kS, vc::kS, "nan", "S entry is not a number.  Please review."},
  };
  for (const auto& c : cases) {
    MemoryRecordStore store;
    CapturingMessages messages;
    vc::UserRecordEntries entries = t300Entries();
    entries.name = c.name;
    entries.numbers[c.bad1] = entries.numbers[c.bad2] = c.bad;
    EXPECT_FALSE(vc::storeUserRecord(store, entries, MaterialUnits::English, 1, messages));
    ASSERT_EQ(messages.messages.size(), 1u) << c.message;
    EXPECT_EQ(messages.captions()[0] + "|" + messages.messages[0].text, std::string("Invalid Entry|") + c.message);
    EXPECT_TRUE(store.slots.empty());
  }
  MemoryRecordStore closed;  // a store that cannot be opened: nothing stored, nothing said
  closed.open = false;
  CapturingMessages messages;
  EXPECT_FALSE(vc::storeUserRecord(closed, t300Entries(), MaterialUnits::English, 1, messages));
  EXPECT_TRUE(messages.messages.empty() && closed.slots.empty());
}

TEST(DeleteUserRecord, LaterRecordsMoveDown) {
  const struct {
    Slots before;
    int slot;
    Slots after;
  } cases[] = {
      {{{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}}, 2, {{1, "a"}, {2, "c"}, {3, "d"}}},
      {{{1, "a"}, {29, "y"}, {30, "z"}}, 30, {{1, "a"}, {29, "y"}}},
      {{{1, "a"}, {2, "b"}, {4, "d"}}, 1, {{1, "b"}, {3, "d"}}},  // the gap moves down too
  };
  for (const auto& c : cases) {
    MemoryRecordStore store;
    store.slots = c.before;
    EXPECT_TRUE(vc::deleteUserRecord(store, c.slot));
    EXPECT_EQ(store.slots, c.after) << "slot " << c.slot;
  }
  MemoryRecordStore closed;
  closed.open = false;
  closed.slots = {{1, "a"}};
  EXPECT_FALSE(vc::deleteUserRecord(closed, 1));
  EXPECT_EQ(closed.slots.size(), 1u);
}

TEST(EditorSlots, AcceptAndSaveToLibraryStayWithinTheLibrary) {
  EXPECT_EQ(vc::slotAfterAccept(5), 6);
  EXPECT_EQ(vc::slotAfterAccept(30), 30);
  const struct {
    int used, gap;  // slots 1 to `used` hold records, except slot `gap`
    int slot;
    size_t messages;
  } cases[] = {
      {0, 0, 1, 0},    // empty library
      {4, 0, 5, 0},    // slots 1 to 4 used
      {3, 2, 4, 0},    // after the highest used slot
      {30, 7, 7, 0},   // slot 30 used: the first empty one
      {30, 0, 30, 1},  // full: told so, and slot 30
  };
  for (const auto& c : cases) {
    vc::UserSlots slots;
    for (int s = 1; s <= c.used; ++s) slots[s - 1] = s == c.gap ? "" : "r";
    CapturingMessages messages;
    EXPECT_EQ(vc::slotForSavedResults(slots, messages), c.slot);
    ASSERT_EQ(messages.messages.size(), c.messages);
    if (c.messages) {
      EXPECT_EQ(messages.messages[0].caption, "Material Library");
    }
  }
}

TEST(UserSlots, ReadAndListedInSlotOrder) {
  MemoryRecordStore store;
  store.slots = {{1, "First,1e6"}, {3, "Third,3e6,,,,,,,,,,,,9"}};
  const vc::UserSlots slots = vc::readUserSlots(store);
  EXPECT_EQ(slots[0] + "|" + slots[1] + "|" + slots[2], "First,1e6||Third,3e6,,,,,,,,,,,,9");
  EXPECT_EQ(vc::lastUsedSlot(slots), 3);
  vc::LibraryTable table{};
  EXPECT_EQ(vc::listUserMaterials(slots, table),
            (std::vector<std::string>{"User Material: First", "User Material: Third"}));
  EXPECT_EQ(table[15][vc::kE1] + table[16][vc::kE1] + table[16][vc::kS], 4e6 + 9);
  store.open = false;
  EXPECT_EQ(vc::lastUsedSlot(vc::readUserSlots(store)), 0);
}

}  // namespace
