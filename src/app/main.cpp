// The program entry: application set-up, the main window, the message loop.
#include "app/commandline.h"
#include "app/screenfit.h"
#include "app/screenshot.h"
#include "app/startfolder.h"
#include "app/translations.h"
#include "app/tform1.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "platform/readablelook.h"
#include "screens/startscreen.h"
#include "state/session.h"
#include "state/usersettings.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    // "--help", "--version", unknown options and paths that name nothing are answered
    // without a window.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const auto decision = lumora::commandline::decide(arguments, QDir::currentPath());
    using lumora::commandline::Action;
    if (decision.action != Action::Run) {
        const bool failed = decision.action == Action::UnknownOption || decision.action == Action::BadPath;
        std::fputs(decision.output.toLocal8Bit().constData(), failed ? stderr : stdout);
        return failed ? lumora::commandline::UsageError : 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(lumora::messages::ApplicationTitle));
    // Level windows hide the ones below them; the program ends only as it decides.
    QApplication::setQuitOnLastWindowClosed(false);
    // Qt's own dialogs speak the interface's language, whatever the system's locale.
    lumora::translations::install(QLocale(QLocale::Slovak, QLocale::Slovakia));
    lumora::screenfit::install(app);

    // The program folder is the current folder; a folder on the command line, or the
    // last one used for the menu entry, takes its place.
    // Decided again on what the toolkit left of the command line (its own options gone).
    const auto started = lumora::commandline::decide(QApplication::arguments().mid(1), QDir::currentPath());
    QString programFolder = started.programFolder;
    if (programFolder.isEmpty() && started.lastFolder)
        programFolder =
            lumora::startfolder::choose(true, QDir::currentPath(), lumora::UserSettings().recentFolders(),
                                        lumora::startfolder::installedSample(QApplication::applicationDirPath()));
    if (!programFolder.isEmpty() && !QDir::setCurrent(programFolder)) {
        std::fputs(
            QStringLiteral("lumora: do priečinka „%1“ sa nedá vstúpiť\n").arg(programFolder).toLocal8Bit().constData(),
            stderr);
        return lumora::commandline::UsageError;
    }
    lumora::look::applyReadableLook();

    const QString icon =
        lumora::paths::existingFile(lumora::paths::join(QDir::currentPath(), QStringLiteral("ikona.ico")));
    if (!icon.isEmpty())
        QApplication::setWindowIcon(QIcon(icon));
    else
        QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("sk.lumora.lumora")));
    // Matches the installed desktop entry, so the desktop shows its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("sk.lumora.lumora"));

    lumora::screens::offerSampleCourses(lumora::startfolder::installedSample(QApplication::applicationDirPath()));
    lumora::Session session;
    lumora::messages::useTexts(&session);
    lumora::TForm1 form(session);
    lumora::guarded([&] { form.FormCreate(lumora::StartEnvironment::fromSystem(started.arguments)); });
    if (session.terminateRequested)
        return 0;
    form.show();
    lumora::screenshot::armFromEnvironment();
    return QApplication::exec();
}
