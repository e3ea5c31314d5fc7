#pragma once
// "Export poznámok a odkazov": the current course's notes and own links written as one
// HTML document where the user chooses, then offered to open in the browser.
#include <QString>

#include <functional>

class QWidget;

namespace lumora {

class Session;

// Whether a course is entered (or a search window shows one), so there is one to export.
bool exportAvailable(const Session &session);

// Walks the current course, collects its notes and links, asks where to save (the
// course's name + "-poznamky.html" in the home folder offered) and writes the
// document, replacing a former file only once the new one is complete.
void exportStudy(Session &session, QWidget *parent);

// Asks for the file to write, given the offered path; an empty answer cancels. Tests
// replace it; empty means the save dialog.
inline std::function<QString(QWidget *parent, const QString &offered)> exportFileChooser;

} // namespace lumora
