// The results window: its buttons, saving the report with the extension
// rules and the remembered folder, a failed save, and printing.
#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include "forms/file_dialogs.h"
#include "forms/report_printing.h"
#include "forms/results_window.h"
#include "pages/window_rules.h"
#include "tests/forms/form_fakes.h"

using namespace vc::test;
using vc::forms::ResultsWindow;

class ResultsWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TemporarySettings> settings;
  FakeChooser chooser;

  QString file(const QString& name) const { return settings->path() + "/" + name; }

 private slots:
  void init() {
    settings = std::make_unique<TemporarySettings>();
    chooser = {};
  }

  // The report cannot be edited; Help opens the window's topic; a failed
  // save is reported and leaves the window open; OK closes it.
  void buttonsAndTheReadOnlyReport() {
    FakeHelpAndShell help;
    CapturingMessages messages;
    QVERIFY(QDir(settings->path()).mkdir("taken.txt"));
    chooser.saveAnswer = file("taken");
    ResultsWindow window("Title\r\n  a   b\r\n", &help, &chooser, nullptr, &messages);
    window.show();
    auto* box = window.findChild<QPlainTextEdit*>("rtb_1");
    box->setFocus();
    QTest::keyClicks(box, "xyz");
    QCOMPARE(box->toPlainText(), QString("Title\n  a   b\n"));
    QCOMPARE(box->textCursor().position(), 0);
    window.findChild<QPushButton*>("cb_Help")->click();
    QCOMPARE(help.requests, QStringList{vc::kResultsHelpTopic});
    window.findChild<QPushButton*>("cb_Save")->click();
    QVERIFY(messages.captions() == std::vector<std::string>{"Save Error"});
    QVERIFY(QString::fromStdString(messages.messages[0].text).contains(file("taken.txt")));
    QVERIFY(window.isVisible());
    window.findChild<QPushButton*>("cb_OK")->click();
    QVERIFY(!window.isVisible());
  }

  // A trailing dot or blanks around the name: the report goes to NAME.txt.
  void saveAppliesTheExtensionRules() {
    for (const QString& typed : {file("report."), "  " + file("report") + "  "}) {
      chooser = {};
      chooser.saveAnswer = typed;
      ResultsWindow window("Laminate report\r\n", nullptr, &chooser);
      QVERIFY(window.saveResults());
      QCOMPARE(chooser.titles, QStringList{"Save Results to File"});
      QCOMPARE(chooser.filters.value(0).pattern, QString("*.txt"));
      QCOMPARE(fileBytes(file("report.txt")), QByteArray("Laminate report\r\n\r\n"));
      QVERIFY(QFile::remove(file("report.txt")));
    }
  }

  // The folder of a save is stored as LastPath and the next window's save
  // dialog starts there; a first window creates the key with an empty
  // LastPath, and a cancelled save changes nothing.
  void rememberedFolder() {
    {
      ResultsWindow first("x\r\n", nullptr, &chooser);
      QVERIFY(!first.saveResults());
      QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Orlenvik", "Vellacore");
      QCOMPARE(s.value("3.0/Default").toString() + "|" + s.value("3.0/LastPath", "none").toString(),
               QString("(value not set)|"));
    }
    QVERIFY(QDir(settings->path()).mkdir("reports"));
    chooser.saveAnswer = file("reports/run1");
    QVERIFY(ResultsWindow("x\r\n", nullptr, &chooser).saveResults());
    QCOMPARE(TemporarySettings::storedLastPath(), file("reports/"));
    ResultsWindow next("y\r\n", nullptr, &chooser);
    chooser.saveAnswer.clear();
    QVERIFY(!next.saveResults());
    QCOMPARE(chooser.startFolders.last(), file("reports/"));
  }

  // Saving as "y." writes y.txt: the question about replacing it names
  // y.txt; No brings the dialog back, Yes lets the report be written.
  void replacingTheFinalNameIsAskedFirst() {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QFile old(file("y.txt"));
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();
    vc::forms::FileDialogs dialogs(nullptr);
    ResultsWindow window("new\r\n", nullptr, &dialogs);
    QStringList questions;
    ModalWatcher watcher([&](QWidget* modal) {
      if (auto* box = qobject_cast<QMessageBox*>(modal)) {
        questions << box->text();
        box->button(questions.size() == 1 ? QMessageBox::No : QMessageBox::Yes)->click();
      } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
        dialog->selectFile(file("y."));
        QMetaObject::invokeMethod(dialog, "accept");
      }
    });
    QVERIFY(window.saveResults());
    QCOMPARE(questions.size(), 2);
    QVERIFY(questions[0].startsWith(file("y.txt") + " already exists."));
    QCOMPARE(fileBytes(file("y.txt")), QByteArray("new\r\n\r\n"));
  }

  // The largest report printed on A4 and on Letter paper by a printer with
  // 10 mm margins: each report line is one printed line within the text
  // width, every character of one width, at 10 points.
  void printedLinesAreNeverWrapped() {
    const QByteArray report = fileBytes(VC_SOURCE_DIR "/tests/reference/expected/largest.txt");
    for (auto paper : {QPageSize::A4, QPageSize::Letter}) {
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFileName(file("out.pdf"));
      printer.setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait,
                                        QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
      QTextDocument document;
      vc::forms::layOutForPrinting(document, QString::fromUtf8(report), printer);
      const int pages = document.pageCount();  // lays the document out
      QCOMPARE(document.defaultFont().pointSize(), 10);
      QCOMPARE(document.blockCount(), report.count('\n'));
      const QFontMetricsF metrics(document.defaultFont(), &printer);
      const qreal width = metrics.horizontalAdvance('0');
      for (QTextBlock line = document.begin(); line.isValid(); line = line.next()) {
        QCOMPARE(line.layout()->lineCount(), 1);
        QCOMPARE(metrics.horizontalAdvance(line.text()), line.text().size() * width);
        QVERIFY(line.text().size() * width <= vc::forms::printTextRectangle(printer).width());
      }
      ResultsWindow window(report.toStdString(), nullptr, nullptr);
      window.setPrinterOverride(&printer);
      QCOMPARE(window.printResults(), pages);
    }
  }
};

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
