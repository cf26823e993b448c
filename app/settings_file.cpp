#include "app/settings_file.h"

#include <map>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "app/settings_keys.h"
#include "fileio/atomic_save.h"
#include "fileio/small_file_reader.h"

namespace vc {

namespace {

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t end = text.find('\n', pos);
    const std::size_t next = end == std::string::npos ? text.size() : end + 1;
    lines.push_back(text.substr(pos, next - pos));
    if (lines.back().back() != '\n') lines.back() += '\n';
    pos = next;
  }
  return lines;
}

std::string bare(std::string line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  return line;
}

std::string joined(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& line : lines) out += line;
  return out;
}

// The slot of a line "UserMatN=..." (N from 1 to 30, no leading zero), or 0.
int slotOf(const std::string& line) {
  const std::size_t digits = 7;  // "UserMat"
  if (line.compare(0, digits, "UserMat") != 0 || line.size() <= digits || line[digits] == '0')
    return 0;
  int slot = 0;
  std::size_t i = digits;
  for (; i < line.size() && line[i] >= '0' && line[i] <= '9' && slot <= kUserMaterialSlots; ++i)
    slot = slot * 10 + (line[i] - '0');
  return i < line.size() && line[i] == '=' && slot <= kUserMaterialSlots ? slot : 0;
}

// A string as QSettings reads it back from an INI file: plain when it holds
// nothing special, else in double quotes with '"' and '\' escaped.
std::string iniText(const QString& value) {
  const std::string utf8 = value.toUtf8().toStdString();
  bool plain = !utf8.empty() && utf8.front() != ' ' && utf8.back() != ' ';
  for (unsigned char c : utf8)
    plain = plain && c >= 0x20 && std::string(",\"\\;=#").find(char(c)) == std::string::npos;
  if (plain) return utf8;
  std::string quoted = "\"";
  for (char c : utf8) quoted += (c == '"' || c == '\\') ? std::string("\\") + c : std::string(1, c);
  return quoted + "\"";
}

}  // namespace

bool withSettingsLine(const std::string& text, const std::string& group, const std::string& name,
                      const std::string& value, std::string& result) {
  std::vector<std::string> lines = splitLines(text);
  const std::string line = name + "=" + value + "\n";
  std::size_t groupEnd = lines.size();
  bool inGroup = false, found = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string b = bare(lines[i]);
    if (!b.empty() && b[0] == '[') {
      if (inGroup) groupEnd = i;
      inGroup = b == "[" + group + "]";
      if (inGroup) groupEnd = lines.size();
      continue;
    }
    if (inGroup && b.compare(0, name.size() + 1, name + "=") == 0) {
      if (lines[i] == line) return false;
      lines[i] = line;
      found = true;
      break;
    }
  }
  if (!found) {
    bool haveGroup = false;
    for (const std::string& l : lines) haveGroup = haveGroup || bare(l) == "[" + group + "]";
    if (!haveGroup) {
      if (!lines.empty() && bare(lines.back()) != "") lines.push_back("\n");
      lines.push_back("[" + group + "]\n");
      groupEnd = lines.size();
    }
    while (groupEnd > 0 && groupEnd <= lines.size() && haveGroup &&
           bare(lines[groupEnd - 1]).empty())
      --groupEnd;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(groupEnd), line);
  }
  result = joined(lines);
  return true;
}

bool withoutSettingsLine(const std::string& text, const std::string& group, const std::string& name,
                         std::string& result) {
  std::vector<std::string> lines = splitLines(text);
  bool inGroup = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string b = bare(lines[i]);
    if (!b.empty() && b[0] == '[') {
      inGroup = b == "[" + group + "]";
    } else if (inGroup && b.compare(0, name.size() + 1, name + "=") == 0) {
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
      result = joined(lines);
      return true;
    }
  }
  return false;
}

bool renumberedSettingsText(const std::string& text, const std::string& group,
                            std::string& result) {
  std::map<int, std::string> records;  // slot -> the raw text after '='
  std::vector<std::string> kept;
  std::size_t firstRecord = 0;
  bool inGroup = false;
  for (const std::string& line : splitLines(text)) {
    const std::string b = bare(line);
    if (!b.empty() && b[0] == '[') inGroup = b == "[" + group + "]";
    const int slot = inGroup ? slotOf(b) : 0;
    if (slot == 0) {
      kept.push_back(line);
      continue;
    }
    if (records.empty()) firstRecord = kept.size();
    records.emplace(slot, line.substr(line.find('=') + 1));
  }
  int expected = 1;
  bool gapless = true;
  for (const auto& record : records) gapless = gapless && record.first == expected++;
  if (gapless) return false;
  std::vector<std::string> moved;
  for (const auto& record : records)
    moved.push_back("UserMat" + std::to_string(moved.size() + 1) + "=" + record.second);
  kept.insert(kept.begin() + static_cast<std::ptrdiff_t>(firstRecord), moved.begin(), moved.end());
  result = joined(kept);
  return true;
}

void writeSettingsValues(const std::vector<std::pair<QString, QString>>& values) {
  auto key = openSettingsKey();
#if defined(_WIN32)
  for (const auto& [name, value] : values) {
    if (!key->contains(name) || key->value(name).toString() != value) key->setValue(name, value);
  }
#else
  const std::string path = QFile::encodeName(key->fileName()).toStdString();
  key.reset();
  std::string text;
  readSmallRegularFile(path, text);  // a missing file is an empty store
  bool changed = false;
  for (const auto& [name, value] : values) {
    std::string next;
    if (!withSettingsLine(text, kSettingsGroup, name.toStdString(), iniText(value), next)) continue;
    text = next;
    changed = true;
  }
  if (changed) {
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
    saveFileAtomically(path, text);
  }
#endif
}

void removeSettingsValue(const QString& name) {
  auto key = openSettingsKey();
#if defined(_WIN32)
  if (key->contains(name)) key->remove(name);
#else
  const std::string path = QFile::encodeName(key->fileName()).toStdString();
  key.reset();
  std::string text, next;
  if (!readSmallRegularFile(path, text).empty()) return;
  if (withoutSettingsLine(text, kSettingsGroup, name.toStdString(), next))
    saveFileAtomically(path, next);
#endif
}

bool settingsValueText(const std::string& text, const std::string& group, const std::string& name,
                       std::string& value) {
  bool inGroup = false;
  for (const std::string& line : splitLines(text)) {
    const std::string b = bare(line);
    if (!b.empty() && b[0] == '[') {
      inGroup = b == "[" + group + "]";
    } else if (inGroup && b.compare(0, name.size() + 1, name + "=") == 0) {
      const std::string raw = b.substr(name.size() + 1);
      if (raw.empty() || raw.front() != '"') {
        value = raw;  // a plain or hand-written value, commas and all
        return true;
      }
      value.clear();
      for (std::size_t i = 1; i < raw.size() && raw[i] != '"'; ++i) {
        if (raw[i] == '\\' && i + 1 < raw.size()) ++i;
        value += raw[i];
      }
      return true;
    }
  }
  return false;
}

bool readSettingsValue(const QString& name, std::string& value) {
  auto key = openSettingsKey();
#if defined(_WIN32)
  if (!key->contains(name)) return false;
  value = key->value(name).toString().toStdString();
  return true;
#else
  // Read from the file itself: QSettings may keep an older reading of a file
  // that was rewritten within the same moment (renumbering at start-up).
  const std::string path = QFile::encodeName(key->fileName()).toStdString();
  key.reset();
  std::string text;
  if (!readSmallRegularFile(path, text).empty()) return false;
  return settingsValueText(text, kSettingsGroup, name.toStdString(), value);
#endif
}

}  // namespace vc
