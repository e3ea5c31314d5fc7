// Feeds arbitrary bytes to the progress file reader: every entry it keeps stays inside
// the course, and what is written back reads back the same.
#include "course/progressfile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const lumora::progress::Visited visited = lumora::progress::parse(bytes);
    for (const QString &entry : visited.entries()) {
        if (lumora::progress::entryName(entry) != entry)
            __builtin_trap();
    }
    if (lumora::progress::parse(lumora::progress::serialize(visited)).entries() != visited.entries())
        __builtin_trap();
    return 0;
}
