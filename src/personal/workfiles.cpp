#include "personal/workfiles.h"

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "screens/contentfiletext.h"
#include "state/session.h"

#include <QDir>
#include <QFileInfo>

namespace lumora::personal {

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
    if (CourseState::validLevel(level)) {
        screen.screenFile = session.course.ScreenFile[size_t(level)];
        screen.levelFolder = session.course.LevelFolder[size_t(level)];
    }
    return screen;
}

WorkFile workFileName(const ScreenRef &screen, FileKind kind)
{
    const bool notes = kind == FileKind::Notes;
    QString stem;
    bool ownName = false;   // the stem is the content file name, extension included
    if (screen.screenFile.isEmpty() || (screen.level <= 1 && !screen.searchInstance)) {
        stem = QStringLiteral("lumora");
    } else if (screen.screenFile == QLatin1String("obsah.txt")) {
        stem = content::trimBlanks(screen.levelFolder);
    } else {
        stem = screen.screenFile;
        ownName = true;
    }
    stem = paths::fromCourse(stem);

    WorkFile file;
    const QString what = notes ? QStringLiteral("poznámky") : QStringLiteral("vlastných odkazov");
    if (paths::fileName(stem).trimmed().isEmpty() && !stem.isEmpty()) {
        file.refusal = QStringLiteral("Súbor %1 tejto obrazovky sa nedá použiť: názov „%2“ nie je názov súboru.")
                           .arg(what, stem);
        return file;
    }
    QString name;
    if (notes) {
        name = ownName ? stem : stem + QStringLiteral(".txt");
    } else {
        // Everything after the first "." of the file name becomes "htm".
        const qsizetype cut = stem.lastIndexOf(QDir::separator()) + 1;
        const QString last = stem.mid(cut);
        name = stem.left(cut)
            + (last.contains(u'.') ? content::replaceAfterFirstDot(last, u"htm") : last + QStringLiteral(".htm"));
    }

    if (leavesWorkFolder(name)) {
        file.refusal = QStringLiteral("Súbor %1 tejto obrazovky sa nedá použiť: názov „%2“ vedie mimo pracovného adresára.")
                           .arg(what, name);
        return file;
    }
    file.name = name;
    return file;
}

QString workFilePath(const QString &tempDir, const WorkFile &file)
{
    if (!file.ok())
        return QString();
    return paths::resolve(paths::join(tempDir, file.name));
}

QStringList readWorkFile(const QString &path)
{
    const QString found = paths::existingFile(path);
    if (found.isEmpty())
        return {};
    if (QFileInfo(found).size() > MaxWorkFileSize)
        throw FileFormatError(QStringLiteral("Súbor %1 je väčší ako %2 MB; nenačítal sa a zostáva nezmenený.")
                                  .arg(found)
                                  .arg(MaxWorkFileSize / (1024 * 1024)));
    return splitWorkLines(textfile::readBytes(found));
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

void writeWorkFile(const QString &tempDir, const WorkFile &file, const QStringList &lines)
{
    if (!file.ok())
        throw Error(file.refusal);
    const qsizetype cut = file.name.lastIndexOf(QDir::separator());
    if (cut > 0) {
        const QString folder = paths::resolve(paths::join(tempDir, file.name.left(cut)));
        if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
            throw FileCreateError(paths::join(tempDir, file.name));
    }
    textfile::writeLines(workFilePath(tempDir, file), lines);
}

bool noteExists(const Session &session, int level)
{
    const QString path = workFilePath(session.values.TempDir, workFileName(screenAt(session, level), FileKind::Notes));
    return !path.isEmpty() && paths::fileExists(path);
}

QStringList linksForBox(const Session &session, int level)
{
    const QString path = workFilePath(session.values.TempDir, workFileName(screenAt(session, level), FileKind::Links));
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

} // namespace lumora::personal
