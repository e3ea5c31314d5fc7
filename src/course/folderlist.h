#pragma once
// The folder list of the root screen: the root, each folder on the way to the program
// folder, then the program folder's subfolders (ordinary folders only, sorted without
// regard to case in the user's language). Course buttons stand for the subfolders.
// When the name of a course's top content file is given, a subfolder without that file
// is listed only when it holds content files (".txt") or the top file's backup, so that a home folder's
// Documents or Downloads are not offered as courses.
#include <QString>
#include <QStringList>

namespace lumora::course {

struct FolderList {
    QStringList entries;      // all entries, in list order
    int firstCourseEntry = 1; // 1-based position of the first subfolder
    bool unreadable = false;  // the program folder itself could not be listed
    int count() const { return int(entries.size()); }
    // The course folder names: entries from firstCourseEntry on.
    QStringList courses() const { return entries.mid(firstCourseEntry - 1); }
};

FolderList folderList(const QString &programDir, const QString &contentName = QString());

// Whether a folder holds the content file contentName (any case), its backup, or another
// content file.
bool holdsContentFiles(const QString &folder, const QString &contentName);

} // namespace lumora::course
