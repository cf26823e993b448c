#include "forms/main_window.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <iterator>

#include "app/analysis_command.h"
#include "app/file_commands.h"
#include "app/given_file_chooser.h"
#include "app/settings_store.h"
#include "forms/about_page.h"
#include "forms/desktop_help.h"
#include "forms/desktop_shell.h"
#include "forms/file_dialogs.h"
#include "forms/grid_view.h"
#include "forms/layup_page.h"
#include "forms/loads_page.h"
#include "forms/material_library_commands.h"
#include "forms/materials_page.h"
#include "forms/message_boxes.h"
#include "forms/micromechanics_page.h"
#include "forms/results_window.h"
#include "forms/settings_page.h"
#include "forms/sign_convention_window.h"
#include "forms/strength_page.h"
#include "help/help_topics.h"
#include "pages/page_clearing.h"
#include "pages/sample_data.h"
#include "pages/window_rules.h"

namespace vc::forms {

namespace {

QAction* addCommand(QMenu* menu, int id, const char* caption) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(QStringLiteral("menu_%1").arg(id));
  action->setData(id);
  return action;
}

}  // namespace

MainWindow::MainWindow(FileChooser* chooser, ShellOpener* shell, HelpRequests* help,
                       MessageSink* messages, QWidget* parent)
    : QMainWindow(parent),
      pages_(std::make_unique<InputPages>()),
      data_(std::make_unique<LaminateData>()) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("The Vellacore - Classical Analysis of Composite Laminates"));

  if (messages == nullptr) {
    ownMessages_ = std::make_unique<MessageBoxes>(this);
    messages = ownMessages_.get();
  }
  if (chooser == nullptr) {
    ownChooser_ = std::make_unique<FileDialogs>(this);
    chooser = ownChooser_.get();
  }
  if (shell == nullptr) {
    ownShell_ = std::make_unique<DesktopShell>();
    shell = ownShell_.get();
  }
  if (help == nullptr) {
    ownHelp_ = std::make_unique<DesktopHelp>(*messages);
    help = ownHelp_.get();
  }
  messages_ = messages;
  chooser_ = chooser;
  shell_ = shell;
  help_ = help;

  buildMenus();
  buildControls();
  resize(1000, 640);
}

MainWindow::~MainWindow() {
  // The window's folder outlives the process as the remembered folder. A
  // window that never went through start-up has no folder to remember.
  if (!currentDataFolder_.isEmpty()) storeLastPath(currentDataFolder_);
  // The page views read the page models until they are gone, so they go
  // before the models (members die before the base class's children).
  delete takeCentralWidget();
}

void MainWindow::buildMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("ID_Form1_menu_1"));

  QMenu* file = bar->addMenu(QStringLiteral("&File"));
  connect(addCommand(file, 1001, "&Open Data File..."), &QAction::triggered, this,
          &MainWindow::openDataFile);
  connect(addCommand(file, 1002, "&Save Data File..."), &QAction::triggered, this,
          &MainWindow::saveDataFile);
  connect(addCommand(file, 1003, "Open Current Directory"), &QAction::triggered, this,
          &MainWindow::openCurrentDirectory);
  // The material library commands (1004, 1005, 1019, 1020) are wired by
  // MaterialLibraryCommands.
  addCommand(file, 1004, "Export Material Library...");
  addCommand(file, 1005, "Import Material Library...");
  file->addSeparator();
  connect(addCommand(file, 1007, "E&xit"), &QAction::triggered, this, &QWidget::close);

  editMenu_ = bar->addMenu(QStringLiteral("&Edit"));
  const char* const pageCaptions[] = {"&Settings", "&Materials", "S&trength",
                                      "&Layup",    "L&oads",     "M&icromechanics"};
  for (int page = 0; page < 6; ++page) {
    QAction* action = addCommand(editMenu_, 1009 + page, pageCaptions[page]);
    action->setCheckable(true);
    connect(action, &QAction::triggered, this, [this, page]() { selectPage(page); });
  }
  editMenu_->addSeparator();
  connect(addCommand(editMenu_, 1016, "Clear &Visible Form"), &QAction::triggered, this,
          &MainWindow::clearVisibleForm);
  connect(addCommand(editMenu_, 1017, "Clear &All Forms"), &QAction::triggered, this,
          &MainWindow::clearAllForms);
  gridCommandsSeparator_ = new QAction(this);
  gridCommandsSeparator_->setSeparator(true);
  connect(editMenu_, &QMenu::aboutToShow, this, &MainWindow::prepareEditMenu);

  QMenu* library = bar->addMenu(QStringLiteral("&Library"));
  addCommand(library, 1019, "&Open Material Library");
  addCommand(library, 1020, "&Add/Edit User Library");

  QMenu* analysis = bar->addMenu(QStringLiteral("&Analysis"));
  connect(addCommand(analysis, 1022, "&Run Analysis"), &QAction::triggered, this,
          &MainWindow::runAnalysis);

  QMenu* helpMenu = bar->addMenu(QStringLiteral("&Help"));
  connect(addCommand(helpMenu, 1024, "&Program Description"), &QAction::triggered, this,
          [this]() { showHelpTopic(QString::fromLatin1(kProgramHelpTopic)); });
  connect(addCommand(helpMenu, 1025, "Help &Topics"), &QAction::triggered, this,
          [this]() { help_->showIndex(QString::fromLatin1(help::kIndexKeyword)); });
  connect(addCommand(helpMenu, 1026, "Help on &Visible Form"), &QAction::triggered, this,
          &MainWindow::showPageHelp);
  connect(addCommand(helpMenu, 1027, "&Sign Convention"), &QAction::triggered, this,
          &MainWindow::showSignConvention);
  connect(addCommand(helpMenu, 1028, "Sample &Data"), &QAction::triggered, this,
          &MainWindow::fillSampleData);
  helpMenu->addSeparator();
  connect(addCommand(helpMenu, 1031, "&About The Vellacore"), &QAction::triggered, this,
          [this]() { selectPage(kAboutPage); });

  auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
  f1->setObjectName(QStringLiteral("help_key"));
  connect(f1, &QShortcut::activated, this,
          [this]() { showHelpTopic(QString::fromLatin1(kProgramHelpTopic)); });
}

void MainWindow::buildControls() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("centralWidget"));

  auto* split = new QFrame(central);
  split->setObjectName(QStringLiteral("hsplit_1"));
  split->setFrameShape(QFrame::HLine);
  split->setFrameShadow(QFrame::Plain);
  split->setLineWidth(1);
  split->setFixedHeight(1);

  tabs_ = new QTabWidget(central);
  tabs_->setObjectName(QStringLiteral("tabctrl_1"));
  settingsPage_ = new SettingsPage(pages_->settings, tabs_);
  materialsPage_ = new MaterialsPage(pages_->materials, *messages_, tabs_);
  strengthPage_ = new StrengthPage(pages_->strength, tabs_);
  layupPage_ = new LayupPage(pages_->layup, *messages_, tabs_);
  loadsPage_ = new LoadsPage(pages_->loads, tabs_);
  micromechanicsPage_ = new MicromechanicsPage(tabs_);
  aboutPage_ = new AboutPage(*shell_, tabs_);
  tabs_->addTab(settingsPage_, QStringLiteral("Settings"));
  tabs_->addTab(materialsPage_, QStringLiteral("Materials"));
  tabs_->addTab(strengthPage_, QStringLiteral("Strength"));
  tabs_->addTab(layupPage_, QStringLiteral("Layup"));
  tabs_->addTab(loadsPage_, QStringLiteral("Loads"));
  tabs_->addTab(micromechanicsPage_, QStringLiteral("Micromechanics"));
  tabs_->addTab(aboutPage_, QStringLiteral("About"));
  tabs_->setCurrentIndex(kSettingsPage);
  new MaterialLibraryCommands(*this, *materialsPage_, *micromechanicsPage_);

  analyzeButton_ = new QPushButton(QStringLiteral("Analyze"), central);
  analyzeButton_->setObjectName(QStringLiteral("cb_Analyze"));
  auto* quit = new QPushButton(QStringLiteral("&Quit"), central);
  quit->setObjectName(QStringLiteral("cb_Quit"));
  auto* helpButton = new QPushButton(QStringLiteral("Help"), central);
  helpButton->setObjectName(QStringLiteral("cb_Help"));
  connect(analyzeButton_, &QPushButton::clicked, this, &MainWindow::runAnalysis);
  connect(quit, &QPushButton::clicked, this, &QWidget::close);
  connect(helpButton, &QPushButton::clicked, this, &MainWindow::showPageHelp);
  // The micromechanics page is no analysis input: Analyze rests there.
  connect(tabs_, &QTabWidget::currentChanged, this,
          [this](int index) { analyzeButton_->setEnabled(analyzeEnabledOnPage(index)); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(analyzeButton_);
  buttons->addWidget(quit);
  buttons->addWidget(helpButton);
  buttons->addStretch(1);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(6, 0, 6, 6);
  layout->addWidget(split);
  layout->addWidget(tabs_, 1);
  layout->addLayout(buttons);
  setCentralWidget(central);

  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("statusBar"));
  bar->setSizeGripEnabled(true);
  // A permanent label: menu status tips never overwrite the folder.
  statusText_ = new QLabel(bar);
  statusText_->setObjectName(QStringLiteral("statusText"));
  statusText_->setTextFormat(Qt::PlainText);
  bar->addWidget(statusText_, 1);
}

void MainWindow::applyStartup(const StartupState& state) {
  helpFilePath_ = state.helpFilePath;
  inputPath_ = state.inputPath;
  outputPath_ = state.outputPath;
  setCurrentDataFolder(state.currentDataFolder);
}

void MainWindow::setCurrentDataFolder(const QString& folder) {
  currentDataFolder_ = folder;
  updateStatusBar();
}

QString MainWindow::statusText() const { return statusText_->text(); }

void MainWindow::updateStatusBar() { statusText_->setText(currentDataFolder_); }

void MainWindow::selectPage(int index) { tabs_->setCurrentIndex(index); }

int MainWindow::currentPage() const { return tabs_->currentIndex(); }

QAction* MainWindow::menuCommand(int id) const {
  // Only under the menu bar: the grids' context menus reuse the numbers.
  return menuBar()->findChild<QAction*>(QStringLiteral("menu_%1").arg(id));
}

void MainWindow::prepareEditMenu() {
  const int checked = editMenuCommandForPage(currentPage());
  for (int id = 1009; id <= 1014; ++id) menuCommand(id)->setChecked(id == checked);
  // Below the clearing commands: the visible page's grid commands, the very
  // actions of the grid's own Edit menu, so they act on that grid.
  for (QAction* action : gridCommandsInEditMenu_) editMenu_->removeAction(action);
  gridCommandsInEditMenu_.clear();
  const auto* grid = tabs_->currentWidget()->findChild<GridView*>();
  if (grid != nullptr && grid->editMenu() != nullptr) {
    gridCommandsInEditMenu_ = grid->editMenu()->actions();
    gridCommandsInEditMenu_.prepend(gridCommandsSeparator_);
    editMenu_->addActions(gridCommandsInEditMenu_);
  }
}

void MainWindow::refreshPages() {
  settingsPage_->refresh();
  materialsPage_->refresh();
  strengthPage_->refresh();
  layupPage_->refresh();
  loadsPage_->refresh();
}

void MainWindow::commitGridEdits() {
  for (GridView* grid : findChildren<GridView*>()) grid->commitOpenEditor();
}

void MainWindow::runAnalysis() {
  commitGridEdits();
  const RunOutcome outcome = vc::runAnalysis(*pages_, *data_, reportText_, *messages_);
  refreshPages();
  if (outcome.status != RunStatus::Completed) {
    if (outcome.pageToSelect != kNoPage) selectPage(outcome.pageToSelect);
    return;
  }
  {
    ResultsWindow results(reportText_, help_, chooser_, this, messages_);
    results.setRun(data_.get(), inputPath_);
    results.exec();
  }
  // Saving the report may have moved the remembered folder.
  loadLastPath(currentDataFolder_);
  updateStatusBar();
}

void MainWindow::clearVisibleForm() {
  const int page = currentPage();
  // About has nothing to clear.
  clearVisiblePage(*pages_, page);
  if (page == kMicromechanicsPage) micromechanicsPage_->clear(true);
  refreshPages();
}

void MainWindow::clearAllForms() {
  clearAllInputPages(*pages_);
  micromechanicsPage_->clear(false);
  refreshPages();
}

void MainWindow::showHelpTopic(const QString& topic) { help_->showTopic(topic); }

void MainWindow::showPageHelp() {
  showHelpTopic(QString::fromLatin1(helpTopicForPage(currentPage())));
}

void MainWindow::openDataFile() { openDataFileWith(*chooser_); }

void MainWindow::openDataFileAt(const QString& path) {
  GivenFileChooser chooser(path);
  openDataFileWith(chooser);
}

void MainWindow::openDataFileWith(FileChooser& chooser) {
  commitGridEdits();
  openDataFileCommand(chooser, *pages_, *data_, currentDataFolder_, inputPath_, *messages_,
                      [this]() { micromechanicsPage_->clear(false); });
  refreshPages();
  updateStatusBar();
}

void MainWindow::saveDataFile() {
  commitGridEdits();
  saveDataFileCommand(*chooser_, *pages_, *data_, currentDataFolder_, outputPath_, *messages_);
  refreshPages();
  updateStatusBar();
}

void MainWindow::fillSampleData() {
  commitGridEdits();
  if (!askForSampleData(*messages_)) return;
  clearAllForms();
  showSampleData(*pages_, *data_);
  refreshPages();
}

void MainWindow::showSignConvention() {
  SignConventionWindow window(this);
  window.exec();
}

void MainWindow::openCurrentDirectory() {
  openCurrentDirectoryCommand(*shell_, currentDataFolder_);
  updateStatusBar();
}

}  // namespace vc::forms
