#include "course/coursecheck.h"

#include "platform/paths.h"
#include "course/buttonkind.h"
#include "course/contentfileitems.h"
#include "course/contentfiletext.h"

#include <cstring>

namespace lumora::course {

QString testedName(const QString &reference)
{
    // Most targets are a bare file name: already trimmed, without a blank.
    if (!reference.contains(u' ') && (reference.isEmpty() || (reference.front() > u' ' && reference.back() > u' ')))
        return reference;
    return course::splitTarget(course::trimBlanks(reference)).fileName;
}

QString defaultAllAroundText()
{
    return QStringLiteral("zacyklený súbor :");
}

size_t TargetTester::hashOf(const QString &text)
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

TargetTester::TargetTester(const QString &courseFolder, std::function<bool(const QString &)> exists)
    : m_folder(courseFolder), m_exists(std::move(exists)), m_slots(64)
{}

const TargetCheck &TargetTester::test(const QString &target)
{
    const size_t hash = hashOf(target);
    const size_t mask = m_slots.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot &slot = m_slots[i];
        if (!slot.check)
            break;
        if (slot.hash == hash && slot.target.size() == target.size()
            && std::memcmp(slot.target.constData(), target.constData(), size_t(target.size()) * sizeof(QChar)) == 0)
            return *slot.check;
    }
    const TargetCheck &check = judge(target);
    if (2 * (m_used + 1) > m_slots.size()) {
        std::vector<Slot> old(2 * m_slots.size());
        old.swap(m_slots);
        const size_t wider = m_slots.size() - 1;
        for (Slot &slot : old) {
            if (!slot.check)
                continue;
            size_t i = slot.hash & wider;
            while (m_slots[i].check)
                i = (i + 1) & wider;
            m_slots[i] = std::move(slot);
        }
    }
    size_t i = hash & (m_slots.size() - 1);
    while (m_slots[i].check)
        i = (i + 1) & (m_slots.size() - 1);
    m_slots[i] = {hash, target, &check};
    ++m_used;
    return check;
}

const TargetCheck &TargetTester::judge(const QString &target)
{
    TargetCheck check{testedName(target)};
    // Addresses are judged as the item runner opens them: web and mail ones go to the
    // desktop, so never missing; a "file:" address is a file like any other.
    if (!course::isAddress(check.name)) {
        auto present = m_present.constFind(check.name);
        if (present == m_present.constEnd()) {
            const QString path = paths::join(m_folder, check.name);
            present = m_present.insert(check.name,
                                       !check.name.isEmpty()
                                           && (m_exists ? m_exists(path) : !m_files.existingFile(path).isEmpty()));
        }
        check.missing = !present.value();
        // Only an absolute name or one with ".." can leave the folder.
        const bool mayLeave = target.contains(u"..") || target.startsWith(u'/') || target.startsWith(u'\\')
            || (target.size() >= 2 && target.at(1) == u':');
        check.leaves = mayLeave && !staysInsideCourse(check.name);
    }
    return m_checks.emplace_back(std::move(check));
}

QStringList missingFileLines(const CourseTree &tree, const std::function<bool(const QString &)> &exists)
{
    TargetTester tester(tree.courseFolder(), exists);
    return missingFileLines(tree,
                            [&](int node) -> const TargetCheck & { return tester.test(tree.node(node).reference); });
}

QStringList missingFileLines(const CourseTree &tree, const std::function<const TargetCheck &(int)> &checkOf)
{
    QStringList lines;
    int pathOf = -1; // the node whose check path is in parentPath (missing siblings share it)
    QString parentPath;
    for (int i = 0; i < tree.size(); ++i) {
        const TargetCheck &check = checkOf(i);
        if (!check.missing)
            continue;
        const CourseNode &node = tree.node(i);
        if (node.parent < 0) {
            lines.append(u' ' + check.name);
            continue;
        }
        if (node.parent != pathOf) {
            pathOf = node.parent;
            parentPath = tree.checkPath(pathOf);
        }
        const QStringView separator = u" -  ";
        QString line;
        line.reserve(parentPath.size() + node.caption.size() + separator.size() + check.name.size());
        line.append(parentPath).append(node.caption).append(separator).append(check.name);
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

} // namespace lumora::course
