// The program's main window: the tabbed input pages, the menu bar and the
// three buttons. It owns the one laminate record, the page contents, the
// report text and the folders the program works with, and routes every menu
// command and button to the operation that carries it out.
#pragma once

#include <memory>
#include <string>

#include <QList>
#include <QMainWindow>
#include <QString>

#include "app/file_chooser.h"
#include "app/help_requests.h"
#include "app/shell_open.h"
#include "app/startup.h"
#include "engine/laminate_data.h"
#include "engine/messages.h"
#include "pages/input_pages.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTabWidget;

namespace vc::forms {

class AboutPage;
class GridView;
class LayupPage;
class LoadsPage;
class MaterialsPage;
class MicromechanicsPage;
class SettingsPage;
class StrengthPage;

// The main window (Form1).
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // Any of the services left null is provided by the window itself (file
  // dialogs, the desktop shell, the help window, message boxes); tests pass
  // their own.
  explicit MainWindow(FileChooser* chooser = nullptr, ShellOpener* shell = nullptr,
                      HelpRequests* help = nullptr, MessageSink* messages = nullptr,
                      QWidget* parent = nullptr);
  // Stores the current data folder as the remembered folder.
  ~MainWindow() override;

  // Takes over the folders found by the start-up steps.
  void applyStartup(const StartupState& state);

  // The operations behind the buttons and menu commands.
  void runAnalysis();
  void clearVisibleForm();
  void clearAllForms();
  void showHelpTopic(const QString& topic);
  void showPageHelp();
  void openDataFile();
  void openDataFileAt(const QString& path);  // File > Open with `path` chosen
  void saveDataFile();
  void openCurrentDirectory();
  void fillSampleData();
  void showSignConvention();

  void selectPage(int index);
  int currentPage() const;
  // Shows the page models again after code changed them.
  void refreshPages();
  // Puts an open cell editor's text into its grid before the pages are read.
  void commitGridEdits();

  InputPages& pages() { return *pages_; }
  LaminateData& data() { return *data_; }
  const std::string& reportText() const { return reportText_; }
  MessageSink& messages() { return *messages_; }
  HelpRequests& help() { return *help_; }
  FileChooser& chooser() { return *chooser_; }

  const QString& currentDataFolder() const { return currentDataFolder_; }
  void setCurrentDataFolder(const QString& folder);
  const QString& helpFilePath() const { return helpFilePath_; }
  const QString& inputPath() const { return inputPath_; }
  const QString& outputPath() const { return outputPath_; }
  QString statusText() const;

  // A menu command by its identifier (1001 ...), or null.
  QAction* menuCommand(int id) const;

 private:
  void buildMenus();
  void openDataFileWith(FileChooser& chooser);
  void buildControls();
  void updateStatusBar();
  void prepareEditMenu();

  // Services: those in use, and the window's own where none was given.
  std::unique_ptr<MessageSink> ownMessages_;
  std::unique_ptr<FileChooser> ownChooser_;
  std::unique_ptr<ShellOpener> ownShell_;
  std::unique_ptr<HelpRequests> ownHelp_;
  MessageSink* messages_;
  FileChooser* chooser_;
  ShellOpener* shell_;
  HelpRequests* help_;

  std::unique_ptr<InputPages> pages_;
  std::unique_ptr<LaminateData> data_;  // about 100 KB: one heap record for the whole run
  std::string reportText_;

  QString currentDataFolder_;
  QString helpFilePath_;
  QString inputPath_;
  QString outputPath_;

  QMenu* editMenu_ = nullptr;
  QAction* gridCommandsSeparator_ = nullptr;
  QList<QAction*> gridCommandsInEditMenu_;
  QTabWidget* tabs_ = nullptr;
  QPushButton* analyzeButton_ = nullptr;
  QLabel* statusText_ = nullptr;
  SettingsPage* settingsPage_ = nullptr;
  MaterialsPage* materialsPage_ = nullptr;
  StrengthPage* strengthPage_ = nullptr;
  LayupPage* layupPage_ = nullptr;
  LoadsPage* loadsPage_ = nullptr;
  MicromechanicsPage* micromechanicsPage_ = nullptr;
  AboutPage* aboutPage_ = nullptr;
};

}  // namespace vc::forms
