#include "platform/process.h"

#include "platform/messages.h"
#include "platform/paths.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace lumora::process {

namespace {
constexpr int PollMilliseconds = 10;

// Parameters are split at blanks; a part in double quotes stays whole, so a path with
// blanks can be passed.
QStringList splitParameters(const QString &parameters)
{
    return QProcess::splitCommand(parameters);
}

QUrl urlFor(const QString &target)
{
    if (target.contains(QLatin1String("://")) || target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        return QUrl(target);
    return QUrl::fromUserInput(target);
}
} // namespace

QString commandLine(const QString &program, const QString &parameters)
{
    QString line;
    if (!program.isEmpty())
        line = program + QLatin1Char(' ');
    if (!parameters.isEmpty()) {
        if (!line.isEmpty())
            line += QLatin1Char(' ') + parameters;
        else
            line = parameters;
    }
    return line;
}

bool ExecuteFile(const QString &file, const QString &parameters, const QString &folder)
{
    if (file.isEmpty())
        return false;
    const QString found = paths::resolve(file);
    const QFileInfo info(found);
    if (info.exists()) {
        if (info.isFile() && info.isExecutable()) {
            const QString workFolder = folder.isEmpty() ? QString() : paths::resolve(folder);
            return QProcess::startDetached(info.absoluteFilePath(), splitParameters(parameters), workFolder);
        }
        return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath()));
    }
    const QUrl url = urlFor(file);
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool shellOpen(const QString &target, const QString &parameters)
{
    return ExecuteFile(target, parameters, QString());
}

namespace {
std::unique_ptr<QProcess> startList(const QString &program, const QString &workFolder, const QStringList &parts)
{
    auto child = std::make_unique<QProcess>();
    child->setProcessChannelMode(QProcess::ForwardedChannels);
    if (!workFolder.isEmpty())
        child->setWorkingDirectory(paths::resolve(workFolder));
    if (!parts.isEmpty()) {
        child->setProgram(parts.first());
        child->setArguments(parts.mid(1));
        child->start();
    }
    if (parts.isEmpty() || !child->waitForStarted()) {
        messages::show(messages::Kind::Error, messages::Buttons::Ok,
                       QStringLiteral("The program ") + program + QStringLiteral(" was not executed"));
        return nullptr;
    }
    return child;
}

int waitFor(std::unique_ptr<QProcess> child)
{
    if (!child)
        return -1;
    while (child->state() != QProcess::NotRunning) {
        if (!child->waitForFinished(PollMilliseconds))
            QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return child->exitStatus() == QProcess::NormalExit ? child->exitCode() : -1;
}
} // namespace

std::unique_ptr<QProcess> StartProcess(const QString &program, const QString &workFolder, const QString &parameters)
{
    return startList(program, workFolder, QProcess::splitCommand(commandLine(program, parameters)));
}

int RunAndWait(const QString &program, const QString &workFolder, const QString &parameters)
{
    return waitFor(StartProcess(program, workFolder, parameters));
}

int RunAndWait(const QString &program, const QString &workFolder, const QStringList &arguments)
{
    return waitFor(startList(program, workFolder, QStringList{program} + arguments));
}

} // namespace lumora::process
