#include "forms/report_printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextDocument>
#include <QTextOption>

#include "forms/report_font.h"

namespace vc::forms {

namespace {

// Whole inches of an extent, in device pixels.
int wholeInches(int extent, int dpi) { return dpi > 0 ? (extent / dpi) * dpi : 0; }

}  // namespace

QRect printTextRectangle(QPrinter& printer) {
  // The page is taken from the paper, not from the printable area inside the
  // printer's margins: the report's 80-column lines need the 7 inches of text
  // width that an 8-inch page leaves.
  const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
  const QRect printable = printer.pageRect(QPrinter::DevicePixel).toRect();
  const int dpiX = printer.logicalDpiX();
  const int dpiY = printer.logicalDpiY();
  const int width = wholeInches(paper.width(), dpiX) - dpiX;  // half an inch off each side
  const int height = wholeInches(paper.height(), dpiY) - dpiY;
  if (width <= 0 || height <= 0) return {};
  return QRect(paper.left() + dpiX / 2 - printable.left(), paper.top() + dpiY / 2 - printable.top(),
               width, height);
}

void layOutForPrinting(QTextDocument& document, const QString& text, QPrinter& printer) {
  layOutReportPages(document, text, printer, QSizeF(printTextRectangle(printer).size()));
}

void layOutReportPages(QTextDocument& document, const QString& text, QPaintDevice& device,
                       const QSizeF& pageSize) {
  document.documentLayout()->setPaintDevice(&device);
  document.setDocumentMargin(0);
  document.setDefaultFont(reportFont());
  QTextOption option = document.defaultTextOption();
  option.setWrapMode(QTextOption::NoWrap);
  document.setDefaultTextOption(option);
  document.setPageSize(pageSize);
  QString lines = text;
  lines.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  // The line end of the last line opens no further line: without this a
  // report that fills its last page exactly would print an empty page more.
  if (lines.endsWith(QLatin1Char('\n'))) lines.chop(1);
  document.setPlainText(lines);
}

int printReport(const QString& text, QPrinter& printer) {
  const QRect area = printTextRectangle(printer);
  if (area.isEmpty()) return 0;
  printer.setDocName(QStringLiteral("Analysis Results"));
  QTextDocument document;
  layOutForPrinting(document, text, printer);
  QPainter painter;
  if (!painter.begin(&printer)) return 0;
  const int pages = document.pageCount();
  const qreal pageHeight = area.height();
  for (int page = 0; page < pages; ++page) {
    if (page > 0) printer.newPage();
    painter.save();
    painter.translate(area.left(), area.top() - page * pageHeight);
    document.drawContents(&painter, QRectF(0, page * pageHeight, area.width(), pageHeight));
    painter.restore();
  }
  painter.end();
  return pages;
}

}  // namespace vc::forms
