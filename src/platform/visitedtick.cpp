#include "platform/visitedtick.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>

namespace lumora::visitedtick {

void paint(QPainter &painter, const QRectF &area, const QColor &ink, const QColor &paper)
{
    const qreal side = std::min(area.width(), area.height());
    if (side < 4)
        return;
    const QRectF box(area.center().x() - side / 2, area.center().y() - side / 2, side, side);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal outline = std::max<qreal>(1.0, side / 12);
    painter.setPen(QPen(ink, outline));
    painter.setBrush(paper);
    painter.drawEllipse(box.adjusted(outline / 2, outline / 2, -outline / 2, -outline / 2));
    QPainterPath tick;
    tick.moveTo(box.left() + side * 0.27, box.top() + side * 0.52);
    tick.lineTo(box.left() + side * 0.44, box.top() + side * 0.69);
    tick.lineTo(box.left() + side * 0.74, box.top() + side * 0.33);
    painter.setPen(QPen(ink, std::max<qreal>(1.5, side / 7), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tick);
    painter.restore();
}

QIcon icon(int side, const QColor &ink, const QColor &paper)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(painter, QRectF(0, 0, side, side), ink, paper);
    painter.end();
    return QIcon(pixmap);
}

} // namespace lumora::visitedtick
