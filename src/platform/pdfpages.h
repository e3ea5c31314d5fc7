#pragma once
// A formatted document on pages: painted on a printer or written as a PDF file.
#include <QString>

#include <functional>

class QPagedPaintDevice;
class QPainter;
class QRectF;
class QTextDocument;

namespace lumora::pages {

// Called after each page with the pages done and their number; false stops.
using Progress = std::function<bool(int done, int pages)>;

// Draws on a page what the document's layout does not draw itself, in the document's
// coordinates; page is the part of the document the page shows.
using Extras = std::function<void(QPainter &painter, const QTextDocument &document, const QRectF &page)>;

// Lays the document out for device and paints it page by page, with extras on each.
// Returns false when the device could not be painted on (a printer that failed) or
// progress stopped it.
bool paint(QTextDocument &document, QPagedPaintDevice &device, const Progress &progress = {},
           const Extras &extras = {});

// Writes the document as an A4 PDF file whose title is title. The file is written whole
// beside the target and then put in its place, so a failure leaves no half file and
// keeps an older file of that name; progress stopping it writes nothing. Throws
// FileCreateError when the file cannot be written, and what fileops::SafeFile throws
// (a full disk, a link out of the folder).
void writePdf(const QTextDocument &document, const QString &title, const QString &path, const Progress &progress = {},
              const Extras &extras = {});

} // namespace lumora::pages
