// The results window: the report of an interactive run in a read-only box
// in a fixed-pitch font, with commands to save it as a text file and to print
// it. Created for each run, shown modally, destroyed when closed.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <string>

#include "app/file_chooser.h"
#include "app/help_requests.h"
#include "engine/laminate_data.h"
#include "engine/messages.h"

class QPlainTextEdit;
class QPushButton;
class QPrinter;

namespace vc::forms {

// The results window (Results).
class ResultsWindow : public QDialog {
  Q_OBJECT

 public:
  // `report` is the report text as the batch run writes it, bytes and
  // all. `messages` receives the "Save Error" message; without one, a
  // message box of this window's own shows it.
  ResultsWindow(const std::string& report, HelpRequests* help, FileChooser* chooser,
                QWidget* parent = nullptr, MessageSink* messages = nullptr);
  ~ResultsWindow() override;

  // The folder the save dialog starts in, ending in '/' once set.
  const QString& resultsFolder() const { return resultsFolder_; }

  // The run behind the report, for the plots and the exports (their
  // buttons stay disabled without one): the record, which must outlive the
  // window, and the data file it came from (may be empty).
  void setRun(const LaminateData* data, const QString& dataFilePath);
  // Opens the plots window modally over this one.
  void showPlots();
  // Exports the results through the chooser's save dialog. Returns whether
  // a file was written.
  bool exportResults();

  // Saves the report through the chooser's save dialog. Returns whether a
  // file was written (false also when the user cancelled).
  bool saveResults();
  // Prints the report through the print dialog (or the printer given with
  // setPrinterOverride). Returns the number of pages printed.
  int printResults();
  // Prints the whole report on `printer`, page after page. Returns the
  // number of pages.
  int printTo(QPrinter& printer);
  // Tests print to a PDF printer of their own without a dialog.
  void setPrinterOverride(QPrinter* printer) { printerOverride_ = printer; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeControls();

  std::string report_;  // kept as bytes: saved as they are, decoded only to be shown
  QString shownText_;
  HelpRequests* help_;
  FileChooser* chooser_;
  MessageSink* messages_;
  std::unique_ptr<MessageSink> ownMessages_;
  QPrinter* printerOverride_ = nullptr;
  QString resultsFolder_;
  const LaminateData* run_ = nullptr;
  QString dataFilePath_;

  QPlainTextEdit* reportBox_;
  QPushButton* okButton_;
  QPushButton* printButton_;
  QPushButton* saveButton_;
  QPushButton* helpButton_;
  QPushButton* plotsButton_;
  QPushButton* exportButton_;
};

}  // namespace vc::forms
