#include "state/coursepaths.h"

#include "platform/paths.h"

namespace lumora::state {

QString levelFolderPath(const QString &programDir, const QString &levelFolder)
{
    return paths::join(programDir, levelFolder);
}

QString contentFilePath(const QString &programDir, const QString &levelFolder, const QString &screenFile)
{
    return paths::join(levelFolderPath(programDir, levelFolder), screenFile);
}

} // namespace lumora::state
