#include "text/picturecanvas.h"

#include "platform/wheelsteps.h"

#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace lumora {

void PictureCanvas::setImage(QImage image)
{
    m_image = std::move(image);
    update();
}

void PictureCanvas::paintEvent(QPaintEvent *event)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.setRenderHint(QPainter::SmoothPixmapTransform, width() < m_image.width());
    // Only the part of the picture behind the exposed rectangle is scaled.
    const double sx = double(m_image.width()) / width();
    const double sy = double(m_image.height()) / height();
    const QRectF target = event->rect();
    const QRectF source(target.x() * sx, target.y() * sy, target.width() * sx, target.height() * sy);
    painter.drawImage(target, m_image, source);
}

void PictureCanvas::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QWidget::wheelEvent(event);
        return;
    }
    const int steps = wholeWheelSteps(*event, m_wheelRest);
    if (steps != 0)
        emit zoomStepped(steps);
    event->accept();
}

} // namespace lumora
