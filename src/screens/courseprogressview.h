#pragma once
// The root screen's progress of each course: "12 / 40" screens visited and a thin bar
// over the course's button, nothing for a course never opened. The counts are made on
// a worker thread, one course at a time, only for the buttons the column has made, and
// each is shown as soon as it is known; they are kept while the program runs and asked
// for again (cheaply, unless the course's files changed) when the root screen comes back.
#include "course/courseprogress.h"

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QString>

#include <memory>
#include <optional>

class QPushButton;

namespace lumora {

class Session;

namespace screens {

class CourseProgressView : public QObject {
public:
    // topFile is the courses' top content file ("DEFAULT CONTENT").
    CourseProgressView(Session &session, const QString &topFile, QObject *parent);
    ~CourseProgressView() override;

    // A course button was made: shows the course's count when known and asks for it
    // when it is not.
    void attach(QPushButton *button, const QString &courseName);
    // Asks again for every course whose button is there (a course may have been visited).
    void refresh();

private:
    // Where a count made on the worker is handed back: the view while it lives. The view
    // never waits for the worker; a count that ends after the view is dropped.
    struct Relay {
        QMutex mutex;
        CourseProgressView *view = nullptr;
    };

    void ask(const QString &courseName);
    void show(const QString &courseName, std::optional<course::ProgressCount> count);
    void showOn(QPushButton *button, const std::optional<course::ProgressCount> &count);

    Session &m_session;
    QString m_programDir;
    QString m_workFolder;
    QString m_topFile;
    QString m_captionWord; // "Navštívené obrazovky:", looked up when a count is first shown
    std::shared_ptr<course::ProgressCounter> m_counter = std::make_shared<course::ProgressCounter>();
    std::shared_ptr<Relay> m_relay = std::make_shared<Relay>();
    QHash<QString, QPointer<QPushButton>> m_buttons;
    QHash<QString, std::optional<course::ProgressCount>> m_known;
    QSet<QString> m_asked; // asked and not answered yet
};

} // namespace screens
} // namespace lumora
