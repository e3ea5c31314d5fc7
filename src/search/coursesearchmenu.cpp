// The main window's entry to the course search: "Pomocník → Hľadať v kurze" and Ctrl+F.
#include "app/session.h"
#include "app/tform1.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "search/coursesearchwindow.h"

#include <QCoreApplication>

namespace lumora {

namespace {

// Opens a screen found as the tree opens one: in a second copy of the program (a
// search-window instance titled by the caption path) that this copy waits for.
void openScreen(Session &session, QWidget *window, const QString &reference, const QString &captionPath)
{
    const CourseState &c = session.course;
    const QString folder = session.levelFolderPath(c.CurrentLevel);
    const QString file = paths::join(folder, paths::fromCourse(reference));
    if (!paths::fileExists(file)) {
        messages::notify(session, messages::Kind::Warning, QStringLiteral("TEXT"),
                         QStringLiteral("Neexistuje textový súbor"), QString(), window);
        return;
    }
    process::RunAndWait(QCoreApplication::applicationFilePath(), session.values.ProgramDir,
                        paths::resolve(file) + QLatin1Char(' ') + captionPath);
}

} // namespace

void TForm1::Hadavkurze1Click()
{
    Session &s = session();
    if (s.values.isSearchInstance()) {
        // As for the tree: no search from a window that a search opened.
        const QString question = s.ConfigText(QStringLiteral("BLOCKED TREE1"),
                                              QStringLiteral("Vo vyhľadávacom okne sa nedá znovu vyhľadávať."))
                                 + QLatin1Char('\r')
                                 + s.ConfigText(QStringLiteral("BLOCKED TREE2"), QStringLiteral("Zavrieť vyhľadávacie okno ?"));
        if (messages::show(messages::Kind::Confirmation, messages::Buttons::YesNo, question, this)
            == messages::Answer::Yes) {
            offerToSaveText();
            EndProgram();
        }
        return;
    }
    if (s.course.CurrentLevel <= 1)
        return; // no course entered yet
    TOknoHladajVKurze window(s, [this, &s](const QString &reference, const QString &captionPath) {
        openScreen(s, this, reference, captionPath);
    }, this);
    window.exec();
}

} // namespace lumora
