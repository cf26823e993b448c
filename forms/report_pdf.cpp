#include "forms/report_pdf.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include "forms/plot_file.h"
#include "forms/plot_view.h"
#include "forms/report_printing.h"

namespace vc::forms {

namespace {

// Margins in inches: the header sits in the top one.
constexpr qreal kSide = 0.75, kTop = 1.0, kBottom = 0.75, kHeaderLine = 0.7;

void drawHeader(QPainter& painter, QPdfWriter& pdf, const ReportPdfHeader& header, int page,
                int pages) {
  const qreal dpi = pdf.resolution();
  QFont font(QStringLiteral("Sans Serif"));
  font.setPointSizeF(8.5);
  painter.save();
  painter.setFont(font);
  painter.setPen(Qt::black);
  const QFontMetricsF metrics(font, &pdf);
  const QRectF band(kSide * dpi, kHeaderLine * dpi - metrics.height() * 1.3,
                    pdf.width() - 2 * kSide * dpi, metrics.height());
  const QString name =
      header.dataFileName.isEmpty() ? QStringLiteral("(no data file)") : header.dataFileName;
  painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter,
                   metrics.elidedText(name, Qt::ElideMiddle, band.width() / 2.5));
  painter.drawText(band, Qt::AlignHCenter | Qt::AlignVCenter, header.date.toString(Qt::ISODate));
  painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter,
                   QStringLiteral("Page %1 of %2").arg(page).arg(pages));
  painter.setPen(QPen(Qt::black, dpi / 144.0));
  painter.drawLine(QPointF(band.left(), kHeaderLine * dpi),
                   QPointF(band.right(), kHeaderLine * dpi));
  painter.restore();
}

}  // namespace

QByteArray reportPdf(const QString& reportText, const ReportPdfHeader& header,
                     const QList<PlotView*>& plots) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setCreator(QStringLiteral("Vellacore"));
  pdf.setTitle(QStringLiteral("Analysis Results"));
  const bool us = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
  pdf.setPageLayout(QPageLayout(QPageSize(us ? QPageSize::Letter : QPageSize::A4),
                                QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
  const qreal dpi = pdf.resolution();
  const QRectF text(kSide * dpi, kTop * dpi, pdf.width() - 2 * kSide * dpi,
                    pdf.height() - (kTop + kBottom) * dpi);

  QTextDocument document;
  layOutReportPages(document, reportText, pdf, text.size());
  const int reportPages = document.pageCount();
  const int pages = reportPages + int(plots.size());

  QPainter painter;
  if (!painter.begin(&pdf)) return {};
  for (int page = 0; page < reportPages; ++page) {
    if (page > 0) pdf.newPage();
    drawHeader(painter, pdf, header, page + 1, pages);
    painter.save();
    painter.translate(text.left(), text.top() - page * text.height());
    document.drawContents(&painter, QRectF(0, page * text.height(), text.width(), text.height()));
    painter.restore();
  }
  for (int i = 0; i < plots.size(); ++i) {
    if (reportPages + i > 0) pdf.newPage();
    drawHeader(painter, pdf, header, reportPages + i + 1, pages);
    QFont font(QStringLiteral("Sans Serif"));
    font.setPointSizeF(12);
    painter.setFont(font);
    const qreal headingHeight = QFontMetricsF(font, &pdf).height() * 2;
    painter.drawText(QRectF(text.left(), text.top(), text.width(), headingHeight),
                     Qt::AlignLeft | Qt::AlignTop, plots[i]->heading());
    const QSizeF layout = plotLayoutSize();
    const QRectF area(text.left(), text.top() + headingHeight, text.width(),
                      text.width() * layout.height() / layout.width());
    plots[i]->paintPlot(painter, area, layout);
  }
  painter.end();
  return bytes;
}

}  // namespace vc::forms
