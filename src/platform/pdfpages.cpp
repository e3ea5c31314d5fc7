#include "platform/pdfpages.h"

#include "platform/errors.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileCreateError(path);
    {
        QPdfWriter pdf(&file);
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
            file.cancelWriting();
            if (stopped)
                return;
            throw FileCreateError(path);
        }
    }
    if (!file.commit())
        throw FileCreateError(path);
}

} // namespace lumora::pages
