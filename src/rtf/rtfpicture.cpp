#include "rtf/rtfpicture.h"

#include "rtf/rtflexer.h"
#include "rtf/rtfunits.h"

#include <QBuffer>
#include <QPainter>
#include <QTextDocument>
#include <QUrl>

#include <atomic>

namespace lumora::rtf {

namespace {

// Shown sizes stay within this many pixels either way.
constexpr int MaxShownPixels = 4000;
constexpr int PlaceholderPixels = 32;

// Hex digits to bytes; other characters (line ends, blanks) are passed over, and an odd
// digit at the end is dropped.
void appendHex(QByteArrayView text, QByteArray &out, int &high)
{
    for (const char c : text) {
        const int v = hexValue(c);
        if (v < 0)
            continue;
        if (high < 0) {
            high = v;
        } else {
            out.append(char(high << 4 | v));
            high = -1;
        }
    }
}

QString uniqueName()
{
    static std::atomic<quint64> counter{0};
    return QStringLiteral("rtf-picture:%1").arg(++counter);
}

QImage placeholder(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(224, 224, 224));
    QPainter painter(&image);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(0, 0, width - 1, height - 1);
    painter.drawLine(0, 0, width - 1, height - 1);
    painter.drawLine(0, height - 1, width - 1, 0);
    return image;
}

double shownPixels(int goalTwips, int scale, int natural)
{
    const double pixels = goalTwips > 0 ? twipsToPixels(goalTwips) * qBound(1, scale, 1000) / 100.0 : double(natural);
    return qBound(1.0, pixels, double(MaxShownPixels));
}

} // namespace

QTextImageFormat imageFormat(const QImage &image, double width, double height, QTextDocument &doc)
{
    const QString name = uniqueName();
    doc.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(width);
    format.setHeight(height);
    return format;
}

QTextImageFormat placeholderFormat(double width, double height, QTextDocument &doc)
{
    width = qBound(1.0, width, double(MaxShownPixels));
    height = qBound(1.0, height, double(MaxShownPixels));
    return imageFormat(placeholder(qRound(width), qRound(height)), width, height, doc);
}

PictureData parsePicture(QByteArrayView group)
{
    PictureData picture;
    Lexer lexer(group);
    int depth = 0;
    int high = -1;
    for (;;) {
        const Token t = lexer.next();
        switch (t.kind) {
        case Token::Kind::End: return picture;
        case Token::Kind::GroupStart: ++depth; break;
        case Token::Kind::GroupEnd:
            if (--depth <= 0)
                return picture;
            break;
        case Token::Kind::Text:
            if (depth == 1)
                appendHex(t.text, picture.data, high);
            break;
        case Token::Kind::Binary:
            if (depth == 1)
                picture.data.append(t.text.data(), t.text.size());
            break;
        case Token::Kind::Word:
            if (depth != 1)
                break;
            if (t.text == "pngblip")
                picture.kind = PictureData::Kind::Png;
            else if (t.text == "jpegblip")
                picture.kind = PictureData::Kind::Jpeg;
            if (t.text.endsWith("blip") || t.text == "wmetafile" || t.text == "dibitmap" || t.text == "wbitmap"
                || t.text == "macpict" || t.text == "pmmetafile") {
                picture.kindWord = t.text.toByteArray();
                if (t.hasParam)
                    picture.kindWord += QByteArray::number(t.param);
            } else if (t.text == "picwgoal")
                picture.goalWidth = qBound(0, t.param, MaxTwips * 4);
            else if (t.text == "pichgoal")
                picture.goalHeight = qBound(0, t.param, MaxTwips * 4);
            else if (t.text == "picscalex")
                picture.scaleX = t.param;
            else if (t.text == "picscaley")
                picture.scaleY = t.param;
            break;
        default: break;
        }
    }
}

namespace {

// A closed group holding what the picture held.
QByteArray closedGroup(const PictureData &picture)
{
    QByteArray out = "{\\pict";
    if (!picture.kindWord.isEmpty())
        out += "\\" + picture.kindWord;
    if (picture.goalWidth > 0)
        out += "\\picwgoal" + QByteArray::number(picture.goalWidth);
    if (picture.goalHeight > 0)
        out += "\\pichgoal" + QByteArray::number(picture.goalHeight);
    out += "\r\n";
    const QByteArray hex = picture.data.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128)
        out += hex.mid(i, 128) + "\r\n";
    return out + "}";
}

} // namespace

QTextImageFormat pictureFormat(QByteArrayView group, bool whole, QTextDocument &doc)
{
    const PictureData picture = parsePicture(group);
    QImage image;
    if (picture.kind != PictureData::Kind::Other)
        image.loadFromData(picture.data, picture.kind == PictureData::Kind::Png ? "PNG" : "JPEG");
    const bool shown = !image.isNull();
    const double width = shownPixels(picture.goalWidth, picture.scaleX, shown ? image.width() : PlaceholderPixels);
    const double height = shownPixels(picture.goalHeight, picture.scaleY, shown ? image.height() : PlaceholderPixels);
    QTextImageFormat format = shown ? imageFormat(image, width, height, doc) : placeholderFormat(width, height, doc);
    format.setProperty(PictureGroupProperty, whole ? group.toByteArray() : closedGroup(picture));
    return format;
}

QByteArray pngPictureGroup(const QImage &image, double width, double height)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    QByteArray out = "{\\pict\\pngblip\\picw" + QByteArray::number(image.width()) + "\\pich"
        + QByteArray::number(image.height()) + "\\picwgoal" + QByteArray::number(pixelsToTwips(width)) + "\\pichgoal"
        + QByteArray::number(pixelsToTwips(height)) + "\r\n";
    const QByteArray hex = png.toHex();
    for (qsizetype i = 0; i < hex.size(); i += 128)
        out += hex.mid(i, 128) + "\r\n";
    out += "}";
    return out;
}

} // namespace lumora::rtf
