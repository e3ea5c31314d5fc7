#pragma once
// The course checker for authors: walks each course once, as the tree window does, and
// reports what a learner would meet as broken: missing files (the integrity list's
// lines), cut cycles, screens with more stored lines than the player keeps, lines
// longer than the player provides for, content files that are not Windows-1250 text,
// formatted texts that are not rich text, targets that leave the course folder.
#include <QList>
#include <QString>
#include <QStringList>

class QTextStream;

namespace lumora::check {

struct Finding {
    QString kind;    // "missing", "cycle", "too-many-lines", "long-line", "encoding",
                     // "not-rtf", "unreadable", "outside", "size-limit"; "note" is no
                     // error (a content file saved as UTF-8, which older players misread)
    QString file;    // the file it is about, relative to the course folder ("" when none)
    int line = 0;    // 1-based line of that file, 0 when not about one line
    QString text;    // the finding as a person reads it
    bool isNote() const { return kind == QLatin1String("note"); }
};

struct CourseReport {
    QString name;   // the course folder's name
    QString folder; // its path
    QList<Finding> findings;
};

// Checks one course folder; programFolder holds the CONFIG.TXT that names the top
// content file and the cycle text (the course's own CONFIG.TXT comes first).
CourseReport checkCourse(const QString &courseFolder, const QString &programFolder);

// Checks FOLDER: one course when it holds its top content file, otherwise every course
// folder of a program folder. Returns false when the folder cannot be read.
bool checkFolder(const QString &folder, QList<CourseReport> &reports);

// The report as text, one finding a line ("course: kind: text"), or as one JSON document.
QString plainReport(const QList<CourseReport> &reports);
QString jsonReport(const QString &folder, const QList<CourseReport> &reports);

// The command line: lumora-check [--json] FOLDER; --help. Writes to out and err and
// returns the exit status: 0 clean (or notes only), 1 findings, 2 usage error or
// unreadable folder.
int runCheck(const QStringList &arguments, QTextStream &out, QTextStream &err);

} // namespace lumora::check
