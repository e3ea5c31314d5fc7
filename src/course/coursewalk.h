#pragma once
// The course tree: every screen and item of a course, found by following its content
// files from the top one down.
//
// Usage:
//   CourseTree tree = walkCourse(courseFolder, courseName, "Obsah.txt");
//   for (int i = 0; i < tree.size(); ++i)
//       use(tree.node(i).caption, tree.captionPath(i), tree.filePath(i));
//
// Nodes are kept in course order (depth first, the root at index 0), each with its
// caption, its reference (the button's target) and its parent's index. All references
// are relative to the course folder, never to the content file that names them.
//
// Item lines are read by the screens' content-file rules: only button lines outside
// text blocks count, the caption runs up to the last "]", the target is trimmed. Every
// button line of a file is taken (the tree is not limited to what a screen has room
// for). A reference whose item kind is a screen ("txt" in any letter case) is followed:
// its content file's items become the node's children. A reference back onto a file
// already open on its own path (compared as the files are resolved, so without regard
// to letter case) is cut there and recorded as a cycle; a file shared by two branches
// is expanded under each. Each content file is read and parsed at most once per walk.
// A missing or unreadable content file, one that is not a regular file, one larger
// than MaxContentFileBytes, one whose reference leaves the course folder, or one that
// lies outside the program folder once links are followed (the screens refuse it just
// so), is a leaf and is never read; the walk goes on. At most maxNodes nodes are added
// (see truncated).
#include "course/contentfile.h"
#include "course/contentfileitems.h"

#include <QByteArrayView>
#include <QList>
#include <QString>

#include <functional>
#include <limits>

namespace lumora::course {

// The default room of a walk: a course that shares content files so often that its
// tree grows past this many nodes is shown cut off, with a warning.
inline constexpr int DefaultMaxNodes = 250000;
// The screens' limit: a larger file is not read as a content file.
using course::MaxContentFileBytes;

// What became of a node's reference when the walk met it.
enum class NodeState {
    Item,       // not a screen: a demonstration, picture, program or document
    Expanded,   // a screen whose content file was read; its items are the children
    Missing,    // a screen whose content file does not exist
    Unreadable, // a screen whose content file exists but could not be read as a file
    Outside,    // a screen whose reference leaves the course folder, or whose file lies
                // outside the program folder: not followed, not read
    Cycle,      // a screen already open on its own path: cut, see CourseTree::cycles
};

struct CourseNode {
    QString caption;   // the root carries the course name
    QString reference; // the trimmed target; the root carries the top content file
    int parent = -1;   // absolute index of the parent, -1 for the root
    int depth = 0;     // 0 for the root
    NodeState state = NodeState::Item;
    int visit = -1; // for a screen, its entry in CourseTree::visits (-1: not tried)
};

// One reference cut because its file was already open on its path.
struct CycleCut {
    int node = 0;          // the node of the cut reference
    QString reference;     // as written in the content file
    QString earlierParent; // the file that referenced the earlier copy ("" for the top file)
};

// One content file the walk tried to read (once per file, however often referenced).
struct ContentFileVisit {
    QString reference;                     // the first reference that named it
    QString path;                          // the resolved path (as given when it does not exist)
    NodeState state = NodeState::Expanded; // Expanded, Missing, Unreadable or Outside
};

class CourseTree {
public:
    int size() const { return int(m_nodes.size()); }
    const CourseNode &node(int index) const { return m_nodes.at(index); }
    const QList<CourseNode> &nodes() const { return m_nodes; }
    const QList<CycleCut> &cycles() const { return m_cycles; }
    const QList<ContentFileVisit> &visits() const { return m_visits; }
    // The course folder the references are relative to.
    const QString &courseFolder() const { return m_courseFolder; }
    // True when the walk stopped adding nodes at its limit.
    bool truncated() const { return m_truncated; }

    // The captions from the root down to the node, joined by " - " (the title of a
    // screen opened from the tree).
    QString captionPath(int index) const;
    // The captions from the first level below the root down to the node, each followed
    // by " - " (empty for the root): the start of an integrity-check line.
    QString checkPath(int index) const;
    // The content files open on the path to the node, root first, each followed by
    // "->" (the references of its ancestors): for a cut cycle, the loop it closes. Of a
    // chain longer than 2 * ChainEnds files the first and last ChainEnds are given,
    // with "…->" between them.
    static constexpr int ChainEnds = 50;
    QString chainText(int index) const;
    // The course folder joined with the node's reference, found without regard to case
    // when it exists.
    QString filePath(int index) const;

private:
    friend class Walker;
    QList<CourseNode> m_nodes;
    QList<CycleCut> m_cycles;
    QList<ContentFileVisit> m_visits;
    QString m_courseFolder;
    bool m_truncated = false;
};

struct WalkOptions {
    int maxNodes = DefaultMaxNodes;
    // Called once for every content file read, with its bytes and its lines as read
    // without a limit on stored lines (the course checker looks at both).
    std::function<void(const ContentFileVisit &, QByteArrayView, const course::ContentFile &)> onFileRead;
    // Called next with the file's index in CourseTree::visits and the items taken from
    // it in file order: the n-th item is the n-th child of each node that opens the file.
    std::function<void(int visit, const QList<course::ButtonLine> &items)> onItemsRead;
    // Where the bytes of a content file come from; by default the file system. Given a
    // resolved path, returns false when the file cannot be read as a regular file.
    std::function<bool(const QString &path, QByteArray &bytes)> readFile;
    // Finds the file a path names (by default without regard to case); returns an
    // empty string when it does not exist.
    std::function<QString(const QString &path)> findFile;
    // The folder no content file may lie outside of, links followed; by default the
    // course folder's parent (the program folder).
    QString programFolder;
    // The room for stored lines of each content file: every item by default; the
    // course checker reads the lines the player keeps.
    int maxStoredLines = std::numeric_limits<int>::max();
};

// Walks the course in courseFolder from its top content file. rootCaption is the root's
// caption (the course folder's name as the course list shows it).
CourseTree walkCourse(const QString &courseFolder, const QString &rootCaption, const QString &topContentFile,
                      const WalkOptions &options = {});

// The content files of a course as a graph: each distinct file read once, however
// often it is referenced and whether or not it is on a cycle.
struct CourseFile {
    QList<course::ButtonLine> items;
    QList<int> opens; // per item: the visit it opens, or one of the values below
};
struct CourseGraph {
    static constexpr int NoScreen = -1;     // the item is not a screen
    static constexpr int LeavesCourse = -2; // its reference leaves the course folder
    QList<ContentFileVisit> visits;         // the top file first (when it stays inside)
    QList<CourseFile> files;                // by visit; empty for a file not read
};

// Reads every content file reachable from the top one (onFileRead and onItemsRead are
// called as by walkCourse; maxNodes does not apply).
CourseGraph readCourseGraph(const QString &courseFolder, const QString &topContentFile,
                            const WalkOptions &options = {});

// A chain of content files as the cycle lines show it: each followed by "->"; of a chain
// longer than 2 * CourseTree::ChainEnds files the first and last ChainEnds are given,
// with "…->" between them.
QString chainText(const QStringList &files);

// Whether a reference stays inside the course folder: not absolute, and no ".." part
// climbs above the folder ("\" and "/" both separate parts).
bool staysInsideCourse(QStringView reference);

} // namespace lumora::course
