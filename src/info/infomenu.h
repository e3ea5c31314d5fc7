#pragma once
// The menu "O aplikácii" of a level window: each entry shows its information window
// modally and releases it when it closes. The window keeps the entries and forwards
// its handlers here.
#include <QObject>

class QAction;
class QWidget;

namespace lumora {
class Session;
}

namespace lumora::info {

// The entries of the menu and the window the information windows belong to.
struct InfoMenuEntries {
    QWidget *window = nullptr;
    QAction *about = nullptr;      // "O programe"
    QAction *feedback = nullptr;   // "Ohlasy autorom"
    QAction *credits = nullptr;    // "Ochranné známky"
};

class InfoMenu : public QObject {
public:
    // Connects the entries to the handlers below; owned by the window.
    InfoMenu(Session &session, const InfoMenuEntries &entries);

    void Oprograme1Click();
    void Ohlasyautorom1Click();
    void Reklama1Click();

private:
    Session &m_session;
    InfoMenuEntries m_entries;
};

} // namespace lumora::info
