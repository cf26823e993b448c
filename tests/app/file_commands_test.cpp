// The File menu's data-file commands and the analysis command: dialogs,
// extension rules, the remembered folder, a refused file that must not cost
// the user the pages, and a run that analyses what the pages show.
#include "app/file_commands.h"

#include <gtest/gtest.h>

#include <tuple>

#include <QDir>
#include <QFile>

#include "app/analysis_command.h"
#include "app/chosen_file_type.h"
#include "batch_process.h"
#include "settings_fixture.h"
#include "support/capturing_messages.h"
#include "support/stand_in_dialogs.h"

namespace vc {
namespace {

class FileCommandsTest : public test::SettingsTest {
 public:
  void writeFile(const QString& file, const QByteArray& bytes) {
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
  }
  QString storedLastPath() const { return store()->value("LastPath").toString(); }
  bool open() {
    return openDataFileCommand(chooser, pages, data, folder, inputPath, messages,
                               [this] { ++othersCleared; });
  }
  bool save() { return saveDataFileCommand(chooser, pages, data, folder, outputPath, messages); }

  InputPages pages;
  LaminateData data;
  test::CapturingMessages messages;
  test::FakeChooser chooser;
  QString folder = "/start/";
  QString inputPath, outputPath;
  int othersCleared = 0;
};

TEST(DefaultExtension, AddedOnlyWhenTheNameHasNone) {
  const char* const cases[][3] = {
      {"/a/b/plate", "vcl", "/a/b/plate.vcl"},       {"plate", "txt", "plate.txt"},
      {"/a/b/plate.", "vcl", "/a/b/plate.vcl"},      {"/a/b/plate.dat", "vcl", "/a/b/plate.dat"},
      {"/data.d/plate", "vcl", "/data.d/plate.vcl"},
  };
  for (const auto& c : cases) EXPECT_EQ(withDefaultExtension(c[0], c[1]), c[2]) << c[0];
}

// A dialog offering several kinds: the name's extension decides, else the
// chosen filter, whose extension a name without one gets.
TEST(ChosenFileType, ExtensionFirstThenTheChosenFilter) {
  const QList<FileFilter> kinds = {{"JSON", "*.json"}, {"CSV", "*.csv"}, {"All", "*.*"}};
  const struct {
    const char* chosen;
    int filter;
    const char* path;
    int kind;
  } cases[] = {{" /d/r.CSV ", 0, "/d/r.CSV", 1}, {"/d/r", 1, "/d/r.csv", 1},
               {"/d/r.", 0, "/d/r.json", 0},     {"/d.x/r.txt", 1, "/d.x/r.txt", 1},
               {"/d/r", 2, "/d/r", 2},           {"/d/r", 7, "/d/r.json", 0}};
  for (const auto& c : cases) {
    const ChosenFileType t = chosenFileType(c.chosen, kinds, c.filter);
    EXPECT_EQ(t.path, QString(c.path)) << c.chosen;
    EXPECT_EQ(t.filter, c.kind) << c.chosen;
  }
}

// Both dialogs start in the current folder with the same filters; a
// cancelled dialog changes nothing.
TEST_F(FileCommandsTest, DialogsAndCancelling) {
  for (bool (FileCommandsTest::*command)() : {&FileCommandsTest::open, &FileCommandsTest::save}) {
    EXPECT_FALSE((this->*command)());
    ASSERT_EQ(chooser.filters.size(), 2);
    EXPECT_EQ(chooser.startFolders.last() + chooser.filters[0].description +
                  chooser.filters[0].pattern + chooser.filters[1].description +
                  chooser.filters[1].pattern,
              "/start/Vellacore text files (*.vcl)*.vclAll files (*.*)*.*");
    EXPECT_EQ(folder + inputPath + outputPath, "/start/");
    EXPECT_TRUE(messages.messages.empty() && othersCleared == 0);
  }
  EXPECT_EQ(chooser.titles.last(), "Save Input to a Vellacore Data File");
}

TEST_F(FileCommandsTest, OpenShowsTheFileOnClearedPagesRefusalKeepsThem) {
  ASSERT_TRUE(QDir().mkpath(path("plates")));
  const QString bad = path("plates/broken.vcl");
  writeFile(bad, "$ Number of Materials\r\n1\r\n$ Material Properties\r\nrubbish\r\n");
  pages.layup.layers.setCell(9, 2, "30");  // edits a refused file must not wipe
  pages.settings.showApparentProperties.checked = false;
  data.E1[1] = 123.0;
  chooser.openAnswer = bad;
  EXPECT_FALSE(open());
  ASSERT_EQ(messages.captions(), std::vector<std::string>{"Data File Error"});
  EXPECT_EQ(othersCleared, 0);
  EXPECT_EQ(pages.layup.layers.cell(9, 2), "30");
  EXPECT_FALSE(pages.settings.showApparentProperties.checked);
  EXPECT_EQ(data.E1[1], 123.0);

  const QString file = path("plates/four ply.vcl");
  writeFile(file, test::sampleDataFile());
  chooser.openAnswer = file;
  messages.messages.clear();
  EXPECT_TRUE(open());
  EXPECT_TRUE(messages.messages.empty());
  EXPECT_EQ(othersCleared, 1);
  EXPECT_EQ(inputPath, file);
  // Cleared before showing; how the file shows is tested on the pages.
  EXPECT_EQ(pages.layup.layerCount.text + "|" + pages.layup.layers.cell(9, 2), "8|");
  EXPECT_TRUE(pages.settings.showApparentProperties.checked);  // the file's options
  EXPECT_EQ(folder, path("plates") + "/");
  EXPECT_EQ(storedLastPath(), path("plates") + "/");
}

TEST_F(FileCommandsTest, SaveUnderTheFinalNameAndOpenAgain) {
  const char* const cases[][2] = {
      {"plate", "plate.vcl"}, {"plate.", "plate.vcl"}, {"plate.dat", "plate.dat"}};
  pages.materials.properties.setCell(0, 1, "1.8e7");
  pages.layup.layerCount.text = "1";
  pages.layup.layers.setCell(0, 2, "22.5");
  for (const auto& [typed, written] : cases) {
    const QString out = path(QString("out %1").arg(typed));
    ASSERT_TRUE(QDir().mkpath(out));
    chooser.saveAnswer = "  " + out + "/" + typed + "  ";
    EXPECT_TRUE(save()) << typed;
    EXPECT_EQ(outputPath, out + "/" + written);
    EXPECT_EQ(QDir(out).entryList(QDir::Files), QStringList{written});
    EXPECT_EQ(storedLastPath(), out + "/");
  }
  pages = InputPages();
  chooser.openAnswer = outputPath;
  ASSERT_TRUE(open());
  EXPECT_EQ(pages.materials.properties.cell(0, 1) + "|" + pages.layup.layers.cell(0, 2),
            "1.8e+007|22.5");
  chooser.saveAnswer = path("missing folder/plate");
  EXPECT_FALSE(save());
  EXPECT_EQ(messages.captions(), std::vector<std::string>{"Data File Error"});
}

TEST_F(FileCommandsTest, OpenCurrentDirectoryRemakesAMissingFolder) {
  test::FakeHelpAndShell shell;
  QString current = path("") + "/";
  openCurrentDirectoryCommand(shell, current);
  EXPECT_EQ(current, path("") + "/");
  current = path("deleted long ago") + "/";
  openCurrentDirectoryCommand(shell, current);
  const QString expected = path("data") + "/The Vellacore/";
  EXPECT_EQ(current, expected);
  EXPECT_EQ(shell.requests, (QStringList{"open:" + path("") + "/", "open:" + expected}));
  EXPECT_EQ(storedLastPath(), expected);
}

// The analysis command analyses what the pages show; a stopped run selects
// the page of the fault and leaves the previous report alone.
TEST_F(FileCommandsTest, AnalysisOfThePages) {
  writeFile(path("plate.vcl"), test::sampleDataFile());
  chooser.openAnswer = path("plate.vcl");
  ASSERT_TRUE(open());
  std::string report = "previous report";
  pages.layup.layers.setCell(1, 2, "45");  // an edit after loading
  EXPECT_EQ(runAnalysis(pages, data, report, messages).status, RunStatus::Completed);
  EXPECT_NE(report.find("    2        1         45.0 "), std::string::npos) << report;
  EXPECT_EQ(report.find("previous report"), std::string::npos);
  const std::pair<const char*, int> stops[] = {{"0", kMaterialsPage}, {"1.5e6", kNoPage}};
  for (const auto& [e2, page] : stops) {
    pages.materials.properties.setCell(0, 2, e2);
    report = "previous report";
    EXPECT_EQ(runAnalysis(pages, data, report, messages).pageToSelect, page);
    EXPECT_EQ(report == "previous report", page != kNoPage);
  }
  pages.layup.layers.setCell(0, 1, "2");
  EXPECT_EQ(runAnalysis(pages, data, report, messages).pageToSelect, kLayupPage);
  EXPECT_EQ(pageForStop(RunStop::SingularAbd), kLayupPage);
  pages.layup.layers.setCell(0, 1, "1");
  // A number too large for the record stops the run before any computation.
  const std::tuple<TextGrid*, int, int, int, const char*> cells[] = {
      {&pages.materials.properties, 0, 2, kMaterialsPage, "Row 1, column E2 of the Materials page"},
      {&pages.strength.strengths, 0, 5, kStrengthPage, "Row 1, column S (+) of the Strength page"},
      {&pages.layup.layers, 7, 3, kLayupPage, "Row 8, column Thickness of the Layup page"},
      {&pages.loads.loadValues, 0, 3, kLoadsPage, "Column MX of the Loads page"},
  };
  for (const auto& [grid, row, column, page, where] : cells) {
    const std::string before = grid->cell(row, column);
    grid->setCell(row, column, "-1e999");
    messages.messages.clear();
    report = "previous report";
    EXPECT_EQ(runAnalysis(pages, data, report, messages).pageToSelect, page);
    EXPECT_EQ(report, "previous report");
    ASSERT_EQ(messages.captions(), std::vector<std::string>{"Data Error"});
    EXPECT_EQ(messages.messages[0].text,
              std::string(where) + " does not hold a finite number.  Review the input data.");
    grid->setCell(row, column, before);
  }
}

}  // namespace
}  // namespace vc
