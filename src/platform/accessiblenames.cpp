#include "platform/accessiblenames.h"

#include "platform/textlookup.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QRegularExpression>
#include <QVariant>
#include <QWidget>

namespace lumora::accessible {

namespace {

const char *const CaptionPathProperty = "lumoraCaptionPath";

// The name a screen reader hears for the control as it stands.
QString currentName(QWidget *control)
{
    if (!control->accessibleName().isEmpty())
        return control->accessibleName();
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(QAccessible::Name) : QString();
}

} // namespace

void readableText(QAbstractScrollArea *text, const QString &name)
{
    const Qt::TextInteractionFlags reading = Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
        | Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard;
    if (auto *rich = qobject_cast<QTextEdit *>(text)) {
        rich->setReadOnly(true);
        rich->setTextInteractionFlags(reading);
        rich->setTabChangesFocus(true);
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(text)) {
        plain->setReadOnly(true);
        plain->setTextInteractionFlags(reading);
        plain->setTabChangesFocus(true);
    }
    text->setEnabled(true);
    text->setFocusPolicy(Qt::StrongFocus);
    text->setAccessibleName(name);
}

void caretToStart(QAbstractScrollArea *text)
{
    if (auto *rich = qobject_cast<QTextEdit *>(text)) {
        rich->moveCursor(QTextCursor::Start);
        rich->ensureCursorVisible();
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(text)) {
        plain->moveCursor(QTextCursor::Start);
        plain->ensureCursorVisible();
    }
}

void name(QWidget *control, TextLookup &texts, const TextKey &caption)
{
    control->setAccessibleName(texts.ConfigText(caption));
}

void label(QLabel *label, QWidget *control)
{
    label->setBuddy(control);
    if (qobject_cast<QAbstractItemView *>(control)) {
        QString text = label->text();
        text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
        control->setAccessibleName(text.trimmed());
    }
}

void describe(QWidget *control, const QString &description)
{
    const bool repeats = description.trimmed().compare(currentName(control).trimmed(), Qt::CaseInsensitive) == 0;
    control->setAccessibleDescription(repeats ? QString() : description);
}

QString title(const QString &first, const QString &second)
{
    if (first.trimmed().isEmpty())
        return second;
    if (second.trimmed().isEmpty())
        return first;
    return first + QStringLiteral(" \u2014 ") + second;
}

void setCaptionPath(QWidget *levelWindow, const QString &captionPath)
{
    levelWindow->setProperty(CaptionPathProperty, captionPath);
}

QString captionPathOf(const QWidget *window)
{
    for (const QWidget *w = window; w; w = w->parentWidget()) {
        const QVariant path = w->window()->property(CaptionPathProperty);
        if (path.isValid())
            return path.toString();
        w = w->window();
    }
    return QString();
}

} // namespace lumora::accessible
