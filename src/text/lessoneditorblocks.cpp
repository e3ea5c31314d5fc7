#include "text/lessonblock.h"
#include "text/lessoneditorblocks.h"

namespace lumora::lessoneditor {

bool opensBlock(QStringView line)
{
    return line.startsWith(u'<');
}

bool closesBlock(QStringView line)
{
    return line.endsWith(u'>');
}

qsizetype blockEnd(const QStringList &lines, qsizetype start)
{
    for (qsizetype i = start; i < lines.size(); ++i) {
        if (closesBlock(lines.at(i)))
            return i;
    }
    return lines.size() - 1;
}

QStringList linesOutsideBlocks(const QStringList &lines)
{
    QStringList out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (opensBlock(lines.at(i)))
            i = blockEnd(lines, i);
        else
            out.append(lines.at(i));
    }
    return out;
}

QStringList blockTexts(const QStringList &lines)
{
    QStringList out;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (!opensBlock(lines.at(i)))
            continue;
        const qsizetype end = blockEnd(lines, i);
        const bool closed = closesBlock(lines.at(end));
        for (qsizetype j = i; j <= end; ++j) {
            QStringView text(lines.at(j));
            if (j == i)
                text = text.sliced(1);
            if (j == end && closed)
                text.chop(1);
            out.append(text.toString());
        }
        i = end;
    }
    return out;
}

QStringList contentLines(const QStringList &editorLines, const std::optional<QStringList> &formattedPlainLines)
{
    if (!formattedPlainLines)
        return editorLines;
    QStringList out;
    for (const QString &line : linesOutsideBlocks(editorLines)) {
        if (!closesBlock(line))
            out.append(line);
    }
    const QStringList &text = *formattedPlainLines;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Written so that the reader ends the block at its last line, whatever the text.
        QString line = memo::blockLine(text.at(i), i == 0);
        if (i == 0)
            line.prepend(u'<');
        if (i == text.size() - 1)
            line.append(u'>');
        out.append(line);
    }
    return out;
}

} // namespace lumora::lessoneditor
