#pragma once
// The main window's side of the learner's own notes and links: the "Vlastné" menu
// entries, the notes button and the two links boxes of a level window. The window
// keeps the controls and forwards its handlers here.
#include <QObject>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;

namespace lumora {
class Session;
}

namespace lumora::personal {

// What the notes, links and copying need of a level window.
class PersonalHost {
public:
    struct Controls {
        QWidget *window = nullptr;
        QPushButton *notesButton = nullptr;
        QComboBox *courseLinks = nullptr;
        QComboBox *ownLinks = nullptr;
        QLabel *ownLinksLabel = nullptr;
        QMenu *menu = nullptr;
        QAction *notes = nullptr;
        QAction *links = nullptr;
        QAction *copy = nullptr;
        QAction *exportEntry = nullptr;
    };
    virtual Controls personalControls() const = 0;
    // Lays the button column out again where it stands (the notes button came or went).
    virtual void relayOutColumn() = 0;
    // The save question of a lesson text being edited, before the notes open.
    virtual void offerToSaveText() = 0;

protected:
    ~PersonalHost() = default;
};

class PersonalMenu : public QObject {
public:
    // Connects the window's entries, button and boxes to the handlers below.
    PersonalMenu(Session &session, PersonalHost &host);

    void Poznmky1Click();
    void Button1Click(); // the notes button
    void Odkazy1Click();
    void ComboBox1Click(int index);
    void ComboBox2Click(int index);
    void ComboBox2Change(int index);
    void Koprovanie1Click();
    void Export1Click();

    // The screen's notes button and own-links box as the work folder now has them.
    void refreshScreen();

private:
    void showNotes();
    void fillOwnLinks();

    Session &m_session;
    PersonalHost &m_host;
    PersonalHost::Controls m_controls;
};

} // namespace lumora::personal
