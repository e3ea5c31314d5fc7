// Feeds arbitrary bytes to the content-file reader and to everything that interprets
// its stored lines, and checks the properties the screen relies on.
#include "platform/textfile.h"
#include "course/contentfile.h"
#include "course/contentfileitems.h"
#include "course/contentfilenames.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

using namespace lumora;
using namespace lumora::course;

namespace {

void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "content file property broken: %s\n", what);
        std::abort();
    }
}

void checkButtons(const QStringList &stored, const ScreenItems &items)
{
    int previousTag = 0;
    for (qsizetype i = 0; i < items.buttons.size(); ++i) {
        const ScreenButton &b = items.buttons.at(i);
        check(b.number == i + 1, "buttons are numbered from 1 without gaps");
        check(b.tag > previousTag && b.tag <= stored.size(), "tags rise within the stored lines");
        previousTag = b.tag;
        check(stored.at(b.tag - 1).startsWith(u'['), "a button comes from a button line");
        check(b.visible == !b.caption.isEmpty(), "only a button with a caption is visible");
        check(b.target.isEmpty() || (b.target.front().unicode() > 0x20 && b.target.back().unicode() > 0x20),
              "a target has no surrounding blanks");

        const TargetParts parts = splitTarget(b.target);
        check(parts.fileName + parts.parameters == b.target, "file name and parameters make the target");
        check(kindCode(b.target).size() <= 3, "a kind code has at most three characters");

        const int limit = b.caption.size() % 24;
        const ShownCaption shown = shortenCaption(b.caption, limit);
        check(shown.tooltip == (shown.text != b.caption), "a tooltip exactly when the caption was cut");
        check(shown.text.size() <= qMax<qsizetype>(b.caption.size(), limit + 1), "a cut caption is short");

        check(formattedTextName(b.target).endsWith(u"rtf"), "a formatted text name ends with rtf");
        for (const QString &name : {notesFileName(b.target, b.caption, QStringLiteral("Obsah.txt")),
                                    ownLinksFileName(2, b.target, b.caption, b.target)})
            check(!name.contains(u'/') && !name.contains(u'\\'), "a work file stays in the work folder");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringList raw;
    qsizetype longest = 0;
    for (const QByteArrayView line : textfile::splitRawLines(bytes)) {
        raw.append(textfile::decode(line));
        longest = qMax(longest, line.size());
    }

    const ContentFile file = parseContentFile(bytes);
    const QStringList &stored = file.storedLines;
    check(stored.size() <= MaxLines, "at most MaxLines stored lines");
    check(file.droppedButtons <= file.droppedLines, "dropped buttons are dropped lines");
    check(file.droppedLines == 0 || stored.size() == MaxLines, "lines are dropped only when full");
    check(file.hasItems == !stored.isEmpty(), "items flag matches the stored lines");
    check(file.backgroundName.isEmpty() || raw.contains(file.backgroundName),
          "the background name is a line of the file");
    check(file.backgroundName.isEmpty() || file.backgroundName.contains(u".bmp", Qt::CaseInsensitive),
          "the background name names a picture");
    for (const QString &line : stored)
        check(line.size() <= longest + 2, "a stored line grows by at most its two marks");
    if (!stored.isEmpty())
        check(stored.first().startsWith(u'[') || stored.first().startsWith(u"//") || stored.first().startsWith(u'<'),
              "the first stored line is an item line");

    const ScreenItems items = walkStoredLines(stored);
    check(items.buttons.size() + items.links.size() + items.paragraphs.size() <= stored.size(),
          "every stored line shows once at most");
    checkButtons(stored, items);

    auto state = std::make_unique<CourseState>();
    state->ScreenLines[3][MaxLines] = QStringLiteral("left over");
    check(storeScreenLines(*state, 3, file), "level 3 is stored");
    for (int i = 1; i <= MaxLines; ++i)
        check(state->ScreenLines[3][size_t(i)] == (i <= stored.size() ? stored.at(i - 1) : QString()),
              "the row holds the stored lines and nothing else");
    check(state->BackgroundName == file.backgroundName, "the background name is stored");
    return 0;
}
