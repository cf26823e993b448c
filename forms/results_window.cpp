#include "forms/results_window.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextCursor>

#include "app/file_commands.h"
#include "app/settings_store.h"
#include "fileio/atomic_save.h"
#include "forms/message_boxes.h"
#include "forms/plots_window.h"
#include "forms/report_font.h"
#include "forms/report_printing.h"
#include "forms/results_export_command.h"
#include "forms/text_from_bytes.h"
#include "pages/window_rules.h"

namespace vc::forms {

namespace {

// The window's design in dialog units: 454 by 288, the text box at
// (5, 5, 445, 245) and the four 40 by 14 buttons along the bottom.
constexpr int kDesignWidth = 454;
constexpr int kDesignHeight = 288;
constexpr int kButtonTop = 256;
constexpr int kButtonWidth = 40;
constexpr int kButtonHeight = 14;
constexpr int kMargin = 5;

}  // namespace

ResultsWindow::ResultsWindow(const std::string& report, HelpRequests* help, FileChooser* chooser,
                             QWidget* parent, MessageSink* messages)
    : QDialog(parent),
      report_(report),
      shownText_(textFromBytes(report)),
      help_(help),
      chooser_(chooser),
      messages_(messages) {
  if (!messages_) {
    ownMessages_ = std::make_unique<MessageBoxes>(this);
    messages_ = ownMessages_.get();
  }
  setObjectName(QStringLiteral("Results"));
  setWindowTitle(QStringLiteral("Analysis Results"));

  reportBox_ = new QPlainTextEdit(this);
  reportBox_->setObjectName(QStringLiteral("rtb_1"));
  reportBox_->setReadOnly(true);
  reportBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
  reportBox_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  reportBox_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  auto makeButton = [this](const char* name, const char* text) {
    auto* button = new QPushButton(QString::fromLatin1(text), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
  };
  okButton_ = makeButton("cb_OK", "&OK");
  printButton_ = makeButton("cb_Print", "&Print");
  saveButton_ = makeButton("cb_Save", "&Save");
  helpButton_ = makeButton("cb_Help", "&Help");
  plotsButton_ = makeButton("cb_Plots", "P&lots");
  exportButton_ = makeButton("cb_Export", "&Export...");
  plotsButton_->setEnabled(false);
  exportButton_->setEnabled(false);
  okButton_->setDefault(true);

  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(saveButton_, &QPushButton::clicked, this, [this] { saveResults(); });
  connect(printButton_, &QPushButton::clicked, this, [this] { printResults(); });
  connect(plotsButton_, &QPushButton::clicked, this, [this] { showPlots(); });
  connect(exportButton_, &QPushButton::clicked, this, [this] { exportResults(); });
  connect(helpButton_, &QPushButton::clicked, this, [this] {
    if (help_) help_->showTopic(QString::fromLatin1(kResultsHelpTopic));
  });

  // Creation: the remembered folder, the fixed-pitch font, the text, and
  // the caret at the top so the report shows from its first line.
  loadResultsFolder(resultsFolder_);
  reportBox_->setFont(reportFont());
  shownText_.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  reportBox_->setPlainText(shownText_);
  reportBox_->moveCursor(QTextCursor::Start);
  reportBox_->ensureCursorVisible();

  const QFontMetrics metrics(font());
  const double unitX = metrics.averageCharWidth() / 4.0;
  const double unitY = metrics.height() / 8.0;
  resize(int(kDesignWidth * unitX + 0.5), int(kDesignHeight * unitY + 0.5));
  placeControls();
}

ResultsWindow::~ResultsWindow() = default;

void ResultsWindow::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  placeControls();
}

// The text box keeps its margins and takes the rest of the window; the
// buttons keep their design size and their places relative to the window's
// centre line and bottom edge.
void ResultsWindow::placeControls() {
  const QFontMetrics metrics(font());
  const double unitX = metrics.averageCharWidth() / 4.0;
  const double unitY = metrics.height() / 8.0;
  auto px = [](double units, double scale) { return int(units * scale + 0.5); };

  const int bottomBand = px(kDesignHeight - kButtonTop, unitY);
  const int marginX = px(kMargin, unitX);
  const int marginY = px(kMargin, unitY);
  const int boxBottomGap = px(kButtonTop - (kMargin + 245), unitY);
  reportBox_->setGeometry(marginX, marginY, std::max(0, width() - 2 * marginX),
                          std::max(0, height() - marginY - bottomBand - boxBottomGap));

  const int buttonTop = height() - bottomBand;
  const int centre = width() / 2;
  // The four buttons of the design, then Plots and Export to their right.
  const int lefts[] = {119, 177, 233, 287, 341, 395};
  QPushButton* buttons[] = {okButton_,   printButton_, saveButton_,
                            helpButton_, plotsButton_, exportButton_};
  for (int i = 0; i < 6; ++i) {
    const int left = centre + px(lefts[i] - kDesignWidth / 2.0, unitX);
    buttons[i]->setGeometry(left, buttonTop, px(kButtonWidth, unitX), px(kButtonHeight, unitY));
  }
}

bool ResultsWindow::saveResults() {
  if (!chooser_) return false;
  const QList<FileFilter> filters = {
      {QStringLiteral("Text files (*.txt)"), QStringLiteral("*.txt")},
      {QStringLiteral("All files (*.*)"), QStringLiteral("*.*")}};
  const QString chosen =
      chooser_->saveFileName(QStringLiteral("Save Results to File"), resultsFolder_, filters)
          .trimmed();
  if (chosen.isEmpty()) return false;

  resultsFolder_ = folderOfPath(chosen);
  const QString path = withDefaultExtension(chosen, QStringLiteral("txt"));

  // The file holds what the batch run writes, the report's bytes and one
  // more line end, saved so that a failure never leaves half a report.
  const std::string problem =
      saveFileAtomically(QFile::encodeName(path).toStdString(), report_ + "\r\n");
  const bool written = problem.empty();
  if (!written) {
    const QString text = QStringLiteral("The results could not be saved to\n%1\n\n%2")
                             .arg(QDir::toNativeSeparators(path), QString::fromLocal8Bit(problem));
    messages_->inform("Save Error", text.toUtf8().constData());
  }

  storeLastPath(resultsFolder_);
  return written;
}

int ResultsWindow::printResults() {
  if (printerOverride_) return printTo(*printerOverride_);
  QPrinter printer(QPrinter::HighResolution);
  QPrintDialog dialog(&printer, this);
  if (dialog.exec() != QDialog::Accepted) return 0;
  return printTo(printer);
}

void ResultsWindow::setRun(const LaminateData* data, const QString& dataFilePath) {
  run_ = data;
  dataFilePath_ = dataFilePath;
  plotsButton_->setEnabled(run_ != nullptr);
  exportButton_->setEnabled(run_ != nullptr && chooser_ != nullptr);
}

void ResultsWindow::showPlots() {
  if (run_ == nullptr) return;
  PlotsWindow plots(*run_, chooser_, messages_, &resultsFolder_, this);
  plots.exec();
}

bool ResultsWindow::exportResults() {
  if (run_ == nullptr || chooser_ == nullptr) return false;
  return exportResultsCommand({run_, shownText_, dataFilePath_}, *chooser_, resultsFolder_,
                              *messages_);
}

int ResultsWindow::printTo(QPrinter& printer) { return printReport(shownText_, printer); }

}  // namespace vc::forms
