#pragma once
// The options the program answers before it opens a window: "--help", "--version" and
// unknown options. Any other first parameter is a content file for a search window.
#include <QString>
#include <QStringList>

namespace lumora::commandline {

enum class Action { Run, Help, Version, UnknownOption };

struct Decision {
    Action action = Action::Run;
    QString output;   // what to print: usage or version on standard output, the error on standard error
};

// Decides from the parameters after the program name. Qt's own options ("-style",
// "-platform" and the like) are left to the toolkit.
Decision decide(const QStringList &arguments);

// Exit status of an unknown option.
inline constexpr int UsageError = 2;

} // namespace lumora::commandline
