#include "state/session.h"

#include "config/numbers.h"
#include "config/texttable.h"
#include "platform/fileops.h"
#include "platform/paths.h"
#include "state/coursepaths.h"
#include "state/levelfile.h"
#include "state/programvalues.h"
#include "platform/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace lumora {

QString Session::lookupText(const QString &key, const QString &defaultText)
{
    const int level = course.CurrentLevel;
    const QString first =
        course.InsideCourse && CourseState::validLevel(level) ? levelFolderPath(level) : values.ProgramDir;
    return config::lookup(first, values.ProgramDir, key, defaultText, ShowPrompt);
}

int Session::ConfigInt(const TextKey &entry)
{
    return config::toInteger(ConfigText(entry));
}

QString Session::levelFolderPath(int level) const
{
    const QString folder = CourseState::validLevel(level) ? course.LevelFolder[size_t(level)] : QString();
    return paths::withSeparator(state::levelFolderPath(values.ProgramDir, folder));
}

QString Session::contentFilePath(int level) const
{
    if (!CourseState::validLevel(level))
        return levelFolderPath(level);
    return state::contentFilePath(values.ProgramDir, course.LevelFolder[size_t(level)],
                                  course.ScreenFile[size_t(level)]);
}

QString Session::levelFilePath() const
{
    return paths::join(ownFilesFolder(), values.levelFileName());
}

void Session::writeLevelFile()
{
    writeOwnFile([this] { levelfile::write(levelFilePath(), course.CurrentLevel); });
}

int Session::readLevelFile() const
{
    return levelfile::read(levelFilePath());
}

QString Session::templatePath() const
{
    return paths::join(ownFilesFolder(), values.templateCreateName());
}

void Session::removeTemplate() const
{
    paths::removeFile(paths::join(ownFilesFolder(), values.templateDeleteName()));
}

QString Session::ownFilesFolder() const
{
    return m_ownFilesFallback == 0 ? values.TempDir : m_ownFilesFolder;
}

bool Session::nextOwnFilesFolder()
{
    const QString before = ownFilesFolder();
    while (m_ownFilesFallback < 2) {
        ++m_ownFilesFallback;
        const QString next =
            paths::withSeparator(m_ownFilesFallback == 1 ? startup::dataLocation() : startup::fallbackTempDir());
        if (next.isEmpty() || !QDir().mkpath(next)
            || QFileInfo(next).canonicalFilePath() == QFileInfo(before).canonicalFilePath())
            continue;
        m_ownFilesFolder = next;
        // The template written before goes along; the level file is written anew.
        const QString oldTemplate = paths::existingFile(paths::join(before, values.templateCreateName()));
        if (!oldTemplate.isEmpty()) {
            try {
                textfile::writeBytes(templatePath(), textfile::readBytes(oldTemplate));
            } catch (const Error &) {
                continue; // this place cannot take it either
            }
        }
        return true;
    }
    return false;
}

void Session::requestTerminate()
{
    terminateRequested = true;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

bool Session::programFolderWritable() const
{
    return fileops::writeProbe(values.ProgramDir);
}

} // namespace lumora
