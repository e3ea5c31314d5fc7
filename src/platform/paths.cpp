#include "platform/paths.h"

#include "platform/folderentries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lumora::paths {

QString separator()
{
    return QString(QDir::separator());
}

QString fromCourse(const QString &path)
{
    QString p = path;
    if (QDir::separator() != QLatin1Char('\\'))
        p.replace(QLatin1Char('\\'), QDir::separator());
    return p;
}

QString withSeparator(const QString &folder)
{
    if (folder.isEmpty())
        return folder;
    QString f = fromCourse(folder);
    if (!f.endsWith(QDir::separator()))
        f += QDir::separator();
    return f;
}

QString withoutSeparator(const QString &folder)
{
    QString f = fromCourse(folder);
    while (f.size() > 1 && f.endsWith(QDir::separator()))
        f.chop(1);
    return f;
}

QString join(const QString &folder, const QString &name)
{
    if (folder.isEmpty())
        return fromCourse(name);
    return withSeparator(folder) + fromCourse(name);
}

QString fileName(const QString &path)
{
    const QString p = fromCourse(path);
    const qsizetype cut = p.lastIndexOf(QDir::separator());
    return cut < 0 ? p : p.mid(cut + 1);
}

QString resolve(const QString &path)
{
    const QString given = fromCourse(path);
    if (given.isEmpty() || QFileInfo::exists(given))
        return given;

    const QChar sep = QDir::separator();
    const QStringList parts = given.split(sep);
    QString current;
    qsizetype i = 0;
    if (given.startsWith(sep)) {
        current = QString(sep);
        i = 1;
    }
    for (; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        const QString base = current.isEmpty() ? QStringLiteral(".") : current;
        QString next = current.isEmpty() || current.endsWith(sep) ? current + part : current + sep + part;
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String("..") || QFileInfo::exists(next)) {
            current = next;
            continue;
        }
        // Walked without sorting and left at the first match: a folder with thousands of
        // entries is read once at most.
        QString match;
        forEachEntry(base, [&](const FolderEntry &entry) {
            if (entry.name.compare(part, Qt::CaseInsensitive) != 0)
                return true;
            match = entry.name;
            return false;
        });
        if (match.isEmpty())
            return given;
        current = current.isEmpty() || current.endsWith(sep) ? current + match : current + sep + match;
    }
    return current;
}

QString existingFile(const QString &path)
{
    const QString found = resolve(path);
    return QFileInfo(found).isFile() ? found : QString();
}

bool isSpecial(const QString &path)
{
    return isSpecial(QFileInfo(resolve(path)));
}

bool isSpecial(const QFileInfo &info)
{
    return info.exists() && !info.isFile() && !info.isDir();
}

QString realPath(const QString &path)
{
    // Walked part by part as the system does: a link is followed where it stands, and
    // ".." leaves the real folder reached so far. The missing tail is applied as written.
    const QString absolute = QFileInfo(resolve(path)).absoluteFilePath();
    const QStringList parts = absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = QStringLiteral("/");
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        if (part == QLatin1String("."))
            continue;
        if (part == QLatin1String("..")) {
            current = QFileInfo(current).path();
            continue;
        }
        const QString next = current.endsWith(QLatin1Char('/')) ? current + part : current + QLatin1Char('/') + part;
        const QFileInfo info(next);
        if (info.exists()) {
            current = info.canonicalFilePath();
            if (current.isEmpty())
                return QString();
            continue;
        }
        if (info.isSymLink())
            return QString(); // a dangling or looping link
        return QDir::cleanPath(next + QLatin1Char('/') + parts.mid(i + 1).join(QLatin1Char('/')));
    }
    return current;
}

bool inside(const QString &path, const QString &folder)
{
    const QString real = realPath(path);
    QString base = realPath(folder);
    if (real.isEmpty() || base.isEmpty())
        return false;
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return real == base.left(base.size() - 1) || real.startsWith(base);
}

bool staysInItsFolder(const QString &path)
{
    return inside(path, QFileInfo(path).absolutePath());
}

bool fileExists(const QString &path)
{
    return !existingFile(path).isEmpty();
}

bool folderExists(const QString &path)
{
    return QFileInfo(resolve(path)).isDir();
}

void removeFile(const QString &path)
{
    const QString found = resolve(path);
    if (QFileInfo(found).isFile() || QFileInfo(found).isSymLink())
        QFile::remove(found);
}

} // namespace lumora::paths
