#pragma once
// Replacing several files as one change: every new content is written completely
// beside its target before any target is touched, so a full disk or a folder that turns
// read-only part-way leaves the old files as they were, never a mix of old and new.
#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class QSaveFile;

namespace lumora::fileops {

// One file of the change: where it goes and its complete new content.
struct NewFile {
    QString path;
    QByteArray bytes;
};

// The two steps that put one file in place. Each returns false when it fails, with
// errno telling why. Tests replace them to fail the way a full disk or a read-only
// folder does; empty functions mean the real steps.
struct ReplaceSteps {
    // Writes the new content into the open save file.
    std::function<bool(QSaveFile &, const QByteArray &)> write;
    // Flushes the save file and renames it over its target.
    std::function<bool(QSaveFile &)> commit;
};

// Writes every file beside its target (an existing target is found without regard to
// case), then renames them over their targets in the given order. A failure while
// writing changes nothing. When a rename fails after earlier ones succeeded, the files
// already replaced get their old content back (or are removed when they were new), as
// far as the folder still lets the program write. Throws FileCreateError when a new
// file cannot be created or a target is a symbolic link out of its folder
// (paths::staysInItsFolder), and IoError when writing or renaming fails.
void replaceFiles(const QList<NewFile> &files, const ReplaceSteps &steps = {});

} // namespace lumora::fileops
