#include "screens/coursecolumn.h"

#include <QButtonGroup>
#include <QPushButton>

#include <algorithm>

namespace lumora {

CourseColumn::CourseColumn(QWidget *parent, QButtonGroup *group, const QStringList &courses, int firstPosition,
                           const Geometry &geometry, std::function<void(QPushButton *, int)> made)
    : m_parent(parent), m_group(group), m_courses(courses), m_firstPosition(firstPosition), m_geometry(geometry),
      m_made(std::move(made)), m_buttons(size_t(courses.size()))
{
}

int CourseColumn::made() const
{
    return int(std::count_if(m_buttons.begin(), m_buttons.end(), [](const QPointer<QPushButton> &b) { return !b.isNull(); }));
}

void CourseColumn::reach(int offset, int viewHeight)
{
    if (m_courses.isEmpty() || m_geometry.step <= 0)
        return;
    const int from = offset - viewHeight;
    const int to = offset + 2 * viewHeight;
    // Rows whose span meets [from, to].
    const int first = std::clamp((from - m_geometry.height - m_geometry.firstTop) / m_geometry.step, 0, count());
    const int last = std::clamp((to - m_geometry.firstTop) / m_geometry.step + 1, first, count());
    for (int row = m_first; row < m_last; ++row) {
        if (row >= first && row < last)
            continue;
        QPointer<QPushButton> &button = m_buttons[size_t(row)];
        if (button && !button->hasFocus())
            delete button.data();
    }
    for (int row = first; row < last; ++row) {
        if (!m_buttons[size_t(row)])
            m_buttons[size_t(row)] = make(row, offset);
    }
    m_first = first;
    m_last = last;
}

QPushButton *CourseColumn::make(int row, int offset)
{
    const int position = m_firstPosition + row;
    auto *button = new QPushButton(m_parent);
    button->setObjectName(QLatin1String("Buttonx") + QString::number(position) + QLatin1Char('1'));
    button->setGeometry(m_geometry.left, top(row) - offset, m_geometry.width, m_geometry.height);
    button->setText(m_courses.at(row));
    m_group->addButton(button, position);
    if (m_made)
        m_made(button, position);
    // While the screen is built its parent is hidden: the button shows with it.
    if (!m_parent->isHidden())
        button->show();
    return button;
}

} // namespace lumora
