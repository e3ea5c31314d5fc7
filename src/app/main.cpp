// The program entry: application set-up, the main window, the message loop.
#include "app/screenshot.h"
#include "app/session.h"
#include "app/tform1.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "platform/paths.h"

#include <QApplication>
#include <QDir>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(lumora::messages::ApplicationTitle));
    // Level windows hide the ones below them; the program ends only as it decides.
    QApplication::setQuitOnLastWindowClosed(false);

    const QString icon = lumora::paths::existingFile(lumora::paths::join(QDir::currentPath(), QStringLiteral("ikona.ico")));
    if (!icon.isEmpty())
        QApplication::setWindowIcon(QIcon(icon));

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
