#include "course/courseprogress.h"

#include "course/coursewalk.h"

#include <QDir>
#include <QFileInfo>

namespace lumora::course {

namespace {

QDateTime modifiedOf(const QFileInfo &info)
{
    return info.exists() ? info.lastModified() : QDateTime();
}

} // namespace

bool ProgressCounter::unchanged(const Screens &screens, const QString &topFile)
{
    if (screens.topFile != topFile)
        return false;
    for (const Stamp &stamp : screens.stamps) {
        const QFileInfo info(stamp.path);
        if (modifiedOf(info) != stamp.modified || (info.exists() ? info.size() : -1) != stamp.size)
            return false;
    }
    return true;
}

ProgressCounter::Screens ProgressCounter::walk(const QString &courseFolder, const QString &topFile)
{
    Screens screens;
    screens.topFile = topFile;
    const CourseGraph graph = readCourseGraph(courseFolder, topFile);
    const QDir folder(courseFolder);
    for (const ContentFileVisit &visit : graph.visits) {
        const QFileInfo info(visit.path);
        screens.stamps.append({visit.path, modifiedOf(info), info.exists() ? info.size() : -1});
        if (visit.state != NodeState::Expanded)
            continue;
        // Recorded as a screen's button names it, or as the file is spelled on disk.
        screens.names.append({visit.reference, folder.relativeFilePath(visit.path)});
    }
    return screens;
}

std::optional<ProgressCount> ProgressCounter::count(const QString &courseFolder, const QString &topFile,
                                                    const progress::Place &place)
{
    if (!progress::exists(place))
        return std::nullopt;
    QList<QStringList> names;
    {
        QMutexLocker locker(&m_mutex);
        const auto known = m_screens.constFind(courseFolder);
        if (known != m_screens.constEnd() && unchanged(*known, topFile))
            names = known->names;
    }
    if (names.isEmpty()) {
        Screens screens = walk(courseFolder, topFile);
        names = screens.names;
        QMutexLocker locker(&m_mutex);
        m_screens.insert(courseFolder, std::move(screens));
    }
    if (names.isEmpty())
        return std::nullopt;
    const progress::Visited visited = progress::read(place);
    ProgressCount result;
    result.total = int(names.size());
    for (const QStringList &screen : names) {
        if (std::any_of(screen.begin(), screen.end(), [&](const QString &name) { return visited.contains(name); }))
            ++result.visited;
    }
    return result;
}

} // namespace lumora::course
