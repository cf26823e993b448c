// The report on paper: each page is the paper cut down to whole inches, the
// text lies half an inch inside it on every side, and the report is laid out
// as it stands, one printed line per report line, never wrapped.
#pragma once

#include <QRect>
#include <QSizeF>
#include <QString>

class QPaintDevice;
class QPrinter;
class QTextDocument;

namespace vc::forms {

// The text rectangle of every page, in the coordinates that a painter on
// `printer` uses (which start at the corner of the printable area).
QRect printTextRectangle(QPrinter& printer);

// Lays `text` (the report, LF or CR LF line ends) out in `document` for
// `printer`: the report font, pages of the text rectangle's size.
void layOutForPrinting(QTextDocument& document, const QString& text, QPrinter& printer);

// The same for any paged device (a PDF writer) with pages of `pageSize`
// in the device's pixels.
void layOutReportPages(QTextDocument& document, const QString& text, QPaintDevice& device,
                       const QSizeF& pageSize);

// Prints `text` on `printer`, page after page. Returns the number of pages
// (0 when the paper has no room for text or the printer cannot start).
int printReport(const QString& text, QPrinter& printer);

}  // namespace vc::forms
