#include "tree/coursefiles.h"

#include "platform/paths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace lumora::tree {

namespace {
// Deeper paths than this are not looked up part by part.
constexpr int MaxDepth = 256;
} // namespace

QString CourseFiles::existingFile(const QString &path)
{
    std::optional<bool> folder;
    const QString found = find(paths::fromCourse(path), 0, &folder);
    if (found.isEmpty() || (folder ? *folder : QFileInfo(found).isDir()))
        return QString();
    return found;
}

QString CourseFiles::find(const QString &path, int depth, std::optional<bool> *isFolder)
{
    if (path.isEmpty() || depth > MaxDepth)
        return QString();
    const QChar sep = QDir::separator();
    const qsizetype cut = path.lastIndexOf(sep);
    const QString name = path.mid(cut + 1);
    const bool plainName = !name.isEmpty() && name != u"." && name != u"..";
    QString folder = cut < 0 ? QStringLiteral(".") : cut == 0 ? QString(sep) : path.left(cut);
    // A folder listed before answers for its names without a query: a name it holds in
    // no case does not exist. (An empty listing may be a folder that cannot be read.)
    if (plainName) {
        const auto listed = m_listings.constFind(folder);
        if (listed != m_listings.constEnd() && !listed->isEmpty() && !listed->contains(name.toCaseFolded()))
            return QString();
    }
    // One query tells whether the exact name exists and whether it is a folder.
    if (const QFileInfo info(path); info.exists()) {
        if (isFolder)
            *isFolder = info.isDir();
        return path;
    }
    if (!plainName)
        return QString();
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
    // Unsorted, which spares a sort of a folder of thousands of files; of names equal
    // without regard to case the first in name order wins, as a sorted scan would.
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QString entry = entries.fileName();
        const QString folded = entry.toCaseFolded();
        auto known = names.find(folded);
        if (known == names.end())
            names.insert(folded, entry);
        else if (entry < known.value())
            known.value() = entry;
    }
    return m_listings.insert(folder, names).value();
}

} // namespace lumora::tree
