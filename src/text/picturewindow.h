#pragma once
// The picture window: shows a lesson's picture, scrollable when larger than the window.
#include <QDialog>

class QLabel;
class QPushButton;
class QScrollArea;

namespace lumora {

class Session;

class TOknoObrazku : public QDialog {
    Q_OBJECT
public:
    TOknoObrazku(Session &session, QWidget *parent = nullptr);

    QString picturePath;   // full path of the picture, set by the opener

    QScrollArea *scrollArea = nullptr;
    QLabel *Image1 = nullptr;             // the picture
    QPushButton *Button1 = nullptr;       // "Zavri"

    // Captions and the picture; throws FileFormatError for a file that is no picture.
    void FormActivate();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Session &m_session;
};

} // namespace lumora
