#include "screens/forgetprogress.h"

#include "config/keys.h"
#include "platform/accesskeys.h"
#include "platform/errors.h"
#include "platform/guard.h"
#include "platform/messages.h"
#include "screens/visitedmark.h"
#include "state/session.h"
#include "course/visits.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

namespace lumora::screens {

namespace {

bool insideCourse(const Session &s)
{
    const int level = s.course.CurrentLevel;
    return !s.values.isSearchInstance() && level >= 2 && CourseState::validLevel(level)
        && !s.course.LevelFolder[size_t(level)].isEmpty();
}

} // namespace

ForgetProgress::ForgetProgress(Session &session, QWidget *window, QMenu *menu)
    : QObject(window), m_session(session), m_window(window)
{
    menu->addSeparator();
    m_entry = menu->addAction(session.ConfigText(keys::MenuForgetProgress));
    m_entry->setObjectName(QStringLiteral("ForgetProgressEntry"));
    m_entry->setVisible(!session.values.isSearchInstance());
    connect(m_entry, &QAction::triggered, this, [this] { guarded([this] { forget(); }); });
    connect(menu, &QMenu::aboutToShow, this, [this] {
        m_entry->setText(accesskeys::withAccessKey(m_session.ConfigText(keys::MenuForgetProgress),
                                                   QStringLiteral("&Vymazať postup kurzu…")));
        m_entry->setEnabled(insideCourse(m_session));
    });
}

void ForgetProgress::forget()
{
    Session &s = m_session;
    if (!insideCourse(s))
        return;
    if (messages::askDefaultNo(messages::Kind::Confirmation, s.ConfigText(keys::ForgetProgress), m_window)
        != messages::Answer::Yes)
        return;
    const int level = s.course.CurrentLevel;
    try {
        course::progress::forgetCourse(s, level);
    } catch (const Error &e) {
        messages::show(messages::Kind::Error, messages::Buttons::Ok,
                       s.ConfigText(keys::ForgetProgressFailed) + QLatin1Char(' ') + e.message(), m_window);
        return;
    }
    // Every open screen of the course loses its marks.
    const QString word = s.ConfigText(keys::Visited);
    for (int k = 2; k <= level; ++k) {
        for (const QPointer<QObject> &button : s.course.LevelButton[size_t(k)])
            markVisited(qobject_cast<QPushButton *>(button.data()), false, word);
    }
}

} // namespace lumora::screens
