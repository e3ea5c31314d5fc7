#include "course/itemtargets.h"
#include "platform/paths.h"
#include "course/buttonkind.h"
#include "state/coursestate.h"
#include "state/session.h"

#include <QDir>
#include <QFileInfo>

namespace lumora::course {

bool ItemPress::tooDeep() const
{
    return kind == ItemKind::Screen && level + 1 > MaxLevels;
}

std::optional<ItemPress> pressedItem(const CourseState &c, int tag)
{
    const int level = c.CurrentLevel;
    if (!CourseState::validLevel(level) || tag < 1 || tag > MaxLines)
        return std::nullopt;
    ItemPress press;
    press.target = splitButtonLine(c.ScreenLines[size_t(level)][size_t(tag)]).target;
    press.kind = itemKind(press.target);
    press.level = level;
    return press;
}

void recordPress(CourseState &c, const ItemPress &press, const QString &caption)
{
    const int next = press.level + 1;
    if (next <= MaxLevels) {
        c.ScreenFile.at(size_t(next)) = press.target;
        c.LevelFolder.at(size_t(next)) = c.LevelFolder[1];
    }
    c.PressedTitle = caption;
}

QString targetPath(const QString &folder, const QString &file)
{
    const QString written = paths::fromCourse(file);
    return QDir::isAbsolutePath(written) ? written : paths::join(folder, written);
}

QString courseItemFile(const Session &s, const QString &folder, const QString &file)
{
    if (file.isEmpty())
        return QString();
    const QString found = paths::existingFile(targetPath(folder, file));
    const bool allowed = !found.isEmpty()
        && (paths::inside(found, s.values.ProgramDir) || (!folder.isEmpty() && paths::inside(found, folder)));
    return allowed ? QDir::cleanPath(found) : QString();
}

QString shellItemFile(const Session &s, const QString &folder, const QString &fileName)
{
    const QString inCourse = courseItemFile(s, folder, fileName);
    if (!inCourse.isEmpty())
        return inCourse;
    const QString written = paths::existingFile(fileName);
    if (!written.isEmpty() && paths::inside(written, s.values.ProgramDir))
        return QFileInfo(written).absoluteFilePath();
    return isAddress(fileName) ? fileName : QString();
}

bool mayWriteScreen(const Session &s, const QString &folder, const QString &target)
{
    return paths::inside(targetPath(folder, target), s.values.ProgramDir) && s.programFolderWritable();
}

QString demonstrationPlayer(const Session &s)
{
    return paths::join(s.values.LotusDir, QStringLiteral("SCPLAYER.EXE"));
}

QString demonstrationArguments(const QString &demonstration)
{
    return QLatin1Char('"') + demonstration + QStringLiteral("\" /s/c");
}

} // namespace lumora::course
