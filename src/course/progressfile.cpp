#include "course/progressfile.h"

#include "course/coursewalk.h"
#include "course/workfiles.h"
#include "platform/errors.h"
#include "platform/filelock.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QThread>

#include <memory>

namespace lumora::course::progress {

namespace {

constexpr char Heading[] = "# Lumora: navštívené súbory kurzu";
// How often, and how long apart, a save tries to take a lock another copy holds.
constexpr int LockTries = 20;
constexpr int LockPauseMs = 10;

bool hasControlCharacters(QStringView text)
{
    for (const QChar ch : text) {
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7f || ch.category() == QChar::Other_Format)
            return true;
    }
    return false;
}

// The text of one line, or a null string when it is not well-formed UTF-8.
QString decodeLine(QByteArrayView line)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(line);
    return decoder.hasError() ? QString() : text;
}

// The lock on the course's lock file, made when missing, taken within a short wait;
// null when it cannot be had. The lock file stays: the lock is taken on it, never on the
// file it guards, which each save replaces.
std::unique_ptr<FileLock> takeLock(const Place &place)
{
    if (!QFileInfo(place.lock).isFile()) {
        QFile lockFile(place.lock);
        if (!lockFile.open(QIODevice::WriteOnly | QIODevice::Append))
            return nullptr;
    }
    for (int attempt = 0; attempt < LockTries; ++attempt) {
        auto lock = std::make_unique<FileLock>(place.lock);
        if (lock->locked())
            return lock;
        QThread::msleep(LockPauseMs);
    }
    return nullptr;
}

} // namespace

QString entryName(QStringView reference)
{
    QString name = reference.trimmed().toString();
    name.replace(u'\\', u'/');
    while (name.startsWith(QLatin1String("./")))
        name = name.mid(2).trimmed();
    if (name.isEmpty() || name == QLatin1String(".") || name.size() > MaxEntryLength || !course::staysInsideCourse(name)
        || hasControlCharacters(name))
        return QString();
    return name;
}

bool Visited::contains(QStringView reference) const
{
    const QString name = entryName(reference);
    return !name.isEmpty() && m_keys.contains(name.toCaseFolded());
}

bool Visited::add(QStringView reference)
{
    const QString name = entryName(reference);
    if (name.isEmpty())
        return false;
    const QString key = name.toCaseFolded();
    if (m_keys.contains(key))
        return false;
    m_keys.insert(key);
    m_entries.append(name);
    return true;
}

int Visited::merge(const Visited &other)
{
    int added = 0;
    for (const QString &entry : other.entries())
        added += add(entry) ? 1 : 0;
    return added;
}

Visited parse(QByteArrayView bytes)
{
    Visited visited;
    bytes = bytes.first(std::min(bytes.size(), MaxFileBytes));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    for (QByteArrayView line : textfile::splitRawLines(bytes)) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith('#') || line.size() > MaxEntryLength * 4)
            continue;
        const QString text = decodeLine(line);
        if (!text.isNull())
            visited.add(text);
    }
    return visited;
}

QByteArray serialize(const Visited &visited)
{
    QByteArray bytes = QByteArray(Heading) + '\n';
    for (const QString &entry : visited.entries()) {
        if (entry.startsWith(u'#'))
            bytes += "./";
        bytes += entry.toUtf8() + '\n';
    }
    return bytes;
}

Place place(const QString &workFolder, const QString &courseFolderName)
{
    Place where;
    const QString sub = course::courseWorkFolder(courseFolderName);
    if (workFolder.isEmpty() || sub.isEmpty())
        return where;
    where.workFolder = workFolder;
    where.folder = paths::join(workFolder, sub);
    where.file = paths::join(where.folder, QString::fromLatin1(FileName));
    where.lock = paths::join(where.folder, QString::fromLatin1(LockName));
    return where;
}

bool exists(const Place &place)
{
    return !place.refused() && QFileInfo(place.file).isFile();
}

Visited read(const Place &place)
{
    if (!exists(place))
        return {};
    QFile file(place.file);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.read(MaxFileBytes));
}

bool save(const Place &place, const Visited &added)
{
    if (place.refused() || added.isEmpty())
        return !place.refused();
    // A link in the work folder leading elsewhere is never written through.
    if (!QFileInfo(place.folder).isDir() && !QDir().mkpath(place.folder))
        return false;
    if (!paths::inside(place.file, place.workFolder) || !paths::inside(place.lock, place.workFolder))
        return false;
    const std::unique_ptr<FileLock> lock = takeLock(place);
    if (!lock)
        return false;
    Visited merged = read(place);
    if (merged.merge(added) == 0)
        return true;
    try {
        textfile::writeBytesAt(place.file, serialize(merged));
    } catch (const Error &) {
        return false;
    }
    return true;
}

void forget(const Place &place)
{
    if (place.refused() || !QFileInfo::exists(place.file))
        return;
    // Under the lock, so that a save of another copy does not write the entries back
    // from what it read before the removal.
    const std::unique_ptr<FileLock> lock = paths::inside(place.lock, place.workFolder) ? takeLock(place) : nullptr;
    if (!QFile::remove(place.file) && QFileInfo::exists(place.file))
        throw Error(QStringLiteral("Nemôžem vymazať súbor %1").arg(place.file));
}

} // namespace lumora::course::progress
