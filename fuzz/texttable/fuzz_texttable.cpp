// Feeds arbitrary bytes to the text-table scanner as CONFIG.TXT contents, looking up
// a key taken from the input's first line and a few fixed ones.
#include "config/texttable.h"

#include <QByteArray>

#include <algorithm>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype nl = bytes.indexOf('\n');
    const QByteArrayView firstLine = nl < 0 ? bytes : bytes.first(nl);
    const QByteArray key = firstLine.first(std::min<qsizetype>(firstLine.size(), 300)).toByteArray();
    for (const QByteArray &k : {key, QByteArray("END"), QByteArray("WIDTH"), QByteArray("A")}) {
        const auto result = lumora::config::scanBytes(bytes, k);
        if (result.state == lumora::config::ScanResult::State::Found && result.value.size() > qsizetype(size))
            __builtin_trap();
    }
    lumora::config::trimmed(QString::fromLatin1(bytes.first(std::min<qsizetype>(bytes.size(), 1000))));
    return 0;
}
