#pragma once
// A level window's entry to the course search: "Pomocník → Hľadať v kurze" and Ctrl+F
// open the search window of the current course. The window keeps the entry and
// forwards its handler here.
#include <QObject>

#include <functional>

class QAction;
class QWidget;

namespace lumora {
class Session;
}

namespace lumora::search {

// What the search entry needs of the window it belongs to.
struct CourseSearchHost {
    QWidget *window = nullptr;
    QAction *entry = nullptr;              // "Hľadať v kurze"
    // A search window does not search again: its tree entry offers to close instead.
    std::function<void()> offerToClose;
};

class CourseSearchMenu : public QObject {
public:
    // Connects the entry to the handler below; owned by the window.
    CourseSearchMenu(Session &session, CourseSearchHost host);

    void Hadavkurze1Click();

private:
    Session &m_session;
    CourseSearchHost m_host;
};

} // namespace lumora::search
