#include "platform/readablelook.h"

#include <QApplication>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOption>

namespace lumora::look {

namespace {

// A dark blue: white on it is 6.7:1; against light grey 5.8:1.
const QColor Selection(0x1f, 0x5f, 0x95);

// Once the application has a palette of its own, every widget holds a copy of it with an
// identity of its own, and the style caches what it draws under that identity: each new
// button would add its looks to the pixmap cache, never to be found again once its window
// closed. While an option's colours are the application's, it is drawn with the
// application's palette itself, so that every such widget shares one set of looks. The
// option is the caller's own, made for this one drawing; it gets its palette back after.
class SharedPalette {
public:
    explicit SharedPalette(const QStyleOption *option)
    {
        const QPalette application = QApplication::palette();
        if (option->palette.cacheKey() == application.cacheKey() || option->palette != application)
            return;
        m_option = const_cast<QStyleOption *>(option);
        m_own = m_option->palette;
        m_option->palette = application;
    }
    ~SharedPalette()
    {
        if (m_option)
            m_option->palette = m_own;
    }
    SharedPalette(const SharedPalette &) = delete;
    SharedPalette &operator=(const SharedPalette &) = delete;

private:
    QStyleOption *m_option = nullptr;
    QPalette m_own;
};

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
        const SharedPalette shared(option);
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        {
            const SharedPalette shared(option);
            QProxyStyle::drawControl(element, option, painter, widget);
        }
        if (element == CE_PushButton && (option->state & State_HasFocus))
            frame(option->rect, option->palette, painter);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget) const override
    {
        {
            const SharedPalette shared(option);
            QProxyStyle::drawComplexControl(control, option, painter, widget);
        }
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
