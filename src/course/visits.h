#pragma once
// The running program's side of the learner's progress: records a screen shown or a
// lesson item run in the progress file of its course, and tells which files of a
// course have been visited. An entry that could not be saved (another copy held the
// lock, the work folder could not be written) is kept and saved with the next one, so
// nothing recorded while the program runs is lost. A search window records nothing.
#include "course/progressfile.h"

#include <QString>

namespace lumora {

class Session;

namespace course::progress {

// The progress place of the course a level shows.
Place placeOf(const Session &session, int level);

// After the screen of the current level was built.
void recordScreen(const Session &session);
// After a lesson item of a level was run: the target as its button names it.
void recordItem(const Session &session, int level, const QString &target);

// The visited files of the course a level shows: the file's entries and those still
// waiting to be saved.
Visited visitedOf(const Session &session, int level);

// Forgets the progress of the course a level shows, also what waits to be saved.
// Throws Error when the file cannot be removed.
void forgetCourse(const Session &session, int level);

} // namespace course::progress
} // namespace lumora
