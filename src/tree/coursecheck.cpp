#include "tree/coursecheck.h"

#include "platform/paths.h"
#include "screens/contentfileitems.h"
#include "screens/contentfiletext.h"
#include "tree/coursefiles.h"

#include <QHash>

#include <algorithm>
#include <cstring>
#include <unordered_map>

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

namespace {

// A hash of a target as written, over its UTF-16 units four at a time. Targets are
// short file names; for them this costs a fraction of the library's string hash and
// comparison, which the integrity list would pay once per node.
struct TargetHash {
    size_t operator()(const QString &text) const noexcept
    {
        const auto *bytes = reinterpret_cast<const unsigned char *>(text.constData());
        size_t left = size_t(text.size()) * sizeof(QChar);
        quint64 hash = 0x9E3779B97F4A7C15u ^ left;
        for (; left >= 8; left -= 8, bytes += 8) {
            quint64 word;
            std::memcpy(&word, bytes, 8);
            hash = (hash ^ word) * 0xFF51AFD7ED558CCDu;
            hash ^= hash >> 29;
        }
        quint64 tail = 0;
        std::memcpy(&tail, bytes, left);
        hash = (hash ^ tail) * 0xC4CEB9FE1A85EC53u;
        return size_t(hash ^ (hash >> 32));
    }
};

struct SameTarget {
    bool operator()(const QString &a, const QString &b) const noexcept
    {
        return a.size() == b.size() && std::equal(a.cbegin(), a.cend(), b.cbegin());
    }
};

// What a reference means for the integrity list: no file (an address), an existing
// file, or a missing file under its tested name.
struct TargetState {
    bool missing = false;
    QString name;
};

} // namespace

QStringList missingFileLines(const CourseTree &tree, const std::function<bool(const QString &)> &exists)
{
    CourseFiles files;
    QHash<QString, bool> present; // tested name -> exists; each distinct name is tested once
    std::unordered_map<QString, TargetState, TargetHash, SameTarget> byReference;
    const auto stateOf = [&](const QString &reference) -> const TargetState & {
        auto known = byReference.find(reference);
        if (known != byReference.end())
            return known->second;
        TargetState state;
        const QString name = testedName(reference);
        // An address is no file of the course; an empty name names the folder itself.
        if (!isAddress(name)) {
            auto tested = present.constFind(name);
            if (tested == present.constEnd()) {
                const QString path = paths::join(tree.courseFolder(), name);
                tested = present.insert(name, !name.isEmpty()
                                                  && (exists ? exists(path) : !files.existingFile(path).isEmpty()));
            }
            state = {!tested.value(), name};
        }
        return byReference.emplace(reference, std::move(state)).first->second;
    };

    QStringList lines;
    int pathOf = -1; // the node whose check path is in parentPath (missing siblings share it)
    QString parentPath;
    for (int i = 0; i < tree.size(); ++i) {
        const CourseNode &node = tree.node(i);
        const TargetState &state = stateOf(node.reference);
        if (!state.missing)
            continue;
        if (node.parent < 0) {
            lines.append(u' ' + state.name);
            continue;
        }
        if (node.parent != pathOf) {
            pathOf = node.parent;
            parentPath = tree.checkPath(pathOf);
        }
        const QStringView separator = u" -  ";
        QString line;
        line.reserve(parentPath.size() + node.caption.size() + separator.size() + state.name.size());
        line.append(parentPath).append(node.caption).append(separator).append(state.name);
        lines.append(std::move(line));
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
