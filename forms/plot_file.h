// Plots saved as files: PNG, SVG or PDF, each laid out at one size so that
// the lettering keeps its proportion to the drawing in every kind of file,
// and written through the atomic save.
#pragma once

#include <QByteArray>
#include <QList>
#include <QSizeF>
#include <QString>

#include "app/file_chooser.h"
#include "engine/messages.h"

namespace vc::forms {

class PlotView;

enum class PlotFileType : int { Png = 0, Svg = 1, Pdf = 2 };

// The size in pixels at which plots are laid out for files and paper.
QSizeF plotLayoutSize();

// "PNG images (*.png)", "SVG drawings (*.svg)", "PDF documents (*.pdf)", in
// the order of PlotFileType.
QList<FileFilter> plotFileFilters();

// The whole file: a PNG of twice the layout size, an SVG of the layout
// size, or a one-page landscape PDF with the plot's heading.
QByteArray plotFileBytes(PlotView& plot, PlotFileType type);

// The "Export Plot" command: the save dialog starts in `folder`; the file's
// kind follows its extension or else the chosen filter. `folder` becomes
// the chosen file's folder and is stored as LastPath. A file that cannot be
// written is reported ("Export Error"). Returns whether a file was written.
bool exportPlotCommand(PlotView& plot, FileChooser& chooser, QString& folder,
                       MessageSink& messages);

// Writes `bytes` to `path` through the atomic save; reports a failure with
// `caption` and `what` ("The plot") to `messages`. Returns whether written.
bool saveExportedFile(const QString& path, const QByteArray& bytes, const char* caption,
                      const QString& what, MessageSink& messages);

}  // namespace vc::forms
