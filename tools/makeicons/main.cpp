// Draws the program's icon for the desktop: the same picture as the program folder's
// "ikona.ico" (a deep blue disc with a white "L"), as a scalable SVG and as PNG files of
// the sizes asked for. Usage: makeicons <svg file> <png file>:<size>...
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include <cstdio>

namespace {

// The icon on its 32 × 32 grid: the disc, and the white bar and foot of the "L" inside it.
constexpr double Grid = 32;
constexpr double DiscRadius = 15;
const QColor Disc(20, 90, 160);
const QRectF Bar(13, 0, 6, 32);
const QRectF Foot(13, 22, 11, 4);

QString svg()
{
    return QStringLiteral(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" viewBox=\"0 0 %1 %1\">\n"
               "  <defs><clipPath id=\"disc\"><circle cx=\"16\" cy=\"16\" r=\"%2\"/></clipPath></defs>\n"
               "  <circle cx=\"16\" cy=\"16\" r=\"%2\" fill=\"%3\"/>\n"
               "  <g clip-path=\"url(#disc)\" fill=\"#ffffff\">\n"
               "    <rect x=\"%4\" y=\"%5\" width=\"%6\" height=\"%7\"/>\n"
               "    <rect x=\"%8\" y=\"%9\" width=\"%10\" height=\"%11\"/>\n"
               "  </g>\n"
               "</svg>\n")
        .arg(Grid)
        .arg(DiscRadius)
        .arg(Disc.name())
        .arg(Bar.x())
        .arg(Bar.y())
        .arg(Bar.width())
        .arg(Bar.height())
        .arg(Foot.x())
        .arg(Foot.y())
        .arg(Foot.width())
        .arg(Foot.height());
}

QImage png(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / Grid, size / Grid);
    QPainterPath disc;
    disc.addEllipse(QPointF(16, 16), DiscRadius, DiscRadius);
    painter.fillPath(disc, Disc);
    painter.setClipPath(disc);
    painter.fillRect(Bar, Qt::white);
    painter.fillRect(Foot, Qt::white);
    return image;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fputs("usage: makeicons <svg file> <png file>:<size>...\n", stderr);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(svg().toUtf8()) < 0) {
        std::fprintf(stderr, "makeicons: cannot write %s\n", argv[1]);
        return 1;
    }
    for (int i = 2; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        bool ok = false;
        const int size = arg.section(QLatin1Char(':'), -1).toInt(&ok);
        const QString path = arg.section(QLatin1Char(':'), 0, -2);
        if (!ok || size < 16 || size > 1024 || !png(size).save(path, "PNG")) {
            std::fprintf(stderr, "makeicons: cannot make %s\n", argv[i]);
            return 1;
        }
    }
    return 0;
}
