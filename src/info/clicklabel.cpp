#include "info/clicklabel.h"

#include "platform/guard.h"
#include "platform/process.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace lumora {

namespace {

// A screen reader meets an address as a link that it can follow, named by its caption.
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel *label) : QAccessibleWidget(label, QAccessible::Link) {}

    // A row without an address is only an empty line.
    QAccessible::Role role() const override
    {
        return static_cast<const ClickLabel *>(object())->text().isEmpty() ? QAccessible::StaticText
                                                                           : QAccessible::Link;
    }
    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const ClickLabel *>(object());
        if (t == QAccessible::Name)
            return label->accessibleName().isEmpty() ? label->text() : label->accessibleName();
        if (t == QAccessible::Value)
            return label->address();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.linked = true;
        return s;
    }
    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<ClickLabel *>(object())->open();
        else if (action == setFocusAction())
            widget()->setFocus(Qt::OtherFocusReason);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }
};

QAccessibleInterface *clickLabelFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("lumora::ClickLabel") && object && object->isWidgetType())
        return new ClickLabelAccessible(static_cast<ClickLabel *>(object));
    return nullptr;
}

} // namespace

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
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(clickLabelFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
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
