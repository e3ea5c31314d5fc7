#pragma once
// The integrity check over a walked course tree, and the caption search.
#include "tree/coursewalk.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace lumora::tree {

// The file an item runner would open for a reference: the target up to its first blank
// for programs and demonstrations, the whole trimmed target for screens and pictures.
QString testedName(const QString &reference);

// Whether a target is a web or mail address, which the item runner hands to the desktop
// as it is: no file of the course, so never a missing one.
bool isAddress(QStringView target);

// The default of the "ALL AROUND" text, "zacyklený súbor :" (the text table trims it).
QString defaultAllAroundText();

// One line of the integrity list per missing file, in course order: the node's check
// path (captions below the root, each followed by " - "), a blank and the tested name.
// Web and mail addresses are not files and are not tested.
// exists is asked once per distinct tested name; by default a file (not a folder) in
// the course folder, found without regard to case.
QStringList missingFileLines(const CourseTree &tree,
                             const std::function<bool(const QString &path)> &exists = {});

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

} // namespace lumora::tree
