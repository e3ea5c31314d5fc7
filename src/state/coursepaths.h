#pragma once
// Where a level's course folder and content file lie under the program folder.
#include <QString>

namespace lumora::state {

// The course folder of a level: ProgramDir + LevelFolder, and the level's content file
// in it. "\" in the course names is a folder separator.
QString levelFolderPath(const QString &programDir, const QString &levelFolder);
QString contentFilePath(const QString &programDir, const QString &levelFolder, const QString &screenFile);

} // namespace lumora::state
