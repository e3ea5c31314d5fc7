#include "course/visits.h"

#include "state/session.h"

#include <QHash>

namespace lumora::course::progress {

namespace {

// Entries not saved yet, by progress file.
QHash<QString, Visited> &waiting()
{
    static QHash<QString, Visited> entries;
    return entries;
}

void record(const Place &where, const QString &reference)
{
    if (where.refused())
        return;
    // A screen shown again is usually recorded already: one read, no lock and no write.
    const auto known = waiting().constFind(where.file);
    if (known == waiting().constEnd() && read(where).contains(reference))
        return;
    Visited &pending = waiting()[where.file];
    pending.add(reference);
    if (save(where, pending))
        waiting().remove(where.file);
}

bool recordsVisits(const Session &session, int level)
{
    return !session.values.isSearchInstance() && level >= 2 && CourseState::validLevel(level);
}

} // namespace

Place placeOf(const Session &session, int level)
{
    if (!CourseState::validLevel(level))
        return {};
    return place(session.values.TempDir, session.course.LevelFolder[size_t(level)]);
}

void recordScreen(const Session &session)
{
    const int level = session.course.CurrentLevel;
    if (recordsVisits(session, level))
        record(placeOf(session, level), session.course.ScreenFile[size_t(level)]);
}

void recordItem(const Session &session, int level, const QString &target)
{
    if (recordsVisits(session, level))
        record(placeOf(session, level), target);
}

Visited visitedOf(const Session &session, int level)
{
    const Place where = placeOf(session, level);
    Visited visited = read(where);
    const auto pending = waiting().constFind(where.file);
    if (pending != waiting().constEnd())
        visited.merge(*pending);
    return visited;
}

void forgetCourse(const Session &session, int level)
{
    const Place where = placeOf(session, level);
    waiting().remove(where.file);
    forget(where);
}

} // namespace lumora::course::progress
