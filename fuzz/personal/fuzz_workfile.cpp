// Feeds arbitrary bytes to the notes and links file reader and writes what it read
// into the study export; lines written back read back the same.
#include "personal/studyexport.h"
#include "course/workfiles.h"
#include "platform/textfile.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QStringList lines = lumora::course::splitWorkLines(bytes);
    if (lumora::course::splitWorkLines(lumora::textfile::encodeLines(lines)) != lines)
        __builtin_trap();
    lumora::personal::StudyScreen screen;
    screen.heading = lines.value(0);
    screen.note = lines;
    screen.links = lines;
    const QByteArray html = lumora::personal::studyHtml(QStringLiteral("fuzz"), {screen});
    if (html.isEmpty())
        __builtin_trap();
    return 0;
}
