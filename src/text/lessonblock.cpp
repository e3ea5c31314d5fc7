#include "text/lessonblock.h"

#include "course/contentfileitems.h"

namespace lumora::memo {

namespace {

bool endsBlock(const QString &line)
{
    return line.startsWith(u'>') || line.endsWith(u'>');
}

// The index after the block that opens at lines[first].
qsizetype blockEnd(const QStringList &lines, qsizetype first)
{
    qsizetype i = first + 1;
    QString opening = lines.at(first);
    if (opening == u"<" && i < lines.size())
        opening += lines.at(i++);
    if (opening.endsWith(u'>'))
        return i;
    while (i < lines.size()) {
        if (endsBlock(lines.at(i++)))
            break;
    }
    return i;
}

} // namespace

QList<LineSpan> textBlockSpans(const QStringList &lines)
{
    QList<LineSpan> spans;
    qsizetype i = 0;
    while (i < lines.size()) {
        if (course::lineKind(lines.at(i)) != course::LineKind::TextBlock) {
            ++i;
            continue;
        }
        const qsizetype end = blockEnd(lines, i);
        spans.append({i, end});
        i = end;
    }
    return spans;
}

QStringList linkLines(const QStringList &fileLines)
{
    QStringList links;
    const QList<LineSpan> spans = textBlockSpans(fileLines);
    auto span = spans.cbegin();
    for (qsizetype i = 0; i < fileLines.size(); ++i) {
        if (span != spans.cend() && i == span->first) {
            i = span++->end - 1;
            continue;
        }
        if (course::lineKind(fileLines.at(i)) == course::LineKind::Link)
            links.append(course::linkText(fileLines.at(i)));
    }
    return links;
}

QStringList textBlockLines(const QStringList &paragraphs)
{
    if (paragraphs.isEmpty())
        return {};
    const QStringList &text = paragraphs;
    QStringList block{QStringLiteral("<")};
    for (qsizetype i = 0; i < text.size(); ++i)
        block.append(blockLine(text.at(i), i == 0));
    block.append(QStringLiteral(">"));
    return block;
}

QStringList replaceTextBlock(const QStringList &fileLines, const QStringList &paragraphs)
{
    const QList<LineSpan> spans = textBlockSpans(fileLines);

    QStringList rest;
    qsizetype blockAt = -1;
    qsizetype next = 0;
    for (const LineSpan &span : spans) {
        rest.append(fileLines.sliced(next, span.first - next));
        if (blockAt < 0)
            blockAt = rest.size();
        next = span.end;
    }
    rest.append(fileLines.sliced(next));
    if (blockAt < 0)
        blockAt = rest.size();

    const QStringList block = textBlockLines(paragraphs);
    QStringList result = rest.first(blockAt);
    result.append(block);
    result.append(rest.sliced(blockAt));
    return result;
}

QString blockLine(QString paragraph, bool first)
{
    if (!first && (paragraph.startsWith(u'<') || paragraph.startsWith(u'>')))
        paragraph.prepend(u'<');
    if (paragraph.endsWith(u'>'))
        paragraph.append(u' ');
    return paragraph;
}

} // namespace lumora::memo
