#pragma once
// The integrity check over a walked course tree, and the caption search.
#include "course/coursefiles.h"
#include "course/coursewalk.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace lumora::course {

// The file an item runner would open for a reference: the target up to its first blank
// for programs and demonstrations, the whole trimmed target for screens and pictures.
QString testedName(const QString &reference);

// The default of the "ALL AROUND" text, "zacyklený súbor :" (the text table trims it).
QString defaultAllAroundText();

// What the checks make of one target.
struct TargetCheck {
    QString name;         // the tested name
    bool missing = false; // a file of the course that does not exist; an address never is
    bool leaves = false;  // a file name (no address) that leaves the course folder
};

// Judges targets, each distinct target (as written) once and each distinct tested name
// once. exists answers whether a path names a file; by default a file (not a folder)
// in the course folder, found without regard to case. Web and mail addresses are not
// files and are not tested; an empty name names the folder itself and is missing.
class TargetTester {
public:
    explicit TargetTester(const QString &courseFolder, std::function<bool(const QString &path)> exists = {});
    // The verdict stays where it is while the tester lives.
    const TargetCheck &test(const QString &target);

private:
    // The verdicts by target as written, in an open-addressed table of a power of two
    // slots, at most half full. Targets are short file names: for them a plain hash
    // over the UTF-16 units, kept beside the key, costs a fraction of the library's
    // string hash and comparison, paid once per node.
    struct Slot {
        size_t hash = 0;
        QString target;
        const TargetCheck *check = nullptr; // nullptr: a free slot
    };
    static size_t hashOf(const QString &text);
    const TargetCheck &judge(const QString &target);

    QString m_folder;
    std::function<bool(const QString &)> m_exists;
    CourseFiles m_files;
    QHash<QString, bool> m_present; // tested name -> exists
    std::vector<Slot> m_slots;
    std::size_t m_used = 0;
    std::deque<TargetCheck> m_checks; // stays in place as it grows
};

// One line of the integrity list per missing file, in course order: the node's check
// path (captions below the root, each followed by " - "), a blank and the tested name.
// exists as for TargetTester.
QStringList missingFileLines(const CourseTree &tree, const std::function<bool(const QString &path)> &exists = {});

// The same lines from verdicts already made: checkOf(i) is node i's.
QStringList missingFileLines(const CourseTree &tree, const std::function<const TargetCheck &(int node)> &checkOf);

// Two lines per cut cycle: allAround + " " + reference + " duplikovany v " + the file
// that referenced the earlier copy, and the same with the chain text.
QStringList cycleLines(const CourseTree &tree, const QString &allAround);

// The whole list the tree window shows: the course name, an empty line, the missing
// files, then the cycles.
QStringList integrityList(const CourseTree &tree, const QString &courseName, const QString &allAround,
                          const std::function<bool(const QString &path)> &exists = {});

// The scroll bars the list needs: vertical from 25 lines on, horizontal when a line
// holds 86 characters or more.
struct ListScrollBars {
    bool horizontal = false;
    bool vertical = false;
};
ListScrollBars listScrollBars(const QStringList &lines);

// The first node at or after from whose caption contains text, compared without regard
// to the case of any letter (diacritics still count: "c" does not find "č"); -1 when
// there is none or text is empty.
int findCaption(const CourseTree &tree, const QString &text, int from);

} // namespace lumora::course
