// The main window's entry to the course search: "Pomocník → Hľadať v kurze" and Ctrl+F.
#include "app/tform1.h"
#include "config/keys.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "search/coursesearchwindow.h"
#include "search/lessonfindbar.h"
#include "state/session.h"

#include <QApplication>
#include <QLineEdit>
#include <QScopeGuard>

namespace lumora {

namespace {

// Opens a screen found as the tree opens one: in a second copy of the program (a
// search-window instance titled by the caption path, both passed whole) that this copy
// waits for.
void openScreen(Session &session, const QString &reference, const QString &captionPath, const QString &words)
{
    const QString file = paths::join(session.levelFolderPath(session.course.CurrentLevel), reference);
    if (reference.isEmpty() || !paths::fileExists(file)) {
        messages::notify(session, messages::Kind::Warning, keys::Text, QString(), QApplication::activeModalWidget());
        return;
    }
    // The words go beside the command line, for this start only.
    const QByteArray before = qgetenv(search::SearchedWordsVariable);
    const bool had = qEnvironmentVariableIsSet(search::SearchedWordsVariable);
    qputenv(search::SearchedWordsVariable, words.toUtf8());
    const auto restore = qScopeGuard([&] {
        if (had)
            qputenv(search::SearchedWordsVariable, before);
        else
            qunsetenv(search::SearchedWordsVariable);
    });
    process::RunAndWait(QCoreApplication::applicationFilePath(), session.values.ProgramDir,
                        QStringList{file, captionPath});
}

} // namespace

void TForm1::Hadavkurze1Click()
{
    Session &s = session();
    // A search window does not search again: it offers to close, as its tree entry does.
    if (s.values.isSearchInstance()) {
        Hadaj1Click();
        return;
    }
    // On the program's first screen (the course list) there is no course to search.
    const CourseState &c = s.course;
    if (c.CurrentLevel <= 1 || c.LevelWindow[1] == this || c.LevelFolder[c.CurrentLevel].isEmpty())
        return;
    TOknoHladajVKurze *shown = nullptr;
    TOknoHladajVKurze window(s, [&s, &shown](const QString &reference, const QString &captionPath) {
        openScreen(s, reference, captionPath, shown ? shown->Edit1->text() : QString());
    }, this);
    shown = &window;
    window.exec();
}

} // namespace lumora
