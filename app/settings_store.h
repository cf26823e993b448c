// The per-user settings store: organisation "Orlenvik", application
// "Vellacore", group "3.0" (on Windows the registry key
// HKCU\Software\Orlenvik\Vellacore\3.0), holding LastPath and the user
// material records UserMat1..UserMat30. Every access opens and closes the
// store; nothing is cached. Tests point QSettings at a temporary folder.
#pragma once

#include <QString>

namespace vc {

// The default data folder, ending in '/': "$APPDATA/The Vellacore/" when
// APPDATA is set, otherwise the per-user data location + "/The Vellacore/",
// falling back to the executable's folder when that cannot be created.
QString defaultDataFolder();

// Creates the default data folder when missing, makes it the current folder,
// stores it in `currentDataFolder` and in LastPath; returns it.
QString prepareDefaultDataFolder(QString& currentDataFolder);

// LastPath := currentDataFolder (creating the key with its default value
// "(value not set)" when it does not exist yet).
void storeLastPath(const QString& currentDataFolder);

// currentDataFolder := LastPath when stored; prepares the default folder when
// that leaves it empty; creates the key when it does not exist yet.
void loadLastPath(QString& currentDataFolder);

// The folder part of a file path, trimmed, ending in '/'.
QString folderOfPath(const QString& path);

}  // namespace vc

namespace vc {

// The results window's folder, read when the window is created: LastPath
// when the key exists and holds it; a key that does not exist yet is created
// with LastPath set to `resultsFolder` as it stands. Unlike loadLastPath, an
// empty folder stays empty (the save dialog then starts where it likes).
void loadResultsFolder(QString& resultsFolder);

}  // namespace vc
