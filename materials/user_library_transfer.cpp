#include "materials/user_library_transfer.h"

#include <array>
#include <filesystem>
#include <system_error>

#include "fileio/atomic_save.h"
#include "fileio/small_file_reader.h"
#include "format/number_text.h"

namespace vc {

namespace {

constexpr const char* kExportCaption = "Material Export";
constexpr const char* kImportCaption = "Material Import";
constexpr const char* kExportFailed = "User materials export failed.";
constexpr const char* kImportFailed = "User materials import failed.";
// The shortest line, line end included, that still holds a record.
constexpr std::size_t kShortestRecordLine = 5;

void reportFailure(MessageSink& messages, const char* caption, const char* failed,
                   const std::string& path, const std::string& reason) {
  // The file helpers' reasons end with their own period.
  const std::string ending = !reason.empty() && reason.back() == '.' ? "" : ".";
  const std::string text = std::string(failed) + "\n" + path + ": " + reason + ending;
  messages.inform(caption, text.c_str());
}

}  // namespace

std::string userLibraryExportText(const UserSlots& slots) {
  std::string text;
  for (const std::string& record : slots) {
    if (record.empty()) continue;
    text += record;
    text += "\r\n";
  }
  return text;
}

TransferOutcome exportUserLibrary(const UserSlots& slots, const std::string& path,
                                  MessageSink& messages) {
  if (path.empty()) {
    messages.inform(kExportCaption, kExportFailed);
    return TransferOutcome::Cancelled;
  }
  std::string contents;
  std::error_code ec;
  if (std::filesystem::exists(path, ec)) {
    const Answer answer =
        messages.ask("Overwrite, Append, or Cancel",
                     "File exists. Overwrite?  Select Yes to overwrite, or No to append.",
                     QuestionButtons::YesNoCancel);
    if (answer == Answer::Cancel) return TransferOutcome::Cancelled;
    if (answer == Answer::No) {
      const std::string problem = readSmallRegularFile(path, contents);
      if (!problem.empty()) {
        reportFailure(messages, kExportCaption, kExportFailed, path, problem);
        return TransferOutcome::Failed;
      }
      // An old last line without its line end would run into the first record.
      if (!contents.empty() && contents.back() != '\n') contents += "\r\n";
    }
  }
  contents += userLibraryExportText(slots);
  const std::string problem = saveFileAtomically(path, contents);
  if (!problem.empty()) {
    reportFailure(messages, kExportCaption, kExportFailed, path, problem);
    return TransferOutcome::Failed;
  }
  messages.inform(kExportCaption, "User materials successfully exported.");
  return TransferOutcome::Done;
}

std::vector<std::string> readImportRecords(const std::string& fileText) {
  std::vector<std::string> records;
  std::size_t pos = 0;
  while (pos < fileText.size()) {
    const std::size_t lineEnd = fileText.find('\n', pos);
    const bool ended = lineEnd != std::string::npos;
    std::size_t stop = ended ? lineEnd : fileText.size();
    std::string line = fileText.substr(pos, stop - pos);
    if (ended && !line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() + (ended ? 1 : 0) < kShortestRecordLine) break;
    records.push_back(line);
    pos = ended ? lineEnd + 1 : fileText.size();
  }
  return records;
}

TransferOutcome importUserLibrary(UserRecordStore& store, const std::string& path,
                                  MessageSink& messages) {
  if (path.empty()) {
    messages.inform(kImportCaption, kImportFailed);
    return TransferOutcome::Cancelled;
  }
  std::string fileText;
  const std::string problem = readSmallRegularFile(path, fileText);
  if (!problem.empty()) {
    reportFailure(messages, kImportCaption, kImportFailed, path, problem);
    return TransferOutcome::Failed;
  }
  const std::vector<std::string> records = readImportRecords(fileText);
  if (!store.available()) return TransferOutcome::NoStore;

  // Which slots hold a value, whatever its text.
  std::array<bool, kUserMaterialSlotCount> used{};
  bool anyUsed = false;
  for (int slot = 1; slot <= kUserMaterialSlotCount; ++slot) {
    used[slot - 1] = store.read(slot).has_value();
    anyUsed = anyUsed || used[slot - 1];
  }
  if (anyUsed) {
    const Answer answer = messages.ask(
        "Overwrite or Append?",
        "Some user materials exist. Overwrite?  Select Yes to overwrite, or No to append.",
        QuestionButtons::YesNo);
    if (answer == Answer::Yes) {
      for (int slot = 1; slot <= kUserMaterialSlotCount; ++slot) {
        if (used[slot - 1]) store.remove(slot);
        used[slot - 1] = false;
      }
    }
  }

  // Only empty slots take records: a gap the editor left is filled, and a
  // stored record is never replaced.
  std::size_t imported = 0;
  int slot = 1;
  for (const std::string& record : records) {
    while (slot <= kUserMaterialSlotCount && used[slot - 1]) ++slot;
    if (slot > kUserMaterialSlotCount) break;
    store.write(slot, record);
    used[slot - 1] = true;
    ++imported;
  }

  std::string text = "User materials successfully imported.";
  const std::size_t dropped = records.size() - imported;
  if (dropped > 0)
    appendf(text, "\n%d imported, %d dropped: the user library has no more free slots.",
            static_cast<int>(imported), static_cast<int>(dropped));
  messages.inform(kImportCaption, text.c_str());
  return TransferOutcome::Done;
}

}  // namespace vc
