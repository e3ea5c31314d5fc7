#include "export/lessonhtml.h"

#include "rtf/rtflists.h"
#include "rtf/rtfpicture.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextList>
#include <QTextTable>
#include <QUrl>

namespace lumora::exporting {

QString escapeHtml(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&': out += QLatin1String("&amp;"); break;
        case u'<': out += QLatin1String("&lt;"); break;
        case u'>': out += QLatin1String("&gt;"); break;
        case u'"': out += QLatin1String("&quot;"); break;
        case u'\'': out += QLatin1String("&#39;"); break;
        default:
            // Control characters have no place in a page.
            if (c.unicode() < 0x20 && c != u'\n' && c != u'\t')
                out += u' ';
            else
                out += c;
        }
    }
    return out;
}

QString safeLinkTarget(const QString &given)
{
    QString address = given.trimmed();
    if (address.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        address.prepend(QStringLiteral("http://"));
    for (const char *scheme : {"http://", "https://", "ftp://", "mailto:"}) {
        if (address.startsWith(QLatin1String(scheme), Qt::CaseInsensitive) && address.size() > int(qstrlen(scheme))) {
            // Percent-encoded: spaces, letters outside ASCII and "<", ">" or quotes as escapes.
            const QUrl url(address, QUrl::TolerantMode);
            return url.isValid() ? url.toString(QUrl::FullyEncoded) : QString();
        }
    }
    return QString();
}

namespace {

QString colourText(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

class Writer {
public:
    Writer(const QTextDocument &doc, const PictureSink &pictures, const QString &pictureText)
        : m_doc(doc), m_pictures(pictures), m_pictureText(pictureText)
    {}

    QString run()
    {
        writeFrame(m_doc.rootFrame());
        closeLists(0);
        return m_out;
    }

private:
    void writeFrame(QTextFrame *frame)
    {
        for (auto it = frame->begin(); !it.atEnd(); ++it) {
            if (QTextFrame *child = it.currentFrame()) {
                closeLists(0);
                if (auto *table = qobject_cast<QTextTable *>(child))
                    writeTable(table);
                else
                    writeFrame(child);
            } else {
                writeBlock(it.currentBlock());
            }
        }
    }

    void writeTable(QTextTable *table)
    {
        // The table scrolls in its own box on a narrow screen; its header rows get <th>.
        m_out += QLatin1String("<div class=\"table\">\n<table>\n");
        const int headers = table->format().headerRowCount();
        for (int r = 0; r < table->rows(); ++r) {
            const QLatin1String tag = r < headers ? QLatin1String("th") : QLatin1String("td");
            m_out += QLatin1String("<tr>");
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                if (!cell.isValid() || cell.row() != r || cell.column() != c)
                    continue; // covered by a span
                m_out += u'<' + tag;
                if (cell.rowSpan() > 1)
                    m_out += QStringLiteral(" rowspan=\"%1\"").arg(cell.rowSpan());
                if (cell.columnSpan() > 1)
                    m_out += QStringLiteral(" colspan=\"%1\"").arg(cell.columnSpan());
                m_out += u'>';
                writeCell(cell);
                m_out += QLatin1String("</") + tag + u'>';
            }
            m_out += QLatin1String("</tr>\n");
        }
        m_out += QLatin1String("</table>\n</div>\n");
    }

    void writeCell(const QTextTableCell &cell)
    {
        // A cell of one plain paragraph holds its text alone.
        auto first = cell.begin();
        if (!first.atEnd() && !first.currentFrame()) {
            auto next = first;
            ++next;
            const QTextBlock block = first.currentBlock();
            if (next.atEnd() && !block.textList() && block.blockFormat().headingLevel() == 0) {
                writeInline(block);
                return;
            }
        }
        for (auto it = cell.begin(); !it.atEnd(); ++it) {
            if (QTextFrame *child = it.currentFrame()) {
                closeLists(0);
                if (auto *inner = qobject_cast<QTextTable *>(child))
                    writeTable(inner);
                else
                    writeFrame(child);
            } else {
                writeBlock(it.currentBlock());
            }
        }
        closeLists(0);
    }

    static QString listTag(const QTextListFormat &format, QString *attributes)
    {
        switch (rtf::shownListStyle(format)) {
        case QTextListFormat::ListDecimal: *attributes = QString(); return QStringLiteral("ol");
        case QTextListFormat::ListLowerAlpha: *attributes = QStringLiteral(" type=\"a\""); return QStringLiteral("ol");
        case QTextListFormat::ListUpperAlpha: *attributes = QStringLiteral(" type=\"A\""); return QStringLiteral("ol");
        case QTextListFormat::ListLowerRoman: *attributes = QStringLiteral(" type=\"i\""); return QStringLiteral("ol");
        case QTextListFormat::ListUpperRoman: *attributes = QStringLiteral(" type=\"I\""); return QStringLiteral("ol");
        case QTextListFormat::ListCircle:
            *attributes = QStringLiteral(" style=\"list-style-type:circle\"");
            return QStringLiteral("ul");
        case QTextListFormat::ListSquare:
            *attributes = QStringLiteral(" style=\"list-style-type:square\"");
            return QStringLiteral("ul");
        default: *attributes = QString(); return QStringLiteral("ul");
        }
    }

    // Closes open lists until depth of them remain.
    void closeLists(qsizetype depth)
    {
        while (m_lists.size() > depth) {
            m_out += QLatin1String("</li></") + m_lists.last().tag + QLatin1String(">\n");
            m_lists.removeLast();
        }
    }

    void writeBlock(const QTextBlock &block)
    {
        QTextList *list = block.textList();
        if (!list) {
            closeLists(0);
            writeParagraph(block);
            return;
        }
        // A list met again continues where it stood; a list of a deeper indent opens
        // inside the item before it.
        qsizetype at = -1;
        for (qsizetype i = 0; i < m_lists.size(); ++i) {
            if (m_lists.at(i).list == list)
                at = i;
        }
        if (at >= 0) {
            closeLists(at + 1);
            m_out += QLatin1String("</li>\n<li>");
        } else {
            while (!m_lists.isEmpty() && m_lists.last().list->format().indent() >= list->format().indent())
                closeLists(m_lists.size() - 1);
            QString attributes;
            const QString tag = listTag(list->format(), &attributes);
            const int index = list->itemNumber(block);
            // A list may start at any number; one met again after a table, say, goes on counting.
            const int start = rtf::listStart(list->format()) + index;
            if (tag == QLatin1String("ol") && start != 1)
                attributes += QStringLiteral(" start=\"%1\"").arg(start);
            m_out += u'<' + tag + attributes + QLatin1String(">\n<li>");
            m_lists.append({list, tag});
        }
        writeInline(block);
    }

    void writeParagraph(const QTextBlock &block)
    {
        const QTextBlockFormat format = block.blockFormat();
        const int heading = format.headingLevel();
        const QString tag = heading >= 1 && heading <= 6 ? QStringLiteral("h%1").arg(heading) : QStringLiteral("p");
        m_out += u'<' + tag;
        const Qt::Alignment align = format.alignment() & Qt::AlignHorizontal_Mask;
        if (align & Qt::AlignHCenter)
            m_out += QLatin1String(" style=\"text-align:center\"");
        else if (align & Qt::AlignRight)
            m_out += QLatin1String(" style=\"text-align:right\"");
        else if (align & Qt::AlignJustify)
            m_out += QLatin1String(" style=\"text-align:justify\"");
        m_out += u'>';
        if (block.length() <= 1)
            m_out += QLatin1String("<br>");
        else
            writeInline(block);
        m_out += QLatin1String("</") + tag + QLatin1String(">\n");
    }

    void writeInline(const QTextBlock &block)
    {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                for (int i = 0; i < fragment.length(); ++i)
                    writePicture(format.toImageFormat());
                continue;
            }
            if (format.objectType() != QTextFormat::NoObject)
                continue; // hidden text and other objects take no room in the pane
            QString text = fragment.text();
            text.remove(QChar::ObjectReplacementCharacter);
            if (text.isEmpty())
                continue;
            writeText(format, text);
        }
    }

    void writeText(const QTextCharFormat &format, const QString &text)
    {
        QString open, close;
        const auto wrap = [&](const QString &tag, const QString &attributes = QString()) {
            open += u'<' + tag + attributes + u'>';
            close.prepend(QLatin1String("</") + tag + u'>');
        };
        if (format.isAnchor()) {
            const QString target = safeLinkTarget(format.anchorHref());
            if (!target.isEmpty())
                wrap(QStringLiteral("a"), QLatin1String(" href=\"") + escapeHtml(target) + u'"');
        }
        QString style;
        if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush)
            style += QLatin1String("color:") + colourText(format.foreground().color()) + u';';
        if (format.hasProperty(QTextFormat::BackgroundBrush) && format.background().style() != Qt::NoBrush)
            style += QLatin1String("background-color:") + colourText(format.background().color()) + u';';
        if (!style.isEmpty())
            wrap(QStringLiteral("span"), QLatin1String(" style=\"") + style + u'"');
        if (format.fontWeight() >= QFont::DemiBold)
            wrap(QStringLiteral("b"));
        if (format.fontItalic())
            wrap(QStringLiteral("i"));
        if (format.fontUnderline() && !format.isAnchor())
            wrap(QStringLiteral("u"));
        if (format.fontStrikeOut())
            wrap(QStringLiteral("s"));
        if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
            wrap(QStringLiteral("sup"));
        else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
            wrap(QStringLiteral("sub"));
        QString body = escapeHtml(text);
        body.replace(QChar::LineSeparator, QLatin1String("<br>"));
        body.replace(QChar(0x2029), QLatin1String("<br>"));
        body.replace(u'\t', QLatin1String(" &emsp;"));
        m_out += open + body + close;
    }

    void writePicture(const QTextImageFormat &format)
    {
        if (!m_pictures)
            return;
        LessonPicture picture;
        const QByteArray group = format.property(rtf::PictureGroupProperty).toByteArray();
        if (!group.isEmpty()) {
            const rtf::PictureData data = rtf::parsePicture(group);
            if (data.kind == rtf::PictureData::Kind::Png && !data.data.isEmpty())
                picture = {data.data, QStringLiteral("png")};
            else if (data.kind == rtf::PictureData::Kind::Jpeg && !data.data.isEmpty())
                picture = {data.data, QStringLiteral("jpg")};
        }
        if (picture.bytes.isEmpty()) {
            // Shown as the pane shows it (a picture of another kind as its placeholder).
            const QVariant resource = m_doc.resource(QTextDocument::ImageResource, QUrl(format.name()));
            QImage image = resource.value<QImage>();
            if (image.isNull())
                image.loadFromData(resource.toByteArray());
            if (image.isNull())
                return;
            QBuffer buffer(&picture.bytes);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "PNG");
            picture.extension = QStringLiteral("png");
        }
        const QString address = m_pictures(picture);
        if (address.isEmpty())
            return;
        m_out += QLatin1String("<img src=\"") + escapeHtml(address) + QLatin1String("\" alt=\"")
            + escapeHtml(m_pictureText) + u'"';
        if (format.width() > 0)
            m_out += QStringLiteral(" width=\"%1\"").arg(qRound(format.width()));
        if (format.height() > 0)
            m_out += QStringLiteral(" height=\"%1\"").arg(qRound(format.height()));
        m_out += u'>';
    }

    struct OpenList {
        QTextList *list = nullptr;
        QString tag;
    };
    const QTextDocument &m_doc;
    const PictureSink &m_pictures;
    const QString m_pictureText;
    QString m_out;
    QList<OpenList> m_lists;
};

} // namespace

QString lessonHtml(const QTextDocument &doc, const PictureSink &pictures, const QString &pictureText)
{
    return Writer(doc, pictures, pictureText).run();
}

} // namespace lumora::exporting
