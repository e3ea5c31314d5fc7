#include "state/levelfile.h"

#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/textfile.h"

#include <QFile>

#include <limits>

namespace lumora::levelfile {

namespace {
constexpr int InvalidNumericFormat = 106;

bool isBlank(char c)
{
    return uchar(c) <= 0x20;
}
} // namespace

void write(const QString &path, int level)
{
    // A few digits rewritten on every screen build: written in place over the old ones
    // and the file cut to their length, since a torn write is impossible at this size.
    // Neither syncing nor emptying the file first: a file emptied and rewritten is
    // flushed to disk when closed, which would slow every screen change.
    // Opening creates a missing file: never through a link out of the work folder.
    const QString found = paths::resolve(path);
    QFile file(found);
    if (paths::isSpecial(found) || !paths::staysInItsFolder(found) || !file.open(QIODevice::ReadWrite))
        throw FileCreateError(path);
    const QByteArray digits = QByteArray::number(level);
    if (file.write(digits) != digits.size() || !file.flush() || !file.resize(digits.size()))
        throw IoError(101);
}

int parse(QByteArrayView bytes)
{
    qsizetype i = 0;
    const qsizetype n = bytes.size();
    while (i < n && isBlank(bytes[i]))
        ++i;
    if (i == n)
        return 0;
    bool negative = false;
    if (bytes[i] == '+' || bytes[i] == '-') {
        negative = bytes[i] == '-';
        ++i;
    }
    qint64 value = 0;
    const qsizetype digitsStart = i;
    while (i < n && bytes[i] >= '0' && bytes[i] <= '9') {
        value = value * 10 + (bytes[i] - '0');
        if (value > std::numeric_limits<int>::max())
            throw IoError(InvalidNumericFormat);
        ++i;
    }
    if (i == digitsStart || (i < n && !isBlank(bytes[i])))
        throw IoError(InvalidNumericFormat);
    return int(negative ? -value : value);
}

int read(const QString &path)
{
    return parse(textfile::readBytes(path));
}

} // namespace lumora::levelfile
