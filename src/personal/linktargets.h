#pragma once
// What choosing a course link or an own link opens. Links follow the rule of button
// targets: a file outside the program folder (once "\" is read as "/", ".." applied and
// links followed) and "file:" addresses are refused as missing; a program is never
// started from a link. Web and mail addresses, and documents inside the program
// folder, open on the desktop.
#include <QString>

#include <functional>

class QWidget;

namespace lumora {
class Session;
}

namespace lumora::personal {

struct LinkTarget {
    // Refused: a "file:" address or a file outside the program folder, never opened.
    enum class Kind { Nothing, Address, Document, Missing, Program, Refused };
    Kind kind = Kind::Nothing;
    QString target; // the address, or the document's path
};

// Judges a link's text. A relative file name is looked for in the course folder, then
// in the program folder.
LinkTarget judgeLink(const QString &link, const QString &courseDir, const QString &programDir);

// Opens what the chosen link names, or shows why it does not.
void openChosenLink(Session &session, const QString &link, QWidget *parent);

// What actually opens an address or document; tests replace it (empty: the desktop).
inline std::function<void(const QString &target)> linkOpener;

} // namespace lumora::personal
