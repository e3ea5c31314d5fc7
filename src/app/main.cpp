// The program entry: application set-up, the main window, the message loop.
#include "app/commandline.h"
#include "app/screenshot.h"
#include "app/tform1.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/paths.h"
#include "state/session.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

#include <cstdio>

int main(int argc, char *argv[])
{
    // "--help", "--version" and unknown options are answered without a window.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const auto decision = lumora::commandline::decide(arguments);
    using lumora::commandline::Action;
    if (decision.action != Action::Run) {
        const bool failed = decision.action == Action::UnknownOption;
        std::fputs(decision.output.toLocal8Bit().constData(), failed ? stderr : stdout);
        return failed ? lumora::commandline::UsageError : 0;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(lumora::messages::ApplicationTitle));
    // Level windows hide the ones below them; the program ends only as it decides.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString icon = lumora::paths::existingFile(lumora::paths::join(QDir::currentPath(), QStringLiteral("ikona.ico")));
    if (!icon.isEmpty())
        QApplication::setWindowIcon(QIcon(icon));
    else
        QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("sk.lumora.lumora")));
    // Matches the installed desktop entry, so the desktop shows its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("sk.lumora.lumora"));

    lumora::Session session;
    lumora::TForm1 form(session);
    lumora::guarded([&] {
        form.FormCreate(lumora::StartEnvironment::fromSystem(QApplication::arguments().mid(1)));
    });
    if (session.terminateRequested)
        return 0;
    form.show();
    lumora::screenshot::armFromEnvironment();
    return QApplication::exec();
}
