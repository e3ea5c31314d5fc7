#include "text/pastefilter.h"

#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

#include <QImage>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace lumora::memo {

QByteArray pastedRichText(const QMimeData &data)
{
    for (const char *type : {"text/rtf", "application/rtf", "text/richtext"}) {
        const QByteArray bytes = data.data(QString::fromLatin1(type));
        if (rtf::isRichText(bytes))
            return bytes;
    }
    QTextDocument doc;
    if (data.hasHtml()) {
        // Pictures the page names by address are not fetched: they are dropped.
        doc.setHtml(data.html());
    } else if (data.hasImage()) {
        const QImage image = qvariant_cast<QImage>(data.imageData());
        if (image.isNull())
            return {};
        const QUrl name(QStringLiteral("pasted-picture"));
        doc.addResource(QTextDocument::ImageResource, name, image);
        QTextImageFormat format;
        format.setName(name.toString());
        format.setWidth(image.width());
        format.setHeight(image.height());
        QTextCursor(&doc).insertImage(format);
    } else {
        return {};
    }
    return rtf::write(doc);
}

} // namespace lumora::memo
