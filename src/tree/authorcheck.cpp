#include "tree/authorcheck.h"

#include "config/texttable.h"
#include "platform/paths.h"
#include "rtf/rtfreader.h"
#include "screens/contentfile.h"
#include "screens/contentfileitems.h"
#include "screens/contentfilenames.h"
#include "screens/folderlist.h"
#include "tree/coursecheck.h"
#include "tree/coursefiles.h"
#include "tree/coursewalk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cstring>

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
        int more = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
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
        findings.append({QStringLiteral("encoding"), file, firstControl,
                         QStringLiteral("holds control characters: not a text file")});
    else if (firstNonAscii && validUtf8(bytes))
        findings.append({QStringLiteral("note"), file, firstNonAscii,
                         QStringLiteral("saved as UTF-8: this player reads it, older players show its letters wrongly")});
    else if (firstUndefined)
        findings.append({QStringLiteral("encoding"), file, firstUndefined,
                         QStringLiteral("holds bytes that are no Windows-1250 character")});
    if (longCount)
        findings.append({QStringLiteral("long-line"), file, firstLong,
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

void checkStoredLines(const QString &file, const content::ContentFile &parsed, QList<Finding> &findings)
{
    const qsizetype stored = parsed.storedLines.size();
    if (stored <= MaxLines)
        return;
    int buttons = 0;
    for (qsizetype i = MaxLines; i < stored; ++i)
        buttons += content::lineKind(parsed.storedLines.at(i)) == content::LineKind::Button;
    findings.append({QStringLiteral("too-many-lines"), file, 0,
                     QStringLiteral("%1 stored lines; the player keeps the first %2 (%3 left out, %4 of them buttons)")
                         .arg(QString::number(stored), QString::number(MaxLines), QString::number(stored - MaxLines),
                              QString::number(buttons))});
}

// The formatted text beside a content file must be rich text.
void checkFormattedText(tree::CourseFiles &files, const QDir &base, const QString &contentPath,
                        QList<Finding> &findings)
{
    const QFileInfo info(contentPath);
    const QString rtf = files.existingFile(paths::join(info.path(), content::formattedTextName(info.fileName())));
    if (rtf.isEmpty())
        return;
    QFile file(rtf);
    const QString name = courseName(base, rtf);
    if (!file.open(QIODevice::ReadOnly)) {
        findings.append({QStringLiteral("unreadable"), name, 0, QStringLiteral("the formatted text cannot be read")});
        return;
    }
    // The same test the player makes before it shows a formatted text.
    if (!rtf::isRichText(file.read(4096)))
        findings.append({QStringLiteral("not-rtf"), name, 0,
                         QStringLiteral("the formatted text is not rich text (RTF): the player cannot show it")});
}

QString topContentFile(const QString &courseFolder, const QString &programFolder)
{
    bool show = false;
    return config::lookup(courseFolder, programFolder, QStringLiteral("DEFAULT CONTENT"), QStringLiteral("Obsah.txt"), show);
}

} // namespace

CourseReport checkCourse(const QString &givenFolder, const QString &programFolder)
{
    CourseReport report;
    report.folder = givenFolder;
    // Names in the findings are relative to the course folder.
    const QString courseFolder = QDir(givenFolder).absolutePath();
    const QDir base(courseFolder);
    report.name = QFileInfo(paths::withoutSeparator(courseFolder)).fileName();
    QList<Finding> &out = report.findings;
    QList<Finding> fileFindings;

    tree::CourseFiles files;
    // The walk's listings answer which files exist, so no folder is listed twice.
    tree::TargetTester targets(courseFolder, [&files](const QString &path) { return !files.existingFile(path).isEmpty(); });
    QList<QList<const tree::TargetCheck *>> itemChecks; // per content file read, per item
    tree::WalkOptions options;
    options.findFile = [&files](const QString &path) { return files.existingFile(path); };
    options.onFileRead = [&](const tree::ContentFileVisit &visit, QByteArrayView bytes, const content::ContentFile &parsed) {
        const QString name = courseName(base, visit.path);
        checkText(name, bytes, fileFindings);
        checkStoredLines(name, parsed, fileFindings);
        checkFormattedText(files, base, visit.path, fileFindings);
    };
    // Each item's target is judged as its file is read, once for all the nodes made from it.
    options.onItemsRead = [&](int visit, const QList<content::ButtonLine> &items) {
        if (itemChecks.size() <= visit)
            itemChecks.resize(visit + 1);
        QList<const tree::TargetCheck *> &checks = itemChecks[visit];
        checks.reserve(items.size());
        for (const content::ButtonLine &item : items)
            checks.append(&targets.test(item.target));
    };
    const tree::CourseTree tree =
        tree::walkCourse(courseFolder, report.name, topContentFile(courseFolder, programFolder), options);

    // Every node but the root is the n-th item of its parent's content file, n counted
    // per parent in course order.
    QList<const tree::TargetCheck *> nodeChecks(tree.size(), nullptr);
    QList<int> itemsMet(tree.size(), 0);
    for (int i = 0; i < tree.size(); ++i) {
        const tree::CourseNode &node = tree.node(i);
        const int visit = node.parent < 0 ? -1 : tree.node(node.parent).visit;
        const int item = node.parent < 0 ? 0 : itemsMet[node.parent]++;
        if (visit >= 0 && visit < itemChecks.size() && item < itemChecks.at(visit).size())
            nodeChecks[i] = itemChecks.at(visit).at(item);
        else
            nodeChecks[i] = &targets.test(node.reference);
    }
    const auto checkOf = [&nodeChecks](int i) -> const tree::TargetCheck & { return *nodeChecks.at(i); };

    const QStringList missing = tree::missingFileLines(tree, checkOf);
    out.reserve(missing.size() + fileFindings.size());
    for (const QString &line : missing)
        out.append({QStringLiteral("missing"), QString(), 0, line});
    bool show = false;
    const QString allAround = config::lookup(courseFolder, programFolder, QStringLiteral("ALL AROUND"),
                                             tree::defaultAllAroundText(), show);
    for (const QString &line : tree::cycleLines(tree, allAround))
        out.append({QStringLiteral("cycle"), QString(), 0, line});
    for (const tree::ContentFileVisit &visit : tree.visits()) {
        if (visit.state == tree::NodeState::Unreadable)
            out.append({QStringLiteral("unreadable"), courseName(base, visit.path), 0,
                        QStringLiteral("exists but cannot be read as a content file")});
    }
    out += fileFindings;
    for (int i = 1; i < tree.size(); ++i) {
        const tree::TargetCheck &check = checkOf(i);
        if (check.leaves)
            out.append({QStringLiteral("outside"), QString(), 0,
                        tree.checkPath(i) + QLatin1Char(' ') + check.name + QStringLiteral(" leaves the course folder")});
    }
    if (tree.truncated())
        out.append({QStringLiteral("size-limit"), QString(), 0,
                    QStringLiteral("the tree stops at %1 nodes: content files are shared so often that it grows too large")
                        .arg(tree.size())});
    return report;
}

bool checkFolder(const QString &folder, QList<CourseReport> &reports)
{
    const QFileInfo info(folder);
    if (!info.isDir() || !info.isReadable() || !QDir(folder).exists())
        return false;
    const QString parent = info.absolutePath();
    if (paths::fileExists(paths::join(folder, topContentFile(folder, parent)))) {
        reports.append(checkCourse(folder, parent));
        return true;
    }
    for (const QString &course : folderList(folder).courses())
        reports.append(checkCourse(paths::join(folder, course), folder));
    return true;
}

namespace {
QString where(const Finding &f)
{
    if (f.file.isEmpty())
        return QString();
    return f.line ? QStringLiteral("%1:%2: ").arg(f.file, QString::number(f.line)) : f.file + QStringLiteral(": ");
}
} // namespace

QString plainReport(const QList<CourseReport> &reports)
{
    QString text;
    for (const CourseReport &course : reports) {
        for (const Finding &f : course.findings)
            text += course.name + QStringLiteral(": ") + f.kind + QStringLiteral(": ") + where(f) + f.text + u'\n';
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
            QJsonObject item{{QStringLiteral("kind"), f.kind}, {QStringLiteral("text"), f.text}};
            if (!f.file.isEmpty())
                item.insert(QStringLiteral("file"), f.file);
            if (f.line)
                item.insert(QStringLiteral("line"), f.line);
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
const char Usage[] =
    "Usage: lumora-check [--json] FOLDER\n"
    "\n"
    "Checks Lumora courses the way a learner would meet them. FOLDER is a program\n"
    "folder (every course folder in it is checked) or one course folder (a folder\n"
    "holding its top content file, Obsah.txt unless CONFIG.TXT names another).\n"
    "\n"
    "Each course is walked from its top content file, as the player's tree does, and\n"
    "these are reported, one finding a line as \"course: kind: text\":\n"
    "  missing         a file an item names that is not in the course folder, with\n"
    "                  the captions leading to it (as the player's integrity check)\n"
    "  cycle           a content file that leads back to itself (two lines per cycle)\n"
    "  too-many-lines  a screen with more than 20 stored lines (the player drops the rest)\n"
    "  long-line       lines longer than 255 characters\n"
    "  encoding        a content file that is not text in Windows-1250 or UTF-8, with\n"
    "                  the first such line\n"
    "  not-rtf         a formatted text (.rtf beside a content file) that is not RTF\n"
    "  unreadable      a content file or formatted text that cannot be read\n"
    "  outside         a target that leaves the course folder\n"
    "  size-limit      a course whose tree grows past the player's limit\n"
    "  note            not an error: a content file saved as UTF-8, which this player\n"
    "                  reads and keeps, but older players show with wrong letters\n"
    "\n"
    "Options:\n"
    "  --json   the same findings as one JSON document\n"
    "  --help   this text\n"
    "\n"
    "Exit status: 0 when every course is clean (notes alone count as clean), 1 with\n"
    "findings, 2 for a usage error\n"
    "or a folder that cannot be read.\n";
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
    if (!checkFolder(folders.first(), reports)) {
        err << "lumora-check: cannot read the folder " << folders.first() << "\n";
        return 2;
    }
    out << (json ? jsonReport(folders.first(), reports) : plainReport(reports));
    for (const CourseReport &course : reports) {
        for (const Finding &f : course.findings) {
            if (!f.isNote())
                return 1;
        }
    }
    return 0;
}

} // namespace lumora::check
