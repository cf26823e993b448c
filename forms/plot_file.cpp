#include "forms/plot_file.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <string>

#include "app/chosen_file_type.h"
#include "app/settings_store.h"
#include "fileio/atomic_save.h"
#include "forms/plot_view.h"

namespace vc::forms {

QSizeF plotLayoutSize() { return QSizeF(780.0, 520.0); }

QList<FileFilter> plotFileFilters() {
  return {{QStringLiteral("PNG images (*.png)"), QStringLiteral("*.png")},
          {QStringLiteral("SVG drawings (*.svg)"), QStringLiteral("*.svg")},
          {QStringLiteral("PDF documents (*.pdf)"), QStringLiteral("*.pdf")}};
}

QByteArray plotFileBytes(PlotView& plot, PlotFileType type) {
  const QSizeF layout = plotLayoutSize();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  switch (type) {
    case PlotFileType::Png: {
      QImage image((layout * 2.0).toSize(), QImage::Format_RGB32);
      image.fill(Qt::white);
      {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        plot.paintPlot(painter, QRectF(QPointF(0, 0), layout * 2.0), layout);
      }
      image.save(&buffer, "PNG");
      break;
    }
    case PlotFileType::Svg: {
      QSvgGenerator svg;
      svg.setOutputDevice(&buffer);
      svg.setSize(layout.toSize());
      svg.setViewBox(QRectF(QPointF(0, 0), layout));
      svg.setTitle(plot.heading());
      svg.setDescription(QStringLiteral("Vellacore"));
      QPainter painter(&svg);
      plot.paintPlot(painter, QRectF(QPointF(0, 0), layout), layout);
      break;
    }
    case PlotFileType::Pdf: {
      QPdfWriter pdf(&buffer);
      pdf.setCreator(QStringLiteral("Vellacore"));
      pdf.setTitle(plot.heading());
      pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                    QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
      QPainter painter(&pdf);
      const QRectF page(0, 0, pdf.width(), pdf.height());
      QFont font = painter.font();
      font.setPointSizeF(12);
      painter.setFont(font);
      const qreal headingHeight = QFontMetricsF(font, &pdf).height() * 1.5;
      painter.drawText(QRectF(0, 0, page.width(), headingHeight), Qt::AlignLeft | Qt::AlignTop,
                       plot.heading());
      plot.paintPlot(painter, page.adjusted(0, headingHeight, 0, 0), layout);
      break;
    }
  }
  return bytes;
}

bool saveExportedFile(const QString& path, const QByteArray& bytes, const char* caption,
                      const QString& what, MessageSink& messages) {
  const std::string problem = saveFileAtomically(QFile::encodeName(path).toStdString(),
                                                 std::string(bytes.constData(), bytes.size()));
  if (problem.empty()) return true;
  const QString text =
      QStringLiteral("%1 could not be saved to\n%2\n\n%3")
          .arg(what, QDir::toNativeSeparators(path), QString::fromLocal8Bit(problem.c_str()));
  messages.inform(caption, text.toUtf8().constData());
  return false;
}

bool exportPlotCommand(PlotView& plot, FileChooser& chooser, QString& folder,
                       MessageSink& messages) {
  const QList<FileFilter> filters = plotFileFilters();
  int chosenFilter = 0;
  const QString chosen =
      chooser.saveFileNameOfType(QStringLiteral("Export Plot"), folder, filters, chosenFilter);
  if (chosen.trimmed().isEmpty()) return false;
  const ChosenFileType file = chosenFileType(chosen, filters, chosenFilter);
  folder = folderOfPath(file.path);
  const bool written = saveExportedFile(file.path, plotFileBytes(plot, PlotFileType(file.filter)),
                                        "Export Error", QStringLiteral("The plot"), messages);
  storeLastPath(folder);
  return written;
}

}  // namespace vc::forms
