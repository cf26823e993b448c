// The main window's make-up and command routing: title, pages, menu table,
// the Analyze enable rule, the Edit menu's check marks, help requests and the
// status bar following the data folder.
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QtTest>

#include "app/startup.h"
#include "forms/help_not_installed.h"
#include "tests/forms/form_fakes.h"

using vc::forms::MainWindow;
using namespace vc::test;

class MainWindowTest : public vc::test::FormFixture {
  Q_OBJECT

  static QTabWidget* tabs(MainWindow& w) { return w.findChild<QTabWidget*>("tabctrl_1"); }
  static QMenu* topMenu(MainWindow& w, const QString& title) {
    for (QAction* a : w.menuBar()->actions()) {
      if (a->text() == title) return a->menu();
    }
    return nullptr;
  }

 private slots:
  void titleButtonsAndSplitBar() {
    auto w = window();
    QCOMPARE(w->windowTitle(), QString("The Vellacore - Classical Analysis of Composite Laminates"));
    QCOMPARE(w->objectName(), QString("Form1"));
    QCOMPARE(w->findChild<QPushButton*>("cb_Analyze")->text(), QString("Analyze"));
    QCOMPARE(w->findChild<QPushButton*>("cb_Quit")->text(), QString("&Quit"));
    QCOMPARE(w->findChild<QPushButton*>("cb_Help")->text(), QString("Help"));
    QVERIFY(w->findChild<QWidget*>("hsplit_1") != nullptr);
    QVERIFY(w->findChild<QStatusBar*>("statusBar") != nullptr);
    QCOMPARE(w->menuBar()->objectName(), QString("ID_Form1_menu_1"));
  }

  void sevenPagesInOrderSettingsFirst() {
    auto w = window();
    QTabWidget* t = tabs(*w);
    const QStringList captions = {"Settings", "Materials",      "Strength", "Layup",
                                  "Loads",    "Micromechanics", "About"};
    const QStringList forms = {"TabForm1", "TabForm2", "TabForm7", "TabForm3",
                               "TabForm4", "TabForm8", "TabForm5"};
    QCOMPARE(t->count(), 7);
    for (int i = 0; i < 7; ++i) {
      QCOMPARE(t->tabText(i), captions[i]);
      QCOMPARE(t->widget(i)->objectName(), forms[i]);
    }
    QCOMPARE(t->currentIndex(), 0);
  }

  void menuTableCaptionsAndIdentifiers() {
    auto w = window();
    const QList<QPair<int, QString>> table = {
        {1001, "&Open Data File..."},      {1002, "&Save Data File..."},
        {1003, "Open Current Directory"},  {1004, "Export Material Library..."},
        {1005, "Import Material Library..."}, {1007, "E&xit"},
        {1009, "&Settings"},               {1010, "&Materials"},
        {1011, "S&trength"},               {1012, "&Layup"},
        {1013, "L&oads"},                  {1014, "M&icromechanics"},
        {1016, "Clear &Visible Form"},     {1017, "Clear &All Forms"},
        {1019, "&Open Material Library"},  {1020, "&Add/Edit User Library"},
        {1022, "&Run Analysis"},           {1024, "&Program Description"},
        {1025, "Help &Topics"},            {1026, "Help on &Visible Form"},
        {1027, "&Sign Convention"},        {1028, "Sample &Data"},
        {1031, "&About The Vellacore"}};
    for (const auto& [id, caption] : table) {
      QAction* a = w->menuCommand(id);
      QVERIFY2(a != nullptr, qPrintable(QString::number(id)));
      QCOMPARE(a->text(), caption);
      QCOMPARE(a->data().toInt(), id);
    }
    const QStringList menus = {"&File", "&Edit", "&Library", "&Analysis", "&Help"};
    QCOMPARE(w->menuBar()->actions().size(), menus.size());
    for (int i = 0; i < menus.size(); ++i) QCOMPARE(w->menuBar()->actions()[i]->text(), menus[i]);
    // File: five commands, a separator, Exit.
    QList<QAction*> file = topMenu(*w, "&File")->actions();
    QCOMPARE(file.size(), 7);
    QVERIFY(file[5]->isSeparator());
    // The library commands wait for the material library.
    for (int id : {1004, 1005, 1019, 1020}) QVERIFY(!w->menuCommand(id)->isEnabled());
  }

  void analyzeButtonDisabledOnMicromechanicsButTheMenuStillRuns() {
    auto w = window();
    auto* analyze = w->findChild<QPushButton*>("cb_Analyze");
    for (int page = 0; page < 7; ++page) {
      w->selectPage(page);
      QCOMPARE(analyze->isEnabled(), page != 5);
    }
    // Empty pages: every modulus is zero, so the run stops at its first check
    // and moves to the Materials page, which shows that it ran.
    w->selectPage(5);
    w->menuCommand(1022)->trigger();
    QCOMPARE(vc::test::captionsOf(messages_), QStringList{"Material Error"});
    QCOMPARE(w->currentPage(), 1);
  }

  void editMenuSelectsAndMarksThePage() {
    auto w = window();
    QMenu* edit = topMenu(*w, "&Edit");
    for (int page = 0; page < 6; ++page) {
      w->menuCommand(1009 + page)->trigger();
      QCOMPARE(w->currentPage(), page);
      emit edit->aboutToShow();
      for (int item = 0; item < 6; ++item) {
        QCOMPARE(w->menuCommand(1009 + item)->isChecked(), item == page);
      }
    }
    w->menuCommand(1031)->trigger();
    QCOMPARE(w->currentPage(), 6);
    emit edit->aboutToShow();
    for (int item = 0; item < 6; ++item) QVERIFY(!w->menuCommand(1009 + item)->isChecked());
  }

  // The Help button and "Help on Visible Form" follow the page; F1 and the
  // menu open the program description, and Help Topics the index.
  void helpTopics() {
    auto w = shownWindow();
    QVERIFY(w);
    const QStringList topics = {"::html/vcla4dgz.htm", "::html/vcla52sz.htm",
                                "::html/vcla33oo.htm", "::html/vcla1xyo.htm",
                                "::html/vcla8h2r.htm", "::html/vcla3igj.htm",
                                "::html/vcla4gby.htm"};
    auto* button = w->findChild<QPushButton*>("cb_Help");
    for (int page = 0; page < 7; ++page) {
      w->selectPage(page);
      button->click();
      QCOMPARE(help_.topics.last(), topics[page]);
      w->menuCommand(1026)->trigger();
      QCOMPARE(help_.topics.last(), topics[page]);
      QTest::keyClick(w.get(), Qt::Key_F1);  // the program description
      QCOMPARE(help_.topics.last(), QString("::html/vcla3rcn.htm"));
    }
    w->menuCommand(1024)->trigger();
    QCOMPARE(help_.topics.last(), QString("::html/vcla3rcn.htm"));
    w->menuCommand(1025)->trigger();
    QCOMPARE(help_.keywords, QStringList{"Overview"});
  }

  void helpWithoutContentTellsTheUser() {
    CapturingMessages messages;
    vc::forms::HelpNotInstalled help(messages);
    help.showTopic("::html/vcla1xyo.htm");
    help.showIndex("Overview");
    QCOMPARE(messages.messages.size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(messages.messages[0].caption), QString("Help"));
    QCOMPARE(QString::fromStdString(messages.messages[0].text), QString("Help is not installed."));
  }

  void statusBarFollowsTheFolder() {
    auto w = window();
    vc::StartupState state;
    vc::runStartupSteps(state);
    w->applyStartup(state);
    QVERIFY(!state.currentDataFolder.isEmpty());
    QCOMPARE(w->statusText(), state.currentDataFolder);
    QCOMPARE(w->currentDataFolder(), state.currentDataFolder);

    // Open Current Directory on a folder that has gone: the default data
    // folder comes back and the status bar shows it.
    const QString gone = settings_.path() + "/gone/";
    w->setCurrentDataFolder(gone);
    QCOMPARE(w->statusText(), gone);
    w->menuCommand(1003)->trigger();
    QCOMPARE(shell_.folders.size(), 1);
    QVERIFY(w->currentDataFolder() != gone);
    QCOMPARE(w->statusText(), w->currentDataFolder());
    QCOMPARE(shell_.folders.first(), w->currentDataFolder());
  }

  void savingAndOpeningADataFileMovesTheFolder() {
    auto w = window();
    vc::StartupState state;
    vc::runStartupSteps(state);
    w->applyStartup(state);
    QDir(settings_.path()).mkpath("elsewhere");
    const QString file = settings_.path() + "/elsewhere/plate.vcl";
    w->pages().layup.textb_1.text = "2";
    w->pages().layup.grid_1.setCell(0, 1, "1");
    w->pages().layup.grid_1.setCell(0, 2, "45");
    w->pages().layup.grid_1.setCell(0, 3, "0.125");
    chooser_.saveAnswer = file;
    w->menuCommand(1002)->trigger();
    QVERIFY(QFile::exists(file));
    QVERIFY(w->statusText().endsWith("/elsewhere/"));
    QCOMPARE(w->outputPath(), file);

    // Back in the default folder, opening the file clears the pages, shows the
    // file and moves the folder to the file's folder again.
    w->setCurrentDataFolder(state.currentDataFolder);
    w->pages().layup.grid_1.setCell(0, 2, "90");
    chooser_.openAnswer = file;
    w->menuCommand(1001)->trigger();
    QCOMPARE(chooser_.startFolders.last(), state.currentDataFolder);
    QCOMPARE(QString::fromStdString(w->pages().layup.grid_1.cell(0, 2)), QString("45"));
    QVERIFY(w->statusText().endsWith("/elsewhere/"));
    QCOMPARE(w->inputPath(), file);
  }

  void quitAndExitCloseAndDestructionStoresTheFolder() {
    auto w = window();
    const QString folder = settings_.path() + "/kept/";
    w->setCurrentDataFolder(folder);
    w->show();
    w->findChild<QPushButton*>("cb_Quit")->click();
    QVERIFY(!w->isVisible());
    w->show();
    w->menuCommand(1007)->trigger();
    QVERIFY(!w->isVisible());
    w.reset();
    QCOMPARE(vc::test::TemporarySettings::storedLastPath(), folder);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
