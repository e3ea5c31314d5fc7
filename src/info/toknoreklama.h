#pragma once
// "Ochranné známky", reached from the menu "O aplikácii".
#include "info/infowindow.h"

#include <array>

class QLabel;

namespace lumora {

// Credits: five rows of a description and a clickable address, three further
// descriptions, the trademark notice and "OK"; every label from its key.
class TOknoReklama : public InfoWindow {
    Q_OBJECT
public:
    explicit TOknoReklama(Session &session, QWidget *parent = nullptr);

    // Label1 to Label10 (descriptions odd, addresses even), then Label11, Label13, Label15.
    std::array<QLabel *, 5> descriptions{};
    std::array<ClickLabel *, 5> addresses{};
    std::array<QLabel *, 3> extras{};
    QTextEdit *Memo1 = nullptr;
    QPushButton *Button1 = nullptr;
};

} // namespace lumora
