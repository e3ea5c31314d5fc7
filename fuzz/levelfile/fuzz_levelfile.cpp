// Feeds arbitrary bytes to the level-file reader and to the window-template reader;
// both must either answer or raise the program's own errors.
#include "app/templatefile.h"
#include "platform/errors.h"
#include "platform/textfile.h"
#include "state/levelfile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    try {
        lumora::levelfile::parse(bytes);
    } catch (const lumora::IoError &) {}
    QStringList lines;
    lines << QString::fromLatin1(lumora::windowtemplate::Header);
    for (const QByteArrayView line : lumora::textfile::splitRawLines(bytes))
        lines << lumora::textfile::decode(line);
    try {
        const auto props = lumora::windowtemplate::fromLines(lines, QStringLiteral("fuzz"));
        // What is written back reads back the same.
        if (lumora::windowtemplate::fromLines(lumora::windowtemplate::toLines(props), QStringLiteral("fuzz")) != props)
            __builtin_trap();
    } catch (const lumora::FileFormatError &) {}
    return 0;
}
