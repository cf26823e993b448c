// Export and import of the user library through ".usr" files.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "materials/memory_record_store.h"
#include "materials/user_library_transfer.h"
#include "materials/user_record.h"
#include "support/capturing_messages.h"

namespace {

namespace fs = std::filesystem;
using vc::Answer;
using vc::TransferOutcome;
using vc::test::CapturingMessages;
using vc::test::MemoryRecordStore;
using Slots = std::map<int, std::string>;

std::string record(int n) { return "Mat" + std::to_string(n) + ",1.000E+006,2.000E+005"; }

std::string lines(int first, int last) {
  std::string text;
  for (int n = first; n <= last; ++n) text += record(n) + "\r\n";
  return text;
}

// Every message as "caption|text", questions included.
std::vector<std::string> said(const CapturingMessages& messages) {
  std::vector<std::string> out;
  for (const auto& m : messages.messages) out.push_back(m.caption + "|" + m.text);
  return out;
}

class UserLibraryFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* test = ::testing::UnitTest::GetInstance();
    folder_ = fs::temp_directory_path() /
              ("vc-usr-" + std::to_string(test->random_seed()) + "-" + test->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string path(const std::string& name) const { return (folder_ / name).string(); }
  std::string write(const std::string& name, const std::string& text) const {
    std::ofstream(path(name), std::ios::binary) << text;
    return path(name);
  }
  std::string contents(const std::string& name) const {
    std::ostringstream text;
    text << std::ifstream(path(name), std::ios::binary).rdbuf();
    return text.str();
  }

  fs::path folder_;
};

TEST_F(UserLibraryFiles, ExportWritesTheUsedSlotsAsAnswered) {
  vc::UserSlots slots;
  slots[0] = record(1);
  slots[1] = record(2);
  slots[4] = record(5);
  const std::string three = record(1) + "\r\n" + record(2) + "\r\n" + record(5) + "\r\n";
  const struct {
    const char* old;  // nullptr: no file yet
    Answer answer;
    std::string after;
    TransferOutcome outcome;
  } cases[] = {
      {nullptr, Answer::No, three, TransferOutcome::Done},
      {"Old1,5\r\n", Answer::Yes, three, TransferOutcome::Done},
      {"Old1,5\r\n", Answer::No, "Old1,5\r\n" + three, TransferOutcome::Done},
      {"Old1,5", Answer::No, "Old1,5\r\n" + three, TransferOutcome::Done},  // no run-on line
      {"Old1,5\r\n", Answer::Cancel, "Old1,5\r\n", TransferOutcome::Cancelled},
  };
  for (const auto& c : cases) {
    fs::remove(path("lib.usr"));
    if (c.old) write("lib.usr", c.old);
    CapturingMessages messages;
    messages.answers = {c.answer};
    EXPECT_EQ(vc::exportUserLibrary(slots, path("lib.usr"), messages), c.outcome);
    EXPECT_EQ(contents("lib.usr"), c.after);
    std::vector<std::string> expected;
    if (c.old) expected.push_back("Overwrite, Append, or Cancel|File exists. Overwrite?  Select Yes to overwrite, or No to append.");
    if (c.outcome == TransferOutcome::Done) expected.push_back("Material Export|User materials successfully exported.");
    EXPECT_EQ(said(messages), expected);
  }
}

TEST_F(UserLibraryFiles, FailuresAreReportedWithPathAndReason) {
  const std::string missing = path("no-such-folder/lib.usr");
  MemoryRecordStore store;
  CapturingMessages messages;
  const TransferOutcome outcomes[] = {
      vc::exportUserLibrary({}, "", messages), vc::exportUserLibrary({}, missing, messages),
      vc::importUserLibrary(store, "", messages), vc::importUserLibrary(store, missing, messages)};
  const char* const expected[] = {"Material Export|User materials export failed.",
                                  "Material Export|User materials export failed.\n",
                                  "Material Import|User materials import failed.",
                                  "Material Import|User materials import failed.\n"};
  ASSERT_EQ(messages.messages.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    const bool failed = i % 2 == 1;
    EXPECT_EQ(outcomes[i], failed ? TransferOutcome::Failed : TransferOutcome::Cancelled);
    const std::string text = said(messages)[i];
    EXPECT_EQ(text.substr(0, std::string(expected[i]).size()), expected[i]);
    if (failed) {
      EXPECT_NE(text.find(missing + ": "), std::string::npos) << text;  // the path, then the reason
    }
  }
  EXPECT_TRUE(store.slots.empty());
}

TEST(ImportRecords, WholeLinesUpToTheFirstShortLine) {
  const std::string longName(300, 'L');
  const struct {
    std::string text;
    std::vector<std::string> records;
  } cases[] = {
      {lines(1, 2) + "\r\n" + lines(4, 4), {record(1), record(2)}},  // empty third line
      {longName + ",1\r\n" + lines(2, 2), {longName + ",1", record(2)}},
      {"abcd\nabc\nxyz12\n", {"abcd"}},  // 4 characters and the line end are enough
      {"abcde\nabcd", {"abcde"}},        // a last line without its line end needs 5
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(vc::readImportRecords(c.text), c.records) << c.text;
}

TEST_F(UserLibraryFiles, ImportFillsEmptySlotsOnly) {
  Slots used28, first30;
  for (int s = 1; s <= 28; ++s) used28[s] = "Kept" + std::to_string(s);
  for (int s = 1; s <= 30; ++s) first30[s] = record(s);
  const struct {
    Slots before;
    std::string file;
    Answer answer;
    Slots added;
    std::string dropped;  // the line after the success message
  } cases[] = {
      {{}, lines(1, 35), Answer::No, first30, "\n30 imported, 5 dropped: the user library has no more free slots."},
      {used28, lines(1, 5), Answer::No, {{29, record(1)}, {30, record(2)}},
       "\n2 imported, 3 dropped: the user library has no more free slots."},
      {used28, lines(1, 5), Answer::Yes, {{1, record(1)}, {2, record(2)}, {3, record(3)}, {4, record(4)}, {5, record(5)}}, ""},
      {{{1, "A"}, {2, "B"}, {4, "D"}}, lines(1, 2), Answer::No, {{3, record(1)}, {5, record(2)}}, ""},
  };
  for (const auto& c : cases) {
    MemoryRecordStore store;
    store.slots = c.before;
    CapturingMessages messages;
    messages.answers = {c.answer};
    EXPECT_EQ(vc::importUserLibrary(store, write("in.usr", c.file), messages), TransferOutcome::Done);
    Slots expected = c.answer == Answer::Yes ? Slots{} : c.before;
    for (const auto& [slot, text] : c.added) expected[slot] = text;
    EXPECT_EQ(store.slots, expected);

    std::vector<std::string> wanted;
    if (!c.before.empty())  // asked only when records exist
      wanted.push_back("Overwrite or Append?|Some user materials exist. Overwrite?  Select Yes to overwrite, or No to append.");
    wanted.push_back("Material Import|User materials successfully imported." + c.dropped);
    EXPECT_EQ(said(messages), wanted);
  }
  MemoryRecordStore closed;  // a store that cannot be opened: nothing stored, nothing said
  closed.open = false;
  CapturingMessages messages;
  EXPECT_EQ(vc::importUserLibrary(closed, write("in.usr", lines(1, 3)), messages), TransferOutcome::NoStore);
  EXPECT_TRUE(closed.slots.empty() && messages.messages.empty());
}

TEST_F(UserLibraryFiles, ExportThenImportGivesTheSameRecords) {
  vc::MaterialValues values{};
  values[vc::kE1] = 2.0e7;
  const std::string names[] = {"Glass, \"woven\" 'A'", std::string(250, 'N') + ", long", "Plain"};
  vc::UserSlots slots;
  slots[1] = vc::formatUserRecord(names[0], values);
  slots[4] = vc::formatUserRecord(names[1], values);
  slots[29] = vc::formatUserRecord(names[2], values);
  CapturingMessages messages;
  ASSERT_EQ(vc::exportUserLibrary(slots, path("round.usr"), messages), TransferOutcome::Done);
  MemoryRecordStore store;
  ASSERT_EQ(vc::importUserLibrary(store, path("round.usr"), messages), TransferOutcome::Done);
  EXPECT_EQ(store.slots, (Slots{{1, slots[1]}, {2, slots[4]}, {3, slots[29]}}));
  for (int i = 0; i < 3; ++i) EXPECT_EQ(vc::readUserRecord(store.slots.at(i + 1)).name, names[i]);
}

}  // namespace
