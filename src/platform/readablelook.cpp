#include "platform/readablelook.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace lumora::look {

namespace {

// A dark blue: white on it is 6.7:1; against light grey 5.8:1.
const QColor Selection(0x1f, 0x5f, 0x95);

// Draws the focus frame over what the platform's style drew.
class FocusFrameStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameFocusRect) {
            frame(option->rect, option->palette, painter);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        QProxyStyle::drawControl(element, option, painter, widget);
        if (element == CE_PushButton && (option->state & State_HasFocus))
            frame(option->rect, option->palette, painter);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        if ((control == CC_ToolButton || control == CC_ComboBox) && (option->state & State_HasFocus))
            frame(option->rect, option->palette, painter);
    }

private:
    // Four bands of FocusFrameWidth along the inside of the rectangle's edges.
    static void frame(const QRect &rect, const QPalette &palette, QPainter *painter)
    {
        const int w = FocusFrameWidth;
        if (rect.width() <= 2 * w || rect.height() <= 2 * w)
            return;
        const QColor colour = focusColor(palette);
        painter->fillRect(QRect(rect.left(), rect.top(), rect.width(), w), colour);
        painter->fillRect(QRect(rect.left(), rect.bottom() - w + 1, rect.width(), w), colour);
        painter->fillRect(QRect(rect.left(), rect.top() + w, w, rect.height() - 2 * w), colour);
        painter->fillRect(QRect(rect.right() - w + 1, rect.top() + w, w, rect.height() - 2 * w), colour);
    }
};

} // namespace

QPalette readablePalette(const QPalette &base)
{
    QPalette palette = base;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, Selection);
        palette.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    return palette;
}

QColor focusColor(const QPalette &palette)
{
    return palette.color(QPalette::Active, QPalette::Highlight);
}

void applyReadableLook()
{
    if (!qApp || qApp->property("lumoraReadableLook").toBool())
        return;
    qApp->setProperty("lumoraReadableLook", true);
    QApplication::setStyle(new FocusFrameStyle(QApplication::style()->name()));
    QApplication::setPalette(readablePalette(QApplication::palette()));
}

} // namespace lumora::look
