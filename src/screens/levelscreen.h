#pragma once
// The screen stack's side of one level window: the screen built when the window is first
// activated (the root screen with one button per course, or a content screen), its
// button column, moving between levels and running a lesson button's item. Made with the
// window as its parent; the window keeps its controls and forwards its handlers here.
#include "screens/buttoncolumn.h"
#include "screens/itemrunner.h"
#include "screens/navigation.h"
#include "screens/screenhost.h"

#include <QObject>
#include <QString>
#include <QStringList>

namespace lumora {

class Session;

namespace screens {

class CourseProgressView;

class LevelScreen : public QObject {
    Q_OBJECT
public:
    LevelScreen(Session &session, ScreenHost &host);

    // The screens of a level window; nullptr for any other object.
    static LevelScreen *of(const QObject *window);

    Session &session() const { return m_session; }
    ScreenHost &host() const { return m_host; }
    const ScreenControls &controls() const { return m_c; }
    ButtonColumn &column() { return m_column; }
    Navigation &navigation() { return m_navigation; }
    ItemRunner &items() { return m_items; }

    // Builds the screen of the current level on activation, or only shows it again
    // when it is built.
    void FormActivate();
    // Builds the screen of the current level (throws when a file or setting fails).
    void buildScreen();
    // Shows the notes button when the level has a note.
    void showNotesButtonIfNoteExists(int level);

    // Tells whoever waits for the window that it has been closed and its close handler ran.
    void announceClosed();

    // Private fields of each level window.
    QString BackgroundFile;
    bool ContentMissing = false;

signals:
    void closed();

private:
    void commonTail();
    void buildRootScreen();
    void addCourseColumn(const QStringList &courses, int width);
    QRect startRoom(int columnLeft) const;

    Session &m_session;
    ScreenHost &m_host;
    ScreenControls m_c;
    ButtonColumn m_column;
    Navigation m_navigation;
    ItemRunner m_items;
    CourseProgressView *m_progress = nullptr; // the root screen's course counts (a child)
};

} // namespace screens
} // namespace lumora
