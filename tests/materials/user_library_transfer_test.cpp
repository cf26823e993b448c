// Export and import of the user library through ".usr" files.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "fileio/atomic_save.h"
#include "fileio/small_file_reader.h"
#include "materials/memory_record_store.h"
#include "materials/user_library_transfer.h"
#include "support/capturing_messages.h"

namespace {

namespace fs = std::filesystem;
using vc::Answer;
using vc::TransferOutcome;
using Slots = std::map<int, std::string>;

// A folder of this test process's own, and the messages as "caption|text"
// lines, questions included.
struct UserLibraryFiles : ::testing::Test {
  void SetUp() override { fs::create_directories(folder); }
  void TearDown() override { fs::remove_all(folder); }
  std::string path(const char* name) const { return (folder / name).string(); }
  std::string said() const {
    std::string text;
    for (const auto& m : messages.messages) text += m.caption + "|" + m.text + "\n";
    return text;
  }
  const fs::path folder = fs::temp_directory_path() / ("vc-usr-" + std::to_string(::getpid()));
  vc::test::CapturingMessages messages;
  vc::test::MemoryRecordStore store;
};

TEST_F(UserLibraryFiles, ExportWritesTheUsedSlotsAsAnswered) {
  const vc::UserSlots slots{"Mat1,1", "", "", "", "Mat5,5"};
  // No file yet (old nullptr), or one overwritten, added to (an old last line gets its line end) or
  // kept.
  const struct {
    const char* old;
    Answer answer;
    const char* after;
  } cases[] = {
      {nullptr, Answer::No, "Mat1,1\r\nMat5,5\r\n"},
      {"Old\r\n", Answer::Yes, "Mat1,1\r\nMat5,5\r\n"},
      {"Old\r\n", Answer::No, "Old\r\nMat1,1\r\nMat5,5\r\n"},
      {"Old", Answer::No, "Old\r\nMat1,1\r\nMat5,5\r\n"},
      {"Old\r\n", Answer::Cancel, "Old\r\n"},
  };
  for (const auto& c : cases) {
    fs::remove(path("lib.usr"));
    if (c.old) vc::saveFileAtomically(path("lib.usr"), c.old);
    messages.answers = {c.answer};
    EXPECT_EQ(vc::exportUserLibrary(slots, path("lib.usr"), messages),
              c.answer == Answer::Cancel ? TransferOutcome::Cancelled : TransferOutcome::Done);
    std::string text;
    vc::readSmallRegularFile(path("lib.usr"), text);
    EXPECT_EQ(text, c.after);
  }
  const std::string done = "Material Export|User materials successfully exported.\n";
  const std::string asked =
      "Overwrite, Append, or Cancel|File exists. Overwrite?  Select Yes to overwrite, or No to "
      "append.\n";
  EXPECT_EQ(said(), done + asked + done + asked + done + asked + done + asked);
  // Failures name the file and the reason; no file chosen is a failure too.
  messages = {};
  const std::string missing = path("no-such-folder/lib.usr");
  EXPECT_EQ(vc::exportUserLibrary(slots, "", messages), TransferOutcome::Cancelled);
  EXPECT_EQ(vc::exportUserLibrary(slots, missing, messages), TransferOutcome::Failed);
  EXPECT_EQ(vc::importUserLibrary(store, "", messages), TransferOutcome::Cancelled);
  EXPECT_EQ(vc::importUserLibrary(store, missing, messages), TransferOutcome::Failed);
  for (const char* failed : {"Material Export|User materials export failed.\n",
                             "Material Import|User materials import failed.\n"})
    EXPECT_NE(said().find(std::string(failed) + failed + missing + ": "), std::string::npos)
        << said();
  // And back: an export read into an empty library.
  EXPECT_EQ(vc::exportUserLibrary(slots, path("back.usr"), messages), TransferOutcome::Done);
  EXPECT_EQ(vc::importUserLibrary(store, path("back.usr"), messages), TransferOutcome::Done);
  EXPECT_EQ(store.slots, (Slots{{1, "Mat1,1"}, {2, "Mat5,5"}}));
}

// Whole lines up to the first line shorter than 5 characters with its line
// end, into the empty slots only; Yes to the question empties them all first.
TEST_F(UserLibraryFiles, ImportFillsEmptySlotsOnly) {
  Slots kept;
  for (int slot = 1; slot <= 28; ++slot) kept[slot] = "Kept";
  const std::string five = "Mat1\r\nMat2\r\nMat3\r\nMat4\r\nMat5\r\n", longName(300, 'L');
  const struct {
    Slots before;
    std::string file;
    Answer answer;
    Slots added;
    const char* dropped = "";
  } cases[] = {
      {kept, five, Answer::No, {{29, "Mat1"}, {30, "Mat2"}}, "\n2 imported, 3 dropped"},
      {kept, five, Answer::Yes, {{1, "Mat1"}, {2, "Mat2"}, {3, "Mat3"}, {4, "Mat4"}, {5, "Mat5"}}},
      {{{1, "A"}, {2, "B"}, {4, "D"}}, "Mat1\r\nMat2\r\n", Answer::No, {{3, "Mat1"}, {5, "Mat2"}}},
      // Up to the empty line; the last line, without its line end, needs 5.
      {{}, longName + ",1\r\n\r\nabcde\r\n", Answer::No, {{1, longName + ",1"}}},
      {{}, "abcd\nabcde\nabcd", Answer::No, {{1, "abcd"}, {2, "abcde"}}},
  };
  store.open = false;  // a store that cannot be opened: nothing stored, nothing said
  vc::saveFileAtomically(path("in.usr"), five);
  EXPECT_EQ(vc::importUserLibrary(store, path("in.usr"), messages), TransferOutcome::NoStore);
  EXPECT_TRUE(store.slots.empty() && messages.messages.empty());
  store.open = true;
  for (const auto& c : cases) {
    store.slots = c.before;
    messages = {};
    messages.answers = {c.answer};
    vc::saveFileAtomically(path("in.usr"), c.file);
    EXPECT_EQ(vc::importUserLibrary(store, path("in.usr"), messages), TransferOutcome::Done);
    Slots expected = c.answer == Answer::Yes ? Slots{} : c.before;
    expected.insert(c.added.begin(), c.added.end());
    EXPECT_EQ(store.slots, expected);
    const std::string asked = c.before.empty()
                                  ? ""
                                  : "Overwrite or Append?|Some user materials exist. Overwrite?  "
                                    "Select Yes to overwrite, or No to append.\n";
    const std::string full = *c.dropped ? ": the user library has no more free slots." : "";
    EXPECT_EQ(said(), asked + "Material Import|User materials successfully imported." + c.dropped +
                          full + "\n");
  }
}

}  // namespace
