// Feeds arbitrary bytes to the rich text reader: it must end without a crash, refuse
// only what is not rich text, and leave a document whose plain lines can be taken.
#include "fuzzapp.h"

#include "rtf/rtfplainlines.h"
#include "rtf/rtfreader.h"

#include <QTextDocument>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    startFuzzApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QTextDocument doc;
    try {
        lumora::rtf::read(bytes, doc);
    } catch (const lumora::rtf::NotRichText &) {
        if (lumora::rtf::isRichText(bytes)) {
            std::fprintf(stderr, "rich text refused\n");
            std::abort();
        }
        return 0;
    }
    if (!lumora::rtf::isRichText(bytes)) {
        std::fprintf(stderr, "input that is not rich text was read\n");
        std::abort();
    }
    const QStringList lines = lumora::rtf::plainLines(doc);
    if (lines.isEmpty()) {
        std::fprintf(stderr, "a document has at least one line\n");
        std::abort();
    }
    return 0;
}
