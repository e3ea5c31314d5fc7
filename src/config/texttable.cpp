#include "config/texttable.h"

#include "platform/paths.h"
#include "platform/textfile.h"

#include <QFileInfo>
#include <QStringDecoder>

namespace lumora::config {

namespace {

// The asterisk positions are small counters: the first "*" must lie within the first
// 255 characters of a line and the second within 255 characters after the first.
constexpr qsizetype MaxAsteriskDistance = 255;

bool isTrimmed(QChar c)
{
    return c.unicode() <= 0x20;
}

} // namespace

QString trimmed(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmed(text.at(begin)))
        ++begin;
    while (end > begin && isTrimmed(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

ScanResult scanBytes(QByteArrayView bytes, const QByteArray &key)
{
    ScanResult result;
    result.state = ScanResult::State::KeyNotFound;
    if (key.isEmpty())
        return result;
    const char *data = bytes.data();
    const qsizetype n = bytes.size();
    qsizetype start = 0;
    while (start < n) {
        const char *nl = static_cast<const char *>(memchr(data + start, '\n', size_t(n - start)));
        qsizetype end = nl ? nl - data : n;
        qsizetype stop = end;
        if (nl && stop > start && data[stop - 1] == '\r')
            --stop;
        const qsizetype length = stop - start;
        const char *line = data + start;
        start = end + 1;

        const qsizetype firstLimit = std::min(length, MaxAsteriskDistance);
        const char *first = static_cast<const char *>(memchr(line, '*', size_t(firstLimit)));
        if (!first)
            continue;
        const qsizetype keyStart = first - line + 1;
        const qsizetype secondLimit = std::min(length - keyStart, MaxAsteriskDistance);
        const char *second = static_cast<const char *>(memchr(line + keyStart, '*', size_t(secondLimit)));
        if (!second)
            continue;
        const qsizetype keyLength = second - (line + keyStart);
        if (keyLength != key.size() || memcmp(line + keyStart, key.constData(), size_t(keyLength)) != 0)
            continue;
        result.state = ScanResult::State::Found;
        result.show = line[0] != '0';
        const qsizetype valueStart = keyStart + keyLength + 1;
        result.value = QByteArray(line + valueStart, length - valueStart);
        return result;
    }
    return result;
}

ScanResult scanFile(const QString &path, const QString &key)
{
    const QString found = paths::resolve(path);
    if (!QFileInfo(found).isFile())
        return {};
    QByteArray bytes = textfile::readBytesAt(found);
    bool utf8 = false;
    const bool littleEndian = bytes.startsWith("\xFF\xFE");
    if (littleEndian || bytes.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(littleEndian ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        const QString text = utf16(QByteArrayView(bytes).sliced(2));
        bytes = text.toUtf8();
        utf8 = true;
    } else {
        const textfile::Encoding encoding = textfile::detect(bytes);
        utf8 = encoding != textfile::Encoding::Windows1250;
        // The mark is no part of the first line: its flag is the character after it.
        if (encoding == textfile::Encoding::Utf8WithMark)
            bytes.remove(0, 3);
    }
    if (!utf8 && !textfile::encodable(key))
        return {ScanResult::State::KeyNotFound, true, {}, false};
    ScanResult result = scanBytes(bytes, utf8 ? key.toUtf8() : textfile::encode(key));
    result.utf8 = utf8;
    return result;
}

QString lookup(const QString &firstFolder, const QString &programFolder, const QString &key, const QString &defaultText,
               bool &showPrompt)
{
    using State = ScanResult::State;
    QByteArray candidate;
    bool candidateUtf8 = false;
    bool candidateSet = false;
    bool anyFile = false;

    const ScanResult first = scanFile(paths::join(firstFolder, QLatin1String(FileName)), key);
    anyFile = first.state != State::FileMissing;
    if (first.state == State::Found) {
        showPrompt = first.show;
        candidate = first.value;
        candidateUtf8 = first.utf8;
    } else if (first.state == State::KeyNotFound) {
        showPrompt = true;
    }

    if (candidate.isEmpty()) {
        const bool sameFile = paths::withSeparator(firstFolder) == paths::withSeparator(programFolder);
        const ScanResult program =
            sameFile ? first : scanFile(paths::join(programFolder, QLatin1String(FileName)), key);
        anyFile = anyFile || program.state != State::FileMissing;
        if (program.state == State::Found) {
            showPrompt = program.show;
            candidate = program.value;
            candidateUtf8 = program.utf8;
            candidateSet = !candidate.isEmpty();
        } else if (program.state == State::KeyNotFound) {
            showPrompt = true;
        }
    } else {
        candidateSet = true;
    }
    // Without any text table the built-in texts are shown and questions asked: only a
    // table's own "0" flag silences a message.
    if (!anyFile)
        showPrompt = true;

    if (!candidateSet)
        return trimmed(defaultText);
    return trimmed(candidateUtf8 ? QString::fromUtf8(candidate) : textfile::decode(candidate));
}

} // namespace lumora::config
