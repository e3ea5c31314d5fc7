#include "platform/textfile.h"

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/safefile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStringDecoder>

#include <algorithm>
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

namespace {

constexpr char Utf8Mark[] = "\xEF\xBB\xBF";

bool startsWithMark(QByteArrayView bytes)
{
    return bytes.startsWith(QByteArrayView(Utf8Mark, 3));
}

} // namespace

bool wellFormedUtf8(QByteArrayView bytes)
{
    const auto *p = reinterpret_cast<const uchar *>(bytes.data());
    const auto *const end = p + bytes.size();
    while (p != end) {
        const uchar lead = *p;
        if (lead < 0x80) {
            ++p;
            continue;
        }
        // The bytes that may follow a lead byte: the second one's range rules out
        // overlong forms, surrogates and code points past U+10FFFF.
        int trail = 0;
        uchar low = 0x80;
        uchar high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            trail = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            trail = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            trail = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (end - p <= trail || p[1] < low || p[1] > high)
            return false;
        for (int i = 2; i <= trail; ++i) {
            if (p[i] < 0x80 || p[i] > 0xBF)
                return false;
        }
        p += trail + 1;
    }
    return true;
}

Encoding detect(QByteArrayView bytes)
{
    if (startsWithMark(bytes))
        return Encoding::Utf8WithMark;
    // Judged from the first non-ASCII byte on, and given up at the first fault: a
    // Windows-1250 file is told apart at its first letter with a diacritic, without
    // converting the whole file (the text table reads its files on every lookup).
    const auto *first = std::find_if(bytes.begin(), bytes.end(), [](char byte) { return uchar(byte) >= 0x80; });
    if (first == bytes.end())
        return Encoding::Windows1250;
    return wellFormedUtf8(bytes.sliced(first - bytes.begin())) ? Encoding::Utf8 : Encoding::Windows1250;
}

QString decode(QByteArrayView bytes, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Windows1250: return decode(bytes);
    case Encoding::Utf8WithMark:
        if (startsWithMark(bytes))
            bytes = bytes.sliced(3);
        [[fallthrough]];
    case Encoding::Utf8: return QString::fromUtf8(bytes);
    }
    return decode(bytes);
}

QByteArray encode(QStringView text, Encoding encoding)
{
    switch (encoding) {
    case Encoding::Windows1250: return encode(text);
    case Encoding::Utf8: return text.toUtf8();
    case Encoding::Utf8WithMark: return QByteArray(Utf8Mark, 3) + text.toUtf8();
    }
    return encode(text);
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
    return readBytesAt(paths::resolve(path));
}

QByteArray readBytesAt(const QString &path)
{
    // A named pipe or a device would block the program in its open or read.
    if (paths::isSpecial(QFileInfo(path)))
        throw IoError::fromErrno(ENOENT);
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw IoError::fromErrno(errnoOr(ENOENT));
    // Measured on the file opened, so a file swapped meanwhile cannot slip past, and
    // read no further than the limit even when it grows while read.
    if (file.size() > MaxReadBytes)
        throw FileTooLargeError(path);
    errno = 0;
    QByteArray bytes = file.read(MaxReadBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw IoError::fromErrno(errnoOr(EIO));
    if (bytes.size() > MaxReadBytes)
        throw FileTooLargeError(path);
    return bytes;
}

QStringList decodeLines(QByteArrayView bytes, Encoding encoding)
{
    if (encoding == Encoding::Utf8WithMark && startsWithMark(bytes))
        bytes = bytes.sliced(3);
    QStringList lines;
    for (const QByteArrayView line : splitRawLines(bytes))
        lines.append(encoding == Encoding::Windows1250 ? decode(line) : QString::fromUtf8(line));
    return lines;
}

QStringList readLines(const QString &path, Encoding &encoding)
{
    const QByteArray bytes = readBytes(path);
    encoding = detect(bytes);
    return decodeLines(bytes, encoding);
}

QStringList readLines(const QString &path)
{
    Encoding encoding;
    return readLines(path, encoding);
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    writeBytesAt(paths::resolve(path), bytes);
}

void writeBytesAt(const QString &path, const QByteArray &bytes)
{
    fileops::writeFileAt(path, bytes);
}

QByteArray encodeLines(const QStringList &lines, Encoding encoding)
{
    QByteArray bytes;
    if (encoding == Encoding::Utf8WithMark)
        bytes += Utf8Mark;
    for (const QString &line : lines) {
        bytes += encoding == Encoding::Windows1250 ? encode(line) : line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

void writeLines(const QString &path, const QStringList &lines, Encoding encoding)
{
    writeBytes(path, encodeLines(lines, encoding));
}

void writeText(const QString &path, const QString &text)
{
    writeBytes(path, encode(text));
}

} // namespace lumora::textfile
