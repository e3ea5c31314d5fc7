#pragma once
// "Ohlasy autorom", reached from the menu "O aplikácii".
#include "info/infowindow.h"

namespace lumora {

// Feedback: the fixed request for comments with the authors' addresses.
class TOknoOPrg : public InfoWindow {
    Q_OBJECT
public:
    explicit TOknoOPrg(Session &session, QWidget *parent = nullptr);

    QTextEdit *Memo1 = nullptr;
    ClickLabel *Label1 = nullptr;
    QTextEdit *Memo2 = nullptr;
    QTextEdit *Memo3 = nullptr;
    QPushButton *Button1 = nullptr;
};

} // namespace lumora
