// The settings store: LastPath, the key's creation, the default data folder
// and the renumbering of the user material slots.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/executable_path.h"
#include "app/settings_keys.h"
#include "app/settings_store.h"
#include "app/startup.h"
#include "settings_fixture.h"

namespace vc {
namespace {

using test::SettingsTest;

TEST_F(SettingsTest, FirstLoadCreatesTheKeyWithDefaultValueAndLastPath) {
  EXPECT_TRUE(store()->childKeys().isEmpty());
  QString folder = "/some/folder/";
  loadLastPath(folder);
  EXPECT_EQ(folder, QStringLiteral("/some/folder/"));
  auto s = store();
  EXPECT_EQ(s->value("Default").toString(), QStringLiteral("(value not set)"));
  EXPECT_EQ(s->value("LastPath").toString(), QStringLiteral("/some/folder/"));
  EXPECT_EQ(s->childKeys().size(), 2);
}

TEST_F(SettingsTest, LoadTakesStoredLastPath) {
  store()->setValue("LastPath", "/stored/");
  QString folder = "/current/";
  loadLastPath(folder);
  EXPECT_EQ(folder, QStringLiteral("/stored/"));
  EXPECT_FALSE(store()->contains("Default"));  // the key existed: nothing created
}

TEST_F(SettingsTest, LoadWithEmptyResultPreparesTheDefaultFolder) {
  store()->setValue("UserMat1", "x");  // the key exists but has no LastPath
  QString folder;
  loadLastPath(folder);
  const QString expected = path("data") + "/The Vellacore/";
  EXPECT_EQ(folder, expected);
  EXPECT_EQ(store()->value("LastPath").toString(), expected);
}

TEST_F(SettingsTest, StoreOverwritesLastPathOfAnExistingKey) {
  storeLastPath("/first/");
  storeLastPath("/second/");
  auto s = store();
  EXPECT_EQ(s->value("LastPath").toString(), QStringLiteral("/second/"));
  EXPECT_EQ(s->value("Default").toString(), QStringLiteral("(value not set)"));
}

TEST_F(SettingsTest, DefaultFolderUnderAppData) {
  QDir().mkpath(path("roaming"));
  qputenv("APPDATA", QFile::encodeName(path("roaming")));
  const QString expected = path("roaming") + "/The Vellacore/";
  EXPECT_EQ(defaultDataFolder(), expected);
  EXPECT_TRUE(QFileInfo(expected).isDir());
}

TEST_F(SettingsTest, DefaultFolderUnderUserDataLocationWithoutAppData) {
  const QString expected = path("data") + "/The Vellacore/";
  EXPECT_EQ(defaultDataFolder(), expected);
  EXPECT_TRUE(QFileInfo(expected).isDir());
}

TEST_F(SettingsTest, DefaultFolderFallsBackToExecutableFolderWhenUncreatable) {
  QFile blocker(path("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  qputenv("APPDATA", QFile::encodeName(path("blocker")));  // a file, not a folder
  EXPECT_EQ(defaultDataFolder(), executableFolder() + "/");
}

TEST_F(SettingsTest, PrepareMakesFolderCurrentAndStoresIt) {
  QString folder;
  const QString returned = prepareDefaultDataFolder(folder);
  const QString expected = path("data") + "/The Vellacore/";
  EXPECT_EQ(returned, expected);
  EXPECT_EQ(folder, expected);
  EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath(),
            QFileInfo(expected).canonicalFilePath());
  EXPECT_EQ(store()->value("LastPath").toString(), expected);
  EXPECT_EQ(store()->value("Default").toString(), QStringLiteral("(value not set)"));
}

TEST_F(SettingsTest, RenumberClosesGapsInOrder) {
  {
    auto s = store();
    s->setValue("LastPath", "/x/");
    s->setValue("UserMat3", "three");
    s->setValue("UserMat7", "seven");
    s->setValue("UserMat30", "thirty");
    s->setValue("UserMat31", "outside");  // not a slot: left alone
  }
  renumberUserMaterials();
  auto s = store();
  EXPECT_EQ(s->value("UserMat1").toString(), QStringLiteral("three"));
  EXPECT_EQ(s->value("UserMat2").toString(), QStringLiteral("seven"));
  EXPECT_EQ(s->value("UserMat3").toString(), QStringLiteral("thirty"));
  for (int slot = 4; slot <= 30; ++slot) EXPECT_FALSE(s->contains(userMaterialValueName(slot))) << slot;
  EXPECT_EQ(s->value("UserMat31").toString(), QStringLiteral("outside"));
  EXPECT_EQ(s->value("LastPath").toString(), QStringLiteral("/x/"));
}

TEST_F(SettingsTest, RenumberWithoutKeyCreatesNothing) {
  renumberUserMaterials();
  EXPECT_TRUE(store()->childKeys().isEmpty());
}

TEST_F(SettingsTest, FolderOfPathEndsWithSlash) {
  EXPECT_EQ(folderOfPath("  /data/laminates/plate.vcl "), QStringLiteral("/data/laminates/"));
  EXPECT_EQ(folderOfPath("/plate.vcl"), QStringLiteral("/"));
  EXPECT_EQ(folderOfPath("plate.vcl"), QDir::currentPath() + "/");
#if defined(_WIN32)
  EXPECT_EQ(folderOfPath("C:\\data\\plate.vcl"), QStringLiteral("C:/data/"));
#endif
}

TEST_F(SettingsTest, StartupStepsFillTheState) {
  store()->setValue("UserMat5", "five");
  StartupState state;
  runStartupSteps(state);
  const QString expected = path("data") + "/The Vellacore/";
  EXPECT_EQ(state.currentDataFolder, expected);
  EXPECT_EQ(state.helpFilePath, executableFolder() + "/Vellacore.qch");
  EXPECT_EQ(store()->value("UserMat1").toString(), QStringLiteral("five"));
  EXPECT_FALSE(store()->contains("UserMat5"));
}

}  // namespace
}  // namespace vc
