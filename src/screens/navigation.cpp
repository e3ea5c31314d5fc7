#include "screens/navigation.h"
#include "config/keys.h"
#include "platform/errors.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "course/contentfile.h"
#include "course/contentfilenames.h"
#include "screens/levelscreen.h"
#include "screens/resumetrail.h"
#include "state/session.h"
#include "text/toknoeditlek.h"

#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace lumora::screens {

namespace {

QWidget *levelWindow(Session &s, int level)
{
    if (!CourseState::validLevel(level))
        return nullptr;
    return qobject_cast<QWidget *>(s.course.LevelWindow[size_t(level)].data());
}

} // namespace

Navigation::Navigation(LevelScreen &screen) : m_screen(screen) {}

void Navigation::PoStlaceni(QPushButton *courseButton)
{
    if (courseButton)
        enterCourse(courseButton->text());
}

void Navigation::enterCourse(const QString &courseFolder)
{
    Session &s = m_screen.session();
    CourseState &c = s.course;
    if (c.CurrentLevel == 1)
        c.CurrentLevel = 2;
    const int level = c.CurrentLevel;
    c.LevelFolder[size_t(level - 1)] = courseFolder;
    c.LevelFolder[size_t(level)] = courseFolder;

    c.ContentFileName = s.ConfigText(keys::DefaultContent);
    const bool gate = s.ShowPrompt;
    c.ScreenFile[size_t(level)] = c.ContentFileName;
    if (!firstScreenReady(level, gate))
        return;
    c.InsideCourse = true;
    ZobrazOkno();
    m_screen.controls().notesButton->hide();
}

// Whether the course's first content file is there: found, restored from its backup, or
// just written in the lesson editor; says why not. gate is the prompt flag of the
// content file's name.
bool Navigation::firstScreenReady(int level, bool gate)
{
    Session &s = m_screen.session();
    CourseState &c = s.course;
    QWidget *window = m_screen.controls().window;
    const QString folder = s.levelFolderPath(level);
    const QString contentPath = paths::join(folder, c.ContentFileName);
    if (course::tooLargeForContent(contentPath)) {
        messages::notify(s, messages::Kind::Warning, keys::ContentTooLarge, QLatin1Char(' ') + contentPath, window);
        return false;
    }
    const auto missingWarning = [&] { return s.ConfigText(keys::Text1) + QLatin1Char(' ') + c.ContentFileName; };
    if (paths::fileExists(contentPath)) {
        // The top file passes the test every other screen passes: a link out of the
        // program folder and out of the course folder is no screen of the course (a save
        // would write through it).
        if (paths::inside(contentPath, s.values.ProgramDir) || paths::inside(contentPath, folder))
            return true;
        messages::show(messages::Kind::Warning, messages::Buttons::Ok, missingWarning(), window);
        return false;
    }
    const QString backupPath = paths::existingFile(paths::join(folder, course::backupName(c.ContentFileName)));
    if (!backupPath.isEmpty()) {
        if (s.programFolderWritable() && QDir().rename(backupPath, contentPath))
            return true;
        messages::show(messages::Kind::Warning, messages::Buttons::Ok, missingWarning(), window);
        return false;
    }
    if (!gate)
        return false;
    if (!s.programFolderWritable()) {
        const QString text = missingWarning();
        if (s.ShowPrompt)
            messages::show(messages::Kind::Warning, messages::Buttons::Ok, text, window);
        return false;
    }
    // Offer to write the course's first screen in the lesson editor.
    const QString question =
        s.ConfigText(keys::contentMissing(c.ContentFileName)) + QLatin1Char('\n') + s.ConfigText(keys::Text2);
    if (messages::askDefaultNo(messages::Kind::Information, question, window) != messages::Answer::Yes)
        return false;
    runLessonEditor(s, window, c.ContentFileName, c.LevelFolder[size_t(level - 1)]);
    return c.EditorSaved;
}

void Navigation::ZobrazOkno()
{
    Session &s = m_screen.session();
    CourseState &c = s.course;
    const int level = c.CurrentLevel;
    if (!CourseState::validLevel(level) || level < 2)
        return;
    QWidget *below = levelWindow(s, level - 1);
    std::unique_ptr<QWidget> window = openLevel(level, below);
    if (below)
        below->hide();
    runLevel(std::move(window));

    if (c.CurrentLevel + 1 < int(c.LevelBuilt.size()))
        c.LevelBuilt[size_t(c.CurrentLevel + 1)] = 0;
    if (s.terminateRequested)
        return;
    if (QWidget *current = levelWindow(s, c.CurrentLevel))
        current->show();
}

// The window of the level, built and not yet shown. Opening either succeeds or leaves
// everything as it was before the press: the window below shown, the tables and the
// level file of the level below.
std::unique_ptr<QWidget> Navigation::openLevel(int level, QWidget *below)
{
    Session &s = m_screen.session();
    CourseState &c = s.course;
    CourseState before = c;
    before.CurrentLevel = quint8(level - 1);
    if (level == 2)
        before.InsideCourse = false;
    std::unique_ptr<QWidget> window;
    try {
        window = m_screen.host().makeLevelWindow();
        prepareLevel(*window, level, below);
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
    return window;
}

void Navigation::prepareLevel(QWidget &window, int level, QWidget *below)
{
    Session &s = m_screen.session();
    LevelScreen &next = *LevelScreen::of(&window);
    s.course.LevelWindow[size_t(level)] = &window;
    window.setObjectName(QStringLiteral("Form%1").arg(level));
    const QPoint corner = level < 3 || !below
        ? QPoint(s.ConfigInt(keys::LeftCorner) & 0xFFFF, s.ConfigInt(keys::TopCorner) & 0xFFFF)
        : below->pos();
    const int width = s.ConfigInt(keys::Width) & 0xFFFF;
    const int height = s.ConfigInt(keys::Height) & 0xFFFF;
    next.host().placeWindow(corner.x(), corner.y(), width, height);
    next.controls().linksLabel->hide();
    next.controls().links->hide();
    // The screen is built before the window shows, so a failure leaves no half-built
    // window behind; its activation then only shows it.
    next.buildScreen();
}

// Shows the level's window modally and waits until it has closed.
void Navigation::runLevel(std::unique_ptr<QWidget> window)
{
    window->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    QObject::connect(LevelScreen::of(window.get()), &LevelScreen::closed, &loop, &QEventLoop::quit);
    QPointer<QWidget> guard = window.get();
    window->show();
    loop.exec();

    // The window is released here, once its modal run is over.
    if (guard)
        window.reset();
    else
        (void)window.release();
}

void Navigation::SpeedButton1Click()
{
    Session &s = m_screen.session();
    m_screen.host().offerToSaveText();
    if (s.course.CurrentLevel == 2)
        s.course.InsideCourse = false;
    if (QWidget *top = levelWindow(s, s.course.CurrentLevel))
        top->close();
}

void Navigation::FormClose()
{
    Session &s = m_screen.session();
    CourseState &c = s.course;
    QWidget *window = m_screen.controls().window;
    int level = 0;
    try {
        level = s.readLevelFile();
    } catch (const Error &) {
        // Without a readable level file the main window is still recognised as such,
        // so the program can always be closed.
        level = c.LevelWindow[1] == window || c.LevelWindow[1].isNull() ? 1 : c.CurrentLevel;
    }
    if (level <= 1 || c.CurrentLevel <= 1 || c.LevelWindow[1] == window) {
        s.removeTemplate();
        s.requestTerminate();
        return;
    }
    if (QWidget *below = levelWindow(s, c.CurrentLevel - 1))
        below->move(window->pos());
    c.LevelWindow[c.CurrentLevel] = nullptr;
    --c.CurrentLevel;
    s.writeLevelFile();
    recordResumeBack(s);
}

void Navigation::PripravOkno(const QString &contentPath)
{
    Session &s = m_screen.session();
    CourseState &c = s.course;
    const QString path = paths::fromCourse(contentPath);
    if (!paths::fileExists(path)) {
        messages::notify(s, messages::Kind::Error, keys::contentMissing(contentPath), QString(),
                         m_screen.controls().window);
        m_screen.ContentMissing = true;
        return;
    }
    if (course::tooLargeForContent(path)) {
        messages::notify(s, messages::Kind::Error, keys::ContentTooLarge, QLatin1Char(' ') + contentPath,
                         m_screen.controls().window);
        m_screen.ContentMissing = true;
        return;
    }
    m_screen.controls().window->setObjectName(QStringLiteral("Form%1").arg(c.CurrentLevel));
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

} // namespace lumora::screens
