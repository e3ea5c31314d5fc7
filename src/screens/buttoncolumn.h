#pragma once
// The button column of a level window: the lesson or course buttons down its right side,
// the notes button below them, and the scroll bar of a column longer than the window.
#include "screens/screenhost.h"

#include <QList>
#include <QString>

#include <memory>

class QPushButton;
class QWidget;

namespace lumora {

class CourseColumn;
class Session;

namespace screens {

class ButtonColumn {
public:
    ButtonColumn(Session &session, ScreenHost &host, const ScreenControls &controls);
    ~ButtonColumn();

    // The controls of the column: direct children of the client area whose name begins
    // with "Button" (the notes button among them).
    QList<QWidget *> controls() const;
    // A button of width pixels at the current layout top; the window grows (and
    // windowHeight with it) when the button reaches near its bottom.
    QPushButton *addButton(const QString &name, int width, int &windowHeight);
    // The root screen's course buttons; those within reach of a view of viewHeight
    // pixels are made at once.
    void setCourses(std::unique_ptr<CourseColumn> courses, int viewHeight);

    // Recounts the column, places the notes button below top and decides the scroll bar.
    void Lista(int top);
    // Lays the column out again where it stands (the notes button came or went).
    void relayOut();
    // Moves the column to a scroll position.
    void ScrollBar2Scroll(int position);
    // A taller window brings more course buttons into reach.
    void windowResized();

    // Private fields of each level window.
    quint8 ButtonCount = 0;
    int ButtonsHeight = 0;
    int ScrollPosition = 0;

private:
    // How far the column's lowest control reaches below the client area, unscrolled.
    int overflow(const QList<QWidget *> &column) const;
    // Scrolls so that the course row lies wholly in view.
    void bringCourseIntoView(int row);

    Session &m_session;
    ScreenHost &m_host;
    ScreenControls m_c;
    int m_scrollOffset = 0;                  // pixels the column is moved up
    std::unique_ptr<CourseColumn> m_courses; // the root screen's course buttons
};

} // namespace screens
} // namespace lumora
