#pragma once
// The root screen's column of course buttons. Every row's place is known by arithmetic;
// only the buttons within reach of the view (one view's height above and below it)
// exist as widgets, made as they scroll into reach and removed as they leave it, so a
// program folder of thousands of courses costs no more than a screenful.
#include <QList>
#include <QPointer>
#include <Qt>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QAbstractButton;
class QButtonGroup;
class QObject;
class QPushButton;
class QWidget;

namespace lumora {

class CourseColumn {
public:
    struct Geometry {
        int left = 0;
        int width = 0;
        int height = 0;
        int firstTop = 0; // the first row's top, unscrolled
        int step = 0;     // from one row's top to the next one's
    };
    // Rows are the course names; row i stands for folder-list position firstPosition + i.
    // made(button) is called for each new button (after its place, text and group).
    CourseColumn(QWidget *parent, QButtonGroup *group, const QStringList &courses, int firstPosition,
                 const Geometry &geometry, std::function<void(QPushButton *, int position)> made);
    ~CourseColumn();

    int count() const { return int(m_courses.size()); }
    // The row's top, unscrolled.
    int top(int row) const { return m_geometry.firstTop + row * m_geometry.step; }
    // A row's height.
    int rowHeight() const { return m_geometry.height; }
    // The lowest pixel row of the column, unscrolled.
    int bottom() const { return count() ? top(count() - 1) + m_geometry.height : 0; }
    // How many rows have a button now.
    int made() const;

    // Makes the buttons of the rows within reach of a view of viewHeight pixels whose
    // top lies offset pixels down the column; removes those out of reach (a button that
    // holds the focus stays).
    void reach(int offset, int viewHeight);

    // How the column is scrolled so that a row lies wholly in view (its button is made
    // by the reach that follows). Without it rows are only made, never scrolled to.
    void setBringIntoView(std::function<void(int row)> bringIntoView);
    // The row's button, null while it has none.
    QPushButton *button(int row) const;
    // Brings the row into view and gives its button the focus.
    void focusRow(int row, Qt::FocusReason reason);

private:
    class Keys;
    QPushButton *make(int row, int offset);
    void placeInTabOrder(int row, QPushButton *button);
    // The row a key pressed on the button of row leads to; -1 for a key the column
    // leaves to the button.
    int rowForKey(int row, int key, Qt::KeyboardModifiers modifiers) const;

    QWidget *m_parent;
    QButtonGroup *m_group;
    QStringList m_courses;
    int m_firstPosition;
    Geometry m_geometry;
    std::function<void(QPushButton *, int)> m_made;
    std::vector<QPointer<QPushButton>> m_buttons; // by row
    int m_first = 0;                              // rows [m_first, m_last) may have buttons
    int m_last = 0;
    std::vector<int> m_kept; // rows out of reach whose button was kept for its focus
    int m_offset = 0;        // the last reach's view
    int m_viewHeight = 0;
    std::function<void(int)> m_bringIntoView;
    std::unique_ptr<Keys> m_keys;
};

} // namespace lumora
