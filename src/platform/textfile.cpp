#include "platform/textfile.h"

#include "platform/errors.h"
#include "platform/paths.h"

#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QStringDecoder>

#include <array>
#include <cerrno>

namespace lumora::textfile {

namespace {

// The code page as two lookup tables, built once from the platform's converter.
struct CodePage {
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, char> fromUnicode;

    CodePage()
    {
        QStringDecoder decoder("windows-1250");
        for (int b = 0; b < 256; ++b) {
            const char byte = char(b);
            const QString s = decoder.isValid() ? decoder(QByteArrayView(&byte, 1)) : QString();
            toUnicode[size_t(b)] = s.size() == 1 ? s.at(0).unicode() : char16_t(b);
        }
        for (int b = 255; b >= 0; --b)
            fromUnicode.insert(toUnicode[size_t(b)], char(b));
    }
};

const CodePage &codePage()
{
    static const CodePage table;
    return table;
}

int errnoOr(int fallback)
{
    return errno != 0 ? errno : fallback;
}

} // namespace

QString decode(QByteArrayView bytes)
{
    const auto &table = codePage().toUnicode;
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = QChar(table[uchar(bytes[i])]);
    return out;
}

QByteArray encode(QStringView text)
{
    const auto &table = codePage().fromUnicode;
    QByteArray out(text.size(), Qt::Uninitialized);
    char *dst = out.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            dst[i] = char(c);
            continue;
        }
        const auto it = table.constFind(c);
        dst[i] = it == table.constEnd() ? '?' : it.value();
    }
    return out;
}

bool encodable(QStringView text)
{
    const auto &table = codePage().fromUnicode;
    for (const QChar ch : text) {
        if (ch.unicode() >= 0x80 && !table.contains(ch.unicode()))
            return false;
    }
    return true;
}

QList<QByteArrayView> splitRawLines(QByteArrayView bytes)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    while (start < n) {
        qsizetype end = bytes.indexOf('\n', start);
        const bool hasEnd = end >= 0;
        if (!hasEnd)
            end = n;
        qsizetype stop = end;
        if (hasEnd && stop > start && bytes[stop - 1] == '\r')
            --stop;
        lines.append(bytes.sliced(start, stop - start));
        start = end + 1;
    }
    return lines;
}

QByteArray readBytes(const QString &path)
{
    QFile file(paths::resolve(path));
    // A named pipe or a device would block the program in its open or read.
    if (paths::isSpecial(path))
        throw IoError::fromErrno(ENOENT);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw IoError::fromErrno(errnoOr(ENOENT));
    errno = 0;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw IoError::fromErrno(errnoOr(EIO));
    return bytes;
}

QStringList readLines(const QString &path)
{
    const QByteArray bytes = readBytes(path);
    QStringList lines;
    for (const QByteArrayView line : splitRawLines(bytes))
        lines.append(decode(line));
    return lines;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    writeBytesAt(paths::resolve(path), bytes);
}

void writeBytesAt(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw FileCreateError(path);
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw IoError::fromErrno(errnoOr(EIO));
    }
    errno = 0;
    if (!file.commit())
        throw IoError::fromErrno(errnoOr(EIO));
}

QByteArray encodeLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

void writeLines(const QString &path, const QStringList &lines)
{
    writeBytes(path, encodeLines(lines));
}

void writeText(const QString &path, const QString &text)
{
    writeBytes(path, encode(text));
}

} // namespace lumora::textfile
