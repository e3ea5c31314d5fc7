#include "course/contentfileitems.h"

#include "course/contentfiletext.h"

namespace lumora::course {

LineKind lineKind(QStringView line)
{
    if (line.startsWith(u'['))
        return LineKind::Button;
    if (line.startsWith(u"//"))
        return LineKind::Link;
    if (line.startsWith(u'<'))
        return LineKind::TextBlock;
    return LineKind::Free;
}

QString kindCode(QStringView name)
{
    const qsizetype dot = name.indexOf(u'.');
    const QStringView rest = dot < 0 ? name : name.sliced(dot + 1);
    return asciiUpper(rest.left(3));
}

ItemKind itemKind(QStringView name)
{
    const QString code = kindCode(name);
    if (code == u"TXT")
        return ItemKind::Screen;
    if (code == u"SCM")
        return ItemKind::Demonstration;
    if (code == u"BMP")
        return ItemKind::Picture;
    return ItemKind::Shell;
}

ButtonLine splitButtonLine(QStringView line)
{
    const qsizetype close = line.lastIndexOf(u']');
    if (close < 1)
        return {};
    return {line.sliced(1, close - 1).toString(), trimBlanks(line.sliced(close + 1))};
}

TargetParts splitTarget(QStringView target)
{
    const ItemKind kind = itemKind(target);
    const qsizetype blank = target.indexOf(u' ');
    if (kind == ItemKind::Screen || kind == ItemKind::Picture || blank < 0)
        return {target.toString(), QString()};
    return {target.first(blank).toString(), target.sliced(blank).toString()};
}

QString linkText(QStringView line)
{
    return line.startsWith(u"//") ? line.sliced(2).toString() : QString();
}

ScreenItems walkStoredLines(const QStringList &storedLines)
{
    ScreenItems items;
    qsizetype i = 0;
    while (i < storedLines.size()) {
        const QString &line = storedLines.at(i);
        switch (lineKind(line)) {
        case LineKind::Link:
            items.links.append(linkText(line));
            ++i;
            break;
        case LineKind::Button: {
            ButtonLine parts = splitButtonLine(line);
            const bool visible = parts.visible();
            items.buttons.append({int(items.buttons.size()) + 1, int(i) + 1, std::move(parts.caption),
                                  std::move(parts.target), visible});
            ++i;
            break;
        }
        case LineKind::TextBlock: // kept apart by the reader, never a stored line
        case LineKind::Free: ++i; break;
        }
    }
    return items;
}

ShownCaption shortenCaption(const QString &caption, int limit)
{
    const qsizetype n = qMax(limit, 0);
    if (caption.size() > n && caption.size() != n + 1)
        return {caption.first(n) + u'.', true};
    return {caption, false};
}

} // namespace lumora::course
