#include "screens/folderlist.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace lumora {

FolderList folderList(const QString &programDir)
{
    FolderList list;
    const QString clean = QDir::cleanPath(QDir(programDir).absolutePath());
    list.entries << QDir::rootPath();
    for (const QString &part : clean.split(QLatin1Char('/'), Qt::SkipEmptyParts))
        list.entries << part;
    list.firstCourseEntry = list.count() + 1;

    // Not courses: a folder that is the program folder or one of its ancestors again
    // (through a link; entering it would loop back onto the program's own files), and a
    // folder named as the text table, which stands for a missing table, not a course.
    const QString real = QFileInfo(clean).canonicalFilePath();
    QStringList subfolders;
    for (const QFileInfo &info : QDir(clean).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (info.fileName().compare(QLatin1String("CONFIG.TXT"), Qt::CaseInsensitive) == 0)
            continue;
        if (info.isSymLink()) {
            const QString target = info.canonicalFilePath();
            if (target.isEmpty() || real == target || real.startsWith(target + QLatin1Char('/'))
                || target == QLatin1String("/"))
                continue;
        }
        subfolders << info.fileName();
    }
    // The user's language decides the order; without one, the program's own (Slovak).
    QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::Slovak, QLocale::Slovakia);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(subfolders.begin(), subfolders.end(),
                     [&](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
    list.entries += subfolders;
    return list;
}

} // namespace lumora
