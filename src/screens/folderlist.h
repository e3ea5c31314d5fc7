#pragma once
// The folder list of the root screen: the root, each folder on the way to the program
// folder, then the program folder's subfolders (ordinary folders only, sorted without
// regard to case in the user's language). Course buttons stand for the subfolders.
#include <QString>
#include <QStringList>

namespace lumora {

struct FolderList {
    QStringList entries;        // all entries, in list order
    int firstCourseEntry = 1;   // 1-based position of the first subfolder
    int count() const { return int(entries.size()); }
    // The course folder names: entries from firstCourseEntry on.
    QStringList courses() const { return entries.mid(firstCourseEntry - 1); }
};

FolderList folderList(const QString &programDir);

} // namespace lumora
