#include "course/workfiles.h"

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "course/contentfileitems.h"
#include "course/contentfiletext.h"
#include "state/session.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace lumora::course {

namespace {

// A name that reaches outside the work folder: absolute ("/x", "\x", "C:x") or with
// a ".." part.
bool leavesWorkFolder(const QString &name)
{
    if (name.startsWith(QDir::separator()))
        return true;
    if (name.size() >= 2 && name.at(1) == QLatin1Char(':'))
        return true;
    for (const QString &part : name.split(QDir::separator())) {
        if (part.trimmed() == QLatin1String(".."))
            return true;
    }
    return false;
}

QString folderPart(const QString &name)
{
    const qsizetype cut = name.lastIndexOf(QDir::separator());
    return cut < 0 ? QString() : name.left(cut);
}

QString lastPart(const QString &name)
{
    return name.mid(name.lastIndexOf(QDir::separator()) + 1);
}

// The earlier links name of a file name: everything after its first "." becomes "htm".
QString earlierLinksName(const QString &last)
{
    return last.contains(u'.') ? course::replaceAfterFirstDot(last, u"htm") : last + QStringLiteral(".htm");
}

// The links name now: only the last extension is replaced, so "a.1.txt" and "a.2.txt"
// keep files of their own; a screen whose name already ends in ".htm" gets one added,
// so its notes and links never share a file.
QString linksName(const QString &last)
{
    const qsizetype dot = last.lastIndexOf(u'.');
    if (dot <= 0 || last.mid(dot + 1).compare(QLatin1String("htm"), Qt::CaseInsensitive) == 0)
        return last + QStringLiteral(".htm");
    return last.left(dot) + QStringLiteral(".htm");
}

// The screen's content file name as the course folder really spells it (folder parts
// kept), or as referenced when it cannot be found there.
QString realScreenName(const ScreenRef &screen, const QString &referenced)
{
    if (screen.courseDir.isEmpty())
        return referenced;
    const QString base = paths::withSeparator(paths::resolve(screen.courseDir));
    const QString found = paths::existingFile(base + referenced);
    if (!found.isEmpty() && found.startsWith(base) && found.size() > base.size())
        return found.mid(base.size());
    return referenced;
}

// The name earlier versions kept the file under, or a refusal.
QString earlierName(const ScreenRef &screen, FileKind kind)
{
    QString stem;
    bool ownName = false;
    if (screen.screenFile == QLatin1String("obsah.txt")) {
        stem = course::trimBlanks(screen.levelFolder);
    } else {
        stem = screen.screenFile;
        ownName = true;
    }
    stem = paths::fromCourse(stem);
    if (stem.isEmpty() || paths::fileName(stem).trimmed().isEmpty())
        return QString();
    const QString name = kind == FileKind::Notes ? (ownName ? stem : stem + QStringLiteral(".txt"))
                                                 : folderPart(stem)
            + (folderPart(stem).isEmpty() ? QString() : QString(QDir::separator())) + earlierLinksName(lastPart(stem));
    return leavesWorkFolder(name) ? QString() : name;
}

// The leftovers of an interrupted replacement of path: the new file is written next to
// it under the name followed by "." and six random letters or digits.
void removeLeftovers(const QString &path)
{
    const QFileInfo info(path);
    const QRegularExpression leftover(QStringLiteral("^") + QRegularExpression::escape(info.fileName())
                                      + QStringLiteral("\\.[A-Za-z0-9]{6}$"));
    QDir folder = info.dir();
    for (const QString &name :
         folder.entryList({info.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (leftover.match(name).hasMatch() && !QFileInfo(folder.filePath(name)).isSymLink())
            QFile::remove(folder.filePath(name));
    }
}

void removeExisting(const QString &path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    if (!QFile::remove(path) && QFileInfo::exists(path))
        throw Error(QStringLiteral("Nemôžem vymazať súbor %1").arg(path));
}

} // namespace

ScreenRef currentScreen(const Session &session)
{
    return screenAt(session, session.course.CurrentLevel);
}

ScreenRef screenAt(const Session &session, int level)
{
    ScreenRef screen;
    screen.level = level;
    screen.searchInstance = session.values.isSearchInstance();
    screen.programDir = session.values.ProgramDir;
    if (CourseState::validLevel(level)) {
        screen.screenFile = session.course.ScreenFile[size_t(level)];
        screen.levelFolder = session.course.LevelFolder[size_t(level)];
        if (!screen.levelFolder.isEmpty())
            screen.courseDir = session.levelFolderPath(level);
    }
    return screen;
}

WorkFile workFileName(const ScreenRef &screen, FileKind kind)
{
    const bool notes = kind == FileKind::Notes;
    WorkFile file;
    file.screen = screen;
    file.kind = kind;
    if (screen.screenFile.isEmpty() || (screen.level <= 1 && !screen.searchInstance)) {
        file.name = notes ? QStringLiteral("lumora.txt") : QStringLiteral("lumora.htm");
        return file;
    }

    const QString what = notes ? QStringLiteral("poznámky") : QStringLiteral("vlastných odkazov");
    const QString referenced = paths::fromCourse(screen.screenFile);
    if (paths::fileName(referenced).trimmed().isEmpty()) {
        file.refusal = QStringLiteral("Súbor %1 tejto obrazovky sa nedá použiť: názov „%2“ nie je názov súboru.")
                           .arg(what, referenced);
        return file;
    }
    const QString course = paths::fromCourse(screen.levelFolder);
    const QString screenName = realScreenName(screen, referenced);
    const QString own = notes
        ? screenName
        : folderPart(screenName) + (folderPart(screenName).isEmpty() ? QString() : QString(QDir::separator()))
            + linksName(lastPart(screenName));
    const QString name = course.isEmpty() ? own : course + QDir::separator() + own;
    if (leavesWorkFolder(course) || leavesWorkFolder(own) || course.trimmed() == QLatin1String(".")) {
        file.refusal =
            QStringLiteral("Súbor %1 tejto obrazovky sa nedá použiť: názov „%2“ vedie mimo pracovného adresára.")
                .arg(what, name);
        return file;
    }
    file.name = name;
    const QString earlier = earlierName(screen, kind);
    if (earlier != name)
        file.earlier = earlier;
    return file;
}

QString courseWorkFolder(const QString &levelFolder)
{
    const QString course = paths::fromCourse(levelFolder);
    if (course.trimmed().isEmpty() || course.trimmed() == QLatin1String(".") || leavesWorkFolder(course))
        return QString();
    return course;
}

QString workFilePath(const QString &tempDir, const WorkFile &file)
{
    if (!file.ok())
        return QString();
    return paths::join(tempDir, file.name);
}

QString earlierFilePath(const QString &tempDir, const WorkFile &file)
{
    if (!file.ok() || file.earlier.isEmpty())
        return QString();
    return paths::existingFile(paths::join(tempDir, file.earlier));
}

QString readablePath(const QString &tempDir, const WorkFile &file)
{
    const QString own = workFilePath(tempDir, file);
    if (own.isEmpty() || QFileInfo::exists(own))
        return own;
    const QString earlier = earlierFilePath(tempDir, file);
    return earlier.isEmpty() ? own : earlier;
}

bool earlierFileShared(const WorkFile &file)
{
    if (file.earlier.isEmpty())
        return false;
    const ScreenRef &screen = file.screen;
    // Without the program folder no other course can be looked at: keep the file.
    if (screen.programDir.isEmpty())
        return true;
    const QString wanted = lastPart(file.earlier);
    const QString sub = folderPart(file.earlier);
    const QString ownReal = realScreenName(screen, paths::fromCourse(screen.screenFile));
    const bool ownIsTop = screen.screenFile == QLatin1String("obsah.txt");
    const auto earlierOf = [&](const QString &fileName) {
        return file.kind == FileKind::Notes ? fileName : earlierLinksName(fileName);
    };
    const QDir program(screen.programDir);
    for (const QString &course : program.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        const bool ownCourse = course == screen.levelFolder;
        const QString courseDir = program.filePath(course);
        // A course's top screen named exactly "obsah.txt" was named after the course.
        if (sub.isEmpty() && !(ownCourse && ownIsTop)
            && QFileInfo(QDir(courseDir).filePath(QStringLiteral("obsah.txt"))).isFile()) {
            const QString stem = course::trimBlanks(course);
            const QString top = file.kind == FileKind::Notes ? stem + QStringLiteral(".txt") : earlierLinksName(stem);
            if (top.compare(wanted, Qt::CaseInsensitive) == 0)
                return true;
        }
        // Any screen whose own name gave the same earlier name.
        const QString folder = sub.isEmpty() ? courseDir : paths::resolve(paths::join(courseDir, sub));
        if (!QFileInfo(folder).isDir())
            continue;
        for (const QString &name : QDir(folder).entryList(QDir::Files)) {
            if (course::itemKind(name) != course::ItemKind::Screen
                || earlierOf(name).compare(wanted, Qt::CaseInsensitive) != 0)
                continue;
            const QString relative = sub.isEmpty() ? name : sub + QDir::separator() + name;
            const bool ownScreen = ownCourse && !ownIsTop && relative.compare(ownReal, Qt::CaseInsensitive) == 0
                && name == lastPart(ownReal);
            if (!ownScreen)
                return true;
        }
    }
    return false;
}

QByteArray workFileBytes(const QString &path)
{
    const QString found = paths::existingFile(path);
    if (found.isEmpty())
        return QByteArray();
    if (QFileInfo(found).size() > MaxWorkFileSize)
        throw FileFormatError(QStringLiteral("Súbor %1 je väčší ako %2 MB; nenačítal sa a zostáva nezmenený.")
                                  .arg(found)
                                  .arg(MaxWorkFileSize / (1024 * 1024)));
    QByteArray bytes = textfile::readBytes(found);
    if (bytes.isNull())
        bytes = QByteArray(""); // an empty file is there: not the same as a missing one
    return bytes;
}

QStringList readWorkFile(const QString &path)
{
    return splitWorkLines(workFileBytes(path));
}

QStringList splitWorkLines(QByteArrayView bytes)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        lines.append(textfile::decode(bytes.sliced(start, end - start)));
        if (end < n && bytes[end] == '\r' && end + 1 < n && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

QString unstorableCharacters(const QStringList &lines)
{
    QString found;
    for (const QString &line : lines) {
        for (qsizetype i = 0; i < line.size(); ++i) {
            // A character outside the basic plane is a pair of halves: named whole.
            const qsizetype width = line.at(i).isHighSurrogate() && i + 1 < line.size() ? 2 : 1;
            const QString ch = line.mid(i, width);
            i += width - 1;
            if (!textfile::encodable(ch) && !found.contains(ch))
                found += ch;
        }
    }
    return found;
}

QByteArray encodeWorkLines(const QStringList &lines)
{
    QStringList single;
    single.reserve(lines.size());
    for (const QString &line : lines) {
        QString out;
        out.reserve(line.size());
        for (qsizetype i = 0; i < line.size(); ++i) {
            // A pair of halves is one character: it becomes one "?".
            if (line.at(i).isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate()) {
                out += QLatin1Char('?');
                ++i;
            } else {
                out += line.at(i);
            }
        }
        single << out;
    }
    return textfile::encodeLines(single);
}

void writeWorkFile(const QString &tempDir, const WorkFile &file, const QStringList &lines)
{
    if (!file.ok())
        throw Error(file.refusal);
    const QString path = workFilePath(tempDir, file);
    const QByteArray bytes = encodeWorkLines(lines);
    if (bytes.size() > MaxWorkFileSize)
        throw FileFormatError(QStringLiteral("Text je väčší ako %1 MB; neuložil sa do súboru %2.")
                                  .arg(MaxWorkFileSize / (1024 * 1024))
                                  .arg(path));
    // A link in the work folder leading elsewhere is never written through.
    if (!paths::inside(path, tempDir))
        throw Error(QStringLiteral("Súbor %1 vedie mimo pracovného adresára; neuložil sa.").arg(path));
    const QString folder = folderPart(file.name);
    if (!folder.isEmpty()) {
        const QString made = paths::join(tempDir, folder);
        if (!QFileInfo(made).isDir() && !QDir().mkpath(made))
            throw FileCreateError(path);
    }
    // Exactly this name: a file of another screen whose name differs only in case is
    // not this screen's.
    textfile::writeBytesAt(path, bytes);
    removeLeftovers(path);
    const QString earlier = earlierFilePath(tempDir, file);
    if (!earlier.isEmpty() && !earlierFileShared(file))
        removeExisting(earlier);
}

void eraseWorkFile(const QString &tempDir, const WorkFile &file)
{
    if (!file.ok())
        throw Error(file.refusal);
    const QString earlier = earlierFilePath(tempDir, file);
    if (!earlier.isEmpty() && earlierFileShared(file)) {
        // The earlier file belongs to other screens too: it stays, and an empty file of
        // this screen's own keeps it from being shown here.
        writeWorkFile(tempDir, file, {});
        return;
    }
    removeExisting(earlier);
    removeExisting(workFilePath(tempDir, file));
}

bool noteFileHasText(const QString &tempDir, const WorkFile &file)
{
    // An empty file of the screen's own is an erased note standing before a shared
    // earlier one.
    const QFileInfo info(readablePath(tempDir, file));
    return info.isFile() && info.size() > 0;
}

bool noteExists(const Session &session, int level)
{
    const WorkFile file = workFileName(screenAt(session, level), FileKind::Notes);
    return file.ok() && noteFileHasText(session.values.TempDir, file);
}

QStringList linksForBox(const Session &session, int level)
{
    const QString path = readablePath(session.values.TempDir, workFileName(screenAt(session, level), FileKind::Links));
    QStringList links;
    if (path.isEmpty())
        return links;
    try {
        for (const QString &line : readWorkFile(path)) {
            if (!line.isEmpty())
                links << line;
        }
    } catch (const Error &) {
        links.clear();
    }
    return links;
}

} // namespace lumora::course
