#include "course/coursefiles.h"

#include "platform/folderentries.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace lumora::course {

namespace {
// Deeper paths than this are not looked up part by part.
constexpr int MaxDepth = 256;
} // namespace

QString CourseFiles::existingFile(const QString &path)
{
    std::optional<bool> folder;
    const QString found = find(paths::fromCourse(path), 0, &folder);
    if (found.isEmpty())
        return QString();
    if (folder)
        return *folder ? QString() : found;
    // A link found only in its folder's listing is judged by what it points to: one
    // that points nowhere is missing.
    const QFileInfo info(found);
    return info.exists() && !info.isDir() ? found : QString();
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
    // no case does not exist, and the exact name listed with its type does. (An empty
    // listing may be a folder that cannot be read.)
    if (plainName) {
        const auto listed = m_listings.constFind(folder);
        if (listed != m_listings.constEnd() && !listed->names.isEmpty()) {
            const auto entry = listed->names.constFind(name.toCaseFolded());
            if (entry == listed->names.constEnd())
                return QString();
            if (listed->searchable && entry->folder >= 0 && entry->name == name) {
                if (isFolder)
                    *isFolder = entry->folder == 1;
                return path;
            }
        }
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
    const Entry real = listing(folder).names.value(name.toCaseFolded());
    if (real.name.isEmpty())
        return QString();
    if (isFolder && real.folder >= 0)
        *isFolder = real.folder == 1;
    return cut < 0 ? real.name : (folder.endsWith(sep) ? folder + real.name : folder + sep + real.name);
}

const CourseFiles::Listing &CourseFiles::listing(const QString &folder)
{
    auto it = m_listings.find(folder);
    if (it != m_listings.end())
        return it.value();
    Listing listed;
    listed.searchable = ::access(QFile::encodeName(folder).constData(), X_OK) == 0;
    // Unsorted, which spares a sort of a folder of thousands of files; of names equal
    // without regard to case the first in name order wins, as a sorted scan would. The
    // type comes with the listing except for links, whose target decides it (and for
    // entries the listing does not describe).
    paths::forEachEntry(folder, [&listed](const paths::FolderEntry &found) {
        using Kind = paths::FolderEntry::Kind;
        Entry entry{found.name,
                    found.kind == Kind::Folder      ? qint8(1)
                        : found.kind == Kind::Other ? qint8(0)
                                                    : qint8(-1)};
        const QString folded = entry.name.toCaseFolded();
        auto known = listed.names.find(folded);
        if (known == listed.names.end())
            listed.names.insert(folded, std::move(entry));
        else if (entry.name < known->name)
            *known = std::move(entry);
        return true;
    });
    return m_listings.insert(folder, std::move(listed)).value();
}

} // namespace lumora::course
