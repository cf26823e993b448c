// The main window's wiring: every form and control carries its name, the
// buttons, keys and menu commands reach their operations, a run shows its
// report or selects the page to mend, the file commands move the data
// folder, and the message boxes show what the sink is given.
#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTabWidget>
#include <QtTest>

#include "app/startup.h"
#include "forms/message_boxes.h"
#include "pages/window_rules.h"
#include "tests/forms/form_fakes.h"

using namespace vc::test;

class MainWindowTest : public FormFixture {
  Q_OBJECT

 private slots:
  void formsAndControlsCarryTheirNames() {
    auto w = shownWindow();
    QVERIFY(w);
    const QStringList pages = {"TabForm1/Settings", "TabForm2/Materials", "TabForm7/Strength",
                               "TabForm3/Layup",    "TabForm4/Loads",     "TabForm8/Micromechanics",
                               "TabForm5/About"};
    auto* tabs = w->findChild<QTabWidget*>("tabctrl_1");
    QCOMPARE(tabs->count(), 7);
    for (int i = 0; i < 7; ++i)
      QCOMPARE(tabs->widget(i)->objectName() + "/" + tabs->tabText(i), pages[i]);
    const QStringList names = {
        "Form1/ID_Form1_menu_1 cb_Analyze cb_Quit cb_Help hsplit_1 statusBar",
        "TabForm1/groupb_1 groupb_2 checkbox_1 checkbox_2 checkbox_3 checkbox_4 checkbox_5 "
        "checkbox_6 checkbox_7 optb_1 optb_2",
        "TabForm2/groupb_1 label_1 combo_1 cb_MatDB label_2 matgrid ID_TabForm2_menu_1",
        "TabForm7/groupb_1 label_1 grid_1 ID_TabForm7_menu_1",
        "TabForm3/groupb_1 label_1 textb_1 label_2 checkbox_1 grid_1 ID_TabForm3_menu_1",
        "TabForm4/groupb_1 groupb_2 checkbox_1 optb_1 optb_2 grid_1 checkbox_2 label_1 textb_1 "
        "checkbox_3 label_2 textb_2 label_3",
        "TabForm5/groupb_1 pictb_1 label_1 label_2 label_3 label_8 label_9 label_10 label_6 "
        "label_12 label_7 label_13"};
    for (const QString& line : names) {
      const QString form = line.section('/', 0, 0);
      QObject* owner = form == "Form1" ? w.get() : w->findChild<QWidget*>(form);
      for (const QString& name : line.section('/', 1).split(' '))
        QVERIFY2(owner && owner->findChild<QObject*>(name), qPrintable(form + "/" + name));
    }
    QVERIFY(!onPage<QTableView>(*w, "TabForm4", "grid_1")->findChild<QMenu*>());
  }

  void buttonsKeysAndMenusReachTheirOperations() {
    auto w = shownWindow();
    QVERIFY(w);
    auto* analyze = w->findChild<QAbstractButton*>("cb_Analyze");
    auto* edit = qobject_cast<QMenu*>(w->menuCommand(1009)->associatedObjects().value(0));
    QVERIFY(edit);
    for (int page = 0; page < 7; ++page) {
      w->menuCommand(page < 6 ? 1009 + page : 1031)->trigger();
      QCOMPARE(w->currentPage(), page);
      QCOMPARE(analyze->isEnabled(), vc::analyzeEnabledOnPage(page));
      emit edit->aboutToShow();
      for (int id = 1009; id <= 1014; ++id)
        QCOMPARE(w->menuCommand(id)->isChecked(), id == vc::editMenuCommandForPage(page));
      w->findChild<QAbstractButton*>("cb_Help")->click();
      w->menuCommand(1026)->trigger();
      QTest::keyClick(w.get(), Qt::Key_F1);
      const QString topic = vc::helpTopicForPage(page);
      QCOMPARE(outside_.requests.mid(3 * page), QStringList({topic, topic, vc::kProgramHelpTopic}));
    }
    w->menuCommand(1024)->trigger();
    w->menuCommand(1025)->trigger();
    QCOMPARE(outside_.requests.mid(21), QStringList({vc::kProgramHelpTopic, "index:Overview"}));
    w->findChild<QAbstractButton*>("cb_Quit")->click();
    QVERIFY(!w->isVisible());
    w->show();
    w->menuCommand(1007)->trigger();
    QVERIFY(!w->isVisible());
  }

  // Run Analysis on empty pages stops at the first check and selects the
  // Materials page. On the sample laminate with a Windows-1252 degree sign
  // (byte B0) in its description, Analyze shows the report with the sign,
  // the report saved from the results window equals the batch run's output
  // byte for byte, and the main window then follows the folder saved in.
  void analyzeShowsTheReportOrSelectsThePageToMend() {
    auto w = shownWindow(5);
    QVERIFY(w);
    w->menuCommand(1022)->trigger();
    QVERIFY(messages_.captions() == std::vector<std::string>{"Material Error"});
    QCOMPARE(w->currentPage(), 1);

    QByteArray sample = fileBytes(VC_SOURCE_DIR "/examples/sample.vcl");
    sample.replace("Carbon/Epoxy", "Carbon/Epoxy 20\260C");  // \260: the byte B0
    const QString input = settings_.path() + "/degree.vcl", batch = settings_.path() + "/b.txt";
    QFile file(input);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(sample) == sample.size());
    file.close();
    QCOMPARE(QProcess::execute(qEnvironmentVariable("VC_EXECUTABLE"), {input, batch}), 0);
    chooser_.openAnswer = input;
    w->menuCommand(1001)->trigger();
    auto* materials = onPage<QTableView>(*w, "TabForm2", "matgrid");
    QVERIFY(cellText(materials, 0, 9).endsWith(u"20°C"));
    typeIntoCell(materials, 0, 9, "");  // an edit without a change keeps the bytes
    QDir(settings_.path()).mkdir("reports");
    chooser_.saveAnswer = settings_.path() + "/reports/saved";
    QString shown;
    ModalWatcher watcher([&](QWidget* results) {
      QCOMPARE(results->objectName(), QString("Results"));
      shown = results->findChild<QPlainTextEdit*>("rtb_1")->toPlainText();
      results->findChild<QAbstractButton*>("cb_Save")->click();
    });
    w->findChild<QAbstractButton*>("cb_Analyze")->click();
    QVERIFY(shown.contains(u"Material 1: AS4/3506-1 Carbon/Epoxy 20°C\n"));
    QCOMPARE(fileBytes(settings_.path() + "/reports/saved.txt"), fileBytes(batch));
    QCOMPARE(w->statusText(), settings_.path() + "/reports/");
  }

  void fileCommandsMoveTheDataFolder() {
    auto w = shownWindow();
    QVERIFY(w);
    vc::StartupState state;
    vc::runStartupSteps(state);
    w->applyStartup(state);
    const QString file = settings_.path() + "/plate.vcl";
    w->pages().layup.layerCount.text = "1";
    w->pages().layup.layers.setCell(0, 2, "45");
    chooser_.saveAnswer = file;
    w->menuCommand(1002)->trigger();
    QCOMPARE(w->statusText(), settings_.path() + "/");
    w->pages().layup.layers.setCell(0, 2, "90");
    chooser_.openAnswer = file;
    w->menuCommand(1001)->trigger();
    QCOMPARE(cellText(onPage<QTableView>(*w, "TabForm3", "grid_1"), 0, 2), QString("45"));
    // Open Current Directory on a folder that has gone shows the default one.
    w->setCurrentDataFolder(settings_.path() + "/gone/");
    w->menuCommand(1003)->trigger();
    QCOMPARE(outside_.requests, QStringList{"open:" + state.currentDataFolder});
    QCOMPARE(w->statusText(), state.currentDataFolder);
    w.reset();  // the window's folder outlives it as the remembered folder
    QCOMPARE(TemporarySettings::storedLastPath(), state.currentDataFolder);
  }

  void clearingCommandsReachThePages() {
    auto w = shownWindow(4);
    QVERIFY(w);
    auto* layers = onPage<QLineEdit>(*w, "TabForm3", "textb_1");
    w->pages().layup.layerCount.text = "6";
    w->pages().loads.loadValues.setCell(0, 3, "10");
    w->refreshPages();
    w->menuCommand(1016)->trigger();  // the Loads page only
    QCOMPARE(cellText(onPage<QTableView>(*w, "TabForm4", "grid_1"), 0, 3), QString(""));
    QCOMPARE(layers->text(), QString("6"));
    w->menuCommand(1017)->trigger();
    QCOMPARE(layers->text() + w->pages().layup.layerCount.text.c_str(), QString(""));
  }

  // No leaves every page as it was; Yes fills them whatever page is shown
  // (what the sample holds is tested on the page models).
  void sampleDataAsksFirst() {
    auto w = shownWindow(4);
    QVERIFY(w);
    QVERIFY(w->menuCommand(1028)->isEnabled());
    w->pages().layup.layerCount.text = "3";
    w->refreshPages();
    messages_.answers = {vc::Answer::No};
    w->menuCommand(1028)->trigger();
    QVERIFY(messages_.captions() == std::vector<std::string>{"Sample Data"});
    QCOMPARE(onPage<QLineEdit>(*w, "TabForm3", "textb_1")->text(), QString("3"));
    messages_.answers = {vc::Answer::Yes};
    w->menuCommand(1028)->trigger();
    QCOMPARE(w->currentPage(), 4);
    QCOMPARE(onPage<QLineEdit>(*w, "TabForm3", "textb_1")->text(), QString("8"));
    QVERIFY(onPage<QAbstractButton>(*w, "TabForm1", "checkbox_7")->isChecked());
  }

  // The Sign Convention window opens modally with its picture and closes on
  // OK; the About page's links open through the shell on a press.
  void signConventionAndAboutLinks() {
    auto w = shownWindow(6);
    QVERIFY(w);
    ModalWatcher watcher([](QWidget* window) {
      QCOMPARE(window->objectName() + "|" + window->windowTitle(),
               QString("SignConvention|Sign Convention"));
      QVERIFY(window->findChild<QWidget*>("pictb_1"));
      window->findChild<QAbstractButton*>("cb_1")->click();
      QVERIFY(!window->isVisible());
    });
    w->menuCommand(1027)->trigger();
    QCOMPARE(watcher.seen, 1);

#if defined(__linux__)
    QCOMPARE(onPage<QLabel>(*w, "TabForm5", "label_3")->text(), QString("Linux"));
#endif
    auto* mail = onPage<QLabel>(*w, "TabForm5", "label_12");
    auto* home = onPage<QLabel>(*w, "TabForm5", "label_13");
    QCOMPARE(mail->cursor().shape(), Qt::PointingHandCursor);
    QTest::mousePress(mail, Qt::LeftButton);
    QTest::mousePress(home, Qt::RightButton);  // only the left button opens
    QTest::mousePress(home, Qt::LeftButton);
    QCOMPARE(outside_.requests,
             QStringList({"open:mailto:" + mail->text(), "open:" + home->text()}));
    QVERIFY(mail->text().contains('@') && home->text().startsWith("http"));
  }

  // --open FILE goes through File > Open's command: the sample's 8 layers
  // are on the pages (a refused file is tested on the command).
  void openAtGivenPathLoadsAsFileOpen() {
    auto w = shownWindow();
    QVERIFY(w);
    w->openDataFileAt(VC_SOURCE_DIR "/examples/sample.vcl");
    QCOMPARE(w->data().numLayers, 8);
    QCOMPARE(onPage<QLineEdit>(*w, "TabForm3", "textb_1")->text(), QString("8"));
    QVERIFY(messages_.messages.empty());
  }

  // The one sink for boxes: a message shows its caption and plain text with
  // one button; a question is answered by the button pressed, and a box
  // closed without one answers Cancel, or No when it offers no Cancel.
  void messageBoxesShowTheTextAndAnswerWithTheButtonPressed() {
    using B = QMessageBox::StandardButton;
    QWidget owner;
    B press = B::NoButton;
    QString shown;
    ModalWatcher watcher([&](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      QVERIFY(box && box->parentWidget() == &owner && box->textFormat() == Qt::PlainText);
      shown = QString("%1|%2|%3|%4")
                  .arg(box->windowTitle(), box->text())
                  .arg(box->buttons().size())
                  .arg(box->icon() == QMessageBox::Question ? "?" : "i");
      if (press != B::NoButton) box->button(press)->click();
    });
    vc::forms::MessageBoxes boxes(&owner);
    boxes.inform("Caption", "Line one\r\n\r\n<two>");
    QCOMPARE(shown, QString("Caption|Line one\n\n<two>|1|i"));
    const struct {
      vc::QuestionButtons buttons;
      B press;  // NoButton: the box is closed
      vc::Answer answer;
    } cases[] = {{vc::QuestionButtons::YesNoCancel, B::No, vc::Answer::No},
                 {vc::QuestionButtons::YesNoCancel, B::NoButton, vc::Answer::Cancel},
                 {vc::QuestionButtons::YesNo, B::Yes, vc::Answer::Yes},
                 {vc::QuestionButtons::YesNo, B::NoButton, vc::Answer::No}};
    for (const auto& c : cases) {
      press = c.press;
      QCOMPARE(boxes.ask("Q", "Overwrite?", c.buttons), c.answer);
      QCOMPARE(shown,
               QString("Q|Overwrite?|%1|?").arg(c.buttons == vc::QuestionButtons::YesNo ? 2 : 3));
    }
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
