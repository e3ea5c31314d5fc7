#include "course/folderlist.h"

#include "platform/folderentries.h"
#include "course/contentfileitems.h"
#include "course/contentfilenames.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <utility>
#include <vector>

namespace lumora::course {

bool holdsContentFiles(const QString &folder, const QString &contentName)
{
    // The usual course costs one look-up: its top file under the name the table gives.
    // Anything else (another letter case, only a backup or a screen) needs the listing.
    const QFileInfo exact(folder + QLatin1Char('/') + contentName);
    if (exact.exists() && !exact.isDir())
        return true;
    // The top file's backup counts: entering the course puts it back in place.
    const QString backup = course::backupName(contentName);
    bool found = false;
    paths::forEachEntry(folder, [&](const paths::FolderEntry &entry) {
        if (entry.kind == paths::FolderEntry::Kind::Folder)
            return true;
        found = entry.name.compare(contentName, Qt::CaseInsensitive) == 0
            || entry.name.compare(backup, Qt::CaseInsensitive) == 0
            || course::itemKind(entry.name) == course::ItemKind::Screen;
        return !found;
    });
    return found;
}

FolderList folderList(const QString &programDir, const QString &contentName)
{
    FolderList list;
    const QString clean = QDir::cleanPath(QDir(programDir).absolutePath());
    list.unreadable = !QDir(clean).isReadable();
    list.entries << QDir::rootPath();
    for (const QString &part : clean.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        list.entries << part;
    list.firstCourseEntry = list.count() + 1;

    // Not courses: a folder that is the program folder or one of its ancestors again
    // (through a link; entering it would loop back onto the program's own files), and a
    // folder named as the text table, which stands for a missing table, not a course.
    const QString real = QFileInfo(clean).canonicalFilePath();
    const QString prefix = clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
    QStringList subfolders;
    paths::forEachEntry(clean, [&](const paths::FolderEntry &entry) {
        using Kind = paths::FolderEntry::Kind;
        const QString &name = entry.name;
        // Hidden folders are not listed.
        if (name.startsWith(QLatin1Char('.')) || entry.kind == Kind::Other
            || name.compare(QLatin1String("CONFIG.TXT"), Qt::CaseInsensitive) == 0)
            return true;
        if (entry.kind != Kind::Folder) {
            // A link (or an entry the listing does not describe): a folder once followed.
            const QFileInfo info(prefix + name);
            if (!info.isDir())
                return true;
            if (info.isSymLink()) {
                const QString target = info.canonicalFilePath();
                if (target.isEmpty() || real == target || real.startsWith(target + QLatin1Char('/'))
                    || target == QLatin1String("/"))
                    return true;
            }
        }
        if (!contentName.isEmpty() && !holdsContentFiles(prefix + name, contentName))
            return true;
        subfolders << name;
        return true;
    });
    // The user's language decides the order; without one, the program's own (Slovak).
    // The collator is made once: it depends on the language only.
    static QCollator collator = [] {
        QLocale locale = QLocale::system();
        if (locale.language() == QLocale::C)
            locale = QLocale(QLocale::Slovak, QLocale::Slovakia);
        QCollator made(locale);
        made.setCaseSensitivity(Qt::CaseInsensitive);
        return made;
    }();
    // One sort key per name, so a long list is not collated name against name.
    std::vector<std::pair<QCollatorSortKey, qsizetype>> keys;
    keys.reserve(size_t(subfolders.size()));
    for (qsizetype i = 0; i < subfolders.size(); ++i)
        keys.emplace_back(collator.sortKey(subfolders.at(i)), i);
    std::stable_sort(keys.begin(), keys.end(),
                     [](const auto &a, const auto &b) { return a.first.compare(b.first) < 0; });
    QStringList sorted;
    sorted.reserve(subfolders.size());
    for (const auto &key : keys)
        sorted << subfolders.at(key.second);
    subfolders = std::move(sorted);
    list.entries += subfolders;
    return list;
}

} // namespace lumora::course
