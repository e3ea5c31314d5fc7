#include "platform/fileops.h"

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/safefile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <sys/file.h>

namespace lumora::fileops {

int attributes(const QString &path)
{
    const QFileInfo info(paths::resolve(path));
    if (!info.exists())
        return 0;
    int bits = 0;
    if (info.isDir())
        bits |= Directory;
    else
        bits |= Archive;
    if (!info.isWritable())
        bits |= ReadOnly;
    if (info.fileName().startsWith(QLatin1Char('.')))
        bits |= Hidden;
    return bits;
}

bool HasAttr(const QString &path, int bits)
{
    const int found = attributes(path);
    return found != 0 && (found & bits) == bits;
}

void CopyFile(const QString &source, const QString &destination)
{
    QString target = destination;
    if (HasAttr(destination, Directory))
        target = paths::join(paths::resolve(destination), paths::fileName(source));
    else
        target = paths::resolve(destination);

    QFile in(paths::resolve(source));
    if (paths::isSpecial(source) || !in.open(QIODevice::ReadOnly) || QFileInfo(in.fileName()).isDir())
        throw FileOpenError(source);
    // Others may read the source, but no copy of this program may be writing it.
    if (flock(in.handle(), LOCK_SH | LOCK_NB) != 0)
        throw FileOpenError(source);

    const QFileInfo sourceInfo(in.fileName());
    const QFileInfo targetInfo(target);
    if (targetInfo.exists() && targetInfo.canonicalFilePath() == sourceInfo.canonicalFilePath())
        throw FileCreateError(target); // copying a file onto itself would destroy it

    SafeFile out(target);
    out.open();

    QByteArray buffer(CopyChunkSize, Qt::Uninitialized);
    qint64 got = 0;
    do {
        got = in.read(buffer.data(), CopyChunkSize);
        if (got < 0)
            throw IoError(100);
        if (got > 0)
            out.write(QByteArrayView(buffer.constData(), got));
    } while (got == CopyChunkSize);
    out.commit();
}

bool writeProbe(const QString &folder)
{
    const QString probe = paths::join(folder, QStringLiteral("Vizk.txt"));
    QFile file(paths::resolve(probe));
    if (paths::isSpecial(probe) || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    file.close();
    file.remove();
    return true;
}

} // namespace lumora::fileops
