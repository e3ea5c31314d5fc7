#include "rtf/rtflists.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QTextList>

namespace lumora::rtf {

namespace {

QString letters(int number)
{
    QString label;
    for (int n = number; n > 0; n = (n - 1) / 26)
        label.prepend(QChar(u'a' + (n - 1) % 26));
    return label;
}

QString roman(int number)
{
    if (number <= 0 || number >= 5000)
        return QString::number(number);
    static const std::pair<int, const char *> numerals[] = {
        {1000, "m"}, {900, "cm"}, {500, "d"}, {400, "cd"}, {100, "c"}, {90, "xc"}, {50, "l"},
        {40, "xl"},  {10, "x"},   {9, "ix"},  {5, "v"},    {4, "iv"},  {1, "i"}};
    QString label;
    int n = number;
    for (const auto &[value, text] : numerals) {
        for (; n >= value; n -= value)
            label += QLatin1String(text);
    }
    return label;
}

} // namespace

QTextListFormat::Style shownListStyle(const QTextListFormat &format)
{
    if (format.style() == QTextListFormat::ListStyleUndefined && format.hasProperty(ListStyleProperty))
        return QTextListFormat::Style(format.intProperty(ListStyleProperty));
    return format.style();
}

int listStart(const QTextListFormat &format)
{
    return format.hasProperty(ListStartProperty) ? format.intProperty(ListStartProperty) : 1;
}

bool isBulletStyle(QTextListFormat::Style style)
{
    return style == QTextListFormat::ListDisc || style == QTextListFormat::ListCircle
        || style == QTextListFormat::ListSquare;
}

QString listNumberText(QTextListFormat::Style style, int number)
{
    switch (style) {
    case QTextListFormat::ListDecimal: return QString::number(number);
    case QTextListFormat::ListLowerAlpha: return letters(number);
    case QTextListFormat::ListUpperAlpha: return letters(number).toUpper();
    case QTextListFormat::ListLowerRoman: return roman(number);
    case QTextListFormat::ListUpperRoman: return roman(number).toUpper();
    default: return QStringLiteral("\u2022");
    }
}

QString listItemLabel(const QTextList &list, const QTextBlock &block)
{
    return listItemLabel(list.format(), list.itemNumber(block));
}

QString listItemLabel(const QTextListFormat &format, int index)
{
    const QTextListFormat::Style style = shownListStyle(format);
    const QString number = listNumberText(style, listStart(format) + index);
    if (isBulletStyle(style))
        return number;
    const QString suffix =
        format.hasProperty(QTextFormat::ListNumberSuffix) ? format.numberSuffix() : QStringLiteral(".");
    return format.numberPrefix() + number + suffix;
}

void setListNumbering(QTextListFormat &format, QTextListFormat::Style style, int start)
{
    if (start == 1 || isBulletStyle(style)) {
        format.setStyle(style);
        format.clearProperty(ListStyleProperty);
        format.clearProperty(ListStartProperty);
        return;
    }
    format.setStyle(QTextListFormat::ListStyleUndefined);
    format.setProperty(ListStyleProperty, int(style));
    format.setProperty(ListStartProperty, start);
}

void drawListLabels(QPainter &painter, const QTextDocument &doc, const QRectF &area)
{
    QAbstractTextDocumentLayout *layout = doc.documentLayout();
    const int from = layout->hitTest(area.topLeft(), Qt::FuzzyHit);
    for (QTextBlock block = doc.findBlock(qMax(0, from)); block.isValid(); block = block.next()) {
        const QRectF box = layout->blockBoundingRect(block);
        if (box.top() > area.bottom())
            break;
        const QTextList *list = block.textList();
        const QTextLayout *lines = block.layout();
        if (!list || !block.isVisible() || !lines || lines->lineCount() == 0
            || list->format().style() != QTextListFormat::ListStyleUndefined
            || !list->format().hasProperty(ListStyleProperty) || box.bottom() < area.top())
            continue;
        // The block's box stands where its layout's origin does in the document.
        const QTextLine first = lines->lineAt(0);
        const QPointF textStart = box.topLeft() + first.naturalTextRect().topLeft();
        const QFont font = QTextCursor(block).charFormat().font();
        const QFontMetricsF metrics(font, painter.device());
        const QString label = listItemLabel(*list, block);
        const qreal width = metrics.horizontalAdvance(label);
        const qreal gap = metrics.horizontalAdvance(u' ');
        const bool rightToLeft = block.textDirection() == Qt::RightToLeft;
        const qreal x = rightToLeft ? textStart.x() + first.naturalTextWidth() + gap : textStart.x() - gap - width;
        painter.save();
        painter.setFont(font);
        const QTextCharFormat chr = QTextCursor(block).charFormat();
        if (chr.hasProperty(QTextFormat::ForegroundBrush))
            painter.setPen(chr.foreground().color());
        painter.drawText(QPointF(x, textStart.y() + first.ascent()), label);
        painter.restore();
    }
}

} // namespace lumora::rtf
