// The settings store's values written so that every other value keeps its
// exact text. On Windows the store is the registry and QSettings writes one
// value at a time. Elsewhere it is an INI file, which QSettings would write
// back whole in its own reading of every value (a record "a,b,c" read as a
// list, Latin-1 bytes as U+FFFD), so its lines are edited as text instead.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <QString>

namespace vc {

// `text` (an INI file) with `name=value` in section [group]: the line
// replaced in place, or added at the end of the section (the section added
// when missing). Returns false when the text already holds exactly that line.
bool withSettingsLine(const std::string& text, const std::string& group, const std::string& name,
                      const std::string& value, std::string& result);

// `text` without the line of `name` in section [group]. Returns false when
// there is no such line.
bool withoutSettingsLine(const std::string& text, const std::string& group, const std::string& name,
                         std::string& result);

// `text` with the records UserMat1..UserMat30 of section [group] renumbered
// without gaps in ascending slot order, each record's raw text unchanged.
// Returns false when they already are numbered without gaps.
bool renumberedSettingsText(const std::string& text, const std::string& group, std::string& result);

// Sets values of the settings key; the store is written only when a value
// changes, never leaving a temporary or lock file behind.
void writeSettingsValues(const std::vector<std::pair<QString, QString>>& values);

// Removes one value of the settings key, every other value keeping its text.
void removeSettingsValue(const QString& name);

}  // namespace vc
