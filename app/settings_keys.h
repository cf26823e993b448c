// The names inside the settings store and direct access to its key, for the
// settings functions, the user material store and the tests.
#pragma once

#include <memory>

#include <QSettings>
#include <QString>

namespace vc {

constexpr const char* kSettingsOrganization = "Orlenvik";
constexpr const char* kSettingsApplication = "Vellacore";
constexpr const char* kSettingsGroup = "3.0";
// The key's unnamed default value (QSettings' name for it on Windows).
constexpr const char* kDefaultValueName = "Default";
constexpr const char* kDefaultValueText = "(value not set)";
constexpr const char* kLastPathName = "LastPath";
constexpr int kUserMaterialSlots = 30;

// The settings key, opened (QSettings creates nothing until a value is set),
// with the "3.0" group entered. Closed (and flushed) when destroyed.
std::unique_ptr<QSettings> openSettingsKey();

// Whether the key exists: it holds any value or subkey.
bool settingsKeyExists(const QSettings& key);

// Creates the key: the default value "(value not set)" and LastPath.
void createSettingsKey(const QString& lastPath);

// "UserMat1" .. "UserMat30".
QString userMaterialValueName(int slot);

// Whether slot `slot` holds a record, and its text as stored. A record that
// was written into the store's file by hand without quotes comes back from
// QSettings split at its commas; it is joined again, so every record reads
// as the one line of text it is.
bool readUserMaterialRecord(const QSettings& key, int slot, QString& record);

}  // namespace vc
