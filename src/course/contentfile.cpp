#include "course/contentfile.h"

#include "config/keys.h"
#include "platform/errors.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "course/contentfileitems.h"
#include "course/contentfiletext.h"

#include <QFileInfo>

namespace lumora::course {

namespace {

// One pass over the lines of a file; see the header for the rules.
class Reader {
public:
    Reader(const QStringList &lines, int maxLines) : m_lines(lines), m_maxLines(maxLines) {}

    ContentFile run()
    {
        while (!atEnd()) {
            const QString line = nextLine();
            const LineKind kind = lineKind(line);
            if (kind != LineKind::Free)
                m_result.hasItems = true;
            if (containsIgnoringCase(line, u".BMP"))
                m_result.backgroundName = line;
            switch (kind) {
            case LineKind::Button: store(line, true); break;
            case LineKind::Link: store(line, false); break;
            case LineKind::TextBlock: readBlock(line); break;
            case LineKind::Free: break;
            }
        }
        return std::move(m_result);
    }

private:
    bool atEnd() const { return m_next >= m_lines.size(); }

    // The next line of the file; past the end, an empty line, as line input gives.
    QString nextLine() { return atEnd() ? QString() : m_lines.at(m_next++); }

    void store(const QString &line, bool isButton)
    {
        ++m_storedCount;
        if (m_storedCount <= m_maxLines) {
            m_result.storedLines.append(line);
            return;
        }
        ++m_result.droppedLines;
        if (isButton)
            ++m_result.droppedButtons;
    }

    // A block's lines are kept apart from the table, however many there are; a ">"
    // alone closes the block on the line before it.
    void readBlock(QString opening)
    {
        const qsizetype first = m_result.blockLines.size();
        if (opening == u"<")
            opening = u'<' + nextLine();
        m_result.blockLines.append(opening);
        if (!opening.endsWith(u'>')) {
            while (!atEnd()) {
                const QString line = nextLine();
                if (line == u">") {
                    m_result.blockLines.last().append(u'>');
                    break;
                }
                m_result.blockLines.append(line);
                if (line.startsWith(u'>') || line.endsWith(u'>'))
                    break;
            }
        }
        addParagraphs(m_result.blockLines.sliced(first));
    }

    // The block's lines as the pane shows them: a leading "<" dropped from every line,
    // the closing ">" from the last one. A block cut off by the end of the file keeps
    // its last character.
    void addParagraphs(const QStringList &block)
    {
        for (const QString &line : block)
            m_result.paragraphs.append(line.startsWith(u'<') ? line.mid(1) : line);
        QString &last = m_result.paragraphs.last();
        if (last.endsWith(u'>'))
            last.chop(1);
    }

    const QStringList &m_lines;
    const int m_maxLines;
    qsizetype m_next = 0;
    int m_storedCount = 0; // every stored line so far, kept or left out
    ContentFile m_result;
};

} // namespace

ContentFile parseContentLines(const QStringList &lines, int maxLines)
{
    return Reader(lines, maxLines).run();
}

ContentFile parseContentFile(QByteArrayView bytes, int maxLines)
{
    return parseContentLines(textfile::decodeLines(bytes, textfile::detect(bytes)), maxLines);
}

// The refusal's text names the limit.
static_assert(MaxContentFileBytes == 16 * 1024 * 1024);

bool tooLargeForContent(const QString &path)
{
    const QString found = paths::existingFile(path);
    return !found.isEmpty() && QFileInfo(found).size() > MaxContentFileBytes;
}

ContentFile readContentFile(const QString &path)
{
    if (tooLargeForContent(path))
        throw FileFormatError(keys::ContentTooLarge.defaultValue() + QLatin1Char(' ') + path);
    return parseContentFile(textfile::readBytes(path));
}

bool storeScreenLines(CourseState &state, int level, const ContentFile &file)
{
    if (!CourseState::validLevel(level))
        return false;
    auto &row = state.ScreenLines[size_t(level)];
    for (QString &slot : row)
        slot.clear();
    const qsizetype count = qMin<qsizetype>(file.storedLines.size(), MaxLines);
    for (qsizetype i = 0; i < count; ++i)
        row[size_t(i + 1)] = file.storedLines.at(i);
    state.BackgroundName = file.backgroundName;
    return true;
}

} // namespace lumora::course
