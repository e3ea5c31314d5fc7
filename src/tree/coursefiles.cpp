#include "tree/coursefiles.h"

#include "platform/paths.h"

#include <QDir>
#include <QFileInfo>

namespace lumora::tree {

namespace {
// Deeper paths than this are not looked up part by part.
constexpr int MaxDepth = 256;
} // namespace

QString CourseFiles::existingFile(const QString &path)
{
    const QString found = find(paths::fromCourse(path), 0);
    return found.isEmpty() || QFileInfo(found).isDir() ? QString() : found;
}

QString CourseFiles::find(const QString &path, int depth)
{
    if (path.isEmpty() || depth > MaxDepth)
        return QString();
    if (QFileInfo::exists(path))
        return path;
    const QChar sep = QDir::separator();
    const qsizetype cut = path.lastIndexOf(sep);
    const QString name = path.mid(cut + 1);
    if (name.isEmpty() || name == u"." || name == u"..")
        return QString();
    QString folder = cut < 0 ? QStringLiteral(".") : cut == 0 ? QString(sep) : path.left(cut);
    if (cut > 0 && !QFileInfo::exists(folder))
        folder = find(folder, depth + 1);
    if (folder.isEmpty())
        return QString();
    const QString real = listing(folder).value(name.toCaseFolded());
    if (real.isEmpty())
        return QString();
    return cut < 0 ? real : (folder.endsWith(sep) ? folder + real : folder + sep + real);
}

const QHash<QString, QString> &CourseFiles::listing(const QString &folder)
{
    auto it = m_listings.find(folder);
    if (it != m_listings.end())
        return it.value();
    QHash<QString, QString> names;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        const QString folded = entry.toCaseFolded();
        if (!names.contains(folded)) // the first in name order wins, as a scan would
            names.insert(folded, entry);
    }
    return m_listings.insert(folder, names).value();
}

} // namespace lumora::tree
