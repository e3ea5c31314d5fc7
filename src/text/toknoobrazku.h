#pragma once
// The picture window: shows a lesson's picture fitted to the window (never enlarged
// past its own size unless asked), with Ctrl+plus, Ctrl+minus, the wheel with Ctrl,
// Ctrl+0 (fit again) and Ctrl+1 (actual size); the window can be resized. A picture
// too large to keep whole in memory is read scaled down.
#include "text/picturecanvas.h"

#include <QDialog>

class QPushButton;
class QScrollArea;

namespace lumora {

class Session;

class TOknoObrazku : public QDialog {
    Q_OBJECT
public:
    TOknoObrazku(Session &session, QWidget *parent = nullptr);

    QString picturePath; // full path of the picture, set by the opener

    // The most pixels a picture is kept with; larger ones are read scaled down.
    static constexpr qint64 MaxPixels = 40'000'000;

    QScrollArea *scrollArea = nullptr;
    PictureCanvas *Image1 = nullptr; // the picture
    QPushButton *Button1 = nullptr;  // "Zavri"

    // Captions and the picture; throws FileFormatError for a file that is no picture.
    void FormActivate();

    // The scale shown (1 is the picture's own size), and whether it follows the window.
    double scale() const { return m_scale; }
    bool fitted() const { return m_fit; }
    void zoomBy(int steps);
    void fitToWindow();
    void actualSize();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setScale(double scale);
    double fitScale() const;

    Session &m_session;
    double m_scale = 1;
    bool m_fit = true;
    double m_readScale = 1; // below 1 when the picture was read scaled down
};

} // namespace lumora
