#include "materials/user_record.h"

#include <vector>

#include "format/number_text.h"
#include "materials/material_units.h"

namespace vc {

namespace {

constexpr int kRecordFields = 1 + kMaterialProperties;

bool needsQuotes(const std::string& name) {
  return name.find_first_of(",\"'") != std::string::npos;
}

std::string quoted(const std::string& name) {
  std::string text = "\"";
  for (char c : name) {
    if (c == '"') text += '"';
    text += c;
  }
  return text + "\"";
}

std::string withoutBlanks(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// One field starting at `pos`; leaves `pos` on the comma that ends it (or
// at the end of the record).
std::string nextField(const std::string& record, std::size_t& pos) {
  std::string field;
  if (pos < record.size() && (record[pos] == '"' || record[pos] == '\'')) {
    const char quote = record[pos++];
    while (pos < record.size()) {
      const char c = record[pos++];
      if (c != quote) {
        field += c;
      } else if (pos < record.size() && record[pos] == quote) {
        field += quote;
        ++pos;
      } else {
        break;
      }
    }
  }
  while (pos < record.size() && record[pos] != ',') field += record[pos++];
  return field;
}

}  // namespace

std::string formatUserRecord(const std::string& name, const MaterialValues& english) {
  std::string record = needsQuotes(name) ? quoted(name) : name;
  for (int i = 0; i < kMaterialProperties; ++i) {
    const bool fixed = i == kV12 || i == kCME1 || i == kCME2;
    record += ',';
    record += withoutBlanks(formatf(fixed ? "%6.3f" : "%10.3E", finiteOrZero(english[i])));
  }
  return record;
}

UserMaterial readUserRecord(const std::string& record) {
  std::vector<std::string> fields;
  std::size_t pos = 0;
  while (static_cast<int>(fields.size()) < kRecordFields) {
    fields.push_back(nextField(record, pos));
    if (pos >= record.size()) break;
    ++pos;  // the comma
  }
  fields.resize(kRecordFields);

  UserMaterial material;
  material.name = fields[0];
  for (int i = 0; i < kMaterialProperties; ++i)
    material.values[i] = finiteOrZero(readPageReal(fields[1 + i]));
  return material;
}

}  // namespace vc
