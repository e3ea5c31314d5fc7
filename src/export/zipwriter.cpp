#include "export/zipwriter.h"

#include <QIODevice>
#include <QtEndian>

#include <array>
#include <limits>

namespace lumora::exporting {

namespace {

constexpr std::array<quint32, 256> makeCrcTable()
{
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}
constexpr std::array<quint32, 256> CrcTable = makeCrcTable();

constexpr quint64 Limit = std::numeric_limits<quint32>::max();

void put16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

} // namespace

quint32 crc32(QByteArrayView bytes, quint32 crc)
{
    crc = ~crc;
    for (const char byte : bytes)
        crc = CrcTable[(crc ^ quint8(byte)) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

ZipWriter::ZipWriter(QIODevice &device, const QDateTime &time) : m_device(device)
{
    const QDate date = time.date();
    const QTime clock = time.time();
    const int year = qBound(1980, date.year(), 2107);
    m_dosDate = quint16(((year - 1980) << 9) | (date.month() << 5) | date.day());
    m_dosTime = quint16((clock.hour() << 11) | (clock.minute() << 5) | (clock.second() / 2));
}

bool ZipWriter::put(const QByteArray &bytes)
{
    if (m_failed || m_offset + quint64(bytes.size()) > Limit || m_device.write(bytes) != bytes.size()) {
        m_failed = true;
        return false;
    }
    m_offset += quint64(bytes.size());
    return true;
}

bool ZipWriter::add(const QString &name, const QByteArray &bytes, bool compress)
{
    if (m_failed || quint64(bytes.size()) > Limit || m_entries.size() >= 0xFFFF)
        return m_failed = true, false;
    Entry entry;
    entry.name = name.toUtf8();
    entry.size = quint32(bytes.size());
    entry.crc = crc32(bytes);
    entry.offset = quint32(m_offset);
    QByteArray stored;
    if (compress && bytes.size() > 64) {
        // qCompress gives a 4-byte length, the zlib header (2 bytes), the raw deflate
        // stream and the Adler-32 sum (4 bytes); zip wants the raw stream alone.
        const QByteArray zlib = qCompress(bytes, 6);
        if (zlib.size() > 10 && zlib.size() - 10 < bytes.size()) {
            stored = zlib.mid(6, zlib.size() - 10);
            entry.method = 8;
        }
    }
    const QByteArray &data = entry.method == 8 ? stored : bytes;
    entry.compressedSize = quint32(data.size());

    QByteArray header;
    put32(header, 0x04034b50);
    put16(header, 20);     // version needed
    put16(header, 0x0800); // names are UTF-8
    put16(header, entry.method);
    put16(header, m_dosTime);
    put16(header, m_dosDate);
    put32(header, entry.crc);
    put32(header, entry.compressedSize);
    put32(header, entry.size);
    put16(header, quint16(entry.name.size()));
    put16(header, 0);
    header += entry.name;
    if (!put(header) || !put(data))
        return false;
    m_entries.append(entry);
    return true;
}

bool ZipWriter::finish()
{
    const quint64 start = m_offset;
    QByteArray directory;
    for (const Entry &e : m_entries) {
        put32(directory, 0x02014b50);
        put16(directory, 0x0314); // made by: Unix, 2.0
        put16(directory, 20);
        put16(directory, 0x0800);
        put16(directory, e.method);
        put16(directory, m_dosTime);
        put16(directory, m_dosDate);
        put32(directory, e.crc);
        put32(directory, e.compressedSize);
        put32(directory, e.size);
        put16(directory, quint16(e.name.size()));
        put16(directory, 0);                      // extra
        put16(directory, 0);                      // comment
        put16(directory, 0);                      // disk
        put16(directory, 0);                      // internal attributes
        put32(directory, quint32(0100644) << 16); // a regular file, rw-r--r--
        put32(directory, e.offset);
        directory += e.name;
    }
    if (!put(directory))
        return false;
    QByteArray end;
    put32(end, 0x06054b50);
    put16(end, 0);
    put16(end, 0);
    put16(end, quint16(m_entries.size()));
    put16(end, quint16(m_entries.size()));
    put32(end, quint32(directory.size()));
    put32(end, quint32(start));
    put16(end, 0);
    return put(end);
}

QStringList ZipWriter::names() const
{
    QStringList out;
    for (const Entry &e : m_entries)
        out.append(QString::fromUtf8(e.name));
    return out;
}

} // namespace lumora::exporting
