#include "text/picturecanvas.h"

#include "platform/wheelsteps.h"

#include <QAccessibleWidget>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>

namespace lumora {

namespace {

// A screen reader meets the picture as a picture, under the name the window gives it
// (the button's caption, else the file's name), with its size.
class PictureAccessible : public QAccessibleWidget, public QAccessibleImageInterface {
public:
    explicit PictureAccessible(PictureCanvas *canvas) : QAccessibleWidget(canvas, QAccessible::Graphic) {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ImageInterface)
            return static_cast<QAccessibleImageInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString imageDescription() const override { return widget()->accessibleName(); }
    QSize imageSize() const override { return widget()->size(); }
    QPoint imagePosition() const override { return widget()->mapToGlobal(QPoint(0, 0)); }
};

QAccessibleInterface *pictureFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("lumora::PictureCanvas") && object && object->isWidgetType())
        return new PictureAccessible(static_cast<PictureCanvas *>(object));
    return nullptr;
}

} // namespace

PictureCanvas::PictureCanvas(QWidget *parent) : QWidget(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(pictureFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

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
