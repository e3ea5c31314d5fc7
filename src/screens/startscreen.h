#pragma once
// What the root screen offers beside its course buttons: a clear word when the folder
// holds no courses (or cannot be read), "Otvoriť priečinok s kurzami…" with a folder
// dialog, the program folders used last, and "Pokračovať tam, kde ste skončili", which
// reopens the screens where the learner was, level by level, as the learner would.
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace lumora {

class Session;
namespace course {
struct FolderList;
}

namespace screens {

struct StartActions {
    // Enters a course as its course button does (returns when the course is left).
    std::function<void(const QString &courseFolder)> enterCourse;
    // Ends this program, once another has been started on a chosen folder.
    std::function<void()> endProgram;
};

// Adds the panel to the root screen's client area inside room (left of the course
// buttons, above the links boxes and "Koniec", so it never covers them; recent folders
// that do not fit are left out), and remembers the program folder among the recent ones
// when it holds courses. Reports a damaged settings file once.
QWidget *addStartPanel(QWidget *client, Session &session, const course::FolderList &list, const QRect &room,
                       StartActions actions);

// The sample courses installed with the program, offered on a folder without courses
// (empty: none installed).
void offerSampleCourses(const QString &sampleFolder);

// The controls of the panel in reading order ("Pokračovať…", "Otvoriť priečinok…", the
// sample courses, the recent folders) and the one the focus starts on: "Pokračovať…"
// where the learner can resume, "Otvoriť priečinok…" in a folder without courses, else
// none (the first course button takes it).
QList<QWidget *> startPanelControls(const QWidget *panel);
QWidget *startPanelFocus(const QWidget *panel);

// Opening another program folder starts the program again on it; tests replace that.
namespace hook {
void setOpener(std::function<void(const QString &folder)> opener);
} // namespace hook

} // namespace screens
} // namespace lumora
