#include "platform/pdfpages.h"

#include "platform/errors.h"
#include "platform/safefile.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextDocument>

#include <memory>

namespace lumora::pages {

bool paint(QTextDocument &document, QPagedPaintDevice &device, const Progress &progress, const Extras &extras)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    document.documentLayout()->setPaintDevice(&device);
    const QSizeF page(device.width(), device.height());
    document.setPageSize(page);
    const int count = document.pageCount();
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !device.newPage())
            return false;
        painter.save();
        painter.translate(0, -i * page.height());
        const QRectF shown(QPointF(0, i * page.height()), page);
        document.drawContents(&painter, shown);
        if (extras) {
            painter.setClipRect(shown);
            extras(painter, document, shown);
        }
        painter.restore();
        if (progress && !progress(i + 1, count))
            return false;
    }
    return painter.end();
}

void writePdf(const QTextDocument &document, const QString &title, const QString &path, const Progress &progress,
              const Extras &extras)
{
    fileops::SafeFile file(path);
    file.open();
    {
        QPdfWriter pdf(&file.device());
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Lumora"));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        pdf.setResolution(300);
        // The layout for the PDF's resolution is made on a copy: the caller's document
        // keeps its own.
        const std::unique_ptr<QTextDocument> copy(document.clone());
        bool stopped = false;
        const Progress watch = [&](int done, int count) {
            stopped = progress && !progress(done, count);
            return !stopped;
        };
        if (!paint(*copy, pdf, watch, extras)) {
            if (stopped)
                return; // the temporary goes with file
            // A full disk ends the painting too: finish() names it.
            file.finish();
            throw FileCreateError(path);
        }
    }
    // Every byte the PDF writer wrote is checked here, before the old file is replaced.
    file.commit();
}

} // namespace lumora::pages
