// Storing, deleting and listing user records.
#include <gtest/gtest.h>

#include "materials/memory_record_store.h"
#include "materials/user_library.h"
#include "support/capturing_messages.h"

namespace {

using vc::MaterialUnits;
using vc::test::CapturingMessages;
using vc::test::MemoryRecordStore;
using Slots = std::map<int, std::string>;

// Built-in slot 0 as typed (Xc positive), and metric entries of one unit
// each: stresses / 6896.55, expansion / 1.8, the rest as typed.
TEST(StoreUserRecord, EnglishAndMetricEntries) {
  MemoryRecordStore store;
  CapturingMessages messages;
  EXPECT_TRUE(vc::storeUserRecord(store,
                                  {"  T300 ",
                                   {"26250000", "1490000", "1040000", "0.28", "1e-08", "1.25e-05",
                                    "0", "0.6", "217500", "217500", "5800", "-35700", " 9900 "}},
                                  MaterialUnits::English, 30, messages));
  EXPECT_TRUE(vc::storeUserRecord(store,
                                  {"M",
                                   {"6896.55", "6896.55", "6896.55", "0.2346", "1.8", "1.8", "0.6",
                                    "0", "6896.55", "6896.55", "6896.55", "-6896.55", "6896.55"}},
                                  MaterialUnits::Metric, 29, messages));
  store.open = false;  // a store that cannot be opened: nothing stored, nothing said
  EXPECT_FALSE(vc::storeUserRecord(
      store, {"X", {"1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1", "1"}},
      MaterialUnits::English, 1, messages));
  EXPECT_EQ(store.slots,
            (Slots{{29,
                    "M,1.000E+000,1.000E+000,1.000E+000,0.235,1.000E+000,1.000E+000,0.600,0.000,"
                    "1.000E+000,-1.000E+000,1.000E+000,-1.000E+000,1.000E+000"},
                   {30,
                    "T300,2.625E+007,1.490E+006,1.040E+006,0.280,1.000E-008,1.250E-005,0.000,0.600,"
                    "2.175E+005,-2.175E+005,5.800E+003,-3.570E+004,9.900E+003"}}));
  EXPECT_TRUE(messages.messages.empty());
}

// The first bad entry in field order is reported and nothing is stored.
TEST(StoreUserRecord, BadEntriesAreRefused) {
  const struct {
    const char* name;
    vc::MaterialProperty bad, alsoBad;
    const char* entry;
  } cases[] = {{"E1", vc::kE1, vc::kE1, "2.5e7x"}, {"E1", vc::kE1, vc::kE1, ""},
               {"G12", vc::kG12, vc::kS, "x"},     {"CME2", vc::kCME2, vc::kYc, "1e"},
               {"Xc", vc::kXc, vc::kXc, "1e999"},  {"Yt", vc::kYt, vc::kYt, "inf"},
               {"S", vc::kS, vc::kS, "nan"},       {nullptr, vc::kE1, vc::kE1, "1"}};  // no name
  MemoryRecordStore store;
  for (const auto& c : cases) {
    CapturingMessages messages;
    vc::UserRecordEntries entries{c.name ? "A" : "  ", {}};
    entries.numbers.fill("1");
    entries.numbers[c.bad] = entries.numbers[c.alsoBad] = c.entry;
    EXPECT_FALSE(vc::storeUserRecord(store, entries, MaterialUnits::English, 1, messages));
    EXPECT_EQ(messages.captions(), std::vector<std::string>{"Invalid Entry"});
    EXPECT_EQ(messages.messages.at(0).text,
              c.name ? std::string(c.name) + " entry is not a number.  Please review."
                     : "Please enter a name for the material.");
  }
  EXPECT_TRUE(store.slots.empty());
}

TEST(UserSlots, DeleteSaveAndList) {
  MemoryRecordStore store;  // later records move down one slot, gaps included
  store.slots = {{1, "a"}, {2, "b"}, {4, "d"}, {29, "y"}, {30, "z"}};
  EXPECT_TRUE(vc::deleteUserRecord(store, 1));
  EXPECT_EQ(store.slots, (Slots{{1, "b"}, {3, "d"}, {28, "y"}, {29, "z"}}));
  // Save to Library: after the highest used slot; with slot 30 used, the
  // first empty one; when full, slot 30 after a message. Accept: the next.
  vc::UserSlots full;
  full.fill("r");
  CapturingMessages messages;
  EXPECT_EQ(vc::slotForSavedResults(full, messages), 30);
  EXPECT_EQ(messages.captions(), std::vector<std::string>{"Material Library"});
  full[6] = "";
  EXPECT_EQ(vc::slotForSavedResults(full, messages), 7);
  EXPECT_EQ(vc::slotAfterAccept(5) + vc::slotAfterAccept(30), 6 + 30);
  // Listing: every record in slot order, its values from table slot 15 on.
  store.slots = {{1, "First,1e6"}, {3, "Third,3e6,,,,,,,,,,,,9"}};
  const vc::UserSlots slots = vc::readUserSlots(store);
  EXPECT_EQ(vc::slotForSavedResults(slots, messages), 4);
  vc::LibraryTable table{};
  EXPECT_EQ(vc::listUserMaterials(slots, table),
            (std::vector<std::string>{"User Material: First", "User Material: Third"}));
  EXPECT_EQ(table[15][vc::kE1] + table[16][vc::kE1] + table[16][vc::kS], 4e6 + 9);
  store.open = false;  // a store that cannot be opened: nothing read, nothing removed
  EXPECT_EQ(vc::lastUsedSlot(vc::readUserSlots(store)) + vc::deleteUserRecord(store, 1), 0);
  EXPECT_EQ(store.slots.size(), 2u);
}

}  // namespace
