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
    QStringList lines;
    QHash<QString, bool> known; // tested name -> exists
    CourseFiles files;
    for (int i = 0; i < tree.size(); ++i) {
        const QString name = testedName(tree.node(i).reference);
        if (isAddress(name))
            continue;
        auto found = known.constFind(name);
        if (found == known.constEnd()) {
            // An empty name names the folder itself, which is no file.
            const QString path = paths::join(tree.courseFolder(), name);
            const bool present = !name.isEmpty() && (exists ? exists(path) : !files.existingFile(path).isEmpty());
            found = known.insert(name, present);
        }
        if (!found.value())
            lines.append(tree.checkPath(i) + u' ' + name);
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
