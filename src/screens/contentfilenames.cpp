#include "screens/contentfilenames.h"

#include "platform/paths.h"
#include "screens/contentfiletext.h"

namespace lumora::content {

namespace {
// The last part of a name from course data, so that it stays inside the work folder.
QString workFileName(const QString &name)
{
    return paths::fileName(name);
}
} // namespace

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

QString ownLinksFileName(int level, const QString &screenFile, const QString &levelFolder,
                         const QString &contentFileName)
{
    QString stem;
    if (level == 1 || screenFile.isEmpty())
        stem = QStringLiteral("lumora");
    else if (sameIgnoringCase(screenFile, contentFileName))
        stem = levelFolder;
    else
        stem = screenFile;
    stem = workFileName(stem);
    return stem.contains(u'.') ? replaceAfterFirstDot(stem, u"htm") : stem + QStringLiteral(".htm");
}

QString notesFileName(const QString &screenFile, const QString &levelFolder,
                      const QString &contentFileName)
{
    if (!sameIgnoringCase(screenFile, contentFileName))
        return workFileName(screenFile);
    return workFileName(trimBlanks(levelFolder) + QStringLiteral(".txt"));
}

} // namespace lumora::content
