#pragma once
// The options the program answers before it opens a window: "--help", "--version" and
// unknown options, and what the first parameter names: a program folder to open, a
// content file for a search window, or nothing that exists (refused).
#include <QString>
#include <QStringList>

namespace lumora::commandline {

enum class Action { Run, Help, Version, UnknownOption, BadPath };

struct Decision {
    Action action = Action::Run;
    QString output;          // what to print: usage or version on standard output, the error on standard error
    QString programFolder;   // a folder named by the first parameter (absolute), else empty
    bool lastFolder = false; // "--last": open the last program folder (the menu entry)
    QStringList arguments;   // the parameters the window's set-up takes (a folder removed)
};

// Decides from the parameters after the program name; paths are taken relative to
// currentFolder. Qt's own options ("-style", "-platform" and the like) are left to the
// toolkit.
Decision decide(const QStringList &arguments, const QString &currentFolder);

// Exit status of an unknown option or a path that names nothing.
inline constexpr int UsageError = 2;

} // namespace lumora::commandline
