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
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "forms/results_window.h"
#include "support/capturing_messages.h"

namespace {

class StubChooser : public vc::FileChooser {
 public:
  QString openFileName(const QString&, const QString&, const QList<vc::FileFilter>&) override {
    return {};
  }
  QString saveFileName(const QString& title, const QString& startFolder,
                       const QList<vc::FileFilter>& filters) override {
    lastTitle = title;
    lastStartFolder = startFolder;
    lastFilters = filters;
    ++calls;
    return answer;
  }
  QString answer;
  QString lastTitle;
  QString lastStartFolder;
  QList<vc::FileFilter> lastFilters;
  int calls = 0;
};

class StubHelp : public vc::HelpRequests {
 public:
  void showTopic(const QString& topic) override { topics << topic; }
  void showIndex(const QString& keyword) override { topics << keyword; }
  QStringList topics;
};

QSettings settingsKey() {
  return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orlenvik"),
                   QStringLiteral("Vellacore"));
}

QString storedLastPath() {
  QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orlenvik"),
              QStringLiteral("Vellacore"));
  return s.value(QStringLiteral("3.0/LastPath")).toString();
}

void clearSettings() {
  QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Orlenvik"),
              QStringLiteral("Vellacore"));
  s.clear();
  s.sync();
}

QByteArray readAll(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
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

 private slots:
  void initTestCase() {
    QVERIFY(settingsDir.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
  }
  void init() {
    clearSettings();
    files = std::make_unique<QTemporaryDir>();
    QVERIFY(files->isValid());
  }

  void showsTheReportReadOnlyFromTheTop() {
    const QString report = QStringLiteral("Title\r\n  a   b\r\n\r\nlast line\r\n");
    vc::Results window(report, nullptr, nullptr);
    QCOMPARE(window.objectName(), QStringLiteral("Results"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Analysis Results"));
    auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("rtb_1"));
    QVERIFY(box);
    QCOMPARE(box->toPlainText(), QStringLiteral("Title\n  a   b\n\nlast line\n"));
    QVERIFY(box->isReadOnly());
    QCOMPARE(box->textCursor().position(), 0);
    QCOMPARE(box->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    window.show();
    box->setFocus();
    QTest::keyClicks(box, QStringLiteral("xyz"));
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->toPlainText(), QStringLiteral("Title\n  a   b\n\nlast line\n"));
  }

  void usesATenPointFixedPitchFont() {
    vc::Results window(QStringLiteral("x\r\n"), nullptr, nullptr);
    auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("rtb_1"));
    QCOMPARE(box->font().pointSize(), 10);
    QVERIFY(QFontInfo(box->font()).fixedPitch());
  }

  void hasTheFourButtons() {
    StubHelp help;
    vc::Results window(QStringLiteral("x\r\n"), &help, nullptr);
    const char* names[] = {"cb_OK", "cb_Print", "cb_Save", "cb_Help"};
    const char* texts[] = {"&OK", "&Print", "&Save", "&Help"};
    for (int i = 0; i < 4; ++i) {
      auto* b = window.findChild<QPushButton*>(QString::fromLatin1(names[i]));
      QVERIFY2(b, names[i]);
      QCOMPARE(b->text(), QString::fromLatin1(texts[i]));
    }
    window.show();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cb_Help")), Qt::LeftButton);
    QCOMPARE(help.topics, QStringList{QStringLiteral("::html/vcla6vz9.htm")});
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cb_OK")), Qt::LeftButton);
    QVERIFY(!window.isVisible());
    QCOMPARE(window.result(), int(QDialog::Accepted));
  }

  // The design: a text box over the whole width, the four equal buttons in a
  // row below it, OK to Help from left to right, in any window size.
  void layoutFollowsTheDesign() {
    vc::Results window(QStringLiteral("x\r\n"), nullptr, nullptr);
    for (const QSize size : {window.size(), QSize(900, 700), QSize(500, 300)}) {
      window.resize(size);
      window.show();
      auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("rtb_1"));
      const QRect text = box->geometry();
      QVERIFY(window.rect().contains(text));
      QVERIFY(text.width() > window.width() * 0.95);
      int previousRight = -1;
      for (const char* name : {"cb_OK", "cb_Print", "cb_Save", "cb_Help"}) {
        const QRect b = window.findChild<QPushButton*>(QString::fromLatin1(name))->geometry();
        QVERIFY2(window.rect().contains(b), name);
        QVERIFY2(b.top() > text.bottom(), name);
        QVERIFY2(b.left() > previousRight, name);
        previousRight = b.right();
      }
    }
    // 454 by 288 dialog units make a window about 1.58 times as wide as high.
    vc::Results fresh(QStringLiteral("x\r\n"), nullptr, nullptr);
    const double aspect = double(fresh.width()) / fresh.height();
    QVERIFY(aspect > 1.2 && aspect < 2.0);
  }

  void firstUseCreatesTheSettingsKey() {
    vc::Results window(QStringLiteral("x\r\n"), nullptr, nullptr);
    QSettings s = settingsKey();
    QCOMPARE(s.value(QStringLiteral("3.0/Default")).toString(), QStringLiteral("(value not set)"));
    QVERIFY(s.contains(QStringLiteral("3.0/LastPath")));
    QCOMPARE(s.value(QStringLiteral("3.0/LastPath")).toString(), QString());
    QCOMPARE(window.resultsFolder(), QString());
  }

  void startsInTheRememberedFolder() {
    {
      QSettings s = settingsKey();
      s.setValue(QStringLiteral("3.0/LastPath"), files->path() + QStringLiteral("/"));
    }
    StubChooser chooser;
    vc::Results window(QStringLiteral("x\r\n"), nullptr, &chooser);
    QCOMPARE(window.resultsFolder(), files->path() + QStringLiteral("/"));
    QVERIFY(!window.saveResults());  // cancelled
    QCOMPARE(chooser.lastTitle, QStringLiteral("Save Results to File"));
    QCOMPARE(chooser.lastStartFolder, files->path() + QStringLiteral("/"));
    QCOMPARE(chooser.lastFilters.size(), 2);
    QCOMPARE(chooser.lastFilters[0].description, QStringLiteral("Text files (*.txt)"));
    QCOMPARE(chooser.lastFilters[0].pattern, QStringLiteral("*.txt"));
    QCOMPARE(chooser.lastFilters[1].description, QStringLiteral("All files (*.*)"));
    QCOMPARE(chooser.lastFilters[1].pattern, QStringLiteral("*.*"));
  }

  void cancelledSaveChangesNothing() {
    StubChooser chooser;
    vc::Results window(QStringLiteral("x\r\n"), nullptr, &chooser);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    QVERIFY(!window.saveResults());
    QCOMPARE(QDir(files->path()).entryList(QDir::Files), QStringList());
    QCOMPARE(storedLastPath(), QString());
  }

  void saveExtensionRules_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("written");
    QTest::newRow("no extension") << "report" << "report.txt";
    QTest::newRow("trailing dot") << "report." << "report.txt";
    QTest::newRow("other extension") << "report.lis" << "report.lis";
    QTest::newRow("txt kept") << "report.txt" << "report.txt";
    QTest::newRow("blanks trimmed") << "  report  " << "report.txt";
  }
  void saveExtensionRules() {
    QFETCH(QString, typed);
    QFETCH(QString, written);
    const QString report = QStringLiteral("Laminate report\r\n  E1 = 1.800e+007\r\n");
    StubChooser chooser;
    chooser.answer = typed.startsWith(QLatin1Char(' '))
                         ? QStringLiteral("  ") + files->path() + QLatin1Char('/') + typed.trimmed() +
                               QStringLiteral("  ")
                         : files->path() + QLatin1Char('/') + typed;
    vc::Results window(report, nullptr, &chooser);
    QVERIFY(window.saveResults());
    QCOMPARE(QDir(files->path()).entryList(QDir::Files), QStringList{written});
    QCOMPARE(readAll(files->filePath(written)), QByteArray("Laminate report\r\n  E1 = 1.800e+007\r\n"));
  }

  void savingReplacesAnExistingFile() {
    const QString path = files->filePath(QStringLiteral("old.txt"));
    {
      QFile f(path);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write("a much longer earlier report that must not survive in part\r\n");
    }
    StubChooser chooser;
    chooser.answer = path;
    vc::Results window(QStringLiteral("new\r\n"), nullptr, &chooser);
    QVERIFY(window.saveResults());
    QCOMPARE(readAll(path), QByteArray("new\r\n"));
  }

  void savingRemembersTheFolder() {
    QVERIFY(QDir(files->path()).mkdir(QStringLiteral("reports")));
    const QString folder = files->path() + QStringLiteral("/reports/");
    StubChooser chooser;
    chooser.answer = folder + QStringLiteral("run1");
    {
      vc::Results window(QStringLiteral("x\r\n"), nullptr, &chooser);
      QVERIFY(window.saveResults());
      QCOMPARE(window.resultsFolder(), folder);
    }
    QCOMPARE(storedLastPath(), folder);
    // The next run's window starts where the last one saved.
    vc::Results next(QStringLiteral("y\r\n"), nullptr, &chooser);
    chooser.answer.clear();
    next.saveResults();
    QCOMPARE(chooser.lastStartFolder, folder);
  }

  void unwritablePathIsReportedAndTheWindowStaysOpen() {
    vc::test::CapturingMessages messages;
    StubChooser chooser;
    chooser.answer = files->path() + QStringLiteral("/no such folder/report");
    vc::Results window(QStringLiteral("x\r\n"), nullptr, &chooser, nullptr, &messages);
    window.show();
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cb_Save")), Qt::LeftButton);
    QCOMPARE(messages.messages.size(), size_t(1));
    QCOMPARE(messages.messages[0].caption, std::string("Save Error"));
    QVERIFY(QString::fromStdString(messages.messages[0].text)
                .contains(QDir::toNativeSeparators(chooser.answer + QStringLiteral(".txt"))));
    QVERIFY(window.isVisible());
    QVERIFY(!QFile::exists(chooser.answer + QStringLiteral(".txt")));
  }

  void aFolderInTheWayIsReported() {
    QVERIFY(QDir(files->path()).mkdir(QStringLiteral("taken.txt")));
    vc::test::CapturingMessages messages;
    StubChooser chooser;
    chooser.answer = files->filePath(QStringLiteral("taken"));
    vc::Results window(QStringLiteral("x\r\n"), nullptr, &chooser, nullptr, &messages);
    QVERIFY(!window.saveResults());
    QCOMPARE(messages.captions(), std::vector<std::string>{"Save Error"});
    QVERIFY(QFileInfo(files->filePath(QStringLiteral("taken.txt"))).isDir());
  }

  // 8.5 by 11 inches at 120 dpi: the page is taken as 8 by 11 whole inches,
  // the text lies half an inch inside it.
  void textRectangleIsHalfAnInchInsideWholeInches() {
    const QRect r = vc::Results::textRectangle(1020, 1320, 120, 120);
    QCOMPARE(r.left(), 60);
    QCOMPARE(r.top(), 60);
    QCOMPARE(r.right() + 1, 8 * 120 - 60);
    QCOMPARE(r.bottom() + 1, 11 * 120 - 60);
    const QRect odd = vc::Results::textRectangle(1187, 1439, 120, 144);  // 9.89 x 9.99 in
    QCOMPARE(odd.width(), 9 * 120 - 120);
    QCOMPARE(odd.height(), 9 * 144 - 144);
    QVERIFY(vc::Results::textRectangle(100, 100, 120, 120).isEmpty());  // under one inch
  }

  // A page of 8.5 by 11.7 inches without margins is taken as 8 by 11 whole
  // inches; the text height is then 10 inches, 720 points. A 10-point line
  // is about 11 to 12 points high, so a page holds floor(720 / line) lines.
  int printedPages(int lines, const QString& pdf) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageLayout(QPageLayout(QPageSize(QSizeF(8.5, 11.7), QPageSize::Inch),
                                      QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    vc::Results window(numberedReport(lines), nullptr, nullptr);
    window.setPrinterOverride(&printer);
    const int pages = window.printResults();
    if (pdfPageCount(pdf) != pages) return -1;
    return pages;
  }
  int linesPerPage() {
    QPrinter printer(QPrinter::HighResolution);
    const QFontMetricsF metrics(vc::Results::reportFont(), &printer);
    const double linePoints = metrics.height() * 72.0 / printer.logicalDpiY();
    if (linePoints < 10.0 || linePoints > 13.0) return 0;
    return int(720.0 / linePoints);
  }

  void printsALongReportOnAsManyPagesAsItNeeds() {
    const int perPage = linesPerPage();
    QVERIFY(perPage > 50 && perPage < 73);
    QCOMPARE(printedPages(300, files->filePath(QStringLiteral("300.pdf"))),
             (300 + perPage - 1) / perPage);
    // Exactly four pages full, then one line more: the page capacity is that
    // of the whole-inch page less the half-inch margins, no more, no less.
    QCOMPARE(printedPages(4 * perPage, files->filePath(QStringLiteral("full.pdf"))), 4);
    QCOMPARE(printedPages(4 * perPage + 1, files->filePath(QStringLiteral("over.pdf"))), 5);
  }

  void printsAShortReportOnOnePage() {
    const QString pdf = files->filePath(QStringLiteral("short.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    vc::Results window(numberedReport(20), nullptr, nullptr);
    window.setPrinterOverride(&printer);
    QCOMPARE(window.printResults(), 1);
    QCOMPARE(pdfPageCount(pdf), 1);
  }

 private:
  QTemporaryDir settingsDir;
  std::unique_ptr<QTemporaryDir> files;
};

QTEST_MAIN(ResultsWindowTest)
#include "results_window_test.moc"
