#include "screens/buttoncolumn.h"
#include "screens/coursecolumn.h"
#include "screens/layout.h"
#include "screens/screenlook.h"
#include "state/session.h"

#include <QPushButton>
#include <QScrollBar>

#include <algorithm>

namespace lumora::screens {

ButtonColumn::ButtonColumn(Session &session, ScreenHost &host, const ScreenControls &controls)
    : m_session(session), m_host(host), m_c(controls)
{}

ButtonColumn::~ButtonColumn() = default;

QList<QWidget *> ButtonColumn::controls() const
{
    QList<QWidget *> controls;
    for (QWidget *w : m_c.client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (w->objectName().startsWith(QLatin1String("Button")))
            controls << w;
    }
    return controls;
}

QPushButton *ButtonColumn::addButton(const QString &name, int width, int &windowHeight)
{
    Session &s = m_session;
    const int unit = scaleUnit(s);
    auto *button = new QPushButton(m_c.client);
    button->setObjectName(name);
    const int top = screens::buttonTop(s.course.LayoutTop, unit);
    const int h = screens::buttonHeight(unit);
    button->setGeometry(screens::buttonLeft(s.values.WindowWidth, width, unit), top, width, h);
    if (screens::windowMustGrow(top, h, windowHeight, unit)) {
        windowHeight += screens::growth(unit);
        QWidget *window = m_c.window;
        m_host.placeWindow(window->x(), window->y(), window->width(), windowHeight);
    }
    // While the screen is built its client is hidden: the button shows with it.
    if (!m_c.client->isHidden())
        button->show();
    return button;
}

void ButtonColumn::setCourses(std::unique_ptr<CourseColumn> courses, int viewHeight)
{
    m_courses = std::move(courses);
    m_courses->setBringIntoView([this](int row) { bringCourseIntoView(row); });
    m_courses->reach(m_scrollOffset, viewHeight);
}

void ButtonColumn::Lista(int top)
{
    Session &s = m_session;
    const int unit = scaleUnit(s);
    int count = 0;
    for (QWidget *w : controls()) {
        if (!w->isHidden())
            ++count;
    }
    // Course buttons out of reach are counted as if they were there.
    if (m_courses)
        count += m_courses->count() - m_courses->made();
    ButtonCount = quint8(std::min(count, 255));

    const int w = screens::lessonButtonWidth(unit);
    m_c.notesButton->setGeometry(screens::buttonLeft(s.values.WindowWidth, w, unit), screens::buttonTop(top, unit), w,
                                 screens::buttonHeight(unit));
    setFontSize(m_c.notesButton, buttonFontSize(s));
    ButtonsHeight = screens::buttonsHeight(count, unit);

    QScrollBar *bar = m_c.scrollBar;
    const auto plan = screens::scrollBarPlan(count, unit, m_c.window->width(), m_c.window->height(), bar->width());
    if (!plan.visible) {
        bar->hide();
        return;
    }
    bar->setGeometry(plan.left, plan.top, bar->width(), plan.height);
    bar->setMaximum(plan.maximum);
    bar->show();
    bar->raise();
}

void ButtonColumn::relayOut()
{
    Lista(m_c.notesButton->y() - screens::buttonTop(0, scaleUnit(m_session)));
}

int ButtonColumn::overflow(const QList<QWidget *> &column) const
{
    int lowest = 0;
    for (const QWidget *control : column) {
        if (!control->isHidden())
            lowest = std::max(lowest, control->y() + control->height());
    }
    lowest += m_scrollOffset; // unscrolled
    if (m_courses)
        lowest = std::max(lowest, m_courses->bottom());
    return std::max(0, lowest - m_c.client->height());
}

void ButtonColumn::ScrollBar2Scroll(int position)
{
    // Each screen scrolls by its own column: the step follows from how far its lowest
    // control reaches below the window, whatever the number of buttons.
    const QList<QWidget *> column = controls();
    const int offset = screens::scrollOffset(position, m_c.scrollBar->maximum(), overflow(column));
    const int delta = m_scrollOffset - offset;
    for (QWidget *control : column)
        control->move(control->x(), control->y() + delta);
    m_scrollOffset = offset;
    ScrollPosition = position;
    if (m_courses)
        m_courses->reach(offset, m_c.client->height());
}

void ButtonColumn::bringCourseIntoView(int row)
{
    const int view = m_c.client->height();
    const int top = m_courses->top(row);
    const int bottom = top + m_courses->rowHeight();
    if (top >= m_scrollOffset && bottom <= m_scrollOffset + view)
        return;
    QScrollBar *bar = m_c.scrollBar;
    const int maximum = bar->maximum();
    const int reach = overflow(controls());
    if (bar->isHidden() || maximum <= 0 || reach <= 0)
        return;
    // The scroll bar's positions map onto offsets in steps: the nearest position whose
    // offset shows the row's top (scrolling up) or its bottom (scrolling down).
    const auto offsetAt = [maximum, reach](int position) { return screens::scrollOffset(position, maximum, reach); };
    int position = 0;
    if (top < m_scrollOffset) {
        position = int(std::min<qint64>(qint64(top) * maximum / reach, maximum));
        while (position > 0 && offsetAt(position) > top)
            --position;
    } else {
        const int wanted = bottom - view;
        position = int(std::clamp<qint64>((qint64(wanted) * maximum + reach - 1) / reach, 0, maximum));
        while (position > 0 && offsetAt(position - 1) >= wanted)
            --position;
        while (position < maximum && offsetAt(position) < wanted)
            ++position;
    }
    bar->setValue(position);
}

void ButtonColumn::windowResized()
{
    if (m_courses)
        m_courses->reach(m_scrollOffset, m_c.client->height());
}

} // namespace lumora::screens
