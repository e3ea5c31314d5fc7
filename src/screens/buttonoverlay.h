#pragma once
// A small drawing laid over a button (the visited tick, a course's progress): a child of
// the button that follows its size, takes no focus and lets every press through.
#include <QEvent>
#include <QPushButton>
#include <QRect>
#include <QWidget>

namespace lumora::screens {

class ButtonOverlay : public QWidget {
public:
    ButtonOverlay(QPushButton *button, const char *name) : QWidget(button)
    {
        setObjectName(QLatin1String(name));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        button->installEventFilter(this);
    }

protected:
    // Where the overlay stands on a button of the given size.
    virtual QRect placeOn(QSize button) const = 0;

    // Puts the overlay in its place and above the button's other children; a derived
    // class calls it once it is constructed, then every resize of the button does.
    void place()
    {
        setGeometry(placeOn(parentWidget()->size()));
        raise();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == parent() && event->type() == QEvent::Resize)
            place();
        return false;
    }
};

} // namespace lumora::screens
