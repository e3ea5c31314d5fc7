#pragma once
// "O programe", reached from the menu "O aplikácii".
#include "info/infowindow.h"

namespace lumora {

// About: the about text, the authors' e-mail address under it, and "OK".
class TOknoAbout : public InfoWindow {
    Q_OBJECT
public:
    explicit TOknoAbout(Session &session, QWidget *parent = nullptr);

    QTextEdit *Memo1 = nullptr;
    ClickLabel *Label1 = nullptr;
    QPushButton *c = nullptr;

    // Caption and text, set afresh on every activation.
    void FormActivate();

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace lumora
