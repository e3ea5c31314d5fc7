#pragma once
// Replacing several files as one change: every new content is written completely
// beside its target before any target is touched, so a full disk or a folder that turns
// read-only part-way leaves the old files as they were, never a mix of old and new.
#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

namespace lumora::fileops {

class SafeFile;

// One file of the change: where it goes and its complete new content.
struct NewFile {
    QString path;
    QByteArray bytes;
};

// The two steps that put one file in place; each throws as SafeFile does. Tests
// replace them to fail the way a full disk or a read-only folder does; empty functions
// mean the real steps.
struct ReplaceSteps {
    // Writes the new content into the open file and flushes it to the disk.
    std::function<void(SafeFile &, const QByteArray &)> write;
    // Renames the finished file over its target.
    std::function<void(SafeFile &)> commit;
};

// Writes every file beside its target (an existing target is found without regard to
// case), then renames them over their targets in the given order, so a kill between
// two renames leaves the earlier files new and the later ones old: callers list first
// the file whose new content is safe beside the others' old one. A failure while
// writing changes nothing. When a rename fails after earlier ones succeeded, the files
// already replaced get their old content back (or are removed when they were new), as
// far as the folder still lets the program write. Throws what SafeFile throws.
void replaceFiles(const QList<NewFile> &files, const ReplaceSteps &steps = {});

} // namespace lumora::fileops
