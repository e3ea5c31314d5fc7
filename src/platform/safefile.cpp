#include "platform/safefile.h"

#include "platform/errors.h"
#include "platform/paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumora::fileops {

namespace {

constexpr char TemporaryMark[] = ".lumora-";
constexpr int TemporaryLetters = 6;

// Writes every byte to fd, going on after a partial write; false with errno set when
// the system refuses.
bool writeAll(int fd, const char *data, qint64 size)
{
    while (size > 0) {
        const ssize_t done = ::write(fd, data, size_t(size));
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (done == 0) {
            errno = ENOSPC;
            return false;
        }
        data += done;
        size -= done;
    }
    return true;
}

// The temporary as a device for writers that stream: each write goes straight to the
// file and the first failure's errno is kept for finish().
class TemporaryDevice : public QIODevice {
public:
    void attach(int fd)
    {
        m_fd = fd;
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }
    int failure() const { return m_errno; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 size) override
    {
        if (m_errno != 0)
            return -1;
        if (!writeAll(m_fd, data, size)) {
            m_errno = errno != 0 ? errno : EIO;
            return -1;
        }
        return size;
    }

private:
    int m_fd = -1;
    int m_errno = 0;
};

QString randomLetters()
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString out;
    for (int i = 0; i < TemporaryLetters; ++i)
        out += QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]);
    return out;
}

bool liesIn(const QString &real, const QString &folder)
{
    if (real.isEmpty() || folder.isEmpty())
        return false;
    const QString base = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    return real.startsWith(base) && real.indexOf(QLatin1Char('/'), base.size()) < 0;
}

void syncFolder(const QString &folder)
{
    // Best effort: some file systems refuse fsync on a folder, and the file is in place.
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

[[noreturn]] void throwWriteFailure(int err, const QString &file)
{
    if (diskFull(err))
        throw DiskFullError(file);
    throw WriteFailedError(IoError::fromErrno(err).code(),
                           file + QStringLiteral(" (") + QString::fromLocal8Bit(std::strerror(err)) + u')');
}

} // namespace

bool diskFull(int err)
{
    return err == ENOSPC || err == EDQUOT;
}

QString writableTarget(const QString &path)
{
    const QFileInfo given(QDir::cleanPath(QFileInfo(path).absoluteFilePath()));
    const QString folder = paths::realPath(given.path());
    if (folder.isEmpty())
        return QString();
    if (!given.isSymLink())
        return folder == QLatin1String("/") ? folder + given.fileName() : folder + u'/' + given.fileName();
    QString real = paths::realPath(given.filePath());
    if (real.isEmpty()) {
        // A dangling link: where it points, judged as the file it would create.
        const QFileInfo pointed(given.symLinkTarget());
        if (pointed.isSymLink())
            return QString();
        const QString pointedFolder = paths::realPath(pointed.path());
        real = pointedFolder.isEmpty() ? QString() : pointedFolder + u'/' + pointed.fileName();
    }
    return liesIn(real, folder) ? real : QString();
}

struct SafeFile::State {
    QString given;
    QString target;
    QString temporary;
    int fd = -1;
    bool finished = false;
    bool committed = false;
    TemporaryDevice device;
};

SafeFile::SafeFile(const QString &path) : m(std::make_unique<State>())
{
    m->given = path;
}

SafeFile::~SafeFile()
{
    discard();
}

QString SafeFile::path() const
{
    return m->given;
}

QString SafeFile::target() const
{
    return m->target;
}

QString SafeFile::temporary() const
{
    return m->temporary;
}

void SafeFile::open()
{
    m->target = writableTarget(m->given);
    if (m->target.isEmpty())
        throw LinkOutsideError(m->given);
    struct stat old {};
    const QByteArray targetName = QFile::encodeName(m->target);
    const bool existed = ::stat(targetName.constData(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode))
        throw FileCreateError(m->given); // a folder, a pipe or a device is never replaced
    for (int attempt = 0; attempt < 16 && m->fd < 0; ++attempt) {
        m->temporary = m->target + QLatin1String(TemporaryMark) + randomLetters();
        m->fd = ::open(QFile::encodeName(m->temporary).constData(),
                       O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (m->fd < 0 && errno != EEXIST)
            break;
    }
    if (m->fd < 0) {
        const int err = errno;
        m->temporary.clear();
        if (diskFull(err))
            throw DiskFullError(m->given);
        if (err == EROFS || err == EACCES || err == EPERM)
            throw FileCreateError(m->given, QStringLiteral("priečinok je len na čítanie alebo doň nemožno zapisovať"));
        throw FileCreateError(m->given);
    }
    // A replaced file keeps who may read and write it.
    if (existed)
        ::fchmod(m->fd, old.st_mode & 07777);
    m->device.attach(m->fd);
}

void SafeFile::write(QByteArrayView bytes)
{
    if (m->fd < 0 || m->finished)
        throw FileCreateError(m->given);
    errno = 0;
    if (m->device.write(bytes.data(), bytes.size()) != bytes.size()) {
        const int err = m->device.failure() != 0 ? m->device.failure() : EIO;
        discard();
        throwWriteFailure(err, m->given);
    }
}

QIODevice &SafeFile::device()
{
    return m->device;
}

void SafeFile::finish()
{
    if (m->finished)
        return;
    if (m->fd < 0)
        throw FileCreateError(m->given);
    int err = m->device.failure();
    if (err == 0 && ::fsync(m->fd) != 0)
        err = errno;
    m->device.close();
    if (::close(m->fd) != 0 && err == 0)
        err = errno;
    m->fd = -1;
    if (err != 0) {
        discard();
        throwWriteFailure(err, m->given);
    }
    m->finished = true;
}

void SafeFile::commit()
{
    finish();
    if (::rename(QFile::encodeName(m->temporary).constData(), QFile::encodeName(m->target).constData()) != 0) {
        const int err = errno;
        discard();
        throwWriteFailure(err, m->given);
    }
    m->committed = true;
    m->temporary.clear();
    syncFolder(QFileInfo(m->target).path());
    // What a killed earlier write of this file left beside it goes now.
    removeLeftovers(m->target);
}

void SafeFile::discard()
{
    if (m->fd >= 0) {
        m->device.close();
        ::close(m->fd);
        m->fd = -1;
    }
    if (!m->committed && !m->temporary.isEmpty())
        ::unlink(QFile::encodeName(m->temporary).constData());
    m->temporary.clear();
}

bool SafeFile::isTemporaryName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("\\.lumora-[A-Za-z0-9]{6}$"));
    return pattern.match(name).hasMatch();
}

void SafeFile::removeLeftovers(const QString &path)
{
    const QFileInfo info(path);
    const QDir folder = info.dir();
    const QString prefix = info.fileName() + QLatin1String(TemporaryMark);
    for (const QString &name :
         folder.entryList({prefix + QStringLiteral("*")}, QDir::Files | QDir::Hidden | QDir::System)) {
        const QFileInfo leftover(folder.filePath(name));
        if (name.size() == prefix.size() + TemporaryLetters && isTemporaryName(name) && !leftover.isSymLink())
            QFile::remove(leftover.filePath());
    }
}

void writeFileAt(const QString &path, QByteArrayView bytes)
{
    SafeFile file(path);
    file.open();
    file.write(bytes);
    file.commit();
}

} // namespace lumora::fileops
