#pragma once
// The side windows of the learner's notes open in the middle of the screen.
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace lumora::personal {

// Top := (screen height - window height) div 2, Left likewise.
inline void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        window->move((area.width() - window->width()) / 2, (area.height() - window->height()) / 2);
    }
}

} // namespace lumora::personal
