#include "app/startfolder.h"

#include <QDir>
#include <QFileInfo>

namespace lumora::startfolder {

QString choose(bool lastFolder, const QString &currentFolder, const QStringList &recentFolders,
               const QString &sampleFolder)
{
    if (!lastFolder)
        return currentFolder;
    for (const QString &folder : recentFolders) {
        if (QFileInfo(folder).isDir())
            return folder;
    }
    if (!sampleFolder.isEmpty() && QFileInfo(sampleFolder).isDir())
        return sampleFolder;
    return currentFolder;
}

QString installedSample(const QString &executableFolder)
{
#ifdef LUMORA_SAMPLE_RELATIVE
    return QDir::cleanPath(QDir(executableFolder).absoluteFilePath(QStringLiteral(LUMORA_SAMPLE_RELATIVE)));
#else
    Q_UNUSED(executableFolder);
    return QString();
#endif
}

} // namespace lumora::startfolder
