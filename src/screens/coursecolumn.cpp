#include "screens/coursecolumn.h"

#include <QButtonGroup>
#include <QEvent>
#include <QKeyEvent>
#include <QPushButton>

#include <algorithm>

namespace lumora {

// Watches every course button: moves the focus by rows on the keys the column takes, and
// brings a button that gets the focus from outside the column (Tab, the window coming
// back) into view.
class CourseColumn::Keys : public QObject {
public:
    explicit Keys(CourseColumn &column) : m_column(column) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::FocusIn)
            return false;
        const int row = m_column.m_group->id(static_cast<QPushButton *>(watched)) - m_column.m_firstPosition;
        if (row < 0 || row >= m_column.count())
            return false;
        if (event->type() == QEvent::FocusIn) {
            // A pressed button stays under the mouse, so that its click lands.
            if (m_column.m_bringIntoView && static_cast<QFocusEvent *>(event)->reason() != Qt::MouseFocusReason)
                m_column.m_bringIntoView(row);
            return false;
        }
        const auto *key = static_cast<QKeyEvent *>(event);
        const int next = m_column.rowForKey(row, key->key(), key->modifiers());
        if (next < 0)
            return false;
        if (next != row) {
            const bool back = key->key() == Qt::Key_Backtab || next < row;
            const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
            m_column.focusRow(next, tab ? (back ? Qt::BacktabFocusReason : Qt::TabFocusReason) : Qt::OtherFocusReason);
        }
        return true;
    }

private:
    CourseColumn &m_column;
};

CourseColumn::CourseColumn(QWidget *parent, QButtonGroup *group, const QStringList &courses, int firstPosition,
                           const Geometry &geometry, std::function<void(QPushButton *, int)> made)
    : m_parent(parent),
      m_group(group),
      m_courses(courses),
      m_firstPosition(firstPosition),
      m_geometry(geometry),
      m_made(std::move(made)),
      m_buttons(size_t(courses.size())),
      m_keys(std::make_unique<Keys>(*this))
{}

CourseColumn::~CourseColumn()
{
    // The buttons belong to the parent and may outlive the column: they stop asking it.
    for (const QPointer<QPushButton> &button : m_buttons) {
        if (button)
            button->removeEventFilter(m_keys.get());
    }
}

int CourseColumn::made() const
{
    return int(
        std::count_if(m_buttons.begin(), m_buttons.end(), [](const QPointer<QPushButton> &b) { return !b.isNull(); }));
}

void CourseColumn::reach(int offset, int viewHeight)
{
    m_offset = offset;
    m_viewHeight = viewHeight;
    if (m_courses.isEmpty() || m_geometry.step <= 0)
        return;
    const int from = offset - viewHeight;
    const int to = offset + 2 * viewHeight;
    // Rows whose span meets [from, to].
    const int first = std::clamp((from - m_geometry.height - m_geometry.firstTop) / m_geometry.step, 0, count());
    const int last = std::clamp((to - m_geometry.firstTop) / m_geometry.step + 1, first, count());
    const auto inReach = [first, last](int row) { return row >= first && row < last; };
    // A button out of reach goes, unless it holds the focus: then it is kept until it
    // has lost it, and looked at again by every later reach.
    std::vector<int> kept;
    const auto drop = [&](int row) {
        QPointer<QPushButton> &button = m_buttons[size_t(row)];
        if (!button)
            return;
        if (button->hasFocus())
            kept.push_back(row);
        else
            delete button.data();
    };
    for (const int row : m_kept) {
        if (!inReach(row) && (row < m_first || row >= m_last))
            drop(row);
    }
    for (int row = m_first; row < m_last; ++row) {
        if (!inReach(row))
            drop(row);
    }
    m_kept = std::move(kept);
    for (int row = first; row < last; ++row) {
        if (!m_buttons[size_t(row)])
            m_buttons[size_t(row)] = make(row, offset);
    }
    m_first = first;
    m_last = last;
}

void CourseColumn::setBringIntoView(std::function<void(int)> bringIntoView)
{
    m_bringIntoView = std::move(bringIntoView);
}

QPushButton *CourseColumn::button(int row) const
{
    return row >= 0 && row < count() ? m_buttons[size_t(row)].data() : nullptr;
}

void CourseColumn::focusRow(int row, Qt::FocusReason reason)
{
    if (row < 0 || row >= count())
        return;
    if (m_bringIntoView)
        m_bringIntoView(row);
    QPointer<QPushButton> &button = m_buttons[size_t(row)];
    if (!button) {
        // Not scrolled to (the column has no scroll bar, or none was given): made where
        // it stands, and looked at again by the next reach.
        button = make(row, m_offset);
        if (row < m_first || row >= m_last)
            m_kept.push_back(row);
    }
    button->setFocus(reason);
}

int CourseColumn::rowForKey(int row, int key, Qt::KeyboardModifiers modifiers) const
{
    const Qt::KeyboardModifiers pressed = modifiers & ~Qt::KeypadModifier;
    const int lastRow = count() - 1;
    const bool tab = key == Qt::Key_Tab && pressed == Qt::NoModifier;
    const bool backtab = (key == Qt::Key_Backtab && (pressed == Qt::NoModifier || pressed == Qt::ShiftModifier))
        || (key == Qt::Key_Tab && pressed == Qt::ShiftModifier);
    // Tab leaves the column after its last row, Shift+Tab before its first.
    if (tab)
        return row < lastRow ? row + 1 : -1;
    if (backtab)
        return row > 0 ? row - 1 : -1;
    if (pressed != Qt::NoModifier)
        return -1;
    const int page = std::max(1, m_viewHeight / std::max(1, m_geometry.step) - 1);
    switch (key) {
    case Qt::Key_Down:
    case Qt::Key_Right: return std::min(row + 1, lastRow);
    case Qt::Key_Up:
    case Qt::Key_Left: return std::max(row - 1, 0);
    case Qt::Key_PageDown: return std::min(row + page, lastRow);
    case Qt::Key_PageUp: return std::max(row - page, 0);
    case Qt::Key_Home: return 0;
    case Qt::Key_End: return lastRow;
    default: return -1;
    }
}

QPushButton *CourseColumn::make(int row, int offset)
{
    const int position = m_firstPosition + row;
    auto *button = new QPushButton(m_parent);
    button->setObjectName(QLatin1String("Buttonx") + QString::number(position) + QLatin1Char('1'));
    button->setGeometry(m_geometry.left, top(row) - offset, m_geometry.width, m_geometry.height);
    button->setText(m_courses.at(row));
    m_group->addButton(button, position);
    button->installEventFilter(m_keys.get());
    placeInTabOrder(row, button);
    if (m_made)
        m_made(button, position);
    // While the screen is built its parent is hidden: the button shows with it.
    if (!m_parent->isHidden())
        button->show();
    return button;
}

// A new button goes into the Tab order just after the nearest row above that has one,
// else just before the nearest row below; the column's first button stays where the
// window's Tab order puts it.
void CourseColumn::placeInTabOrder(int row, QPushButton *button)
{
    for (int above = row - 1; above >= 0; --above) {
        if (QPushButton *neighbour = m_buttons[size_t(above)]) {
            QWidget::setTabOrder(neighbour, button);
            return;
        }
    }
    for (int below = row + 1; below < count(); ++below) {
        if (QPushButton *neighbour = m_buttons[size_t(below)]) {
            QWidget::setTabOrder(neighbour->previousInFocusChain(), button);
            return;
        }
    }
}

} // namespace lumora
