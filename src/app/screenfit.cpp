#include "app/screenfit.h"

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace lumora::screenfit {

namespace {

QRect availableFor(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

// Windows that are no top-level windows of their own for the user.
bool fitsItself(const QWidget *widget)
{
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Popup || type == Qt::ToolTip || type == Qt::SplashScreen || type == Qt::Desktop
        || widget->inherits("QMenu") || widget->inherits("QComboBoxPrivateContainer");
}

// A window whose controls stand at fixed places (no layout) and that is larger than
// the area keeps them at their places inside a scroll area, so none is cut off (the
// lesson editor's buttons at 200 % scale).
void scrollPlacedControls(QWidget *window, const QSize &room)
{
    const QSize needed = window->size();
    if (window->layout() || (needed.width() <= room.width() && needed.height() <= room.height()))
        return;
    auto *content = new QWidget;
    content->setObjectName(QStringLiteral("ScreenFitContent"));
    content->setFixedSize(needed);
    const QObjectList children = window->children();
    for (QObject *child : children) {
        auto *control = qobject_cast<QWidget *>(child);
        if (!control || control->isWindow())
            continue;
        const QRect place = control->geometry();
        const bool hidden = control->isHidden();
        control->setParent(content);
        control->setGeometry(place);
        control->setVisible(!hidden);
    }
    auto *scroll = new QScrollArea(window);
    scroll->setObjectName(QStringLiteral("ScreenFitScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(content);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    scroll->show();
}

// A main window whose content cannot shrink to the area gets its content in a scroll area.
void scrollIfTooLarge(QWidget *window, const QSize &room)
{
    auto *main = qobject_cast<QMainWindow *>(window);
    if (!main) {
        scrollPlacedControls(window, room);
        return;
    }
    if (!main->centralWidget() || qobject_cast<QScrollArea *>(main->centralWidget()))
        return;
    QWidget *content = main->centralWidget();
    const QSize needed = content->minimumSizeHint().expandedTo(content->minimumSize());
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return;
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("ScreenFitScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    main->takeCentralWidget();
    scroll->setWidget(content);
    main->setCentralWidget(scroll);
}

// A window that has not been placed (a dialog, a question box, a side window) stands
// centred on the window it belongs to, as Qt would place it after this filter ran; the
// placing here comes first, since the fitting below marks the window as placed.
void centreOnParent(QWidget *window)
{
    const QWidget *parent = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    if (window->testAttribute(Qt::WA_Moved) || !parent || !parent->isVisible())
        return;
    const QMargins frame = frameOf(window);
    const QRect outer = centredOn(window->size().grownBy(frame), parent->frameGeometry());
    window->setGeometry(QRect(outer.topLeft() + QPoint(frame.left(), frame.top()), window->size()));
}

class Fitter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto *widget = static_cast<QWidget *>(watched);
            if (widget->isWindow() && !fitsItself(widget)) {
                centreOnParent(widget);
                fit(widget);
                // Once shown, the frame is known: fitted again with it.
                QTimer::singleShot(0, widget, [widget] { fit(widget); });
            }
        }
        return false;
    }
};

} // namespace

QRect fitted(const QRect &inner, const QMargins &frame, const QRect &available)
{
    if (available.isEmpty())
        return inner;
    const int width = std::min(inner.width(), available.width() - frame.left() - frame.right());
    const int height = std::min(inner.height(), available.height() - frame.top() - frame.bottom());
    const int left =
        std::clamp(inner.x(), available.left() + frame.left(),
                   std::max(available.left() + frame.left(), available.right() + 1 - frame.right() - width));
    const int top =
        std::clamp(inner.y(), available.top() + frame.top(),
                   std::max(available.top() + frame.top(), available.bottom() + 1 - frame.bottom() - height));
    return QRect(left, top, std::max(width, 1), std::max(height, 1));
}

QRect centredOn(const QSize &outer, const QRect &parentOuter)
{
    return QRect(parentOuter.center() - QPoint(outer.width() / 2, outer.height() / 2), outer);
}

QMargins frameOf(const QWidget *window)
{
    if (const QWindow *handle = window->windowHandle()) {
        const QMargins margins = handle->frameMargins();
        if (!margins.isNull())
            return margins;
    }
    if (window->windowFlags() & Qt::FramelessWindowHint)
        return QMargins();
    const QStyle *style = window->style();
    const int border = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, window);
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return QMargins(border, title + border, border, border);
}

void fit(QWidget *window)
{
    const QRect available = availableFor(window);
    if (available.isEmpty())
        return;
    const QMargins frame = frameOf(window);
    const QRect now = window->geometry();
    const QRect target = fitted(now, frame, available);
    if (target == now)
        return;
    if (target.size() != now.size()) {
        scrollIfTooLarge(window, target.size());
        // Fixed sizes (the level windows) and minimum sizes give way to the screen.
        window->setMinimumSize(std::min(window->minimumWidth(), target.width()),
                               std::min(window->minimumHeight(), target.height()));
        window->setMaximumSize(std::min(window->maximumWidth(), target.width()),
                               std::min(window->maximumHeight(), target.height()));
        if (QLayout *layout = window->layout())
            layout->setSizeConstraint(QLayout::SetNoConstraint);
    }
    window->setGeometry(target);
}

void install(QApplication &app)
{
    app.installEventFilter(new Fitter(&app));
}

} // namespace lumora::screenfit
