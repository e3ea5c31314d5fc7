// Moving between levels: entering a course, opening a deeper level as a new window made
// from the window template, going back, the search window's first level, and scrolling
// the button column.
#include "app/formtemplate.h"
#include "app/tform1.h"
#include "config/keys.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "screens/contentfilenames.h"
#include "screens/coursecolumn.h"
#include "screens/layout.h"
#include "screens/resumetrail.h"
#include "state/session.h"
#include "text/toknoeditlek.h"

#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace lumora {

namespace {

TForm1 *levelWindow(Session &s, int level)
{
    if (!CourseState::validLevel(level))
        return nullptr;
    return qobject_cast<TForm1 *>(s.course.LevelWindow[size_t(level)].data());
}

} // namespace

void TForm1::PoStlaceni(QPushButton *courseButton)
{
    if (courseButton)
        enterCourse(courseButton->text());
}

void TForm1::enterCourse(const QString &courseFolder)
{
    Session &s = m_session;
    CourseState &c = s.course;
    if (c.CurrentLevel == 1)
        c.CurrentLevel = 2;
    const int level = c.CurrentLevel;
    c.LevelFolder[size_t(level - 1)] = courseFolder;
    c.LevelFolder[size_t(level)] = courseFolder;

    c.ContentFileName = s.ConfigText(keys::DefaultContent);
    const bool gate = s.ShowPrompt;
    const QString backup = content::backupName(c.ContentFileName);
    c.ScreenFile[size_t(level)] = c.ContentFileName;
    const QString folder = s.levelFolderPath(level);
    const QString contentPath = paths::join(folder, c.ContentFileName);

    auto enter = [&] {
        c.InsideCourse = true;
        ZobrazOkno();
        Button1->hide();
    };
    if (paths::fileExists(contentPath)) {
        enter();
        return;
    }
    const auto missingWarning = [&] {
        return s.ConfigText(keys::Text1)
            + QLatin1Char(' ') + c.ContentFileName;
    };
    const QString backupPath = paths::existingFile(paths::join(folder, backup));
    if (!backupPath.isEmpty()) {
        if (s.programFolderWritable() && QDir().rename(backupPath, contentPath)) {
            enter();
            return;
        }
        messages::show(messages::Kind::Warning, messages::Buttons::Ok, missingWarning(), this);
        return;
    }
    if (!gate)
        return;
    if (!s.programFolderWritable()) {
        const QString text = missingWarning();
        if (s.ShowPrompt)
            messages::show(messages::Kind::Warning, messages::Buttons::Ok, text, this);
        return;
    }
    // Offer to write the course's first screen in the lesson editor.
    const QString question = s.ConfigText(QStringLiteral("CONTENT ") + c.ContentFileName,
                                          QStringLiteral("Neexistuje ") + c.ContentFileName)
        + QLatin1Char('\n') + s.ConfigText(keys::Text2);
    if (messages::askDefaultNo(messages::Kind::Information, question, this) != messages::Answer::Yes)
        return;
    runLessonEditor(s, this, c.ContentFileName, c.LevelFolder[size_t(level - 1)]);
    if (c.EditorSaved)
        enter();
}

void TForm1::ZobrazOkno()
{
    Session &s = m_session;
    CourseState &c = s.course;
    const int level = c.CurrentLevel;
    if (!CourseState::validLevel(level) || level < 2)
        return;

    // Opening either succeeds or leaves everything as it was before the press: the
    // window below shown, the tables and the level file of the level below.
    CourseState before = c;
    before.CurrentLevel = quint8(level - 1);
    if (level == 2)
        before.InsideCourse = false;
    TForm1 *below = levelWindow(s, level - 1);
    auto window = std::make_unique<TForm1>(s);
    try {
        applyTemplate(*window, windowtemplate::load(s.templatePath()));
        c.LevelWindow[size_t(level)] = window.get();
        window->setObjectName(QStringLiteral("Form%1").arg(level));
        const QPoint corner = level < 3 || !below
            ? QPoint(s.ConfigInt(keys::LeftCorner) & 0xFFFF,
                     s.ConfigInt(keys::TopCorner) & 0xFFFF)
            : below->pos();
        const int width = s.ConfigInt(keys::Width) & 0xFFFF;
        const int height = s.ConfigInt(keys::Height) & 0xFFFF;
        window->placeWindow(corner.x(), corner.y(), width, height);
        window->Label2->hide();
        window->ComboBox1->hide();
        window->applyCaptions();
        // The screen is built before the window shows, so a failure leaves no half-built
        // window behind; its activation then only shows it.
        window->buildScreen();
    } catch (...) {
        window.reset();
        c = std::move(before);
        try {
            s.writeLevelFile();
        } catch (const Error &) {
            // The first error is the one reported.
        }
        if (below && !s.terminateRequested)
            below->show();
        throw;
    }
    if (below)
        below->hide();

    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    connect(window.get(), &TForm1::closed, &loop, &QEventLoop::quit);
    QPointer<TForm1> guard = window.get();
    window->show();
    loop.exec();

    // The window is released here, once its modal run is over.
    if (guard)
        window.reset();
    else
        (void)window.release();
    if (c.CurrentLevel + 1 < int(c.LevelBuilt.size()))
        c.LevelBuilt[size_t(c.CurrentLevel + 1)] = 0;
    if (s.terminateRequested)
        return;
    if (TForm1 *current = levelWindow(s, c.CurrentLevel))
        current->show();
}

void TForm1::SpeedButton1Click()
{
    Session &s = m_session;
    offerToSaveText();
    if (s.course.CurrentLevel == 2)
        s.course.InsideCourse = false;
    if (TForm1 *top = levelWindow(s, s.course.CurrentLevel))
        top->close();
}

void TForm1::FormClose()
{
    Session &s = m_session;
    CourseState &c = s.course;
    int level = 0;
    try {
        level = s.readLevelFile();
    } catch (const Error &) {
        // Without a readable level file the main window is still recognised as such,
        // so the program can always be closed.
        level = c.LevelWindow[1] == this || c.LevelWindow[1].isNull() ? 1 : c.CurrentLevel;
    }
    if (level <= 1 || c.CurrentLevel <= 1 || c.LevelWindow[1] == this) {
        s.removeTemplate();
        s.requestTerminate();
        return;
    }
    TForm1 *below = levelWindow(s, c.CurrentLevel - 1);
    if (below)
        below->move(pos());
    c.LevelWindow[c.CurrentLevel] = nullptr;
    --c.CurrentLevel;
    s.writeLevelFile();
    resume::recordBack(s);
}

void TForm1::PripravOkno(const QString &contentPath)
{
    Session &s = m_session;
    CourseState &c = s.course;
    const QString path = paths::fromCourse(contentPath);
    if (!paths::fileExists(path)) {
        messages::notify(s, messages::Kind::Error, QStringLiteral("CONTENT ") + contentPath,
                         QStringLiteral("Neexistuje ") + contentPath, QString(), this);
        ContentMissing = true;
        return;
    }
    setObjectName(QStringLiteral("Form%1").arg(c.CurrentLevel));
    c.CurrentLevel = 1;
    const QString sep = paths::separator();
    const QString programDir = paths::withSeparator(s.values.ProgramDir);
    const qsizetype courseEnd = path.indexOf(sep, programDir.size());
    if (!programDir.isEmpty() && path.startsWith(programDir) && courseEnd > programDir.size()) {
        // The course folder is the first folder below the program folder, so a screen
        // in a sub-folder of the course keeps the course's folder and files.
        c.LevelFolder[1] = path.mid(programDir.size(), courseEnd - programDir.size());
        c.ScreenFile[1] = path.mid(courseEnd + 1);
    } else {
        const qsizetype last = path.lastIndexOf(sep);
        const qsizetype before = last > 0 ? path.lastIndexOf(sep, last - 1) : -1;
        c.ScreenFile[1] = path.mid(last + 1);
        c.LevelFolder[1] = before >= 0 ? path.mid(before + 1, last - before - 1) : QString();
    }
    s.writeLevelFile();
}

void TForm1::ScrollBar2Scroll(int position)
{
    // Each screen scrolls by its own column: the step follows from how far its lowest
    // control reaches below the window, whatever the number of buttons.
    const QList<QWidget *> column = columnControls();
    int lowest = 0;
    for (const QWidget *control : column) {
        if (!control->isHidden())
            lowest = std::max(lowest, control->y() + control->height());
    }
    lowest += m_scrollOffset; // unscrolled
    if (m_courses)
        lowest = std::max(lowest, m_courses->bottom());
    const int overflow = std::max(0, lowest - client->height());
    const int offset = layout::scrollOffset(position, ScrollBar2->maximum(), overflow);
    const int delta = m_scrollOffset - offset;
    for (QWidget *control : column)
        control->move(control->x(), control->y() + delta);
    m_scrollOffset = offset;
    ScrollPosition = position;
    if (m_courses)
        m_courses->reach(offset, client->height());
}

} // namespace lumora
