#include "app/formtemplate.h"

#include "app/tform1.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>

namespace lumora {

using windowtemplate::Property;

namespace {

const QString WindowObject = QStringLiteral("TForm1");

QString rectText(const QRect &r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

bool parseRect(const QString &text, QRect &rect)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return false;
    int v[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        v[i] = parts.at(i).toInt(&ok);
        if (!ok)
            return false;
    }
    rect = QRect(v[0], v[1], std::max(v[2], 0), std::max(v[3], 0));
    return true;
}

QString fontText(const QFont &font)
{
    return QStringLiteral("%1|%2|%3").arg(font.family()).arg(font.pointSizeF()).arg(font.bold() ? 1 : 0);
}

void applyFont(QWidget *widget, const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('|'));
    if (parts.size() != 3)
        return;
    QFont font = widget->font();
    if (!parts.at(0).isEmpty())
        font.setFamily(parts.at(0));
    bool ok = false;
    const double size = parts.at(1).toDouble(&ok);
    if (ok && size > 0 && size < 1000)
        font.setPointSizeF(size);
    font.setBold(parts.at(2) == QLatin1String("1"));
    widget->setFont(font);
}

bool recorded(const QObject *object)
{
    const QString name = object->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

QString widgetText(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text();
    if (auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    return QString();
}

void setWidgetText(QWidget *widget, const QString &text)
{
    if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(text);
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setText(text);
}

bool hasText(const QWidget *widget)
{
    return qobject_cast<const QLabel *>(widget) || qobject_cast<const QAbstractButton *>(widget)
        || qobject_cast<const QLineEdit *>(widget);
}

void applyWidget(QWidget *widget, const QString &name, const QString &value)
{
    if (name == QLatin1String("geometry")) {
        QRect r;
        if (parseRect(value, r))
            widget->setGeometry(r);
    } else if (name == QLatin1String("visible")) {
        widget->setVisible(value == QLatin1String("1"));
    } else if (name == QLatin1String("enabled")) {
        widget->setEnabled(value == QLatin1String("1"));
    } else if (name == QLatin1String("text")) {
        setWidgetText(widget, value);
    } else if (name == QLatin1String("font")) {
        applyFont(widget, value);
    } else if (name == QLatin1String("color")) {
        const QColor color = QColor::fromString(value);
        if (color.isValid()) {
            QPalette palette = widget->palette();
            palette.setColor(QPalette::WindowText, color);
            widget->setPalette(palette);
        }
    } else if (name == QLatin1String("hint")) {
        widget->setToolTip(value);
    } else if (name == QLatin1String("value")) {
        if (auto *spin = qobject_cast<QSpinBox *>(widget))
            spin->setValue(value.toInt());
    }
}

void applyAction(QAction *action, const QString &name, const QString &value)
{
    if (name == QLatin1String("text"))
        action->setText(value);
    else if (name == QLatin1String("visible"))
        action->setVisible(value == QLatin1String("1"));
    else if (name == QLatin1String("enabled"))
        action->setEnabled(value == QLatin1String("1"));
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QList<Property> captureWindow(const TForm1 &window)
{
    QList<Property> out;
    out.append({WindowObject, QStringLiteral("caption"), window.windowTitle()});
    out.append({WindowObject, QStringLiteral("geometry"), rectText(QRect(window.pos(), window.size()))});
    out.append({WindowObject, QStringLiteral("font"), fontText(window.font())});

    for (const QWidget *widget : window.centralWidget()->findChildren<QWidget *>()) {
        if (!recorded(widget))
            continue;
        const QString name = widget->objectName();
        out.append({name, QStringLiteral("geometry"), rectText(widget->geometry())});
        out.append({name, QStringLiteral("visible"), flag(!widget->isHidden())});
        out.append({name, QStringLiteral("enabled"), flag(widget->isEnabled())});
        if (hasText(widget))
            out.append({name, QStringLiteral("text"), widgetText(widget)});
        if (widget->font().resolveMask() != 0)
            out.append({name, QStringLiteral("font"), fontText(widget->font())});
        if (qobject_cast<const QLabel *>(widget))
            out.append({name, QStringLiteral("color"), widget->palette().color(QPalette::WindowText).name()});
        if (!widget->toolTip().isEmpty())
            out.append({name, QStringLiteral("hint"), widget->toolTip()});
        if (auto *spin = qobject_cast<const QSpinBox *>(widget))
            out.append({name, QStringLiteral("value"), QString::number(spin->value())});
    }
    for (const QAction *action : window.findChildren<QAction *>()) {
        if (!recorded(action) || action->menu())
            continue;
        const QString name = action->objectName();
        out.append({name, QStringLiteral("text"), action->text()});
        out.append({name, QStringLiteral("visible"), flag(action->isVisible())});
        // A hidden action reports itself disabled whatever it was set to; its own
        // setting is kept out of the template rather than recorded wrongly.
        if (action->isVisible())
            out.append({name, QStringLiteral("enabled"), flag(action->isEnabled())});
    }
    // Submenus are recorded through the entries that open them.
    for (const QMenu *menu : window.findChildren<QMenu *>()) {
        if (!recorded(menu))
            continue;
        const QAction *action = menu->menuAction();
        out.append({menu->objectName(), QStringLiteral("text"), action->text()});
        out.append({menu->objectName(), QStringLiteral("visible"), flag(action->isVisible())});
        if (action->isVisible())
            out.append({menu->objectName(), QStringLiteral("enabled"), flag(action->isEnabled())});
    }
    return out;
}

void applyTemplate(TForm1 &window, const QList<Property> &properties)
{
    for (const Property &p : properties) {
        if (p.object == WindowObject) {
            QRect r;
            if (p.name == QLatin1String("caption"))
                window.setWindowTitle(p.value);
            else if (p.name == QLatin1String("geometry") && parseRect(p.value, r))
                window.placeWindow(r.x(), r.y(), r.width(), r.height());
            else if (p.name == QLatin1String("font"))
                applyFont(&window, p.value);
            continue;
        }
        if (auto *menu = window.findChild<QMenu *>(p.object)) {
            if (p.name == QLatin1String("text"))
                menu->setTitle(p.value);
            else
                applyAction(menu->menuAction(), p.name, p.value);
            continue;
        }
        if (auto *widget = window.centralWidget()->findChild<QWidget *>(p.object)) {
            applyWidget(widget, p.name, p.value);
            continue;
        }
        if (auto *action = window.findChild<QAction *>(p.object))
            applyAction(action, p.name, p.value);
    }
}

} // namespace lumora
