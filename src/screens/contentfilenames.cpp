#include "screens/contentfilenames.h"

#include "platform/paths.h"
#include "screens/contentfiletext.h"

namespace lumora::content {

QString levelFolderPath(const QString &programDir, const QString &levelFolder)
{
    return paths::join(programDir, levelFolder);
}

QString contentFilePath(const QString &programDir, const QString &levelFolder,
                        const QString &screenFile)
{
    return paths::join(levelFolderPath(programDir, levelFolder), screenFile);
}

QString formattedTextName(const QString &contentName)
{
    return replaceAfterFirstDot(contentName, u"rtf");
}

QString backupName(const QString &contentName)
{
    return replaceAfterFirstDot(contentName, u"bak");
}

} // namespace lumora::content
