#include "app/screenshot.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTimer>

#include <cstdio>

namespace lumora::screenshot {

void armFromEnvironment()
{
    const QString file = qEnvironmentVariable("LUMORA_SCREENSHOT");
    if (file.isEmpty())
        return;
    bool ok = false;
    int delay = qEnvironmentVariableIntValue("LUMORA_SCREENSHOT_DELAY", &ok);
    if (!ok || delay < 0)
        delay = 1500;
    QTimer::singleShot(delay, QCoreApplication::instance(), [file] {
        QScreen *screen = QGuiApplication::primaryScreen();
        const bool saved = screen && screen->grabWindow(0).save(file, "PNG");
        std::fprintf(stderr, saved ? "lumora: screenshot saved to %s\n" : "lumora: could not save %s\n",
                     qPrintable(file));
        QCoreApplication::exit(saved ? 0 : 1);
    });
}

} // namespace lumora::screenshot
