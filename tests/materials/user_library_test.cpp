// Storing, deleting and listing user records.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/capturing_messages.h"
#include "materials/user_library.h"
#include "materials/user_record.h"
#include "materials/memory_record_store.h"

namespace {

using vc::MaterialUnits;
using vc::test::CapturingMessages;
using vc::test::MemoryRecordStore;

// The T300 entries as the editor's boxes would hold them.
vc::UserRecordEntries t300Entries() {
  return {"T300", {"26250000", "1490000", "1040000", "0.28", "1e-08", "1.25e-05", "0", "0.6", "217500",
                   "-217500", "5800", "-35700", "9900"}};
}

std::string storedField(const std::string& record, int field) {
  std::size_t start = 0;
  for (int i = 0; i < field; ++i) start = record.find(',', start) + 1;
  return record.substr(start, record.find(',', start) - start);
}

TEST(StoreUserRecord, StoresWhatTheEditorHolds) {
  const struct {
    vc::MaterialProperty property;  // the one entry changed from T300's
    const char* entry;
    MaterialUnits units;
    const char* stored;
  } cases[] = {
      {vc::kXc, "150000", MaterialUnits::English, "-1.500E+005"},
      {vc::kXc, "-150000", MaterialUnits::English, "-1.500E+005"},
      {vc::kYc, "2e4", MaterialUnits::English, "-2.000E+004"},
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
    EXPECT_EQ(storedField(store.slots.at(7), 1 + c.property), c.stored) << c.entry;
  }
}

TEST(StoreUserRecord, TheT300EntriesGiveTheT300Record) {
  MemoryRecordStore store;
  CapturingMessages messages;
  vc::UserRecordEntries entries = t300Entries();
  entries.name = "  T300 ";
  ASSERT_TRUE(vc::storeUserRecord(store, entries, MaterialUnits::English, 30, messages));
  EXPECT_EQ(store.slots.at(30),
            "T300,2.625E+007,1.490E+006,1.040E+006,0.280,1.000E-008,1.250E-005,0.000,0.600,"
            "2.175E+005,-2.175E+005,5.800E+003,-3.570E+004,9.900E+003");
}

TEST(StoreUserRecord, FirstBadEntryInFieldOrderIsReported) {
  const struct {
    const char* name;
    int bad1, bad2;  // entries made invalid (-1 for none)
    const char* bad;
    const char* message;
  } cases[] = {
      {"   ", vc::kE1, -1, "1", "Please enter a name for the material."},
      {"A", vc::kE1, -1, "2.5e7x", "E1 entry is not a number.  Please review."},
      {"A", vc::kE1, -1, "", "E1 entry is not a number.  Please review."},
      {"A", vc::kS, vc::kG12, "x", "G12 entry is not a number.  Please review."},
      {"A", vc::kCME2, vc::kYc, "1e", "CME2 entry is not a number.  Please review."},
      {"A", vc::kXc, -1, "1e999", "Xc entry is not a number.  Please review."},
      {"A", vc::kYt, -1, "inf", "Yt entry is not a number.  Please review."},
      {"A", vc::kS, -1, "nan", "S entry is not a number.  Please review."},
      {"A", vc::kV12, -1, "0x1p3", "v12 entry is not a number.  Please review."},
  };
  for (const auto& c : cases) {
    MemoryRecordStore store;
    CapturingMessages messages;
    vc::UserRecordEntries entries = t300Entries();
    entries.name = c.name;
    entries.numbers[c.bad1] = c.bad;
    if (c.bad2 >= 0) entries.numbers[c.bad2] = c.bad;
    EXPECT_FALSE(vc::storeUserRecord(store, entries, MaterialUnits::English, 1, messages));
    ASSERT_EQ(messages.messages.size(), 1u) << c.message;
    EXPECT_EQ(messages.messages[0].caption, "Invalid Entry");
    EXPECT_EQ(messages.messages[0].text, c.message);
    EXPECT_TRUE(store.slots.empty());
  }
}

TEST(StoreUserRecord, StoreThatCannotBeOpenedStoresNothingSilently) {
  MemoryRecordStore store;
  store.open = false;
  CapturingMessages messages;
  EXPECT_FALSE(vc::storeUserRecord(store, t300Entries(), MaterialUnits::English, 1, messages));
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_TRUE(store.slots.empty());
}

TEST(DeleteUserRecord, LaterRecordsMoveDown) {
  const struct {
    std::map<int, std::string> before;
    int slot;
    std::map<int, std::string> after;
  } cases[] = {
      {{{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}}, 2, {{1, "a"}, {2, "c"}, {3, "d"}}},
      {{{1, "a"}, {29, "y"}, {30, "z"}}, 30, {{1, "a"}, {29, "y"}}},
      {{{1, "a"}, {2, "b"}, {4, "d"}}, 1, {{1, "b"}, {3, "d"}}},  // the gap moves down too
      {{{5, "e"}}, 5, {}},
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
  EXPECT_EQ(vc::slotAfterAccept(29), 30);
  EXPECT_EQ(vc::slotAfterAccept(30), 30);

  const struct {
    std::vector<int> used;
    int slot;
    bool full;
  } cases[] = {
      {{}, 1, false},
      {{1, 2, 3, 4}, 5, false},
      {{1, 3}, 4, false},  // after the highest used slot
      {{1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30},
       7, false},          // slot 30 used: the first empty one
  };
  for (const auto& c : cases) {
    vc::UserSlots slots;
    for (int s : c.used) slots[s - 1] = "r";
    CapturingMessages messages;
    EXPECT_EQ(vc::slotForSavedResults(slots, messages), c.slot);
    EXPECT_TRUE(messages.messages.empty());
  }
  vc::UserSlots full;
  full.fill("r");
  CapturingMessages messages;
  EXPECT_EQ(vc::slotForSavedResults(full, messages), 30);
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, "Material Library");
}

TEST(UserSlots, ReadAndListedInSlotOrder) {
  MemoryRecordStore store;
  store.slots = {{1, "First,1e6"}, {3, "Third,3e6,,,,,,,,,,,,9"}};
  const vc::UserSlots slots = vc::readUserSlots(store);
  EXPECT_EQ(slots[0], "First,1e6");
  EXPECT_EQ(slots[1], "");
  EXPECT_EQ(slots[2], "Third,3e6,,,,,,,,,,,,9");
  EXPECT_EQ(vc::lastUsedSlot(slots), 3);

  vc::LibraryTable table{};
  const auto texts = vc::listUserMaterials(slots, table);
  EXPECT_EQ(texts, (std::vector<std::string>{"User Material: First", "User Material: Third"}));
  EXPECT_EQ(table[15][vc::kE1], 1e6);
  EXPECT_EQ(table[16][vc::kE1], 3e6);
  EXPECT_EQ(table[16][vc::kS], 9);

  store.open = false;
  EXPECT_EQ(vc::lastUsedSlot(vc::readUserSlots(store)), 0);
}

}  // namespace
