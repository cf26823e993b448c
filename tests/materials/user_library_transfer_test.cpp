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

const char* const kExported = "User materials successfully exported.";
const char* const kImported = "User materials successfully imported.";

std::string record(int n) { return "Mat" + std::to_string(n) + ",1.000E+006,2.000E+005"; }

std::string lines(int first, int last) {
  std::string text;
  for (int n = first; n <= last; ++n) text += record(n) + "\r\n";
  return text;
}

class UserLibraryFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("vc-usr-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
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
    std::ifstream in(path(name), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  fs::path folder_;
};

TEST_F(UserLibraryFiles, ExportWritesTheUsedSlotsInOrder) {
  vc::UserSlots slots;
  slots[0] = record(1);
  slots[1] = record(2);
  slots[4] = record(5);
  CapturingMessages messages;
  EXPECT_EQ(vc::exportUserLibrary(slots, path("mylib.usr"), messages), TransferOutcome::Done);
  EXPECT_EQ(contents("mylib.usr"), record(1) + "\r\n" + record(2) + "\r\n" + record(5) + "\r\n");
  ASSERT_EQ(messages.messages.size(), 1u);
  EXPECT_EQ(messages.messages[0].caption, "Material Export");
  EXPECT_EQ(messages.messages[0].text, kExported);
}

TEST_F(UserLibraryFiles, ExportOverAnExistingFileAsAnswered) {
  const struct {
    Answer answer;
    const char* old;
    std::string after;
    TransferOutcome outcome;
  } cases[] = {
      {Answer::Yes, "Old1,5\r\n", lines(1, 1), TransferOutcome::Done},
      {Answer::No, "Old1,5\r\n", "Old1,5\r\n" + lines(1, 1), TransferOutcome::Done},
      {Answer::No, "Old1,5", "Old1,5\r\n" + lines(1, 1), TransferOutcome::Done},  // no run-on line
      {Answer::Cancel, "Old1,5\r\n", "Old1,5\r\n", TransferOutcome::Cancelled},
  };
  for (const auto& c : cases) {
    write("lib.usr", c.old);
    vc::UserSlots slots;
    slots[0] = record(1);
    CapturingMessages messages;
    messages.answers = {c.answer};
    EXPECT_EQ(vc::exportUserLibrary(slots, path("lib.usr"), messages), c.outcome);
    EXPECT_EQ(contents("lib.usr"), c.after);
    ASSERT_FALSE(messages.messages.empty());
    EXPECT_EQ(messages.messages[0].caption, "Overwrite, Append, or Cancel");
    EXPECT_EQ(messages.messages[0].text, "File exists. Overwrite?  Select Yes to overwrite, or No to append.");
    EXPECT_EQ(messages.messages.size(), c.outcome == TransferOutcome::Done ? 2u : 1u);
  }
}

TEST_F(UserLibraryFiles, FailuresAreReportedWithPathAndReason) {
  vc::UserSlots slots;
  slots[0] = record(1);
  const std::string missing = path("no-such-folder/lib.usr");
  const struct {
    TransferOutcome outcome;
    const char* caption;
    const char* text;
  } expected[] = {
      {TransferOutcome::Cancelled, "Material Export", "User materials export failed."},
      {TransferOutcome::Failed, "Material Export", "User materials export failed.\n"},
      {TransferOutcome::Cancelled, "Material Import", "User materials import failed."},
      {TransferOutcome::Failed, "Material Import", "User materials import failed.\n"},
  };
  MemoryRecordStore store;
  CapturingMessages messages;
  const TransferOutcome outcomes[] = {
      vc::exportUserLibrary(slots, "", messages), vc::exportUserLibrary(slots, missing, messages),
      vc::importUserLibrary(store, "", messages), vc::importUserLibrary(store, missing, messages)};
  ASSERT_EQ(messages.messages.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(outcomes[i], expected[i].outcome) << i;
    EXPECT_EQ(messages.messages[i].caption, expected[i].caption);
    const std::string& text = messages.messages[i].text;
    EXPECT_EQ(text.substr(0, std::string(expected[i].text).size()), expected[i].text);
    if (outcomes[i] == TransferOutcome::Failed) {
      EXPECT_NE(text.find(missing + ": "), std::string::npos) << text;
      EXPECT_GT(text.size(), std::string(expected[i].text).size() + missing.size() + 4) << text;
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
      {"abcd\nabc\nxyz12\n", {"abcd"}},     // 4 characters and the line end are enough
      {"abcde\nabcd", {"abcde"}},           // a last line without its line end needs 5
      {"abcde\nvwxyz", {"abcde", "vwxyz"}},
      {"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(vc::readImportRecords(c.text), c.records) << c.text;
}

TEST_F(UserLibraryFiles, ImportFillsEmptySlotsOnly) {
  std::map<int, std::string> used28, first30;
  for (int s = 1; s <= 28; ++s) used28[s] = "Kept" + std::to_string(s);
  for (int s = 1; s <= 30; ++s) first30[s] = record(s);
  const struct {
    std::map<int, std::string> before;
    std::string file;
    Answer answer;
    std::map<int, std::string> added;  // slots the import filled
    const char* message;
  } cases[] = {
      {{}, lines(1, 35), Answer::No, first30, "\n30 imported, 5 dropped: the user library has no more free slots."},
      {used28, lines(1, 5), Answer::No, {{29, record(1)}, {30, record(2)}},
       "\n2 imported, 3 dropped: the user library has no more free slots."},
      {used28, lines(1, 5), Answer::Yes,
       {{1, record(1)}, {2, record(2)}, {3, record(3)}, {4, record(4)}, {5, record(5)}}, ""},
      {{{1, "A"}, {2, "B"}, {4, "D"}}, lines(1, 2), Answer::No, {{3, record(1)}, {5, record(2)}}, ""},
  };
  for (const auto& c : cases) {
    MemoryRecordStore store;
    store.slots = c.before;
    CapturingMessages messages;
    messages.answers = {c.answer};
    EXPECT_EQ(vc::importUserLibrary(store, write("in.usr", c.file), messages), TransferOutcome::Done);

    std::map<int, std::string> expected = c.answer == Answer::Yes ? std::map<int, std::string>{} : c.before;
    for (const auto& [slot, text] : c.added) expected[slot] = text;
    EXPECT_EQ(store.slots, expected);

    ASSERT_FALSE(messages.messages.empty());
    const auto& last = messages.messages.back();
    EXPECT_EQ(last.caption, "Material Import");
    EXPECT_EQ(last.text, std::string(kImported) + c.message);
    EXPECT_EQ(messages.messages.size(), c.before.empty() ? 1u : 2u);  // asked only over records
    if (!c.before.empty()) {
      EXPECT_EQ(messages.messages[0].caption, "Overwrite or Append?");
      EXPECT_EQ(messages.messages[0].text,
                "Some user materials exist. Overwrite?  Select Yes to overwrite, or No to append.");
    }
  }
}

TEST_F(UserLibraryFiles, StoreThatCannotBeOpenedImportsNothingSilently) {
  MemoryRecordStore store;
  store.open = false;
  CapturingMessages messages;
  EXPECT_EQ(vc::importUserLibrary(store, write("in.usr", lines(1, 3)), messages), TransferOutcome::NoStore);
  EXPECT_TRUE(store.slots.empty());
  EXPECT_TRUE(messages.messages.empty());
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
  ASSERT_EQ(store.slots.size(), 3u);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(store.slots.at(i + 1), slots[i == 0 ? 1 : i == 1 ? 4 : 29]);
    EXPECT_EQ(vc::readUserRecord(store.slots.at(i + 1)).name, names[i]);
  }
}

}  // namespace
