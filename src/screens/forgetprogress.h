#pragma once
// "Vlastné → Vymazať postup kurzu…": after a question whose default is No, forgets the
// learner's progress in the current course (its notes and links stay) and takes the
// marks off the lesson buttons of the open screens. Offered only inside a course.
#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace lumora {

class Session;

namespace screens {

class ForgetProgress : public QObject {
public:
    // Adds the entry at the end of menu; window is the level window that owns it.
    ForgetProgress(Session &session, QWidget *window, QMenu *menu);

    void forget();

private:
    Session &m_session;
    QWidget *m_window;
    QAction *m_entry;
};

} // namespace screens
} // namespace lumora
