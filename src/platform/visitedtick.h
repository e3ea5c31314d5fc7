#pragma once
// The one picture of "visited": a tick in a round badge, in ink on paper with an ink
// outline. It is a shape, not a colour, so it reads in high contrast, in grey and at any
// scale; the lesson buttons and the course tree show the same picture.
#include <QColor>
#include <QIcon>
#include <QRectF>

class QPainter;

namespace lumora::visitedtick {

// Paints the badge into the square of side min(width, height) centred in area.
void paint(QPainter &painter, const QRectF &area, const QColor &ink, const QColor &paper);
// The badge as an icon of side pixels (for item views).
QIcon icon(int side, const QColor &ink, const QColor &paper);

} // namespace lumora::visitedtick
