// Reads arbitrary rich text, writes it, reads that back and writes again: the second
// reading must give the same plain lines, and the second writing the same bytes.
#include "fuzzapp.h"

#include "rtf/rtfplainlines.h"
#include "rtf/rtfreader.h"
#include "rtf/rtfwriter.h"

#include <QTextDocument>

#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "rich text round trip broken: %s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startFuzzApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    if (!lumora::rtf::isRichText(bytes))
        return 0;
    QTextDocument first;
    lumora::rtf::read(bytes, first);
    const QByteArray written = lumora::rtf::write(first);

    QTextDocument second;
    lumora::rtf::read(written, second);
    check(lumora::rtf::plainLines(second) == lumora::rtf::plainLines(first), "the text changed");
    check(lumora::rtf::write(second) == written, "writing again changed the bytes");
    return 0;
}
