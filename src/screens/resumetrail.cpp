#include "screens/resumetrail.h"

#include "state/session.h"
#include "state/usersettings.h"

namespace lumora::screens {

void recordResumeScreen(const Session &s)
{
    const CourseState &c = s.course;
    const int level = c.CurrentLevel;
    if (s.values.isSearchInstance() || !CourseState::validLevel(level) || level < 2)
        return;
    const ResumeStep step = level == 2 ? ResumeStep{c.LevelFolder[2], c.LevelFolder[2]}
                                       : ResumeStep{c.ScreenFile[size_t(level)], c.PressedTitle};
    UserSettings().enterLevel(s.values.ProgramDir, level, step);
}

void recordResumeBack(const Session &s)
{
    // Windows that close while the program ends are no step back.
    if (s.values.isSearchInstance() || s.terminateRequested)
        return;
    UserSettings().leaveToLevel(s.values.ProgramDir, s.course.CurrentLevel);
}

} // namespace lumora::screens
