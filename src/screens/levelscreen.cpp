#include "screens/levelscreen.h"
#include "config/keys.h"
#include "course/workfiles.h"
#include "platform/paths.h"
#include "screens/contentscreen.h"
#include "screens/courseprogressview.h"
#include "screens/screenlook.h"
#include "state/session.h"
#include "text/paneediting.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QTextEdit>

namespace lumora::screens {

namespace {

// Whether window already shows a built level below level. The root screen leaves the
// level its course buttons open as the current one; activated again before a course is
// entered, it only shows itself again and does not build that level into itself.
bool showsLevelBelow(const CourseState &c, const QObject *window, int level)
{
    for (int k = 1; k < level && CourseState::validLevel(k); ++k) {
        if (c.LevelBuilt[size_t(k)] && c.LevelWindow[size_t(k)] == window)
            return true;
    }
    return false;
}

} // namespace

LevelScreen::LevelScreen(Session &session, ScreenHost &host)
    : QObject(host.screenControls().window),
      m_session(session),
      m_host(host),
      m_c(host.screenControls()),
      m_column(session, host, m_c),
      m_navigation(*this),
      m_items(*this)
{}

LevelScreen *LevelScreen::of(const QObject *window)
{
    return window ? window->findChild<LevelScreen *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void LevelScreen::announceClosed()
{
    emit closed();
}

void LevelScreen::showNotesButtonIfNoteExists(int level)
{
    m_c.notesButton->setVisible(course::noteExists(m_session, level));
}

void LevelScreen::FormActivate()
{
    Session &s = m_session;
    CourseState &c = s.course;
    applyStartFont(*m_c.window, s);
    // "FONTSIZE BUTTON" cannot fail (any text has a size); "FONTSIZE MEMO" must be a number.
    s.ConfigInt(keys::FontsizeMemo);

    if (s.values.WindowWidth < 112)
        m_host.EndProgram();

    const int level = c.CurrentLevel;
    if (!CourseState::validLevel(level))
        return;
    // A built screen is only shown again, its links as its build left them.
    if (c.LevelBuilt[size_t(level)] || showsLevelBelow(c, m_c.window, level)) {
        // The root screen shown again: a course may have been visited meanwhile.
        if (m_progress)
            m_progress->refresh();
        commonTail();
        return;
    }
    if (ContentMissing || !paths::folderExists(s.values.TempDir)) {
        m_host.EndProgram();
        commonTail();
        return;
    }
    buildScreen();
    commonTail();
}

void LevelScreen::buildScreen()
{
    Session &s = m_session;
    CourseState &c = s.course;
    const int level = c.CurrentLevel;
    applyStartFont(*m_c.window, s);
    c.LevelBuilt[size_t(level)] = 1;

    // The user's own links of this screen, named as the links window names them.
    QComboBox *ownLinks = m_c.ownLinks;
    ownLinks->clear();
    ownLinks->addItems(course::linksForBox(s, level));
    const bool hasLinks = ownLinks->count() > 0;
    ownLinks->setVisible(hasLinks);
    m_c.ownLinksLabel->setVisible(hasLinks);
    ownLinks->setCurrentIndex(hasLinks ? 0 : -1);

    s.writeLevelFile();

    // The screen is shown once, when it is complete.
    QWidget *client = m_c.client;
    const bool wasHidden = client->isHidden();
    client->hide();
    const auto reveal = qScopeGuard([client, wasHidden] { client->setVisible(!wasHidden); });
    if (level > 1 || s.values.isSearchInstance())
        ContentScreen(*this, level).build();
    else
        buildRootScreen();
}

// What every activation ends with: the menu entries that need a course or a lesson
// text, editing mode after the lesson editor saved, and the two flat buttons below the
// links.
void LevelScreen::commonTail()
{
    Session &s = m_session;
    CourseState &c = s.course;
    const int level = c.CurrentLevel;
    const bool inCourse = CourseState::validLevel(level) && !c.LevelFolder[size_t(level)].isEmpty();
    QAction *editMenu = m_c.editMenu->menuAction();
    if (editMenu->isEnabled())
        editMenu->setVisible(inCourse && s.programFolderWritable());
    if (m_c.treeEntry->isEnabled())
        m_c.treeEntry->setEnabled(inCourse);
    if (c.EditorSaved) {
        c.EditorSaved = false;
        m_c.paneEditing->startEditing();
    }
    const int unit = scaleUnit(s);
    m_c.back->move(m_c.links->x(), m_c.links->y() + m_c.links->height() + 15);
    m_c.end->move(m_c.back->x() + m_c.back->width() + 2 * unit, m_c.back->y());
    m_c.zoomEntry->setVisible(!m_c.pane->isHidden());
    for (QAction *reading : m_c.readingEntries)
        reading->setEnabled(!m_c.pane->isHidden());
}

} // namespace lumora::screens
