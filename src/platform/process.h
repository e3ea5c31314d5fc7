#pragma once
// Starting programs, documents and web addresses, and waiting for a second copy of the
// program while the windows stay live.
#include <QString>
#include <QStringList>

#include <memory>

class QProcess;

namespace lumora::process {

// The command line: program, a blank, then a blank and the parameters (two blanks
// between them); just the parameters when there is no program.
QString commandLine(const QString &program, const QString &parameters);

// Starts a file the way the desktop's "open" does and does not wait: an executable
// file runs with the parameters split at blanks (in folder, when given); anything else
// (a document, a folder, a web or mail address) goes to the desktop's handler.
// Parameters split at blanks, except inside double quotes.
// Returns whether the call could be issued.
bool ExecuteFile(const QString &file, const QString &parameters, const QString &folder);

// The shell "open" of lesson items, web links and mail addresses: ExecuteFile without
// a default folder.
bool shellOpen(const QString &target, const QString &parameters = QString());

// Starts the command line in the work folder (this process's folder when empty).
// On failure shows "The program <name> was not executed" and returns nullptr.
std::unique_ptr<QProcess> StartProcess(const QString &program, const QString &workFolder, const QString &parameters);

// Starts the program and waits for it, polling every 10 ms while this program's own
// events are processed. Returns the exit code (-1 when it could not start).
int RunAndWait(const QString &program, const QString &workFolder, const QString &parameters);

// The same with the arguments given one by one: nothing is split or quoted, so paths
// and texts with blanks arrive whole.
int RunAndWait(const QString &program, const QString &workFolder, const QStringList &arguments);

} // namespace lumora::process
