#include "screens/itemrunner.h"
#include "config/keys.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "course/contentfile.h"
#include "screens/itemfiles.h"
#include "screens/levelscreen.h"
#include "screens/visitedmark.h"
#include "state/session.h"
#include "course/visits.h"
#include "text/toknoeditlek.h"

#include <QDir>
#include <QPointer>
#include <QPushButton>

namespace lumora::screens {

ItemRunner::ItemRunner(LevelScreen &screen) : m_screen(screen) {}

void ItemRunner::SpustiProgram(QPushButton *lessonButton)
{
    Session &s = m_screen.session();
    QWidget *window = m_screen.controls().window;
    if (!lessonButton)
        return;
    const std::optional<course::ItemPress> press = course::pressedItem(s.course, lessonButton->property("tag").toInt());
    if (!press)
        return;
    if (press->tooDeep()) {
        messages::notify(s, messages::Kind::Warning, keys::LevelLimit, QString(), window);
        return;
    }
    const QString caption = lessonButton->property("hint").toString();
    course::recordPress(s.course, *press, caption);
    // Items of every level are looked up in the course folder of level 1.
    const QString folder = s.levelFolderPath(1);

    // The button may go while the item runs (the program ends from a window it opened).
    const QPointer<QPushButton> button(lessonButton);
    bool ran = false;
    switch (press->kind) {
    case course::ItemKind::Shell: ran = openShellItem(s, folder, press->target, window); break;
    case course::ItemKind::Demonstration:
        ran = runDemonstration(s, folder, course::splitTarget(press->target), window);
        break;
    case course::ItemKind::Screen: openScreen(*press, folder, caption); break;
    case course::ItemKind::Picture: ran = showPicture(s, folder, press->target, window); break;
    }
    // An item that ran is visited; a screen recorded itself when its window was shown.
    if (ran)
        course::progress::recordItem(s, press->level, press->target);
    if (button && !s.terminateRequested && course::progress::visitedOf(s, press->level).contains(press->target))
        markVisited(button, true, s.ConfigText(keys::Visited));
}

void ItemRunner::openScreen(const course::ItemPress &press, const QString &folder, const QString &caption)
{
    Session &s = m_screen.session();
    CourseState &c = s.course;
    const QString screen = course::courseItemFile(s, folder, press.target);
    if (screen.isEmpty()) {
        if (s.ShowPrompt)
            offerMissingScreen(press, folder, caption);
        return;
    }
    if (course::tooLargeForContent(screen)) {
        messages::notify(s, messages::Kind::Warning, keys::ContentTooLarge, QLatin1Char(' ') + press.target,
                         m_screen.controls().window);
        return;
    }
    // Kept relative to the course folder, as every level's content file is.
    c.ScreenFile[size_t(press.level + 1)] = QDir(paths::resolve(folder)).relativeFilePath(screen);
    enterNextLevel(press.level);
}

// A screen that is missing is refused outside the program folder and never created
// there; inside a folder that can be written the lesson editor is offered, and a saved
// screen opens at once, in editing mode.
void ItemRunner::offerMissingScreen(const course::ItemPress &press, const QString &folder, const QString &caption)
{
    Session &s = m_screen.session();
    CourseState &c = s.course;
    QWidget *window = m_screen.controls().window;
    const int next = press.level + 1;
    const QString missing = s.ConfigText(keys::Text1) + QLatin1Char(' ') + press.target;
    if (!course::mayWriteScreen(s, folder, press.target)) {
        messages::show(messages::Kind::Warning, messages::Buttons::Ok, missing, window);
        return;
    }
    const QString question = missing + QLatin1Char('\n') + s.ConfigText(keys::Text2);
    if (messages::askDefaultNo(messages::Kind::Information, question, window) != messages::Answer::Yes)
        return;
    c.CurrentLevel = quint8(next);
    runLessonEditor(s, window, c.ScreenFile[size_t(next)], c.LevelFolder[size_t(next)]);
    c.CurrentLevel = quint8(press.level);
    if (!c.EditorSaved)
        return;
    c.PressedTitle = caption;
    enterNextLevel(press.level);
}

// Opens the next level over this one; once it has closed, this level's notes button
// shows whether a note was written meanwhile.
void ItemRunner::enterNextLevel(int level)
{
    m_screen.session().course.CurrentLevel = quint8(level + 1);
    m_screen.navigation().ZobrazOkno();
    m_screen.showNotesButtonIfNoteExists(level);
}

} // namespace lumora::screens
