// A full interactive round: pages filled by typing, Analyze pressed, the
// results window opening on the report of those pages; and the runs that a
// check stops, with their messages and the page they leave selected.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QCheckBox>
#include <QTableView>
#include <QtTest>
#include <cmath>
#include <functional>

#include "app/analysis_command.h"
#include "tests/forms/form_fakes.h"

using vc::forms::MainWindow;
using namespace vc::test;

namespace {

// Carbon/epoxy ply properties (psi, in/in/F) of a typical AS4 prepreg.
const char* const kPly[] = {"20.6e6", "1.5e6", "1.04e6", "0.27",
                            "-0.5e-6", "15e-6", "0.01", "0.2"};

}  // namespace

class AnalysisRoundTest : public vc::test::FormFixture {
  Q_OBJECT

  // One material, a [0/90/90/0] cross-ply of 0.005 plies, Nx = 1000.
  void typeCrossPly(MainWindow& w, const QString& outerMaterial = "1") {
    w.selectPage(1);
    auto* mat = onPage<QTableView>(w, "TabForm2", "matgrid");
    for (int c = 0; c < 8; ++c) typeIntoCell(mat, 0, c + 1, kPly[c]);
    typeIntoCell(mat, 0, 9, "AS4/3501-6");
    w.selectPage(3);
    auto* count = onPage<QLineEdit>(w, "TabForm3", "textb_1");
    auto* layup = onPage<QTableView>(w, "TabForm3", "grid_1");
    count->setFocus();
    QTest::keyClicks(count, "4");
    layup->setFocus();
    const char* const angles[] = {"0", "90", "90", "0"};
    for (int k = 0; k < 4; ++k) {
      typeIntoCell(layup, k, 1, k == 0 ? outerMaterial : QString("1"));
      typeIntoCell(layup, k, 2, angles[k]);
      typeIntoCell(layup, k, 3, "0.005");
    }
    w.selectPage(4);
    onPage<QCheckBox>(w, "TabForm4", "checkbox_1")->click();
    typeIntoCell(onPage<QTableView>(w, "TabForm4", "grid_1"), 0, 0, "1000");
    w.selectPage(0);
  }

 private slots:
  void analyzeOpensTheResultsOfThePagesShown() {
    auto w = shownWindow();
    QVERIFY(w);
    typeCrossPly(*w);

    QString shown;
    QString title;
    vc::test::ModalWatcher watcher([&](QWidget* modal) {
      title = modal->objectName();
      if (auto* text = modal->findChild<QPlainTextEdit*>("rtb_1")) shown = text->toPlainText();
    });
    QTest::mouseClick(w->findChild<QPushButton*>("cb_Analyze"), Qt::LeftButton);
    QCOMPARE(watcher.seen, 1);
    QCOMPARE(title, QString("Results"));
    // Only the zero-strength data could warn, and no failure output is asked.
    QVERIFY(messages_.messages.empty());

    // The same pages through the analysis command give the same report.
    vc::InputPages copy = w->pages();
    auto record = std::make_unique<vc::LaminateData>();
    std::string report;
    CapturingMessages quiet;
    QCOMPARE(int(vc::runAnalysis(copy, *record, report, quiet).status),
             int(vc::RunStatus::Completed));
    QString expected = QString::fromStdString(report);
    expected.replace("\r\n", "\n");
    QVERIFY(!expected.isEmpty());
    QCOMPARE(shown, expected);
    QCOMPARE(QString::fromStdString(w->reportText()), QString::fromStdString(report));

    // What was typed is what was analysed.
    const vc::LaminateData& d = w->data();
    QCOMPARE(d.numMaterials, 1);
    QCOMPARE(d.numLayers, 4);
    QCOMPARE(d.E1[1], 20.6e6);
    QCOMPARE(d.v12[1], 0.27);
    QCOMPARE(d.thickness[3], 0.005);
    QCOMPARE(d.angle[2], 90.0 * vc::kPi / 180.0);
    // Hand calculation of a balanced symmetric cross-ply: A11 = A22 =
    // (Q11 + Q22) h / 2, A12 = Q12 h, and Ex = (A11^2 - A12^2) / (A11 h).
    const double v21 = 0.27 * 1.5e6 / 20.6e6;
    const double den = 1.0 - 0.27 * v21;
    const double q11 = 20.6e6 / den, q22 = 1.5e6 / den, q12 = 0.27 * 1.5e6 / den;
    const double h = 0.02;
    const double a11 = (q11 + q22) * h / 2.0, a12 = q12 * h;
    const double ex = (a11 * a11 - a12 * a12) / (a11 * h);
    QVERIFY2(std::fabs(d.EX - ex) < 1e-9 * ex, qPrintable(QString::number(d.EX, 'g', 17)));
    QVERIFY(std::fabs(d.EY - ex) < 1e-9 * ex);
  }

  void resultsClosingReloadsTheRememberedFolder() {
    auto w = shownWindow();
    QVERIFY(w);
    typeCrossPly(*w);
    w->setCurrentDataFolder(settings_.path() + "/before/");
    const QString saved = settings_.path() + "/reports/";
    // A save in the results window moves the remembered folder; the main
    // window follows it when the window closes.
    vc::test::ModalWatcher watcher([&](QWidget*) {
      QSettings s(QSettings::NativeFormat, QSettings::UserScope, "Orlenvik", "Vellacore");
      s.setValue("3.0/LastPath", saved);
    });
    w->findChild<QPushButton*>("cb_Analyze")->click();
    QCOMPARE(w->currentDataFolder(), saved);
    QCOMPARE(w->statusText(), saved);
  }

  // Each check's message is shown and the run stops on the page to mend,
  // without a results window; warnings let the run go on.
  void checksShowTheirMessagesAndSelectThePage() {
    struct Case {
      const char* name;
      std::function<void(MainWindow&)> spoil;
      QStringList captions;
      int page;
      int resultsShown;
    };
    const auto mat = [](MainWindow& w) { return onPage<QTableView>(w, "TabForm2", "matgrid"); };
    const QList<Case> cases = {
        {"zero modulus",
         [&](MainWindow& w) {
           typeIntoCell(mat(w), 0, 2, "0");  // E2
           typeIntoCell(mat(w), 0, 5, "0");  // CTE1 too: the stop comes first
         },
         {"Material Error"}, 1, 0},
        {"material number above the count",
         [](MainWindow& w) { typeIntoCell(onPage<QTableView>(w, "TabForm3", "grid_1"), 0, 1, "3"); },
         {"Material ID Error"}, 3, 0},
        {"zero thickness",
         [](MainWindow& w) {
           for (int k = 0; k < 4; ++k) typeIntoCell(onPage<QTableView>(w, "TabForm3", "grid_1"), k, 3, "0");
         },
         {"Data Error"}, 3, 0},
        {"warnings",
         [&](MainWindow& w) {
           typeIntoCell(mat(w), 0, 8, "0");  // CME2
           onPage<QCheckBox>(w, "TabForm1", "checkbox_6")->click();  // no strengths given
         },
         {"Material Information: Zero CTE/CME", "Material Strength Error"}, 0, 1},
    };
    for (const Case& c : cases) {
      auto w = shownWindow();
      QVERIFY(w);
      typeCrossPly(*w);
      c.spoil(*w);
      w->selectPage(0);
      vc::test::ModalWatcher watcher;
      w->findChild<QPushButton*>("cb_Analyze")->click();
      QVERIFY2(vc::test::captionsOf(messages_) == c.captions, c.name);
      QVERIFY2(w->currentPage() == c.page, c.name);
      QVERIFY2(watcher.seen == c.resultsShown, c.name);
      QVERIFY2(w->reportText().empty() == (c.resultsShown == 0), c.name);
      if (c.page == 1) {
        QCOMPARE(QString::fromStdString(messages_.messages[0].text),
                 QString("A material modulus is zero.  Review material property data."));
      }
    }
  }
};

QTEST_MAIN(AnalysisRoundTest)
#include "analysis_round_test.moc"
