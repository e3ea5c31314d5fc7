#pragma once
// Writes a zip archive entry by entry to a device: each file stored or, when that makes
// it smaller, compressed with deflate (zlib's raw stream, through qCompress). Names are
// UTF-8 and flagged so. Archives and entries beyond 4 GB (which would need the zip64
// extension) are refused.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

class QIODevice;

namespace lumora::exporting {

quint32 crc32(QByteArrayView bytes, quint32 crc = 0);

class ZipWriter {
public:
    // Entries are dated with time (local time, two-second steps as zip keeps it).
    explicit ZipWriter(QIODevice &device, const QDateTime &time = QDateTime::currentDateTime());

    // Adds one file; name uses "/" between folders. compress: try deflate.
    // Returns false when the device fails or the archive would grow too large.
    bool add(const QString &name, const QByteArray &bytes, bool compress = true);
    // Writes the central directory; the archive is complete after it.
    bool finish();

    QStringList names() const;

private:
    struct Entry {
        QByteArray name;
        quint32 crc = 0;
        quint32 compressedSize = 0;
        quint32 size = 0;
        quint16 method = 0;
        quint32 offset = 0;
    };
    bool put(const QByteArray &bytes);

    QIODevice &m_device;
    quint16 m_dosTime = 0;
    quint16 m_dosDate = 0;
    quint64 m_offset = 0;
    QList<Entry> m_entries;
    bool m_failed = false;
};

} // namespace lumora::exporting
