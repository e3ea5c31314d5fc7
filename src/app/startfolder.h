#pragma once
// The program folder of a start that names none on its command line.
#include <QString>
#include <QStringList>

namespace lumora::startfolder {

// "--last" (the menu entry): the first of the recent program folders that still
// exists, else the installed sample folder when it exists, else the current folder.
// Without "--last", the current folder, as always.
QString choose(bool lastFolder, const QString &currentFolder, const QStringList &recentFolders,
               const QString &sampleFolder);

// The sample program folder installed with the program, found from the folder of the
// running executable (empty when the program was built without an install layout).
QString installedSample(const QString &executableFolder);

} // namespace lumora::startfolder
