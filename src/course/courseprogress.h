#pragma once
// How far a learner has come in a course: how many of its screens (distinct content
// files reached from the top one, as the course walk finds them) are visited. The
// screens of each course are kept once walked and walked again only when one of the
// content files the walk met has changed, appeared or gone. Safe to use from several
// threads; meant for a worker thread, as a large course takes long to walk.
#include "course/progressfile.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <optional>

namespace lumora::course {

struct ProgressCount {
    int visited = 0;
    int total = 0;
    bool operator==(const ProgressCount &) const = default;
};

class ProgressCounter {
public:
    // The count of the course in courseFolder with the top content file topFile; none
    // when the course has no progress file (it was never opened) or no screen.
    std::optional<ProgressCount> count(const QString &courseFolder, const QString &topFile,
                                       const progress::Place &place);

private:
    struct Stamp {
        QString path;
        QDateTime modified; // invalid for a file that was missing
        qint64 size = -1;
    };
    struct Screens {
        QString topFile;
        QList<Stamp> stamps;
        QList<QStringList> names; // per screen: the entry names it may be recorded under
    };
    static bool unchanged(const Screens &screens, const QString &topFile);
    static Screens walk(const QString &courseFolder, const QString &topFile);

    QMutex m_mutex;
    QHash<QString, Screens> m_screens; // by course folder
};

} // namespace lumora::course
