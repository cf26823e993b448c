// The settings store: LastPath and the key's creation, the default data
// folder, the start-up steps and the renumbering of the user material slots.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/executable_path.h"
#include "app/settings_keys.h"
#include "app/settings_store.h"
#include "app/settings_user_record_store.h"
#include "app/startup.h"
#include "app/user_material_slots.h"
#include "settings_fixture.h"

namespace vc {
namespace {

using test::SettingsTest;

TEST_F(SettingsTest, LastPathLoadAndStore) {
  QString folder = "/some/folder/";
  loadLastPath(folder);  // first use: the key is created
  EXPECT_EQ(folder, QStringLiteral("/some/folder/"));
  EXPECT_EQ(store()->value("Default").toString(), QStringLiteral("(value not set)"));
  EXPECT_EQ(store()->value("LastPath").toString(), QStringLiteral("/some/folder/"));
  storeLastPath("/second/");
  folder = "/current/";
  loadLastPath(folder);
  EXPECT_EQ(folder, QStringLiteral("/second/"));
  store()->remove("LastPath");
  folder.clear();
  loadLastPath(folder);  // an empty result prepares the default folder
  EXPECT_EQ(folder, path("data") + "/The Vellacore/");
  EXPECT_EQ(store()->value("LastPath").toString(), folder);
  EXPECT_EQ(folderOfPath("  /data/laminates/plate.vcl "), QStringLiteral("/data/laminates/"));
  EXPECT_EQ(folderOfPath("plate.vcl"), QDir::currentPath() + "/");
}

TEST_F(SettingsTest, DefaultDataFolderTable) {
  EXPECT_EQ(defaultDataFolder(), path("data") + "/The Vellacore/");
  QDir().mkpath(path("roaming"));
  qputenv("APPDATA", QFile::encodeName(path("roaming")));
  EXPECT_EQ(defaultDataFolder(), path("roaming") + "/The Vellacore/");
  EXPECT_TRUE(QFileInfo(path("roaming") + "/The Vellacore/").isDir());
  QFile blocker(path("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  qputenv("APPDATA", QFile::encodeName(path("blocker")));  // a file, not a folder
  EXPECT_EQ(defaultDataFolder(), executableFolder() + "/");
}

// Renumbering moves the raw text of each record (a hand-written record that
// QSettings would read as a list, Latin-1 bytes); a second start-up with
// nothing to change writes nothing.
TEST_F(SettingsTest, StartupStepsAndRenumbering) {
  const QString file = store()->fileName();
  QDir().mkpath(QFileInfo(file).path());
  const QByteArray raw =
      "[3.0]\nUserMat3=T300 Carbon,2.0e7,1.4e6\nUserMat7=Glas \xb0"
      "C,1e6\nUserMat30=thirty\n"
      "UserMat31=outside\n";
  QFile out(file);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly) && out.write(raw) == raw.size());
  out.close();
  StartupState state;
  runStartupSteps(state);
  const QString expected = path("data") + "/The Vellacore/";
  EXPECT_EQ(state.currentDataFolder, expected);
  EXPECT_EQ(QFileInfo(QDir::currentPath()).canonicalFilePath(),
            QFileInfo(expected).canonicalFilePath());
  EXPECT_EQ(state.helpFilePath, executableFolder() + "/Vellacore.qch");
  EXPECT_EQ(store()->value("LastPath").toString(), expected);
  QFile in(file);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  const QByteArray text = in.readAll();
  for (const char* line : {"\nUserMat1=T300 Carbon,2.0e7,1.4e6\n",
                           "\nUserMat2=Glas \xb0"
                           "C,1e6\n",
                           "\nUserMat3=thirty\n", "\nUserMat31=outside\n"})
    EXPECT_TRUE(text.contains(line)) << line << "\n" << text.toStdString();
  EXPECT_FALSE(text.contains("UserMat7") || text.contains("UserMat30"));
  struct stat before {
  }, after{};
  ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &before), 0);
  runStartupSteps(state);
  ASSERT_EQ(::stat(QFile::encodeName(file).constData(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(after.st_mtim.tv_nsec + after.st_mtim.tv_sec * 1000000000LL,
            before.st_mtim.tv_nsec + before.st_mtim.tv_sec * 1000000000LL);
  EXPECT_EQ(QDir(QFileInfo(file).path()).entryList(QDir::Files | QDir::Hidden),
            QStringList{"Vellacore.conf"});
}

TEST_F(SettingsTest, UserRecordSlotsKeepTheirTextExactly) {
  SettingsUserRecordStore store;
  EXPECT_FALSE(store.available());  // no key yet: nothing may create it
  storeLastPath("/x/");
  ASSERT_TRUE(store.available());
  const char* const records[] = {
      "T300,2.625E+007,1.490E+006,1.040E+006,0.280,1.000E-008,1.250E-005,0.000,0.600,"
      "2.175E+005,-2.175E+005,5.800E+003,-3.570E+004,9.900E+003",
      "\"Glass, \"\"woven\"\"\",1.000E+000", "@at;semi=equals", "42", "Kevlar\xc2\xae 49,1"};
  for (int i = 0; i < 5; ++i) store.write(i + 1, records[i]);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(store.read(i + 1), std::string(records[i])) << i;
  store.remove(2);
  EXPECT_EQ(store.read(2), std::nullopt);
  EXPECT_EQ(store.read(30), std::nullopt);
}

TEST_F(SettingsTest, HandWrittenRecordsReadAsOneLine) {
  QDir().mkpath(path("config/Orlenvik"));
  QFile file(path("config/Orlenvik/Vellacore.conf"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("[3.0]\nLastPath=/x/\nUserMat4=T300,2.625E+007,0.280\n");
  file.close();
  EXPECT_EQ(SettingsUserRecordStore().read(4), std::string("T300,2.625E+007,0.280"));
  renumberUserMaterials();
  EXPECT_EQ(SettingsUserRecordStore().read(1), std::string("T300,2.625E+007,0.280"));
}

}  // namespace
}  // namespace vc
