// Walks a course of content files held in memory, described by the input: the files are
// separated by two zero bytes; the first is the top file "Obsah.txt", the others are
// "f1.txt", "f2.txt", … (found without regard to case, as on disk). Checks the shape of
// the tree, the cycle records, the once-per-file reading, the items handed over per file
// (each node is the item at its place), the integrity list, the search and the item model
// over the tree.
#include "course/contentfile.h"
#include "course/contentfileitems.h"
#include "course/coursecheck.h"
#include "tree/coursetreemodel.h"
#include "course/coursewalk.h"

#include <QHash>

#include <cstdio>
#include <cstdlib>

using namespace lumora;
using namespace lumora::course;

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "course walk property broken: %s\n", what);
        std::abort();
    }
}

const QString Folder = QStringLiteral("/course");
constexpr int MaxNodes = 4000;

QString key(const QString &path)
{
    return path.toUpper();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    QHash<QString, QByteArray> files; // upper-case path -> bytes
    QHash<QString, QString> names;    // upper-case path -> the path as stored
    qsizetype start = 0;
    for (int i = 0; start <= input.size() && i < 16; ++i) {
        qsizetype end = input.indexOf(QByteArrayView("\0\0", 2), start);
        if (end < 0)
            end = input.size();
        const QString path = Folder + (i ? QStringLiteral("/f%1.txt").arg(i) : QStringLiteral("/Obsah.txt"));
        files.insert(key(path), input.mid(start, end - start));
        names.insert(key(path), path);
        start = end + 2;
    }

    QHash<QString, int> reads;
    WalkOptions options;
    options.maxNodes = MaxNodes;
    options.findFile = [&](const QString &path) { return names.value(key(path)); };
    options.readFile = [&](const QString &path, QByteArray &bytes) {
        bytes = files.value(key(path));
        return true;
    };
    options.onFileRead = [&](const ContentFileVisit &visit, QByteArrayView, const course::ContentFile &) {
        ++reads[visit.path];
    };
    QHash<int, QList<course::ButtonLine>> items; // visit -> the items handed over
    options.onItemsRead = [&](int visit, const QList<course::ButtonLine> &read) {
        check(!items.contains(visit), "each file's items are handed over once");
        items.insert(visit, read);
    };
    const CourseTree tree = walkCourse(Folder, QStringLiteral("kurz"), QStringLiteral("Obsah.txt"), options);

    check(tree.size() >= 1 && tree.size() <= MaxNodes, "the tree has a root and stays within its limit");
    check(!tree.truncated() || tree.size() == MaxNodes, "only a full tree is cut off");
    check(tree.node(0).parent == -1 && tree.node(0).depth == 0, "the root comes first");
    qsizetype cycleNodes = 0;
    QList<int> itemsMet(tree.size(), 0); // per node, the children met so far
    for (int i = 1; i < tree.size(); ++i) {
        const CourseNode &n = tree.node(i);
        check(n.parent >= 0 && n.parent < i, "a parent comes before its children");
        check(n.depth == tree.node(n.parent).depth + 1, "a child lies one level below its parent");
        check(tree.node(n.parent).state == NodeState::Expanded, "only a read content file has children");
        cycleNodes += n.state == NodeState::Cycle;
        // The n-th child of a node is the n-th item handed over for its file.
        const QList<course::ButtonLine> &siblings = items[tree.node(n.parent).visit];
        const int place = itemsMet[n.parent]++;
        check(place < siblings.size() && siblings.at(place).caption == n.caption
                  && siblings.at(place).target == n.reference,
              "a node is the item of its parent's file at its place");
    }
    check(cycleNodes == tree.cycles().size(), "every cut is recorded once");
    for (const CycleCut &cut : tree.cycles()) {
        check(tree.node(cut.node).state == NodeState::Cycle, "a cycle record names a cut node");
        check(tree.chainText(cut.node).endsWith(QStringLiteral("->")), "a chain ends with an arrow");
    }
    for (auto it = reads.cbegin(); it != reads.cend(); ++it)
        check(it.value() == 1, "each content file is read once");

    const QStringList list = integrityList(tree, QStringLiteral("kurz"), defaultAllAroundText(),
                                           [&](const QString &path) { return files.contains(key(path)); });
    check(list.size() >= 2 + 2 * tree.cycles().size(), "the list holds its head and the cycles");
    const int last = tree.size() - 1;
    check(tree.captionPath(last).startsWith(QStringLiteral("kurz")), "a caption path starts at the root");
    const QString caption = tree.node(last).caption;
    const int found = findCaption(tree, caption, 0);
    check(caption.isEmpty() ? found == -1 : (found >= 0 && found <= last), "a caption is found at or before its node");

    CourseTreeModel model(tree);
    for (int i = 0; i < tree.size(); ++i) {
        const QModelIndex index = model.indexOfNode(i);
        check(CourseTreeModel::nodeOf(index) == i, "a view index maps back to its node");
        check(CourseTreeModel::nodeOf(model.parent(index)) == tree.node(i).parent, "the model's parent is the node's");
        check(model.index(index.row(), 0, model.parent(index)) == index, "a node is found by its row");
    }
    return 0;
}
