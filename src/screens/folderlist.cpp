#include "screens/folderlist.h"

#include <QCollator>
#include <QDir>
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

    QStringList subfolders = QDir(clean).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
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
