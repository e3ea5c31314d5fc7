#include "platform/keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

namespace lumora::keys {

namespace {

// Unsaved typing in an editable text box of the window: Escape must not throw it away.
bool holdsUnsavedTyping(const QWidget *window)
{
    for (const QTextEdit *edit : window->findChildren<QTextEdit *>()) {
        if (!edit->isReadOnly() && edit->isEnabled() && edit->document()->isModified())
            return true;
    }
    for (const QPlainTextEdit *edit : window->findChildren<QPlainTextEdit *>()) {
        if (!edit->isReadOnly() && edit->isEnabled() && edit->document()->isModified())
            return true;
    }
    return false;
}

bool isEnter(const QKeyEvent *key)
{
    const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && modifiers == Qt::NoModifier;
}

class ApplicationRules : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        auto *key = static_cast<QKeyEvent *>(event);
        auto *widget = static_cast<QWidget *>(watched);
        if (isEnter(key)) {
            // Push and tool buttons only: a check box keeps Enter for its dialog's default.
            auto *button = qobject_cast<QAbstractButton *>(widget);
            if (!button || !(qobject_cast<QPushButton *>(button) || qobject_cast<QToolButton *>(button))
                || !button->hasFocus() || !button->isEnabled())
                return false;
            if (!key->isAutoRepeat())
                button->click();
            return true;
        }
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            QWidget *window = widget->window();
            const bool modal = window->isModal() || window->windowModality() != Qt::NonModal;
            if (!modal || window != QApplication::activeModalWidget() || qobject_cast<QMainWindow *>(window)
                || qobject_cast<QMessageBox *>(window) || (window->windowFlags() & Qt::Popup) == Qt::Popup)
                return false;
            if (!holdsUnsavedTyping(window))
                window->close();
            return true;
        }
        return false;
    }
};

// "A" with or without Alt answers Yes, whichever button has the focus.
class YesByLatinA : public QObject {
public:
    YesByLatinA(QAbstractButton *yes, QObject *parent) : QObject(parent), m_yes(yes) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (key->key() != Qt::Key_A || (modifiers != Qt::NoModifier && modifiers != Qt::AltModifier))
            return false;
        m_yes->animateClick();
        return true;
    }

private:
    QAbstractButton *m_yes;
};

} // namespace

void installApplicationRules()
{
    static const char *const Installed = "lumoraKeyRules";
    if (!qApp || qApp->property(Installed).toBool())
        return;
    qApp->setProperty(Installed, true);
    qApp->installEventFilter(new ApplicationRules(qApp));
}

void addAnswerKeys(QWidget *box, QAbstractButton *yes)
{
    // The filter sits on the box and on its buttons, which see the key first.
    auto *filter = new YesByLatinA(yes, box);
    box->installEventFilter(filter);
    for (QAbstractButton *button : box->findChildren<QAbstractButton *>())
        button->installEventFilter(filter);
}

} // namespace lumora::keys
