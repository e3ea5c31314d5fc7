#include "tree/coursecheck.h"

#include "platform/paths.h"
#include "screens/contentfileitems.h"
#include "screens/contentfiletext.h"
#include "tree/coursefiles.h"

#include <QHash>

namespace lumora::tree {

QString testedName(const QString &reference)
{
    // Most targets are a bare file name: already trimmed, without a blank.
    if (!reference.contains(u' ') && (reference.isEmpty() || (reference.front() > u' ' && reference.back() > u' ')))
        return reference;
    return content::splitTarget(content::trimBlanks(reference)).fileName;
}

bool isAddress(QStringView target)
{
    if (!target.contains(u':'))
        return target.startsWith(u"www.", Qt::CaseInsensitive);
    return target.contains(u"://") || target.startsWith(u"mailto:", Qt::CaseInsensitive)
        || target.startsWith(u"www.", Qt::CaseInsensitive);
}

QString defaultAllAroundText()
{
    return QStringLiteral("zacyklený súbor :");
}

QStringList missingFileLines(const CourseTree &tree, const std::function<bool(const QString &)> &exists)
{
    CourseFiles files;
    QHash<QString, bool> present; // tested name -> exists; each distinct name is tested once
    QStringList lines;
    int pathOf = -1; // the node whose check path is in parentPath (missing siblings share it)
    QString parentPath;
    for (int i = 0; i < tree.size(); ++i) {
        const CourseNode &node = tree.node(i);
        const QString name = testedName(node.reference);
        // An address is no file of the course; an empty name names the folder itself.
        if (isAddress(name))
            continue;
        auto known = present.constFind(name);
        if (known == present.constEnd()) {
            const QString path = paths::join(tree.courseFolder(), name);
            known = present.insert(name, !name.isEmpty() && (exists ? exists(path) : !files.existingFile(path).isEmpty()));
        }
        if (known.value())
            continue;
        if (node.parent < 0) {
            lines.append(u' ' + name);
            continue;
        }
        if (node.parent != pathOf) {
            pathOf = node.parent;
            parentPath = tree.checkPath(pathOf);
        }
        lines.append(parentPath + node.caption + QStringLiteral(" -  ") + name);
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
