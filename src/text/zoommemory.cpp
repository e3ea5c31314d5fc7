#include "text/zoommemory.h"

#include "text/memozoom.h"

#include <QSettings>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace lumora::memo {

namespace {

QString key(const QString &programDir)
{
    // A folder's separators would read as groups of the settings file.
    return QStringLiteral("LessonZoom/") + QString::fromLatin1(QUrl::toPercentEncoding(programDir));
}

// The program's own settings file.
std::unique_ptr<QSettings> settings()
{
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Lumora"),
                                       QStringLiteral("lumora"));
}

} // namespace

int keptZoom(const QString &programDir)
{
    bool ok = false;
    const int percent = settings()->value(key(programDir)).toInt(&ok);
    return ok ? std::clamp(percent, MinZoom, MaxZoom) : 100;
}

void keepZoom(const QString &programDir, int percent)
{
    settings()->setValue(key(programDir), std::clamp(percent, MinZoom, MaxZoom));
}

} // namespace lumora::memo
