#include "check/authorcheck.h"

#include "config/keys.h"
#include "config/texttable.h"
#include "platform/folderentries.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "rtf/rtfreader.h"
#include "course/contentfile.h"
#include "course/contentfileitems.h"
#include "course/contentfilenames.h"
#include "course/folderlist.h"
#include "course/coursecheck.h"
#include "course/coursefiles.h"
#include "course/coursewalk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTextStream>

#include <algorithm>
#include <cstring>

#include <unistd.h>

namespace lumora::check {

namespace {

constexpr int MaxLineLength = 255;

// Bytes Windows-1250 gives no character.
bool undefinedIn1250(unsigned char byte)
{
    return byte == 0x81 || byte == 0x83 || byte == 0x88 || byte == 0x90 || byte == 0x98;
}

bool controlByte(unsigned char byte)
{
    return (byte < 0x20 && byte != '\t' && byte != '\r') || byte == 0x7F;
}

// Whether the bytes are well-formed UTF-8; stops at the first byte that is not, which in
// Windows-1250 text is normally the first letter with a diacritic.
bool validUtf8(QByteArrayView bytes)
{
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    while (i < n) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int more = lead < 0x80      ? 0
            : (lead & 0xE0) == 0xC0 ? 1
            : (lead & 0xF0) == 0xE0 ? 2
            : (lead & 0xF8) == 0xF0 ? 3
                                    : -1;
        if (more < 0 || lead == 0xC0 || lead == 0xC1 || lead > 0xF4 || i + more >= n + (more ? 0 : 1))
            return false;
        for (int k = 1; k <= more; ++k) {
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        }
        i += more + 1;
    }
    return true;
}

// Whether a byte needs a closer look: anything but printable ASCII, which nearly every
// byte of a content file is.
bool unusual(unsigned char byte)
{
    return unsigned(byte) - 0x20u >= 0x5Fu;
}

// The first problem with the file's bytes as Windows-1250 text, if any. Lines end at
// "\n", a "\r" before it not counted (as the reader splits them).
void checkText(const QString &file, QByteArrayView bytes, QList<Finding> &findings)
{
    int firstNonAscii = 0, firstControl = 0, firstUndefined = 0, firstLong = 0, longCount = 0;
    qsizetype longest = 0;
    const char *const data = bytes.data();
    const qsizetype n = bytes.size();
    int number = 0;
    for (qsizetype start = 0; start < n;) {
        ++number;
        const void *newline = std::memchr(data + start, '\n', size_t(n - start));
        const qsizetype end = newline ? static_cast<const char *>(newline) - data : n;
        qsizetype length = end - start;
        if (newline && length > 0 && data[end - 1] == '\r')
            --length;
        if (length > MaxLineLength) {
            if (!firstLong)
                firstLong = number;
            ++longCount;
            longest = qMax(longest, length);
        }
        for (qsizetype i = start; i < start + length; ++i) {
            const auto byte = static_cast<unsigned char>(data[i]);
            if (!unusual(byte))
                continue;
            if (byte >= 0x80) {
                if (!firstNonAscii)
                    firstNonAscii = number;
                if (!firstUndefined && undefinedIn1250(byte))
                    firstUndefined = number;
            } else if (!firstControl && controlByte(byte)) {
                firstControl = number;
            }
        }
        start = end + 1;
    }
    if (firstControl)
        findings.append(
            {FindingKind::Encoding, file, firstControl, QStringLiteral("holds control characters: not a text file")});
    else if (firstNonAscii && validUtf8(bytes))
        findings.append(
            {FindingKind::Note, file, firstNonAscii,
             QStringLiteral("saved as UTF-8: this player reads it, older players show its letters wrongly")});
    else if (firstUndefined)
        findings.append({FindingKind::Encoding, file, firstUndefined,
                         QStringLiteral("holds bytes that are no Windows-1250 character")});
    if (longCount)
        findings.append(
            {FindingKind::LongLine, file, firstLong,
             QStringLiteral("%1 line(s) longer than %2 characters (the longest has %3)")
                 .arg(QString::number(longCount), QString::number(MaxLineLength), QString::number(longest))});
}

// Whether a relative path is already clean: no empty, "." or ".." part.
bool cleanRelative(QStringView path)
{
    if (path.isEmpty())
        return false;
    for (const QStringView part : path.tokenize(u'/')) {
        if (part.isEmpty() || part == u"." || part == u"..")
            return false;
    }
    return true;
}

// A path as the findings name it: relative to the course folder (an absolute, clean
// path). The walk's paths are that folder joined with a clean relative name, which is
// taken as it is; anything else goes through QDir.
QString courseName(const QDir &base, const QString &path)
{
    const QString &folder = base.path();
    if (path.size() > folder.size() + 1 && path.startsWith(folder) && path.at(folder.size()) == u'/') {
        const QStringView rest = QStringView(path).sliced(folder.size() + 1);
        if (cleanRelative(rest))
            return rest.toString();
    }
    return base.relativeFilePath(QFileInfo(path).absoluteFilePath());
}

// The file is read with the room a screen has; what did not fit is reported once.
void checkStoredLines(const QString &file, const course::ContentFile &parsed, QList<Finding> &findings)
{
    if (!parsed.droppedLines)
        return;
    const qsizetype stored = parsed.storedLines.size() + parsed.droppedLines;
    findings.append(
        {FindingKind::TooManyLines, file, 0,
         QStringLiteral(
             "more than %1 stored lines: %2 in all; the player keeps the first %1 (%3 left out, %4 of them buttons)")
             .arg(QString::number(MaxLines), QString::number(stored), QString::number(parsed.droppedLines),
                  QString::number(parsed.droppedButtons))});
}

QString sizeText(qint64 bytes)
{
    return QString::number(bytes / (1024 * 1024)) + QStringLiteral(" MB");
}

// The formatted text beside a content file must be rich text.
void checkFormattedText(course::CourseFiles &files, const QDir &base, const QString &contentPath,
                        QList<Finding> &findings)
{
    const QFileInfo info(contentPath);
    const QString rtf = files.existingFile(paths::join(info.path(), course::formattedTextName(info.fileName())));
    if (rtf.isEmpty())
        return;
    QFile file(rtf);
    const QString name = courseName(base, rtf);
    // Judged before it is opened, as the player judges it: a pipe or a device would hold
    // the check in its open, and a huge file is never read.
    const QFileInfo rtfInfo(rtf);
    // A link out of the course folder is neither read nor ever written by a save.
    if (!paths::inside(rtf, base.path())) {
        findings.append(
            {FindingKind::Outside, name, 0,
             QStringLiteral("the formatted text is a link out of the course folder: never read, saved or exported")});
        return;
    }
    if (paths::isSpecial(rtfInfo)) {
        findings.append({FindingKind::Unreadable, name, 0,
                         QStringLiteral("the formatted text is no regular file (a pipe or a device): never opened")});
        return;
    }
    if (rtfInfo.size() > textfile::MaxReadBytes) {
        findings.append({FindingKind::SizeLimit, name, 0,
                         QStringLiteral("the formatted text is larger than %1: the player does not read it")
                             .arg(sizeText(textfile::MaxReadBytes))});
        return;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        findings.append({FindingKind::Unreadable, name, 0, QStringLiteral("the formatted text cannot be read")});
        return;
    }
    // The same test the player makes before it shows a formatted text.
    if (!rtf::isRichText(file.read(4096)))
        findings.append({FindingKind::NotRtf, name, 0,
                         QStringLiteral("the formatted text is not rich text (RTF): the player cannot show it")});
}

QString topContentFile(const QString &courseFolder, const QString &programFolder)
{
    bool show = false;
    return config::lookup(courseFolder, programFolder, keys::DefaultContent.name(), keys::DefaultContent.defaultValue(),
                          show);
}

} // namespace

QString kindName(FindingKind kind)
{
    switch (kind) {
    case FindingKind::Missing: return QStringLiteral("missing");
    case FindingKind::Cycle: return QStringLiteral("cycle");
    case FindingKind::TooDeep: return QStringLiteral("too-deep");
    case FindingKind::TooManyLines: return QStringLiteral("too-many-lines");
    case FindingKind::LongLine: return QStringLiteral("long-line");
    case FindingKind::Encoding: return QStringLiteral("encoding");
    case FindingKind::NotRtf: return QStringLiteral("not-rtf");
    case FindingKind::Unreadable: return QStringLiteral("unreadable");
    case FindingKind::Outside: return QStringLiteral("outside");
    case FindingKind::SizeLimit: return QStringLiteral("size-limit");
    case FindingKind::Note: return QStringLiteral("note");
    }
    return QString();
}

namespace {

// Counts that may grow with the number of paths through a course stop here.
constexpr quint64 CountCap = 1000000000000000000u;
quint64 addCapped(quint64 a, quint64 b)
{
    return a >= CountCap - qMin(b, CountCap) ? CountCap : a + b;
}
QString countText(quint64 count)
{
    return count >= CountCap ? QStringLiteral("more than %1").arg(CountCap) : QString::number(count);
}

// One item of one content file: the place of a node in the graph of files.
struct Via {
    int file = -1;
    int item = -1;
};

// Walks the graph of a course's content files depth first in course order, each file
// expanded once: the first path to each file is its first path in the tree, and an item
// that leads back onto a file open on the path closes a cycle (the tree cuts it there).
class GraphPass {
public:
    GraphPass(const course::CourseGraph &graph, const QString &topFile)
        : m_graph(graph),
          m_first(graph.visits.size()),
          m_deep(graph.visits.size()),
          m_depth(graph.visits.size(), -1),
          m_paths(graph.visits.size(), 0),
          m_back(graph.files.size())
    {
        for (int f = 0; f < graph.files.size(); ++f)
            m_back[f].resize(graph.files.at(f).items.size(), false);
        if (graph.visits.isEmpty())
            return;
        walk(topFile);
        // Longest depth and number of paths, parents before children (back edges left out).
        m_depth[0] = 0;
        m_paths[0] = 1;
        for (auto it = m_post.crbegin(); it != m_post.crend(); ++it) {
            const int u = *it;
            const course::CourseFile &file = graph.files.at(u);
            for (int i = 0; i < file.opens.size(); ++i) {
                const int v = file.opens.at(i);
                if (v < 0 || m_back[u][i])
                    continue;
                m_paths[v] = addCapped(m_paths[v], m_paths[u]);
                if (m_depth[u] + 1 > m_depth[v]) {
                    m_depth[v] = m_depth[u] + 1;
                    m_deep[v] = {u, i};
                }
            }
        }
        // Tree nodes below each file, children before parents.
        m_below.resize(graph.visits.size(), 0);
        for (const int u : std::as_const(m_post)) {
            const course::CourseFile &file = graph.files.at(u);
            quint64 below = 0;
            for (int i = 0; i < file.opens.size(); ++i) {
                const int v = file.opens.at(i);
                below = addCapped(below, 1);
                if (v >= 0 && !m_back[u][i])
                    below = addCapped(below, m_below[v]);
            }
            m_below[u] = below;
        }
    }

    // Files in course order (the order of their first node).
    const QList<int> &preorder() const { return m_pre; }
    // Items in course order, each once.
    const QList<Via> &items() const { return m_items; }
    bool closesCycle(Via via) const { return m_back[via.file][via.item]; }
    struct Cycle {
        Via via;
        QString earlierParent;
        QString chain;
    };
    const QList<Cycle> &cycles() const { return m_cycles; }
    quint64 paths(int file) const { return m_paths.at(file); }
    int depth(int file) const { return m_depth.at(file); }
    // The item that reaches the file along a deepest path.
    Via deepest(int file) const { return m_deep.at(file); }
    quint64 treeSize() const { return m_below.isEmpty() ? 1 : addCapped(1, m_below.at(0)); }

    // The captions from the top file's items down to the item, each followed by " - ",
    // along the first path (or the deepest one).
    QString captionPath(Via via, bool deepest = false) const
    {
        QStringList captions;
        for (Via at = via; at.file >= 0; at = (deepest ? m_deep : m_first).at(at.file))
            captions.prepend(m_graph.files.at(at.file).items.at(at.item).caption);
        QString path;
        for (const QString &caption : std::as_const(captions))
            path += caption + QStringLiteral(" - ");
        return path;
    }

private:
    void walk(const QString &topFile)
    {
        struct Frame {
            int file;
            int next;
        };
        QList<int> onPath(m_graph.visits.size(), -1); // place on the path, -1 when not on it
        QList<Frame> frames;
        QStringList chain; // the references open on the path
        const auto enter = [&](int file, const QString &reference) {
            onPath[file] = int(frames.size());
            frames.append({file, 0});
            chain.append(reference);
            m_pre.append(file);
        };
        enter(0, topFile);
        while (!frames.isEmpty()) {
            Frame &top = frames.last();
            const course::CourseFile &file = m_graph.files.at(top.file);
            if (top.next >= file.items.size()) {
                onPath[top.file] = -1;
                m_post.append(top.file);
                frames.removeLast();
                chain.removeLast();
                continue;
            }
            const Via via{top.file, top.next++};
            m_items.append(via);
            const int v = file.opens.at(via.item);
            if (v < 0 || m_graph.visits.at(v).state != course::NodeState::Expanded) {
                if (v >= 0 && m_first[v].file < 0 && v != 0)
                    m_first[v] = via;
                continue;
            }
            if (onPath[v] >= 0) {
                m_back[via.file][via.item] = true;
                m_cycles.append({via, onPath[v] > 0 ? chain.at(onPath[v] - 1) : QString(), course::chainText(chain)});
                continue;
            }
            if (m_first[v].file >= 0 || v == 0)
                continue; // expanded before, where it was first met
            m_first[v] = via;
            enter(v, file.items.at(via.item).target); // `top` is not used after this
        }
    }

    const course::CourseGraph &m_graph;
    QList<Via> m_first, m_deep;
    QList<int> m_depth;
    QList<quint64> m_paths, m_below;
    QList<QList<bool>> m_back; // per file, per item: closes a cycle
    QList<int> m_pre, m_post;
    QList<Via> m_items;
    QList<Cycle> m_cycles;
};

} // namespace

CourseReport checkCourse(const QString &givenFolder, const QString &programFolder)
{
    CourseReport report;
    report.folder = givenFolder;
    // Names in the findings are relative to the course folder.
    const QString courseFolder = QDir::cleanPath(QDir(givenFolder).absolutePath());
    const QDir base(courseFolder);
    report.name = QFileInfo(courseFolder).fileName();
    QList<Finding> &out = report.findings;

    const QFileInfo folderInfo(courseFolder);
    if (!folderInfo.isDir()) {
        // A name the system's encoding cannot carry is listed, but cannot be opened.
        const bool badName = report.name.contains(QChar::ReplacementCharacter);
        out.append({FindingKind::Unreadable, QString(), 0,
                    badName ? QStringLiteral("the folder's name is not valid UTF-8: the player cannot open it")
                            : QStringLiteral("the course folder cannot be read")});
        return report;
    }
    if (::access(QFile::encodeName(courseFolder).constData(), R_OK | X_OK) != 0) {
        out.append({FindingKind::Unreadable, QString(), 0, QStringLiteral("the course folder cannot be read")});
        return report;
    }

    course::CourseFiles files;
    // Files the screens refuse because, links followed, they lie outside the program
    // folder; they are reported as such, not as missing.
    const QString realProgram = paths::withSeparator(QFileInfo(programFolder).canonicalFilePath());
    QSet<QString> linkedOutside;
    const auto exists = [&](const QString &path) {
        const QString found = files.existingFile(path);
        if (found.isEmpty())
            return false;
        if (!QFileInfo(found).canonicalFilePath().startsWith(realProgram))
            linkedOutside.insert(found);
        return true;
    };
    course::TargetTester targets(courseFolder, exists);
    QHash<QString, QList<Finding>> byFile; // per content file read, by its path
    course::WalkOptions options;
    options.findFile = [&files](const QString &path) { return files.existingFile(path); };
    options.programFolder = programFolder;
    options.maxStoredLines = MaxLines; // the lines a screen keeps
    options.onFileRead = [&](const course::ContentFileVisit &visit, QByteArrayView bytes,
                             const course::ContentFile &parsed) {
        const QString name = courseName(base, visit.path);
        QList<Finding> &found = byFile[visit.path];
        checkText(name, bytes, found);
        checkStoredLines(name, parsed, found);
        checkFormattedText(files, base, visit.path, found);
    };
    const QString topFile = topContentFile(courseFolder, programFolder);
    const course::CourseGraph graph = course::readCourseGraph(courseFolder, topFile, options);
    const GraphPass pass(graph, topFile);

    // The top content file itself.
    const course::TargetCheck &top = targets.test(topFile);
    if (top.missing)
        out.append({FindingKind::Missing, top.name, 0, QStringLiteral("the course's top content file is missing"), 1});
    else if (!graph.visits.isEmpty() && graph.visits.first().state == course::NodeState::Outside)
        out.append({FindingKind::Outside, top.name, 0,
                    QStringLiteral("the course's top content file is a link out of the program folder: the player "
                                   "refuses it")});

    // Missing and outside targets, each distinct name once, at its first place.
    struct Named {
        Via first;
        quint64 count = 0;
    };
    QHash<QString, qsizetype> missingIndex; // case-folded name -> place in missing
    QList<std::pair<const course::TargetCheck *, Named>> missing;
    QList<std::pair<const course::TargetCheck *, Via>> outside;
    QSet<const course::TargetCheck *> outsideSeen;
    for (const Via via : pass.items()) {
        const course::TargetCheck &check = targets.test(graph.files.at(via.file).items.at(via.item).target);
        if (check.missing) {
            const QString key = check.name.toCaseFolded();
            auto known = missingIndex.constFind(key);
            if (known == missingIndex.constEnd())
                known = missingIndex.insert(key, missing.size()), missing.append({&check, Named{via, 0}});
            missing[known.value()].second.count = addCapped(missing[known.value()].second.count, pass.paths(via.file));
        }
        const bool linked = !check.missing && !check.name.isEmpty() && !linkedOutside.isEmpty()
            && linkedOutside.contains(files.existingFile(paths::join(courseFolder, check.name)));
        if ((check.leaves || linked) && !outsideSeen.contains(&check)) {
            outsideSeen.insert(&check);
            outside.append({&check, via});
        }
    }
    for (const auto &[check, named] : std::as_const(missing)) {
        const QString line = pass.captionPath(named.first).chopped(1) + QStringLiteral("  ") + check->name;
        out.append(
            {FindingKind::Missing, check->name, 0,
             named.count > 1 ? line + QStringLiteral(" (and %1 more places)").arg(countText(named.count - 1)) : line,
             named.count});
    }

    // Screens deeper than the player opens: the top file opens at level 2, so a file
    // reached at depth d opens at level d + 2. Along a deepest path every file's depth
    // is its own deepest, so the files at the first refused depth stand for all below.
    for (const int file : pass.preorder()) {
        if (pass.depth(file) != MaxLevels - 1)
            continue;
        out.append({FindingKind::TooDeep, courseName(base, graph.visits.at(file).path), 0,
                    QStringLiteral("%1  %2 opens at level %3; the player opens at most %4 levels")
                        .arg(pass.captionPath(pass.deepest(file), true).chopped(1), graph.visits.at(file).reference,
                             QString::number(MaxLevels + 1), QString::number(MaxLevels))});
    }

    bool show = false;
    const QString allAround =
        config::lookup(courseFolder, programFolder, keys::AllAround.name(), course::defaultAllAroundText(), show);
    for (const GraphPass::Cycle &cycle : pass.cycles()) {
        const QString start = allAround + u' ' + graph.files.at(cycle.via.file).items.at(cycle.via.item).target
            + QStringLiteral(" duplikovany v ");
        out.append({FindingKind::Cycle, QString(), 0, start + cycle.earlierParent});
        out.append({FindingKind::Cycle, QString(), 0, start + cycle.chain});
    }
    for (const int file : pass.preorder())
        out += byFile.value(graph.visits.at(file).path);
    for (const course::ContentFileVisit &visit : graph.visits) {
        if (visit.state != course::NodeState::Unreadable)
            continue;
        const QFileInfo info(visit.path);
        out.append({FindingKind::Unreadable, courseName(base, visit.path), 0,
                    info.isFile() && info.size() > course::MaxContentFileBytes
                        ? QStringLiteral("larger than %1: too large for a content file")
                              .arg(sizeText(course::MaxContentFileBytes))
                        : QStringLiteral("exists but cannot be read as a content file")});
    }
    for (const auto &[check, via] : std::as_const(outside)) {
        const QString place = pass.captionPath(via).chopped(1) + QStringLiteral("  ") + check->name;
        out.append(
            {FindingKind::Outside, QString(), 0,
             check->leaves
                 ? place + QStringLiteral(" leaves the course folder")
                 : place + QStringLiteral(" lies outside the program folder (through a link): the player refuses it")});
    }
    const quint64 nodes = pass.treeSize();
    if (nodes > quint64(course::DefaultMaxNodes))
        out.append({FindingKind::SizeLimit, QString(), 0,
                    QStringLiteral("the tree window shows the first %1 of the course's %2 nodes (every item on every "
                                   "path from the top file, through %3 content files)")
                        .arg(QString::number(course::DefaultMaxNodes), countText(nodes),
                             QString::number(graph.visits.size()))});
    return report;
}

namespace {
bool holdsTopFile(const QString &folder, const QString &parent)
{
    return paths::fileExists(paths::join(folder, topContentFile(folder, parent)));
}

// Whether the folder is itself a program folder: it holds the program's text table, or
// one of its course folders holds its top content file.
bool isProgramFolder(const QString &folder)
{
    if (paths::fileExists(paths::join(folder, QLatin1String(config::FileName))))
        return true;
    const QStringList courses = course::folderList(folder).courses();
    return std::any_of(courses.cbegin(), courses.cend(),
                       [&folder](const QString &course) { return holdsTopFile(paths::join(folder, course), folder); });
}
} // namespace

FolderKind checkFolder(const QString &given, QList<CourseReport> &reports)
{
    // "Prog/K/" and "Prog/K" name the same course, whose program folder is "Prog".
    const QString folder = QDir::cleanPath(given);
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !QDir(folder).exists())
        return FolderKind::Unreadable;
    const QString parent = QFileInfo(QDir::cleanPath(info.absoluteFilePath())).absolutePath();
    if (holdsTopFile(folder, parent)) {
        reports.append(checkCourse(folder, parent));
        return FolderKind::Course;
    }
    const QStringList courses = course::folderList(folder).courses();
    const bool program = std::any_of(courses.cbegin(), courses.cend(), [&folder](const QString &course) {
        return holdsTopFile(paths::join(folder, course), folder);
    });
    // Without a course folder in it, a folder is a course that lacks its top content
    // file when it holds files of its own, or when its parent is a program folder (the
    // course then holds only folders, such as its pictures); otherwise one with only
    // folders is a program folder.
    bool ownFiles = false;
    if (!program) {
        paths::forEachEntry(folder, [&ownFiles](const paths::FolderEntry &entry) {
            ownFiles = entry.kind != paths::FolderEntry::Kind::Folder
                && entry.name.compare(QStringLiteral("CONFIG.TXT"), Qt::CaseInsensitive) != 0;
            return !ownFiles;
        });
    }
    if (ownFiles || (!program && isProgramFolder(parent))) {
        reports.append(checkCourse(folder, parent));
        return FolderKind::Course;
    }
    if (courses.isEmpty())
        return FolderKind::Nothing;
    for (const QString &course : courses)
        reports.append(checkCourse(paths::join(folder, course), folder));
    return FolderKind::Program;
}

namespace {
QString where(const Finding &f)
{
    if (f.file.isEmpty())
        return QString();
    return f.line ? QStringLiteral("%1:%2: ").arg(f.file, QString::number(f.line)) : f.file + QStringLiteral(": ");
}

} // namespace

QString escapeControls(const QString &text)
{
    const auto control = [](QChar c) { return c.unicode() < 0x20 || (c.unicode() >= 0x7F && c.unicode() < 0xA0); };
    if (std::none_of(text.cbegin(), text.cend(), control))
        return text;
    QString escaped;
    escaped.reserve(text.size() + 8);
    for (const QChar c : text) {
        if (control(c))
            escaped += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            escaped += c;
    }
    return escaped;
}

QString plainReport(const QList<CourseReport> &reports)
{
    QString text;
    for (const CourseReport &course : reports) {
        for (const Finding &f : course.findings)
            text += escapeControls(course.name + QStringLiteral(": ") + kindName(f.kind) + QStringLiteral(": ")
                                   + where(f) + f.text)
                + u'\n';
    }
    return text;
}

QString jsonReport(const QString &folder, const QList<CourseReport> &reports)
{
    QJsonArray courses;
    qsizetype total = 0;
    for (const CourseReport &course : reports) {
        QJsonArray findings;
        for (const Finding &f : course.findings) {
            QJsonObject item{{QStringLiteral("kind"), kindName(f.kind)}, {QStringLiteral("text"), f.text}};
            if (!f.file.isEmpty())
                item.insert(QStringLiteral("file"), f.file);
            if (f.line)
                item.insert(QStringLiteral("line"), f.line);
            if (f.count)
                item.insert(QStringLiteral("count"), double(f.count));
            findings.append(item);
        }
        total += course.findings.size();
        courses.append(QJsonObject{{QStringLiteral("course"), course.name},
                                   {QStringLiteral("folder"), course.folder},
                                   {QStringLiteral("findings"), findings}});
    }
    const QJsonObject root{{QStringLiteral("folder"), folder},
                           {QStringLiteral("findingCount"), qint64(total)},
                           {QStringLiteral("courses"), courses}};
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}

namespace {
const char Usage[] = "Usage: lumora-check [--json] FOLDER\n"
                     "\n"
                     "Checks Lumora courses the way a learner would meet them. FOLDER is a program\n"
                     "folder (every course folder in it is checked) or one course folder (a folder\n"
                     "holding its top content file, Obsah.txt unless CONFIG.TXT names another).\n"
                     "\n"
                     "Each course is walked from its top content file, as the player's tree does, and\n"
                     "these are reported, one finding a line as \"course: kind: text\":\n"
                     "  missing         a file an item names that is not in the course folder: each\n"
                     "                  file once, with the captions of the first place leading to it\n"
                     "                  and how many more places name it\n"
                     "  cycle           a content file that leads back to itself (two lines per cycle)\n"
                     "  too-deep        a screen deeper than the 20 levels the player opens\n"
                     "  too-many-lines  a screen with more than 20 stored lines (the player drops the\n"
                     "                  rest; only the lines it keeps are checked further)\n"
                     "  long-line       lines longer than 255 characters\n"
                     "  encoding        a content file that is not text in Windows-1250 or UTF-8, with\n"
                     "                  the first such line\n"
                     "  not-rtf         a formatted text (.rtf beside a content file) that is not RTF\n"
                     "  unreadable      a content file or formatted text that cannot be read, or is\n"
                     "                  larger than 16 MB\n"
                     "  outside         a target that leaves the course folder, a link to a file\n"
                     "                  outside the program folder, or a formatted text linked from\n"
                     "                  outside the course folder (the web export leaves it out)\n"
                     "  size-limit      a course whose tree grows past the tree window's limit\n"
                     "  note            not an error: a content file saved as UTF-8, which this player\n"
                     "                  reads and keeps, but older players show with wrong letters\n"
                     "\n"
                     "Options:\n"
                     "  --json   the same findings as one JSON document\n"
                     "  --help   this text\n"
                     "\n"
                     "Control characters in the text output are written as \\xHH.\n"
                     "\n"
                     "Exit status: 0 when every course is clean (notes alone count as clean), 1 with\n"
                     "findings, 2 for a usage error,\n"
                     "a folder that cannot be read, or one that holds neither a course nor any course\n"
                     "folder.\n";
} // namespace

int runCheck(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    bool json = false;
    QStringList folders;
    bool optionsEnd = false;
    for (const QString &arg : arguments) {
        if (!optionsEnd && (arg == u"--help" || arg == u"-h")) {
            out << Usage;
            return 0;
        }
        if (!optionsEnd && arg == u"--json")
            json = true;
        else if (!optionsEnd && arg == u"--")
            optionsEnd = true;
        else if (!optionsEnd && arg.startsWith(u'-') && arg.size() > 1) {
            err << "lumora-check: unknown option " << arg << "\n" << Usage;
            return 2;
        } else
            folders.append(arg);
    }
    if (folders.size() != 1) {
        err << "lumora-check: give exactly one FOLDER\n" << Usage;
        return 2;
    }
    QList<CourseReport> reports;
    const QString folder = QDir::cleanPath(folders.first());
    switch (checkFolder(folder, reports)) {
    case FolderKind::Unreadable:
        err << "lumora-check: cannot read the folder " << escapeControls(folder) << "\n";
        return 2;
    case FolderKind::Nothing:
        err << "lumora-check: the folder " << escapeControls(folder)
            << " holds neither a course nor any course folder\n";
        return 2;
    case FolderKind::Course:
    case FolderKind::Program: break;
    }
    out << (json ? jsonReport(folder, reports) : plainReport(reports));
    for (const CourseReport &course : reports) {
        for (const Finding &f : course.findings) {
            if (!f.isNote())
                return 1;
        }
    }
    return 0;
}

} // namespace lumora::check
