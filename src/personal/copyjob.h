#pragma once
// Copying the learner's files between the work folder and another folder, as the copy
// window does it: every file lands inside the chosen folder (its own sub-folders kept),
// never through a symbolic link; a file that differs is replaced only when the user
// agrees; long copies report progress and can be cancelled, leaving the target as it
// was.
#include <QString>
#include <QStringList>

#include <functional>

namespace lumora::personal {

// The notes and links files of a folder and of its sub-folders down to maxDepth levels
// (symbolic links to folders are not entered), as paths relative to it, in name order.
QStringList learnerFiles(const QString &folder, int maxDepth = 8);

struct CopyItem {
    QString source;   // the file to copy
    QString relative; // its name below the target folder (folder parts kept)
};

enum class ReplaceAnswer { Replace, Keep, ReplaceAll, KeepAll, Cancel };

struct CopyCallbacks {
    // Asked for a target that exists and differs from its source.
    std::function<ReplaceAnswer(const QString &target)> replace;
    // Bytes done of the total; false cancels the whole copy.
    std::function<bool(qint64 done, qint64 total)> progress;
};

struct CopyResult {
    QStringList copied; // targets written
    bool cancelled = false;
};

// Copies the items into folder. Each new file is written completely beside its target
// first; only when every file is written are they put in place, so a cancelled copy
// changes nothing. An error (a source that cannot be read, a target that cannot be
// created, a symbolic link where a file or folder would go) ends the copy at that file:
// the files before it are put in place and the error is thrown.
CopyResult copyFiles(const QList<CopyItem> &items, const QString &folder, const CopyCallbacks &callbacks);

inline constexpr qint64 CopyChunk = 1024 * 1024;

} // namespace lumora::personal
