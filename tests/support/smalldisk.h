#pragma once
// A small file system of its own for tests of a full disk: a tmpfs mounted on a
// temporary folder (the tests run as root in CI), filled to the last byte on request
// and unmounted when the object ends. Where mounting is not allowed, mounted() is false
// and the test skips, saying why.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace lumora::testing {

class SmallDisk {
public:
    explicit SmallDisk(int kilobytes = 512)
    {
        const QByteArray where = QFile::encodeName(m_dir.path());
        const QByteArray options = "size=" + QByteArray::number(kilobytes) + "k,mode=0777";
        if (::mount("tmpfs", where.constData(), "tmpfs", 0, options.constData()) == 0)
            m_mounted = true;
        else
            m_why = QStringLiteral("cannot mount a tmpfs (%1); run the test as root to check a full disk")
                        .arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(QFile::encodeName(m_dir.path()).constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk &) = delete;
    SmallDisk &operator=(const SmallDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString why() const { return m_why; }
    QString path() const { return m_dir.path(); }

    // Fills every free byte with one file, so the next write of any size fails with
    // ENOSPC (creating an empty file still works on tmpfs: it takes no block).
    bool fill()
    {
        const QByteArray name = QFile::encodeName(m_dir.path() + QStringLiteral("/.filler"));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        if (fd < 0)
            return false;
        const QByteArray block(4096, 'x');
        while (::write(fd, block.constData(), size_t(block.size())) > 0) {}
        while (::write(fd, block.constData(), 1) > 0) {}
        ::close(fd);
        return errno == ENOSPC;
    }
    // Gives the space back.
    void empty() { QFile::remove(m_dir.path() + QStringLiteral("/.filler")); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
    QString m_why;
};

} // namespace lumora::testing
