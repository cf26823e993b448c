// The plots window and the exports of the results window: each tab drawn
// offscreen holds the points the engine computed; plots and results are
// written as PNG, SVG, PDF, JSON and CSV through the chooser.
#include "forms/plots_window.h"
#include "forms/results_export_command.h"

#include <QCategoryAxis>
#include <QChart>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QScatterSeries>
#include <QtTest>
#include <memory>

#include "app/chosen_file_type.h"
#include "engine/analysis_run.h"
#include "engine/failure_envelope.h"
#include "engine/stiffness_direction.h"
#include "engine/through_thickness_view.h"
#include "forms/envelope_plot.h"
#include "forms/file_dialogs.h"
#include "forms/layup_plot.h"
#include "forms/results_window.h"
#include "forms/stiffness_plot.h"
#include "forms/through_thickness_plot.h"
#include "results_export/results_csv.h"
#include "results_export/results_json.h"
#include "tests/engine/engine_fixtures.h"
#include "tests/forms/form_fakes.h"

using namespace vc;
using namespace vc::forms;
using vc::test::FakeChooser;

namespace {

// Two materials in an unsymmetric stack under in-plane loads and a
// temperature change; ply results and failure when `plyResults`.
std::unique_ptr<LaminateData> completedRun(bool plyResults) {
  const test::TestMaterial soft{40000.0, 9000.0, 4000.0, 0.28};
  auto d = std::make_unique<LaminateData>(test::makeLaminate(
      {test::kTestPly, soft}, {{1, 0, 0.2}, {2, 30, 0.1}, {1, -45, 0.15}, {2, 90, 0.25}}));
  d->showPlyStresses = d->showFailure = plyResults;
  d->mechanicalOn = d->thermalOn = true;
  d->mechLoad[1] = 100.0;
  d->mechLoad[3] = -20.0;
  d->deltaT = -100.0;
  test::CapturingMessages m;
  runChecksAndEngine(*d, m);
  return d;
}

QLineSeries* seriesNamed(QChart* chart, const QString& name) {
  for (QAbstractSeries* s : chart->series())
    if (s->name() == name) return qobject_cast<QLineSeries*>(s);
  return nullptr;
}

}  // namespace

class PlotsWindowTest : public QObject {
  Q_OBJECT

  std::unique_ptr<test::TemporarySettings> settings;
  QString file(const QString& name) const { return settings->path() + "/" + name; }

 private slots:
  void init() { settings = std::make_unique<test::TemporarySettings>(); }

  void eachTabHoldsTheComputedPoints() {
    const auto d = completedRun(true);
    PlotsWindow window(*d, nullptr, nullptr, nullptr);
    window.show();
    for (int tab = 0; tab < PlotsWindow::kPlotCount; ++tab) {
      window.showTab(tab);
      QVERIFY(!window.grab().isNull());
    }
    // Through thickness: the quantity list switches the series to sigma 2 of
    // the material axes at each ply's lower, mid and upper surface.
    auto* thickness = static_cast<ThroughThicknessPlot*>(window.plot(0));
    const ThroughThicknessView view(*d);
    thickness->findChild<QComboBox*>("combo_Quantity")->setCurrentIndex(1);
    QLineSeries* series = seriesNamed(thickness->chart(), QString::fromUtf8("\u03c32"));
    QVERIFY(series != nullptr);
    QCOMPARE(series->count(), view.pointCount());
    for (int i = 0; i < view.pointCount(); ++i)
      QCOMPARE(series->at(i), QPointF(view.point(i).results->stress12[2], view.point(i).z));
    // Stiffness: EX measured along +phi is the laminate turned by -phi; on
    // the polar chart direction 0 lies at the right (angle 90).
    auto* stiffness = static_cast<StiffnessPlot*>(window.plot(1));
    QLineSeries* ex = seriesNamed(stiffness->chart(), "EX");
    QVERIFY(ex != nullptr);
    QCOMPARE(ex->at(135).y(), stiffnessTurnedBy(*d, -135).EX);  // the Cartesian view
    stiffness->findChild<QComboBox*>("combo_View")->setCurrentIndex(1);
    ex = seriesNamed(stiffness->chart(), "EX");
    QVERIFY(ex != nullptr);
    for (const int phi : {30, 135})
      QCOMPARE(ex->at(int(StiffnessPlot::polarAngle(phi))).y(), stiffnessTurnedBy(*d, -phi).EX);
    auto* angular = qobject_cast<QCategoryAxis*>(stiffness->chart()->axes(Qt::Horizontal).value(0));
    QVERIFY(angular != nullptr);
    QCOMPARE(angular->categoriesLabels().at(2), QString("0\u00b0"));  // the label at 90
    QCOMPARE(angular->endValue(angular->categoriesLabels().at(2)), 90.0);
    // Envelope: NX and NXY with the temperature held fixed.
    auto* envelope = static_cast<EnvelopePlot*>(window.plot(2));
    envelope->choose(1, 1);
    FailureEnvelope expected;
    QVERIFY(
        computeFailureEnvelope(*d, LoadPair::NxNxy, HygrothermalTreatment::HeldFixed, expected));
    QLineSeries* tsaiWu = seriesNamed(envelope->chart(), "Tsai-Wu");
    QVERIFY(tsaiWu != nullptr);
    QCOMPARE(tsaiWu->count(), kEnvelopeDirectionCount + 1);
    for (int i = 0; i < kEnvelopeDirectionCount; i += 45) {
      const EnvelopePoint& p = expected.point[kTsaiWu][i];
      QCOMPARE(tsaiWu->at(i), QPointF(p.first, p.second));
    }
    QCOMPARE(envelope->chart()->axes(Qt::Vertical).value(0)->titleText(), QString("NXY"));
    auto* load = qobject_cast<QScatterSeries*>(envelope->chart()->series().last());
    QCOMPARE(load->at(0), QPointF(100.0, -20.0));
    // Layup: ply heights to scale with the thicknesses 0.2, 0.1, 0.15, 0.25.
    auto* layup = static_cast<LayupPlot*>(window.plot(3));
    const auto& plies = layup->plyRectangles();
    QCOMPARE(int(plies.size()), 4);
    const double perUnit = plies[0].height() / 0.2;
    QVERIFY(plies[0].bottom() > plies[3].top());
    for (const auto& [k, t] : {std::pair{1, 0.1}, std::pair{2, 0.15}, std::pair{3, 0.25}})
      QVERIFY(qAbs(plies[k].height() - perUnit * t) < 1e-9 * perUnit);
  }

  // Without ply results the record's arrays are stale: the tab says so.
  void noPlyResultsNoPlot() {
    const auto d = completedRun(false);
    PlotsWindow window(*d, nullptr, nullptr, nullptr);
    window.show();
    QVERIFY(window.plot(0)->findChild<QLabel*>("label_NoPlyResults")->isVisible());
    QVERIFY(static_cast<ThroughThicknessPlot*>(window.plot(0))->chart()->series().isEmpty());
  }

  // The Export Plot button writes the current tab in the chosen kind;
  // without an extension the chosen filter's is added.
  void plotExportsByKind() {
    const auto d = completedRun(true);
    FakeChooser chooser;
    test::CapturingMessages messages;
    QString folder;
    PlotsWindow window(*d, &chooser, &messages, &folder);
    const struct {
      int tab, filter;
      const char* typed;
      const char* written;
      QByteArray start;
    } cases[] = {{0, 0, "t", "t.png", "\x89PNG"},
                 {1, 2, "s.svg", "s.svg", "<?xml"},
                 {2, 2, "e", "e.pdf", "%PDF-"},
                 {3, 1, "l.", "l.svg", "<?xml"}};
    for (const auto& c : cases) {
      window.showTab(c.tab);
      chooser.filter = c.filter;
      chooser.saveAnswer = file(c.typed);
      window.findChild<QPushButton*>("cb_ExportPlot")->click();
      QVERIFY2(test::fileBytes(file(c.written)).startsWith(c.start), c.written);
    }
    QVERIFY(test::fileBytes(file("s.svg")).contains("<polyline"));
    QCOMPARE(chooser.titles.last(), QString("Export Plot"));
    QCOMPARE(folder, file(""));
    QCOMPARE(test::TemporarySettings::storedLastPath(), file(""));
    QVERIFY(messages.messages.empty());
  }

  // Export in the results window: JSON and CSV as the exporters write
  // them, the PDF with the report's pages and one page per plot; a file
  // that cannot be written is reported.
  void resultsExport() {
    const auto d = completedRun(true);
    FakeChooser chooser;
    test::CapturingMessages messages;
    ResultsWindow window(std::string(300, '\n'), nullptr, &chooser, nullptr, &messages);
    QVERIFY(!window.findChild<QPushButton*>("cb_Export")->isEnabled());
    window.setRun(d.get(), "/data/plate.vcl");
    QVERIFY(window.findChild<QPushButton*>("cb_Plots")->isEnabled());
    const struct {
      int filter;
      const char* typed;
      const char* written;
      QByteArray bytes;
    } cases[] = {
        {2, "r.json", "r.json", QByteArray::fromStdString(resultsJson(*d, JsonCurves::Included))},
        {1, "r", "r.csv", QByteArray::fromStdString(resultsCsv(*d))},
        {0, "r.PDF", "r.PDF", "%PDF-"}};
    for (const auto& c : cases) {
      chooser.filter = c.filter;
      chooser.saveAnswer = file(c.typed);
      window.findChild<QPushButton*>("cb_Export")->click();
      QVERIFY2(test::fileBytes(file(c.written)).startsWith(c.bytes), c.written);
    }
    QCOMPARE(chooser.titles.last(), QString("Export Results"));
    // 300 report lines take several pages; then four plot pages.
    const QByteArray pdf = test::fileBytes(file("r.PDF"));
    const int pages =
        pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page ");
    QVERIFY2(pages >= 4 + 5, QByteArray::number(pages));
    QVERIFY(QDir(settings->path()).mkdir("taken.json"));
    chooser.saveAnswer = file("taken.json");
    QVERIFY(!window.exportResults());
    QCOMPARE(messages.captions(), std::vector<std::string>{"Export Error"});
  }
};

QTEST_MAIN(PlotsWindowTest)
#include "plots_window_test.moc"
