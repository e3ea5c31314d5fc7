#include "text/zoommemory.h"

#include "state/usersettings.h"
#include "text/memozoom.h"

#include <algorithm>

namespace lumora::memo {

int keptZoom(const QString &programDir)
{
    return std::clamp(UserSettings().lessonZoom(programDir, 100), MinZoom, MaxZoom);
}

void keepZoom(const QString &programDir, int percent)
{
    UserSettings().keepLessonZoom(programDir, std::clamp(percent, MinZoom, MaxZoom));
}

} // namespace lumora::memo
