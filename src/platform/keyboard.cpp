#include "platform/keyboard.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

namespace lumora::keyboard {

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

const char *const AsksBeforeClosing = "lumoraAsksBeforeClosing";

// Whether a menu bar or menu of the application has the keyboard: Escape is theirs.
bool inMenu(const QWidget *widget)
{
    if (QApplication::activePopupWidget())
        return true;
    for (const QWidget *w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<const QMenuBar *>(w) || qobject_cast<const QMenu *>(w))
            return true;
    }
    return false;
}

// A box of several lines: Tab may be a character there, Ctrl+Tab never is.
bool isTextBox(const QWidget *widget)
{
    return qobject_cast<const QTextEdit *>(widget) || qobject_cast<const QPlainTextEdit *>(widget);
}

// Moves the focus from widget to the next (or previous) control of its window that
// takes the focus by Tab.
void moveFocus(QWidget *widget, bool forward)
{
    QWidget *w = widget;
    do {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (w->window() == widget->window() && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)
            && !w->focusProxy()) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    } while (w != widget);
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
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && (modifiers & Qt::ControlModifier)
            && !(modifiers & (Qt::AltModifier | Qt::MetaModifier)) && isTextBox(widget)) {
            moveFocus(widget, key->key() == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier));
            return true;
        }
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            QWidget *window = widget->window();
            const bool modal = window->isModal() || window->windowModality() != Qt::NonModal;
            if (!modal || window != QApplication::activeModalWidget() || qobject_cast<QMainWindow *>(window)
                || qobject_cast<QMessageBox *>(window) || (window->windowFlags() & Qt::Popup) == Qt::Popup
                || inMenu(widget))
                return false;
            if (!holdsUnsavedTyping(window) || window->property(AsksBeforeClosing).toBool())
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

void asksBeforeClosing(QWidget *window)
{
    window->setProperty(AsksBeforeClosing, true);
}

void addAnswerKeys(QWidget *box, QAbstractButton *yes)
{
    // The filter sits on the box and on its buttons, which see the key first.
    auto *filter = new YesByLatinA(yes, box);
    box->installEventFilter(filter);
    for (QAbstractButton *button : box->findChildren<QAbstractButton *>())
        button->installEventFilter(filter);
}

} // namespace lumora::keyboard
