// The report as a PDF document: the report's text typeset in the report
// font, page after page, and then the run's plots, one to a page. Every
// page has a header with the data file's name, the date and "Page n of N".
#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

namespace vc::forms {

class PlotView;

struct ReportPdfHeader {
  QString dataFileName;  // shown as it is; "(no data file)" when empty
  QDate date;
};

// The whole document. Pages are A4, or US Letter where the system's
// measurement system is the US one.
QByteArray reportPdf(const QString& reportText, const ReportPdfHeader& header,
                     const QList<PlotView*>& plots);

}  // namespace vc::forms
