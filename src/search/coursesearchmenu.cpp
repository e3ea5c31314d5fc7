#include "search/coursesearchmenu.h"

#include "config/keys.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "search/toknohladajvkurze.h"
#include "search/lessonfindbar.h"
#include "state/session.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QScopeGuard>

namespace lumora::search {

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
    const QByteArray before = qgetenv(SearchedWordsVariable);
    const bool had = qEnvironmentVariableIsSet(SearchedWordsVariable);
    qputenv(SearchedWordsVariable, words.toUtf8());
    const auto restore = qScopeGuard([&] {
        if (had)
            qputenv(SearchedWordsVariable, before);
        else
            qunsetenv(SearchedWordsVariable);
    });
    process::RunAndWait(QCoreApplication::applicationFilePath(), session.values.ProgramDir,
                        QStringList{file, captionPath});
}

} // namespace

CourseSearchMenu::CourseSearchMenu(Session &session, CourseSearchHost host)
    : QObject(host.window), m_session(session), m_host(std::move(host))
{
    connect(m_host.entry, &QAction::triggered, this, [this] { guarded([this] { Hadavkurze1Click(); }); });
}

void CourseSearchMenu::Hadavkurze1Click()
{
    Session &s = m_session;
    if (s.values.isSearchInstance()) {
        m_host.offerToClose();
        return;
    }
    // On the program's first screen (the course list) there is no course to search.
    const CourseState &c = s.course;
    if (c.CurrentLevel <= 1 || c.LevelWindow[1] == m_host.window || c.LevelFolder[c.CurrentLevel].isEmpty())
        return;
    TOknoHladajVKurze *shown = nullptr;
    TOknoHladajVKurze window(s, [&s, &shown](const QString &reference, const QString &captionPath) {
        openScreen(s, reference, captionPath, shown ? shown->Edit1->text() : QString());
    }, m_host.window);
    shown = &window;
    window.exec();
}

} // namespace lumora::search
