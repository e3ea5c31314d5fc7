#pragma once
// The picture of the picture window, drawn at the window's scale.
#include <QImage>
#include <QWidget>

namespace lumora {

// The picture at the window's scale; paints only what is in view.
class PictureCanvas : public QWidget {
    Q_OBJECT
public:
    explicit PictureCanvas(QWidget *parent = nullptr);
    void setImage(QImage image);
    const QImage &image() const { return m_image; }

signals:
    void zoomStepped(int steps); // the wheel turned with Ctrl held

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    QImage m_image;
    int m_wheelRest = 0;
};

} // namespace lumora
