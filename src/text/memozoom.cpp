#include "text/memozoom.h"

#include "config/numbers.h"

#include <QList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace lumora {

namespace memo {

int zoomPercent(const QString &fieldText)
{
    return std::clamp(config::toInteger(fieldText.trimmed()), MinZoom, MaxZoom);
}

double roundHalfEven(double x)
{
    const double down = std::floor(x);
    const double rest = x - down;
    if (rest < 0.5)
        return down;
    if (rest > 0.5)
        return down + 1;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

} // namespace memo

namespace {

// A run of characters (or a paragraph mark) and the size it gets.
struct Resize {
    int position;
    int length; // 0 for a paragraph mark
    double points;
};

double effectiveSize(const QTextCharFormat &format, const QTextDocument &pane)
{
    if (format.hasProperty(QTextFormat::FontPointSize))
        return format.fontPointSize();
    return pane.defaultFont().pointSizeF();
}

double scaled(double points, int percent)
{
    return std::max(1.0, memo::roundHalfEven(points * percent / 100.0));
}

// Every size to change, gathered first: changing formats merges and splits fragments.
QList<Resize> plannedSizes(const QTextDocument &pane, int percent)
{
    QList<Resize> plan;
    for (QTextBlock block = pane.begin(); block.isValid(); block = block.next()) {
        const double mark = effectiveSize(block.charFormat(), pane);
        if (mark > 0)
            plan.append({block.position(), 0, scaled(mark, percent)});
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const double size = effectiveSize(fragment.charFormat(), pane);
            if (size > 0)
                plan.append({fragment.position(), fragment.length(), scaled(size, percent)});
        }
    }
    return plan;
}

} // namespace

void ZoomMemo(QTextDocument &pane, int percent)
{
    percent = std::clamp(percent, memo::MinZoom, memo::MaxZoom);
    if (percent == 100)
        return;
    const QList<Resize> plan = plannedSizes(pane, percent);
    QTextCursor cursor(&pane);
    cursor.beginEditBlock();
    for (const Resize &r : plan) {
        QTextCharFormat size;
        size.setFontPointSize(r.points);
        cursor.setPosition(r.position);
        if (r.length == 0) {
            QTextCharFormat mark = cursor.blockCharFormat();
            mark.merge(size);
            cursor.setBlockCharFormat(mark);
            continue;
        }
        cursor.setPosition(r.position + r.length, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(size);
    }
    cursor.endEditBlock();
}

} // namespace lumora
