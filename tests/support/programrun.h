#pragma once
// One of the project's programs run as a user runs it, for the command-line suites.
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace lumora::testing {

struct ProgramRun {
    int status = -1; // the exit status; -1 when the program crashed or did not end in time
    QString out;     // standard output, UTF-8
    QString err;     // standard error, UTF-8
};

// A program that does not end within timeoutMs is killed and counts as failed.
inline ProgramRun runProgram(const QString &program, const QStringList &arguments, int timeoutMs = 60000,
                             const QProcessEnvironment &environment = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

} // namespace lumora::testing
