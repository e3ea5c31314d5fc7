// The root screen: one button per course folder of the program folder, and beside them
// what the start screen offers.
#include "config/keys.h"
#include "platform/guard.h"
#include "platform/paths.h"
#include "screens/coursecolumn.h"
#include "screens/courseprogressview.h"
#include "course/folderlist.h"
#include "screens/layout.h"
#include "screens/levelscreen.h"
#include "screens/screenlook.h"
#include "screens/startscreen.h"
#include "state/session.h"

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRect>
#include <QTextEdit>

namespace lumora::screens {

void LevelScreen::buildRootScreen()
{
    Session &s = m_session;
    CourseState &c = s.course;
    const int unit = scaleUnit(s);

    loadBackground(m_c.background, paths::join(s.values.ProgramDir, QStringLiteral("POZADIE.BMP")));
    m_c.pane->hide();
    c.CurrentLevel = 1;
    m_c.linksEntry->setEnabled(false);
    m_c.notesEntry->setEnabled(false);

    const QString topFile = s.ConfigText(keys::DefaultContent);
    const course::FolderList list = course::folderList(s.values.ProgramDir, topFile);
    c.FolderListCount = list.count();
    c.LayoutTop = screens::FirstLayoutTop;
    startup::takeProgramDir(s.values.ProgramDir, s.values);
    c.FirstCourseEntry = list.firstCourseEntry;
    c.LevelWindow[1] = m_c.window;

    // How far the learner has come in each course, counted apart from building the screen.
    delete m_progress;
    m_progress = s.values.isSearchInstance() ? nullptr : new CourseProgressView(s, topFile, this);

    const QStringList courses = list.courses();
    const int width = screens::courseButtonWidth(unit);
    addCourseColumn(courses, width);
    QWidget *window = m_c.window;
    m_c.title->resize(courses.isEmpty() ? window->width() - 20 : window->width() - width - 20, m_c.title->height());
    m_c.notesButton->hide();
    if (!s.values.isSearchInstance()) {
        QWidget *client = m_c.client;
        addStartPanel(
            client, s, list, startRoom(client->width() - width - 20),
            {[this](const QString &course) { m_navigation.enterCourse(course); }, [this] { m_host.EndProgram(); }});
    }
    m_column.Lista(c.LayoutTop);
    c.CurrentLevel = 2;
}

// The room of the start panel: from the lesson pane's top (below the titles) down to the
// first of the window's own controls beneath it, left of columnLeft.
QRect LevelScreen::startRoom(int columnLeft) const
{
    constexpr int Left = 16;
    constexpr int Gap = 8;
    const int top = m_c.pane->y();
    const int right = columnLeft - Left;
    int bottom = m_c.client->height();
    for (const QWidget *control : {static_cast<QWidget *>(m_c.linksLabel), static_cast<QWidget *>(m_c.links),
                                   static_cast<QWidget *>(m_c.ownLinksLabel), static_cast<QWidget *>(m_c.ownLinks),
                                   static_cast<QWidget *>(m_c.notesButton), m_c.back, m_c.end}) {
        const QRect r = control ? control->geometry() : QRect();
        if (control && !control->isHidden() && r.top() >= top && r.left() < right && r.right() >= Left)
            bottom = std::min(bottom, r.top() - Gap);
    }
    return QRect(Left, top, std::max(0, right - Left), std::max(0, bottom - top));
}

// The course buttons, width pixels wide. Each row's place follows from the one above;
// the window grows as the rows that reach its bottom would make it grow, then only the
// buttons in reach are made.
void LevelScreen::addCourseColumn(const QStringList &courses, int width)
{
    Session &s = m_session;
    CourseState &c = s.course;
    const int unit = scaleUnit(s);
    const int buttonFont = buttonFontSize(s);
    QWidget *window = m_c.window;
    int windowHeight = window->height();
    if (c.CourseButton.size() < size_t(c.FolderListCount) + 1)
        c.CourseButton.resize(size_t(c.FolderListCount) + 1);
    // One group hands every course button's press to the handler, so a long column is
    // built without a connection per button.
    auto *group = new QButtonGroup(window);
    group->setExclusive(false);
    connect(group, &QButtonGroup::buttonClicked, this, [this](QAbstractButton *button) {
        guarded([this, button] { m_navigation.PoStlaceni(qobject_cast<QPushButton *>(button)); });
    });
    CourseColumn::Geometry geometry{screens::buttonLeft(s.values.WindowWidth, width, unit), width,
                                    screens::buttonHeight(unit), screens::buttonTop(c.LayoutTop, unit),
                                    screens::buttonStep(unit)};
    for (qsizetype i = 0; i < courses.size(); ++i) {
        const int top = screens::buttonTop(c.LayoutTop, unit);
        if (top >= windowHeight)
            break; // no row below the window makes it grow
        if (screens::windowMustGrow(top, geometry.height, windowHeight, unit)) {
            windowHeight += screens::growth(unit);
            m_host.placeWindow(window->x(), window->y(), window->width(), windowHeight);
        }
        c.LayoutTop += geometry.step;
    }
    c.LayoutTop = screens::FirstLayoutTop + int(courses.size()) * geometry.step;
    auto column = std::make_unique<CourseColumn>(
        m_c.client, group, courses, c.FirstCourseEntry, geometry,
        [&c, buttonFont, unit, progress = m_progress](QPushButton *button, int position) {
            c.CourseButton[size_t(position)] = button;
            setFontSize(button, screens::courseButtonFontSize(int(button->text().size()), buttonFont, unit));
            if (progress)
                progress->attach(button, button->text());
        });
    m_column.setCourses(std::move(column), std::max(m_c.client->height(), windowHeight));
}

} // namespace lumora::screens
