// The File menu's data-file commands: dialogs, extension rules, the
// remembered folder, a refused file that must not cost the user the pages,
// and the current-directory command.
#include "app/file_commands.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/settings_fixture.h"
#include "batch_process.h"
#include "support/capturing_messages.h"

namespace {

using vc::test::CapturingMessages;

class StubChooser : public vc::FileChooser {
 public:
  QString openFileName(const QString& t, const QString& s, const QList<vc::FileFilter>& f) override {
    return record(t, s, f);
  }
  QString saveFileName(const QString& t, const QString& s, const QList<vc::FileFilter>& f) override {
    return record(t, s, f);
  }
  QString answer;
  QString title;
  QString startFolder;
  QList<vc::FileFilter> filters;

 private:
  QString record(const QString& t, const QString& s, const QList<vc::FileFilter>& f) {
    title = t;
    startFolder = s;
    filters = f;
    return answer;
  }
};

class StubShell : public vc::ShellOpener {
 public:
  void openFolder(const QString& folder) override { folders << folder; }
  void openLink(const QString&) override {}
  QStringList folders;
};

class FileCommandsTest : public vc::test::SettingsTest {
 protected:
  void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QString storedLastPath() const { return store()->value("LastPath").toString(); }

  // Pages a user has been editing: things a refused file must not wipe.
  void fillEditedPages() {
    pages.layup.textb_1.text = "3";
    pages.layup.grid_1.setCell(0, 2, "45");
    pages.layup.grid_1.setCell(4, 2, "30");
    pages.materials.matgrid.setCell(0, 9, "my material");
    pages.settings.checkbox_3.checked = true;
    pages.settings.optb_1.selected = false;
    pages.settings.optb_2.selected = true;
  }

 public:  // the commands as the menu runs them
  bool open() {
    return vc::openDataFileCommand(chooser, pages, data, folder, inputPath, messages,
                                   [this] { ++otherPagesCleared; });
  }
  bool save() { return vc::saveDataFileCommand(chooser, pages, data, folder, outputPath, messages); }

  vc::InputPages pages;
  vc::LaminateData data;
  CapturingMessages messages;
  StubChooser chooser;
  QString folder = "/start/";
  QString inputPath;
  QString outputPath;
  int otherPagesCleared = 0;
};

// A name without an extension gets one; a trailing dot gets only the
// extension; any extension is kept; dots in folder names do not count.
TEST(DefaultExtension, AddedOnlyWhenTheNameHasNone) {
  const char* const cases[][3] = {
      {"/a/b/plate", "vcl", "/a/b/plate.vcl"},     {"plate", "txt", "plate.txt"},
      {"/a/b/plate.", "vcl", "/a/b/plate.vcl"},    {"/a/b/plate.dat", "vcl", "/a/b/plate.dat"},
      {"/a/b/plate.vcl", "vcl", "/a/b/plate.vcl"}, {"/data.d/plate", "vcl", "/data.d/plate.vcl"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c[0]);
    EXPECT_EQ(vc::withDefaultExtension(c[0], c[1]), c[2]);
  }
}

// Both dialogs start in the current folder with the same filters; a
// cancelled dialog changes nothing.
TEST_F(FileCommandsTest, DialogsAndCancelling) {
  fillEditedPages();
  store()->setValue("LastPath", "/remembered/");
  const std::pair<bool (FileCommandsTest::*)(), const char*> commands[] = {
      {&FileCommandsTest::open, "Open a Vellacore Data File"},
      {&FileCommandsTest::save, "Save Input to a Vellacore Data File"}};
  for (const auto& [command, title] : commands) {
    SCOPED_TRACE(title);
    EXPECT_FALSE((this->*command)());
    EXPECT_EQ(chooser.title, title);
    EXPECT_EQ(chooser.startFolder, "/start/");
    ASSERT_EQ(chooser.filters.size(), 2);
    EXPECT_EQ(chooser.filters[0].description, "Vellacore text files (*.vcl)");
    EXPECT_EQ(chooser.filters[0].pattern, "*.vcl");
    EXPECT_EQ(chooser.filters[1].description, "All files (*.*)");
    EXPECT_EQ(chooser.filters[1].pattern, "*.*");
    EXPECT_EQ(folder, "/start/");
    EXPECT_EQ(inputPath + outputPath, "");
    EXPECT_EQ(pages.layup.textb_1.text, "3");
    EXPECT_EQ(storedLastPath(), "/remembered/");
    EXPECT_TRUE(messages.messages.empty());
  }
  EXPECT_EQ(otherPagesCleared, 0);
  EXPECT_TRUE(QDir(path("")).entryList(QDir::Files).isEmpty());
}

TEST_F(FileCommandsTest, OpenShowsTheFileOnClearedPages) {
  ASSERT_TRUE(QDir().mkpath(path("plates")));
  const QString file = path("plates/four ply.vcl");
  writeFile(file, vc::test::sampleDataFile());
  fillEditedPages();
  chooser.answer = file;

  EXPECT_TRUE(open());
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(otherPagesCleared, 1);
  EXPECT_EQ(inputPath, file);
  EXPECT_EQ(data.numLayers, 4);
  EXPECT_EQ(pages.layup.textb_1.text, "4");
  EXPECT_EQ(pages.layup.grid_1.cell(1, 2), "90");
  EXPECT_EQ(pages.layup.grid_1.cell(4, 2), "");  // cleared before showing
  EXPECT_EQ(pages.materials.matgrid.cell(0, 9), "T300/5208");
  EXPECT_EQ(pages.loads.grid_1.cell(0, 0), "1000");
  // The options of the file, not those the pages had.
  EXPECT_FALSE(pages.settings.checkbox_3.checked);
  EXPECT_TRUE(pages.settings.checkbox_6.checked);
  EXPECT_TRUE(pages.settings.optb_1.selected);
  EXPECT_FALSE(pages.settings.optb_2.selected);
  EXPECT_EQ(folder, path("plates") + "/");
  EXPECT_EQ(storedLastPath(), path("plates") + "/");
}

TEST_F(FileCommandsTest, RefusedFileLeavesPagesAndRecordAsTheyWere) {
  const QString bad = path("broken.vcl");
  writeFile(bad, "$ Number of Materials\r\n1\r\n$ Material Properties\r\nrubbish\r\n");
  fillEditedPages();
  data.numLayers = 3;
  data.E1[1] = 123.0;
  chooser.answer = bad;

  EXPECT_FALSE(open());
  ASSERT_EQ(messages.captions(), std::vector<std::string>{"Data File Error"});
  EXPECT_EQ(otherPagesCleared, 0);
  EXPECT_EQ(pages.layup.textb_1.text, "3");
  EXPECT_EQ(pages.layup.grid_1.cell(0, 2), "45");
  EXPECT_EQ(pages.materials.matgrid.cell(0, 9), "my material");
  EXPECT_TRUE(pages.settings.checkbox_3.checked);
  EXPECT_EQ(data.numLayers, 3);
  EXPECT_EQ(data.E1[1], 123.0);
}

TEST_F(FileCommandsTest, SaveWritesUnderTheFinalName) {
  const char* const cases[][2] = {{"plate", "plate.vcl"},
                                  {"plate.", "plate.vcl"},
                                  {"plate.dat", "plate.dat"},
                                  {"plate.vcl", "plate.vcl"}};
  for (const auto& [typed, written] : cases) {
    SCOPED_TRACE(typed);
    const QString out = path(QString("out %1").arg(typed));
    ASSERT_TRUE(QDir().mkpath(out));
    chooser.answer = "  " + out + "/" + typed + "  ";
    EXPECT_TRUE(save());
    EXPECT_EQ(outputPath, out + "/" + written);
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList{written});
    EXPECT_EQ(folder, out + "/");
    EXPECT_EQ(storedLastPath(), out + "/");
    EXPECT_TRUE(messages.messages.empty());
  }
}

TEST_F(FileCommandsTest, SavedFileOpensAgainWithTheSameInputs) {
  pages.materials.matgrid.setCell(0, 1, "1.8e7");
  pages.materials.matgrid.setCell(0, 2, "1.2e6");
  pages.materials.matgrid.setCell(0, 3, "7e5");
  pages.materials.matgrid.setCell(0, 4, "0.28");
  pages.materials.matgrid.setCell(0, 9, "Glass");
  pages.layup.textb_1.text = "1";
  pages.layup.grid_1.setCell(0, 1, "1");
  pages.layup.grid_1.setCell(0, 2, "22.5");
  pages.layup.grid_1.setCell(0, 3, "0.01");
  chooser.answer = path("round");
  ASSERT_TRUE(save());

  pages = vc::InputPages();
  data = vc::LaminateData();
  chooser.answer = outputPath;
  ASSERT_TRUE(open());
  // 5 significant digits as %.5g shows them, with a three-digit exponent.
  EXPECT_EQ(pages.materials.matgrid.cell(0, 1), "1.8e+007");
  EXPECT_EQ(pages.materials.matgrid.cell(0, 4), "0.28");
  EXPECT_EQ(pages.materials.matgrid.cell(0, 9), "Glass");
  EXPECT_EQ(pages.layup.grid_1.cell(0, 2), "22.5");
  EXPECT_EQ(pages.layup.grid_1.cell(0, 3), "0.01");
}

TEST_F(FileCommandsTest, UnwritableSaveIsReported) {
  chooser.answer = path("missing folder/plate");
  EXPECT_FALSE(save());
  EXPECT_EQ(messages.captions(), std::vector<std::string>{"Data File Error"});
  EXPECT_EQ(outputPath, path("missing folder/plate.vcl"));
  EXPECT_FALSE(QFileInfo::exists(outputPath));
}

// An existing folder is shown as it is; a missing one is replaced by the
// default data folder, made again and remembered.
TEST_F(FileCommandsTest, OpenCurrentDirectory) {
  StubShell shell;
  QString current = path("") + "/";
  vc::openCurrentDirectoryCommand(shell, current);
  EXPECT_EQ(shell.folders, QStringList{path("") + "/"});
  EXPECT_EQ(current, path("") + "/");

  current = path("deleted long ago") + "/";
  vc::openCurrentDirectoryCommand(shell, current);
  // XDG_DATA_HOME points into the test's folder: the default data folder.
  const QString expected = path("data") + "/The Vellacore/";
  EXPECT_EQ(current, expected);
  EXPECT_TRUE(QFileInfo(expected).isDir());
  EXPECT_EQ(shell.folders.last(), expected);
  EXPECT_EQ(storedLastPath(), expected);
}

}  // namespace
