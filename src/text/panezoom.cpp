#include "text/panezoom.h"

#include "state/session.h"
#include "text/lessonpane.h"
#include "text/memozoom.h"
#include "text/zoommemory.h"

#include <QAction>
#include <QEvent>
#include <QWidget>

#include <algorithm>

namespace lumora::text {

PaneZoom::PaneZoom(Session &session, LessonPane &pane, QWidget *window)
    : QObject(window), m_session(session), m_pane(pane)
{
    const auto key = [&](const char *name, QList<QKeySequence> keys, auto handler) {
        auto *action = new QAction(window);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, handler);
        window->addAction(action);
    };
    // Ctrl+= is Ctrl+plus without Shift on keyboards that have both on one key.
    key("ZoomInKey", {QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)}, [this] { zoomBy(1); });
    key("ZoomOutKey", {QKeySequence::ZoomOut}, [this] { zoomBy(-1); });
    key("ZoomResetKey", {QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] { reset(); });
    connect(&pane, &LessonPane::zoomStepped, this, &PaneZoom::zoomBy);
    window->installEventFilter(this);
}

int PaneZoom::percent() const
{
    return m_pane.viewZoom();
}

void PaneZoom::setPercent(int percent)
{
    percent = std::clamp(percent, memo::MinZoom, memo::MaxZoom);
    m_pane.setViewZoom(percent);
    memo::keepZoom(m_session.values.ProgramDir, percent);
}

void PaneZoom::zoomBy(int steps)
{
    // From an odd zoom the first step lands on the box's grid.
    const int current = percent();
    const int grid = steps > 0 ? (current / Step + steps) * Step : ((current + Step - 1) / Step + steps) * Step;
    setPercent(grid);
}

void PaneZoom::reset()
{
    setPercent(100);
}

void PaneZoom::applyKept()
{
    m_pane.setViewZoom(memo::keptZoom(m_session.values.ProgramDir));
}

bool PaneZoom::eventFilter(QObject *watched, QEvent *event)
{
    // Another screen may have changed the kept zoom while this one was below it.
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        applyKept();
    return QObject::eventFilter(watched, event);
}

} // namespace lumora::text
