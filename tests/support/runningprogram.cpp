#include "runningprogram.h"

#include "platform/guard.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace lumora::testing {

RunningProgram::RunningProgram(const QString &programFolderName)
{
    QCoreApplication::processEvents();
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    m_folders = std::make_unique<ProgramFolders>(programFolderName);
    // The program's own settings (recent folders, where to resume) stay in this case.
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, root() + QStringLiteral("/settings"));
}

RunningProgram::~RunningProgram()
{
    m_form.reset();
    m_session.reset();
}

QString RunningProgram::root() const
{
    return m_folders->root();
}

QString RunningProgram::program() const
{
    return m_folders->program();
}

QString RunningProgram::work() const
{
    return m_folders->work();
}

void RunningProgram::write(const QString &relative, const QStringList &lines) const
{
    m_folders->write(relative, lines);
}

void RunningProgram::start(const QStringList &arguments, const QSize &screen)
{
    StartEnvironment env;
    env.screenWidth = screen.width();
    env.screenHeight = screen.height();
    env.currentFolder = program();
    env.arguments = arguments;
    const QString home = work();
    env.environment = [](const QString &) { return QString(); };
    env.dataLocation = home;
    env.localAddress = [] { return QStringLiteral("10.0.0.1"); };
    m_form.reset();
    m_session = std::make_unique<Session>();
    m_form = std::make_unique<TForm1>(*m_session);
    guarded([&] { m_form->FormCreate(env); });
    m_form->show();
    if (!QTest::qWaitFor([&] { return m_session->course.LevelBuilt[1] == 1 || m_session->terminateRequested; }))
        QTest::qFail("the first screen was not built and the program did not end", __FILE__, __LINE__);
}

TForm1 *RunningProgram::window(int level)
{
    if (!m_session || !CourseState::validLevel(level))
        return nullptr;
    return qobject_cast<TForm1 *>(m_session->course.LevelWindow[size_t(level)].data());
}

QPushButton *RunningProgram::findCourseButton(const QString &caption) const
{
    if (!m_session)
        return nullptr;
    for (const auto &b : m_session->course.CourseButton) {
        auto *push = qobject_cast<QPushButton *>(b.data());
        if (push && push->text() == caption)
            return push;
    }
    return nullptr;
}

bool RunningProgram::hasCourseButton(const QString &caption) const
{
    return findCourseButton(caption) != nullptr;
}

QPushButton *RunningProgram::courseButton(const QString &caption) const
{
    QPushButton *found = findCourseButton(caption);
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("no course button \"%1\"").arg(caption)), __FILE__, __LINE__);
    return found;
}

void RunningProgram::clickCourse(const QString &caption) const
{
    if (QPushButton *course = courseButton(caption))
        course->click();
}

QPushButton *RunningProgram::button(TForm1 *window, const QString &name)
{
    QPushButton *found = window ? ui(window).client->findChild<QPushButton *>(name) : nullptr;
    if (!found)
        QTest::qFail(qPrintable(QStringLiteral("no button %1 on the screen").arg(name)), __FILE__, __LINE__);
    return found;
}

void RunningProgram::press(TForm1 *window, const QString &name)
{
    if (QPushButton *found = button(window, name))
        found->click();
}

void RunningProgram::onLevel(int level, std::function<void(TForm1 *)> step)
{
    QTimer::singleShot(0, qApp, [this, level, step] {
        const bool ready = QTest::qWaitFor(
            [&] { return m_session->course.LevelBuilt[size_t(level)] && window(level) && window(level)->isVisible(); });
        if (!ready) {
            QTest::qFail(qPrintable(QStringLiteral("level %1 did not open").arg(level)), __FILE__, __LINE__);
            QCoreApplication::exit(1);
            return;
        }
        // A level is built before its window shows; its activation is still queued.
        QCoreApplication::processEvents();
        step(window(level));
        if (QTest::currentTestFailed())
            QCoreApplication::exit(1);
    });
}

void RunningProgram::inCourse(const QString &caption, std::function<void(TForm1 *)> step)
{
    QPushButton *course = courseButton(caption);
    if (!course)
        return;
    onLevel(2, [step](TForm1 *w) {
        step(w);
        w->close();
    });
    course->click();
}

void RunningProgram::onDialog(std::function<void(QWidget *)> step)
{
    QTimer::singleShot(0, qApp, [step] {
        QWidget *found = nullptr;
        if (!QTest::qWaitFor([&] { return (found = QApplication::activeModalWidget()) != nullptr; })) {
            QTest::qFail("no dialog opened", __FILE__, __LINE__);
            return;
        }
        QPointer<QWidget> dialog = found;
        step(found);
        if (dialog)
            dialog->close();
    });
}

} // namespace lumora::testing
