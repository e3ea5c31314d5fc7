#include "course/coursewalk.h"

#include "platform/paths.h"
#include "course/coursefiles.h"
#include "course/contentfile.h"
#include "course/contentfileitems.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QVarLengthArray>

namespace lumora::course {

namespace {

// The items of one content file, parsed once.
struct ParsedFile {
    int visit = -1;
    QList<course::ButtonLine> items;
    QList<bool> followed; // per item: its target is a screen
};

// The real path of a folder with a separator at its end (empty when it has none).
QString realFolder(const QString &folder)
{
    const QString real = QFileInfo(folder).canonicalFilePath();
    return real.isEmpty() ? real : paths::withSeparator(real);
}

bool readRegularFile(const QString &path, QByteArray &bytes)
{
    const QFileInfo info(path);
    // A folder, a pipe or a device is no content file; opening a pipe would block.
    if (!info.isFile() || info.size() > MaxContentFileBytes)
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.read(info.size() + 1); // a file still growing is read as far as its size then
    return file.error() == QFileDevice::NoError && bytes.size() <= MaxContentFileBytes;
}

// One frame of the depth-first walk: a content file whose items are being added.
struct Frame {
    int file = 0;       // index into the parsed files
    qsizetype next = 0; // its next item
    int parentNode = 0;
};

} // namespace

class Walker {
public:
    Walker(const QString &folder, const WalkOptions &options) : m_options(options)
    {
        m_tree.m_courseFolder = folder;
        if (!m_options.readFile)
            m_options.readFile = readRegularFile;
        if (!m_options.findFile)
            m_options.findFile = [this](const QString &path) { return m_files.existingFile(path); };
        m_programFolder =
            realFolder(m_options.programFolder.isEmpty() ? QFileInfo(paths::withoutSeparator(folder)).absolutePath()
                                                         : m_options.programFolder);
    }

    // Every content file reachable from the top one, each read once.
    CourseGraph graph(const QString &topFile)
    {
        CourseGraph graph;
        if (staysInsideCourse(topFile))
            fileOf(topFile);
        // Files are appended as they are first met, so one pass reaches them all.
        for (int p = 0; p < m_parsed.size(); ++p) {
            QList<int> opens(m_parsed.at(p).items.size(), CourseGraph::NoScreen);
            for (qsizetype i = 0; i < opens.size(); ++i) {
                if (!m_parsed.at(p).followed.at(i))
                    continue;
                const QString target = m_parsed.at(p).items.at(i).target; // a copy: the list may move
                opens[i] = staysInsideCourse(target) ? m_parsed.at(fileOf(target)).visit : CourseGraph::LeavesCourse;
            }
            m_opens.append(std::move(opens));
        }
        graph.files.resize(m_tree.m_visits.size());
        for (int p = 0; p < m_parsed.size(); ++p) {
            ParsedFile &parsed = m_parsed[p];
            graph.files[parsed.visit] = {std::move(parsed.items), std::move(m_opens[p])};
        }
        graph.visits = std::move(m_tree.m_visits);
        return graph;
    }

    CourseTree run(const QString &rootCaption, const QString &topFile)
    {
        if (m_options.maxNodes < 1)
            return std::move(m_tree);
        CourseNode root{rootCaption, topFile, -1, 0, NodeState::Item, -1};
        m_tree.m_nodes.append(std::move(root));
        QList<Frame> frames;
        QStringList chainFiles;        // the references open on the current path, root first
        QStringList chainParents;      // for each, the file that named it
        QHash<int, qsizetype> onChain; // parsed file -> its place in the chain (files compare as resolved)
        const int rootFile = open(0);
        if (rootFile >= 0) {
            frames.append({rootFile, 0, 0});
            chainFiles.append(topFile);
            chainParents.append(QString());
            onChain.insert(rootFile, 0);
        }
        while (!frames.isEmpty()) {
            Frame &top = frames.last();
            const ParsedFile &file = m_parsed.at(top.file);
            if (top.next >= file.items.size()) {
                onChain.remove(top.file);
                frames.removeLast();
                chainFiles.removeLast();
                chainParents.removeLast();
                continue;
            }
            if (m_tree.m_nodes.size() >= m_options.maxNodes) {
                m_tree.m_truncated = true;
                break;
            }
            const qsizetype item = top.next++;
            // Copies: reading a new file below may move the parsed files.
            const QString target = file.items.at(item).target;
            const bool follow = file.followed.at(item);
            const int parent = top.parentNode;
            const int index = int(m_tree.m_nodes.size());
            m_tree.m_nodes.append({file.items.at(item).caption, target, parent, m_tree.m_nodes.at(parent).depth + 1,
                                   NodeState::Item, -1});
            if (!follow)
                continue;
            const int child = open(index);
            if (child < 0)
                continue;
            const qsizetype earlier = onChain.value(child, -1);
            if (earlier >= 0) {
                m_tree.m_nodes[index].state = NodeState::Cycle;
                m_tree.m_cycles.append({index, target, chainParents.at(earlier)});
                continue;
            }
            onChain.insert(child, chainFiles.size());
            chainParents.append(chainFiles.last());
            chainFiles.append(target);
            frames.append({child, 0, index}); // `top` is not used after this
        }
        return std::move(m_tree);
    }

private:
    // Finds, reads and parses the content file of a node once; records the node's
    // state. Returns the parsed file's index, or -1 when the node stays a leaf.
    int open(int nodeIndex)
    {
        CourseNode &node = m_tree.m_nodes[nodeIndex];
        if (!staysInsideCourse(node.reference)) {
            node.state = NodeState::Outside;
            return -1;
        }
        const int fileIndex = fileOf(node.reference);
        const ContentFileVisit &visit = m_tree.m_visits.at(m_parsed.at(fileIndex).visit);
        node.visit = m_parsed.at(fileIndex).visit;
        node.state = visit.state;
        return visit.state == NodeState::Expanded ? fileIndex : -1;
    }

    // The parsed file a reference names, loaded on first use.
    int fileOf(const QString &reference)
    {
        int fileIndex = m_byReference.value(reference, -2);
        if (fileIndex == -2) {
            fileIndex = load(reference);
            m_byReference.insert(reference, fileIndex);
        }
        return fileIndex;
    }

    // Whether a found file lies inside the program folder once links are followed.
    bool insideProgram(const QString &found) const
    {
        const QString real = QFileInfo(found).canonicalFilePath();
        return !m_programFolder.isEmpty() && real.startsWith(m_programFolder);
    }

    int load(const QString &reference)
    {
        const QString given = paths::join(m_tree.m_courseFolder, reference);
        const QString found = m_options.findFile(given);
        if (!found.isEmpty()) {
            const auto known = m_byPath.constFind(found);
            if (known != m_byPath.constEnd())
                return known.value();
        }
        ContentFileVisit visit{reference, found.isEmpty() ? given : found, NodeState::Missing};
        ParsedFile parsed;
        QByteArray bytes;
        if (!found.isEmpty() && !insideProgram(found)) {
            visit.state = NodeState::Outside;
        } else if (!found.isEmpty()) {
            if (m_options.readFile(found, bytes)) {
                visit.state = NodeState::Expanded;
                const course::ContentFile file = course::parseContentFile(bytes, m_options.maxStoredLines);
                for (course::ScreenButton &button : course::walkStoredLines(file.storedLines).buttons) {
                    parsed.followed.append(course::itemKind(button.target) == course::ItemKind::Screen);
                    parsed.items.append({std::move(button.caption), std::move(button.target)});
                }
                if (m_options.onFileRead)
                    m_options.onFileRead(visit, bytes, file);
                if (m_options.onItemsRead)
                    m_options.onItemsRead(int(m_tree.m_visits.size()), parsed.items);
            } else {
                visit.state = NodeState::Unreadable;
            }
        }
        parsed.visit = int(m_tree.m_visits.size());
        m_tree.m_visits.append(std::move(visit));
        m_parsed.append(std::move(parsed));
        const int index = int(m_parsed.size()) - 1;
        if (!found.isEmpty())
            m_byPath.insert(found, index);
        return index;
    }

    WalkOptions m_options;
    CourseTree m_tree;
    QList<ParsedFile> m_parsed;
    CourseFiles m_files;
    QHash<QString, int> m_byReference; // reference as written -> parsed file
    QHash<QString, int> m_byPath;      // resolved path -> parsed file
    QList<QList<int>> m_opens;         // per parsed file, for a graph
    QString m_programFolder;           // real, with a separator at its end
};

CourseTree walkCourse(const QString &courseFolder, const QString &rootCaption, const QString &topContentFile,
                      const WalkOptions &options)
{
    return Walker(courseFolder, options).run(rootCaption, topContentFile);
}

CourseGraph readCourseGraph(const QString &courseFolder, const QString &topContentFile, const WalkOptions &options)
{
    return Walker(courseFolder, options).graph(topContentFile);
}

bool staysInsideCourse(QStringView reference)
{
    if (reference.startsWith(u'/') || reference.startsWith(u'\\') || (reference.size() >= 2 && reference.at(1) == u':'))
        return false;
    int depth = 0;
    qsizetype start = 0;
    while (start <= reference.size()) {
        qsizetype end = start;
        while (end < reference.size() && reference.at(end) != u'/' && reference.at(end) != u'\\')
            ++end;
        const QStringView part = reference.sliced(start, end - start);
        if (part == u"..") {
            if (--depth < 0)
                return false;
        } else if (!part.isEmpty() && part != u".") {
            ++depth;
        }
        start = end + 1;
    }
    return true;
}

namespace {
// The captions from the node up to (not including) the node stop, joined in root-first
// order: each preceded by before and followed by after.
QString joinCaptions(const QList<CourseNode> &nodes, int index, int stop, QStringView before, QStringView after)
{
    QVarLengthArray<int, 32> chain;
    qsizetype length = 0;
    for (int i = index; i > stop; i = nodes.at(i).parent) {
        chain.append(i);
        length += nodes.at(i).caption.size() + before.size() + after.size();
    }
    QString text;
    text.reserve(length);
    for (qsizetype k = chain.size() - 1; k >= 0; --k) {
        text += before;
        text += nodes.at(chain.at(k)).caption;
        text += after;
    }
    return text;
}
} // namespace

QString CourseTree::captionPath(int index) const
{
    // The root's caption, then " - " and the caption of each node below it.
    return m_nodes.at(0).caption + joinCaptions(m_nodes, index, 0, u" - ", u"");
}

QString CourseTree::checkPath(int index) const
{
    return joinCaptions(m_nodes, index, 0, u"", u" - ");
}

QString CourseTree::chainText(int index) const
{
    QStringList files;
    for (int i = m_nodes.at(index).parent; i >= 0; i = m_nodes.at(i).parent)
        files.prepend(m_nodes.at(i).reference);
    return course::chainText(files);
}

QString chainText(const QStringList &files)
{
    // A very deep chain keeps its two ends, so that thousands of cycles in a deep course
    // cannot make the list grow with the square of its depth.
    constexpr int Ends = CourseTree::ChainEnds;
    const QStringList &shown =
        files.size() > 2 * Ends ? files.first(Ends) + QStringList{QStringLiteral("…")} + files.last(Ends) : files;
    QString chain;
    for (const QString &file : shown)
        chain += file + QStringLiteral("->");
    return chain;
}

QString CourseTree::filePath(int index) const
{
    const CourseNode &n = m_nodes.at(index);
    if (n.visit >= 0)
        return m_visits.at(n.visit).path;
    return paths::resolve(paths::join(m_courseFolder, n.reference));
}

} // namespace lumora::course
