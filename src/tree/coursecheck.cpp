#include "tree/coursecheck.h"

#include "platform/paths.h"
#include "screens/contentfileitems.h"
#include "screens/contentfiletext.h"
#include "tree/coursefiles.h"

#include <QHash>

namespace lumora::tree {

QString testedName(const QString &reference)
{
    return content::splitTarget(content::trimBlanks(reference)).fileName;
}

bool isAddress(QStringView target)
{
    return target.contains(u"://") || target.startsWith(u"mailto:", Qt::CaseInsensitive)
        || target.startsWith(u"www.", Qt::CaseInsensitive);
}

QString defaultAllAroundText()
{
    return QStringLiteral("zacyklený súbor :");
}

QStringList missingFileLines(const CourseTree &tree, const std::function<bool(const QString &)> &exists)
{
    // Many nodes share a reference; each distinct one is tested once.
    struct Result {
        QString name;
        bool missing = false;
    };
    QStringList lines;
    QHash<QString, Result> known; // reference -> what its test gave
    CourseFiles files;
    int pathOf = -1; // the node whose check path is in parentPath (missing siblings share it)
    QString parentPath;
    for (int i = 0; i < tree.size(); ++i) {
        const QString &reference = tree.node(i).reference;
        auto found = known.constFind(reference);
        if (found == known.constEnd()) {
            Result result{testedName(reference)};
            // An empty name names the folder itself, which is no file; an address no file at all.
            if (!isAddress(result.name)) {
                const QString path = paths::join(tree.courseFolder(), result.name);
                result.missing = result.name.isEmpty() || !(exists ? exists(path) : !files.existingFile(path).isEmpty());
            }
            found = known.insert(reference, result);
        }
        if (!found->missing)
            continue;
        const CourseNode &node = tree.node(i);
        if (node.parent < 0) {
            lines.append(u' ' + found->name);
            continue;
        }
        if (node.parent != pathOf) {
            pathOf = node.parent;
            parentPath = tree.checkPath(pathOf);
        }
        lines.append(parentPath + node.caption + QStringLiteral(" -  ") + found->name);
    }
    return lines;
}

QStringList cycleLines(const CourseTree &tree, const QString &allAround)
{
    QStringList lines;
    for (const CycleCut &cut : tree.cycles()) {
        const QString start = allAround + u' ' + cut.reference + QStringLiteral(" duplikovany v ");
        lines.append(start + cut.earlierParent);
        lines.append(start + tree.chainText(cut.node));
    }
    return lines;
}

QStringList integrityList(const CourseTree &tree, const QString &courseName, const QString &allAround,
                          const std::function<bool(const QString &)> &exists)
{
    QStringList lines{courseName, QString()};
    lines += missingFileLines(tree, exists);
    lines += cycleLines(tree, allAround);
    return lines;
}

ListScrollBars listScrollBars(const QStringList &lines)
{
    qsizetype longest = 0;
    for (const QString &line : lines)
        longest = qMax(longest, line.size());
    return {longest >= 86, lines.size() >= 25};
}

int findCaption(const CourseTree &tree, const QString &text, int from)
{
    if (text.isEmpty())
        return -1;
    for (int i = qMax(from, 0); i < tree.size(); ++i) {
        if (tree.node(i).caption.contains(text, Qt::CaseInsensitive))
            return i;
    }
    return -1;
}

} // namespace lumora::tree
