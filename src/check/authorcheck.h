#pragma once
// The course checker for authors: reads each content file of a course once, following
// the items the player shows, and reports what a learner would meet as broken: missing
// files (each once, with the number of places that name it and the first caption path
// to it), cut cycles, screens deeper than the player opens, screens with more stored
// lines than the player keeps, lines longer than the player provides for, content files
// that are not Windows-1250 text, formatted texts that are not rich text, targets that
// leave the course folder or lie outside the program folder.
#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

namespace lumora::check {

enum class FindingKind {
    Missing,
    Cycle,
    TooDeep,
    TooManyLines,
    LongLine,
    Encoding,
    NotRtf,
    Unreadable,
    Outside,
    SizeLimit,
    Note, // no error: a content file saved as UTF-8, which older players misread
};
// The kind as the report writes it ("missing", "too-many-lines", …).
QString kindName(FindingKind kind);
// The text with control characters written as "\xHH", so that no caption or name can
// steer the terminal or the log that shows a report.
QString escapeControls(const QString &text);

struct Finding {
    FindingKind kind = FindingKind::Missing;
    QString file;      // the file it is about, relative to the course folder ("" when none)
    int line = 0;      // 1-based line of that file, 0 when not about one line
    QString text;      // the finding as a person reads it
    quint64 count = 0; // for a missing file: the places that name it in the tree
    bool isNote() const { return kind == FindingKind::Note; }
};

struct CourseReport {
    QString name;   // the course folder's name
    QString folder; // its path
    QList<Finding> findings;
};

// Checks one course folder; programFolder holds the CONFIG.TXT that names the top
// content file and the cycle text (the course's own CONFIG.TXT comes first).
CourseReport checkCourse(const QString &courseFolder, const QString &programFolder);

// What checkFolder made of its folder.
enum class FolderKind {
    Unreadable, // not a folder, or one that cannot be read
    Nothing,    // neither a course nor a folder of courses
    Course,     // one course (perhaps without its top content file)
    Program,    // a program folder: each course folder was checked
};

// Checks FOLDER: one course when it holds its top content file; every course folder
// of a program folder when some sub-folder holds its own; a course without its top
// content file when it holds other files but no such sub-folder.
FolderKind checkFolder(const QString &folder, QList<CourseReport> &reports);

// The report as text, one finding a line ("course: kind: text", control characters
// written as "\x1b" and the like), or as one JSON document.
QString plainReport(const QList<CourseReport> &reports);
QString jsonReport(const QString &folder, const QList<CourseReport> &reports);

// The command line: lumora-check [--json] FOLDER; --help. Writes to out and err and
// returns the exit status: 0 clean (or notes only), 1 findings, 2 usage error, unreadable
// folder, or one that holds no course.
int runCheck(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace lumora::check
