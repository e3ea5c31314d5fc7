#pragma once
// The player started offscreen on a prepared program folder, for the windowed tests:
// a temporary program folder and work folder, the main window set up on them, and the
// ways a test reaches the level windows that open inside modal loops.
#include "app/tform1.h"
#include "formcontrols.h"
#include "programfolders.h"
#include "state/session.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QTest>

#include <functional>
#include <memory>

class QPushButton;
class QWidget;

namespace lumora::testing {

class RunningProgram {
public:
    // Makes the folders (see ProgramFolders); the application's own event loop is run
    // once first, since a previous case may have asked the application to end (which
    // ends every loop until that loop runs again).
    explicit RunningProgram(const QString &programFolderName = QStringLiteral("program"));
    ~RunningProgram();

    QString program() const; // the program folder, no trailing separator
    QString work() const;    // the work folder
    QString root() const;    // the temporary folder holding both

    // Writes a Windows-1250 text file below the program folder, making its folders.
    void write(const QString &relative, const QStringList &lines) const;

    // Sets the main window up on the program folder (with these command-line
    // parameters, on a screen of that size), shows it and waits until its first screen
    // is built or the program asked to end; when neither comes, the running test fails.
    void start(const QStringList &arguments = {}, const QSize &screen = QSize(1024, 768));

    Session &session() { return *m_session; }
    TForm1 &main() { return *m_form; }
    TForm1 *window(int level);
    // The root screen's course button with this caption; when there is none the running
    // test fails and the result is nullptr.
    QPushButton *courseButton(const QString &caption) const;
    // Presses that course button (see onLevel); a missing one fails the running test.
    void clickCourse(const QString &caption) const;
    // Whether the root screen has such a course button, for checks of its absence.
    bool hasCourseButton(const QString &caption) const;
    // The screen button of that object name on the window; when there is none the
    // running test fails and the result is nullptr.
    static QPushButton *button(TForm1 *window, const QString &name);
    // Clicks that button; a missing one fails the running test.
    static void press(TForm1 *window, const QString &name);

    // Runs step on the level once it is built and shown. Call it before pressing what
    // opens the level: the press returns only when the level has closed again. A failed
    // check inside step ends every open level so that the test can finish; a level that
    // does not open fails the running test.
    void onLevel(int level, std::function<void(TForm1 *)> step);

    // Enters the course and runs step on its top screen, which is closed afterwards.
    void inCourse(const QString &caption, std::function<void(TForm1 *)> step);

    // Runs step on the next modal dialog once it shows; the dialog is closed afterwards
    // unless step closed it. When no dialog comes, the running test fails and step is
    // not run.
    static void onDialog(std::function<void(QWidget *)> step);

    // Runs open (an action's trigger, a button's click) with step run on the modal
    // window of type W that it opens, closed afterwards unless step closed it. A window
    // of another type, or none, fails the running test and step is not run.
    template <typename W>
    static void onWindow(const std::function<void()> &open, const std::function<void(W *)> &step)
    {
        bool seen = false;
        onDialog([&](QWidget *dialog) {
            auto *window = qobject_cast<W *>(dialog);
            if (!window) {
                QTest::qFail("the window that opened is of another kind", __FILE__, __LINE__);
                return;
            }
            seen = true;
            step(window);
        });
        open();
        if (!seen && !QTest::currentTestFailed())
            QTest::qFail("the window did not open", __FILE__, __LINE__);
    }

private:
    QPushButton *findCourseButton(const QString &caption) const;

    std::unique_ptr<ProgramFolders> m_folders;
    std::unique_ptr<Session> m_session;
    std::unique_ptr<TForm1> m_form;
};

} // namespace lumora::testing
