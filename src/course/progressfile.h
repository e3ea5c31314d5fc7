#pragma once
// The learner's progress in a course: the files of the course whose screen has been
// shown or whose lesson item has been run. Kept per course in the course's own
// sub-folder of the work folder, beside its notes, never in the course itself.
//
// The file is UTF-8 text, one entry a line: a file of the course named relative to the
// course folder, "/" between its parts. Lines starting with "#" are comments (an entry
// that starts with "#" is written as "./#…"). A damaged or foreign file is read as far as
// it makes sense: a line that is not UTF-8, holds control characters, is overlong or
// names something outside the course is left out, and no more than MaxFileBytes are read.
//
// Saving adds entries to what the file holds now: under an advisory lock taken on a
// lock file beside it, the file is read again, merged with the new entries and written
// to a new file that then replaces it. So two copies of the player on one course keep
// each other's entries.
#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

namespace lumora::course::progress {

inline constexpr char FileName[] = "lumora-postup.lst";
inline constexpr char LockName[] = "lumora-postup.lck";
// What is read of a file at most; a longer one is read this far.
inline constexpr qsizetype MaxFileBytes = 1024 * 1024;
// An entry longer than this is no file name of a course.
inline constexpr qsizetype MaxEntryLength = 1024;

// The entry a reference gives: "\" becomes "/", blanks around it and leading "./" go.
// Empty when nothing is named or the reference leaves the course folder (absolute, a
// drive letter, or ".." climbing above it).
QString entryName(QStringView reference);

// A set of entries in the order they were first added, compared without regard to case
// (course files come from Windows).
class Visited {
public:
    // Whether the file a reference names is among the entries.
    bool contains(QStringView reference) const;
    // Adds the reference's entry; false when it was there already or is refused.
    bool add(QStringView reference);
    // Adds every entry of other; the number added.
    int merge(const Visited &other);
    const QStringList &entries() const { return m_entries; }
    bool isEmpty() const { return m_entries.isEmpty(); }

private:
    QStringList m_entries;
    QSet<QString> m_keys; // case-folded entries
};

// The entries of a file's bytes, read as far as they make sense.
Visited parse(QByteArrayView bytes);
// The bytes a file holds for the entries: a comment line, then one entry a line, each
// ended by a line feed.
QByteArray serialize(const Visited &visited);

// Where a course's progress is kept: the file and its lock file in the course's
// sub-folder of the work folder. refused() when the course name leads outside the work
// folder or no work folder is known.
struct Place {
    QString workFolder;
    QString folder; // the course's sub-folder, full path
    QString file;
    QString lock;
    bool refused() const { return file.isEmpty(); }
};
Place place(const QString &workFolder, const QString &courseFolderName);

// Whether the course has a progress file (a course never opened has none).
bool exists(const Place &place);
// What the file holds now; a missing, unreadable or refused file holds nothing.
Visited read(const Place &place);

// Adds the entries to the file: under the lock, merged with what the file holds, then
// written to a new file that replaces it. False when it could not be saved now (the
// lock stayed taken, the folder cannot be written, the place is refused); nothing on
// disk is changed then.
bool save(const Place &place, const Visited &added);
// Removes the course's progress; the notes and links beside it stay. Throws Error when
// the file cannot be removed.
void forget(const Place &place);

} // namespace lumora::course::progress
