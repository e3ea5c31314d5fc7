#pragma once
// The about, feedback and credits windows, reached from the menu "O aplikácii".
#include "info/infowindow.h"

#include <array>

class QLabel;

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
