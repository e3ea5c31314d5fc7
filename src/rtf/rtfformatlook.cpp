#include "rtf/rtfformatlook.h"

#include "rtf/rtfkept.h"
#include "rtf/rtfunits.h"

#include <QTextOption>

#include <cmath>

namespace lumora::rtf {

namespace {

// Points to half points within the sizes rich text allows; nonsense sizes become 12 pt.
int halfPoints(double points)
{
    if (!std::isfinite(points) || points <= 0)
        return DefaultHalfPoints;
    return qBound(MinHalfPoints, qRound(qMin(points, MaxHalfPoints / 2.0) * 2), MaxHalfPoints);
}

double defaultPoints(const QFont &defaults)
{
    if (defaults.pointSizeF() > 0)
        return defaults.pointSizeF();
    if (defaults.pixelSize() > 0)
        return defaults.pixelSize() * 0.75;
    return DefaultHalfPoints / 2.0;
}

} // namespace

CharLook charLook(const QTextCharFormat &format, const QFont &defaults)
{
    CharLook look;
    const QStringList families = format.fontFamilies().toStringList();
    look.family = families.isEmpty() || families.first().isEmpty() ? defaults.family() : families.first();
    if (format.hasProperty(QTextFormat::FontPointSize))
        look.halfPoints = halfPoints(format.fontPointSize());
    else if (format.hasProperty(QTextFormat::FontPixelSize))
        look.halfPoints = halfPoints(format.intProperty(QTextFormat::FontPixelSize) * 0.75);
    else
        look.halfPoints = halfPoints(defaultPoints(defaults));

    look.bold = format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() >= QFont::DemiBold : defaults.bold();
    look.italic = format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : defaults.italic();
    if (format.hasProperty(QTextFormat::TextUnderlineStyle)) {
        const auto style = format.underlineStyle();
        look.underline = style != QTextCharFormat::NoUnderline && style != QTextCharFormat::SpellCheckUnderline;
    } else {
        look.underline = format.hasProperty(QTextFormat::FontUnderline) ? format.fontUnderline() : defaults.underline();
    }
    look.strike = format.hasProperty(QTextFormat::FontStrikeOut) ? format.fontStrikeOut() : defaults.strikeOut();
    if (format.hasProperty(QTextFormat::ForegroundBrush) && format.foreground().style() != Qt::NoBrush) {
        look.hasColor = true;
        look.color = format.foreground().color().rgb();
    }
    if (format.hasProperty(QTextFormat::BackgroundBrush) && format.background().style() != Qt::NoBrush) {
        look.hasBackground = true;
        look.background = format.background().color().rgb();
    }
    look.caps = format.fontCapitalization() == QFont::AllUppercase;
    switch (format.verticalAlignment()) {
    case QTextCharFormat::AlignSuperScript: look.vertical = VerticalPlace::Super; break;
    case QTextCharFormat::AlignSubScript: look.vertical = VerticalPlace::Sub; break;
    default: break;
    }
    if (format.isAnchor())
        look.href = format.anchorHref();
    return look;
}

ParaState paraLook(const QTextBlockFormat &format, qreal indentWidth)
{
    ParaState para;
    const Qt::Alignment h = format.alignment() & Qt::AlignHorizontal_Mask;
    if (h & Qt::AlignJustify)
        para.align = Align::Justify;
    else if (h & Qt::AlignHCenter)
        para.align = Align::Center;
    else if (h & Qt::AlignRight)
        para.align = Align::Right;
    para.leftTwips = pixelsToTwips(format.leftMargin() + format.indent() * indentWidth);
    para.rightTwips = pixelsToTwips(format.rightMargin());
    para.firstTwips = pixelsToTwips(format.textIndent());
    para.spaceBefore = qMax(0, pixelsToTwips(format.topMargin()));
    para.spaceAfter = qMax(0, pixelsToTwips(format.bottomMargin()));
    switch (format.lineHeightType()) {
    case QTextBlockFormat::ProportionalHeight:
        // Single spacing given as such stays given (a style may space its lines otherwise).
        if (format.lineHeight() > 0) {
            para.lineSpacing = qBound(1, qRound(format.lineHeight() * 240.0 / 100.0), MaxTwips);
            para.lineMultiple = true;
        }
        break;
    case QTextBlockFormat::MinimumHeight: para.lineSpacing = qMax(0, pixelsToTwips(format.lineHeight())); break;
    case QTextBlockFormat::FixedHeight: para.lineSpacing = -qMax(0, pixelsToTwips(format.lineHeight())); break;
    default: break;
    }

    para.style = qBound(0, format.intProperty(ParagraphStyleProperty), 0x7FFF);
    para.pageBreakBefore = (format.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) != 0;
    para.kept = format.property(ParagraphKeptProperty).toByteArray().left(MaxParagraphKept);

    const QList<QTextOption::Tab> tabs = format.tabPositions();
    for (const QTextOption::Tab &tab : tabs) {
        TabStop stop{pixelsToTwips(tab.position), TabKind::Left};
        switch (tab.type) {
        case QTextOption::LeftTab: break;
        case QTextOption::CenterTab: stop.kind = TabKind::Center; break;
        case QTextOption::RightTab: stop.kind = TabKind::Right; break;
        case QTextOption::DelimiterTab: stop.kind = TabKind::Decimal; break;
        }
        para.addTab(stop);
    }
    return para;
}

} // namespace lumora::rtf
