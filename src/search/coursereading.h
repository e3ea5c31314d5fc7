#pragma once
// Reading a whole course for the search: the screens found by the course walk, each
// read once, handed on in batches so that results can be shown while the reading goes
// on. It runs on a worker thread; everything it reports goes through the sink, and it
// stops soon after the sink says it is cancelled.
#include "search/screentexts.h"

#include <QList>
#include <QString>

#include <functional>
#include <vector>

namespace lumora::search {

// Called on the reading thread.
struct ReadingSink {
    std::function<bool()> cancelled;
    std::function<void(int done, int total)> progress;
    std::function<void(std::vector<ScreenText> &&batch)> batch; // in course order
    int batchSize = 25;
};

// Reads the screens in order and reports them. Returns false when it was cancelled.
bool readScreens(const QList<ScreenSource> &sources, FormattedTextCache &cache, const ReadingSink &sink);

} // namespace lumora::search

namespace lumora {
class Session;
}

namespace lumora::search {

// Which course to read, and where the learner's files are.
struct CourseRequest {
    QString courseFolder;   // the course's folder
    QString courseName;     // its name in the program folder (the tree's root caption)
    QString topContentFile; // the course's top content file
    QString workFolder;     // where notes and links are kept
};

// The course the session is in.
CourseRequest courseRequest(const Session &session);

// A screen named from more places than this is found by the captions of the first ones.
inline constexpr qsizetype MaxPlaces = 100;

// Walks the course and reads every screen once, with the places that name it in course
// order, reporting through the sink. Returns false when it was cancelled.
bool readCourse(const CourseRequest &request, FormattedTextCache &cache, const ReadingSink &sink);

} // namespace lumora::search
