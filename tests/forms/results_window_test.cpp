// The results window: what it shows, saving the report as a text file with
// the folder memory, the failure message of a save, and printing.
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QtTest>

#include "forms/results_window.h"
#include "tests/forms/form_fakes.h"

using namespace vc::test;

namespace {

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString numberedReport(int lines) {
  QString text;
  for (int i = 1; i <= lines; ++i) {
    text += QStringLiteral("  Line %1 of the report     1.800e+007   -2.500e-003\r\n").arg(i, 3);
  }
  return text;
}

// Pages of a PDF file: "/Type /Page" objects, not the "/Type /Pages" tree.
int pdfPageCount(const QString& path) {
  const QByteArray pdf = readAll(path);
  int count = 0;
  for (int at = pdf.indexOf("/Type /Page"); at >= 0; at = pdf.indexOf("/Type /Page", at + 1)) {
    if (pdf.mid(at + 11, 1) != "s") ++count;
  }
  return count;
}

}  // namespace

class ResultsWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<TemporarySettings> settings;
  std::unique_ptr<QTemporaryDir> files;
  FakeChooser chooser;
  CapturingMessages messages;

  QString file(const QString& name) const { return files->filePath(name); }

 private slots:
  void init() {
    settings = std::make_unique<TemporarySettings>();
    files = std::make_unique<QTemporaryDir>();
    chooser = {};
    messages = {};
  }

  void showsTheReportReadOnlyInAFixedPitchFont() {
    FakeHelp help;
    vc::forms::ResultsWindow window(QStringLiteral("Title\r\n  a   b\r\n\r\nlast line\r\n"), &help, nullptr);
    QCOMPARE(window.objectName(), QStringLiteral("Results"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Analysis Results"));
    auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("rtb_1"));
    QVERIFY(box);
    const QString shown = QStringLiteral("Title\n  a   b\n\nlast line\n");
    QCOMPARE(box->toPlainText(), shown);
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->textCursor().position(), 0);
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(box->font().pointSize(), 10);
    QVERIFY(QFontInfo(box->font()).fixedPitch());
    window.show();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("xyz"));
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->toPlainText(), shown);

    // The four buttons in a row below the text, OK to Help left to right.
    const char* names[] = {"cb_OK", "cb_Print", "cb_Save", "cb_Help"};
    const char* texts[] = {"&OK", "&Print", "&Save", "&Help"};
    int previousRight = -1;
    for (int i = 0; i < 4; ++i) {
      auto* b = window.findChild<QPushButton*>(QString::fromLatin1(names[i]));
      QVERIFY2(b, names[i]);
      QCOMPARE(b->text(), QString::fromLatin1(texts[i]));
      QVERIFY(b->geometry().top() > box->geometry().bottom());
      QVERIFY(b->geometry().left() > previousRight);
      previousRight = b->geometry().right();
    }
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cb_Help")), Qt::LeftButton);
    QCOMPARE(help.topics, QStringList{QStringLiteral("::html/vcla6vz9.htm")});
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cb_OK")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Accepted));
  }

  void saveWritesTheReportBytes_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "report" << "report.txt";
    QTest::newRow("trailing dot") << "report." << "report.txt";
    QTest::newRow("other extension") << "report.lis" << "report.lis";
    QTest::newRow("txt kept") << "report.txt" << "report.txt";
    QTest::newRow("blanks trimmed") << "  report  " << "report.txt";
    QTest::newRow("replaces a longer file") << "old.txt" << "old.txt";
  }
  void saveWritesTheReportBytes() {
    QFETCH(QString, typed);
    QFETCH(QString, written);
    {
      QFile old(file(QStringLiteral("old.txt")));
      QVERIFY(old.open(QIODevice::WriteOnly));
      old.write("a much longer earlier report that must not survive in part\r\n");
    }
    const QString blanks = typed.startsWith(QLatin1Char(' ')) ? QStringLiteral("  ") : QString();
    chooser.saveAnswer = blanks + file(typed.trimmed()) + blanks;
    vc::forms::ResultsWindow window(QStringLiteral("Laminate report\r\n  E1 = 1.800e+007\r\n"), nullptr, &chooser);
    QVERIFY(window.saveResults());
    QCOMPARE(chooser.titles, QStringList{QStringLiteral("Save Results to File")});
    QCOMPARE(chooser.filters.size(), 2);
    QCOMPARE(chooser.filters[0].description, QStringLiteral("Text files (*.txt)"));
    QCOMPARE(chooser.filters[0].pattern, QStringLiteral("*.txt"));
    QCOMPARE(chooser.filters[1].description, QStringLiteral("All files (*.*)"));
    QCOMPARE(chooser.filters[1].pattern, QStringLiteral("*.*"));
    QStringList expected{written};
    if (written != QStringLiteral("old.txt")) expected.prepend(QStringLiteral("old.txt"));
    expected.sort();
    QCOMPARE(QDir(files->path()).entryList(QDir::Files, QDir::Name), expected);
    QCOMPARE(readAll(file(written)), QByteArray("Laminate report\r\n  E1 = 1.800e+007\r\n"));
  }

  // The folder of the last save is stored as LastPath and is where the next
  // window's save dialog starts; a first use creates the key empty, and a
  // cancelled save changes nothing.
  void rememberedFolder() {
    {
      vc::forms::ResultsWindow first(QStringLiteral("x\r\n"), nullptr, &chooser);
      QCOMPARE(first.resultsFolder(), QString());
      QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orlenvik"),
                  QStringLiteral("Vellacore"));
      QCOMPARE(s.value(QStringLiteral("3.0/Default")).toString(), QStringLiteral("(value not set)"));
      QVERIFY(s.contains(QStringLiteral("3.0/LastPath")));
      QVERIFY(!first.saveResults());  // cancelled
      QCOMPARE(TemporarySettings::storedLastPath(), QString());
    }
    QVERIFY(QDir(files->path()).mkdir(QStringLiteral("reports")));
    const QString folder = files->path() + QStringLiteral("/reports/");
    chooser.saveAnswer = folder + QStringLiteral("run1");
    {
      vc::forms::ResultsWindow window(QStringLiteral("x\r\n"), nullptr, &chooser);
      QVERIFY(window.saveResults());
      QCOMPARE(window.resultsFolder(), folder);
    }
    QCOMPARE(TemporarySettings::storedLastPath(), folder);
    vc::forms::ResultsWindow next(QStringLiteral("y\r\n"), nullptr, &chooser);
    QCOMPARE(next.resultsFolder(), folder);
    chooser.saveAnswer.clear();
    QVERIFY(!next.saveResults());
    QCOMPARE(chooser.startFolders.last(), folder);
    QCOMPARE(TemporarySettings::storedLastPath(), folder);
  }

  void failedSaveIsReportedAndTheWindowStaysOpen_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("target");
    QTest::newRow("missing folder") << "no such folder/report" << "no such folder/report.txt";
    QTest::newRow("folder in the way") << "taken" << "taken.txt";
  }
  void failedSaveIsReportedAndTheWindowStaysOpen() {
    QFETCH(QString, typed);
    QFETCH(QString, target);
    QVERIFY(QDir(files->path()).mkdir(QStringLiteral("taken.txt")));
    chooser.saveAnswer = file(typed);
    vc::forms::ResultsWindow window(QStringLiteral("x\r\n"), nullptr, &chooser, nullptr, &messages);
    window.show();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cb_Save")), Qt::LeftButton);
    QCOMPARE(captionsOf(messages), QStringList{QStringLiteral("Save Error")});
    QVERIFY(QString::fromStdString(messages.messages[0].text)
                .contains(QDir::toNativeSeparators(file(target))));
    QVERIFY(window.isVisible());
    QVERIFY(!QFileInfo(file(target)).isFile());
  }

  // 8.5 by 11 inches at 120 dpi: the page is taken as 8 by 11 whole inches,
  // the text lies half an inch inside it.
  void textRectangleIsHalfAnInchInsideWholeInches() {
    const QRect r = vc::forms::ResultsWindow::textRectangle(1020, 1320, 120, 120);
    QCOMPARE(r.left(), 60);
    QCOMPARE(r.top(), 60);
    QCOMPARE(r.right() + 1, 8 * 120 - 60);
    QCOMPARE(r.bottom() + 1, 11 * 120 - 60);
    const QRect odd = vc::forms::ResultsWindow::textRectangle(1187, 1439, 120, 144);  // 9.89 x 9.99 in
    QCOMPARE(odd.width(), 9 * 120 - 120);
    QCOMPARE(odd.height(), 9 * 144 - 144);
    QVERIFY(vc::forms::ResultsWindow::textRectangle(100, 100, 120, 120).isEmpty());  // under one inch
  }

  // A page of 8.5 by 11.7 inches without margins is taken as 8 by 11 whole
  // inches; the text height is then 10 inches, 720 points. A 10-point line
  // is about 11 to 12 points high, so a page holds floor(720 / line) lines.
  void printsAsManyPagesAsTheReportNeeds() {
    QPrinter probe(QPrinter::HighResolution);
    const QFontMetricsF metrics(vc::forms::ResultsWindow::reportFont(), &probe);
    const double linePoints = metrics.height() * 72.0 / probe.logicalDpiY();
    QVERIFY(linePoints > 10.0 && linePoints < 13.0);
    const int perPage = int(720.0 / linePoints);
    const QList<QPair<int, int>> cases = {
        {20, 1}, {300, (300 + perPage - 1) / perPage}, {4 * perPage, 4}, {4 * perPage + 1, 5}};
    for (const auto& [lines, pages] : cases) {
      const QString pdf = file(QStringLiteral("%1.pdf").arg(lines));
      QPrinter printer(QPrinter::HighResolution);
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      printer.setPageLayout(QPageLayout(QPageSize(QSizeF(8.5, 11.7), QPageSize::Inch),
                                        QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
      vc::forms::ResultsWindow window(numberedReport(lines), nullptr, nullptr);
      window.setPrinterOverride(&printer);
      QCOMPARE(window.printResults(), pages);
      QCOMPARE(pdfPageCount(pdf), pages);
    }
  }
};

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
