#include "state/session.h"

#include "config/numbers.h"
#include "config/texttable.h"
#include "platform/fileops.h"
#include "platform/paths.h"
#include "state/coursepaths.h"
#include "state/levelfile.h"

#include <QCoreApplication>

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
    return paths::join(values.TempDir, values.levelFileName());
}

void Session::writeLevelFile()
{
    levelfile::write(levelFilePath(), course.CurrentLevel);
}

int Session::readLevelFile() const
{
    return levelfile::read(levelFilePath());
}

QString Session::templatePath() const
{
    return paths::join(values.TempDir, values.templateCreateName());
}

void Session::removeTemplate() const
{
    paths::removeFile(paths::join(values.TempDir, values.templateDeleteName()));
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
