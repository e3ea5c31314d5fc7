#include "info/clicklabel.h"

#include "platform/guard.h"
#include "platform/process.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace lumora {

ClickLabel::ClickLabel(const QString &prefix, QWidget *parent) : QLabel(parent), m_prefix(prefix)
{
    QFont f = font();
    f.setBold(true);
    setFont(f);
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    setPalette(blue);
    setCursor(Qt::PointingHandCursor);
    // Plain text: a configured caption is shown as written, never read as markup.
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::StrongFocus);
}

void ClickLabel::open() const
{
    const QString target = address();
    guarded([&] { process::shellOpen(target); });
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        open();
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    if (!event->isAutoRepeat()
        && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)) {
        open();
        return;
    }
    QLabel::keyPressEvent(event);
}

// The focused address is underlined, so a keyboard user sees where Enter goes.
void ClickLabel::focusInEvent(QFocusEvent *event)
{
    underline(true);
    QLabel::focusInEvent(event);
}

void ClickLabel::focusOutEvent(QFocusEvent *event)
{
    underline(false);
    QLabel::focusOutEvent(event);
}

void ClickLabel::underline(bool on)
{
    QFont f = font();
    f.setUnderline(on);
    setFont(f);
}

} // namespace lumora
