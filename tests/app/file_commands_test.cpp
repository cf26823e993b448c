// The File menu's data-file commands: dialogs, extension rules, the
// remembered folder, a refused file that must not cost the user the pages,
// and the current-directory command.
#include "app/file_commands.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/settings_fixture.h"
#include "support/capturing_messages.h"

namespace {

using vc::test::CapturingMessages;

class StubChooser : public vc::FileChooser {
 public:
  QString openFileName(const QString& title, const QString& startFolder,
                       const QList<vc::FileFilter>& filters) override {
    record(title, startFolder, filters);
    return answer;
  }
  QString saveFileName(const QString& title, const QString& startFolder,
                       const QList<vc::FileFilter>& filters) override {
    record(title, startFolder, filters);
    return answer;
  }
  QString answer;
  QString title;
  QString startFolder;
  QList<vc::FileFilter> filters;

 private:
  void record(const QString& t, const QString& s, const QList<vc::FileFilter>& f) {
    title = t;
    startFolder = s;
    filters = f;
  }
};

class StubShell : public vc::ShellOpener {
 public:
  void openFolder(const QString& folder) override { folders << folder; }
  void openLink(const QString& url) override { links << url; }
  QStringList folders;
  QStringList links;
};

// One material, two layers [0/90], an axial force; options 1 1 0 0 / 1 2 / 0 / 1.
const char kTwoPlyFile[] =
    "$ Number of Materials\r\n"
    "1  \r\n"
    "$ Material Properties: Material #, E1, E2, G12, v12, CTE1, CTE2, CME1, CME2, Name\r\n"
    "1    2.060e+007  1.500e+006  1.040e+006 0.270  -5.000e-007   1.500e-005  0.0100  0.2000 "
    "Test Carbon\r\n"
    "$ Total Number of Layers\r\n"
    "2  \r\n"
    "$ Layer #, Material #, Angle, Thickness\r\n"
    "1    1    0.0   5.000e-003\r\n"
    "2    1   90.0   5.000e-003\r\n"
    "$ Mechanical Load Vector: 1=forces/moments, 2=strains/curvatures\r\n"
    "1\r\n"
    "$ Forces/Moments or Strains/Curvatures\r\n"
    "  1.000e+003   0.000e+000   0.000e+000   0.000e+000   0.000e+000   0.000e+000 \r\n"
    "$ Temperature Load, Moisture Load\r\n"
    "   -50.000       0.50\r\n"
    "$ Material Strengths: Material #, Xt, Xc, Yt, Yc, S\r\n"
    "1     3.300e+005 -2.090e+005  8.300e+003 -3.300e+004  1.030e+004\r\n"
    "$ Analysis Options\r\n"
    "$ Display Apparent Properites: 0=false, 1=true\r\n"
    "1\r\n"
    "$ Display Laminate ABD Matrix: 0=false, 1=true\r\n"
    "1\r\n"
    "$ Display Layer Matrices: 0=false, 1=true\r\n"
    "0\r\n"
    "$ Display Laminate Load and Strain Vectors: 0=false, 1=true\r\n"
    "0\r\n"
    "$ Display Ply Stresses and Strains:\r\n"
    "$ 0 1 = false, 1 1 = true, show effective strains, 1 2 = true, show total strains\r\n"
    "1 2\r\n"
    "$ Display Ply Failure Analysis: 0=false, 1=true\r\n"
    "0\r\n"
    "$ Calculate Equivalent Double-Double Laminate: 0=false, 1=true\r\n"
    "1\r\n";

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
    pages.materials.matgrid.setCell(0, 9, "my material");
    pages.settings.checkbox_6.checked = true;
  }

  vc::InputPages pages;
  vc::LaminateData data;
  CapturingMessages messages;
  StubChooser chooser;
  QString folder = "/start/";
  QString inputPath;
  QString outputPath;
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

TEST_F(FileCommandsTest, OpenAsksWithTitleFolderAndFilters) {
  chooser.answer.clear();
  EXPECT_FALSE(vc::openDataFileCommand(chooser, pages, data, folder, inputPath, messages));
  EXPECT_EQ(chooser.title, "Open a Vellacore Data File");
  EXPECT_EQ(chooser.startFolder, "/start/");
  ASSERT_EQ(chooser.filters.size(), 2);
  EXPECT_EQ(chooser.filters[0].description, "Vellacore text files (*.vcl)");
  EXPECT_EQ(chooser.filters[0].pattern, "*.vcl");
  EXPECT_EQ(chooser.filters[1].description, "All files (*.*)");
  EXPECT_EQ(chooser.filters[1].pattern, "*.*");
}

TEST_F(FileCommandsTest, CancelledOpenChangesNothing) {
  fillEditedPages();
  store()->setValue("LastPath", "/remembered/");
  EXPECT_FALSE(vc::openDataFileCommand(chooser, pages, data, folder, inputPath, messages));
  EXPECT_EQ(folder, "/start/");
  EXPECT_EQ(inputPath, "");
  EXPECT_EQ(pages.layup.textb_1.text, "3");
  EXPECT_EQ(storedLastPath(), "/remembered/");
  EXPECT_TRUE(messages.messages.empty());
}

TEST_F(FileCommandsTest, OpenShowsTheFileOnClearedPages) {
  ASSERT_TRUE(QDir().mkpath(path("plates")));
  const QString file = path("plates/two ply.vcl");
  writeFile(file, kTwoPlyFile);
  fillEditedPages();
  pages.layup.grid_1.setCell(2, 2, "30");  // a third layer left from before
  chooser.answer = file;

  EXPECT_TRUE(vc::openDataFileCommand(chooser, pages, data, folder, inputPath, messages));
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(inputPath, file);
  EXPECT_EQ(data.numLayers, 2);
  EXPECT_EQ(pages.layup.textb_1.text, "2");
  EXPECT_EQ(pages.layup.grid_1.cell(1, 2), "90");
  EXPECT_EQ(pages.layup.grid_1.cell(2, 2), "");  // cleared before showing
  EXPECT_EQ(pages.materials.matgrid.cell(0, 9), "Test Carbon");
  EXPECT_EQ(pages.loads.grid_1.cell(0, 0), "1000");
  EXPECT_EQ(pages.loads.textb_1.text, "-50");
  // The options of the file, not those the pages had.
  EXPECT_TRUE(pages.settings.checkbox_1.checked);
  EXPECT_TRUE(pages.settings.checkbox_2.checked);
  EXPECT_FALSE(pages.settings.checkbox_3.checked);
  EXPECT_TRUE(pages.settings.checkbox_5.checked);
  EXPECT_FALSE(pages.settings.checkbox_6.checked);
  EXPECT_TRUE(pages.settings.checkbox_7.checked);
  EXPECT_FALSE(pages.settings.optb_1.selected);
  EXPECT_TRUE(pages.settings.optb_2.selected);

  EXPECT_EQ(folder, path("plates") + "/");
  EXPECT_EQ(storedLastPath(), path("plates") + "/");
}

TEST_F(FileCommandsTest, OpenRunsTheOtherPagesClearingOnlyOnSuccess) {
  const QString good = path("good.vcl");
  const QString bad = path("bad.vcl");
  writeFile(good, kTwoPlyFile);
  writeFile(bad, "$ Number of Materials\r\nnot a number\r\n");
  int cleared = 0;
  auto clearOther = [&cleared] { ++cleared; };
  chooser.answer = bad;
  vc::openDataFileCommand(chooser, pages, data, folder, inputPath, messages, clearOther);
  EXPECT_EQ(cleared, 0);
  chooser.answer = good;
  vc::openDataFileCommand(chooser, pages, data, folder, inputPath, messages, clearOther);
  EXPECT_EQ(cleared, 1);
}

TEST_F(FileCommandsTest, RefusedFileLeavesPagesAndRecordAsTheyWere) {
  const QString bad = path("broken.vcl");
  writeFile(bad, "$ Number of Materials\r\n1\r\n$ Material Properties\r\nrubbish\r\n");
  fillEditedPages();
  data.numLayers = 3;
  data.E1[1] = 123.0;
  chooser.answer = bad;

  EXPECT_FALSE(vc::openDataFileCommand(chooser, pages, data, folder, inputPath, messages));
  ASSERT_EQ(messages.captions(), std::vector<std::string>{"Data File Error"});
  EXPECT_EQ(pages.layup.textb_1.text, "3");
  EXPECT_EQ(pages.layup.grid_1.cell(0, 2), "45");
  EXPECT_EQ(pages.materials.matgrid.cell(0, 9), "my material");
  EXPECT_TRUE(pages.settings.checkbox_6.checked);
  EXPECT_EQ(data.numLayers, 3);
  EXPECT_EQ(data.E1[1], 123.0);
}

TEST_F(FileCommandsTest, SaveAsksWithTitleFolderAndFilters) {
  EXPECT_FALSE(vc::saveDataFileCommand(chooser, pages, data, folder, outputPath, messages));
  EXPECT_EQ(chooser.title, "Save Input to a Vellacore Data File");
  EXPECT_EQ(chooser.startFolder, "/start/");
  ASSERT_EQ(chooser.filters.size(), 2);
  EXPECT_EQ(chooser.filters[0].description, "Vellacore text files (*.vcl)");
  EXPECT_EQ(chooser.filters[1].pattern, "*.*");
}

TEST_F(FileCommandsTest, CancelledSaveChangesNothing) {
  store()->setValue("LastPath", "/remembered/");
  EXPECT_FALSE(vc::saveDataFileCommand(chooser, pages, data, folder, outputPath, messages));
  EXPECT_EQ(folder, "/start/");
  EXPECT_EQ(outputPath, "");
  EXPECT_EQ(storedLastPath(), "/remembered/");
  EXPECT_TRUE(QDir(path("")).entryList(QDir::Files).isEmpty());
}

struct SaveCase {
  const char* typed;
  const char* written;
};

class SaveExtensionTest : public FileCommandsTest,
                          public ::testing::WithParamInterface<SaveCase> {};

TEST_P(SaveExtensionTest, WritesUnderTheFinalName) {
  ASSERT_TRUE(QDir().mkpath(path("out")));
  chooser.answer = "  " + path("out") + "/" + GetParam().typed + "  ";
  EXPECT_TRUE(vc::saveDataFileCommand(chooser, pages, data, folder, outputPath, messages));
  const QString expected = path("out") + "/" + GetParam().written;
  EXPECT_EQ(outputPath, expected);
  EXPECT_EQ(QDir(path("out")).entryList(QDir::Files), QStringList{GetParam().written});
  EXPECT_EQ(folder, path("out") + "/");
  EXPECT_EQ(storedLastPath(), path("out") + "/");
  EXPECT_TRUE(messages.messages.empty());
}

std::string saveCaseName(const ::testing::TestParamInfo<SaveCase>& info) {
  static const char* const names[] = {"NoExtension", "TrailingDot", "OtherExtension",
                                      "SameExtension"};
  return names[info.index];
}

INSTANTIATE_TEST_SUITE_P(Names, SaveExtensionTest,
                         ::testing::Values(SaveCase{"plate", "plate.vcl"},
                                           SaveCase{"plate.", "plate.vcl"},
                                           SaveCase{"plate.dat", "plate.dat"},
                                           SaveCase{"plate.vcl", "plate.vcl"}),
                         saveCaseName);

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
  ASSERT_TRUE(vc::saveDataFileCommand(chooser, pages, data, folder, outputPath, messages));

  vc::InputPages reopened;
  vc::LaminateData fresh;
  chooser.answer = outputPath;
  ASSERT_TRUE(vc::openDataFileCommand(chooser, reopened, fresh, folder, inputPath, messages));
  // 5 significant digits as %.5g shows them, with a three-digit exponent.
  EXPECT_EQ(reopened.materials.matgrid.cell(0, 1), "1.8e+007");
  EXPECT_EQ(reopened.materials.matgrid.cell(0, 4), "0.28");
  EXPECT_EQ(reopened.materials.matgrid.cell(0, 9), "Glass");
  EXPECT_EQ(reopened.layup.grid_1.cell(0, 2), "22.5");
  EXPECT_EQ(reopened.layup.grid_1.cell(0, 3), "0.01");
}

TEST_F(FileCommandsTest, UnwritableSaveIsReportedAndStillMovesTheFolder) {
  chooser.answer = path("missing folder/plate");
  EXPECT_FALSE(vc::saveDataFileCommand(chooser, pages, data, folder, outputPath, messages));
  EXPECT_EQ(messages.captions(), std::vector<std::string>{"Data File Error"});
  EXPECT_EQ(outputPath, path("missing folder/plate.vcl"));
  EXPECT_FALSE(QFileInfo::exists(outputPath));
}

TEST_F(FileCommandsTest, OpenCurrentDirectoryShowsTheFolder) {
  StubShell shell;
  QString current = path("") + "/";
  vc::openCurrentDirectoryCommand(shell, current);
  EXPECT_EQ(shell.folders, QStringList{path("") + "/"});
  EXPECT_EQ(current, path("") + "/");
}

TEST_F(FileCommandsTest, OpenCurrentDirectoryRecreatesAMissingDefaultFolder) {
  StubShell shell;
  QString current = path("deleted long ago") + "/";
  vc::openCurrentDirectoryCommand(shell, current);
  // XDG_DATA_HOME points into the test's folder: the default data folder.
  const QString expected = path("data") + "/The Vellacore/";
  EXPECT_EQ(current, expected);
  EXPECT_TRUE(QFileInfo(expected).isDir());
  EXPECT_EQ(shell.folders, QStringList{expected});
  EXPECT_EQ(storedLastPath(), expected);
}

}  // namespace
