#pragma once
// The lesson pane's zoom kept for the learner, per program folder, in the program's own
// settings (never in a course or the work folder).
#include <QString>

namespace lumora::memo {

// The zoom kept for this program folder, 100 when none is; always MinZoom..MaxZoom.
int keptZoom(const QString &programDir);
void keepZoom(const QString &programDir, int percent);

} // namespace lumora::memo
